// The exercise window: design state, item selection, prompt, menu rebuilding.
#include "Supporto.h"

#include "content/Globali.h"
#include "windows/FinestraEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

namespace {
QString FileSemplice()
{
    QString s = QStringLiteral("10\r\n2\r\n\"nome\"\r\n\"verbo\"\r\n");
    for (int i = 0; i < 14; ++i)
        s += QStringLiteral("\"Frase %1.\",\"nome\",\"Frase\"\r\n").arg(i + 1);
    return s;
}

void Categoria(int ultimo)
{
    Globali::CategoriaCorrente = QStringLiteral("Articoli");
    Globali::UltimoEsercizio = static_cast<qint16>(ultimo);
    Globali::TitoloIndice = QVector<QString>(ultimo + 1);
    Globali::TestoIndice = QVector<QString>(ultimo + 1);
    Globali::TitoloScritto = QVector<QString>(ultimo + 1);
    Globali::TestoScritto = QVector<QString>(ultimo + 1);
    Globali::EsercizioFatto = QVector<bool>(ultimo + 1, false);
    Globali::Giudizio = QVector<QString>(ultimo + 1);
    for (int i = 0; i <= ultimo; ++i)
        Globali::TitoloIndice[i] = QStringLiteral("Esercizio %1").arg(i + 1);
}
} // namespace

class TestFinestraEsercizi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void statoIniziale();
    void menuConLeDidascalie_data();
    void menuConLeDidascalie();
    void selezione();
    void rispostaInCorso();
    void rigaVerdeNonSiSeleziona();
    void etichettaRossaRestaRossa();
    void clicSullaCasellaSeleziona();
    void promptLampeggiante();
    void ripulisciSchermo();
    void ripristinaMenu();
    void avvisoUnaVoltaPerApertura();

private:
    CartellaProva* m_cartella = nullptr;
    MessaggiScriptati* m_messaggi = nullptr;
    FinestraEsercizi* f = nullptr;
};

void TestFinestraEsercizi::init()
{
    m_cartella = new CartellaProva;
    m_messaggi = new MessaggiScriptati;
    Categoria(22);
    m_cartella->Scrivi(QStringLiteral("Esercizi/Articoli/ESERCIZIO 00.txt"), FileSemplice());
    f = new FinestraEsercizi;
    f->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestFinestraEsercizi::cleanup()
{
    delete f;
    delete m_messaggi;
    delete m_cartella;
}

void TestFinestraEsercizi::statoIniziale()
{
    QCOMPARE(f->width(), 800);
    QCOMPARE(f->height(), 600);
    QCOMPARE(f->windowTitle(), QStringLiteral("Articoli"));
    QVERIFY(!f->AvvisoMostrato);
    QCOMPARE(f->RigaCorrente, qint16(100));
    QCOMPARE(f->ModoClic, qint16(0));
    QVERIFY(!f->Timer1->isActive());
    QCOMPARE(f->Timer1->interval(), 500);
    QVERIFY(f->Label3->text().isEmpty());
    QVERIFY(f->List1->isHidden());
    for (int i = 0; i < 14; ++i) {
        QVERIFY(f->Testo[i]->isHidden());
        QVERIFY(f->lblrisposta[i]->isHidden());
    }
    // Two columns of seven rows, the first at 1245 twips.
    QCOMPARE(f->lblrisposta[0]->geometry().top(), 83);
    QCOMPARE(f->lblrisposta[7]->geometry().top(), 83);
    QCOMPARE(f->lblrisposta[6]->geometry().top(), 472);
    QVERIFY(f->lblrisposta[7]->geometry().left() > f->Testo[0]->geometry().right());
    QCOMPARE(f->lblrisposta[0]->size(), QSize(50, 62));
    QVERIFY(f->List1->geometry().left() > f->Testo[13]->geometry().right());
}

void TestFinestraEsercizi::menuConLeDidascalie_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<bool>("abilitata");
    QTest::addColumn<bool>("visibile");
    QTest::newRow("apri") << "mnuOpen" << " Apri una scheda personale già esistente" << true << true;
    QTest::newRow("crea") << "mnuNew" << " Crea una scheda personale nuova" << true << true;
    QTest::newRow("visualizza") << "mnuVisualizza" << " Visualizza la tua scheda personale" << false << true;
    QTest::newRow("indice") << "mnuindice" << "INDICE DEGLI ESERCIZI" << true << true;
    QTest::newRow("stampa") << "mnuStampaEsercizio" << " Stampa una scheda con questo esercizio" << true << true;
    QTest::newRow("help") << "mnuHelp" << "   HELP" << false << true;
    QTest::newRow("soluzioni") << "mnusoluzioni" << "   SOLUZIONI" << false << false;
    QTest::newRow("esci") << "mnuexit" << "   ESCI" << true << true;
    QTest::newRow("errori") << "mnuerrori" << "   ERRORI: 0" << false << false;
}

