// zelora-fascicolo: writes the booklet of all exercise texts, with their
// answer keys and the indexes, from the content pack of an application folder,
// as "Zelora - esercizi.odt" (to change in a word processor) and
// "Zelora - esercizi.pdf". Exit status 0 when every exercise went in.
#include "Fascicolo.h"

#include "content/Percorsi.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Fonts and PDF need no screen: it also runs inside a build.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList argomenti = app.arguments().mid(1);
    if (argomenti.size() > 2 || (!argomenti.isEmpty() && argomenti.first().startsWith(QLatin1Char('-')))) {
        err << "Uso: zelora-fascicolo [cartella del programma] [cartella di uscita]\n"
            << "Scrive \"Zelora - esercizi.odt\" e \"Zelora - esercizi.pdf\" con i testi di tutti gli esercizi,\n"
            << "le soluzioni e gli indici (senza argomenti, dalla cartella di zelora-fascicolo e in essa).\n";
        return 2;
    }
    const auto assoluta = [](const QString& c) { return QDir::cleanPath(QFileInfo(c).absoluteFilePath()); };
    const QString cartella = assoluta(argomenti.value(0, QCoreApplication::applicationDirPath()));
    const QString uscita = assoluta(argomenti.value(1, cartella));
    if (!QFileInfo(cartella).isDir() || !QDir().mkpath(uscita)) {
        err << "La cartella " << (QFileInfo(cartella).isDir() ? uscita : cartella) << " non si può usare.\n";
        return 2;
    }
    ImpostaCartellaApplicazione(cartella);
    // The design's Verdana, or its metric twin where it is missing.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});

    Fascicolo f = ComponiFascicolo();
    const QString base = uscita + QStringLiteral("/Zelora - esercizi");
    if (!ScriviFascicolo(*f.documento, base + QStringLiteral(".odt"), base + QStringLiteral(".pdf"))) {
        err << "Non è stato possibile scrivere il fascicolo in " << uscita << ".\n";
        return 1;
    }
    for (const QString& p : f.problemi)
        err << p << '\n';
    QTextStream(stdout) << QStringLiteral("Fascicolo scritto in %1: %2 categorie, %3 esercizi.\n")
                               .arg(QDir::toNativeSeparators(uscita))
                               .arg(f.categorie)
                               .arg(f.esercizi);
    return f.problemi.isEmpty() ? 0 : 1;
}
