// Answering by choosing an entry of the list, on the real window.
#include "ProveRisposte.h"

namespace {
QStringList Voci(const QListWidget* l)
{
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v << l->item(i)->text();
    return v;
}

const QStringList Parti = {QStringLiteral("nome"), QStringLiteral("proprio"), QStringLiteral("comune")};

// A right answer: the entries clicked, then the box (text and colour runs),
// Risposta and the list entries left.
struct Giusta {
    int tipo;
    QStringList scelte;
    QString frase, risposta, chiave;
    QStringList clic;
    QString testo, colori, rispostaDopo;
    QStringList rimaste;
};
} // namespace
Q_DECLARE_METATYPE(Giusta)

class TestLista : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data()
    {
        QTest::addColumn<Giusta>("caso");

        const QStringList abc = {"nome", "verbo", "articolo"}, vab = {"verbo", "articolo"};
        const QStringList cani = {"cani", "gatti"};
        const QString cane = "Il cane abbaia.", cani7 = "I cani abbaiano.", canir = "Il cane abbaia.\r\n";
        QTest::newRow("3") << Giusta{3, abc, cane, "nome", "cane", {"nome"}, "Il cane abbaia. [nome]", "n3 b4 n8 r7",
            " [nome]", abc};
        QTest::newRow("4") << Giusta{4, abc, "La casa è bella.", "nome", "casa", {"nome"}, "La casa è bella. [nome]",
            "b16 r7", " [nome]", vab};
        QTest::newRow("5") << Giusta{5, Parti, "Roma è bella.", "nomeproprio", "Roma", {"nome", "proprio"},
            "Roma è bella.\r\n", "b4 n11", "nomeproprio", Parti};
        // An entry that is the whole answer is judged as the second part only.
        QTest::newRow("5 intera") << Giusta{5, {"nome", "nomeproprio"}, "Roma è bella.", "nomeproprio", "Roma",
            {"nome", "nomeproprio"}, "Roma è bella.\r\n", "b4 n11", "nomeproprio", {"nome", "nomeproprio"}};
        QTest::newRow("6") << Giusta{6, cani, "I (cane) abbaiano.", "cani", "(cane)", {"cani"},
            "I cani abbaiano.\r\n", "n2 b4 n12", "cani", {"gatti"}};
        QTest::newRow("7") << Giusta{7, abc, cane, "verbo", cani7, {"verbo"}, cani7, "b16", "verbo", abc};
        QTest::newRow("8") << Giusta{8, cani, "I (cane) abbaiano.", "cani", "(cane)", {"cani"},
            "I cani abbaiano.\r\n", "n2 b4 n12", "cani", cani};
        QTest::newRow("9") << Giusta{9, abc, cane, "verbo", cani7, {"verbo"}, cani7, "b16", "verbo",
            {"nome", "articolo"}};
        QTest::newRow("10") << Giusta{10, abc, cane, "verbo", "I cani.", {"verbo"}, "I cani.", "b7", "verbo", abc};
        QTest::newRow("11") << Giusta{11, Parti, "Vedo (...) oggi.", "nomecomune", "Luca", {"nome", "comune"},
            "Vedo Luca oggi.\r\n", "n5 b4 n8", "nomecomune", Parti};
        QTest::newRow("12") << Giusta{12, {"il", "lo"}, "Vedo ... zaino.", "lo", "zaino", {"lo"},
            "Vedo lo zaino.\r\n", "n5 b2 n1 b5 n3", "lo", {"il", "lo"}};
        QTest::newRow("13") << Giusta{13, abc, cane, "nome", "cane", {"nome"}, "Il cane abbaia. [nome]",
            "n3 b4 n8 r7", " [nome]", vab};
        QTest::newRow("14") << Giusta{14, abc, "Il (...) abbaia.", "nome", "cane", {"nome"}, canir, "n3 b4 n10",
            "nome", abc};
        QTest::newRow("15") << Giusta{15, {"ho", "ha", "è"}, "Io [ab] e lui [cd].", "hoha", "(..)(..)", {"ho", "ha"},
            "Io ho e lui ha.\r\n", "n3 b2 n7 b2 n3", "ha", {"è"}};
        QTest::newRow("16") << Giusta{16, {"uova", "uovi"}, "Il plurale di uovo: ", "uova", "", {"uova"},
            "Il plurale di uovo: uova", "n20 b4", "uova", {"uovi"}};
        QTest::newRow("18") << Giusta{18, Parti, "Il [cane] abbaia.", "nomecomune", "cane", {"nome", "comune"},
            "Il cane abbaia.\r\n\r\n        nomecomune", "n3 b5 n7 n4 n8 r10", "nomecomune", Parti};
        QTest::newRow("47") << Giusta{47, abc, "Il * abbaia.", "nome", cane, {"nome"}, cane, "b15", "nome", abc};
        QTest::newRow("17") << Giusta{17, abc, cane, "nome", "cane", {"nome"}, canir, "n17", "nome", abc};
        // An empty answer accepts any entry.
        QTest::newRow("20 vuota") << Giusta{20, {"nome", "verbo"}, cane, "", "", {"verbo"}, canir, "n17", "",
            {"nome", "verbo"}};
        // The item lacks the "..." or "(...)" its kind replaces: accepted, text left as it was.
        QTest::newRow("12 senza ...") << Giusta{12, {"nome"}, cane, "nome", "", {"nome"}, canir, "n17", "nome",
            {"nome"}};
        QTest::newRow("14 senza (...)") << Giusta{14, {"nome"}, cane, "nome", "", {"nome"}, canir, "n17", "nome",
            {"nome"}};
    }

    void rispostaGiusta()
    {
        QFETCH(Giusta, caso);
        FinestraProva p;
        p.Apri(caso.tipo, {{caso.frase, caso.risposta, caso.chiave}}, caso.scelte);
        const QString altra = p.f->Testo[3]->Testo() + Colori(p.f->Testo[3]);
        p.Seleziona(2);
        QCOMPARE(int(p.f->RigaCorrente), 2);
        for (const QString& c : caso.clic)
            QVERIFY2(p.Scegli(c), qPrintable(c));

        CasellaTesto* casella = p.f->Testo[2];
        QCOMPARE(casella->Testo(), caso.testo);
        QCOMPARE(Colori(casella), Tratti(caso.colori));
        QCOMPARE(QPoint(casella->SelStart(), casella->SelLength()), QPoint());
        QCOMPARE(p.f->Risposta[2], caso.rispostaDopo);
        QCOMPARE(Voci(p.f->List1), caso.rimaste);
        QCOMPARE(p.f->lblrisposta[2]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(p.f->lblrisposta[2]->Caption(), QStringLiteral("\r\nok"));
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 0"));
        QVERIFY(p.f->PassoRisposta == 0 && p.f->RispostaParziale.isEmpty());
        QVERIFY(p.f->mnuerrori->isVisible());
        QVERIFY(p.suoni.suonati.isEmpty() && p.messaggi.mostrati.isEmpty());
        // The other items are untouched.
        QCOMPARE(p.f->Testo[3]->Testo() + Colori(p.f->Testo[3]), altra);
    }

    void sbagliata_data()
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

    void sbagliata()
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
            QCOMPARE(FinestraEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : %1").arg(volta));
            QCOMPARE(p.f->mnuerrori->isVisible(), errorVisibile);
            QCOMPARE(p.f->lblrisposta[1]->BackColor(), FinestraEsercizi::Rosso);
            QCOMPARE(int(p.f->PassoRisposta), 0);
            QVERIFY(p.f->RispostaParziale.isEmpty());
        }
        QCOMPARE(p.suoni.suonati, (QStringList{"wrong.wav", "wrong.wav"}));
        QCOMPARE(p.f->Testo[1]->Testo() + Colori(p.f->Testo[1]), prima);
        QCOMPARE(Voci(p.f->List1), scelte);
        QCOMPARE(p.f->Risposta[1], QStringLiteral("nomecomune"));
    }

    void nessunaRigaScelta()
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

    void primaSceltaGiusta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("5") << 5;
        QTest::newRow("11") << 11;
        QTest::newRow("18") << 18;
    }

    void primaSceltaGiusta()
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
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), FinestraEsercizi::Rosso);

        // The pupil starts again from the first choice.
        p.Seleziona(0);
        QVERIFY(p.Scegli("nome") && p.Scegli("proprio"));
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(int(p.f->NumeroErrori), 1);
    }

    void tipo15SecondaSbagliata()
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
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), FinestraEsercizi::Rosso);
        QCOMPARE(casella->Testo(), QStringLiteral("Io ho e lui (..).\r\n"));
        QCOMPARE(Voci(p.f->List1), (QStringList{"ha", "è"}));
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});

        // The next choice is judged again as the second part.
        QVERIFY(p.Scegli("ha"));
        QCOMPARE(casella->Testo(), QStringLiteral("Io ho e lui ha.\r\n"));
        QCOMPARE(p.f->Risposta[0], QStringLiteral("ha"));
        QCOMPARE(Voci(p.f->List1), QStringList{"è"});
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(int(p.f->NumeroErrori), 1);
    }
};

QTEST_MAIN(TestLista)
#include "tst_lista.moc"
