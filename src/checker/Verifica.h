#pragma once
// The content checker: proves that every file of the content pack reads the
// way the program reads it and that every item can be solved with the
// program's own rules. Shared by zelora-verifica and the tests.
//
// Every check works on the current application folder (CartellaApplicazione)
// and reports problems; it never changes a file.
#include <QByteArray>
#include <QList>
#include <QString>

struct DatiEsercizio;

struct Problema {
    QString file; // relative to the application folder, "/" separated
    int campo = 0; // 1-based field of the file; 0 when the file as a whole is wrong
    QString descrizione; // Italian, for a teacher
    bool avviso = false; // the pack works, but a teacher should look at it

    // "file: campo N: descrizione", or "file: descrizione" when campo is 0;
    // a warning says "avviso: " before the description.
    QString Riga() const;
};

// What a run looked at, for the summary line.
struct Conteggi {
    int categorie = 0;
    int esercizi = 0;
    int pagineHelp = 0;
    int suoni = 0;
};

// The kinds the program handles: 1 to 16, 18, 41 to 54.
bool TipoGestito(int tipo);

// Whether the right answers of a one-choice list exercise follow a pattern a
// pupil can follow without the grammar; the pattern in Italian, or empty.
// The position of each right answer among the distinct entries, item by
// item, is checked for: a step to the next entry in 10 of the 13 steps; a
// period of the list's length throughout, repeated at least 6 times; no step
// down in 12 of the 13 steps; and, where used entries leave the list, the
// right answer being the first entry left in more than half of the items.
QString SchemaRisposte(const DatiEsercizio& d);

// One exercise file already in memory (nome is only used in the messages).
QList<Problema> VerificaEsercizioDa(const QString& nome, const QByteArray& contenuto);
// One help page already in memory.
QList<Problema> VerificaHelpDa(const QString& nome, const QByteArray& contenuto);
// One sound cue already in memory: a RIFF/WAVE file with "fmt " and "data" chunks.
QList<Problema> VerificaWavDa(const QString& nome, const QByteArray& contenuto);

// Whether the exercise folder of category 0..11 exists.
bool CartellaEserciziPresente(int categoria);

// Index, written index, every exercise and every help page of a category.
QList<Problema> VerificaCategoria(int categoria, Conteggi* conteggi = nullptr);
// The four sound cues.
QList<Problema> VerificaSuoni(Conteggi* conteggi = nullptr);

// The whole pack: every category (or, with soloPresenti, only those whose
// exercise folder exists), the sounds, and sentences used twice.
QList<Problema> VerificaCartella(bool soloPresenti = false, Conteggi* conteggi = nullptr);
