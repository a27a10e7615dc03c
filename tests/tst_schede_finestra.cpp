// Creating and opening records through the exercise and name windows, and the file dialog.
#include "ProveRisposte.h"

#include "app/Avvio.h"
#include "content/Catalogo.h"
#include "content/Percorsi.h"
#include "platform/OpenSave.h"
#include "records/Scheda.h"
#include "windows/FinestraNome.h"

#include <QtWidgets>

Q_DECLARE_METATYPE(Risposta)

namespace {
const QByteArray Nuova = QByteArray(72, 'x') + "\r\n";

// A message box in one line, so that a table can list the ones expected.
QString Msg(Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo)
{
    return QStringLiteral("%1 %2 %3: %4").arg(int(icona)).arg(int(pulsanti)).arg(titolo, testo);
}
const QString ErroreScrittura = Msg(Icona::Critico, Pulsanti::OK, "Zelora: Nomi",
    "Si è verificato un errore, non è possibile salvare i dati.\r\nVerificare che la cartella delle schede personali sia accessibile.");
const QString ErroreLettura = Msg(Icona::Critico, Pulsanti::OK, "Zelora: Nomi",
    "Si è verificato un errore, non è possibile procedere nella lettura dei dati.");
// A lock left by a program on another computer a moment ago.
const QByteArray BloccoAltrui("4242\nzelora\naula-2\nid-aula-2\nboot-aula-2\n");
const QString InUso = Msg(Icona::Critico, Pulsanti::OK, "Zelora: Nomi",
    "Questa scheda personale è già aperta su un altro computer.\r\nChiudila là oppure scegli un'altra scheda.");
const QString DomandaAnonimo = Msg(Icona::Domanda, Pulsanti::SiNoAnnulla, "Nomi",
    "Non hai scritto nessun nome. Non posso aprirti una scheda personale.\r\nVuoi proseguire come \"Anonimo\"?");

// A record line of the 32 exercises of Nomi, all to do except the given letters.
QByteArray Riga(const QMap<int, char>& lettere = {})
{
    QByteArray r;
    for (int i = 31; i >= 0; --i)
        r += lettere.contains(i) ? QByteArray("\xA3") + lettere[i] : QByteArray("\xA2x");
    return r + "\r\n";
}

// Every file below a folder, relative, with its content.
QMap<QString, QByteArray> Istantanea(const QString& cartella)
{
    QMap<QString, QByteArray> m;
    for (QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile f(it.next());
        m.insert(QDir(cartella).relativeFilePath(f.fileName()), f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
    }
    return m;
}

// Stands in for the file dialog: keeps its record, answers the path (nothing = Cancel).
struct DialogoFinto {
    explicit DialogoFinto(std::optional<QString> risposta = std::nullopt)
    {
        ImpostaDialogoFile([this, risposta](const RecordDialogo& r) { ++mostrato; ricevuto = r; return risposta; });
    }
    ~DialogoFinto() { ImpostaDialogoFile({}); }
    RecordDialogo ricevuto;
    int mostrato = 0;
};

// The menu's exercises marked done: number, caption, checked, held as done.
QStringList Fatti(const FinestraEsercizi& w)
{
    if (!w.findChild<QMenu*>("menuEsercizi")->menuAction()->isEnabled())
        return {"menu spento"};
    QStringList l;
    for (int i = 0; i < 32; ++i) {
        QAction* e = w.findChildren<QAction*>("voceEsercizio").at(i);
        if (e->isChecked() || Globali::EsercizioFatto[i] || FinestraEsercizi::Caption(e) != " Prova")
            l << QStringLiteral("%1%2 %3 %4").arg(i + 1).arg(FinestraEsercizi::Caption(e)).arg(e->isChecked()).arg(Globali::EsercizioFatto[i]);
    }
    return l;
}
} // namespace

class TestSchedeFinestra : public QObject {
    Q_OBJECT
private slots:
    // Creating a record in the name window, or opening one from the dialog, over Carla's record.
    void schede_data()
    {
        QTest::addColumn<bool>("aperta"); // Carla's record (1 ECCELLENTE, 5 BUONO) is open
        QTest::addColumn<QString>("file"); // a record written before; "-": no record folders; "!": folder made read-only; "#": writes fail
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("azione"); // "crea " and the name typed; "apri " and the file chosen ("-": Cancel); "apri": no dialog
        QTest::addColumn<Risposta>("risposta"); // to the question asked
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<QString>("nome"); // the pupil afterwards
        QTest::addColumn<QStringList>("fatti"); // afterwards, as Fatti() lists them
        const QStringList nessuno, anonimo{DomandaAnonimo}, errore{ErroreLettura}, spento{"menu spento"};
        const QStringList carla{"1 Prova (ECCELLENTE) 1 1", "5 Prova (BUONO) 1 1"}, sei{"6 Prova (BUONO) 1 1"};
        const QStringList esiste{Msg(Icona::Critico, Pulsanti::SiNo, "NOME GIA' ESISTENTE",
            "Attenzione, ci sono già delle schede salvate con questo nome. Se procedi cancelli tutti i dati contenuti in queste schede. Vuoi procedere?")};
        const QString nomi = "apri Schede personali/Nomi/";
        const QByteArray vuoto, r = Riga({{2, 'l'}});
        QTest::newRow("Anonimo") << false << "" << vuoto << "crea " << Risposta::Si << anonimo << "Anonimo" << nessuno;
        QTest::newRow("nome e cognome") << false << "" << vuoto << "crea Mario Rossi" << Risposta::Si << nessuno << "Mario Rossi" << nessuno;
        QTest::newRow("spazi tenuti") << true << "" << vuoto << "crea   anna" << Risposta::Si << nessuno << "  anna" << nessuno;
        QTest::newRow("vuoto e No") << true << "" << vuoto << "crea " << Risposta::No << anonimo << "Carla" << carla;
        QTest::newRow("vuoto e Annulla") << false << "" << vuoto << "crea " << Risposta::Annulla << anonimo << "Carla" << spento;
        QTest::newRow("senza cartelle") << false << "-" << vuoto << "crea Bea" << Risposta::Si << nessuno << "Bea" << nessuno;
        QTest::newRow("Articoli c'è, Sì") << true << "Articoli/Anna.ZLR00" << r << "crea Anna" << Risposta::Si << esiste << "Anna" << nessuno;
        QTest::newRow("minuscolo, No") << true << "Articoli/anna.zlr00" << r << "crea Anna" << Risposta::No << esiste << "Carla" << carla;
        // The name window closed without OK creates nothing: Carla's record stays open, untouched.
        QTest::newRow("chiusa senza OK") << true << "Articoli/Carla.ZLR00" << r << "crea Bea\x1b" << Risposta::Si << nessuno << "Carla" << carla;
        QTest::newRow("solo Nomi c'è") << false << "Nomi/Anna.ZLR01" << r << "crea Anna" << Risposta::No << nessuno << "Anna" << nessuno;
        // A record of the name open on another computer: nothing is asked, nothing written.
        QTest::newRow("aperta altrove, crea") << true << "Articoli/Anna.ZLR00.lock" << BloccoAltrui << "crea Anna" << Risposta::Si << QStringList{InUso} << "Carla" << carla;
        QTest::newRow("aperta altrove, apri") << true << "Nomi/Bea.ZLR01.lock" << BloccoAltrui << nomi + "Bea.ZLR01" << Risposta::Si << QStringList{InUso} << "Carla" << carla;
        QTest::newRow("sola lettura") << true << "!Verbi 2" << vuoto << "crea Anna" << Risposta::Si << QStringList{ErroreScrittura} << "Carla" << carla;
        QTest::newRow("disco pieno") << true << "#" << vuoto << "crea Anna" << Risposta::Si << QStringList{ErroreScrittura} << "Carla" << carla;
        // Names that cannot be a file of the record folder: nothing is written anywhere.
        for (const char* ostile : {"../../x", "a/b"})
            QTest::newRow(ostile) << (ostile[0] == '.') << "" << vuoto << QStringLiteral("crea ") + ostile << Risposta::Si
                                  << QStringList{Msg(Icona::Critico, Pulsanti::OK, "Nomi", MotivoNomeNonValido(ostile))} << "Carla" << (ostile[0] == '.' ? carla : spento);
        // Opening: the record is read from the category's folder even when the pupil browsed elsewhere.
        QTest::newRow("o e q") << true << "Nomi/Bea.ZLR01" << Riga({{5, 'o'}, {6, 'q'}, {31, 'f'}}) << nomi + "Bea.ZLR01" << Risposta::Si << nessuno << "Bea" << sei + QStringList{"32 Prova (INSUFF.) 1 1"};
        QTest::newRow("scheda nuova") << true << "Nomi/Bea.ZLR01" << Nuova << nomi + "Bea.ZLR01" << Risposta::Si << nessuno << "Bea" << nessuno;
        QTest::newRow("estensione minuscola") << true << "Nomi/bea rossi.zlr01" << Riga({{5, 'o'}}) << nomi + "bea rossi.zlr01" << Risposta::Si << nessuno << "bea rossi" << sei;
        QTest::newRow("scelta altrove") << true << "Nomi/Bea.ZLR01" << Riga({{5, 'o'}}) << "apri altrove/Bea.ZLR01" << Risposta::Si << nessuno << "Bea" << sei;
        QTest::newRow("annullato") << true << "Nomi/Bea.ZLR01" << Nuova << "apri -" << Risposta::Si << nessuno << "Carla" << carla;
        QTest::newRow("file vuoto") << true << "Nomi/Bea.ZLR01" << QByteArray("") << nomi + "Bea.ZLR01" << Risposta::Si << errore << "Carla" << carla;
        QTest::newRow("titolo corto") << true << "Nomi/a.Zl" << Riga() << nomi + "a.Zl" << Risposta::Si << errore << "Carla" << carla;
        QTest::newRow("non nella categoria") << true << "Nomi/Bea.ZLR01" << Riga() << "apri altrove/Dino.ZLR01" << Risposta::Si << errore << "Carla" << carla;
        QTest::newRow("soli punti") << true << "Nomi/...Zlr01" << Riga() << nomi + "...Zlr01" << Risposta::Si << errore << "Carla" << carla;
        // Records of other categories do not count: no dialog, and nothing to open.
        QTest::newRow("nessuna scheda") << false << "Nomi/Anna.ZLR02" << Riga() << "apri" << Risposta::Si << QStringList{Msg(Icona::Informazione, Pulsanti::OK, "Nomi",
            "\r\nNon ci sono schede personali già iniziate per questo tipo di esercizi.\r\n\r\nDevi creare una nuova scheda personale.\r\n")} << "Carla" << spento;
    }

