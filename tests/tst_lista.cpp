// Answering by choosing an entry of the list, on the real window.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "exercise/frmEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QAction>
#include <QListWidget>
#include <QtTest>
#include <memory>

namespace {

QStringList Voci(const QListWidget* l)
{
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v << l->item(i)->text();
    return v;
}

// A window with the test exercise loaded, and what it talks to.
struct Prova {
    CartellaProva cartella;
    MessaggiScriptati messaggi;
    SuoniRegistrati suoni;
    GestoreModali modali;
    std::unique_ptr<frmEsercizi> f;

    void Apri(int tipo, const QStringList& scelte, const QList<Voce>& voci)
    {
        Globali::CategoriaCorrente = QStringLiteral("Prove");
        Globali::UltimoEsercizio = 0;
        Globali::TitoloIndice = {QStringLiteral("Prova")};
        Globali::TestoIndice = {QStringLiteral("Scegli.")};
        Globali::TitoloScritto = {QStringLiteral("Prova")};
        Globali::TestoScritto = {QStringLiteral("Scegli.")};
        Globali::EsercizioFatto = {false};
        Globali::Giudizio = {QString()};
        ScriviEsercizio(cartella, tipo, scelte, voci);
        f = std::make_unique<frmEsercizi>();
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->CaricaEsercizio(0);
        QVERIFY(f->Testo[0]->isVisible());
        messaggi.mostrati.clear();
    }

    // A real click on the item's number label, then on the list entry.
    void Seleziona(int i) { QTest::mouseClick(f->lblrisposta[i], Qt::LeftButton); }
    bool Scegli(const QString& voce)
    {
        const QList<QListWidgetItem*> trovate = f->List1->findItems(voce, Qt::MatchExactly);
        if (trovate.isEmpty())
            return false;
        f->List1->scrollToItem(trovate.first());
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {},
                          f->List1->visualItemRect(trovate.first()).center());
        return true;
    }
};

const QStringList Parti = {QStringLiteral("nome"), QStringLiteral("proprio"), QStringLiteral("comune")};

} // namespace

class TestLista : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data();
    void rispostaGiusta();
    void sbagliata_data();
    void sbagliata();
    void nessunaRigaScelta();
    void primaSceltaGiusta_data();
    void primaSceltaGiusta();
    void soloSecondaSceltaIntera();
    void tipo15SecondaSbagliata();
    void rispostaVuotaAccettaTutto();
    void testoMancanteNonRompe();
};

