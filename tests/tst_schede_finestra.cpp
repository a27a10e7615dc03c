// Creating, opening and saving records through the real exercise window,
// the name window, and the file dialog wrapper (with the dialog replaced,
// and once with Qt's own dialog offscreen).
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Percorsi.h"
#include "exercise/frmEsercizi.h"
#include "platform/OpenSave.h"
#include "records/frmNome.h"
#include "records/frmSchedaPersonale.h"

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

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Risposta)

namespace {
const QString ErroreScrittura = QStringLiteral(
    "Si è verificato un errore, non è possibile salvare i dati.\r\n"
    "Verificare che la cartella delle schede personali sia accessibile.");
const QString ErroreLettura =
    QStringLiteral("Si è verificato un errore, non è possibile procedere nella lettura dei dati.");
const QString DomandaAnonimo = QStringLiteral(
    "Non hai scritto nessun nome. Non posso aprirti una scheda personale.\r\n"
    "Vuoi proseguire come \"Anonimo\"?");
const QByteArray Nuova = QByteArray(72, 'x') + "\r\n";

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

void Verifica(const Messaggio& m, Icona icona, const QString& titolo, const QString& testo)
{
    QCOMPARE(m.icona, icona);
    QCOMPARE(m.titolo, titolo);
    QCOMPARE(m.testo, testo);
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

// Takes away root's right to ignore file permissions while it lives, so that
// a read-only folder is read-only for the test too. attivo is false when the
// permissions cannot be made to count.
class PermessiVeri {
public:
    PermessiVeri()
    {
        if (geteuid() != 0) {
            attivo = true;
            return;
        }
        m_testa.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &m_testa, m_salvati) != 0)
            return;
        __user_cap_data_struct ridotti[2];
        memcpy(ridotti, m_salvati, sizeof ridotti);
        ridotti[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_ridotto = attivo = syscall(SYS_capset, &m_testa, ridotti) == 0;
    }
    ~PermessiVeri()
    {
        if (m_ridotto)
            syscall(SYS_capset, &m_testa, m_salvati);
    }
    // Makes the folder read-only; false when writing in it still works.
    bool SolaLettura(const QString& cartella)
    {
        QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile prova(cartella + QStringLiteral("/.prova"));
        return attivo && !prova.open(QIODevice::WriteOnly);
    }
    bool attivo = false;

private:
    __user_cap_header_struct m_testa{};
    __user_cap_data_struct m_salvati[2]{};
    bool m_ridotto = false;
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
        w = std::make_unique<frmEsercizi>();
        w->setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    }
    QString Cartella() const { return c.Percorso() + QStringLiteral("/Schede personali/") + Globali::CategoriaCorrente; }
    void Scheda(const QString& file, const QByteArray& riga) const { c.ScriviByte(QStringLiteral("Schede personali/") + file, riga); }
    QByteArray Scheda(const QString& file) const { return c.Leggi(QStringLiteral("Schede personali/") + file); }
    // Creates a record, typing the name into the name window.
    void Crea(const QString& nome) const
    {
        GestoreModali g([nome](QWidget* finestra) {
            if (auto* f = qobject_cast<frmNome*>(finestra)) {
                QTest::keyClicks(f->Text1, nome);
                QTest::mouseClick(f->Command1, Qt::LeftButton);
            }
        });
        w->mnuNew->trigger();
    }
    // Opens the record the dialog gives back (below the application folder).
    void Apri(const QString& scelto) const
    {
        DialogoFinto d(c.Percorso() + QLatin1Char('/') + scelto);
        GestoreModali g;
        w->mnuOpen->trigger();
    }
    bool MenuAttivo() const { return w->mnuesercizi->menuAction()->isEnabled(); }

    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    std::unique_ptr<frmEsercizi> w;
};
} // namespace

