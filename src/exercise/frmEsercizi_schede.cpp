// Creating, opening and saving the pupil's record.
#include "exercise/frmEsercizi.h"

void frmEsercizi::mnuNew_Click() {}

void frmEsercizi::mnuOpen_Click() {}

void frmEsercizi::SalvaScheda() {}
