#include "app/Avvio.h"
#include "app/frmMenu.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const bool piattaformaScelta = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!piattaformaScelta && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("zelora: nessuno schermo grafico disponibile (DISPLAY non impostato); "
                   "avviare il programma da una sessione grafica.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    PreparaApplicazione();
    frmMenu menu;
    QObject::connect(&menu, &frmMenu::fineProgramma, &app, [] { QCoreApplication::exit(0); });
    menu.showFullScreen();
    return app.exec();
}
