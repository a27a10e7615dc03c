// Solutions toggle and leaving the exercise window.
#include "Supporto.h"

#include "app/frmMenu.h"
#include "content/Globali.h"
#include "exercise/frmEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QAction>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString File(int tipo)
{
    QString s = QString::number(tipo) + QStringLiteral("\r\n0\r\n");
    for (int i = 0; i < 14; ++i)
        s += QStringLiteral("\"Il cane %1 corre.\",\"cane\",\"Il cane %1 corre: soluzione.\"\r\n").arg(i + 1);
    return s;
}

void Categoria()
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = 1;
    Globali::TitoloIndice = {QStringLiteral("Uno"), QStringLiteral("Due")};
    Globali::TestoIndice = Globali::TitoloScritto = Globali::TestoScritto = Globali::TitoloIndice;
    Globali::EsercizioFatto = {false, false};
    Globali::Giudizio = {QString(), QString()};
}

void TuttoDelColore(CasellaTesto* c, const QColor& colore)
{
    for (int p = 0; p < c->Testo().size(); ++p)
        QCOMPARE(c->ColoreCarattere(p), colore);
}

const QString Domanda = QStringLiteral("Vuoi tornare al menu generale?");
} // namespace

class TestSoluzioni : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void vocePerTipo_data();
    void vocePerTipo();
    void soluzioniERitorno();
    void uscita_data();
    void uscita();
    void ritornoAlMenuGenerale();

private:
    CartellaProva* m_cartella = nullptr;
    MessaggiScriptati* m_messaggi = nullptr;
    QPointer<frmEsercizi> f;
};

void TestSoluzioni::init()
{
    m_cartella = new CartellaProva;
    m_messaggi = new MessaggiScriptati;
    Categoria();
    f = new frmEsercizi;
    f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    f->AvvisoMostrato = true; // no record prompt on activation
}

void TestSoluzioni::cleanup()
{
    delete f;
    delete m_messaggi;
    delete m_cartella;
}

void TestSoluzioni::vocePerTipo_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("visibile");
    QTest::newRow("10") << 10 << false;
    QTest::newRow("40") << 40 << false;
    QTest::newRow("41") << 41 << true;
    QTest::newRow("54") << 54 << true;
}

void TestSoluzioni::vocePerTipo()
{
    QFETCH(int, tipo);
    QFETCH(bool, visibile);
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(tipo));
    f->CaricaEsercizio(1);
    QCOMPARE(f->mnusoluzioni->isVisible(), visibile);
    QCOMPARE(frmEsercizi::Caption(f->mnusoluzioni), QStringLiteral("   SOLUZIONI"));
}

void TestSoluzioni::soluzioniERitorno()
{
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(41));
    f->CaricaEsercizio(1);
    f->ProceduraRispostaEsatta(0);
    f->SelezionaRiga(2);
    for (int i = 0; i < 3; ++i)
        f->ContaErrore();

    f->mnusoluzioni->trigger();
    QCOMPARE(frmEsercizi::Caption(f->mnusoluzioni), QStringLiteral("   TORNA ALL'ESERCIZIO"));
    for (int i = 0; i < 14; ++i) {
        CasellaTesto* c = f->Testo[i];
        QCOMPARE(c->Testo(), QStringLiteral("Il cane %1 corre: soluzione.\r\n").arg(i + 1));
        TuttoDelColore(c, QColor(80, 80, 80));
        QVERIFY(!c->Ingresso());
        QVERIFY(!c->isHidden());
    }
    // Labels, error count and selection stay as they were.
    QCOMPARE(f->NumeroErrori, qint16(3));
    QCOMPARE(f->RigaCorrente, qint16(2));
    QCOMPARE(f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(f->lblrisposta[2]->BackColor(), frmEsercizi::Giallo);

    f->mnusoluzioni->trigger();
    QCOMPARE(frmEsercizi::Caption(f->mnusoluzioni), QStringLiteral("   SOLUZIONI"));
    QCOMPARE(f->NumeroErrori, qint16(0));
    QCOMPARE(f->RigheCompletate, qint16(0));
    QCOMPARE(f->RigaCorrente, qint16(100));
    QCOMPARE(frmEsercizi::Caption(f->mnuerrori), QStringLiteral("   ERRORI : 0"));
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(f->Testo[i]->Testo(), QStringLiteral("Il cane %1 corre.\r\n").arg(i + 1));
        TuttoDelColore(f->Testo[i], frmEsercizi::Nero);
        QVERIFY(f->Testo[i]->Ingresso());
        QCOMPARE(f->lblrisposta[i]->BackColor(), frmEsercizi::Grigio);
    }
    QVERIFY(m_messaggi->mostrati.isEmpty());
}

