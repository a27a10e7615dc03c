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
const QString NessunaScheda = QStringLiteral(
    "\r\nNon ci sono schede personali già iniziate per questo tipo di esercizi.\r\n\r\n"
    "Devi creare una nuova scheda personale.\r\n");
const QString DomandaAnonimo = QStringLiteral(
    "Non hai scritto nessun nome. Non posso aprirti una scheda personale.\r\n"
    "Vuoi proseguire come \"Anonimo\"?");

// The program-wide values as the main menu sets them for a category.
void ScegliCategoria(int indice)
{
    Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(indice).cartella);
    Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(indice);
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    for (int i = 0; i < n; ++i)
        Globali::TitoloIndice[i] = QStringLiteral("Esercizio %1").arg(i + 1);
    Globali::EsercizioFatto = QVector<bool>(n, false);
    Globali::Giudizio = QVector<QString>(n);
}

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
        const QString p = it.next();
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        m.insert(QDir(cartella).relativeFilePath(p), f.readAll());
    }
    return m;
}

// Stands in for the file dialog while it lives: keeps the record it was
// shown and answers with the given path (nothing = Cancel).
struct DialogoFinto {
    explicit DialogoFinto(std::optional<QString> risposta = std::nullopt)
        : scelta(std::move(risposta))
    {
        ImpostaDialogoFile([this](const RecordDialogo& r) {
            ++mostrato;
            ricevuto = r;
            return scelta;
        });
    }
    ~DialogoFinto() { ImpostaDialogoFile({}); }
    std::optional<QString> scelta;
    RecordDialogo ricevuto;
    int mostrato = 0;
};

// Types the name into the name window and presses OK.
GestoreModali::Gestore ScriviNome(const QString& nome)
{
    return [nome](QWidget* w) {
        if (auto* f = qobject_cast<frmNome*>(w)) {
            QTest::keyClicks(f->Text1, nome);
            QTest::mouseClick(f->Command1, Qt::LeftButton);
        }
    };
}

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
        m_testa.pid = 0;
        if (syscall(SYS_capget, &m_testa, m_salvati) != 0)
            return;
        __user_cap_data_struct ridotti[2];
        memcpy(ridotti, m_salvati, sizeof ridotti);
        ridotti[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH)
                                  | (1u << CAP_FOWNER));
        attivo = syscall(SYS_capset, &m_testa, ridotti) == 0;
        m_ridotto = attivo;
    }
    ~PermessiVeri()
    {
        if (m_ridotto)
            syscall(SYS_capset, &m_testa, m_salvati);
    }
    bool attivo = false;

private:
    __user_cap_header_struct m_testa{};
    __user_cap_data_struct m_salvati[2]{};
    bool m_ridotto = false;
};

bool Scrivibile(const QString& cartella)
{
    QFile prova(cartella + QStringLiteral("/.prova"));
    if (!prova.open(QIODevice::WriteOnly))
        return false;
    prova.close();
    prova.remove();
    return true;
}
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
    QTest::addColumn<bool>("domanda");
    QTest::newRow("nome e cognome") << "Mario Rossi" << true << Risposta::Si << "Mario Rossi" << false;
    QTest::newRow("spazi tenuti") << "  anna  " << true << Risposta::Si << "  anna  " << false;
    QTest::newRow("vuoto e Sì") << "" << true << Risposta::Si << "Anonimo" << true;
    QTest::newRow("vuoto e No") << "" << true << Risposta::No << "" << true;
    QTest::newRow("vuoto e Annulla") << "" << true << Risposta::Annulla << "" << true;
    QTest::newRow("chiusa senza OK") << "Bea" << false << Risposta::Si << "prima" << false;
}

