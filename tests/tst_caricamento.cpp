// Loading exercise files into the real exercise window.
#include "Supporto.h"

#include "content/Globali.h"
#include "windows/FinestraEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace {
// An exercise file: kind, choices, then 14 items of (sentence, answer, key).
QString File(int tipo, const QStringList& scelte, const QList<QStringList>& righe)
{
    QString s = QString::number(tipo) + QStringLiteral("\r\n") + QString::number(scelte.size())
        + QStringLiteral("\r\n");
    for (const QString& c : scelte)
        s += QLatin1Char('"') + c + QStringLiteral("\"\r\n");
    for (int i = 0; i < 14; ++i) {
        const QStringList r = righe.value(i % righe.size());
        s += QStringLiteral("\"%1\",\"%2\",\"%3\"\r\n").arg(r.value(0), r.value(1), r.value(2));
    }
    return s;
}

void PreparaCategoria(const CartellaProva& c)
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::EstensioneScheda = QStringLiteral("Zlr01");
    Globali::UltimoEsercizio = 31;
    Globali::TitoloIndice = QVector<QString>(32);
    Globali::TestoIndice = QVector<QString>(32);
    Globali::TitoloScritto = QVector<QString>(32);
    Globali::TestoScritto = QVector<QString>(32);
    Globali::EsercizioFatto = QVector<bool>(32, false);
    Globali::Giudizio = QVector<QString>(32);
    for (int i = 0; i < 32; ++i) {
        Globali::TitoloIndice[i] = QStringLiteral("Titolo %1").arg(i);
        Globali::TestoIndice[i] = QStringLiteral("Istruzione %1").arg(i);
        Globali::TitoloScritto[i] = QStringLiteral("Scritto %1").arg(i);
        Globali::TestoScritto[i] = QStringLiteral("Consegna %1").arg(i);
    }
    Q_UNUSED(c);
}
} // namespace

class TestCaricamento : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void statoDopoIlCaricamento();
    void dimensioni_data();
    void dimensioni();
    void marcatura_data();
    void marcatura();
    void tipo15DueSostituzioni();
    void tipo2Conteggio();
    void escapeDeiTipi53e54();
    void fallimento_data();
    void fallimento();
    void dopoUnFallimentoSiCaricaAncora();
    void soluzioniSoloDal41();

private:
    CartellaProva* m_cartella = nullptr;
    MessaggiScriptati* m_messaggi = nullptr;
    FinestraEsercizi* m_finestra = nullptr;
};