void TestLista::rispostaGiusta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("scelte");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QStringList>("clic");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("colori");
    QTest::addColumn<QString>("rispostaDopo");
    QTest::addColumn<QStringList>("rimaste");

    const QStringList abc = {"nome", "verbo", "articolo"};
    QTest::newRow("3 parentesi rosse, chiave blu")
        << 3 << abc << "Il cane abbaia." << "nome" << "cane" << QStringList{"nome"}
        << "Il cane abbaia. [nome]" << Tratti("n3 b4 n8 r7") << " [nome]" << abc;
    QTest::newRow("4 tutto blu, risposta rossa, voce tolta")
        << 4 << abc << "La casa è bella." << "nome" << "casa" << QStringList{"nome"}
        << "La casa è bella. [nome]" << Tratti("b16 r7") << " [nome]"
        << QStringList{"verbo", "articolo"};
    QTest::newRow("5 due scelte, chiave blu")
        << 5 << Parti << "Roma è bella." << "nomeproprio" << "Roma" << QStringList{"nome", "proprio"}
        << "Roma è bella.\r\n" << Tratti("b4 n11") << "nomeproprio" << Parti;
    QTest::newRow("6 chiave sostituita in blu, voce tolta")
        << 6 << QStringList{"cani", "gatti"} << "I (cane) abbaiano." << "cani" << "(cane)"
        << QStringList{"cani"} << "I cani abbaiano.\r\n" << Tratti("n2 b4 n12") << "cani"
        << QStringList{"gatti"};
    QTest::newRow("7 solo la chiave in blu")
        << 7 << abc << "Il cane abbaia." << "verbo" << "I cani abbaiano." << QStringList{"verbo"}
        << "I cani abbaiano." << Tratti("b16") << "verbo" << abc;
    QTest::newRow("8 come 6, voce resta")
        << 8 << QStringList{"cani", "gatti"} << "I (cane) abbaiano." << "cani" << "(cane)"
        << QStringList{"cani"} << "I cani abbaiano.\r\n" << Tratti("n2 b4 n12") << "cani"
        << QStringList{"cani", "gatti"};
    QTest::newRow("9 come 7, voce tolta")
        << 9 << abc << "Il cane abbaia." << "verbo" << "I cani abbaiano." << QStringList{"verbo"}
        << "I cani abbaiano." << Tratti("b16") << "verbo" << QStringList{"nome", "articolo"};
    QTest::newRow("10 come 7")
        << 10 << abc << "Il cane abbaia." << "verbo" << "I cani." << QStringList{"verbo"}
        << "I cani." << Tratti("b7") << "verbo" << abc;
    QTest::newRow("11 due scelte, parentesi sostituite")
        << 11 << Parti << "Vedo (...) oggi." << "nomecomune" << "Luca" << QStringList{"nome", "comune"}
        << "Vedo Luca oggi.\r\n" << Tratti("n5 b4 n8") << "nomecomune" << Parti;
    QTest::newRow("12 puntini sostituiti")
        << 12 << QStringList{"il", "lo"} << "Vedo ... zaino." << "lo" << "zaino" << QStringList{"lo"}
        << "Vedo lo zaino.\r\n" << Tratti("n5 b2 n1 b5 n3") << "lo" << QStringList{"il", "lo"};
    QTest::newRow("13 come 3, voce tolta")
        << 13 << abc << "Il cane abbaia." << "nome" << "cane" << QStringList{"nome"}
        << "Il cane abbaia. [nome]" << Tratti("n3 b4 n8 r7") << " [nome]"
        << QStringList{"verbo", "articolo"};
    QTest::newRow("14 (...) sostituito dalla chiave")
        << 14 << abc << "Il (...) abbaia." << "nome" << "cane" << QStringList{"nome"}
        << "Il cane abbaia.\r\n" << Tratti("n3 b4 n10") << "nome" << abc;
    QTest::newRow("15 due spazi riempiti")
        << 15 << QStringList{"ho", "ha", "è"} << "Io [ab] e lui [cd]." << "hoha" << "(..)(..)"
        << QStringList{"ho", "ha"} << "Io ho e lui ha.\r\n" << Tratti("n3 b2 n7 b2 n3") << "ha"
        << QStringList{"è"};
    QTest::newRow("16 risposta aggiunta in blu")
        << 16 << QStringList{"uova", "uovi"} << "Il plurale di uovo: " << "uova" << ""
        << QStringList{"uova"} << "Il plurale di uovo: uova" << Tratti("n20 b4") << "uova"
        << QStringList{"uovi"};
    QTest::newRow("18 chiave al posto delle quadre, risposta sotto")
        << 18 << Parti << "Il [cane] abbaia." << "nomecomune" << "cane" << QStringList{"nome", "comune"}
        << "Il cane abbaia.\r\n\r\n        nomecomune" << Tratti("n3 b5 n7 n4 n8 r10") << "nomecomune"
        << Parti;
    QTest::newRow("47 la chiave in blu")
        << 47 << abc << "Il * abbaia." << "nome" << "Il cane abbaia." << QStringList{"nome"}
        << "Il cane abbaia." << Tratti("b15") << "nome" << abc;
    QTest::newRow("17 senza cambiamenti")
        << 17 << abc << "Il cane abbaia." << "nome" << "cane" << QStringList{"nome"}
        << "Il cane abbaia.\r\n" << Tratti("n17") << "nome" << abc;
}

void TestLista::rispostaGiusta()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, scelte);
    QFETCH(QString, frase);
    QFETCH(QString, risposta);
    QFETCH(QString, chiave);
    QFETCH(QStringList, clic);
    QFETCH(QString, testo);
    QFETCH(QString, colori);
    QFETCH(QString, rispostaDopo);
    QFETCH(QStringList, rimaste);

    Prova p;
    p.Apri(tipo, scelte, {{frase, risposta, chiave}});
    const QString altra = p.f->Testo[3]->Testo();
    const QString altriColori = Colori(p.f->Testo[3]);
    p.Seleziona(2);
    QCOMPARE(int(p.f->RigaCorrente), 2);
    for (const QString& c : clic)
        QVERIFY2(p.Scegli(c), qPrintable(c));

    CasellaTesto* casella = p.f->Testo[2];
    QCOMPARE(casella->Testo(), testo);
    QCOMPARE(Colori(casella), colori);
    QCOMPARE(casella->SelStart(), 0);
    QCOMPARE(casella->SelLength(), 0);
    QCOMPARE(p.f->Risposta[2], rispostaDopo);
    QCOMPARE(Voci(p.f->List1), rimaste);
    QCOMPARE(p.f->lblrisposta[2]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(p.f->lblrisposta[2]->Caption(), QStringLiteral("\r\nok"));
    QCOMPARE(int(p.f->RigaCorrente), 100);
    QCOMPARE(int(p.f->RigheCompletate), 1);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->PassoRisposta), 0);
    QVERIFY(p.f->RispostaParziale.isEmpty());
    QVERIFY(p.f->mnuerrori->isVisible());
    QVERIFY(p.suoni.suonati.isEmpty());
    QVERIFY(p.messaggi.mostrati.isEmpty());
    // The other items are untouched.
    QCOMPARE(p.f->Testo[3]->Testo(), altra);
    QCOMPARE(Colori(p.f->Testo[3]), altriColori);
}