void TestSchedeFinestra::finestraNome()
{
    QFETCH(QString, scritto);
    QFETCH(bool, premeOK);
    QFETCH(Risposta, risposta);
    QFETCH(QString, nome);
    QFETCH(bool, domanda);
    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    ScegliCategoria(1);
    Globali::NomeAlunno = QStringLiteral("prima");
    m.Rispondi(risposta);
    frmNome finestra(nullptr);
    QCOMPARE(finestra.windowTitle(), QStringLiteral("Nomi"));
    QCOMPARE(finestra.Label1->text(), QStringLiteral("Nome e cognome:"));
    QVERIFY(finestra.Text1->text().isEmpty());
    GestoreModali g([&](QWidget*) {
        QTest::keyClicks(finestra.Text1, scritto);
        if (premeOK)
            QTest::mouseClick(finestra.Command1, Qt::LeftButton);
    });
    finestra.exec();
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(s.suonati, premeOK ? QStringList{"press.wav"} : QStringList());
    QCOMPARE(m.mostrati.size(), domanda ? 1 : 0);
    if (domanda) {
        QCOMPARE(m.mostrati[0].testo, DomandaAnonimo);
        QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Nomi"));
        QCOMPARE(m.mostrati[0].icona, Icona::Domanda);
        QCOMPARE(m.mostrati[0].pulsanti, Pulsanti::SiNoAnnulla);
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
    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    if (cartelle)
        c.CreaCartelleSchede();
    ScegliCategoria(1);
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    QVERIFY(!w->mnuesercizi->menuAction()->isEnabled());
    GestoreModali g(ScriviNome(scritto));
    w->mnuNew->trigger();
    QCOMPARE(g.aperte, QStringList{"frmNome"});
    QCOMPARE(Globali::NomeAlunno, nome);
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString file = QStringLiteral("Schede personali/%1/%2.ZLR%3")
                                 .arg(QString::fromUtf8(DatiCategoria(i).cartella), nome, CodiceScheda(i));
        QCOMPARE(c.Leggi(file), QByteArray(72, 'x') + "\r\n");
    }
    QCOMPARE(Istantanea(c.Percorso() + QStringLiteral("/Schede personali")).size(), 12);
    QVERIFY(w->mnuesercizi->menuAction()->isEnabled());
    for (int i = 0; i <= 31; ++i) {
        QVERIFY(w->mnuesercizio[i]->isVisible());
        QVERIFY(!w->mnuesercizio[i]->isChecked());
        QCOMPARE(frmEsercizi::Caption(w->mnuesercizio[i]), QStringLiteral(" Esercizio %1").arg(i + 1));
    }
    const QStringList attesi = scritto.isEmpty() ? QStringList{DomandaAnonimo} : QStringList();
    QCOMPARE(m.Testi(), attesi);
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
    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    const QByteArray vecchia = Riga(32, {{2, 'l'}});
    c.ScriviByte(QStringLiteral("Schede personali/") + esistente, vecchia);
    const auto prima = Istantanea(c.Percorso());
    // Carla's record is open: a refused creation must leave it the open one.
    Globali::NomeAlunno = QStringLiteral("Carla");
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    m.Rispondi(risposta);
    GestoreModali g(ScriviNome(QStringLiteral("Anna")));
    w->mnuNew->trigger();
    if (domanda) {
        QCOMPARE(m.mostrati.size(), 1);
        QCOMPARE(m.mostrati[0].titolo, QStringLiteral("NOME GIA' ESISTENTE"));
        QCOMPARE(m.mostrati[0].icona, Icona::Critico);
        QCOMPARE(m.mostrati[0].pulsanti, Pulsanti::SiNo);
        QCOMPARE(m.mostrati[0].testo,
                 QStringLiteral("Attenzione, ci sono già delle schede salvate con questo nome. Se "
                                "procedi cancelli tutti i dati contenuti in queste schede. Vuoi procedere?"));
    } else {
        QVERIFY(m.mostrati.isEmpty());
    }
    if (scritte) {
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
        QCOMPARE(c.Leggi(QStringLiteral("Schede personali/") + esistente), QByteArray(72, 'x') + "\r\n");
        QCOMPARE(Istantanea(c.Percorso() + QStringLiteral("/Schede personali")).size(), 12);
    } else {
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Carla"));
        QCOMPARE(Istantanea(c.Percorso()), prima);
        QVERIFY(!w->mnuesercizi->menuAction()->isEnabled());
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
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    Globali::NomeAlunno = QStringLiteral("Carla");
    const auto prima = Istantanea(c.Percorso());
    const QStringList cartellePrima = QDir(c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    GestoreModali g(ScriviNome(nome));
    w->mnuNew->trigger();
    QCOMPARE(m.mostrati.size(), 1);
    QCOMPARE(m.mostrati[0].icona, Icona::Critico);
    QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Nomi"));
    QVERIFY(m.mostrati[0].testo.contains(QStringLiteral("nome")));
    QVERIFY(m.mostrati[0].testo.contains(QStringLiteral("\r\n")));
    QCOMPARE(Istantanea(c.Percorso()), prima);
    QCOMPARE(QDir(c.Percorso()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), cartellePrima);
    QVERIFY(!QFileInfo::exists(QFileInfo(c.Percorso() + QStringLiteral("/../x.ZLR00")).absoluteFilePath()));
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Carla"));
    QVERIFY(!w->mnuesercizi->menuAction()->isEnabled());
}

void TestSchedeFinestra::secondoAlunno()
{
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), Riga(32, {{0, 'l'}, {4, 'o'}}));
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    {
        DialogoFinto d(c.Percorso() + QStringLiteral("/Schede personali/Nomi/Anna.ZLR01"));
        GestoreModali g;
        w->mnuOpen->trigger();
    }
    QVERIFY(w->mnuesercizio[4]->isChecked());
    GestoreModali g(ScriviNome(QStringLiteral("Bruno")));
    w->mnuNew->trigger();
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Bruno"));
    for (int i = 0; i <= 31; ++i) {
        QVERIFY(!w->mnuesercizio[i]->isChecked());
        QVERIFY(!Globali::EsercizioFatto[i]);
        QVERIFY(Globali::Giudizio[i].isEmpty());
    }
    QCOMPARE(frmEsercizi::Caption(w->mnuesercizio[4]), QStringLiteral(" Esercizio 5"));
}

