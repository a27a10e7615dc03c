#pragma once
// The rich-text box on screen: a read-only QTextEdit that shows a
// TestoFormattato (the text as the program counts it, with its formats and
// selection). Every line break sequence of the model is one displayed line
// break; positions are mapped between the two. The box shows its own model
// until it is given another one (the item boxes show the engine's).
//
// What the pointer does goes two ways: a drag sets the model's selection,
// and the gestures are reported (premuto, rilasciato, doppioClic with the
// model position under the pointer; a double-click first selects the word
// there). A box whose input is off ignores the pointer but keeps its look.
// The pointer always means the character it lies on, never the nearest gap
// between characters: a double-click anywhere on a letter takes its word,
// and a drag from any point of one letter to any point of another marks both
// letters and what lies between, in either direction.
#include "platform/TestoFormattato.h"

#include <QTextEdit>
#include <QVector>

class CasellaTesto : public QTextEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* parent = nullptr);

    void ImpostaModello(TestoFormattato* modello);
    TestoFormattato& Modello() { return *m_modello; }
    const TestoFormattato& Modello() const { return *m_modello; }

    // The font family shown, and the weight and size (as designed: the box
    // shows every size at the scale) of text put into the box's own empty model.
    void ImpostaFontPredefinito(const QFont& font);
    // An item box: its text never scrolls (no scroll bars, the wheel and
    // drags leave the first line at the top).
    void ImpostaSenzaScorrimento();
    // Whether a drag marks text (on by default).
    void ImpostaSegnaTesto(bool segna) { m_segnaTesto = segna; }

    // The model operations the page windows use.
    QString Testo() const { return m_modello->Testo(); }
    void ImpostaTesto(const QString& testo) { m_modello->ImpostaTesto(testo); }
    int SelStart() const { return m_modello->SelStart(); }
    int SelLength() const { return m_modello->SelLength(); }
    void ImpostaSelStart(int start) { m_modello->ImpostaSelStart(start); }
    void ImpostaSelezione(int start, int lunghezza) { m_modello->ImpostaSelezione(start, lunghezza); }
    void ImpostaSelColor(const QColor& colore) { m_modello->ImpostaSelColor(colore); }
    void ImpostaSelBold(bool grassetto) { m_modello->ImpostaSelBold(grassetto); }
    QColor ColoreCarattere(int p) const { return m_modello->ColoreCarattere(p); }
    bool GrassettoCarattere(int p) const { return m_modello->GrassettoCarattere(p); }
    qreal DimensioneCarattere(int p) const { return m_modello->DimensioneCarattere(p); }

    void ImpostaIngresso(bool attivo) { m_ingresso = attivo; }
    bool Ingresso() const { return m_ingresso; }

    // Model position of the character under a point of the viewport; past
    // the end of a line, the blank or line break that ends it.
    int PosizioneInPunto(const QPoint& puntoViewport) const;
    // The viewport pixels that lie on the character at a model position.
    QRect RettangoloCarattere(int posizione) const;

signals:
    void premuto();
    void rilasciato();
    void doppioClic(int posizione);
    // The model's selection changed (by the program or by the pointer).
    void selezioneCambiata();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void Ridisegna();
    void AggiornaFormato(int da, int a);
    void MostraSelezione();
    void SelezioneDallaVista();
    int VistaDaModello(int pos) const;
    int ModelloDaVista(int pos) const;
    // Displayed position of the character under a viewport point.
    int CarattereInPunto(const QPoint& puntoViewport) const;
    // The view's cursor, which the model's selection follows.
    void PortaCursore(int ancora, int posizione);
    void SeguiPuntatore(const QPoint& puntoViewport);

    TestoFormattato m_proprio;
    TestoFormattato* m_modello = &m_proprio;
    QVector<int> m_daModello; // model index -> display index, size n + 1
    QVector<int> m_daVista; // display index -> model index, size d + 1
    bool m_ingresso = true;
    bool m_senzaScorrimento = false;
    bool m_segnaTesto = true;
    bool m_sincronizzo = false;
    QString m_famiglia;
    // The drag under way: the displayed character it started on (-1: none),
    // where the button went down, and whether the pointer has left that spot.
    int m_primoCarattere = -1;
    QPoint m_puntoPremuto;
    bool m_trascino = false;
};