void TestCaricamento::init()
{
    m_cartella = new CartellaProva;
    m_messaggi = new MessaggiScriptati;
    PreparaCategoria(*m_cartella);
    m_finestra = new FinestraEsercizi;
    m_finestra->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestCaricamento::cleanup()
{
    delete m_finestra;
    delete m_messaggi;
    delete m_cartella;
}

void TestCaricamento::statoDopoIlCaricamento()
{
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"),
                       File(3, {"nome", "articolo", "verbo"}, {{"Il cane abbaia.", "  nome ", "cane"}}));
    FinestraEsercizi& f = *m_finestra;
    f.Timer1->start();
    f.NumeroErrori = 3;
    f.PassoRisposta = 1;
    f.CaricaEsercizio(4);
    QVERIFY(m_messaggi->mostrati.isEmpty());
    QCOMPARE(f.TipoEsercizio, qint16(3));
    QCOMPARE(f.EsercizioCorrente, qint16(4));
    QCOMPARE(f.NumeroErrori, qint16(0));
    QCOMPARE(f.PassoRisposta, qint16(0));
    QCOMPARE(f.RigaCorrente, qint16(100));
    QCOMPARE(f.Risposta[0], QStringLiteral("nome"));
    QCOMPARE(f.List1->count(), 3);
    QVERIFY(!f.List1->isHidden());
    QVERIFY(!f.Timer1->isActive());
    QVERIFY(f.mnuHelp->isEnabled());
    QVERIFY(f.mnustampa->menuAction()->isEnabled());
    QVERIFY(!f.mnuerrori->isVisible());
    QCOMPARE(FinestraEsercizi::Caption(f.mnuerrori), QStringLiteral("   ERRORI : 0"));
    QCOMPARE(f.Label4->text(), QStringLiteral("NOMI  -  Titolo 4"));
    QCOMPARE(f.Label3->text(), QStringLiteral("Istruzione 4"));
    QCOMPARE(f.Label4Scritto->text(), QStringLiteral("NOMI  -  Scritto 4"));
    QCOMPARE(f.Label3Scritto->text(), QStringLiteral("Consegna 4"));
    QCOMPARE(Globali::FileHelp, m_cartella->Percorso() + QStringLiteral("/Help/Nomi/help 04.txt"));
    for (int i = 0; i < 14; ++i) {
        QVERIFY(!f.Testo[i]->isHidden());
        QVERIFY(!f.lblrisposta[i]->isHidden());
        QCOMPARE(f.Testo[i]->Testo(), QStringLiteral("Il cane abbaia.\r\n"));
        QCOMPARE(f.lblrisposta[i]->Caption(), QStringLiteral("\r\n") + QString::number(i + 1));
        QCOMPARE(f.lblrisposta[i]->BackColor(), FinestraEsercizi::Grigio);
        QVERIFY(f.Testo[i]->Ingresso());
        QCOMPARE(f.Testo[i]->SelStart(), 0);
        QCOMPARE(f.Testo[i]->SelLength(), 0);
    }
}

void TestCaricamento::dimensioni_data()
{
    QTest::addColumn<QStringList>("scelte");
    QTest::addColumn<int>("lunghezzaFrase");
    QTest::addColumn<int>("lista");
    QTest::addColumn<int>("righe");
    QTest::newRow("scelte corte") << QStringList{"il", "lo", "la"} << 15 << 18 << 14;
    QTest::newRow("scelta di 16") << QStringList{QString(16, QLatin1Char('a'))} << 15 << 9 << 14;
    QTest::newRow("frase di 95") << QStringList{} << 95 << 0 << 11;
    QTest::newRow("scelta di 25 alza le righe") << QStringList{QString(25, QLatin1Char('b'))} << 15 << 9 << 12;
}

void TestCaricamento::dimensioni()
{
    QFETCH(QStringList, scelte);
    QFETCH(int, lunghezzaFrase);
    QFETCH(int, lista);
    QFETCH(int, righe);
    const QString frase = QString(lunghezzaFrase - 1, QLatin1Char('x')) + QLatin1Char('.');
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 00.txt"), File(10, scelte, {{frase, "a", "b"}}));
    m_finestra->CaricaEsercizio(0);
    QVERIFY(m_messaggi->mostrati.isEmpty());
    if (lista)
        QCOMPARE(m_finestra->List1->font().pointSize(), lista);
    else
        QVERIFY(m_finestra->List1->isHidden());
    for (int i = 0; i < 14; ++i)
        QCOMPARE(m_finestra->Testo[i]->DimensioneCarattere(0), qreal(righe));
}

void TestCaricamento::marcatura_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<QColor>("colore");
    QTest::newRow("3 chiave rossa") << 3 << "Il cane e il gatto." << "gatto" << 13 << 5 << QColor(255, 0, 0);
    QTest::newRow("6 prima occorrenza") << 6 << "il re e il re." << "re" << 3 << 2 << QColor(255, 0, 0);
    QTest::newRow("8") << 8 << "Una casa." << "casa" << 4 << 4 << QColor(255, 0, 0);
    QTest::newRow("13") << 13 << "Il leone." << "leone" << 3 << 5 << QColor(255, 0, 0);
    QTest::newRow("12 chiave blu") << 12 << "Ho ... mela." << "mela" << 7 << 4 << QColor(0, 0, 255);
    QTest::newRow("18 parentesi quadre") << 18 << "Vedo [il] sole." << "x" << 5 << 4 << QColor(255, 0, 0);
    QTest::newRow("47 asterisco") << 47 << "L*albero." << "x" << 1 << 1 << QColor(255, 0, 0);
    QTest::newRow("10 nessuna") << 10 << "Il cane." << "cane" << 0 << 0 << QColor(0, 0, 0);
}

