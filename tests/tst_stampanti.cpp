// Which printer a printout goes to when none is the default: a CUPS server
// of the test's own, with no queue, one or two, each writing what it gets
// into a file; with no queue, a PDF file in the documents folder.
#include "Supporto.h"

#include "platform/Stampante.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
// A PDF printer driver of cups-filters (which cups needs): each queue writes a
// PDF file that pdftotext reads back.
const QString Driver = QStringLiteral("lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd");

// Runs a CUPS program against the test's server; its exit status.
int Cups(const QString& programma, const QString& server, const QStringList& argomenti)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, QStringList{QStringLiteral("-h"), server} + argomenti);
    const bool finito = p.waitForFinished(20000);
    if (!finito || p.exitCode() != 0)
        qWarning("%s: %s", qPrintable(programma), p.readAll().constData());
    return finito ? p.exitCode() : -1;
}

QString TestoPdf(const QString& file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()).simplified() : QString();
}
} // namespace

class TestStampanti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"});
        const QString lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {"/usr/sbin", "/usr/bin"});
        if (cupsd.isEmpty() || lpadmin.isEmpty())
            QSKIP("cupsd or lpadmin is missing: 'bash scripts/prepara.sh' installs cups");
        m_lpadmin = lpadmin;
        const QString d = m_dir.path();
        for (const char* c : {"spool", "cache", "state", "log", "tmp", "uscite", "casa"})
            QDir().mkpath(d + '/' + c);
        // The filters run as another user: the folders they write in are open to it.
        for (const char* c : {"", "/tmp", "/uscite"})
            QFile::setPermissions(d + c, QFileDevice::Permissions(0x7777));
        m_server = d + QStringLiteral("/cups.sock");
        Scrivi(d + "/cupsd.conf", "Listen " + m_server + "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n");
        Scrivi(d + "/cups-files.conf", QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                                      "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                                      "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                                      "FileDevice Yes\n").arg(d));
        m_cupsd.start(cupsd, {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
        // lpstat says whether the scheduler answers, but exits with 0 either way.
        const bool pronto = m_cupsd.waitForStarted(10000) && AttendiFinche([&] {
            QProcess lpstat;
            QProcessEnvironment inglese = QProcessEnvironment::systemEnvironment();
            inglese.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            lpstat.setProcessEnvironment(inglese);
            lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-h"), m_server, QStringLiteral("-r")});
            return lpstat.waitForFinished(10000) && lpstat.readAll().trimmed() == "scheduler is running";
        }, 20000);
        if (!pronto)
            QSKIP(qPrintable("the test's own CUPS server did not start: " + m_cupsd.readAll()));
        // The program's user: nothing of the system's printers, defaults or documents.
        qputenv("CUPS_SERVER", m_server.toLocal8Bit());
        qputenv("HOME", (d + "/casa").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (d + "/casa/.config").toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void cleanupTestCase()
    {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(10000);
    }

    void scelta_data()
    {
        QTest::addColumn<QStringList>("code");
        QTest::addColumn<int>("voce"); // the entry picked from the list, -1 to give up
        QTest::addColumn<QString>("stampata"); // the queue that gets the sheet; empty: none
        QTest::newRow("una sola") << QStringList{"Aula"} << 0 << "Aula";
        QTest::newRow("due, la seconda") << QStringList{"Aula", "Segreteria"} << 1 << "Segreteria";
        QTest::newRow("due, nessuna") << QStringList{"Aula", "Segreteria"} << -1 << QString();
    }

    // No default: the only printer, or the one picked from a list of all.
    void cleanup()
    {
        for (const QString& c : std::as_const(m_code)) {
            Cups(m_lpadmin, m_server, {"-x", c});
            QFile::remove(Uscita(c));
        }
        m_code.clear();
    }

    void scelta()
    {
        QFETCH(QStringList, code);
        QFETCH(int, voce);
        QFETCH(QString, stampata);
        m_code = code;
        for (const QString& c : code)
            QCOMPARE(Cups(m_lpadmin, m_server, {"-p", c, "-E", "-v", "file://" + Uscita(c), "-m", Driver}), 0);
        MessaggiScriptati m;
        m.Scegli(voce);
        const bool stampato = Stampa(QStringLiteral("Foglio per ") + stampata);
        QCOMPARE(stampato, !stampata.isEmpty());
        QCOMPARE(m.elenchi.size(), code.size() > 1 ? 1 : 0);
        if (code.size() > 1)
            QVERIFY(m.elenchi[0].voci == code && m.elenchi[0].titolo == "Zelora: Nomi");
        QVERIFY(m.mostrati.isEmpty());
        for (const QString& c : code) {
            if (c != stampata)
                QVERIFY(!QFileInfo::exists(Uscita(c)));
            else
                QVERIFY(AttendiFinche([&] { return TestoPdf(Uscita(c)).contains("Foglio per " + c); }, 20000));
        }
    }

    // No printer at all: a PDF file in the documents folder, if the teacher agrees, and where it went.
    void nessunaStampante()
    {
        const QString documenti = QDir::homePath() + QStringLiteral("/Documents");
        for (const Risposta r : {Risposta::No, Risposta::Si}) {
            MessaggiScriptati m;
            m.Rispondi(r);
            QCOMPARE(Stampa(QStringLiteral("Foglio salvato")), r == Risposta::Si);
            QCOMPARE(m.mostrati.size(), r == Risposta::Si ? 2 : 1);
            QCOMPARE(m.mostrati[0].testo, "Non è installata nessuna stampante.\r\nVuoi salvare i fogli in un file PDF "
                                          "nella cartella " + documenti + "?");
            const QStringList salvati = QDir(documenti).entryList(QDir::Files);
            QCOMPARE(salvati.size(), r == Risposta::Si ? 1 : 0);
            if (r == Risposta::Si) {
                QVERIFY(salvati[0].startsWith("Zelora Nomi ") && salvati[0].endsWith(".pdf"));
                QVERIFY(m.mostrati[1].icona == Icona::Informazione);
                QCOMPARE(m.mostrati[1].testo, "I fogli sono stati salvati nel file:\r\n" + documenti + '/' + salvati[0]);
                QVERIFY(TestoPdf(documenti + '/' + salvati[0]).contains("Foglio salvato"));
            }
        }
    }

private:
    static void Scrivi(const QString& file, const QString& testo)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(testo.toUtf8()) > 0);
    }
    QString Uscita(const QString& coda) const { return m_dir.path() + "/uscite/" + coda + ".pdf"; }
    // One line through the printer adapter, as the printouts print.
    static bool Stampa(const QString& riga)
    {
        std::unique_ptr<Stampante> s = AvviaStampante(nullptr, QStringLiteral("Zelora: Nomi"));
        if (!s)
            return false;
        s->ImpostaY(20);
        s->ImpostaX(20);
        s->Stampa(riga);
        return ConcludiStampa(*s, nullptr, QStringLiteral("Zelora: Nomi"));
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_server, m_lpadmin;
    QStringList m_code; // the queues of the case under way
};

QTEST_MAIN(TestStampanti)
#include "tst_stampanti.moc"
