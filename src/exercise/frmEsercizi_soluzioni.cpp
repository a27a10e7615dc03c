// Solutions, help, index and record sheet commands, and leaving the window.
#include "exercise/frmEsercizi.h"

#include "records/frmSchedaPersonale.h"

void frmEsercizi::mnusoluzioni_Click() {}

void frmEsercizi::mnuHelp_Click() {}

void frmEsercizi::mnuindice_Click() {}

void frmEsercizi::mnuVisualizza_Click()
{
    frmSchedaPersonale scheda(this);
    scheda.exec();
}

bool frmEsercizi::ConfermaUscita()
{
    return true;
}
