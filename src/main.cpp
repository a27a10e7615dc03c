#include "app/Avvio.h"
#include "app/MenuPrincipale.h"
#include "app/Opzioni.h"
#include "app/VerificaAvvio.h"
#include "content/Percorsi.h"
#include "platform/Messaggi.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {
void Scrivi(const QString& testo, std::FILE* flusso)
{
    std::fputs(testo.toLocal8Bit().constData(), flusso);
}

const QString TestoSenzaSchermo =
    QStringLiteral("zelora: nessuno schermo grafico disponibile (DISPLAY non impostato o non raggiungibile); "
                   "avviare il programma da una sessione grafica.\n");

// Qt gives up on a screen it cannot open (DISPLAY=:77) with English lines and
// an abort. While the application connects, its lines are held back, and
// giving up ends the run with the Italian line and status 1, or, after a
// command-line mistake already reported, with that mistake's status.
int codiceErrore = 0;

void SenzaSchermo(QtMsgType tipo, const QMessageLogContext&, const QString&)
{
    if (tipo != QtFatalMsg)
        return;
    if (codiceErrore == 0)
        Scrivi(TestoSenzaSchermo, stderr);
    std::_Exit(codiceErrore == 0 ? 1 : codiceErrore);
}

// Only the check's own Italian line matters without windows, not the
// offscreen platform's notes ("does not support raise()").
void SoloErrori(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        Scrivi(testo + QLatin1Char('\n'), stderr);
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
            codiceErrore = esito.codice;
            qInstallMessageHandler(SenzaSchermo);
            QApplication app(argc, argv);
            qInstallMessageHandler(nullptr);
            if (QGuiApplication::platformName() != QLatin1String("offscreen"))
                MostraMessaggio(nullptr, Icona::Critico, Pulsanti::OK, QStringLiteral("Zelora"), err.trimmed());
        }
        return esito.codice;
    }
    const bool senzaFinestre = opzioni.verificaAvvio || !opzioni.schermata.isEmpty();
    // An offscreen platform given with its settings (a screen size) is kept.
    if (senzaFinestre && !qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!senzaFinestre && !schermo) {
        Scrivi(TestoSenzaSchermo, stderr);
        return 1;
    }
    qInstallMessageHandler(SenzaSchermo);
    QApplication app(argc, argv);
    qInstallMessageHandler(senzaFinestre ? SoloErrori : nullptr);
    PreparaApplicazione();
    const QScreen* primo = QGuiApplication::primaryScreen();
    ImpostaScala(opzioni.scala > 0 ? opzioni.scala : ScalaPerSchermo(primo->geometry(), primo->availableGeometry()));
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