class TestSchedeFinestra : public QObject {
    Q_OBJECT
private slots:
    void finestraNome_data();
    void finestraNome();
    void nuovaScheda_data();
    void nuovaScheda();
    void nomeGiaEsistente_data();
    void nomeGiaEsistente();
    void nomiOstili_data();
    void nomiOstili();
    void secondoAlunno();
    void creazioneFallita();
    void apri_data();
    void apri();
    void apriSenzaSchede();
    void apriAnnullato();
    void apriErrori_data();
    void apriErrori();
    void salva_data();
    void salva();
    void salvaFallito_data();
    void salvaFallito();
    void openSaveRecord();
    void openSaveEsito_data();
    void openSaveEsito();
    void dialogoVero();
};

void TestSchedeFinestra::finestraNome_data()
{
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<bool>("premeOK");
    QTest::addColumn<Risposta>("risposta");
    QTest::addColumn<QString>("nome");
    QTest::newRow("nome e cognome") << "Mario Rossi" << true << Risposta::Si << "Mario Rossi";
    QTest::newRow("spazi tenuti") << "  anna  " << true << Risposta::Si << "  anna  ";
    QTest::newRow("vuoto e Sì") << "" << true << Risposta::Si << "Anonimo";
    QTest::newRow("vuoto e No") << "" << true << Risposta::No << "";
    QTest::newRow("vuoto e Annulla") << "" << true << Risposta::Annulla << "";
    QTest::newRow("chiusa senza OK") << "Bea" << false << Risposta::Si << "prima";
}

void TestSchedeFinestra::finestraNome()
{
    QFETCH(QString, scritto);
    QFETCH(bool, premeOK);
    QFETCH(Risposta, risposta);
    QFETCH(QString, nome);
    Banco b;
    Globali::NomeAlunno = QStringLiteral("prima");
    b.m.Rispondi(risposta);
    frmNome finestra(nullptr);
    QCOMPARE(finestra.windowTitle(), QStringLiteral("Nomi"));
    QCOMPARE(finestra.Label1->text(), QStringLiteral("Nome e cognome:"));
    GestoreModali g([&](QWidget*) {
        QTest::keyClicks(finestra.Text1, scritto);
        if (premeOK)
            QTest::mouseClick(finestra.Command1, Qt::LeftButton);
    });
    finestra.exec();
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(b.s.suonati, premeOK ? QStringList{"press.wav"} : QStringList());
    QCOMPARE(b.m.mostrati.size(), premeOK && scritto.isEmpty() ? 1 : 0);
    if (!b.m.mostrati.isEmpty()) {
        Verifica(b.m.mostrati[0], Icona::Domanda, QStringLiteral("Nomi"), DomandaAnonimo);
        QCOMPARE(b.m.mostrati[0].pulsanti, Pulsanti::SiNoAnnulla);
    }
}

void TestSchedeFinestra::nuovaScheda_data()
{
    QTest::addColumn<QString>("scritto");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("cartelle");
    QTest::newRow("Anonimo") << "" << "Anonimo" << true;
    QTest::newRow("nome e cognome") << "Mario Rossi" << "Mario Rossi" << true;
    QTest::newRow("cartelle delle schede mancanti") << "Bea" << "Bea" << false;
}

void TestSchedeFinestra::nuovaScheda()
{
    QFETCH(QString, scritto);
    QFETCH(QString, nome);
    QFETCH(bool, cartelle);
    Banco b(1, cartelle);
    QVERIFY(!b.MenuAttivo());
    b.Crea(scritto);
    QCOMPARE(Globali::NomeAlunno, nome);
    const auto file = Istantanea(b.c.Percorso() + QStringLiteral("/Schede personali"));
    QCOMPARE(file.size(), 12);
    for (int i = 0; i < NumeroCategorie; ++i)
        QCOMPARE(file.value(QStringLiteral("%1/%2.ZLR%3").arg(QString::fromUtf8(DatiCategoria(i).cartella), nome, CodiceScheda(i))), Nuova);
    QVERIFY(b.MenuAttivo());
    for (int i = 0; i <= 31; ++i) {
        QVERIFY(b.w->mnuesercizio[i]->isVisible() && !b.w->mnuesercizio[i]->isChecked());
        QCOMPARE(frmEsercizi::Caption(b.w->mnuesercizio[i]), QStringLiteral(" Esercizio %1").arg(i + 1));
    }
    QCOMPARE(b.m.Testi(), scritto.isEmpty() ? QStringList{DomandaAnonimo} : QStringList());
}

