#pragma once
// What the word answers (frmEsercizi_clic.cpp) and the stretch answers
// (frmEsercizi_tratto.cpp) share: the edits of an item box, the feedback of
// a wrong answer and the ending of a right one.
#include <QColor>
#include <QString>

class CasellaTesto;
class FinestraEsercizi;

namespace RispostaTesto {

// 1-based position of the first (or last) occurrence of cosa in testo, 0 when
// it does not occur; an empty text to look for is never found.
int Posizione(const QString& testo, const QString& cosa);
int UltimaPosizione(const QString& testo, const QString& cosa);

// Colours lunghezza characters from inizio (0-based). The part that would
// fall before the text or after its end is left out; nothing happens when
// none is left.
void ColoraTratto(CasellaTesto* casella, int inizio, int lunghezza, const QColor& colore);
void ColoraTutto(CasellaTesto* casella, const QColor& colore);

// Puts a new text in the box; emptying it first drops the old colours, so the
// new text is black in the size of the old first character.
void SostituisciTesto(CasellaTesto* casella, const QString& testo);

// The pupil's selection was wrong: counted and signalled, the selection is
// left red and collapsed; the item stays open.
void RispostaSbagliata(FinestraEsercizi& finestra, int indice);

// The box already shows the solution: collapse its selection, close the item.
void ChiudiRispostaEsatta(FinestraEsercizi& finestra, int indice);

// Judges and shows a marked stretch (kinds 44, 45 and 50 to 54).
void RispostaTratto(FinestraEsercizi& finestra, int indice);

} // namespace RispostaTesto