void TestSchedeFinestra::creazioneFallita()
{
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    const QString solaLettura = c.Percorso() + QStringLiteral("/Schede personali/Verbi 2");
    const auto prima = Istantanea(c.Percorso());
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    PermessiVeri permessi;
    QFile::setPermissions(solaLettura, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!permessi.attivo || Scrivibile(solaLettura))
        QSKIP("i permessi delle cartelle non si possono far valere qui");
    GestoreModali g(ScriviNome(QStringLiteral("Anna")));
    w->mnuNew->trigger();
    // One folder could not take its record, so none of the twelve was written.
    QCOMPARE(m.Testi(), QStringList{ErroreScrittura});
    QCOMPARE(m.mostrati[0].icona, Icona::Critico);
    QCOMPARE(Istantanea(c.Percorso()), prima);
    QVERIFY(Globali::NomeAlunno.isEmpty());
    QVERIFY(!w->mnuesercizi->menuAction()->isEnabled());
}

void TestSchedeFinestra::apri_data()
{
    QTest::addColumn<QString>("file"); // as it is on disk
    QTest::addColumn<QString>("scelto"); // as the dialog gives it back
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("nome");
    const QString cartella = QStringLiteral("Schede personali/Nomi/");
    QTest::newRow("o e q") << cartella + "Anna.ZLR01" << cartella + "Anna.ZLR01"
                           << Riga(32, {{5, 'o'}, {6, 'q'}, {31, 'f'}}) << "Anna";
    QTest::newRow("scheda nuova") << cartella + "Anna.ZLR01" << cartella + "Anna.ZLR01"
                                  << (QByteArray(72, 'x') + "\r\n") << "Anna";
    QTest::newRow("estensione minuscola") << cartella + "bea rossi.zlr01" << cartella + "bea rossi.zlr01"
                                          << Riga(32, {{5, 'o'}}) << "bea rossi";
    // The pupil browsed elsewhere: the record is read from the category's folder all the same.
    QTest::newRow("scelta in un'altra cartella") << cartella + "Anna.ZLR01" << "altrove/Anna.ZLR01"
                                                 << Riga(32, {{5, 'o'}}) << "Anna";
}