void TestSchedeFinestra::nomeGiaEsistente_data()
{
    QTest::addColumn<QString>("esistente"); // which of Anna's records already exists
    QTest::addColumn<Risposta>("risposta");
    QTest::addColumn<bool>("domanda");
    QTest::addColumn<bool>("scritte");
    QTest::newRow("Articoli esiste, No") << "Articoli/Anna.ZLR00" << Risposta::No << true << false;
    QTest::newRow("Articoli esiste, Sì") << "Articoli/Anna.ZLR00" << Risposta::Si << true << true;
    QTest::newRow("Articoli in minuscolo, No") << "Articoli/anna.zlr00" << Risposta::No << true << false;
    QTest::newRow("solo Nomi esiste: nessuna domanda") << "Nomi/Anna.ZLR01" << Risposta::No << false << true;
}

void TestSchedeFinestra::nomeGiaEsistente()
{
    QFETCH(QString, esistente);
    QFETCH(Risposta, risposta);
    QFETCH(bool, domanda);
    QFETCH(bool, scritte);
    Banco b;
    b.Scheda(esistente, Riga(32, {{2, 'l'}}));
    const auto prima = Istantanea(b.c.Percorso());
    // Carla's record is open: a refused creation must leave it the open one.
    Globali::NomeAlunno = QStringLiteral("Carla");
    b.m.Rispondi(risposta);
    b.Crea(QStringLiteral("Anna"));
    QCOMPARE(b.m.mostrati.size(), domanda ? 1 : 0);
    if (domanda) {
        Verifica(b.m.mostrati[0], Icona::Critico, QStringLiteral("NOME GIA' ESISTENTE"),
                 QStringLiteral("Attenzione, ci sono già delle schede salvate con questo nome. Se "
                                "procedi cancelli tutti i dati contenuti in queste schede. Vuoi procedere?"));
        QCOMPARE(b.m.mostrati[0].pulsanti, Pulsanti::SiNo);
    }
    QCOMPARE(Globali::NomeAlunno, scritte ? QStringLiteral("Anna") : QStringLiteral("Carla"));
    QCOMPARE(b.MenuAttivo(), scritte);
    if (scritte) {
        QCOMPARE(b.Scheda(esistente), Nuova);
        QCOMPARE(Istantanea(b.c.Percorso() + QStringLiteral("/Schede personali")).size(), 12);
    } else {
        QCOMPARE(Istantanea(b.c.Percorso()), prima);
    }
}

void TestSchedeFinestra::nomiOstili_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("risale le cartelle") << "../../x";
    QTest::newRow("sottocartella") << "a/b";
    QTest::newRow("due punti") << "..";
    QTest::newRow("barra rovescia") << "..\\..\\x";
    QTest::newRow("lettera di unità") << "C:x";
    QTest::newRow("asterisco") << "tutti*";
}

