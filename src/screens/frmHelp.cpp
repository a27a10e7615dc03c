#include "screens/frmHelp.h"

#include "content/Globali.h"

frmHelp::frmHelp(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
}