void TestSchedeFinestra::apri()
{
    QFETCH(QString, file);
    QFETCH(QString, scelto);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, nome);
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    c.ScriviByte(file, contenuto);
    if (scelto != file)
        c.ScriviByte(scelto, Riga(32));
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    DialogoFinto d(c.Percorso() + QLatin1Char('/') + scelto);
    QString titoloScheda;
    QString giudizio5;
    GestoreModali g([&](QWidget* finestra) {
        if (auto* s = qobject_cast<frmSchedaPersonale*>(finestra)) {
            titoloScheda = s->Label1->text();
            giudizio5 = s->LblGiudizio[5]->text();
        }
    });
    w->mnuOpen->trigger();
    QCOMPARE(d.mostrato, 1);
    QCOMPARE(d.ricevuto.titolo, QStringLiteral("Clicca la scheda da aprire"));
    QCOMPARE(d.ricevuto.filtro, QStringLiteral("Esercizi di grammatica (*.Zlr01)") + QChar(0)
                                    + QStringLiteral("*.Zlr01") + QString(3, QChar(0)));
    QCOMPARE(d.ricevuto.estensionePredefinita, QStringLiteral("Zlr01"));
    QCOMPARE(d.ricevuto.cartellaIniziale, CartellaSchedeElenco(QStringLiteral("Nomi")));
    QCOMPARE(d.ricevuto.proprietario, w.get());
    QCOMPARE(g.aperte, QStringList{"frmSchedaPersonale"});
    QVERIFY(m.mostrati.isEmpty());
    QCOMPARE(Globali::NomeAlunno, nome);
    QCOMPARE(titoloScheda, QStringLiteral("Scheda personale di ") + nome);
    const bool cinqueFatto = contenuto.at(2 * (31 - 5) + 1) == 'o';
    QCOMPARE(Globali::EsercizioFatto[5], cinqueFatto);
    QCOMPARE(Globali::Giudizio[5], cinqueFatto ? QStringLiteral("BUONO") : QString());
    QCOMPARE(giudizio5, cinqueFatto ? QStringLiteral("BUONO") : QStringLiteral(" "));
    QCOMPARE(w->mnuesercizio[5]->isChecked(), cinqueFatto);
    QCOMPARE(frmEsercizi::Caption(w->mnuesercizio[5]),
             cinqueFatto ? QStringLiteral(" Esercizio 6 (BUONO)") : QStringLiteral(" Esercizio 6"));
    QVERIFY(!Globali::EsercizioFatto[6]);
    QVERIFY(!w->mnuesercizio[6]->isChecked());
    QVERIFY(w->mnuesercizi->menuAction()->isEnabled());
}

void TestSchedeFinestra::apriSenzaSchede()
{
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    // Records of other categories do not count.
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/Anna.ZLR02"), Riga(32));
    c.ScriviByte(QStringLiteral("Schede personali/Articoli/Anna.ZLR00"), Riga(23));
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    DialogoFinto d(QStringLiteral("/non/usato.ZLR01"));
    w->mnuOpen->trigger();
    QCOMPARE(d.mostrato, 0);
    QCOMPARE(m.Testi(), QStringList{NessunaScheda});
    QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Nomi"));
    QCOMPARE(m.mostrati[0].icona, Icona::Informazione);
    QVERIFY(!w->mnuesercizi->menuAction()->isEnabled());
}

void TestSchedeFinestra::apriAnnullato()
{
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), Riga(32, {{5, 'o'}}));
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    GestoreModali g;
    {
        DialogoFinto d(c.Percorso() + QStringLiteral("/Schede personali/Nomi/Anna.ZLR01"));
        w->mnuOpen->trigger();
    }
    {
        DialogoFinto annulla;
        w->mnuOpen->trigger();
        QCOMPARE(annulla.mostrato, 1);
    }
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    QVERIFY(Globali::EsercizioFatto[5]);
    QVERIFY(w->mnuesercizio[5]->isChecked());
    // A later save goes to Anna's record, never to a file named only ".Zlr01".
    Globali::EsercizioFatto[7] = true;
    Globali::Giudizio[7] = QStringLiteral("DISCRETO");
    w->SalvaScheda();
    const QByteArray salvata = c.Leggi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"));
    QCOMPARE(salvata.at(2 * (31 - 7) + 1), 'r');
    QCOMPARE(salvata.at(2 * (31 - 5) + 1), 'o');
    QCOMPARE(QDir(c.Percorso() + QStringLiteral("/Schede personali/Nomi")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Anna.ZLR01"});
    QVERIFY(m.mostrati.isEmpty());
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
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), Riga(32, {{5, 'o'}}));
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/") + file, contenuto);
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    w->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    GestoreModali g;
    {
        DialogoFinto d(c.Percorso() + QStringLiteral("/Schede personali/Nomi/Anna.ZLR01"));
        w->mnuOpen->trigger();
    }
    const int sheets = g.aperte.size();
    DialogoFinto d(c.Percorso() + QLatin1Char('/') + scelto);
    w->mnuOpen->trigger();
    QCOMPARE(m.Testi(), QStringList{ErroreLettura});
    QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
    QCOMPARE(m.mostrati[0].icona, Icona::Critico);
    QCOMPARE(g.aperte.size(), sheets); // no record sheet
    // Anna's record stays the open one.
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    QVERIFY(Globali::EsercizioFatto[5]);
    QCOMPARE(Globali::Giudizio[5], QStringLiteral("BUONO"));
}