void TestSchedeFinestra::nomiOstili()
{
    QFETCH(QString, nome);
    Banco b;
    Globali::NomeAlunno = QStringLiteral("Carla");
    const QString sopra = QFileInfo(b.c.Percorso()).absolutePath();
    const auto prima = Istantanea(b.c.Percorso());
    const QStringList cartelle = QDir(b.c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    b.Crea(nome);
    QCOMPARE(b.m.mostrati.size(), 1);
    QCOMPARE(b.m.mostrati[0].icona, Icona::Critico);
    QCOMPARE(b.m.mostrati[0].titolo, QStringLiteral("Nomi"));
    QVERIFY(b.m.mostrati[0].testo.contains(QStringLiteral("nome")));
    QCOMPARE(Istantanea(b.c.Percorso()), prima);
    QCOMPARE(QDir(b.c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), cartelle);
    QVERIFY(QDir(sopra).entryList({QStringLiteral("x.ZLR*")}).isEmpty());
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Carla"));
    QVERIFY(!b.MenuAttivo());
}

void TestSchedeFinestra::secondoAlunno()
{
    Banco b;
    b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"), Riga(32, {{0, 'l'}, {4, 'o'}}));
    b.Apri(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    QVERIFY(b.w->mnuesercizio[4]->isChecked());
    b.Crea(QStringLiteral("Bruno"));
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Bruno"));
    QCOMPARE(Globali::EsercizioFatto, QVector<bool>(32, false));
    QCOMPARE(Globali::Giudizio, QVector<QString>(32));
    for (int i = 0; i <= 31; ++i)
        QVERIFY(!b.w->mnuesercizio[i]->isChecked());
    QCOMPARE(frmEsercizi::Caption(b.w->mnuesercizio[4]), QStringLiteral(" Esercizio 5"));
}

void TestSchedeFinestra::creazioneFallita()
{
    Banco b;
    const auto prima = Istantanea(b.c.Percorso());
    PermessiVeri permessi;
    if (!permessi.SolaLettura(b.c.Percorso() + QStringLiteral("/Schede personali/Verbi 2")))
        QSKIP("i permessi delle cartelle non si possono far valere qui");
    b.Crea(QStringLiteral("Anna"));
    // One folder could not take its record, so none of the twelve was written.
    QCOMPARE(b.m.mostrati.size(), 1);
    Verifica(b.m.mostrati[0], Icona::Critico, QStringLiteral("Zelora: Nomi"), ErroreScrittura);
    QCOMPARE(Istantanea(b.c.Percorso()), prima);
    QVERIFY(Globali::NomeAlunno.isEmpty());
    QVERIFY(!b.MenuAttivo());
}

void TestSchedeFinestra::apri_data()
{
    QTest::addColumn<QString>("file"); // in the Nomi record folder
    QTest::addColumn<QString>("scelto"); // as the dialog gives it back
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("nome");
    const QString cartella = QStringLiteral("Schede personali/Nomi/");
    QTest::newRow("o e q") << "Anna.ZLR01" << cartella + "Anna.ZLR01" << Riga(32, {{5, 'o'}, {6, 'q'}, {31, 'f'}}) << "Anna";
    QTest::newRow("scheda nuova") << "Anna.ZLR01" << cartella + "Anna.ZLR01" << Nuova << "Anna";
    QTest::newRow("estensione minuscola") << "bea rossi.zlr01" << cartella + "bea rossi.zlr01" << Riga(32, {{5, 'o'}}) << "bea rossi";
    // The pupil browsed elsewhere: the record is read from the category's folder all the same.
    QTest::newRow("scelta in un'altra cartella") << "Anna.ZLR01" << "altrove/Anna.ZLR01" << Riga(32, {{5, 'o'}}) << "Anna";
}

void TestSchedeFinestra::apri()
{
    QFETCH(QString, file);
    QFETCH(QString, scelto);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, nome);
    Banco b;
    b.Scheda(QStringLiteral("Nomi/") + file, contenuto);
    b.c.ScriviByte(QStringLiteral("altrove/Anna.ZLR01"), Nuova);
    DialogoFinto d(b.c.Percorso() + QLatin1Char('/') + scelto);
    QString titoloScheda, giudizio5;
    GestoreModali g([&](QWidget* finestra) {
        if (auto* s = qobject_cast<frmSchedaPersonale*>(finestra)) {
            titoloScheda = s->Label1->text();
            giudizio5 = s->LblGiudizio[5]->text();
        }
    });
    b.w->mnuOpen->trigger();
    QCOMPARE(d.ricevuto.titolo, QStringLiteral("Clicca la scheda da aprire"));
    QCOMPARE(d.ricevuto.filtro, QStringLiteral("Esercizi di grammatica (*.Zlr01)") + QChar(0)
                                    + QStringLiteral("*.Zlr01") + QString(3, QChar(0)));
    QCOMPARE(d.ricevuto.estensionePredefinita, QStringLiteral("Zlr01"));
    QCOMPARE(d.ricevuto.cartellaIniziale, CartellaSchedeElenco(QStringLiteral("Nomi")));
    QCOMPARE(d.ricevuto.proprietario, b.w.get());
    QCOMPARE(g.aperte, QStringList{"frmSchedaPersonale"});
    QVERIFY(b.m.mostrati.isEmpty());
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(titoloScheda, QStringLiteral("Scheda personale di ") + nome);
    const bool cinque = contenuto.at(2 * (31 - 5) + 1) == 'o';
    QCOMPARE(Globali::EsercizioFatto[5], cinque);
    QCOMPARE(Globali::Giudizio[5], cinque ? QStringLiteral("BUONO") : QString());
    QCOMPARE(giudizio5, cinque ? QStringLiteral("BUONO") : QStringLiteral(" "));
    QCOMPARE(b.w->mnuesercizio[5]->isChecked(), cinque);
    QCOMPARE(frmEsercizi::Caption(b.w->mnuesercizio[5]), cinque ? QStringLiteral(" Esercizio 6 (BUONO)") : QStringLiteral(" Esercizio 6"));
    QVERIFY(!Globali::EsercizioFatto[6] && !b.w->mnuesercizio[6]->isChecked());
    QVERIFY(b.MenuAttivo());
}

void TestSchedeFinestra::apriSenzaSchede()
{
    Banco b;
    // Records of other categories do not count.
    b.Scheda(QStringLiteral("Nomi/Anna.ZLR02"), Riga(32));
    b.Scheda(QStringLiteral("Articoli/Anna.ZLR00"), Riga(23));
    DialogoFinto d(QStringLiteral("/non/usato.ZLR01"));
    b.w->mnuOpen->trigger();
    QCOMPARE(d.mostrato, 0);
    QCOMPARE(b.m.mostrati.size(), 1);
    Verifica(b.m.mostrati[0], Icona::Informazione, QStringLiteral("Nomi"),
             QStringLiteral("\r\nNon ci sono schede personali già iniziate per questo tipo di esercizi.\r\n\r\n"
                            "Devi creare una nuova scheda personale.\r\n"));
    QVERIFY(!b.MenuAttivo());
}

void TestSchedeFinestra::apriAnnullato()
{
    Banco b;
    b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"), Riga(32, {{5, 'o'}}));
    b.Apri(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    {
        DialogoFinto annulla;
        b.w->mnuOpen->trigger();
        QCOMPARE(annulla.mostrato, 1);
    }
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    QVERIFY(Globali::EsercizioFatto[5] && b.w->mnuesercizio[5]->isChecked());
    // A later save goes to Anna's record, never to a file named only ".Zlr01".
    Globali::EsercizioFatto[7] = true;
    Globali::Giudizio[7] = QStringLiteral("DISCRETO");
    b.w->SalvaScheda();
    const QByteArray salvata = b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"));
    QCOMPARE(salvata.at(2 * (31 - 7) + 1), 'r');
    QCOMPARE(salvata.at(2 * (31 - 5) + 1), 'o');
    QCOMPARE(QDir(b.Cartella()).entryList(QDir::Files | QDir::Hidden), QStringList{"Anna.ZLR01"});
    QVERIFY(b.m.mostrati.isEmpty());
}

void TestSchedeFinestra::apriErrori_data()
{
    QTest::addColumn<QString>("file"); // written in the Nomi record folder
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("scelto"); // below the application folder
    QTest::newRow("file vuoto") << "Carla.ZLR01" << QByteArray() << "Schede personali/Nomi/Carla.ZLR01";
    QTest::newRow("titolo troppo corto") << "a.Zl" << Riga(32) << "Schede personali/Nomi/a.Zl";
    QTest::newRow("non c'è nella cartella della categoria") << "Bea.ZLR01" << Riga(32) << "altrove/Carla.ZLR01";
    QTest::newRow("nome di soli punti") << "...Zlr01" << Riga(32) << "Schede personali/Nomi/...Zlr01";
}

void TestSchedeFinestra::apriErrori()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, scelto);
    Banco b;
    b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"), Riga(32, {{5, 'o'}}));
    b.Scheda(QStringLiteral("Nomi/") + file, contenuto);
    b.Apri(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    GestoreModali g;
    DialogoFinto d(b.c.Percorso() + QLatin1Char('/') + scelto);
    b.w->mnuOpen->trigger();
    QCOMPARE(b.m.mostrati.size(), 1);
    Verifica(b.m.mostrati[0], Icona::Critico, QStringLiteral("Zelora: Nomi"), ErroreLettura);
    QVERIFY(g.aperte.isEmpty()); // no record sheet
    // Anna's record stays the open one.
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    QCOMPARE(Globali::Giudizio[5], QStringLiteral("BUONO"));
}

void TestSchedeFinestra::salva_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QString>("file"); // existing record, or empty
    QTest::addColumn<int>("esercizio");
    QTest::addColumn<QString>("giudizio");
    QTest::newRow("Articoli n. 3 OTTIMO") << 0 << "Anna.ZLR00" << 3 << "OTTIMO";
    QTest::newRow("estensione minuscola tenuta") << 0 << "Anna.zlr00" << 3 << "OTTIMO";
    QTest::newRow("Sintassi, cartella mancante") << 9 << "" << 9 << "INSUFF.";
}

