// Creating, opening and saving records through the real exercise window,
// the name window, and the file dialog wrapper (with the dialog replaced,
// and once with Qt's own dialog offscreen).
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Percorsi.h"
#include "windows/FinestraEsercizi.h"
#include "platform/OpenSave.h"
#include "records/Scheda.h"
#include "windows/FinestraNome.h"
#include "windows/FinestraScheda.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QtTest>


Q_DECLARE_METATYPE(Risposta)

namespace {
const QByteArray Nuova = QByteArray(72, 'x') + "\r\n";

// A message box in one line, so that a table can list the ones expected.
QString Msg(Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo)
{
    return QStringLiteral("%1 %2 %3: %4").arg(int(icona)).arg(int(pulsanti)).arg(titolo, testo);
}
QStringList Mostrati(const MessaggiScriptati& m)
{
    QStringList l;
    for (const Messaggio& x : m.mostrati)
        l << Msg(x.icona, x.pulsanti, x.titolo, x.testo);
    return l;
}
const QString ErroreScrittura = Msg(Icona::Critico, Pulsanti::OK, QStringLiteral("Zelora: Nomi"), QStringLiteral(
    "Si è verificato un errore, non è possibile salvare i dati.\r\n"
    "Verificare che la cartella delle schede personali sia accessibile."));
const QString ErroreLettura = Msg(Icona::Critico, Pulsanti::OK, QStringLiteral("Zelora: Nomi"),
    QStringLiteral("Si è verificato un errore, non è possibile procedere nella lettura dei dati."));
const QString DomandaAnonimo = Msg(Icona::Domanda, Pulsanti::SiNoAnnulla, QStringLiteral("Nomi"), QStringLiteral(
    "Non hai scritto nessun nome. Non posso aprirti una scheda personale.\r\n"
    "Vuoi proseguire come \"Anonimo\"?"));

// A record line of n exercises, all to do except the given letters.
QByteArray Riga(int esercizi, const QMap<int, char>& lettere = {})
{
    QByteArray r;
    for (int i = esercizi - 1; i >= 0; --i) {
        const char l = lettere.value(i, 'x');
        r += l == 'x' ? '\xA2' : '\xA3';
        r += l;
    }
    return r + "\r\n";
}

// Every file below a folder, relative, with its content.
QMap<QString, QByteArray> Istantanea(const QString& cartella)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        m.insert(QDir(cartella).relativeFilePath(f.fileName()), f.readAll());
    }
    return m;
}

// Stands in for the file dialog while it lives: keeps the record it was
// shown and answers with the given path (nothing = Cancel).
struct DialogoFinto {
    explicit DialogoFinto(std::optional<QString> risposta = std::nullopt)
    {
        ImpostaDialogoFile([this, risposta](const RecordDialogo& r) {
            ++mostrato;
            ricevuto = r;
            return risposta;
        });
    }
    ~DialogoFinto() { ImpostaDialogoFile({}); }
    RecordDialogo ricevuto;
    int mostrato = 0;
};

