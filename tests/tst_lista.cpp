// Answering by choosing an entry of the list, on the real window.
#include "ProveRisposte.h"

#include "platform/CasellaTesto.h"

#include <QAction>
#include <QListWidget>
#include <QtTest>

namespace {
QStringList Voci(const QListWidget* l)
{
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v << l->item(i)->text();
    return v;
}

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

    const QStringList abc = {"nome", "verbo", "articolo"}, vab = {"verbo", "articolo"};
    const QStringList cani = {"cani", "gatti"};
    const QString cane = "Il cane abbaia.", cani7 = "I cani abbaiano.", canir = "Il cane abbaia.\r\n";
    QTest::newRow("3") << 3 << abc << cane << "nome" << "cane" << QStringList{"nome"}
                       << "Il cane abbaia. [nome]" << Tratti("n3 b4 n8 r7") << " [nome]" << abc;
    QTest::newRow("4") << 4 << abc << "La casa è bella." << "nome" << "casa" << QStringList{"nome"}
                       << "La casa è bella. [nome]" << Tratti("b16 r7") << " [nome]" << vab;
    QTest::newRow("5") << 5 << Parti << "Roma è bella." << "nomeproprio" << "Roma" << QStringList{"nome", "proprio"}
                       << "Roma è bella.\r\n" << Tratti("b4 n11") << "nomeproprio" << Parti;
    QTest::newRow("6") << 6 << cani << "I (cane) abbaiano." << "cani" << "(cane)" << QStringList{"cani"}
                       << "I cani abbaiano.\r\n" << Tratti("n2 b4 n12") << "cani" << QStringList{"gatti"};
    QTest::newRow("7") << 7 << abc << cane << "verbo" << cani7 << QStringList{"verbo"}
                       << cani7 << Tratti("b16") << "verbo" << abc;
    QTest::newRow("8") << 8 << cani << "I (cane) abbaiano." << "cani" << "(cane)" << QStringList{"cani"}
                       << "I cani abbaiano.\r\n" << Tratti("n2 b4 n12") << "cani" << cani;
    QTest::newRow("9") << 9 << abc << cane << "verbo" << cani7 << QStringList{"verbo"}
                       << cani7 << Tratti("b16") << "verbo" << QStringList{"nome", "articolo"};
    QTest::newRow("10") << 10 << abc << cane << "verbo" << "I cani." << QStringList{"verbo"}
                        << "I cani." << Tratti("b7") << "verbo" << abc;
    QTest::newRow("11") << 11 << Parti << "Vedo (...) oggi." << "nomecomune" << "Luca" << QStringList{"nome", "comune"}
                        << "Vedo Luca oggi.\r\n" << Tratti("n5 b4 n8") << "nomecomune" << Parti;
    QTest::newRow("12") << 12 << QStringList{"il", "lo"} << "Vedo ... zaino." << "lo" << "zaino" << QStringList{"lo"}
                        << "Vedo lo zaino.\r\n" << Tratti("n5 b2 n1 b5 n3") << "lo" << QStringList{"il", "lo"};
    QTest::newRow("13") << 13 << abc << cane << "nome" << "cane" << QStringList{"nome"}
                        << "Il cane abbaia. [nome]" << Tratti("n3 b4 n8 r7") << " [nome]" << vab;
    QTest::newRow("14") << 14 << abc << "Il (...) abbaia." << "nome" << "cane" << QStringList{"nome"}
                        << canir << Tratti("n3 b4 n10") << "nome" << abc;
    QTest::newRow("15") << 15 << QStringList{"ho", "ha", "è"} << "Io [ab] e lui [cd]." << "hoha" << "(..)(..)"
                        << QStringList{"ho", "ha"} << "Io ho e lui ha.\r\n" << Tratti("n3 b2 n7 b2 n3") << "ha"
                        << QStringList{"è"};
    QTest::newRow("16") << 16 << QStringList{"uova", "uovi"} << "Il plurale di uovo: " << "uova" << ""
                        << QStringList{"uova"} << "Il plurale di uovo: uova" << Tratti("n20 b4") << "uova"
                        << QStringList{"uovi"};
    QTest::newRow("18") << 18 << Parti << "Il [cane] abbaia." << "nomecomune" << "cane" << QStringList{"nome", "comune"}
                        << "Il cane abbaia.\r\n\r\n        nomecomune" << Tratti("n3 b5 n7 n4 n8 r10")
                        << "nomecomune" << Parti;
    QTest::newRow("47") << 47 << abc << "Il * abbaia." << "nome" << cane << QStringList{"nome"}
                        << cane << Tratti("b15") << "nome" << abc;
    QTest::newRow("17") << 17 << abc << cane << "nome" << "cane" << QStringList{"nome"}
                        << canir << Tratti("n17") << "nome" << abc;
    // An empty answer accepts any entry.
    QTest::newRow("20 vuota") << 20 << QStringList{"nome", "verbo"} << cane << "" << "" << QStringList{"verbo"}
                              << canir << Tratti("n17") << "" << QStringList{"nome", "verbo"};
    // The item lacks the "..." or "(...)" its kind replaces: accepted, text left as it was.
    QTest::newRow("12 senza ...") << 12 << QStringList{"nome"} << cane << "nome" << "" << QStringList{"nome"}
                                  << canir << Tratti("n17") << "nome" << QStringList{"nome"};
    QTest::newRow("14 senza (...)") << 14 << QStringList{"nome"} << cane << "nome" << "" << QStringList{"nome"}
                                    << canir << Tratti("n17") << "nome" << QStringList{"nome"};
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

