// Answering by marking a stretch of an item with a real drag of the mouse.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include "content/Globali.h"
#include "exercise/frmEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QAction>
#include <QtTest>
#include <memory>

namespace {

struct Prova {
    CartellaProva cartella;
    MessaggiScriptati messaggi;
    SuoniRegistrati suoni;
    GestoreModali modali;
    std::unique_ptr<frmEsercizi> f;

    void Apri(int tipo, const QList<Voce>& voci)
    {
        Globali::CategoriaCorrente = QStringLiteral("Prove");
        Globali::UltimoEsercizio = 0;
        Globali::TitoloIndice = {QStringLiteral("Prova")};
        Globali::TestoIndice = {QStringLiteral("Sottolinea.")};
        Globali::TitoloScritto = {QStringLiteral("Prova")};
        Globali::TestoScritto = {QStringLiteral("Sottolinea.")};
        Globali::EsercizioFatto = {false};
        Globali::Giudizio = {QString()};
        ScriviEsercizio(cartella, tipo, voci);
        f = std::make_unique<frmEsercizi>();
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->CaricaEsercizio(0);
        QVERIFY(f->Testo[0]->isVisible());
        messaggi.mostrati.clear();
    }

    // The point a press must be at to put the insertion point before pos
    // (pos may be the very end, after the closing line break).
    QPoint Punto(int i, int pos) const
    {
        const QRect r = f->Testo[i]->RettangoloCarattere(pos);
        return QPoint(r.left() + 1, r.center().y());
    }

    // Press before the first character of the stretch, drag to its end and
    // release there. False when the screen does not put it where expected.
    bool Trascina(int i, const QString& tratto)
    {
        CasellaTesto* c = f->Testo[i];
        const int da = int(c->Testo().indexOf(tratto));
        if (da < 0)
            return false;
        const int a = da + int(tratto.size());
        const QPoint inizio = Punto(i, da);
        const QPoint fine = Punto(i, a);
        if (c->PosizioneInPunto(inizio) != da || c->PosizioneInPunto(fine) != a)
            return false;
        QTest::mousePress(c->viewport(), Qt::LeftButton, {}, inizio);
        QTest::mouseMove(c->viewport(), (inizio + fine) / 2);
        QTest::mouseMove(c->viewport(), fine);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, fine);
        return true;
    }

    bool DoppioClic(int i, const QString& parola)
    {
        CasellaTesto* c = f->Testo[i];
        const int p = int(c->Testo().indexOf(parola));
        if (p < 0)
            return false;
        const QPoint punto = c->RettangoloCarattere(p + 1).center();
        QTest::mousePress(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
        return true;
    }
};

} // namespace

class TestTratto : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data();
    void rispostaGiusta();
    void sbagliata_data();
    void sbagliata();
    void clicSenzaTrascinare_data();
    void clicSenzaTrascinare();
    void doppioClicGiudicatoUnaVolta_data();
    void doppioClicGiudicatoUnaVolta();
    void chiaveSenzaRisposta();
};