// A throwaway application folder, the program-wide values of a category as
// the main menu sets them, and the exercise window.
struct Banco {
    explicit Banco(int categoria = 1, bool cartelle = true)
    {
        if (cartelle)
            c.CreaCartelleSchede();
        Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(categoria).cartella);
        Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(categoria);
        NumeroMassimoEsercizi(categoria);
        const int n = Globali::UltimoEsercizio + 1;
        for (int i = 0; i < n; ++i)
            Globali::TitoloIndice << QStringLiteral("Esercizio %1").arg(i + 1);
        Globali::EsercizioFatto = QVector<bool>(n, false);
        Globali::Giudizio = QVector<QString>(n);
        w = std::make_unique<FinestraEsercizi>();
        w->setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    }
    QString Cartella() const { return c.Percorso() + QStringLiteral("/Schede personali/") + Globali::CategoriaCorrente; }
    void Scheda(const QString& file, const QByteArray& riga) const { c.ScriviByte(QStringLiteral("Schede personali/") + file, riga); }
    QByteArray Scheda(const QString& file) const { return c.Leggi(QStringLiteral("Schede personali/") + file); }
    QStringList FileCategoria() const { return QDir(Cartella()).entryList(QDir::Files | QDir::Hidden); }
    // Creates a record, typing the name into the name window (an Esc in it
    // closes the window instead of OK).
    void Crea(const QString& nome) const
    {
        GestoreModali g([nome](QWidget* finestra) {
            if (auto* f = qobject_cast<FinestraNome*>(finestra)) {
                QCOMPARE(f->windowTitle(), QStringLiteral("Nomi"));
                QCOMPARE(f->findChild<QLabel*>(QStringLiteral("richiesta"))->text(), QStringLiteral("Nome e cognome:"));
                QTest::keyClicks(f->findChild<QWidget*>(QStringLiteral("nome")), nome);
                if (f->isVisible())
                    QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("pulsanteOk")), Qt::LeftButton);
            }
        });
        Voce("voceCrea")->trigger();
    }
    // Opens the record the dialog gives back (below the application folder).
    void Apri(const QString& scelto) const
    {
        DialogoFinto d(c.Percorso() + QLatin1Char('/') + scelto);
        GestoreModali g;
        Voce("voceApri")->trigger();
    }
    QAction* Voce(const char* nome) const { return w->findChild<QAction*>(QLatin1String(nome)); }
    QAction* Esercizio(int i) const { return w->findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(i); }
    bool MenuAttivo() const { return w->findChild<QMenu*>(QStringLiteral("menuEsercizi"))->menuAction()->isEnabled(); }

    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    std::unique_ptr<FinestraEsercizi> w;
};
} // namespace

class TestSchedeFinestra : public QObject {
    Q_OBJECT
private slots:
    void crea_data();
    void crea();
    void apri_data();
    void apri();
    void openSaveRecord();
    void openSaveEsito_data();
    void openSaveEsito();
    void dialogoVero();
};

void TestSchedeFinestra::crea_data()
{
    QTest::addColumn<QString>("esistente"); // a record already there; "-": no record folders; "!": folder made read-only
    QTest::addColumn<bool>("aperta"); // Carla's record is opened first, or only her name set
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<Risposta>("risposta");
    QTest::addColumn<QStringList>("messaggi");
    QTest::addColumn<QString>("nome"); // afterwards; "Carla": nothing was created
    const QStringList nessuno;
    const QStringList esiste{Msg(Icona::Critico, Pulsanti::SiNo, QStringLiteral("NOME GIA' ESISTENTE"), QStringLiteral(
        "Attenzione, ci sono già delle schede salvate con questo nome. Se "
        "procedi cancelli tutti i dati contenuti in queste schede. Vuoi procedere?"))};
    QTest::newRow("Anonimo") << "" << false << "" << Risposta::Si << QStringList{DomandaAnonimo} << "Anonimo";
    QTest::newRow("nome e cognome") << "" << false << "Mario Rossi" << Risposta::Si << nessuno << "Mario Rossi";
    QTest::newRow("spazi tenuti") << "" << true << "  anna  " << Risposta::Si << nessuno << "  anna  ";
    QTest::newRow("vuoto e No") << "" << true << "" << Risposta::No << QStringList{DomandaAnonimo} << "Carla";
    QTest::newRow("vuoto e Annulla") << "" << false << "" << Risposta::Annulla << QStringList{DomandaAnonimo} << "Carla";
    QTest::newRow("secondo alunno") << "" << true << "Bruno" << Risposta::Si << nessuno << "Bruno";
    QTest::newRow("senza cartelle") << "-" << false << "Bea" << Risposta::Si << nessuno << "Bea";
    QTest::newRow("Articoli c'è, No") << "Articoli/Anna.ZLR00" << false << "Anna" << Risposta::No << esiste << "Carla";
    QTest::newRow("Articoli c'è, Sì") << "Articoli/Anna.ZLR00" << true << "Anna" << Risposta::Si << esiste << "Anna";
    QTest::newRow("minuscolo, No") << "Articoli/anna.zlr00" << true << "Anna" << Risposta::No << esiste << "Carla";
    // The name window closed without OK creates nothing: Carla's record stays open, untouched.
    QTest::newRow("chiusa senza OK") << "Articoli/Carla.ZLR00" << true << "Bea\x1b" << Risposta::Si << nessuno << "Carla";
    QTest::newRow("solo Nomi c'è") << "Nomi/Anna.ZLR01" << false << "Anna" << Risposta::No << nessuno << "Anna";
    QTest::newRow("sola lettura") << "!Verbi 2" << true << "Anna" << Risposta::Si << QStringList{ErroreScrittura} << "Carla";
    // Names that cannot be a file of the record folder: nothing is written anywhere.
    bool aperta = false;
    for (const char* ostile : {"../../x", "a/b", "..", "..\\..\\x", "C:x", "tutti*"}) {
        const QString n = QString::fromLatin1(ostile);
        const QString m = Msg(Icona::Critico, Pulsanti::OK, QStringLiteral("Nomi"), MotivoNomeNonValido(n));
        QTest::newRow(ostile) << "" << (aperta = !aperta) << n << Risposta::Si << QStringList{m} << "Carla";
    }
}