    FinestraProva p;
    p.Apri(tipo, {{frase, risposta, chiave}}, scelte);
    const QString altra = p.f->Testo[3]->Testo() + Colori(p.f->Testo[3]);
    p.Seleziona(2);
    QCOMPARE(int(p.f->RigaCorrente), 2);
    for (const QString& c : clic)
        QVERIFY2(p.Scegli(c), qPrintable(c));

    CasellaTesto* casella = p.f->Testo[2];
    QCOMPARE(casella->Testo(), testo);
    QCOMPARE(Colori(casella), colori);
    QCOMPARE(QPoint(casella->SelStart(), casella->SelLength()), QPoint());
    QCOMPARE(p.f->Risposta[2], rispostaDopo);
    QCOMPARE(Voci(p.f->List1), rimaste);
    QCOMPARE(p.f->lblrisposta[2]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(p.f->lblrisposta[2]->Caption(), QStringLiteral("\r\nok"));
    QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 0"));
    QCOMPARE(int(p.f->PassoRisposta), 0);
    QVERIFY(p.f->RispostaParziale.isEmpty());
    QVERIFY(p.f->mnuerrori->isVisible());
    QVERIFY(p.suoni.suonati.isEmpty() && p.messaggi.mostrati.isEmpty());
    // The other items are untouched.
    QCOMPARE(p.f->Testo[3]->Testo() + Colori(p.f->Testo[3]), altra);
}

void TestLista::sbagliata_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("voce");
    QTest::addColumn<bool>("errorVisibile");
    // The two-choice kinds judge a wrong first choice before the error entry is shown.
    QTest::newRow("3") << 3 << "verbo" << true;
    QTest::newRow("4") << 4 << "verbo" << true; // the entry stays
    QTest::newRow("5") << 5 << "proprio" << false;
    QTest::newRow("11") << 11 << "comune" << false;
    QTest::newRow("15") << 15 << "verbo" << false;
    QTest::newRow("18") << 18 << "proprio" << false;
}

