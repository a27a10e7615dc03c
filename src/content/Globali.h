#pragma once
// The program-wide values shared by every window for the whole run.
#include <QString>
#include <QVector>

namespace Globali {
extern QString CategoriaCorrente; // folder name of the current category
extern QString EstensioneScheda; // record extension of the current category ("Zlr01")
extern qint16 UltimoEsercizio; // highest exercise index of the current category
extern QString NomeAlunno; // pupil of the open record; empty when none
extern QString FileHelp; // help page of the loaded exercise
extern QVector<QString> TitoloIndice;
extern QVector<QString> TestoIndice;
extern QVector<QString> TitoloScritto;
extern QVector<QString> TestoScritto;
extern QVector<bool> EsercizioFatto;
extern QVector<QString> Giudizio;

// Back to the values of a program just started (tests).
void Azzera();
} // namespace Globali