void TestSchedeFinestra::crea()
{
    QFETCH(QString, esistente);
    QFETCH(bool, aperta);
    QFETCH(QString, scritto);
    QFETCH(Risposta, risposta);
    QFETCH(QStringList, messaggi);
    QFETCH(QString, nome);
    Banco b(1, esistente != QLatin1String("-"));
    if (aperta) {
        b.Scheda(QStringLiteral("Nomi/Carla.ZLR01"), Riga(32, {{0, 'l'}, {4, 'o'}}));
        b.Apri(QStringLiteral("Schede personali/Nomi/Carla.ZLR01"));
    }
    Globali::NomeAlunno = QStringLiteral("Carla");
    if (esistente.contains(QLatin1Char('/')))
        b.Scheda(esistente, Riga(32, {{2, 'l'}}));
    PermessiVeri permessi;
    if (esistente.startsWith(QLatin1Char('!'))
        && !permessi.SolaLettura(b.c.Percorso() + QStringLiteral("/Schede personali/") + esistente.mid(1)))
        QSKIP("i permessi delle cartelle non si possono far valere qui");
    auto prima = Istantanea(b.c.Percorso());
    const QStringList voci = QDir(b.c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    b.m.Rispondi(risposta);
    b.Crea(scritto);
    QCOMPARE(Mostrati(b.m), messaggi);
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(b.s.suonati, scritto.endsWith(QChar(0x1b)) ? QStringList() : QStringList{"press.wav"});
    // All twelve records are written new, or none; nothing else changes.
    const bool creata = nome != QLatin1String("Carla");
    auto dopo = Istantanea(b.c.Percorso());
    for (int i = 0; creata && i < NumeroCategorie; ++i) {
        const QString f = QStringLiteral("Schede personali/%1/%2.ZLR%3").arg(QString::fromUtf8(DatiCategoria(i).cartella), nome, CodiceScheda(i));
        QCOMPARE(dopo.take(f), Nuova);
        prima.remove(f);
    }
    QCOMPARE(dopo, prima);
    if (!creata)
        QCOMPARE(QDir(b.c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), voci);
    QVERIFY(QDir(QFileInfo(b.c.Percorso()).absolutePath()).entryList({QStringLiteral("x.ZLR*")}).isEmpty());
    // The menu shows the open record: Carla's marks, or none for a new one.
    QCOMPARE(b.MenuAttivo(), aperta || creata);
    for (int i = 0; b.MenuAttivo() && i <= 31; ++i) {
        QVERIFY(b.Esercizio(i)->isVisible());
        QCOMPARE(b.Esercizio(i)->isChecked(), !creata && (i == 0 || i == 4));
        QCOMPARE(Globali::EsercizioFatto[i], !creata && (i == 0 || i == 4));
        QCOMPARE(FinestraEsercizi::Caption(b.Esercizio(i)), QStringLiteral(" Esercizio %1").arg(i + 1)
                     + (creata ? "" : i == 0 ? " (ECCELLENTE)" : i == 4 ? " (BUONO)" : ""));
    }
}

void TestSchedeFinestra::apri_data()
{
    QTest::addColumn<QString>("file"); // written in the Nomi record folder
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("scelto"); // below the application folder; "-": Cancel
    QTest::addColumn<QString>("nome"); // the record open afterwards ("Anna" was open before)
    QTest::addColumn<QStringList>("messaggi");
    const QString cartella = QStringLiteral("Schede personali/Nomi/");
    const QStringList nessuno, errore{ErroreLettura};
    QTest::newRow("o e q") << "Bea.ZLR01" << Riga(32, {{5, 'o'}, {6, 'q'}, {31, 'f'}}) << cartella + "Bea.ZLR01" << "Bea" << nessuno;
    QTest::newRow("scheda nuova") << "Bea.ZLR01" << Nuova << cartella + "Bea.ZLR01" << "Bea" << nessuno;
    QTest::newRow("estensione minuscola") << "bea rossi.zlr01" << Riga(32, {{5, 'o'}}) << cartella + "bea rossi.zlr01" << "bea rossi" << nessuno;
    // The pupil browsed elsewhere: the record is read from the category's folder all the same.
    QTest::newRow("scelta altrove") << "Bea.ZLR01" << Riga(32, {{5, 'o'}}) << "altrove/Bea.ZLR01" << "Bea" << nessuno;
    QTest::newRow("annullato") << "Bea.ZLR01" << Nuova << "-" << "Anna" << nessuno;
    QTest::newRow("file vuoto") << "Carla.ZLR01" << QByteArray() << cartella + "Carla.ZLR01" << "Anna" << errore;
    QTest::newRow("titolo corto") << "a.Zl" << Riga(32) << cartella + "a.Zl" << "Anna" << errore;
    QTest::newRow("non nella categoria") << "Bea.ZLR01" << Riga(32) << "altrove/Carla.ZLR01" << "Anna" << errore;
    QTest::newRow("soli punti") << "...Zlr01" << Riga(32) << cartella + "...Zlr01" << "Anna" << errore;
    // Records of other categories do not count: no dialog, and nothing to open.
    QTest::newRow("nessuna scheda") << "Anna.ZLR02" << Riga(32) << "" << "" << QStringList{Msg(
        Icona::Informazione, Pulsanti::OK, QStringLiteral("Nomi"),
        QStringLiteral("\r\nNon ci sono schede personali già iniziate per questo tipo di esercizi.\r\n\r\n"
                       "Devi creare una nuova scheda personale.\r\n"))};
}

void TestSchedeFinestra::apri()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, scelto);
    QFETCH(QString, nome);
    QFETCH(QStringList, messaggi);
    Banco b;
    if (!scelto.isEmpty()) {
        b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"), Riga(32, {{5, 'o'}}));
        b.Apri(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    }
    b.Scheda(QStringLiteral("Nomi/") + file, contenuto);
    b.Scheda(QStringLiteral("Articoli/Anna.ZLR00"), Riga(23));
    b.c.ScriviByte(QStringLiteral("altrove/Bea.ZLR01"), Nuova);
    const QStringList presenti = b.FileCategoria();
    DialogoFinto d(scelto == QLatin1String("-") ? std::optional<QString>() : b.c.Percorso() + QLatin1Char('/') + scelto);
    GestoreModali g;
    b.Voce("voceApri")->trigger();
    QCOMPARE(d.mostrato, scelto.isEmpty() ? 0 : 1);
    if (d.mostrato) {
        QCOMPARE(d.ricevuto.titolo, QStringLiteral("Clicca la scheda da aprire"));
        QCOMPARE(d.ricevuto.filtro, QStringLiteral("Esercizi di grammatica (*.Zlr01)") + QChar(0)
                                        + QStringLiteral("*.Zlr01") + QString(3, QChar(0)));
        QCOMPARE(d.ricevuto.estensionePredefinita, QStringLiteral("Zlr01"));
        QCOMPARE(d.ricevuto.cartellaIniziale, CartellaSchedeElenco(QStringLiteral("Nomi")));
        QCOMPARE(d.ricevuto.proprietario, b.w.get());
    }
    const bool aperta = nome != QLatin1String("Anna") && !nome.isEmpty();
    QCOMPARE(g.aperte, aperta ? QStringList{"FinestraScheda"} : QStringList());
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(b.MenuAttivo(), !nome.isEmpty());
    const bool cinque = nome == QLatin1String("Anna") || (aperta && contenuto.at(2 * (31 - 5) + 1) == 'o');
    QCOMPARE(Globali::EsercizioFatto[5], cinque);
    QCOMPARE(Globali::Giudizio[5], cinque ? QStringLiteral("BUONO") : QString());
    QVERIFY(!Globali::EsercizioFatto[6]);
    if (!nome.isEmpty()) {
        QCOMPARE(b.Esercizio(5)->isChecked(), cinque);
        QCOMPARE(FinestraEsercizi::Caption(b.Esercizio(5)), QStringLiteral(" Esercizio 6") + (cinque ? " (BUONO)" : ""));
        QVERIFY(!b.Esercizio(6)->isChecked());
    }
    QCOMPARE(b.FileCategoria(), presenti);
    QCOMPARE(Mostrati(b.m), messaggi);
}

