#pragma once
// The text of a rich-text box as the program counts it: CR LF is two
// characters, a lone CR one. Every character has its colour, weight and
// size; a selection (start, length) counts in the same characters. The box
// on screen (CasellaTesto) only shows this model; the answering rules edit
// it without any widget.
#include <QColor>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

struct FormatoCarattere {
    QRgb colore = qRgb(0, 0, 0);
    bool grassetto = false;
    qreal dimensione = 12;
    bool operator==(const FormatoCarattere& o) const
    {
        return colore == o.colore && grassetto == o.grassetto && dimensione == o.dimensione;
    }
    bool operator!=(const FormatoCarattere& o) const { return !(*this == o); }
};

// Bounds [inizio, fine) of the word a double-click at posizione selects: a
// run of letters and digits (an apostrophe or a blank ends a word); elsewhere
// the single character there. Past the end: an empty span at the end.
QPair<int, int> ParolaInPosizione(const QString& testo, int posizione);
// Every span a double-click can select, from the start of the text on.
QList<QPair<int, int>> ParoleDelTesto(const QString& testo);

class TestoFormattato : public QObject {
    Q_OBJECT
public:
    explicit TestoFormattato(QObject* parent = nullptr);

    // Weight and size of text put into an empty box (its colour is black).
    void ImpostaFormatoIniziale(bool grassetto, qreal dimensione);

    const QString& Testo() const { return m_testo; }
    const QVector<FormatoCarattere>& Formati() const { return m_formati; }
    // Replaces the whole text: black, in the weight and size of the old first
    // character (or the initial format). The selection collapses at 0.
    void ImpostaTesto(const QString& testo);

    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    // Moves the insertion point; the selection length becomes 0.
    void ImpostaSelStart(int start);
    // Extends the selection from SelStart, within the text.
    void ImpostaSelLength(int lunghezza);
    void ImpostaSelezione(int start, int lunghezza);
    // Selects the word a double-click at posizione takes.
    void SelezionaParola(int posizione);
    QString SelText() const { return m_testo.mid(m_selStart, m_selLength); }
    // The selected text becomes the new text, in the format of the first
    // selected character; the insertion point goes after it.
    void SostituisciSelezione(const QString& nuovo);
    // The whole text replaced as a selection: it keeps the old first format.
    void SostituisciTutto(const QString& nuovo);

    // Colour of the selection when all of it has one colour (the character at
    // the insertion point when nothing is selected); empty when mixed.
    std::optional<QColor> SelColor() const;
    void ImpostaSelColor(const QColor& colore);
    void ImpostaSelBold(bool grassetto);
    void ImpostaSelFontSize(qreal punti);

    // Colours n characters from inizio; the part outside the text is left out.
    void ColoraTratto(int inizio, int lunghezza, const QColor& colore);
    void ColoraTutto(const QColor& colore) { ColoraTratto(0, int(m_testo.size()), colore); }

    QColor ColoreCarattere(int posizione) const;
    bool GrassettoCarattere(int posizione) const;
    qreal DimensioneCarattere(int posizione) const;

signals:
    // The text was replaced (the view lays it out again).
    void testoCambiato();
    // The format of characters [da, a) changed.
    void formatoCambiato(int da, int a);
    // Raised for every selection set, by the program or through the view.
    void selezioneCambiata();

private:
    void CambiaFormato(const std::function<void(FormatoCarattere&)>& cambia);

    QString m_testo;
    QVector<FormatoCarattere> m_formati;
    FormatoCarattere m_iniziale;
    int m_selStart = 0;
    int m_selLength = 0;
};
