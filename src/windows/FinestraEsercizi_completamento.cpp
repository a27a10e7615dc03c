// Closing an item answered right, and grading the exercise at the 14th.
#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "windows/FinestraScheda.h"
#include "platform/Suono.h"

#include <QFrame>
#include <QListWidget>

void FinestraEsercizi::ProceduraRispostaEsatta(int indice)
{
    if (indice < 0 || indice >= NumeroRighe)
        return;
    Shape1->setVisible(false);
    EtichettaNumero* etichetta = lblrisposta[indice];
    etichetta->ImpostaBackColor(Verde);
    etichetta->ImpostaForeColor(Blu);
    etichetta->ImpostaCaption(QStringLiteral("\r\nok"));
    etichetta->unsetCursor();
    Testo[indice]->ImpostaIngresso(false);
    RigaCorrente = 100;
    RigheCompletate += 1;
    if (RigheCompletate != NumeroRighe)
        return;

    List1->setVisible(false);
    const int n = EsercizioCorrente;
    if (n >= 0 && n < Globali::EsercizioFatto.size() && n < Globali::Giudizio.size()) {
        Globali::EsercizioFatto[n] = true;
        Globali::Giudizio[n] = GiudizioDaErrori(NumeroErrori);
    }
    SuonaCue(QStringLiteral("right.wav"));
    if (NumeroErrori < 1)
        SuonaCue(QStringLiteral("win.wav"));
    Shape1->setVisible(false);
    SalvaScheda();
    RipristinaMenuEsercizi();
    {
        FinestraScheda scheda(this);
        scheda.exec();
    }
    Label3->setText(QStringLiteral("Scegli un altro esercizio nel menu in alto"));
}
