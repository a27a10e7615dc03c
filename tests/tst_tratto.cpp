// Answering by marking a stretch of an item with a real drag of the mouse.
#include "ProveRisposte.h"

namespace {
// A right answer: the stretch dragged over, then the colour runs of the box,
// which shows the key (chiaveDopo when the key changes).
struct Giusta {
    int tipo;
    QString frase, risposta, chiave, tratto, colori, chiaveDopo;
};

// A wrong stretch and what the handler reads of it.
struct Sbagliata {
    int tipo;
    QString frase, risposta, tratto, selezione;
};
} // namespace
Q_DECLARE_METATYPE(Giusta)
Q_DECLARE_METATYPE(Sbagliata)

class TestTratto : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data()
    {
        QTest::addColumn<Giusta>("caso");

        const QString mario = "Mario corre nel parco.", amico = "Ecco Mario il mio amico.";
        const QString ciao = "Disse ciao a tutti.", fine = "il mio amico.\r\n", fine2 = "ciao a tutti.\r\n";
        QTest::newRow("44") << Giusta{44, mario, "nel parco.", "Mario corre nel parco. (luogo)", "nel parco.",
            "n12 b10 n*", ""};
        QTest::newRow("44 spazi intorno") << Giusta{44, mario, "corre", mario, " corre ", "n6 b5 n*", ""};
        QTest::newRow("45") << Giusta{45, mario, "Mario corre", "Mario corre (soggetto e verbo) nel parco.",
            "Mario corre", "b11 n*", ""};
        QTest::newRow("50") << Giusta{50, amico, "il mio amico", "Ecco Mario (il mio amico).", fine, "n11 b14 n*",
            ""};
        QTest::newRow("51") << Giusta{51, amico, "il mio amico", "Ecco Mario - il mio amico -.", fine, "n11 b16 n*",
            ""};
        QTest::newRow("52") << Giusta{52, ciao, "ciao a tutti", "Disse: -ciao a tutti-.", fine2, "n6 b16",
            "Disse:\r-ciao a tutti-."};
        QTest::newRow("53") << Giusta{53, ciao, "ciao a tutti", "Disse £ciao a tutti$.", fine2, "n5 b16",
            "Disse «ciao a tutti»."};
        QTest::newRow("53 all'inizio") << Giusta{53, "Ciao disse Mario.", "Ciao", "£Ciao$ disse Mario.", "Ciao",
            "b8 n*", "«Ciao» disse Mario."};
        QTest::newRow("54") << Giusta{54, ciao, "ciao a tutti", "Disse %ciao a tutti&.", " " + fine2, "n6 b14 n1",
            "Disse “ciao a tutti”."};
        // A key that lacks the answer: shown uncoloured, the item still closes.
        for (int tipo : {44, 50, 51, 54})
            QTest::newRow(qPrintable(QStringLiteral("%1 senza risposta").arg(tipo)))
                << Giusta{tipo, "Mario corre.", "Mario", "Lui", "Mario", "n3", ""};
    }

    void rispostaGiusta()
    {
        QFETCH(Giusta, caso);
        const auto& [tipo, frase, risposta, chiave, tratto, colori, chiaveDopo] = caso;
        const QString dopo = chiaveDopo.isEmpty() ? chiave : chiaveDopo;

        FinestraProva p;
        p.Apri(tipo, {{frase, risposta, chiave}});
        QVERIFY(p.Trascina(8, tratto));
        CasellaTesto* c = p.f->Testo[8];
        QCOMPARE(c->Testo(), dopo);
        QCOMPARE(Colori(c), Tratti(colori, int(dopo.size())));
        QCOMPARE(QPoint(c->SelStart(), c->SelLength()), QPoint());
        QCOMPARE(p.f->Selezione[8], risposta);
        QCOMPARE(p.f->Chiave[8], dopo);
        // Only the answered item's key changes.
        QCOMPARE(p.f->Chiave[9], tipo == 52 ? chiave : dopo);
        QCOMPARE(p.f->lblrisposta[8]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 100 fatte 1 errori 0"));
        QCOMPARE(int(p.f->ModoClic), 0);
        QVERIFY(p.suoni.suonati.isEmpty());
    }

    void sbagliata_data()
    {
        QTest::addColumn<Sbagliata>("caso");

        const QString mario = "Mario corre nel parco.", amico = "Ecco Mario il mio amico.", ami = "il mio amico";
        QTest::newRow("44 punto e a capo") << Sbagliata{44, mario, "nel parco.", "nel parco.\r\n", "nel parco.\r\n"};
        QTest::newRow("45 punto") << Sbagliata{45, mario, "nel parco", "nel parco.", "nel parco."};
        // A full stop without the line break still loses three characters.
        QTest::newRow("50 punto") << Sbagliata{50, amico, ami, "il mio amico.", "il mio ami"};
        QTest::newRow("51 parole") << Sbagliata{51, amico, ami, "Ecco Mario", "Ecco Mario"};
        QTest::newRow("52 solo punto") << Sbagliata{52, amico, ami, ".", "."};
        QTest::newRow("53 punto e a capo") << Sbagliata{53, amico, ami, ".\r\n", ""};
        QTest::newRow("54 parte") << Sbagliata{54, amico, ami, "mio amico.\r\n", "mio amico"};
    }

    void sbagliata()
    {
        QFETCH(Sbagliata, caso);
        const auto& [tipo, frase, risposta, tratto, selezione] = caso;

        FinestraProva p;
        p.Apri(tipo, {{frase, risposta, frase}});
        CasellaTesto* c = p.f->Testo[12];
        const QString prima = c->Testo();
        QVERIFY(p.Trascina(12, tratto));
        QCOMPARE(p.f->Selezione[12], selezione);
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
        QCOMPARE(FinestraEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 1"));
        QVERIFY(p.f->mnuerrori->isVisible());
        QCOMPARE(c->Testo(), prima);
        // The marked stretch stays red; the selection collapses.
        const int da = int(prima.indexOf(tratto));
        QCOMPARE(Colori(c), QString(da, 'n') + QString(tratto.size(), 'r')
                                + QString(prima.size() - da - tratto.size(), 'n'));
        QCOMPARE(QPoint(c->SelStart(), c->SelLength()), QPoint());
        QCOMPARE(Stato(*p.f), QStringLiteral("riga 12 fatte 0 errori 1"));
        QCOMPARE(p.f->lblrisposta[12]->BackColor(), FinestraEsercizi::Giallo);
    }

    void doppioClicGiudicatoUnaVolta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("parola");
        QTest::addColumn<bool>("giusta");
        QTest::newRow("45 giusta") << 45 << "Mario" << true;
        QTest::newRow("53 giusta") << 53 << "Mario" << true;
        QTest::newRow("44 sbagliata") << 44 << "corre" << false;
        QTest::newRow("54 sbagliata") << 54 << "corre" << false;
    }

    void doppioClicGiudicatoUnaVolta()
    {
        QFETCH(int, tipo);
        QFETCH(QString, parola);
        QFETCH(bool, giusta);
        FinestraProva p;
        p.Apri(tipo, {{"Mario corre.", "Mario", "Mario corre."}});
        QVERIFY(p.DoppioClic(1, parola));
        // A wrong word is collapsed, so the release that follows judges nothing.
        QCOMPARE(p.f->Selezione[1], giusta ? parola : QString());
        QCOMPARE(int(p.f->NumeroErrori), giusta ? 0 : 1);
        QCOMPARE(p.suoni.suonati.size(), giusta ? 0 : 1);
        QCOMPARE(int(p.f->RigheCompletate), giusta ? 1 : 0);
    }
};

QTEST_MAIN(TestTratto)
#include "tst_tratto.moc"
