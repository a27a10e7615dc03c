#pragma once
// The personal record file without any window: the line a save writes, the
// letters an open reads back, which names can become a record file, and the
// atomic replacement of record files.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>
#include <functional>

class QFileDevice;

// Length of the line of a newly created record, whatever the category.
constexpr int LunghezzaSchedaNuova = 72;

// Draws one filler value; any source giving both parities over 161..255 serves.
using SorgenteCasuale = std::function<int()>;
int FillerCasuale(); // the program's own source

// The content of a new record: 72 "x" and CR LF.
QByteArray RigaSchedaNuova();

// The line a save writes for exercises 0..ultimo, highest exercise first:
// per exercise a filler (odd when done, even when not) and the grade letter.
// Ends with CR LF. Missing array entries count as not done.
QByteArray RigaScheda(const QVector<bool>& fatto, const QVector<QString>& giudizio, int ultimo,
                      const SorgenteCasuale& casuale = FillerCasuale);

// Whether the bytes of a record file are a record of a category of
// exercises 0..ultimo: one line and CR LF, either the 72 "x" of a new record
// or per exercise a filler (161..255) and a grade letter or "x". The class
// view tells damaged files from records by it.
bool SchedaIntegra(const QByteArray& contenuto, int ultimo);

// Reads the letters of a record line into the arrays (resized to ultimo + 1).
// Only the letters count; a letter that is no grade, or past the end of the
// line, leaves the exercise to do.
void LeggiRigaScheda(const QString& riga, int ultimo, QVector<bool>& fatto,
                     QVector<QString>& giudizio);

// Why a name cannot be used for a record file (an Italian message for the
// pupil), or an empty string when it can. The name must stay one visible file
// name inside the record folder, on Linux and on a share a Windows computer
// serves: no separators, no characters file systems refuse, no invisible
// characters, not only dots or blanks, no point first, no point or blank
// last, no device name (CON, NUL, COM1...), short enough for the temporary
// name a save needs.
QString MotivoNomeNonValido(const QString& nome);

// The record file of a name in a category's record folder, with the real
// spelling of whatever already exists. Empty when the name cannot be one file
// of the folder (only the rules about separators, dots and length count, so
// that a record made before the rules for new names still opens), or when
// what has that name is not a regular file (a link, a folder...).
QString PercorsoSchedaSicuro(const QString& categoria, const QString& nome,
                             const QString& estensione);
// The same for the record of category i (0 to 11), its folder made first if asked.
QString PercorsoSchedaCategoria(int categoria, const QString& nome, bool creaCartella);

// Replaces files so that each is either its old or its new content, never a
// piece: every content goes to a temporary file in the target's own folder
// first, and only when all of them are written are they renamed over the
// targets. False when any could not be written (every write is checked, down
// to the disk); a failure before the renames leaves every target as it was.
bool ScriviFileAtomici(const QList<QPair<QString, QByteArray>>& file);
bool ScriviFileAtomico(const QString& percorso, const QByteArray& contenuto);

// Writes the content of a temporary file; false when any of it did not reach
// the disk. Tests put in one that fails as a full disk does; empty restores
// the real one.
using ScritturaFile = std::function<bool(QFileDevice& file, const QByteArray& dati)>;
void ImpostaScritturaFile(ScritturaFile scrittura);

// The record files themselves, in the record folder of each category. Opening,
// creating and saving a record first remove the temporary files a killed
// save left of it.
// Writes the twelve new records of a name (every exercise to do), all or
// none; false when the name cannot be a new record or they could not be written.
bool CreaSchede(const QString& nome);
// Whether the name already has its "Articoli" record (the one asked about).
bool SchedaEsistente(const QString& nome);
// Reads the line of a name's record in a category; false when unreadable.
bool LeggiScheda(const QString& categoria, const QString& nome, const QString& estensione, QString& riga);
// Rewrites a name's record in a category from the arrays; false when it
// could not be written (the old file is then left as it was).
bool SalvaScheda(const QString& categoria, const QString& nome, const QString& estensione,
                 const QVector<bool>& fatto, const QVector<QString>& giudizio, int ultimo);