void TestCaricamento::marcatura()
{
    QFETCH(int, tipo);
    QFETCH(QString, frase);
    QFETCH(QString, chiave);
    QFETCH(int, da);
    QFETCH(int, lunghezza);
    QFETCH(QColor, colore);
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(tipo, {"a"}, {{frase, "a", chiave}}));
    m_finestra->CaricaEsercizio(1);
    QVERIFY2(m_messaggi->mostrati.isEmpty(), "load failed");
    const CasellaTesto* c = m_finestra->Testo[7];
    for (int p = 0; p < c->Testo().size(); ++p) {
        const bool dentro = p >= da && p < da + lunghezza;
        QCOMPARE(c->ColoreCarattere(p), dentro ? colore : QColor(0, 0, 0));
    }
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
}

void TestCaricamento::tipo15DueSostituzioni()
{
    // Spans of 5 and 6 characters, key of 11: first 5 and last 6 characters.
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 02.txt"),
                       File(15, {"il", "un"}, {{"[...] cane e [....] gatto.", "ilun", "(...)(....)"}}));
    m_finestra->CaricaEsercizio(2);
    QVERIFY(m_messaggi->mostrati.isEmpty());
    const CasellaTesto* c = m_finestra->Testo[0];
    QCOMPARE(c->Testo(), QStringLiteral("(...) cane e (....) gatto.\r\n"));
    QCOMPARE(c->ColoreCarattere(0), QColor(255, 0, 0));
    QCOMPARE(c->ColoreCarattere(4), QColor(255, 0, 0));
    QCOMPARE(c->ColoreCarattere(5), QColor(0, 0, 0));
    QCOMPARE(c->ColoreCarattere(13), QColor(255, 0, 0));
    QCOMPARE(c->ColoreCarattere(18), QColor(255, 0, 0));
    QCOMPARE(c->ColoreCarattere(19), QColor(0, 0, 0));
}

void TestCaricamento::tipo2Conteggio()
{
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 03.txt"),
                       File(2, {}, {{"Il gatto e il cane giocano.", "2", "gatto cane"}}));
    m_finestra->ParoleTrovate.fill(5);
    m_finestra->CaricaEsercizio(3);
    QCOMPARE(m_finestra->Conteggio[5], qint16(2));
    QCOMPARE(m_finestra->ParoleTrovate[5], qint16(0));
    QCOMPARE(m_finestra->lblrisposta[5]->Caption(), QStringLiteral("\r\n2"));
}

void TestCaricamento::escapeDeiTipi53e54()
{
    const QString chiave = QString::fromUtf8("Disse: £il$ %lo&.");
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 05.txt"), File(53, {}, {{"Disse: il lo.", "il", chiave}}));
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 06.txt"), File(54, {}, {{"Disse: il lo.", "lo", chiave}}));
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 07.txt"), File(52, {}, {{"Disse: il lo.", "lo", chiave}}));
    m_finestra->CaricaEsercizio(5);
    QCOMPARE(m_finestra->Chiave[0], QString::fromUtf8("Disse: «il» %lo&."));
    m_finestra->CaricaEsercizio(6);
    QCOMPARE(m_finestra->Chiave[0], QString::fromUtf8("Disse: £il$ “lo”."));
    m_finestra->CaricaEsercizio(7);
    QCOMPARE(m_finestra->Chiave[0], chiave);
    // The sentence itself is never changed.
    QCOMPARE(m_finestra->Frase[0], QStringLiteral("Disse: il lo."));
}

