// An exercise file as the loader and the content checker read it.
#include "Fuzz.h"

#include "checker/Verifica.h"
#include "content/Esercizio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray file = Byte(dati, n);
    DatiEsercizio d;
    const EsitoLettura esito = LeggiEsercizioDa(file, d);
    Verifica(esito.ok || (esito.campo >= 1 && !esito.motivo.isEmpty()), "a failed read names its field and reason");
    for (const Problema& p : VerificaEsercizioDa(QStringLiteral("ESERCIZIO 00.txt"), file))
        Verifica(!p.descrizione.isEmpty() && p.campo >= 0, "every problem is described");
    return 0;
}
