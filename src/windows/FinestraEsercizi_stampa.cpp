// The paper version of the loaded exercise.
#include "windows/FinestraEsercizi.h"

#include "content/Impaginazione.h"
#include "platform/Stampante.h"

void FinestraEsercizi::stampaEsercizio()
{
    const QString titolo = windowTitle();
    if (!ChiediStampa(this, titolo, QStringLiteral("Vuoi stampare la versione su carta di questo esercizio?")))
        return;
    std::unique_ptr<Stampante> s = AvviaStampante(this, titolo);
    if (!s)
        return;

    std::array<QString, NumeroRighe> frasi;
    for (int i = 0; i < NumeroRighe; ++i)
        frasi[i] = m_motore.Frase(i);
    s->ImpostaY(20);
    for (const RigaFoglio& riga : RigheFoglioEsercizio(m_titoloScritto, m_consegnaScritta, frasi)) {
        s->ImpostaCorsivo(riga.corsivo);
        s->ImpostaX(20);
        s->Stampa(riga.testo);
    }
    ConcludiStampa(*s, this, titolo);
}