    void schede()
    {
        QFETCH(bool, aperta);
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, azione);
        QFETCH(Risposta, risposta);
        QFETCH(QStringList, messaggi);
        QFETCH(QString, nome);
        QFETCH(QStringList, fatti);
        // The exercise window of the category Nomi (32 exercises) as the main menu leaves it.
        Ambiente a;
        if (file != "-")
            a.cartella.CreaCartelleSchede();
        PreparaCategoriaProve(32, QStringLiteral("Nomi"));
        FinestraEsercizi w;
        w.setWindowTitle(QStringLiteral("Zelora: Nomi"));
        const QString radice = a.cartella.Percorso();
        if (aperta) {
            a.cartella.ScriviByte("Schede personali/Nomi/Carla.ZLR01", Riga({{0, 'l'}, {4, 'o'}}));
            DialogoFinto d(radice + "/Schede personali/Nomi/Carla.ZLR01");
            GestoreModali g;
            w.findChild<QAction*>("voceApri")->trigger();
        }
        Globali::NomeAlunno = QStringLiteral("Carla");
        if (file.contains('/'))
            a.cartella.ScriviByte("Schede personali/" + file, contenuto);
        if (file.endsWith(".lock")) // with the record it locks
            a.cartella.ScriviByte("Schede personali/" + file.chopped(5), Riga({{5, 'o'}}));
        a.cartella.ScriviByte("altrove/Bea.ZLR01", Nuova);
        PermessiVeri permessi;
        if (file.startsWith('!') && !permessi.SolaLettura(radice + "/Schede personali/" + file.mid(1)))
            QSKIP("i permessi delle cartelle non si possono far valere qui");
        std::optional<DiscoPieno> pieno;
        if (file == "#")
            pieno.emplace();
        auto prima = Istantanea(radice);
        const QStringList voci = QDir(radice).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        // The name typed into the name window (an Esc closes it instead of OK), or the file chosen.
        const bool crea = azione.startsWith("crea "), creata = crea && nome != "Carla";
        const QString scritto = azione.mid(5);
        DialogoFinto d(scritto == "-" ? std::optional<QString>() : radice + "/" + scritto);
        GestoreModali g([scritto](QWidget* finestra) {
            if (auto* f = qobject_cast<FinestraNome*>(finestra)) {
                QCOMPARE(f->windowTitle(), QStringLiteral("Nomi"));
                QTest::keyClicks(f->findChild<QLineEdit*>(), scritto);
                if (f->isVisible())
                    QTest::mouseClick(f->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        a.messaggi.Rispondi(risposta);
        w.findChild<QAction*>(crea ? "voceCrea" : "voceApri")->trigger();
        QStringList mostrati;
        for (const Messaggio& x : a.messaggi.mostrati)
            mostrati << Msg(x.icona, x.pulsanti, x.titolo, x.testo);
        QCOMPARE(mostrati, messaggi);
        QCOMPARE(Globali::NomeAlunno, nome);
        QCOMPARE(Fatti(w), fatti);
        QCOMPARE(g.aperte, crea ? QStringList{"FinestraNome"} : nome != "Carla" ? QStringList{"FinestraScheda"} : QStringList());
        QCOMPARE(a.suoni.suonati, crea && !scritto.endsWith(QChar(0x1b)) ? QStringList{"press.wav"} : QStringList());
        // The dialog: its title, filter, extension, folder and owner.
        const RecordDialogo& r = d.ricevuto;
        QCOMPARE(d.mostrato, azione.startsWith("apri ") ? 1 : 0);
        QVERIFY(!d.mostrato || (r.titolo == "Clicca la scheda da aprire" && r.estensionePredefinita == "Zlr01" && r.proprietario == &w
                                && r.cartellaIniziale == CartellaSchedeElenco("Nomi") && r.soloCartellaIniziale));
        QVERIFY(!d.mostrato || r.filtro == QStringLiteral("Esercizi di grammatica (*.Zlr01)") + QChar(0) + "*.Zlr01" + QString(3, QChar(0)));
        // All twelve records are written new, or none; nothing else changes, nothing outside.
        auto dopo = Istantanea(radice);
        // The record open in the window, and no other, is locked by this program.
        if (aperta)
            prima.remove("Schede personali/Nomi/Carla.ZLR01.lock");
        if (aperta || nome != "Carla")
            QVERIFY(dopo.take(QDir(radice).relativeFilePath(PercorsoSchedaSicuro("Nomi", nome, "Zlr01") + ".lock"))
                        .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        for (int i = 0; creata && i < NumeroCategorie; ++i) {
            const QString f = QStringLiteral("Schede personali/%1/%2.ZLR%3").arg(DatiCategoria(i).cartella, nome, CodiceScheda(i));
            QCOMPARE(dopo.take(f), Nuova);
            prima.remove(f);
        }
        QCOMPARE(dopo, prima);
        QVERIFY(creata || QDir(radice).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == voci);
        QVERIFY(QDir(QFileInfo(radice).absolutePath()).entryList({"x.ZLR*"}).isEmpty());
    }

    // A cancel empties FileName and keeps FileTitle; a path over 254 characters counts as a cancel.
    void openSaveEsito()
    {
        CartellaProva c;
        OpenSave o;
        o.FileName(QStringLiteral("proposto"));
        const auto mostra = [&](std::optional<QString> scelta) {
            DialogoFinto d(scelta);
            o.ShowOpen();
            // Without InitDir the dialog starts in the application folder.
            return QStringList{o.FileName(), o.FileTitle(), d.ricevuto.cartellaIniziale == c.Percorso() ? "" : "?"};
        };
        const QString lungo254 = "/" + QString(243, 'p') + "/Bea.ZLR01";
        QCOMPARE(mostra(std::nullopt), QStringList({"", "", ""}));
        QCOMPARE(mostra("/a/b/Anna.ZLR01"), QStringList({"/a/b/Anna.ZLR01", "Anna.ZLR01", ""}));
        QCOMPARE(mostra(std::nullopt), QStringList({"", "Anna.ZLR01", ""}));
        QCOMPARE(mostra(lungo254), QStringList({lungo254, "Bea.ZLR01", ""}));
        QCOMPARE(mostra("/" + lungo254), QStringList({"", "Bea.ZLR01", ""}));
    }

    // Qt's own dialog: Italian, the extension in any case, no way out of the folder, nothing to rename,
    // delete or create; a missing name refused, another case picked; no file written, settings included.
    void dialogoVero()
    {
        QTemporaryDir casa;
        qputenv("HOME", casa.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (casa.path() + "/.config").toLocal8Bit());
        PreparaApplicazione();
        CartellaProva c;
        MessaggiScriptati m;
        for (const char* f : {"Anna.ZLR04", "bea.zlr04", "Carlo.ZLR05", "../Nomi/Dino.ZLR04", "interna/Eva.ZLR04"})
            c.ScriviByte(QStringLiteral("Schede personali/Verbi 1/") + f, Nuova);
        const auto prima = Istantanea(c.Percorso());
        QStringList elencati, rifiutati, testi;
        GestoreModali g([&](QWidget* w) {
            auto* dialogo = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialogo && dialogo->testOption(QFileDialog::ReadOnly));
            auto* vista = dialogo->findChild<QListView*>("listView");
            auto* modello = dialogo->findChild<QFileSystemModel*>();
            const QModelIndex radice = modello->index(dialogo->directory().absolutePath());
            QVERIFY(QTest::qWaitFor([&] { return modello->rowCount(radice) >= 2; }));
            for (int i = 0; i < modello->rowCount(radice); ++i)
                if ((modello->flags(modello->index(i, 0, radice)) & Qt::ItemIsEnabled) && !vista->isRowHidden(i))
                    elencati << modello->fileName(modello->index(i, 0, radice));
            for (int k = 0; k < 4; ++k)
                testi << modello->headerData(k, Qt::Horizontal).toString();
            for (QWidget* parte : dialogo->findChildren<QWidget*>()) {
                auto* b = qobject_cast<QAbstractButton*>(parte);
                auto* l = qobject_cast<QLabel*>(parte);
                if (parte->isVisibleTo(dialogo))
                    testi << (b ? b->text() + b->toolTip() : l ? l->text() : QString());
                if (auto* v = qobject_cast<QAbstractItemView*>(parte))
                    QCOMPARE(v->contextMenuPolicy(), Qt::NoContextMenu);
            }
            auto* nome = dialogo->findChild<QLineEdit*>("fileNameEdit");
            for (const char* scritto : {"Zeno.ZLR04", "../Nomi/Dino.ZLR04", "interna", "ANNA.zlr04"}) {
                // What typing into the focused box does: the last name typed replaces the selection.
                vista->clearSelection();
                nome->setText(QString::fromLatin1(scritto));
                QMetaObject::invokeMethod(dialogo, "accept");
                if (dialogo->isVisible())
                    rifiutati << scritto;
            }
        });
        OpenSave o;
        o.InitDir(CartellaSchedeElenco(QStringLiteral("verbi 1")));
        o.Filter(QStringLiteral("Esercizi di grammatica (*.Zlr04)|*.Zlr04|"));
        o.DefaultExt(QStringLiteral("Zlr04"));
        o.SoloCartellaIniziale(true);
        o.ShowOpen();
        QCOMPARE(g.aperte, QStringList{"QFileDialog"});
        elencati.sort();
        QCOMPARE(elencati, (QStringList{"Anna.ZLR04", "bea.zlr04"}));
        QCOMPARE(rifiutati, (QStringList{"Zeno.ZLR04", "../Nomi/Dino.ZLR04", "interna"}));
        QVERIFY(m.Testi().size() == 3 && m.Testi()[0].contains(QStringLiteral("Zeno.ZLR04")));
        QCOMPARE(o.FileTitle(), QStringLiteral("Anna.ZLR04"));
        QCOMPARE(o.FileName(), c.Percorso() + QStringLiteral("/Schede personali/Verbi 1/Anna.ZLR04"));
        // Only Italian, Qt's own words too (the headers), and no button to another folder.
        testi.removeAll(QString());
        testi.removeDuplicates();
        testi.sort();
        QCOMPARE(testi.join('|'), QStringLiteral("Annulla|Apri|Data di modifica|Dimensione|Nome|Nome file:|Tipo|Tipo file:"));
        QCOMPARE(Istantanea(c.Percorso()), prima);
        QCOMPARE(Istantanea(casa.path()), (QMap<QString, QByteArray>()));
    }
};

QTEST_MAIN(TestSchedeFinestra)
#include "tst_schede_finestra.moc"