void TestSchedeFinestra::salva()
{
    QFETCH(int, categoria);
    QFETCH(QString, file);
    QFETCH(int, esercizio);
    QFETCH(QString, giudizio);
    Banco b(categoria, false);
    if (!file.isEmpty())
        b.Scheda(Globali::CategoriaCorrente + QLatin1Char('/') + file, Nuova);
    Globali::NomeAlunno = QStringLiteral("Anna");
    Globali::EsercizioFatto[esercizio] = true;
    Globali::Giudizio[esercizio] = giudizio;
    b.w->SalvaScheda();
    QVERIFY(b.m.mostrati.isEmpty());
    const QStringList presenti = QDir(b.Cartella()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(presenti, QStringList{file.isEmpty() ? QStringLiteral("Anna.Zlr09") : file});
    const QByteArray riga = b.Scheda(Globali::CategoriaCorrente + QLatin1Char('/') + presenti[0]);
    QCOMPARE(riga.size(), 2 * (Globali::UltimoEsercizio + 1) + 2);
    const int posizione = 2 * (Globali::UltimoEsercizio - esercizio) + 2; // 40th for Articoli n. 3
    QCOMPARE(riga.at(posizione - 1), LetteraGiudizio(giudizio).toLatin1());
    const int filler = static_cast<unsigned char>(riga.at(posizione - 2));
    QVERIFY(filler >= 161 && filler <= 255 && filler % 2 == 1);
}

void TestSchedeFinestra::salvaFallito_data()
{
    QTest::addColumn<bool>("solaLettura"); // otherwise the folder's name is taken by a file
    QTest::newRow("cartella in sola lettura") << true;
    QTest::newRow("al posto della cartella un file") << false;
}

void TestSchedeFinestra::salvaFallito()
{
    QFETCH(bool, solaLettura);
    Banco b;
    const QByteArray vecchia = Riga(32, {{5, 'o'}});
    b.Scheda(QStringLiteral("Nomi/Anna.ZLR01"), vecchia);
    b.Apri(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    PermessiVeri permessi;
    if (!solaLettura) {
        QDir(b.Cartella()).removeRecursively();
        b.Scheda(QStringLiteral("Nomi"), "non una cartella");
    } else if (!permessi.SolaLettura(b.Cartella())) {
        QSKIP("i permessi delle cartelle non si possono far valere qui");
    }
    Globali::EsercizioFatto[9] = true;
    Globali::Giudizio[9] = QStringLiteral("ECCELLENTE");
    const QVector<bool> fatto = Globali::EsercizioFatto;
    const QVector<QString> giudizi = Globali::Giudizio;
    b.w->SalvaScheda();
    QCOMPARE(b.m.mostrati.size(), 1);
    Verifica(b.m.mostrati[0], Icona::Critico, QStringLiteral("Zelora: Nomi"), ErroreScrittura);
    QCOMPARE(Globali::EsercizioFatto, fatto);
    QCOMPARE(Globali::Giudizio, giudizi);
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    if (solaLettura) {
        QCOMPARE(b.Scheda(QStringLiteral("Nomi/Anna.ZLR01")), vecchia);
        QCOMPARE(QDir(b.Cartella()).entryList(QDir::Files | QDir::Hidden), QStringList{"Anna.ZLR01"});
    }
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
