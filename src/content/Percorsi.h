#pragma once
// The application folder and the one path resolver that every open,
// existence test, listing and creation goes through. Data paths are built
// with "/" and "\" mixed; both separate folders, and each component matches
// an existing entry without regard to letter case (the exact name first).
#include <QString>
#include <QStringList>

// The application folder: the program's own content (Esercizi/, Help/,
// Indice/, IndiceScritto/, Suoni/), which the program only reads. It is the
// folder of the program when that holds "Esercizi" (the build tree, a
// portable copy), otherwise the installed share folder found from the
// program's own place (<prefix>/bin/zelora -> <prefix>/share/zelora).
QString CartellaApplicazione();
// Points the application folder and the records folder (its "Schede
// personali") at one folder; an empty string goes back to the defaults.
void ImpostaCartellaApplicazione(const QString& cartella);

// The records folder: the folder that plays the role of "Schede personali",
// with one folder per category below it. By default it is "Schede personali"
// beside the program when the content is beside the program and that folder
// can be written; otherwise $XDG_DATA_HOME/zelora/Schede personali
// (~/.local/share/...). "--schede CARTELLA" names it directly.
QString CartellaSchedePersonali();
// Sets the records folder alone (empty: back to the default).
void ImpostaCartellaSchede(const QString& cartella);

// The path as it is on disk: separators unified, each existing component
// replaced by its real spelling; components that do not exist stay as given.
QString RisolviPercorso(const QString& percorso);

// True when the path names an existing entry that is not a folder.
bool FileExist(const QString& percorso);
// Files of a folder whose names match a wildcard pattern, ignoring case; sorted.
QStringList ElencaFile(const QString& cartella, const QString& modello);
// Creates a folder and its parents (resolving existing components).
bool CreaCartella(const QString& percorso);
// Largest files read, far above any real content: a larger file is taken as
// damaged rather than filling the memory.
constexpr qint64 LimiteFileTesto = 1 << 20; // exercises, indexes, help pages, records
constexpr qint64 LimiteFileSuono = 10 << 20;
// The whole content of a regular file of at most limite bytes; false when it
// is missing, unreadable, larger, or not a regular file (a FIFO or a device
// would block or never end, and is never read).
bool LeggiFile(const QString& percorso, QByteArray& contenuto, qint64 limite = LimiteFileTesto);