void TestSchedeFinestra::salva_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QString>("file"); // existing record, or empty
    QTest::addColumn<int>("esercizio");
    QTest::addColumn<QString>("giudizio");
    QTest::addColumn<int>("lunghezza");
    QTest::newRow("Articoli n. 3 OTTIMO") << 0 << "Articoli/Anna.ZLR00" << 3 << "OTTIMO" << 46;
    QTest::newRow("estensione minuscola tenuta") << 0 << "Articoli/Anna.zlr00" << 3 << "OTTIMO" << 46;
    QTest::newRow("Nomi n. 4 BUONO") << 1 << "Nomi/Anna.ZLR01" << 4 << "BUONO" << 64;
    QTest::newRow("Sintassi, cartella mancante") << 9 << "" << 9 << "INSUFF." << 20;
}

void TestSchedeFinestra::salva()
{
    QFETCH(int, categoria);
    QFETCH(QString, file);
    QFETCH(int, esercizio);
    QFETCH(QString, giudizio);
    QFETCH(int, lunghezza);
    CartellaProva c;
    MessaggiScriptati m;
    ScegliCategoria(categoria);
    if (!file.isEmpty())
        c.ScriviByte(QStringLiteral("Schede personali/") + file, QByteArray(72, 'x') + "\r\n");
    const QString cartella = c.Percorso() + QStringLiteral("/Schede personali/") + Globali::CategoriaCorrente;
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    Globali::NomeAlunno = QStringLiteral("Anna");
    Globali::EsercizioFatto[esercizio] = true;
    Globali::Giudizio[esercizio] = giudizio;
    w->SalvaScheda();
    QVERIFY(m.mostrati.isEmpty());
    const QStringList presenti = QDir(cartella).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(presenti.size(), 1);
    if (!file.isEmpty())
        QCOMPARE(Globali::CategoriaCorrente + QLatin1Char('/') + presenti[0], file);
    const QByteArray b = c.Leggi(QStringLiteral("Schede personali/") + Globali::CategoriaCorrente
                                 + QLatin1Char('/') + presenti[0]);
    QCOMPARE(b.size(), lunghezza + 2);
    QVERIFY(b.endsWith("\r\n"));
    const int posizione = 2 * (Globali::UltimoEsercizio - esercizio) + 2;
    QCOMPARE(b.at(posizione - 1), LetteraGiudizio(giudizio).toLatin1());
    const int filler = static_cast<unsigned char>(b.at(posizione - 2));
    QVERIFY(filler >= 161 && filler <= 255);
    QCOMPARE(filler % 2, 1);
}

void TestSchedeFinestra::salvaFallito_data()
{
    QTest::addColumn<QString>("guasto");
    QTest::newRow("cartella in sola lettura") << "sola lettura";
    QTest::newRow("al posto della cartella un file") << "file";
}

void TestSchedeFinestra::salvaFallito()
{
    QFETCH(QString, guasto);
    CartellaProva c;
    MessaggiScriptati m;
    c.CreaCartelleSchede();
    ScegliCategoria(1);
    const QString cartella = c.Percorso() + QStringLiteral("/Schede personali/Nomi");
    const QByteArray vecchia = Riga(32, {{5, 'o'}});
    c.ScriviByte(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), vecchia);
    std::unique_ptr<frmEsercizi> w(new frmEsercizi);
    w->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    {
        DialogoFinto d(cartella + QStringLiteral("/Anna.ZLR01"));
        GestoreModali g;
        w->mnuOpen->trigger();
    }
    PermessiVeri permessi;
    if (guasto == QLatin1String("sola lettura")) {
        QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (!permessi.attivo || Scrivibile(cartella))
            QSKIP("i permessi delle cartelle non si possono far valere qui");
    } else {
        QDir(cartella).removeRecursively();
        c.ScriviByte(QStringLiteral("Schede personali/Nomi"), "non una cartella");
    }
    Globali::EsercizioFatto[9] = true;
    Globali::Giudizio[9] = QStringLiteral("ECCELLENTE");
    const QVector<bool> fatto = Globali::EsercizioFatto;
    const QVector<QString> giudizi = Globali::Giudizio;
    w->SalvaScheda();
    QCOMPARE(m.Testi(), QStringList{ErroreScrittura});
    QCOMPARE(m.mostrati[0].icona, Icona::Critico);
    QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
    QCOMPARE(Globali::EsercizioFatto, fatto);
    QCOMPARE(Globali::Giudizio, giudizi);
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Anna"));
    if (guasto == QLatin1String("sola lettura")) {
        QCOMPARE(c.Leggi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01")), vecchia);
        QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden), QStringList{"Anna.ZLR01"});
    }
}