void TestSchedeFinestra::openSaveRecord()
{
    CartellaProva c;
    DialogoFinto d;
    OpenSave o;
    QVERIFY(o.FileName().isEmpty() && o.FileTitle().isEmpty());
    QCOMPARE(o.FilterIndex(), 0);
    o.Filter(QStringLiteral("Esercizi di grammatica (*.Zlr00)|*.Zlr00|"));
    o.DialogTitle(QStringLiteral("Titolo"));
    o.FilterIndex(1);
    o.FileName(QStringLiteral("Anna.ZLR00"));
    o.DefaultExt(QStringLiteral("Zlr00"));
    o.ShowSave();
    const RecordDialogo& r = d.ricevuto;
    QVERIFY(r.salva);
    QCOMPARE(r.dimensioneStruttura, 76);
    QCOMPARE(r.flags, 6156);
    QCOMPARE(r.filtro, QStringLiteral("Esercizi di grammatica (*.Zlr00)") + QChar(0) + QStringLiteral("*.Zlr00")
                           + QChar(0) + QChar(0) + QChar(0));
    QCOMPARE(r.cartellaIniziale, c.Percorso()); // InitDir left empty
    QCOMPARE(r.bufferFile, QStringLiteral("Anna.ZLR00") + QString(245, QChar(0)));
    QCOMPARE(r.bufferTitolo, QString(255, QChar(0)));
    QCOMPARE(r.indiceFiltro, 1);
    QCOMPARE(r.titolo, QStringLiteral("Titolo"));
    QCOMPARE(r.estensionePredefinita, QStringLiteral("Zlr00"));
    QVERIFY(o.FileName().isEmpty()); // cancelled
    o.InitDir(QStringLiteral("/altrove"));
    o.ShowOpen();
    QVERIFY(!d.ricevuto.salva);
    QCOMPARE(d.ricevuto.cartellaIniziale, QStringLiteral("/altrove"));
}

