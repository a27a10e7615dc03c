#include "app/Avvio.h"

#include <QApplication>
#include <QFont>

void PreparaApplicazione()
{
    // The design names Arial and Verdana; on Linux their metric twins serve.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    // The main menu hides while a category is open; only "Esci" ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
}
