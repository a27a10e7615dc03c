// The main menu: start-up, categories, index files, hover, book, Info, Esci.
#include "Supporto.h"

#include "app/FinestraInformazioni.h"
#include "app/MenuPrincipale.h"
#include "content/Globali.h"
#include "windows/FinestraEsercizi.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"

#include <QPushButton>

#include <QFrame>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString Indice(int record, const QString& prefisso)
{
    QString s;
    for (int i = 0; i < record; ++i)
        s += QStringLiteral("%1,\"%2 %1\",\"Istruzione, con virgola %1\"\r\n").arg(i + 1).arg(prefisso);
    return s;
}
} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void avvio();
    void categoria_data();
    void categoria();
    void indiceCorto();
    void senzaIndiceScritto();
    void dopoIlRitornoUnaFinestraNuova();
    void libroApreLIndice();
    void evidenziazione();
    void info();
    void esci();

private:
    CartellaProva* m_cartella = nullptr;
    MessaggiScriptati* m_messaggi = nullptr;
    SuoniRegistrati* m_suoni = nullptr;
    MenuPrincipale* m_menu = nullptr;
};

void TestMenu::init()
{
    m_cartella = new CartellaProva;
    m_messaggi = new MessaggiScriptati;
    m_suoni = new SuoniRegistrati;
    m_menu = new MenuPrincipale;
}

void TestMenu::cleanup()
{
    delete m_menu;
    delete m_suoni;
    delete m_messaggi;
    delete m_cartella;
}

void TestMenu::avvio()
{
    QVERIFY(m_menu->Esercizi());
    QVERIFY(!m_menu->Esercizi()->isVisible());
    QVERIFY(m_menu->Esercizi()->windowTitle().isEmpty());
    QCOMPARE(m_menu->Pannello->size(), QSize(800, 600));
    QCOMPARE(m_menu->CartellaCategoria[4], QStringLiteral("Verbi 1"));
    QCOMPARE(m_menu->CartellaCategoria[11], QStringLiteral("Punteggiatura"));
    QCOMPARE(m_menu->Etichette[4]->text(), QStringLiteral("Verbi (I parte)"));
    QCOMPARE(m_menu->Etichette[12]->text(), QStringLiteral("Esci"));
    QCOMPARE(m_menu->Etichette[13]->text(), QStringLiteral("Info"));
    QCOMPARE(m_menu->Etichette[0]->pos(), QPoint(90, 319));
    QCOMPARE(m_menu->Libri[3]->pos(), QPoint(36, 499));
    QCOMPARE(m_menu->Libri[11]->pos(), QPoint(551, 439));
    QCOMPARE(m_menu->Etichette[0]->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(m_menu->Etichette[12]->cursor().shape(), Qt::ArrowCursor);
}

void TestMenu::categoria_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("cartella");
    QTest::addColumn<QString>("estensione");
    QTest::addColumn<int>("ultimo");
    QTest::newRow("Articoli") << 0 << "Articoli" << "Zlr00" << 22;
    QTest::newRow("Verbi 1") << 4 << "Verbi 1" << "Zlr04" << 31;
    QTest::newRow("Congiunzioni") << 8 << "Congiunzioni" << "Zlr08" << 9;
}

void TestMenu::categoria()
{
    QFETCH(int, indice);
    QFETCH(QString, cartella);
    QFETCH(QString, estensione);
    QFETCH(int, ultimo);
    m_cartella->Scrivi(QStringLiteral("Indice/") + cartella + QStringLiteral(".txt"), Indice(ultimo + 1, "Titolo"));
    // Letter case of the folder does not matter.
    m_cartella->Scrivi(QStringLiteral("indicescritto/") + cartella.toLower() + QStringLiteral(".TXT"),
                       Indice(ultimo + 1, "Scritto"));
    Globali::NomeAlunno = QStringLiteral("Resta");
    m_menu->showFullScreen();
    m_menu->Label_Click(indice);
    QVERIFY(m_messaggi->mostrati.isEmpty());
    QCOMPARE(Globali::CategoriaCorrente, cartella);
    QCOMPARE(Globali::EstensioneScheda, estensione);
    QCOMPARE(int(Globali::UltimoEsercizio), ultimo);
    QCOMPARE(Globali::TitoloIndice.size(), ultimo + 1);
    QCOMPARE(Globali::TitoloIndice[ultimo], QStringLiteral("Titolo %1").arg(ultimo + 1));
    QCOMPARE(Globali::TestoIndice[0], QStringLiteral("Istruzione, con virgola 1"));
    QCOMPARE(Globali::TitoloScritto[1], QStringLiteral("Scritto 2"));
    QCOMPARE(Globali::EsercizioFatto, QVector<bool>(ultimo + 1, false));
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Resta"));
    QVERIFY(m_menu->Esercizi()->isVisible());
    QCOMPARE(m_menu->Esercizi()->windowTitle(), QStringLiteral("Zelora: ") + cartella);
    QVERIFY(!m_menu->isVisible());
    QVERIFY(m_suoni->suonati.isEmpty());
}

