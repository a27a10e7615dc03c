#pragma once
// The command line, read in this one place. Every option is one entry of the
// table in Opzioni.cpp: its names, its Italian description and what it sets
// here. There is no settings file.
#include <QString>
#include <QStringList>

struct Opzioni {
    QString cartellaSchede; // --schede: the folder that plays "Schede personali"
    bool verificaAvvio = false; // --verifica-avvio
    double scala = 0; // --scala: 0 when the screen chooses it
    QString schermata; // --schermata (hidden): the main menu as a PNG, for the build
};

// What to do after reading the command line.
struct EsitoOpzioni {
    bool esci = false; // help, version or an error was printed
    int codice = 0; // exit status when esci
};

// Reads the arguments (the program's name first). --help and --version
// print to out; a mistake prints an Italian line and the hint to err.
EsitoOpzioni LeggiOpzioni(const QStringList& argomenti, Opzioni& opzioni, QString& out, QString& err);