void TestTratto::rispostaGiusta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("tratto");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("colori");
    QTest::addColumn<QString>("chiaveDopo");

    const QString mario = QStringLiteral("Mario corre nel parco.");
    QTest::newRow("44 la risposta in blu")
        << 44 << mario << "nel parco." << "Mario corre nel parco. (luogo)" << "nel parco."
        << "Mario corre nel parco. (luogo)" << "n12 b10 n*" << "Mario corre nel parco. (luogo)";
    QTest::newRow("44 spazi intorno non contano")
        << 44 << mario << "corre" << mario << " corre " << mario << "n6 b5 n*" << mario;
    QTest::newRow("45 l'inizio della chiave")
        << 45 << mario << "Mario corre" << "Mario corre (soggetto e verbo) nel parco."
        << "Mario corre" << "Mario corre (soggetto e verbo) nel parco." << "b11 n*"
        << "Mario corre (soggetto e verbo) nel parco.";
    QTest::newRow("50 fino all'a capo, un carattere attorno")
        << 50 << "Ecco Mario il mio amico." << "il mio amico" << "Ecco Mario (il mio amico)."
        << "il mio amico.\r\n" << "Ecco Mario (il mio amico)." << "n11 b14 n*"
        << "Ecco Mario (il mio amico).";
    QTest::newRow("51 fino all'a capo, due caratteri attorno")
        << 51 << "Ecco Mario il mio amico." << "il mio amico" << "Ecco Mario - il mio amico -."
        << "il mio amico.\r\n" << "Ecco Mario - il mio amico -." << "n11 b16 n*"
        << "Ecco Mario - il mio amico -.";
    QTest::newRow("52 la chiave va a capo dove inizia la risposta")
        << 52 << "Disse ciao a tutti." << "ciao a tutti" << "Disse: -ciao a tutti-."
        << "ciao a tutti.\r\n" << "Disse:\r-ciao a tutti-." << "n6 b16"
        << "Disse:\r-ciao a tutti-.";
    QTest::newRow("53 dalle virgolette basse")
        << 53 << "Disse ciao a tutti." << "ciao a tutti" << "Disse £ciao a tutti$."
        << "ciao a tutti.\r\n" << "Disse «ciao a tutti»." << "n5 b16"
        << "Disse «ciao a tutti».";
    QTest::newRow("53 risposta all'inizio")
        << 53 << "Ciao disse Mario." << "Ciao" << "£Ciao$ disse Mario." << "Ciao"
        << "«Ciao» disse Mario." << "b8 n*" << "«Ciao» disse Mario.";
    QTest::newRow("54 virgolette alte, spazio e a capo")
        << 54 << "Disse ciao a tutti." << "ciao a tutti" << "Disse %ciao a tutti&."
        << " ciao a tutti.\r\n" << "Disse “ciao a tutti”." << "n6 b14 n1"
        << "Disse “ciao a tutti”.";
}

void TestTratto::rispostaGiusta()
{
    QFETCH(int, tipo);
    QFETCH(QString, frase);
    QFETCH(QString, risposta);
    QFETCH(QString, chiave);
    QFETCH(QString, tratto);
    QFETCH(QString, testo);
    QFETCH(QString, colori);
    QFETCH(QString, chiaveDopo);

    Prova p;
    p.Apri(tipo, {{frase, risposta, chiave}});
    QVERIFY(p.Trascina(8, tratto));
    CasellaTesto* c = p.f->Testo[8];
    QCOMPARE(c->Testo(), testo);
    QCOMPARE(Colori(c), Tratti(colori, int(testo.size())));
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(p.f->Selezione[8], risposta);
    QCOMPARE(p.f->Chiave[8], chiaveDopo);
    // Only the answered item's key changes.
    QCOMPARE(p.f->Chiave[9], tipo == 52 ? chiave : chiaveDopo);
    QCOMPARE(p.f->lblrisposta[8]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->RigheCompletate), 1);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->ModoClic), 0);
    QVERIFY(p.suoni.suonati.isEmpty());
}

void TestTratto::sbagliata_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("tratto");
    QTest::addColumn<QString>("selezione");

    const QString mario = QStringLiteral("Mario corre nel parco.");
    const QString amico = QStringLiteral("Ecco Mario il mio amico.");
    QTest::newRow("44 il punto e l'a capo contano")
        << 44 << mario << "nel parco." << "nel parco.\r\n" << "nel parco.\r\n";
    QTest::newRow("45 il punto conta") << 45 << mario << "nel parco" << "nel parco." << "nel parco.";
    QTest::newRow("50 punto senza a capo perde tre caratteri")
        << 50 << amico << "il mio amico" << "il mio amico." << "il mio ami";
    QTest::newRow("51 parole sbagliate") << 51 << amico << "il mio amico" << "Ecco Mario" << "Ecco Mario";
    QTest::newRow("52 solo il punto") << 52 << amico << "il mio amico" << "." << ".";
    QTest::newRow("53 punto e a capo soli") << 53 << amico << "il mio amico" << ".\r\n" << "";
    QTest::newRow("54 parte della risposta") << 54 << amico << "il mio amico" << "mio amico.\r\n"
                                             << "mio amico";
}

