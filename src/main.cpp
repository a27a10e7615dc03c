#include "app/Avvio.h"
#include "app/MenuPrincipale.h"

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
    MenuPrincipale menu;
    QObject::connect(&menu, &MenuPrincipale::fineProgramma, &app, [] { QCoreApplication::exit(0); });
    menu.showFullScreen();
    return app.exec();
}