void TestMenu::indiceCorto()
{
    m_cartella->Scrivi(QStringLiteral("Indice/Nomi.txt"), Indice(31, "Titolo"));
    m_menu->showFullScreen();
    m_menu->Label_Click(1);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    QCOMPARE(m_messaggi->mostrati[0].testo,
             QStringLiteral("Si è verificato un errore, questa serie di esercizi non è disponibile.\r\n"
                            "Per ripristinarla è necessario reinstallare il programma."));
    QCOMPARE(m_messaggi->mostrati[0].icona, Icona::Critico);
    QVERIFY(m_messaggi->mostrati[0].titolo.isEmpty());
    QCOMPARE(m_menu->ErroreIndice, qint16(0));
    QVERIFY(!m_menu->Esercizi()->isVisible());
    QVERIFY(m_menu->isVisible());
}

void TestMenu::senzaIndiceScritto()
{
    m_cartella->Scrivi(QStringLiteral("Indice/Sintassi.txt"), Indice(10, "Titolo"));
    m_menu->Label_Click(9);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    QCOMPARE(m_messaggi->mostrati[0].testo,
             QStringLiteral("La versione scritta di questi esercizi non è disponibile.\r\n"
                            "Per ripristinarla è necessario reinstallare il programma."));
    QCOMPARE(m_menu->ErroreIndice, qint16(0));
    QVERIFY(m_menu->Esercizi()->isVisible());
}

void TestMenu::dopoIlRitornoUnaFinestraNuova()
{
    m_cartella->Scrivi(QStringLiteral("Indice/Sintassi.txt"), Indice(10, "Titolo"));
    m_cartella->Scrivi(QStringLiteral("IndiceScritto/Sintassi.txt"), Indice(10, "Scritto"));
    m_cartella->Scrivi(QStringLiteral("Indice/Nomi.txt"), Indice(32, "Nome"));
    m_cartella->Scrivi(QStringLiteral("IndiceScritto/Nomi.txt"), Indice(32, "Nome"));
    m_menu->Label_Click(9);
    QPointer<FinestraEsercizi> prima = m_menu->Esercizi();
    QVERIFY(prima->close());
    QVERIFY(AttendiFinche([&] { return prima.isNull(); }));
    QVERIFY(m_menu->isVisible());
    m_menu->Label_Click(1);
    QVERIFY(m_menu->Esercizi());
    // A window created after the category is chosen starts with its caption.
    QCOMPARE(m_menu->Esercizi()->windowTitle(), QStringLiteral("Zelora: Nomi"));
    QVERIFY(m_messaggi->mostrati.size() >= 1);
}

void TestMenu::libroApreLIndice()
{
    m_cartella->Scrivi(QStringLiteral("Indice/Preposizioni.txt"), Indice(5, "Titolo"));
    Globali::EstensioneScheda = QStringLiteral("Zlr01");
    GestoreModali modali;
    m_menu->Picture_Click(7);
    QCOMPARE(modali.aperte, QStringList{"FinestraIndice"});
    QCOMPARE(m_suoni->suonati, QStringList{"press.wav"});
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    QCOMPARE(Globali::CategoriaCorrente, QStringLiteral("Preposizioni"));
    QCOMPARE(Globali::TitoloIndice.size(), 14);
    QCOMPARE(Globali::TitoloIndice[4], QStringLiteral("Titolo 5"));
    QVERIFY(Globali::TitoloIndice[5].isEmpty());
    QCOMPARE(Globali::EstensioneScheda, QStringLiteral("Zlr01"));
    QCOMPARE(m_menu->ErroreIndice, qint16(0));
}

