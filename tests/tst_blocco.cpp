// Records shared by several computers: a lock left behind and when it is
// taken over, two programs on one records folder, and a folder that is full.
#include "ProveRisposte.h"
#include "Supporto.h"

#include "content/Percorsi.h"
#include "platform/OpenSave.h"
#include "records/BloccoScheda.h"
#include "records/Scheda.h"

#include <QProcess>
#include <QSysInfo>
#include <cstdio>
#include <sys/mount.h>
#include <sys/time.h>

namespace {
using Esito = BloccoScheda::Esito;

// A lock file as another program left it `minuti` minutes ago, made the way
// QLockFile takes a lock over: a new file in place of the old one.
void LasciaBlocco(const QString& percorso, const QString& computer, qint64 pid, int minuti)
{
    const bool questo = computer == "questo" || computer == "riavviato";
    const QByteArray contenuto = QByteArray::number(pid) + "\nzelora\n"
        + (questo ? QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() : QByteArray("aula-2\nid-aula-2"))
        + '\n' + (computer == "questo" ? QSysInfo::bootUniqueId() : QByteArray("un-altro-avvio")) + '\n';
    QFile::remove(percorso);
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
    f.close();
    timeval quando[2] = {{time(nullptr) - minuti * 60, 0}, {time(nullptr) - minuti * 60, 0}};
    QCOMPARE(utimes(QFile::encodeName(percorso).constData(), quando), 0);
}

qint64 ProcessoFinito()
{
    QProcess p;
    p.start("sleep", {"0.1"});
    p.waitForStarted();
    const qint64 pid = p.processId();
    p.waitForFinished();
    return pid;
}

const QString NomeFile = QStringLiteral("Schede personali/Nomi/Anna.ZLR01");

// The exercise window of Nomi opening Anna's record of the folder.
void ApriAnna(FinestraEsercizi& w, const QString& cartella)
{
    PreparaCategoriaProve(32, QStringLiteral("Nomi"));
    w.setWindowTitle(QStringLiteral("Zelora: Nomi"));
    ImpostaDialogoFile([cartella](const RecordDialogo&) { return std::optional<QString>(cartella + "/" + NomeFile); });
    GestoreModali chiudiScheda;
    w.findChild<QAction*>("voceApri")->trigger();
    ImpostaDialogoFile({});
}

// The other computer: keeps Anna's record open in its exercise window until killed.
int TieniAperta(const QString& cartella)
{
    ImpostaCartellaApplicazione(cartella);
    MessaggiScriptati messaggi;
    FinestraEsercizi w;
    ApriAnna(w, cartella);
    std::puts(Globali::NomeAlunno == "Anna" ? "aperta" : "non aperta");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// The other computer: saves a pupil's record again and again.
int SalvaDiContinuo(const QString& cartella, const QString& nome, int volte)
{
    ImpostaCartellaApplicazione(cartella);
    for (int i = 0; i < volte; ++i)
        if (!SalvaScheda("Nomi", nome, "ZLR01", QVector<bool>(32, true), QVector<QString>(32, "BUONO"), 31))
            return 1;
    return 0;
}
} // namespace

class TestBlocco : public QObject {
    Q_OBJECT
private slots:
    void bloccoLasciato_data()
    {
        QTest::addColumn<QString>("computer");
        QTest::addColumn<bool>("vivo"); // the process that wrote it still runs here
        QTest::addColumn<int>("minuti");
        QTest::addColumn<Esito>("atteso");
        QTest::newRow("altro computer, adesso") << "altro" << true << 0 << Esito::InUso;
        QTest::newRow("altro computer, 4 minuti fa") << "altro" << true << 4 << Esito::InUso;
        QTest::newRow("altro computer, 6 minuti fa") << "altro" << true << 6 << Esito::Preso;
        QTest::newRow("questo computer, programma finito") << "questo" << false << 0 << Esito::Preso;
        QTest::newRow("questo computer, riavviato") << "riavviato" << true << 0 << Esito::Preso;
    }

    // A lock found when the record is opened, or put in place of ours while
    // the record was open (this computer slept): only a dead one is taken, and
    // another's lock is never removed.
    void bloccoLasciato()
    {
        QFETCH(QString, computer);
        QFETCH(bool, vivo);
        QFETCH(int, minuti);
        QFETCH(Esito, atteso);
        CartellaProva c;
        const QString scheda = c.Percorso() + "/Anna.ZLR01", blocco = scheda + ".lock";
        const qint64 pid = vivo ? 1 : ProcessoFinito();
        for (bool durante : {false, true}) {
            QByteArray altrui;
            QFile::remove(blocco);
            {
                BloccoScheda b;
                if (durante)
                    QCOMPARE(b.Prendi(scheda), Esito::Preso);
                LasciaBlocco(blocco, computer, pid, minuti);
                altrui = c.Leggi("Anna.ZLR01.lock");
                if (durante)
                    QCOMPARE(b.PuoScrivere(scheda), atteso == Esito::Preso);
                else
                    QCOMPARE(b.Prendi(scheda), atteso);
                QCOMPARE(c.Leggi("Anna.ZLR01.lock") == altrui, atteso == Esito::InUso);
            }
            QCOMPARE(c.Leggi("Anna.ZLR01.lock"), atteso == Esito::InUso ? altrui : QByteArray());
        }
    }

