#pragma once
// The whole class as the teacher sees it, without any window: every record
// file of the records folder read (and never written), the overview table
// (one row per pupil, one column per category and a total) and a category's
// table (one column per exercise, with how many pupils did it and how many
// got "INSUFF."), and each table as a CSV file for a spreadsheet.
#include "content/Catalogo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// One pupil's record of one category.
struct SchedaAlunno {
    bool presente = false; // the file exists and was read
    QVector<QString> giudizi; // per exercise: the grade word, empty when still to do
};

// A row of the class: a pupil with the records read, or a record file that
// could not be read (named by its file name, in its category).
struct AlunnoClasse {
    QString nome;
    int categoriaIlleggibile = -1; // >= 0: this row is that unreadable file
    std::array<SchedaAlunno, NumeroCategorie> schede;
};

struct Classe {
    QString cartella; // the records folder read
    QVector<AlunnoClasse> alunni; // sorted by name, Italian order, case-blind, accents respected
};

// Reads every "NAME.ZLRnn" file of every category folder of the records
// folder in use. A record is readable when it is one line and CR LF: the 72
// "x" of a new record, or a filler (161..255) and a grade letter or "x" per
// exercise of the category. Anything else becomes an unreadable row.
Classe LeggiClasse();

// The grade most of a pupil's done exercises sit around: the median of the
// words in their order (the lower one of the middle two); empty when none.
QString GiudizioTipico(const QVector<QString>& giudizi);

// A table as the window shows it and the sheets print it: the column
// captions (the pupils' column first) and the rows of text; a cell may hold
// a line break. Giudizi colour the cells: per cell the grade word that
// stands for it, "da fare" for nothing done, "illeggibile" for an unreadable
// record. The rows named in conteggi (at the end) are counts, not pupils.
// A caption of a table in lines, on screen and on paper: broken at blanks
// when longer than a grade word or two, so that a column stays about as wide
// as its grades.
QStringList RigheDidascalia(const QString& didascalia);

struct TabellaClasse {
    QString titolo;
    QStringList colonne;
    QVector<QStringList> righe;
    QVector<QStringList> giudizi;
    int conteggi = 0;
    QByteArray csv; // UTF-8 with BOM, ';' between fields, CR LF
};

// Per pupil and category "done/total" and the typical grade, and the total.
TabellaClasse TabellaRiepilogo(const Classe& classe);
// Per pupil the grade of each exercise of the category, the titles from the
// category's index as captions, then the pupils who did each exercise and
// those who got "INSUFF.".
TabellaClasse TabellaCategoria(const Classe& classe, int categoria);
