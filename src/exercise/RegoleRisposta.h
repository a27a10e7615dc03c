#pragma once
// The answering rules that need no state: how each kind is answered, the
// texts the kinds look for, and where the solution of a stretch is coloured.
// The engine and the content checker both use them.
#include <QSet>
#include <QString>

// How the pupil answers an item of a kind.
enum class Modo {
    Elenco, // one choice of the list
    DueScelte, // two choices, the first a beginning of the answer (5, 11, 18)
    DueSpazi, // two choices for two blanks (15)
    Parola, // double-click on a word (1, 41, 42, 43, 46, 48, 49)
    Conta, // double-click on every word of a group (2)
    Tratto, // drag over a stretch (44, 45, 50 to 54)
};
Modo ModoDelTipo(int tipo);
// The list kinds whose boxes take no answer: a double-click there is undone.
bool TipoSoloElenco(int tipo);
// Kinds that take the used entry out of the list.
bool TogliSceltaUsata(int tipo);

// 1-based position of the first (or last) occurrence of cosa in testo, 0 when
// it does not occur; an empty text is never found.
int Posizione(const QString& testo, const QString& cosa);
int UltimaPosizione(const QString& testo, const QString& cosa);

// The first span from an opening to a closing mark ("[" "]", "(" ")"):
// 0-based start p and end q (inclusive); false when there is none.
bool TraParentesi(const QString& testo, QChar apre, QChar chiude, int& p, int& q);

// The kinds the loader colours, and what they colour.
enum class Marcatura { Nessuna, ChiaveRossa, ChiaveBlu, DueParentesiQuadre, ParentesiQuadra, Asterisco };
Marcatura MarcaturaDelTipo(int tipo);

// Kind 15: the two bracketed spans, the second found in the text as it stands
// once the first shows the beginning of the key; false when one is missing.
struct DueSpazi {
    int inizio1 = 0, lunghezza1 = 0, inizio2 = 0, lunghezza2 = 0;
};
bool SpaziDelTipo15(const QString& testo, const QString& chiave, DueSpazi& spazi);
// The same text with both spans showing their part of the key.
QString TestoConDueSpazi(const QString& testo, const QString& chiave, const DueSpazi& spazi);

// Whether the box text holds what the marking of its kind needs.
bool MarcaturaPossibile(int tipo, const QString& testoCasella, const QString& chiave);

// Kind 2: a double-clicked word of three letters or more counts as found
// when the key holds it anywhere. These are the words of a text that count,
// found in time linear in the text and the key however many words there are.
QSet<QString> ParoleDaTrovare(const QString& testo, const QString& chiave);

// Kinds 50 to 54: a stretch holding a full stop loses its last three
// characters (the stop and the line break after it); false when it is too
// short to lose them.
bool TogliPuntoFinale(QString& selezione);

// Where the blue of a right stretch answer goes, in the text shown after it
// (the key): start and length as the kind computes them, before they are
// cut to the text. Kind 52 also turns the key's character at inizio into a
// line break. trovato is false when the kind finds no place to colour.
struct TrattoBlu {
    bool trovato = false;
    int inizio = 0;
    int lunghezza = 0;
};
TrattoBlu TrattoDellaSoluzione(int tipo, const QString& risposta, const QString& testoCasella,
                               const QString& chiave);
