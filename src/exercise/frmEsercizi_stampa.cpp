// The paper version of the loaded exercise.
#include "exercise/frmEsercizi.h"

void frmEsercizi::mnuStampaEsercizio_Click() {}