void TestLista::sbagliata_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("voce");
    QTest::addColumn<bool>("errorVisibile");
    // The two-choice kinds judge a wrong first choice before the error
    // entry is shown.
    QTest::newRow("3") << 3 << "verbo" << true;
    QTest::newRow("4 la voce resta") << 4 << "verbo" << true;
    QTest::newRow("5 prima scelta") << 5 << "proprio" << false;
    QTest::newRow("11 prima scelta") << 11 << "comune" << false;
    QTest::newRow("15 prima scelta") << 15 << "verbo" << false;
    QTest::newRow("18 prima scelta") << 18 << "proprio" << false;
}

void TestLista::sbagliata()
{
    QFETCH(int, tipo);
    QFETCH(QString, voce);
    QFETCH(bool, errorVisibile);
    Prova p;
    const QStringList scelte = {"nome", "verbo", "proprio", "comune"};
    p.Apri(tipo, scelte, {{"Il [cane] [gatto] (..) abbaia.", "nomecomune", "cane"}});
    const QString prima = p.f->Testo[1]->Testo();
    const QString coloriPrima = Colori(p.f->Testo[1]);
    for (int volta = 1; volta <= 2; ++volta) {
        p.Seleziona(1);
        QVERIFY(p.Scegli(voce));
        QCOMPARE(int(p.f->NumeroErrori), volta);
        QCOMPARE(frmEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : %1").arg(volta));
        QCOMPARE(p.f->mnuerrori->isVisible(), errorVisibile);
        QCOMPARE(p.f->lblrisposta[1]->BackColor(), frmEsercizi::Rosso);
        QCOMPARE(int(p.f->RigaCorrente), 100);
        QCOMPARE(int(p.f->PassoRisposta), 0);
        QVERIFY(p.f->RispostaParziale.isEmpty());
    }
    QCOMPARE(p.suoni.suonati, (QStringList{"wrong.wav", "wrong.wav"}));
    QCOMPARE(p.f->Testo[1]->Testo(), prima);
    QCOMPARE(Colori(p.f->Testo[1]), coloriPrima);
    QCOMPARE(Voci(p.f->List1), scelte);
    QCOMPARE(p.f->Risposta[1], QStringLiteral("nomecomune"));
    QCOMPARE(int(p.f->RigheCompletate), 0);
}

void TestLista::nessunaRigaScelta()
{
    Prova p;
    p.Apri(3, {"nome", "verbo"}, {{"Il cane abbaia.", "nome", "cane"}});
    QVERIFY(p.Scegli("nome"));
    QCOMPARE(p.messaggi.mostrati.size(), 1);
    QCOMPARE(p.messaggi.mostrati.first().testo, QStringLiteral("Clicca prima un riquadro dell'esercizio."));
    QCOMPARE(p.messaggi.mostrati.first().titolo, QStringLiteral("Prove"));
    QVERIFY(p.messaggi.mostrati.first().icona == Icona::Informazione);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QVERIFY(p.suoni.suonati.isEmpty());
    QVERIFY(!p.f->mnuerrori->isVisible());
    QVERIFY(!p.f->Shape1->isVisible());
    QCOMPARE(int(p.f->RigheCompletate), 0);
}

void TestLista::primaSceltaGiusta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("5") << 5;
    QTest::newRow("11") << 11;
    QTest::newRow("18") << 18;
}