void TestSoluzioni::uscita_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("daMenu");
    QTest::addColumn<QStringList>("messaggi");
    QTest::newRow("no resta") << int(Risposta::No) << "" << false << QStringList{Domanda};
    QTest::newRow("no con scheda resta") << int(Risposta::No) << "Anonimo" << true << QStringList{Domanda};
    QTest::newRow("sì senza scheda") << int(Risposta::Si) << "" << true << QStringList{Domanda};
    QTest::newRow("sì con scheda")
        << int(Risposta::Si) << "Anonimo" << false
        << QStringList{Domanda, "Ricorda che i tuoi dati sono nella scheda 'Anonimo'"};
}

void TestSoluzioni::uscita()
{
    QFETCH(int, risposta);
    QFETCH(QString, nome);
    QFETCH(bool, daMenu);
    QFETCH(QStringList, messaggi);
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(41));
    Globali::NomeAlunno = nome;
    f->show();
    f->CaricaEsercizio(1);
    f->SelezionaRiga(3);
    f->ContaErrore();
    m_messaggi->mostrati.clear();
    QSignalSpy ritorno(f.data(), &frmEsercizi::ritornoAlMenu);

    m_messaggi->Rispondi(Risposta(risposta));
    if (daMenu)
        f->mnuexit->trigger();
    else
        f->close();
    QCOMPARE(m_messaggi->Testi(), messaggi);
    QVERIFY(m_messaggi->mostrati[0].icona == Icona::Domanda);
    QVERIFY(m_messaggi->mostrati[0].pulsanti == Pulsanti::SiNo);
    for (const Messaggio& m : m_messaggi->mostrati)
        QCOMPARE(m.titolo, QStringLiteral("Nomi"));
    if (messaggi.size() > 1)
        QVERIFY(m_messaggi->mostrati[1].icona == Icona::Informazione);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (Risposta(risposta) == Risposta::No) {
        QVERIFY(f);
        QVERIFY(f->isVisible());
        QCOMPARE(ritorno.size(), 0);
        QCOMPARE(f->RigaCorrente, qint16(3));
        QCOMPARE(f->NumeroErrori, qint16(1));
        QCOMPARE(f->lblrisposta[3]->BackColor(), frmEsercizi::Giallo);
        QCOMPARE(f->Testo[0]->Testo(), QStringLiteral("Il cane 1 corre.\r\n"));
    } else {
        QCOMPARE(ritorno.size(), 1);
        QVERIFY(!f); // the window is gone with everything it held
        QCOMPARE(Globali::TitoloIndice.size(), 2);
    }
}

void TestSoluzioni::ritornoAlMenuGenerale()
{
    m_cartella->CopiaDatiDistribuiti();
    frmMenu menu;
    menu.show();
    menu.Label_Click(0);
    QPointer<frmEsercizi> prima = menu.Esercizi();
    QVERIFY(prima && prima->isVisible());
    QVERIFY(menu.isHidden());
    prima->AvvisoMostrato = true;
    m_messaggi->mostrati.clear();

    prima->close();
    QCOMPARE(m_messaggi->Testi(), QStringList{Domanda});
    QVERIFY(menu.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!prima);
    QVERIFY(!menu.Esercizi());

    // The next category gets a window built afresh.
    menu.Label_Click(1);
    QVERIFY(menu.Esercizi());
    QVERIFY(menu.Esercizi()->isVisible());
    QCOMPARE(menu.Esercizi()->windowTitle(), QStringLiteral("Zelora: Nomi"));
    QCOMPARE(menu.Esercizi()->RigaCorrente, qint16(100));
    menu.Esercizi()->AvvisoMostrato = true;
    menu.Esercizi()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestSoluzioni)
#include "tst_soluzioni.moc"