void TestMenu::evidenziazione()
{
    m_menu->showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(m_menu));
    QTest::mouseMove(m_menu->Etichette[12], QPoint(5, 5));
    QVERIFY(AttendiFinche([&] { return m_menu->Evidenziato; }));
    QVERIFY(m_menu->Cornice->isVisible());
    QCOMPARE(m_menu->Etichette[12]->font().pointSizeF(), 18.0);
    const QRect g = m_menu->Etichette[12]->geometry();
    QCOMPARE(m_menu->Cornice->geometry().topLeft(), g.topLeft() - QPoint(1, 0));
    m_menu->Label_MouseMove(2);
    m_menu->Picture_MouseMove(5);
    QCOMPARE(m_menu->Libri[5]->pixmap().toImage(), ImmagineLibroAperto().toImage());
    QCOMPARE(m_menu->Etichette[5]->font().pointSizeF(), 15.75);
    QCOMPARE(m_menu->Etichette[2]->font().pointSizeF(), 18.0);
    m_menu->Pannello_MouseMove();
    QVERIFY(!m_menu->Evidenziato);
    QVERIFY(!m_menu->Cornice->isVisible());
    for (QLabel* e : m_menu->Etichette)
        QCOMPARE(e->font().pointSizeF(), 16.0);
    QCOMPARE(m_menu->Libri[5]->pixmap().toImage(), ImmagineLibroChiuso().toImage());
    // With the flag clear, background moves change nothing.
    m_menu->Etichette[3]->setFont(QFont(QStringLiteral("Arial"), 20));
    m_menu->Pannello_MouseMove();
    QCOMPARE(m_menu->Etichette[3]->font().pointSizeF(), 20.0);
}

void TestMenu::info()
{
    FinestraInformazioni info;
    const QString t = info.Text1->Testo();
    QCOMPARE(info.windowTitle(), QStringLiteral("Zelora"));
    QVERIFY(t.startsWith(QStringLiteral("'Zelora'  è una raccolta organica di esercizi  che possono")));
    QVERIFY(t.contains(QStringLiteral("in materia.\r\n\r\nIl programma, che spazia")));
    QVERIFY(t.contains(QStringLiteral("11 categorie:\r\n 1- fondamenti (32 esercizi);\r\n 2- articoli")));
    QVERIFY(t.contains(QStringLiteral("alcune categorie grammaticali; \r\n11- punteggiatura (32 esercizi).\r\n\r\nOgni esercizio")));
    QVERIFY(t.contains(QStringLiteral("1. Semplicità degli esercizi.")));
    QVERIFY(t.contains(QStringLiteral("2. Facilità di compilazione:")));
    QVERIFY(t.contains(QStringLiteral("In generale, gli esercizi di 'Zelora'")));
    QVERIFY(t.contains(QStringLiteral("A tale fine, 'Zelora' consente di stampare tutti gli esercizi su schede:")));
    QVERIFY(t.contains(QStringLiteral("Il programma è corredato di un fascicolo di circa 180 pagine, in formato .doc per MS Word,")));
    QVERIFY(t.contains(QStringLiteral("all'autore all'indirizzo ")));
    QVERIFY(!t.endsWith(QStringLiteral("\r\n")));
    QTest::mouseClick(info.Command1, Qt::LeftButton);
    QCOMPARE(m_suoni->suonati, QStringList{"press.wav"});
    QCOMPARE(info.result(), int(QDialog::Accepted));
}

void TestMenu::esci()
{
    QSignalSpy fine(m_menu, &MenuPrincipale::fineProgramma);
    GestoreModali modali;
    m_menu->Label_Click(13);
    QCOMPARE(modali.aperte, QStringList{"FinestraInformazioni"});
    QCOMPARE(fine.count(), 0);
    m_menu->Label_Click(12);
    QCOMPARE(fine.count(), 1);
    QVERIFY(m_messaggi->mostrati.isEmpty());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
