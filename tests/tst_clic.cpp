// Answering by double-clicking a word of an item, with real mouse events.
#include "ProveRisposte.h"

namespace {
// A right answer: the occurrence (from 0) of the answer double-clicked, then
// the box (text and colour runs) and the key, when it changes.
struct Giusta {
    int tipo;
    QString frase, risposta, chiave;
    int occorrenza;
    QString testo, colori, chiaveDopo;
};
} // namespace
Q_DECLARE_METATYPE(Giusta)

class TestClic : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data()
    {
        QTest::addColumn<Giusta>("caso");

        const QString tutti = "Ciao a tutti";
        QTest::newRow("1 nota") << Giusta{1, "Il cane abbaia.", "cane", "animale", 0, "Il cane abbaia. [animale]",
            "n15 b10", " [animale]"};
        QTest::newRow("1 ultima") << Giusta{1, "Il cane vede il cane.", "cane", "", 0, "Il cane vede il cane.\r\n",
            "n16 b4 n3", ""};
        QTest::newRow("41") << Giusta{41, "il cane abbaia il gatto dorme", "abbaia",
            "Il cane abbaia. Il gatto dorme.", 0, "Il cane abbaia. Il gatto dorme.", "b15 r16", ""};
        QTest::newRow("41 più punti") << Giusta{41, "ciao si no", "si", "Ciao. Sì. No.", 0, "Ciao. Sì. No.", "b5 r8",
            ""};
        QTest::newRow("41 senza punto") << Giusta{41, "ciao a tutti", "ciao", tutti, 0, tutti, "r12", ""};
        QTest::newRow("43") << Giusta{43, "Mario vieni qui", "Mario", "Mario, vieni qui.", 0, "Mario, vieni qui.",
            "b6 r11", ""};
        QTest::newRow("46") << Giusta{46, "Piove resto a casa", "resto", "Piove; resto a casa.", 0,
            "Piove; resto a casa.", "b6 r14", ""};
        QTest::newRow("48") << Giusta{48, "Ecco pane e latte", "Ecco", "Ecco: pane e latte.", 0,
            "Ecco: pane e latte.", "b5 r14", ""};
        QTest::newRow("49") << Giusta{49, "Aspetta poi vai", "Aspetta", "Aspetta... poi vai.", 0,
            "Aspetta... poi vai.", "b10 r9", ""};
        QTest::newRow("49 senza puntini") << Giusta{49, "ciao a tutti", "ciao", tutti, 0, tutti, "b2 r10", ""};
        // The second occurrence is clicked, the first replaced.
        QTest::newRow("42") << Giusta{42, "Il cane e il cane.", "cane", "gatto", 1, "Il gatto e il cane.\r\n",
            "n3 r5 n13", ""};
    }

    void rispostaGiusta()
    {
        QFETCH(Giusta, caso);
        const auto& [tipo, frase, risposta, chiave, occorrenza, testo, colori, chiaveDopo] = caso;

        FinestraProva p;
        p.Apri(tipo, {{frase, risposta, chiave}});
        QVERIFY(p.DoppioClic(6, risposta, occorrenza));
        CasellaTesto* c = p.f->Testo[6];
        QCOMPARE(c->Testo(), testo);
        QCOMPARE(Colori(c), Tratti(colori));
        QCOMPARE(QPoint(c->SelStart(), c->SelLength()), QPoint());
        QCOMPARE(p.f->Selezione[6], risposta);
        QCOMPARE(p.f->Chiave[6], chiaveDopo.isEmpty() ? chiave : chiaveDopo);
        QCOMPARE(p.f->lblrisposta[6]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 0"));
        QCOMPARE(int(p.f->ModoClic), 0);
        QVERIFY(p.f->mnuerrori->isVisible());
        QVERIFY(p.suoni.suonati.isEmpty());

        // The finished box ignores the pointer from now on.
        QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, c->RettangoloCarattere(1).center());
        QCOMPARE(c->Testo(), testo);
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 0"));
    }

    void sbagliataPoiGiusta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("testoDopo");
        QTest::newRow("1") << 1 << "" << "Il cane abbaia.\r\n";
        QTest::newRow("41") << 41 << "Il cane. Abbaia." << "Il cane. Abbaia.";
        QTest::newRow("42") << 42 << "gatto" << "Il gatto abbaia.\r\n";
        QTest::newRow("49") << 49 << "Il cane... abbaia." << "Il cane... abbaia.";
    }

    void sbagliataPoiGiusta()
    {
        QFETCH(int, tipo);
        QFETCH(QString, chiave);
        QFETCH(QString, testoDopo);
        FinestraProva p;
        p.Apri(tipo, {{"Il cane abbaia.", "cane", chiave}});
        CasellaTesto* c = p.f->Testo[9];

        QVERIFY(p.DoppioClic(9, "abbaia"));
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
        QCOMPARE(FinestraEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 1"));
        QVERIFY(p.f->mnuerrori->isVisible());
        QCOMPARE(c->Testo(), QStringLiteral("Il cane abbaia.\r\n"));
        QCOMPARE(Colori(c), Tratti("n8 r6 n3"));
        QCOMPARE(QPoint(c->SelStart(), c->SelLength()), QPoint());
        QCOMPARE(p.f->Selezione[9], QStringLiteral("abbaia"));
        // The item stays selected and open.
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 9 fatte 0 errori 1"));
        QCOMPARE(p.f->lblrisposta[9]->BackColor(), FinestraEsercizi::Giallo);

        QVERIFY(p.DoppioClic(9, "cane"));
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 1"));
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
        QCOMPARE(c->Testo(), testoDopo);
        QVERIFY(!Colori(c).contains(QLatin1Char('?')));
        if (tipo == 1) // the red attempt is gone: the sentence is black again
            QCOMPARE(Colori(c), Tratti("n3 b4 n10"));
        QCOMPARE(p.f->lblrisposta[9]->BackColor(), FinestraEsercizi::Verde);
    }

    void clicSempliceNonGiudica_data()
    {
        QTest::addColumn<int>("tipo");
        // The word kinds and the stretch kinds alike.
        for (int tipo : {1, 2, 41, 42, 44, 45, 50, 51, 52, 53, 54})
            QTest::newRow(qPrintable(QString::number(tipo))) << tipo;
    }

    void clicSempliceNonGiudica()
    {
        QFETCH(int, tipo);
        FinestraProva p;
        p.Apri(tipo, {{"Il cane abbaia.", tipo == 2 ? "1" : "cane", "cane."}});
        p.Clic(4, 4);
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 4 fatte 0 errori 0"));
        QCOMPARE(p.f->lblrisposta[4]->BackColor(), FinestraEsercizi::Giallo);
        QVERIFY(p.f->Shape1->isVisible());
        // The release runs the stretch kinds' handler, which judges nothing but shows the error count.
        QCOMPARE(p.f->mnuerrori->isVisible(), tipo >= 44);
        QVERIFY(p.f->Selezione[4].isEmpty());
        QCOMPARE(Colori(p.f->Testo[4]), Tratti("n17"));
        QVERIFY(p.suoni.suonati.isEmpty());
    }

    void doppioClicTipoLista()
    {
        FinestraProva p;
        p.Apri(3, {{"Il cane abbaia.", "nome", "cane"}});
        QVERIFY(p.DoppioClic(0, "abbaia"));
        CasellaTesto* c = p.f->Testo[0];
        QCOMPARE(QPoint(c->SelStart(), c->SelLength()), QPoint());
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 0 fatte 0 errori 0"));
        QCOMPARE(int(p.f->ModoClic), 0);
        QVERIFY(!p.f->mnuerrori->isVisible());
        QCOMPARE(Colori(c), Tratti("n3 r4 n10"));
    }

    void tipoSenzaVisualizzazione()
    {
        // Kinds without a way of answering in the text read the word and stop.
        for (int tipo : {40, 47, 60}) {
            FinestraProva p;
            p.Apri(tipo, {{"Il * abbaia.", "cane", "Il cane abbaia."}});
            QVERIFY(p.DoppioClic(2, "abbaia"));
            QCOMPARE(p.f->Selezione[2], QStringLiteral("abbaia"));
            QVERIFY(p.f->mnuerrori->isVisible());
            QCOMPARE(Stato(*p.f), QStringLiteral("riga 2 fatte 0 errori 0"));
            QCOMPARE(p.f->Testo[2]->Testo(), QStringLiteral("Il * abbaia.\r\n"));
        }
    }

    void guardiaModoClic()
    {
        FinestraProva p;
        p.Apri(1, {{"Il cane abbaia.", "cane", ""}});
        CasellaTesto* c = p.f->Testo[3];
        // A selection the program makes, with nothing armed, is no answer.
        c->ImpostaSelezione(3, 4);
        QCOMPARE(int(p.f->RigheCompletate), 0);
        QVERIFY(p.f->Selezione[3].isEmpty());
        c->ImpostaSelStart(0);
        // A drag over the right word is no answer either in a word kind.
        const QPoint da = c->RettangoloCarattere(3).topLeft() + QPoint(1, 4);
        const QPoint a = c->RettangoloCarattere(7).topLeft() + QPoint(1, 4);
        QTest::mousePress(c->viewport(), Qt::LeftButton, {}, da);
        QTest::mouseMove(c->viewport(), a);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, a);
        QCOMPARE(c->SelText(), QStringLiteral("cane"));
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 3 fatte 0 errori 0"));
        QVERIFY(!p.f->mnuerrori->isVisible());
        // Armed by hand, the next change is judged once.
        p.f->ModoClic = 2;
        c->ImpostaSelezione(3, 4);
        QCOMPARE(int(p.f->ModoClic), 0);
        QCOMPARE(int(p.f->RigheCompletate), 1);
    }

    void tipo2CercaParole()
    {
        FinestraProva p;
        p.Apri(2, {{"Il cane e il gatto con la palla.", "2", "cane gattone"}});
        CasellaTesto* c = p.f->Testo[5];
        EtichettaNumero* l = p.f->lblrisposta[5];
        QCOMPARE(l->Caption(), QStringLiteral("\r\n2"));

        // Found, then found again: counted once, never an error.
        for (int volta = 0; volta < 2; ++volta) {
            QVERIFY(p.DoppioClic(5, "cane"));
            QCOMPARE(l->Caption(), QStringLiteral("\r\n1"));
            QCOMPARE(Colori(c), Tratti("n3 b4 n27"));
            QCOMPARE(QPoint(volta ? 0 : c->SelStart(), c->SelLength()), QPoint());
            QCOMPARE(int(p.f->NumeroErrori), 0);
            QVERIFY(l->BackColor() != FinestraEsercizi::Verde);
        }

        // Too short, then not in the key: two errors, both left red.
        QVERIFY(p.DoppioClic(5, "Il"));
        QCOMPARE(int(p.f->NumeroErrori), 1);
        QVERIFY(p.DoppioClic(5, "palla"));
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 5 fatte 0 errori 2"));
        QCOMPARE(FinestraEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 2"));
        QCOMPARE(p.suoni.suonati, (QStringList{"wrong.wav", "wrong.wav"}));
        QCOMPARE(Colori(c), Tratti("r2 n1 b4 n19 r5 n3"));
        QCOMPARE(l->Caption(), QStringLiteral("\r\n1"));

        // Part of a longer word of the key still counts; the last word closes the item.
        QVERIFY(p.DoppioClic(5, "gatto"));
        QCOMPARE(l->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(l->ForeColor(), FinestraEsercizi::Blu);
        QCOMPARE(l->Caption(), QStringLiteral("\r\nok"));
        QCOMPARE(int(p.f->RigheCompletate), 1);
        QCOMPARE(Colori(c), Tratti("r2 n1 b4 n6 b5 n8 r5 n3"));
    }

    void tipo2StessaParolaDueVolte()
    {
        FinestraProva p;
        p.Apri(2, {{"il gatto e il gatto", "2", "gatto"}});
        QVERIFY(p.DoppioClic(0, "gatto", 1));
        QCOMPARE(p.f->lblrisposta[0]->Caption(), QStringLiteral("\r\n1"));
        QCOMPARE(int(p.f->RigheCompletate), 0);
        QVERIFY(p.DoppioClic(0, "gatto", 0));
        QCOMPARE(p.f->lblrisposta[0]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(int(p.f->NumeroErrori), 0);
    }
};

QTEST_MAIN(TestClic)
#include "tst_clic.moc"