void TestSchedeFinestra::openSaveRecord()
{
    CartellaProva c;
    DialogoFinto d;
    OpenSave o;
    QVERIFY(o.FileName().isEmpty());
    QVERIFY(o.FileTitle().isEmpty());
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
    QCOMPARE(r.bufferFile.size(), 255);
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
    QTest::addColumn<QString>("prima"); // first choice
    QTest::addColumn<QString>("poi"); // second choice; "-" is Cancel
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("fileTitle");
    QTest::newRow("scelta") << "-" << "/a/b/Anna.ZLR01" << "/a/b/Anna.ZLR01" << "Anna.ZLR01";
    QTest::newRow("annullato dopo una scelta") << "/a/Anna.ZLR01" << "-" << "" << "Anna.ZLR01";
    QTest::newRow("annullato subito") << "-" << "-" << "" << "";
    QTest::newRow("percorso di 254 caratteri") << "-" << "/" + QString(243, 'p') + "/Bea.ZLR01"
                                                << "/" + QString(243, 'p') + "/Bea.ZLR01" << "Bea.ZLR01";
    QTest::newRow("percorso di 255 caratteri: come Annulla") << "/a/Anna.ZLR01" << "/" + QString(244, 'p') + "/Bea.ZLR01"
                                                              << "" << "Anna.ZLR01";
}

void TestSchedeFinestra::openSaveEsito()
{
    QFETCH(QString, prima);
    QFETCH(QString, poi);
    QFETCH(QString, fileName);
    QFETCH(QString, fileTitle);
    CartellaProva c;
    auto scelta = [](const QString& s) { return s == QLatin1String("-") ? std::optional<QString>() : s; };
    OpenSave o;
    o.FileName(QStringLiteral("proposto"));
    {
        DialogoFinto d(scelta(prima));
        o.ShowOpen();
    }
    {
        DialogoFinto d(scelta(poi));
        o.ShowOpen();
    }
    QCOMPARE(o.FileName(), fileName);
    QCOMPARE(o.FileTitle(), fileTitle);
}

void TestSchedeFinestra::dialogoVero()
{
    CartellaProva c;
    MessaggiScriptati m;
    c.ScriviByte(QStringLiteral("Schede personali/Verbi 1/Anna.ZLR04"), Riga(32));
    c.ScriviByte(QStringLiteral("Schede personali/Verbi 1/bea.zlr04"), Riga(32));
    c.ScriviByte(QStringLiteral("Schede personali/Verbi 1/Carlo.ZLR05"), Riga(32));
    QStringList elencati;
    QString titoloDialogo;
    bool rifiutato = false;
    GestoreModali g([&](QWidget* w) {
        auto* dialogo = qobject_cast<QFileDialog*>(w);
        if (!dialogo)
            return;
        titoloDialogo = dialogo->windowTitle();
        auto* vista = dialogo->findChild<QListView*>(QStringLiteral("listView"));
        auto* modello = dialogo->findChild<QFileSystemModel*>();
        if (!vista || !modello)
            return;
        const QModelIndex radice = modello->index(dialogo->directory().absolutePath());
        AttendiFinche([&] { return modello->rowCount(radice) >= 3; });
        for (int i = 0; i < modello->rowCount(radice); ++i) {
            const QModelIndex x = modello->index(i, 0, radice);
            if (!modello->isDir(x) && (modello->flags(x) & Qt::ItemIsEnabled) && !vista->isRowHidden(i))
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
    QCOMPARE(g.aperte.size(), 1);
    QCOMPARE(titoloDialogo, QStringLiteral("Clicca la scheda da aprire"));
    QCOMPARE(elencati, (QStringList{"Anna.ZLR04", "bea.zlr04"}));
    QVERIFY(rifiutato);
    QVERIFY(m.mostrati[0].testo.contains(QStringLiteral("Zeno.ZLR04")));
    QCOMPARE(o.FileTitle(), QStringLiteral("Anna.ZLR04"));
    QCOMPARE(o.FileName(), c.Percorso() + QStringLiteral("/Schede personali/Verbi 1/Anna.ZLR04"));
}

QTEST_MAIN(TestSchedeFinestra)
#include "tst_schede_finestra.moc"
