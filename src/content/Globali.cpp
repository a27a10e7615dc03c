#include "content/Globali.h"

namespace Globali {
QString CategoriaCorrente;
QString EstensioneScheda;
qint16 UltimoEsercizio = 0;
QString NomeAlunno;
QString FileHelp;
QVector<QString> TitoloIndice;
QVector<QString> TestoIndice;
QVector<QString> TitoloScritto;
QVector<QString> TestoScritto;
QVector<bool> EsercizioFatto;
QVector<QString> Giudizio;

void Azzera()
{
    CategoriaCorrente.clear();
    EstensioneScheda.clear();
    UltimoEsercizio = 0;
    NomeAlunno.clear();
    FileHelp.clear();
    TitoloIndice.clear();
    TestoIndice.clear();
    TitoloScritto.clear();
    TestoScritto.clear();
    EsercizioFatto.clear();
    Giudizio.clear();
}
} // namespace Globali