    // Two programs on one folder: the record open in one is refused in the
    // other, until the first one dies without closing it.
    void dueProgrammi()
    {
        Ambiente a;
        a.cartella.CreaCartelleSchede();
        a.cartella.ScriviByte(NomeFile, RigaSchedaNuova());
        QProcess altro;
        altro.start(QCoreApplication::applicationFilePath(), {"--tieni", a.cartella.Percorso()});
        QVERIFY(altro.waitForReadyRead(20000));
        QCOMPARE(altro.readLine(), QByteArray("aperta\n"));
        FinestraEsercizi w;
        ApriAnna(w, a.cartella.Percorso());
        QCOMPARE(a.messaggi.Testi(), QStringList{"Questa scheda personale è già aperta su un altro computer.\r\n"
                                                 "Chiudila là oppure scegli un'altra scheda."});
        QVERIFY(Globali::NomeAlunno.isEmpty());
        altro.kill();
        QVERIFY(altro.waitForFinished());
        a.messaggi.mostrati.clear();
        ApriAnna(w, a.cartella.Percorso());
        QCOMPARE(a.messaggi.Testi(), QStringList());
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
        QCOMPARE(a.cartella.Leggi(NomeFile), RigaSchedaNuova());
    }

    // Two programs save different pupils into one folder at the same time:
    // whoever reads a record finds it whole, and no temporary file stays.
    void salvataggiInsieme()
    {
        CartellaProva c;
        c.CreaCartelleSchede();
        QProcess altro;
        altro.start(QCoreApplication::applicationFilePath(), {"--salva", c.Percorso(), "Bruno", "400"});
        QVERIFY(altro.waitForStarted());
        const QString bruno = c.Percorso() + "/Schede personali/Nomi/Bruno.ZLR01";
        int letture = 0;
        while (!altro.waitForFinished(0)) {
            QVERIFY(SalvaScheda("Nomi", "Anna", "ZLR01", QVector<bool>(32, false), QVector<QString>(32), 31));
            QString riga;
            if (QFile::exists(bruno)) {
                QVERIFY(LeggiScheda("Nomi", "Bruno", "ZLR01", riga));
                QCOMPARE(riga.size(), 64);
                QCOMPARE(riga.count('o'), 32);
                ++letture;
            }
        }
        QCOMPARE(altro.exitCode(), 0);
        QVERIFY(letture > 0);
        QCOMPARE(QDir(c.Percorso() + "/Schede personali/Nomi").entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"Anna.ZLR01", "Bruno.ZLR01"}));
    }

    void salvataggioNegato_data()
    {
        QTest::addColumn<bool>("piena"); // a full folder, or a record taken over by another computer
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("cartella piena") << true << "Si è verificato un errore, non è possibile salvare i dati.\r\n"
                                                   "Verificare che la cartella delle schede personali sia accessibile.";
        QTest::newRow("presa da un altro computer") << false << "Questa scheda personale è stata aperta su un altro computer.\r\n"
                                                             "Per non cancellare i suoi dati, il risultato di questo esercizio non è stato salvato.";
    }

    // The exercise is finished but its result cannot be written: in a folder
    // with no room left (the record still opened, without a lock, and no empty
    // lock file stays), or after another computer took the record over while
    // this one slept. The message tells, the record keeps its old content
    // and no piece of file stays.
    void salvataggioNegato()
    {
        QFETCH(bool, piena);
        QFETCH(QString, messaggio);
        QTemporaryDir punto;
        if (piena && mount("tmpfs", QFile::encodeName(punto.path()).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("non si può montare un tmpfs qui (serve root): prova della cartella piena saltata");
        struct Smonta {
            QString p;
            ~Smonta() { umount2(QFile::encodeName(p).constData(), MNT_DETACH); }
        } smonta{piena ? punto.path() : QString()};
        FinestraProva p;
        p.Apri(3, {{"Il cane abbaia.", "nome", "cane"}}, {"nome", "articolo", "verbo"});
        ImpostaCartellaSchede(punto.path());
        const QString anna = punto.path() + "/Prove/Anna.ZLR01";
        QDir().mkpath(punto.path() + "/Prove");
        const QByteArray vecchia = RigaSchedaNuova();
        QFile f(anna);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(vecchia) == vecchia.size());
        f.close();
        QFile pieno(punto.path() + "/riempimento");
        while (piena && pieno.open(QIODevice::Append | QIODevice::Unbuffered) && pieno.write(QByteArray(4096, 'x')) > 0)
            pieno.close();

        ImpostaDialogoFile([anna](const RecordDialogo&) { return std::optional<QString>(anna); });
        p.Voce("voceApri")->trigger();
        ImpostaDialogoFile({});
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
        if (!piena)
            LasciaBlocco(anna + ".lock", "altro", 1, 0);
        p.f->findChildren<QAction*>("voceEsercizio").at(0)->trigger();
        p.messaggi.mostrati.clear();
        for (int i = 0; i < 14; ++i) {
            p.Seleziona(i);
            QVERIFY(p.Scegli("nome"));
        }
        QCOMPARE(p.messaggi.Testi(), QStringList{messaggio});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vecchia);
        QCOMPARE(QDir(punto.path() + "/Prove").entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Anna.ZLR01", "Anna.ZLR01.lock"}).mid(0, piena ? 1 : 2));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == "--tieni")
        return TieniAperta(a.value(2));
    if (a.value(1) == "--salva")
        return SalvaDiContinuo(a.value(2), a.value(3), a.value(4).toInt());
    TestBlocco prove;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prove, argc, argv);
}
#include "tst_blocco.moc"
