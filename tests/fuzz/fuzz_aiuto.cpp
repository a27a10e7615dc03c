// A help page as the help window shows it and the checker reads it.
#include "Fuzz.h"

#include "checker/Verifica.h"
#include "content/Globali.h"
#include "windows/FinestraAiuto.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ApplicazioneFuzz(argc, argv);
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray pagina = Byte(dati, n);
    Globali::FileHelp = FileFuzz(QStringLiteral("Help/Nomi/help 00.txt"), pagina);
    FinestraAiuto finestra;
    VerificaHelpDa(QStringLiteral("help 00.txt"), pagina);
    return 0;
}
