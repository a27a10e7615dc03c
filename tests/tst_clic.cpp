// Answering by double-clicking a word of an item, with real mouse events.
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
        Globali::TestoIndice = {QStringLiteral("Clicca.")};
        Globali::TitoloScritto = {QStringLiteral("Prova")};
        Globali::TestoScritto = {QStringLiteral("Clicca.")};
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

    // Where the n-th occurrence (from 0) of a word starts in box i.
    int Posizione(int i, const QString& parola, int occorrenza = 0) const
    {
        int p = -1;
        for (int k = 0; k <= occorrenza; ++k)
            p = f->Testo[i]->Testo().indexOf(parola, p + 1);
        return p;
    }

    // A real double-click in the middle of the word, where it is on screen.
    bool DoppioClic(int i, const QString& parola, int occorrenza = 0)
    {
        CasellaTesto* c = f->Testo[i];
        const int p = Posizione(i, parola, occorrenza);
        if (p < 0)
            return false;
        const QPoint punto = c->RettangoloCarattere(p + int(parola.size()) / 2).center();
        if (c->PosizioneInPunto(punto) < p || c->PosizioneInPunto(punto) > p + parola.size())
            return false;
        // What the system sends for a double-click: press, release, double-click, release.
        QTest::mousePress(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
        return true;
    }

    void Clic(int i, const QString& parola)
    {
        CasellaTesto* c = f->Testo[i];
        QTest::mouseClick(c->viewport(), Qt::LeftButton, {},
                          c->RettangoloCarattere(Posizione(i, parola) + 1).center());
    }
};

} // namespace

class TestClic : public QObject {
    Q_OBJECT
private slots:
    void rispostaGiusta_data();
    void rispostaGiusta();
    void sbagliataPoiGiusta_data();
    void sbagliataPoiGiusta();
    void clicSempliceNonGiudica_data();
    void clicSempliceNonGiudica();
    void doppioClicTipoLista();
    void tipoSenzaVisualizzazione();
    void guardiaModoClic();
    void tipo2CercaParole();
    void tipo2StessaParolaDueVolte();
};

void TestClic::rispostaGiusta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("parola");
    QTest::addColumn<int>("occorrenza");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("colori");
    QTest::addColumn<QString>("chiaveDopo");

    QTest::newRow("1 con nota")
        << 1 << "Il cane abbaia." << "cane" << "animale" << "cane" << 0
        << "Il cane abbaia. [animale]" << Tratti("n15 b10") << " [animale]";
    QTest::newRow("1 senza nota: l'ultima occorrenza")
        << 1 << "Il cane vede il cane." << "cane" << "" << "cane" << 0
        << "Il cane vede il cane.\r\n" << Tratti("n16 b4 n3") << "";
    QTest::newRow("41 fino al punto")
        << 41 << "il cane abbaia il gatto dorme" << "abbaia" << "Il cane abbaia. Il gatto dorme."
        << "abbaia" << 0 << "Il cane abbaia. Il gatto dorme." << Tratti("b15 r16")
        << "Il cane abbaia. Il gatto dorme.";
    QTest::newRow("41 il primo di più punti")
        << 41 << "ciao si no" << "si" << "Ciao. Sì. No." << "si" << 0 << "Ciao. Sì. No."
        << Tratti("b5 r8") << "Ciao. Sì. No.";
    QTest::newRow("41 senza punto tutto rosso")
        << 41 << "ciao a tutti" << "ciao" << "Ciao a tutti" << "ciao" << 0 << "Ciao a tutti"
        << Tratti("r12") << "Ciao a tutti";
    QTest::newRow("43 virgola")
        << 43 << "Mario vieni qui" << "Mario" << "Mario, vieni qui." << "Mario" << 0
        << "Mario, vieni qui." << Tratti("b6 r11") << "Mario, vieni qui.";
    QTest::newRow("46 punto e virgola")
        << 46 << "Piove resto a casa" << "resto" << "Piove; resto a casa." << "resto" << 0
        << "Piove; resto a casa." << Tratti("b6 r14") << "Piove; resto a casa.";
    QTest::newRow("48 due punti")
        << 48 << "Ecco pane e latte" << "Ecco" << "Ecco: pane e latte." << "Ecco" << 0
        << "Ecco: pane e latte." << Tratti("b5 r14") << "Ecco: pane e latte.";
    QTest::newRow("49 puntini nel mezzo")
        << 49 << "Aspetta poi vai" << "Aspetta" << "Aspetta... poi vai." << "Aspetta" << 0
        << "Aspetta... poi vai." << Tratti("b10 r9") << "Aspetta... poi vai.";
    QTest::newRow("49 senza puntini")
        << 49 << "ciao a tutti" << "ciao" << "Ciao a tutti" << "ciao" << 0 << "Ciao a tutti"
        << Tratti("b2 r10") << "Ciao a tutti";
    QTest::newRow("42 sostituisce la prima occorrenza")
        << 42 << "Il cane e il cane." << "cane" << "gatto" << "cane" << 1
        << "Il gatto e il cane.\r\n" << Tratti("n3 r5 n13") << "gatto";
}

