#include "records/frmSchedaPersonale.h"

#include "content/Globali.h"

frmSchedaPersonale::frmSchedaPersonale(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
}