void TestLista::primaSceltaGiusta()
{
    QFETCH(int, tipo);
    Prova p;
    p.Apri(tipo, Parti, {{"Vedo [Roma] (...) oggi.", "nomeproprio", "Roma"}});
    p.Seleziona(0);
    const QString coloriPrima = Colori(p.f->Testo[0]);
    QVERIFY(p.Scegli("nome"));
    // Only the frame goes: no colour, no sound, the item stays selected.
    QVERIFY(!p.f->Shape1->isVisible());
    QCOMPARE(int(p.f->PassoRisposta), 1);
    QCOMPARE(p.f->RispostaParziale, QStringLiteral("nome"));
    QCOMPARE(int(p.f->RigaCorrente), 0);
    QCOMPARE(Colori(p.f->Testo[0]), coloriPrima);
    QCOMPARE(Voci(p.f->List1), Parti);
    QVERIFY(p.suoni.suonati.isEmpty());
    QCOMPARE(int(p.f->NumeroErrori), 0);

    // A wrong second choice throws the first away.
    QVERIFY(p.Scegli("comune"));
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QCOMPARE(int(p.f->PassoRisposta), 0);
    QVERIFY(p.f->RispostaParziale.isEmpty());
    QCOMPARE(int(p.f->RigaCorrente), 100);
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Rosso);

    // The pupil starts again from the first choice.
    p.Seleziona(0);
    QVERIFY(p.Scegli("nome"));
    QVERIFY(p.Scegli("proprio"));
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 1);
}

void TestLista::soloSecondaSceltaIntera()
{
    Prova p;
    p.Apri(5, {"nome", "nomeproprio"}, {{"Roma è bella.", "nomeproprio", "Roma"}});
    p.Seleziona(0);
    QVERIFY(p.Scegli("nome"));
    QVERIFY(p.Scegli("nomeproprio"));
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 0);
}

void TestLista::tipo15SecondaSbagliata()
{
    Prova p;
    p.Apri(15, {"ho", "ha", "è"}, {{"Io [ab] e lui [cd].", "hoha", "(..)(..)"}});
    CasellaTesto* casella = p.f->Testo[0];
    QCOMPARE(casella->Testo(), QStringLiteral("Io (..) e lui (..).\r\n"));
    p.Seleziona(0);
    QVERIFY(p.Scegli("ho"));
    QCOMPARE(casella->Testo(), QStringLiteral("Io ho e lui (..).\r\n"));
    QCOMPARE(Colori(casella), Tratti("n3 b2 n7 r4 n3"));
    QCOMPARE(Voci(p.f->List1), (QStringList{"ha", "è"}));
    QCOMPARE(int(p.f->PassoRisposta), 1);

    // Another item cannot be taken while this one is half done.
    p.Seleziona(4);
    QCOMPARE(int(p.f->RigaCorrente), 0);

    QVERIFY(p.Scegli("è"));
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QCOMPARE(int(p.f->PassoRisposta), 1);
    QVERIFY(p.f->RispostaParziale.isEmpty());
    QCOMPARE(int(p.f->RigaCorrente), 0);
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Rosso);
    QCOMPARE(casella->Testo(), QStringLiteral("Io ho e lui (..).\r\n"));
    QCOMPARE(Voci(p.f->List1), (QStringList{"ha", "è"}));
    QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});

    // The next choice is judged again as the second part.
    QVERIFY(p.Scegli("ha"));
    QCOMPARE(casella->Testo(), QStringLiteral("Io ho e lui ha.\r\n"));
    QCOMPARE(p.f->Risposta[0], QStringLiteral("ha"));
    QCOMPARE(Voci(p.f->List1), QStringList{"è"});
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 1);
}

void TestLista::rispostaVuotaAccettaTutto()
{
    Prova p;
    p.Apri(20, {"nome", "verbo"}, {{"Il cane abbaia.", "", ""}});
    p.Seleziona(5);
    QVERIFY(p.Scegli("verbo"));
    QCOMPARE(p.f->lblrisposta[5]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(p.f->Testo[5]->Testo(), QStringLiteral("Il cane abbaia.\r\n"));
}

void TestLista::testoMancanteNonRompe()
{
    // The item lacks the "..." and the "(...)" its kind replaces: the answer
    // is still accepted and the text left as it was.
    for (int tipo : {12, 14}) {
        Prova p;
        p.Apri(tipo, {"nome"}, {{"Il cane abbaia.", "nome", ""}});
        p.Seleziona(0);
        QVERIFY(p.Scegli("nome"));
        QCOMPARE(p.f->Testo[0]->Testo(), QStringLiteral("Il cane abbaia.\r\n"));
        QCOMPARE(Colori(p.f->Testo[0]), Tratti("n17"));
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    }
}

QTEST_MAIN(TestLista)
#include "tst_lista.moc"