void TestClic::rispostaGiusta()
{
    QFETCH(int, tipo);
    QFETCH(QString, frase);
    QFETCH(QString, risposta);
    QFETCH(QString, chiave);
    QFETCH(QString, parola);
    QFETCH(int, occorrenza);
    QFETCH(QString, testo);
    QFETCH(QString, colori);
    QFETCH(QString, chiaveDopo);

    Prova p;
    p.Apri(tipo, {{frase, risposta, chiave}});
    QVERIFY(p.DoppioClic(6, parola, occorrenza));
    CasellaTesto* c = p.f->Testo[6];
    QCOMPARE(c->Testo(), testo);
    QCOMPARE(Colori(c), colori);
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(p.f->Selezione[6], risposta);
    QCOMPARE(p.f->Chiave[6], chiaveDopo);
    QCOMPARE(p.f->lblrisposta[6]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->RigheCompletate), 1);
    QCOMPARE(int(p.f->RigaCorrente), 100);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->ModoClic), 0);
    QVERIFY(p.f->mnuerrori->isVisible());
    QVERIFY(p.suoni.suonati.isEmpty());

    // The finished box ignores the pointer from now on.
    QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, c->RettangoloCarattere(1).center());
    QCOMPARE(c->Testo(), testo);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->RigheCompletate), 1);
}

void TestClic::sbagliataPoiGiusta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("testoDopo");
    QTest::newRow("1") << 1 << "" << "Il cane abbaia.\r\n";
    QTest::newRow("41") << 41 << "Il cane. Abbaia." << "Il cane. Abbaia.";
    QTest::newRow("42") << 42 << "gatto" << "Il gatto abbaia.\r\n";
    QTest::newRow("49") << 49 << "Il cane... abbaia." << "Il cane... abbaia.";
}

void TestClic::sbagliataPoiGiusta()
{
    QFETCH(int, tipo);
    QFETCH(QString, chiave);
    QFETCH(QString, testoDopo);
    Prova p;
    p.Apri(tipo, {{"Il cane abbaia.", "cane", chiave}});
    CasellaTesto* c = p.f->Testo[9];

    QVERIFY(p.DoppioClic(9, "abbaia"));
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
    QCOMPARE(frmEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 1"));
    QVERIFY(p.f->mnuerrori->isVisible());
    QCOMPARE(c->Testo(), QStringLiteral("Il cane abbaia.\r\n"));
    QCOMPARE(Colori(c), Tratti("n8 r6 n3"));
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(p.f->Selezione[9], QStringLiteral("abbaia"));
    // The item stays selected and open.
    QCOMPARE(int(p.f->RigaCorrente), 9);
    QCOMPARE(p.f->lblrisposta[9]->BackColor(), frmEsercizi::Giallo);

    QVERIFY(p.DoppioClic(9, "cane"));
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
    QCOMPARE(c->Testo(), testoDopo);
    QVERIFY(!Colori(c).contains(QLatin1Char('?')));
    if (tipo == 1) // the red attempt is gone: the sentence is black again
        QCOMPARE(Colori(c), Tratti("n3 b4 n10"));
    QCOMPARE(p.f->lblrisposta[9]->BackColor(), frmEsercizi::Verde);
}

void TestClic::clicSempliceNonGiudica_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("41") << 41;
    QTest::newRow("42") << 42;
}

void TestClic::clicSempliceNonGiudica()
{
    QFETCH(int, tipo);
    Prova p;
    p.Apri(tipo, {{"Il cane abbaia.", tipo == 2 ? "1" : "cane", "cane."}});
    p.Clic(4, "cane");
    QCOMPARE(int(p.f->RigaCorrente), 4);
    QCOMPARE(p.f->lblrisposta[4]->BackColor(), frmEsercizi::Giallo);
    QVERIFY(p.f->Shape1->isVisible());
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QVERIFY(!p.f->mnuerrori->isVisible());
    QCOMPARE(int(p.f->RigheCompletate), 0);
    QCOMPARE(Colori(p.f->Testo[4]), Tratti("n17"));
    QVERIFY(p.suoni.suonati.isEmpty());
}

void TestClic::doppioClicTipoLista()
{
    Prova p;
    p.Apri(3, {{"Il cane abbaia.", "nome", "cane"}});
    QVERIFY(p.DoppioClic(0, "abbaia"));
    CasellaTesto* c = p.f->Testo[0];
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(int(p.f->ModoClic), 0);
    QVERIFY(!p.f->mnuerrori->isVisible());
    QCOMPARE(Colori(c), Tratti("n3 r4 n10"));
    QCOMPARE(int(p.f->RigaCorrente), 0);
}