void TestFinestraEsercizi::menuConLeDidascalie()
{
    QFETCH(QString, nome);
    QFETCH(QString, didascalia);
    QFETCH(bool, abilitata);
    QFETCH(bool, visibile);
    QAction* a = f->findChild<QAction*>(nome);
    QVERIFY(a);
    QCOMPARE(FinestraEsercizi::Caption(a), didascalia);
    QCOMPARE(a->isEnabled(), abilitata);
    QCOMPARE(a->isVisible(), visibile);
    const QList<QAction*> barra = f->menuBar()->actions();
    QStringList titoli;
    for (QAction* m : barra)
        titoli << (m->menu() ? m->text() : FinestraEsercizi::Caption(m));
    QCOMPARE(titoli, (QStringList{"SCHEDA PERSONALE", "INDICE DEGLI ESERCIZI", "SCEGLI UN ESERCIZIO",
                                   "STAMPA", "   HELP", "   SOLUZIONI", "   ESCI", "   ERRORI: 0"}));
    QVERIFY(!f->mnuesercizi->menuAction()->isEnabled());
    QVERIFY(!f->mnustampa->menuAction()->isEnabled());
    for (int i = 0; i < 36; ++i) {
        QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[i]), QString::number(i + 1));
        QCOMPARE(f->mnuesercizio[i]->isVisible(), i < 4);
    }
}

void TestFinestraEsercizi::selezione()
{
    f->CaricaEsercizio(0);
    f->SelezionaRiga(5);
    f->SelezionaRiga(9);
    QCOMPARE(f->lblrisposta[5]->BackColor(), FinestraEsercizi::Grigio);
    QCOMPARE(f->lblrisposta[9]->BackColor(), FinestraEsercizi::Giallo);
    QCOMPARE(f->RigaCorrente, qint16(9));
    QVERIFY(f->Shape1->isVisibleTo(f));
    QCOMPARE(f->Shape1->geometry().top(), f->Testo[9]->geometry().top());
    QVERIFY(f->Shape1->geometry().left() < f->Testo[9]->geometry().left());
}

void TestFinestraEsercizi::rispostaInCorso()
{
    f->CaricaEsercizio(0);
    f->SelezionaRiga(3);
    f->PassoRisposta = 1;
    f->SelezionaRiga(3);
    QVERIFY(m_messaggi->mostrati.isEmpty());
    f->SelezionaRiga(4);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    QCOMPARE(m_messaggi->mostrati.first().titolo, QStringLiteral("ATTENZIONE"));
    QCOMPARE(m_messaggi->mostrati.first().testo,
             QStringLiteral("Prima di passare ad un'altra frase, completa quella che hai iniziato."));
    QCOMPARE(f->RigaCorrente, qint16(3));
    QCOMPARE(f->lblrisposta[4]->BackColor(), FinestraEsercizi::Grigio);
}

void TestFinestraEsercizi::rigaVerdeNonSiSeleziona()
{
    f->CaricaEsercizio(0);
    f->SelezionaRiga(2);
    f->ProceduraRispostaEsatta(2);
    QCOMPARE(f->lblrisposta[2]->BackColor(), FinestraEsercizi::Verde);
    QCOMPARE(f->lblrisposta[2]->ForeColor(), FinestraEsercizi::Blu);
    QCOMPARE(f->lblrisposta[2]->Caption(), QStringLiteral("\r\nok"));
    QVERIFY(!f->Testo[2]->Ingresso());
    QCOMPARE(f->RigheCompletate, qint16(1));
    f->SelezionaRiga(6);
    f->SelezionaRiga(2);
    QCOMPARE(f->RigaCorrente, qint16(6));
    QCOMPARE(f->lblrisposta[6]->BackColor(), FinestraEsercizi::Giallo);
}

void TestFinestraEsercizi::etichettaRossaRestaRossa()
{
    f->CaricaEsercizio(0);
    f->SelezionaRiga(1);
    f->lblrisposta[1]->ImpostaBackColor(FinestraEsercizi::Rosso);
    f->SelezionaRiga(8);
    QCOMPARE(f->lblrisposta[1]->BackColor(), FinestraEsercizi::Rosso);
    // With no item selected, item 0 is the one examined, and only if yellow.
    f->SelezionaRiga(0);
    f->RigaCorrente = 100;
    f->SelezionaRiga(11);
    QCOMPARE(f->lblrisposta[0]->BackColor(), FinestraEsercizi::Grigio);
    QCOMPARE(f->lblrisposta[8]->BackColor(), FinestraEsercizi::Grigio);
}

