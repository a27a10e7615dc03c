#include "app/Opzioni.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <vector>

#ifndef ZELORA_VERSIONE
#define ZELORA_VERSIONE "0"
#endif

namespace {
struct VoceOpzione {
    QCommandLineOption opzione;
    // Stores the option's value; an Italian reason when the value is wrong.
    std::function<QString(Opzioni&, const QString& valore)> applica;
    bool nascosta = false;
};

std::vector<VoceOpzione> Tabella()
{
    auto cartella = [](const QString& v) { return QDir::cleanPath(QFileInfo(v).absoluteFilePath()); };
    return {
        {QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Mostra questo aiuto ed esce.")),
         {}},
        {QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                            QStringLiteral("Mostra la versione ed esce.")),
         {}},
        {QCommandLineOption(QStringLiteral("schede"),
                            QStringLiteral("Tiene le schede personali in CARTELLA (una cartella per "
                                           "categoria), per esempio la cartella condivisa della classe. "
                                           "La cartella deve esistere."),
                            QStringLiteral("CARTELLA")),
         [cartella](Opzioni& o, const QString& v) {
             o.cartellaSchede = cartella(v);
             return QFileInfo(o.cartellaSchede).isDir()
                 ? QString()
                 : QStringLiteral("la cartella delle schede %1 non esiste").arg(o.cartellaSchede);
         }},
        {QCommandLineOption(QStringLiteral("scala"),
                            QStringLiteral("Ingrandisce tutte le finestre di N volte (per esempio 1, 1.5 o 2; da 0.5 "
                                           "a 5) invece della misura più grande che lo schermo contiene. Con 1 le "
                                           "finestre hanno la misura di uno schermo di 800 x 600 pixel."),
                            QStringLiteral("N")),
         [](Opzioni& o, const QString& v) {
             bool numero = false;
             o.scala = QString(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&numero);
             return numero && o.scala >= 0.5 && o.scala <= 5
                 ? QString()
                 : QStringLiteral("la scala deve essere un numero da 0.5 a 5, non %1").arg(v);
         }},
        {QCommandLineOption(QStringLiteral("verifica-avvio"),
                            QStringLiteral("Senza mostrare finestre, apre ogni categoria dal menu, il suo "
                                           "indice e il primo esercizio, poi esce: 0 se tutto funziona, "
                                           "altrimenti 1 con una riga che dice che cosa non va.")),
         [](Opzioni& o, const QString&) {
             o.verificaAvvio = true;
             return QString();
         }},
        {QCommandLineOption(QStringLiteral("schermata"), QStringLiteral("Salva il menu in FILE (PNG) ed esce; in una cartella, le schermate di "
                                           "ogni finestra."),
                            QStringLiteral("FILE")),
         [cartella](Opzioni& o, const QString& v) {
             o.schermata = cartella(v);
             return QString();
         },
         true},
    };
}

QString Aiuto(const std::vector<VoceOpzione>& tabella)
{
    QString testo = QStringLiteral("Uso: zelora [opzioni]\n"
                                   "Esercizi di analisi grammaticale italiana, con il solo mouse.\n\n"
                                   "Opzioni:\n");
    for (const VoceOpzione& v : tabella) {
        if (v.nascosta)
            continue;
        QStringList nomi;
        for (const QString& n : v.opzione.names())
            nomi << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString nome = nomi.join(QStringLiteral(", "));
        if (!v.opzione.valueName().isEmpty())
            nome += QLatin1Char(' ') + v.opzione.valueName();
        testo += QStringLiteral("  ") + nome + QLatin1Char('\n');
        // The description, wrapped for an 80-column terminal.
        QString riga;
        for (const QString& parola : v.opzione.description().split(QLatin1Char(' '))) {
            if (!riga.isEmpty() && riga.size() + parola.size() > 72) {
                testo += QStringLiteral("      ") + riga + QLatin1Char('\n');
                riga.clear();
            }
            riga += (riga.isEmpty() ? QString() : QStringLiteral(" ")) + parola;
        }
        testo += QStringLiteral("      ") + riga + QLatin1Char('\n');
    }
    testo += QStringLiteral("\nSenza --schede le schede personali stanno in ~/.local/share/zelora/Schede personali\n"
                            "($XDG_DATA_HOME/zelora/Schede personali); se il programma non è installato e la\n"
                            "sua cartella si può scrivere, nella cartella \"Schede personali\" accanto a lui.\n");
    return testo;
}
} // namespace

EsitoOpzioni LeggiOpzioni(const QStringList& argomenti, Opzioni& opzioni, QString& out, QString& err)
{
    const std::vector<VoceOpzione> tabella = Tabella();
    QCommandLineParser parser;
    for (const VoceOpzione& v : tabella)
        parser.addOption(v.opzione);
    const QString suggerimento = QStringLiteral("Scrivere \"zelora --help\" per l'elenco delle opzioni.\n");
    if (!parser.parse(argomenti)) {
        const QStringList sconosciute = parser.unknownOptionNames();
        // Qt's own text is English; the option it names is all that is kept.
        const QString senzaValore = parser.errorText().section(QLatin1Char('\''), 1, 1);
        err = sconosciute.isEmpty() ? QStringLiteral("zelora: manca il valore dopo %1\n").arg(senzaValore)
                                    : QStringLiteral("zelora: opzione sconosciuta: %1\n").arg(sconosciute.first());
        err += suggerimento;
        return {true, 2};
    }
    if (!parser.positionalArguments().isEmpty()) {
        err = QStringLiteral("zelora: argomento inatteso: %1\n").arg(parser.positionalArguments().first()) + suggerimento;
        return {true, 2};
    }
    if (parser.isSet(tabella[0].opzione)) {
        out = Aiuto(tabella);
        return {true, 0};
    }
    if (parser.isSet(tabella[1].opzione)) {
        out = QStringLiteral("zelora " ZELORA_VERSIONE "\n");
        return {true, 0};
    }
    for (const VoceOpzione& v : tabella) {
        if (!v.applica || !parser.isSet(v.opzione))
            continue;
        const QString motivo = v.applica(opzioni, v.opzione.valueName().isEmpty() ? QString() : parser.value(v.opzione));
        if (!motivo.isEmpty()) {
            err = QStringLiteral("zelora: ") + motivo + QStringLiteral("\n");
            return {true, 2};
        }
    }
    return {};
}