void TestSchedeFinestra::openSaveEsito_data()
{
    QTest::addColumn<QString>("prima"); // first choice; "-" is Cancel
    QTest::addColumn<QString>("poi"); // second choice
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fileTitle");
    const QString lungo254 = "/" + QString(243, 'p') + "/Bea.ZLR01";
    QTest::newRow("scelta") << "-" << "/a/b/Anna.ZLR01" << "/a/b/Anna.ZLR01" << "Anna.ZLR01";
    QTest::newRow("annullato dopo una scelta") << "/a/Anna.ZLR01" << "-" << "" << "Anna.ZLR01";
    QTest::newRow("annullato subito") << "-" << "-" << "" << "";
    QTest::newRow("percorso di 254 caratteri") << "-" << lungo254 << lungo254 << "Bea.ZLR01";
    QTest::newRow("percorso di 255 caratteri: come Annulla") << "/a/Anna.ZLR01" << "/p" + lungo254 << "" << "Anna.ZLR01";
}

void TestSchedeFinestra::openSaveEsito()
{
    QFETCH(QString, prima);
    QFETCH(QString, poi);
    QFETCH(QString, fileName);
    QFETCH(QString, fileTitle);
    CartellaProva c;
    OpenSave o;
    o.FileName(QStringLiteral("proposto"));
    for (const QString& scelta : {prima, poi}) {
        DialogoFinto d(scelta == QLatin1String("-") ? std::optional<QString>() : scelta);
        o.ShowOpen();
    }
    QCOMPARE(o.FileName(), fileName);
    QCOMPARE(o.FileTitle(), fileTitle);
}