void TestFinestraEsercizi::clicSullaCasellaSeleziona()
{
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->CaricaEsercizio(0);
    QTest::mouseClick(f->Testo[12]->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(f->RigaCorrente, qint16(12));
    QTest::mouseClick(f->lblrisposta[4], Qt::LeftButton);
    QCOMPARE(f->RigaCorrente, qint16(4));
    QCOMPARE(f->lblrisposta[12]->BackColor(), FinestraEsercizi::Grigio);
}

void TestFinestraEsercizi::promptLampeggiante()
{
    f->RipristinaMenuEsercizi();
    QVERIFY(f->Timer1->isActive());
    QVERIFY(f->Label3->text().isEmpty());
    f->Timer1_Timer();
    QCOMPARE(f->Label3->text(), QStringLiteral("Scegli un esercizio nel menu qui sopra"));
    f->Timer1_Timer();
    QVERIFY(f->Label3->text().isEmpty());
    QVERIFY(AttendiFinche([&] { return !f->Label3->text().isEmpty(); }, 2000));
    f->CaricaEsercizio(0);
    QVERIFY(!f->Timer1->isActive());
    QCOMPARE(f->Label3->text(), Globali::TestoIndice.value(0));
}

void TestFinestraEsercizi::ripulisciSchermo()
{
    f->CaricaEsercizio(0);
    f->SelezionaRiga(3);
    f->NumeroErrori = 2;
    f->RigheCompletate = 4;
    f->PassoRisposta = 1;
    f->mnuerrori->setVisible(true);
    f->Ripulisci_Schermo();
    QVERIFY(!f->mnuHelp->isEnabled());
    QVERIFY(!f->mnuerrori->isVisible());
    QVERIFY(!f->mnusoluzioni->isVisible());
    QCOMPARE(f->NumeroErrori, qint16(0));
    QCOMPARE(f->RigheCompletate, qint16(0));
    QVERIFY(f->Label3->text().isEmpty());
    QVERIFY(!f->Shape1->isVisibleTo(f));
    QCOMPARE(f->List1->count(), 0);
    QVERIFY(f->List1->isHidden());
    for (int i = 0; i < 14; ++i)
        QVERIFY(f->Testo[i]->isHidden());
    // What it leaves alone.
    QVERIFY(f->mnustampa->menuAction()->isEnabled());
    QCOMPARE(f->RigaCorrente, qint16(3));
    QCOMPARE(f->PassoRisposta, qint16(1));
}

void TestFinestraEsercizi::ripristinaMenu()
{
    Categoria(9);
    Globali::EsercizioFatto[4] = true;
    Globali::Giudizio[4] = QStringLiteral("BUONO");
    f->RipristinaMenuEsercizi();
    for (int i = 0; i < 36; ++i)
        QCOMPARE(f->mnuesercizio[i]->isVisible(), i < 10);
    QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[4]), QStringLiteral(" Esercizio 5 (BUONO)"));
    QVERIFY(f->mnuesercizio[4]->isChecked());
    QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[3]), QStringLiteral(" Esercizio 4"));
    QVERIFY(!f->mnuesercizio[3]->isChecked());
    QCOMPARE(f->mnuesercizio[4]->icon().pixmap(16).toImage(), f->ImgSpunta.toImage());
    QCOMPARE(f->mnuesercizio[3]->icon().pixmap(16).toImage(), f->ImgScrivi.toImage());
    QVERIFY(f->mnuesercizio[10]->icon().isNull());
    QVERIFY(f->mnuesercizi->menuAction()->isEnabled());
    QVERIFY(f->mnuVisualizza->isEnabled());
    // Choosing an entry loads that exercise.
    m_cartella->Scrivi(QStringLiteral("Esercizi/Articoli/ESERCIZIO 04.txt"), FileSemplice());
    f->mnuesercizio[4]->trigger();
    QCOMPARE(f->EsercizioCorrente, qint16(4));
    QVERIFY(m_messaggi->mostrati.isEmpty());
}

void TestFinestraEsercizi::avvisoUnaVoltaPerApertura()
{
    f->setWindowTitle(QStringLiteral("Zelora: Articoli"));
    f->show();
    f->activateWindow();
    QVERIFY(AttendiFinche([&] { return f->AvvisoMostrato; }));
    QVERIFY(AttendiFinche([&] { return !m_messaggi->mostrati.isEmpty(); }));
    f->Form_Activate();
    f->Form_Activate();
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    const Messaggio m = m_messaggi->mostrati.first();
    QCOMPARE(m.testo, QStringLiteral("Apri la tua scheda personale oppure crea una nuova scheda."));
    QCOMPARE(m.titolo, QStringLiteral("Articoli"));
    QCOMPARE(m.icona, Icona::Informazione);
}

QTEST_MAIN(TestFinestraEsercizi)
#include "tst_finestra_esercizi.moc"
