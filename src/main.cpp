#include "app/Avvio.h"
#include "app/MenuPrincipale.h"
#include "app/Opzioni.h"
#include "app/VerificaAvvio.h"
#include "content/Percorsi.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {
void Scrivi(const QString& testo, std::FILE* flusso)
{
    std::fputs(testo.toLocal8Bit().constData(), flusso);
}
} // namespace

int main(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    Opzioni opzioni;
    QString out, err;
    const EsitoOpzioni esito = LeggiOpzioni(argomenti, opzioni, out, err);
    Scrivi(out, stdout);
    Scrivi(err, stderr);

    const bool piattaformaScelta = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    const bool schermo = piattaformaScelta || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (esito.esci) {
        // Started from a desktop entry, the pupil would never see the terminal.
        if (esito.codice != 0 && schermo) {
            QApplication app(argc, argv);
            if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                MostraMessaggio(nullptr, Icona::Critico, Pulsanti::OK, QStringLiteral("Zelora"), err.trimmed());
        }
        return esito.codice;
    }
    const bool senzaFinestre = opzioni.verificaAvvio || !opzioni.schermata.isEmpty();
    if (senzaFinestre) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only the check's own Italian line matters there, not the offscreen
        // platform's notes ("does not support raise()").
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                Scrivi(testo + QLatin1Char('\n'), stderr);
        });
    }
    else if (!schermo) {
        Scrivi(QStringLiteral("zelora: nessuno schermo grafico disponibile (DISPLAY non impostato); "
                              "avviare il programma da una sessione grafica.\n"),
               stderr);
        return 1;
    }
    QApplication app(argc, argv);
    PreparaApplicazione();
    if (!opzioni.cartellaSchede.isEmpty())
        ImpostaCartellaSchede(opzioni.cartellaSchede);
    if (senzaFinestre) {
        const int codice = opzioni.verificaAvvio ? VerificaAvvio(out, err) : SalvaSchermata(opzioni.schermata, err);
        Scrivi(out, stdout);
        Scrivi(err, stderr);
        return codice;
    }
    MenuPrincipale menu;
    QObject::connect(&menu, &MenuPrincipale::fineProgramma, &app, [] { QCoreApplication::exit(0); });
    menu.showFullScreen();
    return app.exec();
}