void TestSchedeFinestra::dialogoVero()
{
    CartellaProva c;
    MessaggiScriptati m;
    for (const char* f : {"Anna.ZLR04", "bea.zlr04", "Carlo.ZLR05"})
        c.ScriviByte(QStringLiteral("Schede personali/Verbi 1/") + QLatin1String(f), Riga(32));
    QStringList elencati;
    bool rifiutato = false;
    GestoreModali g([&](QWidget* w) {
        auto* dialogo = qobject_cast<QFileDialog*>(w);
        auto* vista = dialogo ? dialogo->findChild<QListView*>(QStringLiteral("listView")) : nullptr;
        auto* modello = dialogo ? dialogo->findChild<QFileSystemModel*>() : nullptr;
        if (!vista || !modello)
            return;
        const QModelIndex radice = modello->index(dialogo->directory().absolutePath());
        AttendiFinche([&] { return modello->rowCount(radice) >= 3; });
        for (int i = 0; i < modello->rowCount(radice); ++i) {
            const QModelIndex x = modello->index(i, 0, radice);
            if ((modello->flags(x) & Qt::ItemIsEnabled) && !vista->isRowHidden(i))
                elencati << modello->fileName(x);
        }
        elencati.sort();
        auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // A name that does not exist is refused and the dialog stays open.
        nome->setText(QStringLiteral("Zeno.ZLR04"));
        QMetaObject::invokeMethod(dialogo, "accept");
        rifiutato = dialogo->isVisible() && m.mostrati.size() == 1;
        // Typed in another case, the existing record is picked.
        nome->setText(QStringLiteral("ANNA.zlr04"));
        QMetaObject::invokeMethod(dialogo, "accept");
    });
    OpenSave o;
    o.InitDir(CartellaSchedeElenco(QStringLiteral("verbi 1")));
    o.DialogTitle(QStringLiteral("Clicca la scheda da aprire"));
    o.Filter(QStringLiteral("Esercizi di grammatica (*.Zlr04)|*.Zlr04|"));
    o.DefaultExt(QStringLiteral("Zlr04"));
    o.ShowOpen();
    QCOMPARE(g.aperte, QStringList{"QFileDialog"});
    QCOMPARE(elencati, (QStringList{"Anna.ZLR04", "bea.zlr04"}));
    QVERIFY(rifiutato);
    QVERIFY(m.mostrati[0].testo.contains(QStringLiteral("Zeno.ZLR04")));
    QCOMPARE(o.FileTitle(), QStringLiteral("Anna.ZLR04"));
    QCOMPARE(o.FileName(), c.Percorso() + QStringLiteral("/Schede personali/Verbi 1/Anna.ZLR04"));
}

QTEST_MAIN(TestSchedeFinestra)
#include "tst_schede_finestra.moc"
