#include "screens/frmIndice.h"

#include "content/Globali.h"

frmIndice::frmIndice(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
}
