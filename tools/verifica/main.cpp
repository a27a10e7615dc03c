// zelora-verifica: checks the content pack of an application folder and
// prints one line per problem, then a summary. Exit status 0 only when
// nothing is wrong (1: problems, 3: only warnings).
#include "content/Percorsi.h"
#include "checker/Verifica.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList argomenti = app.arguments().mid(1);

    if (argomenti.size() > 1 || (argomenti.size() == 1 && argomenti.first().startsWith(QLatin1Char('-')))) {
        err << "Uso: zelora-verifica [cartella del programma]\n"
            << "Controlla esercizi, indici, pagine di aiuto e suoni della cartella indicata\n"
            << "(senza argomento, quella dei contenuti di zelora: accanto al programma\n"
            << "oppure, se installato, la cartella share/zelora).\n";
        return 2;
    }
    QString cartella = argomenti.isEmpty() ? CartellaApplicazione() : argomenti.first();
    cartella = QDir::cleanPath(QFileInfo(cartella).absoluteFilePath());
    if (!QFileInfo(cartella).isDir()) {
        err << "La cartella " << cartella << " non esiste.\n";
        return 2;
    }
    ImpostaCartellaApplicazione(cartella);

    Conteggi conteggi;
    const QList<Problema> problemi = VerificaCartella(false, &conteggi);
    for (const Problema& p : problemi)
        out << p.Riga() << '\n';
    out << QStringLiteral("Controllati in %1: %2 categorie, %3 esercizi, %4 pagine di aiuto, %5 suoni. ")
               .arg(QDir::toNativeSeparators(cartella))
               .arg(conteggi.categorie)
               .arg(conteggi.esercizi)
               .arg(conteggi.pagineHelp)
               .arg(conteggi.suoni);
    const int avvisi = int(std::count_if(problemi.begin(), problemi.end(), [](const Problema& p) { return p.avviso; }));
    const int errori = int(problemi.size()) - avvisi;
    if (errori == 0)
        out << QStringLiteral("Nessun problema trovato.");
    else if (errori == 1)
        out << QStringLiteral("Trovato 1 problema.");
    else
        out << QStringLiteral("Trovati %1 problemi.").arg(errori);
    if (avvisi > 0)
        out << (avvisi == 1 ? QStringLiteral(" 1 avviso.") : QStringLiteral(" %1 avvisi.").arg(avvisi));
    out << '\n';
    return errori > 0 ? 1 : avvisi > 0 ? 3 : 0;
}