void TestLista::sbagliata()
{
    QFETCH(int, tipo);
    QFETCH(QString, voce);
    QFETCH(bool, errorVisibile);
    FinestraProva p;
    const QStringList scelte = {"nome", "verbo", "proprio", "comune"};
    p.Apri(tipo, {{"Il [cane] [gatto] (..) abbaia.", "nomecomune", "cane"}}, scelte);
    const QString prima = p.f->Testo[1]->Testo() + Colori(p.f->Testo[1]);
    for (int volta = 1; volta <= 2; ++volta) {
        p.Seleziona(1);
        QVERIFY(p.Scegli(voce));
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 0 errori %1").arg(volta));
        QCOMPARE(frmEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : %1").arg(volta));
        QCOMPARE(p.f->mnuerrori->isVisible(), errorVisibile);
        QCOMPARE(p.f->lblrisposta[1]->BackColor(), frmEsercizi::Rosso);
        QCOMPARE(int(p.f->PassoRisposta), 0);
        QVERIFY(p.f->RispostaParziale.isEmpty());
    }
    QCOMPARE(p.suoni.suonati, (QStringList{"wrong.wav", "wrong.wav"}));
    QCOMPARE(p.f->Testo[1]->Testo() + Colori(p.f->Testo[1]), prima);
    QCOMPARE(Voci(p.f->List1), scelte);
    QCOMPARE(p.f->Risposta[1], QStringLiteral("nomecomune"));
}

void TestLista::nessunaRigaScelta()
{
    FinestraProva p;
    p.Apri(3, {{"Il cane abbaia.", "nome", "cane"}}, {"nome", "verbo"});
    QVERIFY(p.Scegli("nome"));
    QCOMPARE(p.messaggi.Testi(), QStringList{"Clicca prima un riquadro dell'esercizio."});
    QCOMPARE(p.messaggi.mostrati.first().titolo, QStringLiteral("Prove"));
    QVERIFY(p.messaggi.mostrati.first().icona == Icona::Informazione);
    QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 0 errori 0"));
    QVERIFY(p.suoni.suonati.isEmpty());
    QVERIFY(!p.f->mnuerrori->isVisible() && !p.f->Shape1->isVisible());
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
    FinestraProva p;
    p.Apri(tipo, {{"Vedo [Roma] (...) oggi.", "nomeproprio", "Roma"}}, Parti);
    p.Seleziona(0);
    const QString coloriPrima = Colori(p.f->Testo[0]);
    QVERIFY(p.Scegli("nome"));
    // Only the frame goes: no colour, no sound, the item stays selected.
    QVERIFY(!p.f->Shape1->isVisible());
    QCOMPARE(int(p.f->PassoRisposta), 1);
    QCOMPARE(p.f->RispostaParziale, QStringLiteral("nome"));
    QCOMPARE(Stato(*p.f), QStringLiteral("riga 0 fatte 0 errori 0"));
    QCOMPARE(Colori(p.f->Testo[0]), coloriPrima);
    QCOMPARE(Voci(p.f->List1), Parti);
    QVERIFY(p.suoni.suonati.isEmpty());

    // A wrong second choice throws the first away.
    QVERIFY(p.Scegli("comune"));
    QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 0 errori 1"));
    QCOMPARE(int(p.f->PassoRisposta), 0);
    QVERIFY(p.f->RispostaParziale.isEmpty());
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Rosso);

    // The pupil starts again from the first choice.
    p.Seleziona(0);
    QVERIFY(p.Scegli("nome") && p.Scegli("proprio"));
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 1);
}

void TestLista::soloSecondaSceltaIntera()
{
    // An entry that is the whole answer is judged as the second part only.
    FinestraProva p;
    p.Apri(5, {{"Roma è bella.", "nomeproprio", "Roma"}}, {"nome", "nomeproprio"});
    p.Seleziona(0);
    QVERIFY(p.Scegli("nome") && p.Scegli("nomeproprio"));
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 0);
}

void TestLista::tipo15SecondaSbagliata()
{
    FinestraProva p;
    p.Apri(15, {{"Io [ab] e lui [cd].", "hoha", "(..)(..)"}}, {"ho", "ha", "è"});
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
    QCOMPARE(Stato(*p.f), QStringLiteral("riga 0 fatte 0 errori 1"));
    QCOMPARE(int(p.f->PassoRisposta), 1);
    QVERIFY(p.f->RispostaParziale.isEmpty());
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

QTEST_MAIN(TestLista)
#include "tst_lista.moc"