void TestCaricamento::fallimento_data()
{
    QTest::addColumn<QString>("contenuto");
    const QString riga = QStringLiteral("\"Il cane.\",\"nome\",\"cane\"\r\n");
    QString tredici;
    for (int i = 0; i < 13; ++i)
        tredici += riga;
    QTest::newRow("file mancante") << QString();
    QTest::newRow("tredici frasi") << QStringLiteral("3\r\n1\r\n\"nome\"\r\n") + tredici;
    QTest::newRow("tipo non numerico") << QStringLiteral("tre\r\n0\r\n") + tredici + riga;
    QTest::newRow("chiave assente") << File(3, {"nome"}, {{"Il cane.", "nome", "gatto"}});
    QTest::newRow("parentesi assenti") << File(18, {"nome"}, {{"Il cane.", "nome", "x"}});
    QTest::newRow("asterisco assente") << File(47, {"nome"}, {{"Il cane.", "nome", "x"}});
    QTest::newRow("una sola parentesi del 15") << File(15, {"nome"}, {{"Il [..] cane.", "nome", "(..)(..)"}});
}

void TestCaricamento::fallimento()
{
    QFETCH(QString, contenuto);
    if (!contenuto.isEmpty())
        m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 09.txt"), contenuto);
    FinestraEsercizi& f = *m_finestra;
    f.setWindowTitle(QStringLiteral("Zelora: Nomi"));
    Globali::FileHelp = QStringLiteral("precedente");
    f.CaricaEsercizio(9);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    const Messaggio m = m_messaggi->mostrati.first();
    QCOMPARE(m.icona, Icona::Critico);
    QCOMPARE(m.titolo, QStringLiteral("Zelora: Nomi"));
    QCOMPARE(m.testo, QStringLiteral("Si è verificato un errore, questo esercizio non è disponibile.\r\n"
                                     "E' necessario reinstallare il programma."));
    for (int i = 0; i < 14; ++i) {
        QVERIFY(f.Testo[i]->isHidden());
        QVERIFY(f.lblrisposta[i]->isHidden());
    }
    QVERIFY(f.List1->isHidden());
    QCOMPARE(f.List1->count(), 0);
    QVERIFY(f.Timer1->isActive());
    QVERIFY(!f.mnuHelp->isEnabled());
    QVERIFY(!f.mnustampa->menuAction()->isEnabled());
    QCOMPARE(Globali::FileHelp, QStringLiteral("precedente"));
    QCOMPARE(f.Label4->text(), QStringLiteral("NOMI  -  Titolo 9"));
    QVERIFY(f.Label3->text().isEmpty());
}

void TestCaricamento::dopoUnFallimentoSiCaricaAncora()
{
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(10, {"a"}, {{"Il cane.", "a", "b"}}));
    m_finestra->CaricaEsercizio(0);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    m_finestra->CaricaEsercizio(1);
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    QVERIFY(!m_finestra->Timer1->isActive());
    QVERIFY(!m_finestra->Testo[13]->isHidden());
}

void TestCaricamento::soluzioniSoloDal41()
{
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 00.txt"), File(40, {}, {{"Il cane.", "cane", "Il cane."}}));
    m_cartella->Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(41, {}, {{"Il cane.", "cane", "Il cane."}}));
    m_finestra->CaricaEsercizio(0);
    QVERIFY(!m_finestra->mnusoluzioni->isVisible());
    m_finestra->CaricaEsercizio(1);
    QVERIFY(m_finestra->mnusoluzioni->isVisible());
    QCOMPARE(FinestraEsercizi::Caption(m_finestra->mnusoluzioni), QStringLiteral("   SOLUZIONI"));
}

QTEST_MAIN(TestCaricamento)
#include "tst_caricamento.moc"
