// Records shared by several computers: left locks, two programs on one folder, saves refused.
#include "ProveRisposte.h"

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
constexpr qint64 PidMorto = 4194305; // above any pid Linux hands out

// A lock file left `minuti` ago by this computer ("questo"), this one before a restart, or "altro".
void LasciaBlocco(const QString& percorso, const QString& computer, qint64 pid, int minuti)
{
    const QByteArray host = computer == "altro" ? QByteArray("aula-2\nid-aula-2")
                                                : QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId();
    const QByteArray contenuto = QByteArray::number(pid) + "\nzelora\n" + host + '\n'
        + (computer == "questo" ? QSysInfo::bootUniqueId() : QByteArray("prima")) + '\n';
    QFile::remove(percorso);
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenuto) == contenuto.size());
    f.close();
    const timeval quando[2] = {{time(nullptr) - minuti * 60, 0}, {time(nullptr) - minuti * 60, 0}};
    QCOMPARE(utimes(QFile::encodeName(percorso).constData(), quando), 0);
}

// The exercise window of the category opening the record chosen in the dialog.
void Apri(FinestraEsercizi& w, const QString& scheda)
{
    ImpostaDialogoFile([scheda](const RecordDialogo&) { return std::optional<QString>(scheda); });
    GestoreModali chiudiScheda;
    w.findChild<QAction*>("voceApri")->trigger();
    ImpostaDialogoFile({});
}

// The other program: "--tieni" keeps Anna's record open until killed, "--salva" saves Bruno's 400 times.
int AltroProgramma(const QStringList& a)
{
    ImpostaCartellaApplicazione(a.value(2));
    if (a.value(1) == "--salva") {
        for (int i = 0; i < 400; ++i)
            if (!SalvaScheda("Nomi", "Bruno", "ZLR01", QVector<bool>(32, true), QVector<QString>(32, "BUONO"), 31))
                return 1;
        return 0;
    }
    MessaggiScriptati messaggi;
    PreparaCategoriaProve(32, "Nomi");
    FinestraEsercizi w;
    Apri(w, a.value(2) + "/Schede personali/Nomi/Anna.ZLR01");
    std::puts(qPrintable(Globali::NomeAlunno));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
} // namespace

class TestBlocco : public QObject {
    Q_OBJECT
private slots:
    void bloccoLasciato_data()
    {
        QTest::addColumn<QString>("computer");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<Esito>("atteso");
        QTest::newRow("altro computer, 4 minuti fa") << "altro" << 1LL << 4 << Esito::InUso;
        QTest::newRow("altro computer, 6 minuti fa") << "altro" << 1LL << 6 << Esito::Preso;
        QTest::newRow("questo computer, programma finito") << "questo" << PidMorto << 0 << Esito::Preso;
        QTest::newRow("questo computer, riavviato") << "riavviato" << 1LL << 0 << Esito::Preso;
    }

    // A lock found on opening, or put in place of ours while open: only a dead one is taken, none removed.
    void bloccoLasciato()
    {
        QFETCH(QString, computer);
        QFETCH(qint64, pid);
        QFETCH(int, minuti);
        QFETCH(Esito, atteso);
        CartellaProva c;
        const QString scheda = c.Percorso() + "/Anna.ZLR01";
        for (bool durante : {false, true}) {
            QFile::remove(scheda + ".lock");
            QByteArray altrui;
            {
                BloccoScheda b;
                QVERIFY(!durante || b.Prendi(scheda) == Esito::Preso);
                LasciaBlocco(scheda + ".lock", computer, pid, minuti);
                altrui = c.Leggi("Anna.ZLR01.lock");
                QCOMPARE(durante ? (b.PuoScrivere(scheda) ? Esito::Preso : Esito::InUso) : b.Prendi(scheda), atteso);
                QCOMPARE(c.Leggi("Anna.ZLR01.lock") == altrui, atteso == Esito::InUso);
            }
            QCOMPARE(c.Leggi("Anna.ZLR01.lock"), atteso == Esito::InUso ? altrui : QByteArray());
        }
    }

