// Answering by double-clicking a word or marking a stretch of an item box.
#include "exercise/frmEsercizi.h"

#include "platform/CasellaTesto.h"

void frmEsercizi::Testo_DblClick(int indice)
{
    Testo[indice]->NascondiCursore();
    if (TipoEsercizio >= 3 && TipoEsercizio <= 39) {
        Testo[indice]->ImpostaSelStart(0);
        return;
    }
    ModoClic = 2;
}

void frmEsercizi::Testo_MouseUp(int indice)
{
    switch (TipoEsercizio) {
    case 44: case 45: case 50: case 51: case 52: case 54:
        ModoClic = 2;
        Testo_SelChange(indice);
        break;
    case 53:
        ModoClic = 3;
        Testo_SelChange(indice);
        break;
    default:
        break;
    }
}

void frmEsercizi::Testo_SelChange(int indice)
{
    Testo[indice]->NascondiCursore();
    if (TipoEsercizio >= 3 && TipoEsercizio <= 39)
        return;
    if (ModoClic < 2)
        return;
    ModoClic = 0;
}