void TestTratto::sbagliata()
{
    QFETCH(int, tipo);
    QFETCH(QString, frase);
    QFETCH(QString, risposta);
    QFETCH(QString, tratto);
    QFETCH(QString, selezione);

    Prova p;
    p.Apri(tipo, {{frase, risposta, frase}});
    CasellaTesto* c = p.f->Testo[12];
    const QString prima = c->Testo();
    QVERIFY(p.Trascina(12, tratto));
    QCOMPARE(p.f->Selezione[12], selezione);
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
    QCOMPARE(frmEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 1"));
    QVERIFY(p.f->mnuerrori->isVisible());
    QCOMPARE(c->Testo(), prima);
    // The marked stretch stays red; the selection collapses.
    const int da = int(prima.indexOf(tratto));
    QCOMPARE(Colori(c), QString(da, 'n') + QString(tratto.size(), 'r')
                            + QString(prima.size() - da - tratto.size(), 'n'));
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(int(p.f->RigaCorrente), 12);
    QCOMPARE(p.f->lblrisposta[12]->BackColor(), frmEsercizi::Giallo);
    QCOMPARE(int(p.f->RigheCompletate), 0);
}

void TestTratto::clicSenzaTrascinare_data()
{
    QTest::addColumn<int>("tipo");
    for (int tipo : {44, 45, 50, 51, 52, 53, 54})
        QTest::newRow(qPrintable(QString::number(tipo))) << tipo;
}

void TestTratto::clicSenzaTrascinare()
{
    QFETCH(int, tipo);
    Prova p;
    p.Apri(tipo, {{"Mario corre.", "Mario", "Mario corre."}});
    CasellaTesto* c = p.f->Testo[3];
    QTest::mouseClick(c->viewport(), Qt::LeftButton, {}, c->RettangoloCarattere(2).center());
    QCOMPARE(int(p.f->RigaCorrente), 3);
    QCOMPARE(p.f->lblrisposta[3]->BackColor(), frmEsercizi::Giallo);
    QVERIFY(p.f->Selezione[3].isEmpty());
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->RigheCompletate), 0);
    QVERIFY(p.suoni.suonati.isEmpty());
    QCOMPARE(Colori(c), QString(14, 'n'));
}

void TestTratto::doppioClicGiudicatoUnaVolta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("parola");
    QTest::addColumn<bool>("giusta");
    QTest::newRow("45 giusta") << 45 << "Mario" << true;
    QTest::newRow("53 giusta") << 53 << "Mario" << true;
    QTest::newRow("44 sbagliata") << 44 << "corre" << false;
    QTest::newRow("54 sbagliata") << 54 << "corre" << false;
}

void TestTratto::doppioClicGiudicatoUnaVolta()
{
    QFETCH(int, tipo);
    QFETCH(QString, parola);
    QFETCH(bool, giusta);
    Prova p;
    p.Apri(tipo, {{"Mario corre.", "Mario", "Mario corre."}});
    QVERIFY(p.DoppioClic(1, parola));
    // A wrong word is collapsed, so the release that follows judges nothing.
    QCOMPARE(p.f->Selezione[1], giusta ? parola : QString());
    QCOMPARE(int(p.f->NumeroErrori), giusta ? 0 : 1);
    QCOMPARE(p.suoni.suonati.size(), giusta ? 0 : 1);
    QCOMPARE(int(p.f->RigheCompletate), giusta ? 1 : 0);
}

void TestTratto::chiaveSenzaRisposta()
{
    // A key that lacks the answer: the solution is shown uncoloured, the item closes.
    for (int tipo : {44, 50, 51, 54}) {
        Prova p;
        p.Apri(tipo, {{"Mario corre.", "Mario", "Lui"}});
        QVERIFY(p.Trascina(0, "Mario"));
        CasellaTesto* c = p.f->Testo[0];
        QVERIFY2(Colori(c) == QStringLiteral("nnn"), qPrintable(QString::number(tipo)));
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    }
}

QTEST_MAIN(TestTratto)
#include "tst_tratto.moc"