void TestClic::tipoSenzaVisualizzazione()
{
    // Kinds without a way of answering in the text read the word and stop.
    for (int tipo : {40, 47, 60}) {
        Prova p;
        p.Apri(tipo, {{"Il * abbaia.", "cane", "Il cane abbaia."}});
        QVERIFY(p.DoppioClic(2, "abbaia"));
        QCOMPARE(p.f->Selezione[2], QStringLiteral("abbaia"));
        QVERIFY(p.f->mnuerrori->isVisible());
        QCOMPARE(int(p.f->NumeroErrori), 0);
        QCOMPARE(int(p.f->RigheCompletate), 0);
        QCOMPARE(p.f->Testo[2]->Testo(), QStringLiteral("Il * abbaia.\r\n"));
    }
}

void TestClic::guardiaModoClic()
{
    Prova p;
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
    QCOMPARE(int(p.f->RigheCompletate), 0);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QVERIFY(!p.f->mnuerrori->isVisible());
    // Armed by hand, the next change is judged once.
    p.f->ModoClic = 2;
    c->ImpostaSelezione(3, 4);
    QCOMPARE(int(p.f->ModoClic), 0);
    QCOMPARE(int(p.f->RigheCompletate), 1);
}

void TestClic::tipo2CercaParole()
{
    Prova p;
    p.Apri(2, {{"Il cane e il gatto con la palla.", "2", "cane gattone"}});
    CasellaTesto* c = p.f->Testo[5];
    EtichettaNumero* l = p.f->lblrisposta[5];
    QCOMPARE(l->Caption(), QStringLiteral("\r\n2"));
    QCOMPARE(int(p.f->Conteggio[5]), 2);

    QVERIFY(p.DoppioClic(5, "cane"));
    QCOMPARE(l->Caption(), QStringLiteral("\r\n1"));
    QCOMPARE(int(p.f->ParoleTrovate[5]), 1);
    QCOMPARE(Colori(c), Tratti("n3 b4 n27"));
    QCOMPARE(c->SelStart(), 0);
    QCOMPARE(c->SelLength(), 0);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QVERIFY(l->BackColor() != frmEsercizi::Verde);

    // Found before: nothing counted either way.
    QVERIFY(p.DoppioClic(5, "cane"));
    QCOMPARE(l->Caption(), QStringLiteral("\r\n1"));
    QCOMPARE(int(p.f->ParoleTrovate[5]), 1);
    QCOMPARE(int(p.f->NumeroErrori), 0);
    QCOMPARE(c->SelLength(), 0);

    // Too short, then not in the key: two errors, both left red.
    QVERIFY(p.DoppioClic(5, "Il"));
    QCOMPARE(int(p.f->NumeroErrori), 1);
    QVERIFY(p.DoppioClic(5, "palla"));
    QCOMPARE(int(p.f->NumeroErrori), 2);
    QCOMPARE(frmEsercizi::Caption(p.f->mnuerrori), QStringLiteral("   ERRORI : 2"));
    QCOMPARE(p.suoni.suonati, (QStringList{"wrong.wav", "wrong.wav"}));
    QCOMPARE(Colori(c), Tratti("r2 n1 b4 n19 r5 n3"));
    QCOMPARE(l->Caption(), QStringLiteral("\r\n1"));
    QCOMPARE(int(p.f->RigheCompletate), 0);

    // Part of a longer word of the key still counts; the last word closes the item.
    QVERIFY(p.DoppioClic(5, "gatto"));
    QCOMPARE(int(p.f->ParoleTrovate[5]), 2);
    QCOMPARE(l->BackColor(), frmEsercizi::Verde);
    QCOMPARE(l->ForeColor(), frmEsercizi::Blu);
    QCOMPARE(l->Caption(), QStringLiteral("\r\nok"));
    QCOMPARE(int(p.f->RigheCompletate), 1);
    QCOMPARE(Colori(c), Tratti("r2 n1 b4 n6 b5 n8 r5 n3"));
}

void TestClic::tipo2StessaParolaDueVolte()
{
    Prova p;
    p.Apri(2, {{"il gatto e il gatto", "2", "gatto"}});
    QVERIFY(p.DoppioClic(0, "gatto", 1));
    QCOMPARE(p.f->lblrisposta[0]->Caption(), QStringLiteral("\r\n1"));
    QCOMPARE(int(p.f->RigheCompletate), 0);
    QVERIFY(p.DoppioClic(0, "gatto", 0));
    QCOMPARE(p.f->lblrisposta[0]->BackColor(), frmEsercizi::Verde);
    QCOMPARE(int(p.f->NumeroErrori), 0);
}

QTEST_MAIN(TestClic)
#include "tst_clic.moc"