    // A record open in another program is refused until that dies; two pupils' saves at once stay whole.
    void dueProgrammi()
    {
        Ambiente a;
        a.cartella.CreaCartelleSchede();
        a.cartella.ScriviByte("Schede personali/Nomi/Anna.ZLR01", RigaSchedaNuova());
        QProcess altro;
        altro.start(QCoreApplication::applicationFilePath(), {"--tieni", a.cartella.Percorso()});
        QVERIFY(altro.waitForReadyRead(20000));
        QCOMPARE(altro.readLine(), QByteArray("Anna\n"));
        PreparaCategoriaProve(32, "Nomi");
        FinestraEsercizi w;
        for (bool morto : {false, true}) {
            a.messaggi.mostrati.clear();
            Apri(w, a.cartella.Percorso() + "/Schede personali/Nomi/Anna.ZLR01");
            QCOMPARE(a.messaggi.Testi(), morto ? QStringList() : QStringList{"Questa scheda personale è già aperta su un altro computer.\r\nChiudila là oppure scegli un'altra scheda."});
            QCOMPARE(Globali::NomeAlunno, morto ? "Anna" : "");
            altro.kill();
            altro.waitForFinished();
        }

        altro.start(QCoreApplication::applicationFilePath(), {"--salva", a.cartella.Percorso()});
        QVERIFY(altro.waitForStarted());
        int letture = 0;
        for (QString riga; !altro.waitForFinished(0);) {
            QVERIFY(SalvaScheda("Nomi", "Anna", "ZLR01", QVector<bool>(32, false), QVector<QString>(32), 31));
            if (a.cartella.Leggi("Schede personali/Nomi/Bruno.ZLR01").isEmpty())
                continue;
            QVERIFY(LeggiScheda("Nomi", "Bruno", "ZLR01", riga) && riga.count('o') == 32);
            ++letture;
        }
        QVERIFY(altro.exitCode() == 0 && letture > 0);
        QCOMPARE(QDir(a.cartella.Percorso() + "/Schede personali/Nomi").entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"Anna.ZLR01", "Anna.ZLR01.lock", "Bruno.ZLR01"}));
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

    // A result that cannot be written (a full folder, or a record taken over): told, the record as it was.
    void salvataggioNegato()
    {
        QFETCH(bool, piena);
        QFETCH(QString, messaggio);
        QTemporaryDir punto;
        const QByteArray p8 = QFile::encodeName(punto.path());
        if (piena && mount("tmpfs", p8.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("non si può montare un tmpfs qui (serve root): prova della cartella piena saltata");
        std::shared_ptr<void> smonta(nullptr, [&](void*) { umount2(p8.constData(), MNT_DETACH); });
        FinestraProva p;
        p.Apri(3, {{"Il cane abbaia.", "nome", "cane"}}, {"nome", "articolo", "verbo"});
        ImpostaCartellaSchede(punto.path());
        QDir().mkpath(punto.path() + "/Prove");
        QFile anna(punto.path() + "/Prove/Anna.ZLR01"), pieno(punto.path() + "/riempimento");
        QVERIFY(anna.open(QIODevice::WriteOnly) && anna.write(RigaSchedaNuova()) == 74);
        anna.close();
        while (piena && pieno.open(QIODevice::Append | QIODevice::Unbuffered) && pieno.write(QByteArray(4096, 'x')) > 0)
            pieno.close();
        Apri(*p.f, anna.fileName());
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
        if (!piena)
            LasciaBlocco(anna.fileName() + ".lock", "altro", 1, 0);
        p.f->findChildren<QAction*>("voceEsercizio").at(0)->trigger();
        p.messaggi.mostrati.clear();
        for (int i = 0; i < 14; ++i) {
            p.Seleziona(i);
            QVERIFY(p.Scegli("nome"));
        }
        QCOMPARE(p.messaggi.Testi().filter("salva"), QStringList{messaggio});
        QVERIFY(anna.open(QIODevice::ReadOnly) && anna.readAll() == RigaSchedaNuova());
        QCOMPARE(QDir(punto.path() + "/Prove").entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Anna.ZLR01", "Anna.ZLR01.lock"}).mid(0, piena ? 1 : 2));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1).startsWith("--"))
        return AltroProgramma(app.arguments());
    TestBlocco prove;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prove, argc, argv);
}
#include "tst_blocco.moc"
