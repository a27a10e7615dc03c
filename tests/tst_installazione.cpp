// The program installed or carried on a stick: where it finds its content
// and puts the records, its command line and its self-check, each run as a
// process of its own on a copy laid out in a throwaway folder.
#include <QDirIterator>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

namespace {
struct Esecuzione {
    int codice;
    QString out, err;
};

QString Programma()
{
    return QCoreApplication::applicationDirPath() + "/../app/zelora";
}

Esecuzione Esegui(const QString& programma, const QStringList& argomenti, const QString& cartella,
                  const QProcessEnvironment& ambiente)
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setWorkingDirectory(cartella);
    p.start(programma, argomenti);
    if (!p.waitForFinished(120000))
        return {-1, {}, "non finisce"};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

// The program in `bin`, the bundled content (without records) in `contenuti`.
void Disponi(const QString& bin, const QString& contenuti)
{
    QDir().mkpath(bin);
    if (link(QFile::encodeName(Programma()).constData(), QFile::encodeName(bin + "/zelora").constData()) != 0)
        QVERIFY(QFile::copy(Programma(), bin + "/zelora"));
    const QDir origine(qEnvironmentVariable("ZELORA_SOURCE_DATA"));
    for (QDirIterator it(origine.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString p = it.next(), relativo = origine.relativeFilePath(p);
        if (relativo.startsWith("Schede personali/"))
            continue;
        QDir().mkpath(QFileInfo(contenuti + "/" + relativo).path());
        QVERIFY(QFile::copy(p, contenuti + "/" + relativo));
    }
}
} // namespace

class TestInstallazione : public QObject {
    Q_OBJECT
private slots:
    void verificaAvvio_data()
    {
        QTest::addColumn<bool>("installato"); // bin/zelora and share/zelora, or all in one folder
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("tolto"); // a content file taken away
        QTest::addColumn<QString>("schede"); // the records folder, or the failure reported
        const QString nessuno;
        QTest::newRow("accanto al programma") << false << QStringList() << nessuno << "Schede personali";
        QTest::newRow("installato") << true << QStringList() << nessuno << "utente/zelora/Schede personali";
        QTest::newRow("installato, classe") << true << QStringList{"--schede", "classe"} << nessuno << "classe";
        QTest::newRow("manca un esercizio") << false << QStringList() << "Esercizi/Nomi/ESERCIZIO 00.txt"
            << "zelora: verifica non riuscita: Nomi, primo esercizio: Si è verificato un errore, questo esercizio non è disponibile. E' necessario reinstallare il programma.\n";
        QTest::newRow("manca un indice") << true << QStringList() << "Indice/Sintassi.txt"
            << "zelora: verifica non riuscita: Sintassi, indice: Si è verificato un errore, questa serie di esercizi non è disponibile. Per ripristinarla è necessario reinstallare il programma.\n";
        QTest::newRow("manca un suono") << true << QStringList() << "Suoni/win.wav"
            << "zelora: verifica non riuscita: avvio, suoni: manca il suono win.wav\n";
    }

    // The content is found beside the program or in the share folder; the
    // records go beside the program, to the user's data folder or to the
    // class folder, and nothing is left of the trial record; a missing piece
    // of content is named.
    void verificaAvvio()
    {
        QFETCH(bool, installato);
        QFETCH(QStringList, argomenti);
        QFETCH(QString, tolto);
        QFETCH(QString, schede);
        QTemporaryDir radice(QCoreApplication::applicationDirPath() + "/installazione-XXXXXX");
        const QString r = radice.path(), bin = installato ? r + "/bin" : r, contenuti = installato ? r + "/share/zelora" : r;
        Disponi(bin, contenuti);
        QDir().mkpath(r + "/classe");
        if (!tolto.isEmpty())
            QVERIFY(QFile::remove(contenuti + "/" + tolto));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("XDG_DATA_HOME", r + "/utente");
        const Esecuzione e = Esegui(bin + "/zelora", QStringList{"--verifica-avvio"} + argomenti, r, ambiente);
        if (schede.startsWith("zelora:")) {
            QCOMPARE(e.err, schede);
            QCOMPARE(e.codice, 1);
            return;
        }
        QCOMPARE(e.err, QString());
        QCOMPARE(e.out, QStringLiteral("zelora: verifica riuscita: 12 categorie aperte; contenuti in %1; schede personali in %2\n")
                            .arg(contenuti, r + "/" + schede));
        QCOMPARE(e.codice, 0);
        QCOMPARE(QDir(r + "/" + schede).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 12);
        QCOMPARE(QDir(r + "/" + schede + "/Nomi").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        // An installed program writes nothing beside itself or its content.
        if (installato)
            QCOMPARE(QDir(r).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList({"bin", "classe", "share", "utente"}).mid(0, schede == "classe" ? 3 : 4));
    }

    void opzioni_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("testo"); // the start of what is printed (errors on stderr)
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: zelora [opzioni]\nEsercizi di analisi grammaticale italiana";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Uso: zelora [opzioni]\n";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "zelora 1.0\n";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << "zelora 1.0\n";
        QTest::newRow("sconosciuta") << QStringList{"--aiuto"} << 2 << "zelora: opzione sconosciuta: aiuto\nScrivere \"zelora --help\"";
        QTest::newRow("senza cartella") << QStringList{"--schede"} << 2 << "zelora: manca il valore dopo --schede\n";
        QTest::newRow("cartella che non c'è") << QStringList{"--schede", "/non/esiste"} << 2
                                               << "zelora: la cartella delle schede /non/esiste non esiste\n";
        QTest::newRow("argomento") << QStringList{"esercizi"} << 2 << "zelora: argomento inatteso: esercizi\n";
    }

    // Help, version and mistakes need no screen.
    void opzioni()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, testo);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ambiente.remove(v);
        const Esecuzione e = Esegui(Programma(), argomenti, QDir::tempPath(), ambiente);
        QCOMPARE(e.codice, codice);
        QVERIFY2((codice == 0 ? e.out : e.err).startsWith(testo), qPrintable(e.out + e.err));
        QCOMPARE(codice == 0 ? e.err : e.out, QString());
    }
};

QTEST_GUILESS_MAIN(TestInstallazione)
#include "tst_installazione.moc"
