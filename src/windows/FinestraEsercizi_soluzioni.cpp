// Solutions, help, index and record sheet commands, and leaving the window.
#include "windows/FinestraEsercizi.h"

#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "platform/Messaggi.h"
#include "windows/FinestraScheda.h"
#include "windows/FinestraAiuto.h"
#include "windows/FinestraIndice.h"

#include <QAction>

namespace {
const QString CaptionSoluzioni = QStringLiteral("   SOLUZIONI");
const QString CaptionTorna = QStringLiteral("   TORNA ALL'ESERCIZIO");
} // namespace

void FinestraEsercizi::mnusoluzioni_Click()
{
    if (Caption(mnusoluzioni) != CaptionSoluzioni) {
        // Back from the solutions: the exercise starts again from its file.
        ImpostaCaption(mnusoluzioni, CaptionSoluzioni);
        CaricaEsercizio(EsercizioCorrente);
        return;
    }
    for (int i = 0; i < NumeroRighe; ++i) {
        CasellaTesto* casella = Testo[i];
        casella->ImpostaTesto(Chiave[i] + QStringLiteral("\r\n"));
        casella->ImpostaSelezione(0, casella->Testo().size());
        casella->ImpostaSelColor(GrigioScuro);
        casella->ImpostaSelStart(0);
        casella->setVisible(true);
        // The solutions are to be read, not answered.
        casella->ImpostaIngresso(false);
    }
    ImpostaCaption(mnusoluzioni, CaptionTorna);
}

void FinestraEsercizi::mnuHelp_Click()
{
    FinestraAiuto help(this);
    help.exec();
}

void FinestraEsercizi::mnuindice_Click()
{
    FinestraIndice indice(this);
    indice.exec();
}

void FinestraEsercizi::mnuVisualizza_Click()
{
    FinestraScheda scheda(this);
    scheda.exec();
}

bool FinestraEsercizi::ConfermaUscita()
{
    if (MostraMessaggio(this, Icona::Domanda, Pulsanti::SiNo, Globali::CategoriaCorrente,
                        QStringLiteral("Vuoi tornare al menu generale?"))
        != Risposta::Si)
        return false;
    if (!Globali::NomeAlunno.isEmpty())
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                        QStringLiteral("Ricorda che i tuoi dati sono nella scheda ") + QLatin1Char('\'')
                            + Globali::NomeAlunno + QLatin1Char('\''));
    return true;
}
