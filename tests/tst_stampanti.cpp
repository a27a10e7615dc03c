// Which printer gets a printout when none is the default, on the test's own CUPS server
// with queues writing PDF files; with no queue, a PDF file in the documents folder.
#include "Supporto.h"

#include <QtTest>

namespace {
// The output of a program run to its end, or what it said on failing.
QByteArray Esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // lpstat answers in English
    p.setProcessEnvironment(ambiente);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programma, argomenti);
    const bool riuscito = p.waitForFinished(20000) && p.exitCode() == 0;
    return (riuscito ? "" : "failed: ") + p.readAll();
}

// One line through the printer adapter, as every printout prints.
bool Stampa(const QString& riga)
{
    std::unique_ptr<Stampante> s = AvviaStampante(nullptr, QStringLiteral("Zelora: Nomi"));
    if (!s)
        return false;
    s->Stampa(riga);
    return ConcludiStampa(*s, nullptr, QStringLiteral("Zelora: Nomi"));
}
} // namespace

class TestStampanti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin"});
        m_lpadmin = QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {"/usr/sbin"});
        if (cupsd.isEmpty() || m_lpadmin.isEmpty())
            QSKIP("cupsd or lpadmin is missing: 'bash scripts/prepara.sh' installs cups");
        const QString d = m_dir.path();
        for (const char* c : {"/spool", "/cache", "/state", "/log", "/tmp", "/uscite", "/casa"})
            QDir().mkpath(d + c);
        // The filters run as another user: the folders they write in are open to it.
        for (const char* c : {"", "/tmp", "/uscite"})
            QFile::setPermissions(d + c, QFileDevice::Permissions(0x7777));
        Scrivi(d + "/cupsd.conf", "Listen " + Server() + "\nBrowsing No\n<Location />\n Order allow,deny\n Allow all\n</Location>\n");
        Scrivi(d + "/cups-files.conf", QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                                      "TempDir %1/tmp\nErrorLog %1/log/e\nAccessLog %1/log/a\nPageLog %1/log/p\n"
                                                      "FileDevice Yes\n").arg(d));
        m_cupsd.start(cupsd, {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
        if (!QTest::qWaitFor([&] { return Esegui("lpstat", {"-h", Server(), "-r"}) == "scheduler is running\n"; }, 20000))
            QSKIP("the test's own CUPS server did not start");
        // The program's user: none of the system's printers, defaults or documents.
        qputenv("CUPS_SERVER", Server().toLocal8Bit());
        qputenv("HOME", (d + "/casa").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (d + "/casa/.config").toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void cleanupTestCase() { m_cupsd.terminate(), m_cupsd.waitForFinished(10000); }

    void scelta_data()
    {
        QTest::addColumn<QStringList>("code");
        QTest::addColumn<int>("voce"); // the entry picked from the list, -1 to give up
        QTest::addColumn<QString>("stampata"); // the queue that gets the sheet; empty: none
        QTest::newRow("una sola") << QStringList{"Aula"} << 0 << "Aula";
        QTest::newRow("due, la seconda") << QStringList{"Sala", "Segreteria"} << 1 << "Segreteria";
        QTest::newRow("due, nessuna") << QStringList{"Biblioteca", "Ufficio"} << -1 << QString();
    }

    // No default: the only printer, or the one picked from a list of all.
    void scelta()
    {
        QFETCH(QStringList, code);
        QFETCH(int, voce);
        QFETCH(QString, stampata);
        // A PDF driver of cups-filters (which cups needs): each queue writes a PDF file.
        for (const QString& c : code)
            QVERIFY(!Esegui(m_lpadmin, {"-h", Server(), "-p", c, "-E", "-v", "file://" + Uscita(c), "-m",
                                        "lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd"}).startsWith("failed"));
        MessaggiScriptati m;
        m.Scegli(voce);
        QCOMPARE(Stampa("Foglio per " + stampata), !stampata.isEmpty());
        QVERIFY(m.mostrati.isEmpty());
        QCOMPARE(m.elenchi.size(), code.size() - 1);
        QVERIFY(m.elenchi.isEmpty() || (m.elenchi[0].voci == code && m.elenchi[0].titolo == "Zelora: Nomi"));
        for (const QString& c : code)
            QVERIFY(c == stampata ? QTest::qWaitFor([&] { return Esegui("pdftotext", {Uscita(c), "-"}).contains("Foglio per " + c.toUtf8()); }, 20000)
                                  : !QFileInfo::exists(Uscita(c)));
        for (const QString& c : code)
            Esegui(m_lpadmin, {"-h", Server(), "-x", c});
    }

    // No printer at all: a PDF file in the documents folder, if the teacher agrees, and where it went.
    void nessunaStampante()
    {
        const QString documenti = QDir::homePath() + QStringLiteral("/Documents");
        for (const Risposta r : {Risposta::No, Risposta::Si}) {
            MessaggiScriptati m;
            m.Rispondi(r);
            QCOMPARE(Stampa(QStringLiteral("Foglio salvato")), r == Risposta::Si);
            QCOMPARE(m.Testi().value(0), "Non è installata nessuna stampante.\r\nVuoi salvare i fogli in un file PDF nella cartella " + documenti + "?");
            const QStringList salvati = QDir(documenti).entryList({"Zelora Nomi *.pdf"});
            QCOMPARE(salvati.size(), r == Risposta::Si ? 1 : 0);
            QCOMPARE(m.Testi().mid(1), r == Risposta::No ? QStringList() : QStringList{"I fogli sono stati salvati nel file:\r\n" + documenti + '/' + salvati.value(0)});
        }
        QVERIFY(Esegui("pdftotext", {QDir(documenti).entryInfoList({"*.pdf"}).value(0).filePath(), "-"}).contains("Foglio salvato"));
    }

private:
    QString Server() const { return m_dir.path() + QStringLiteral("/cups.sock"); }
    QString Uscita(const QString& coda) const { return m_dir.path() + "/uscite/" + coda + ".pdf"; }
    static void Scrivi(const QString& file, const QString& testo)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(testo.toUtf8()) > 0);
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_lpadmin;
};

QTEST_MAIN(TestStampanti)
#include "tst_stampanti.moc"
