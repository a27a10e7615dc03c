#pragma once
// The twelve categories, their folders, record codes and exercise counts, and
// every data path built from them.
#include <QString>

constexpr int NumeroCategorie = 12;
constexpr int MassimoEsercizi = 36; // entries of the exercise menu

struct Categoria {
    const char* voceMenu; // caption on the main menu
    const char* cartella; // folder name, also the display name
    qint16 ultimoEsercizio;
};

// Index 0..11 is the main menu position and the two-digit record code.
const Categoria& DatiCategoria(int indice);
int IndiceCategoria(const QString& cartella); // -1 when unknown

// Sets UltimoEsercizio for the category; other indices leave it unchanged.
void NumeroMassimoEsercizi(int indice);

QString DueCifre(int n); // "00".."99"
QString CodiceScheda(int indice); // "00".."11"

// Data paths: the application folder followed by the fixed pieces; records
// below the records folder (CartellaSchedePersonali).
QString PercorsoEsercizio(int n); // "/Esercizi/" CAT "/ESERCIZIO " NN ".txt"
QString PercorsoHelp(int n); // "/Help/" CAT "/help " NN ".txt"
QString PercorsoIndice(); // "/Indice" "/" CAT ".txt"
QString PercorsoIndice(const QString& categoria); // the same for any category
QString PercorsoIndiceScritto(); // "/IndiceScritto" "/" CAT ".txt"
QString CartellaSchede(const QString& categoria); // records folder "/" CAT "/"
QString CartellaSchedeElenco(const QString& categoria); // records folder "\" CAT
QString PercorsoScheda(const QString& categoria, const QString& nome, const QString& estensione);
QString PercorsoSuono(const QString& file); // "\Suoni\" file

