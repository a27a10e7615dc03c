// The program as a process, installed (bin/, share/zelora/) or beside its content: command line,
// where content and records are, what its self-check reports.
#include <QDirIterator>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

class TestInstallazione : public QObject {
    Q_OBJECT
private slots:
    void avvio_data()
    {
        QTest::addColumn<bool>("installato");
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<QString>("tolto"); // a content file taken away
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("uscita"); // its start; %1 the content folder, %2 the throwaway root
        const QString ok = "zelora: verifica riuscita: 12 categorie aperte; contenuti in %1; schede personali in %2/";
        const QString ko = "zelora: verifica non riuscita: ";
        QTest::newRow("--help") << false << "--help" << "" << 0 << "Uso: zelora [opzioni]\nEsercizi di analisi grammaticale";
        QTest::newRow("-v") << false << "-v" << "" << 0 << "zelora 1.0\n";
        QTest::newRow("sconosciuta") << false << "--aiuto" << "" << 2 << "zelora: opzione sconosciuta: aiuto\nScrivere \"zelora --help\"";
        QTest::newRow("senza cartella") << false << "--schede" << "" << 2 << "zelora: manca il valore dopo --schede\n";
        QTest::newRow("cartella che non c'è") << false << "--schede /no" << "" << 2 << "zelora: la cartella delle schede /no non esiste\n";
        QTest::newRow("argomento") << false << "esercizi" << "" << 2 << "zelora: argomento inatteso: esercizi\n";
        QTest::newRow("scala sbagliata") << false << "--scala 9" << "" << 2 << "zelora: la scala deve essere un numero da 0.5 a 5, non 9\n";
        const QString senzaSchermo = "zelora: nessuno schermo grafico disponibile (DISPLAY non impostato o non raggiungibile);";
        QTest::newRow("senza schermo") << false << "" << "" << 1 << senzaSchermo;
        QTest::newRow("schermo che non si apre") << false << "DISPLAY=:77" << "" << 1 << senzaSchermo;
        QTest::newRow("accanto al programma") << false << "--verifica-avvio" << "" << 0 << ok + "Schede personali\n";
        QTest::newRow("installato") << true << "--verifica-avvio" << "" << 0 << ok + "utente/zelora/Schede personali\n";
        QTest::newRow("installato, classe") << true << "--verifica-avvio --schede classe" << "" << 0 << ok + "classe\n";
        QTest::newRow("manca un esercizio") << false << "--verifica-avvio" << "Esercizi/Nomi/ESERCIZIO 00.txt" << 1
            << ko + "Nomi, primo esercizio: Si è verificato un errore, questo esercizio non è disponibile. E' necessario reinstallare il programma.\n";
        QTest::newRow("manca un indice") << true << "--verifica-avvio" << "Indice/Sintassi.txt" << 1
            << ko + "Sintassi, indice: Si è verificato un errore, questa serie di esercizi non è disponibile. Per ripristinarla";
        QTest::newRow("manca un suono") << true << "--verifica-avvio" << "Suoni/win.wav" << 1 << ko + "avvio, suoni: manca il suono win.wav\n";
    }

    // Help, mistakes and the check need no screen. Records go beside the program, to the user's data
    // or the class folder; the trial record is gone after; an installed program writes nothing beside itself.
    void avvio()
    {
        QFETCH(bool, installato);
        QFETCH(QString, argomenti);
        QFETCH(QString, tolto);
        QFETCH(int, codice);
        QFETCH(QString, uscita);
        QTemporaryDir radice(QCoreApplication::applicationDirPath() + "/installazione-XXXXXX");
        const QString r = radice.path(), bin = installato ? r + "/bin" : r, contenuti = installato ? r + "/share/zelora" : r;
        const QString costruito = QCoreApplication::applicationDirPath() + "/../app/zelora";
        QDir().mkpath(bin);
        QDir().mkpath(r + "/classe");
        if (link(QFile::encodeName(costruito).constData(), QFile::encodeName(bin + "/zelora").constData()) != 0)
            QVERIFY(QFile::copy(costruito, bin + "/zelora"));
        const QDir dati(qEnvironmentVariable("ZELORA_SOURCE_DATA"));
        for (QDirIterator it(dati.path(), QDir::Files, QDirIterator::Subdirectories); argomenti.startsWith("--verifica") && it.hasNext();) {
            const QString p = dati.relativeFilePath(it.next());
            QVERIFY(p.startsWith("Schede personali/") || p == tolto || (QDir().mkpath(QFileInfo(contenuti + "/" + p).path()) && QFile::copy(dati.filePath(p), contenuti + "/" + p)));
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ambiente.remove(v);
        ambiente.insert("XDG_DATA_HOME", r + "/utente");
        // NAME=value sets the environment, as in a shell.
        QStringList parole = argomenti.split(' ', Qt::SkipEmptyParts);
        while (!parole.isEmpty() && parole.first().contains('=')) {
            const QString v = parole.takeFirst();
            ambiente.insert(v.section('=', 0, 0), v.section('=', 1));
        }
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setWorkingDirectory(r);
        p.start(bin + "/zelora", parole);
        QVERIFY(p.waitForFinished(120000));
        const QString stampato = p.readAllStandardOutput() + p.readAllStandardError();
        QVERIFY2(stampato.startsWith(uscita.replace("%1", contenuti).replace("%2", r)), qPrintable(stampato));
        QCOMPARE(p.exitCode(), codice);
        if (!stampato.startsWith("zelora: verifica riuscita"))
            return;
        const QString schede = stampato.section(" schede personali in ", 1).trimmed();
        QCOMPARE(QDir(schede).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 12);
        QCOMPARE(QDir(schede + "/Nomi").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        if (installato)
            QCOMPARE(QDir(r).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList({"bin", "classe", "share", "utente"}).mid(0, argomenti.contains("classe") ? 3 : 4));
    }
};

QTEST_GUILESS_MAIN(TestInstallazione)
#include "tst_installazione.moc"
