#pragma once
// The rich-text box of the item boxes, the help page, the index and the
// information screen. It keeps the text exactly as the program counts it
// (CR LF is two characters, a lone CR one), with colour, bold and size per
// character, and a selection (start, length) in those characters. On screen a
// read-only QTextEdit shows it: every line break sequence is one displayed
// line break, and positions are mapped between the two.
//
// selezioneCambiata is raised for every selection set by the program and for
// every change the pupil makes with the mouse. A double-click selects the
// word under the pointer, raises doppioClic, then raises selezioneCambiata
// exactly once.
#include <QColor>
#include <QTextEdit>
#include <QVector>
#include <optional>

class CasellaTesto : public QTextEdit {
    Q_OBJECT
public:
    explicit CasellaTesto(QWidget* parent = nullptr);

    // Format given to text put into an empty box.
    void ImpostaFontPredefinito(const QFont& font);

    QString Testo() const { return m_testo; }
    // Replaces the whole text; it is black, in the size and weight of the old
    // first character (or the default font). The selection collapses at 0.
    void ImpostaTesto(const QString& testo);

    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    // Moves the insertion point; the selection length becomes 0.
    void ImpostaSelStart(int start);
    // Extends the selection from SelStart, within the text.
    void ImpostaSelLength(int lunghezza);
    void ImpostaSelezione(int start, int lunghezza);
    QString SelText() const;
    // The selected text becomes the new text, in the format of the first
    // selected character; the insertion point goes after it.
    void SostituisciSelezione(const QString& nuovo);

    // Colour of the selection when all of it has one colour (the character at
    // the insertion point when nothing is selected); empty when mixed.
    std::optional<QColor> SelColor() const;
    void ImpostaSelColor(const QColor& colore);
    void ImpostaSelBold(bool grassetto);
    void ImpostaSelFontSize(qreal punti);

    QColor ColoreCarattere(int posizione) const;
    bool GrassettoCarattere(int posizione) const;
    qreal DimensioneCarattere(int posizione) const;

    // A box whose input flag is off ignores the pointer but keeps its look.
    void ImpostaIngresso(bool attivo) { m_ingresso = attivo; }
    bool Ingresso() const { return m_ingresso; }

    // The box never shows a text caret; kept as the one place that says so.
    void NascondiCursore();

    // Model position of a point in the viewport, as a click there would give.
    int PosizioneInPunto(const QPoint& puntoViewport) const;
    // Viewport rectangle of the character at a model position.
    QRect RettangoloCarattere(int posizione) const;

signals:
    void clic();
    void doppioClic();
    void pulsantePremuto();
    void pulsanteRilasciato();
    void selezioneCambiata();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    struct Formato {
        QRgb colore;
        bool grassetto;
        qreal dimensione;
        bool operator==(const Formato& o) const
        {
            return colore == o.colore && grassetto == o.grassetto && dimensione == o.dimensione;
        }
    };

    void Ridisegna();
    void AggiornaFormatoVista(int da, int a);
    void MostraSelezione();
    void SelezioneDallaVista();
    int VistaDaModello(int pos) const;
    int ModelloDaVista(int pos) const;
    Formato FormatoPredefinito() const;

    QString m_testo;
    QVector<Formato> m_formati;
    QVector<int> m_daModello; // model index -> display index, size n + 1
    QVector<int> m_daVista; // display index -> model index, size d + 1
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_ingresso = true;
    bool m_sincronizzo = false;
    QFont m_fontPredefinito;
};
