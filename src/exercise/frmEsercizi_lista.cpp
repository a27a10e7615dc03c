// Answering by choosing an entry of the list.
#include "exercise/frmEsercizi.h"

#include <QFrame>
#include <QListWidget>

void frmEsercizi::List1_Click()
{
    Shape1->setVisible(false);
}
