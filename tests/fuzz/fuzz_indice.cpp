// An index file as the main menu reads it and the index window shows it.
#include "Fuzz.h"

#include "content/Globali.h"
#include "content/Indice.h"
#include "windows/FinestraIndice.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ApplicazioneFuzz(argc, argv);
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = 31;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString percorso = FileFuzz(QStringLiteral("Indice/Nomi.txt"), Byte(dati, n));
    Globali::TitoloIndice = Globali::TestoIndice = QVector<QString>(32);
    LeggiFileIndice(percorso, Globali::TitoloIndice, Globali::TestoIndice);
    Verifica(Globali::TitoloIndice.size() == 32 && Globali::TestoIndice.size() == 32, "the index keeps one entry per exercise");
    FinestraIndice finestra;
    return 0;
}
