// A whole exercise done with the mouse, from the menu entry to the grade.
#include "ProveRisposte.h"

#include "content/Esercizio.h"

#include <QTimer>

namespace {
const QStringList Scelte = {QStringLiteral("nome"), QStringLiteral("verbo"), QStringLiteral("articolo")};
} // namespace

class TestEsercizioCompleto : public QObject {
    Q_OBJECT
private slots:
    void esercizioIntero_data()
    {
        QTest::addColumn<int>("errori");
        QTest::addColumn<QString>("giudizio");
        QTest::newRow("2 il giro tipico") << 2 << "BUONO";
        QTest::newRow("0") << 0 << "ECCELLENTE";
        QTest::newRow("1") << 1 << "OTTIMO";
        QTest::newRow("3") << 3 << "DISCRETO";
        QTest::newRow("4") << 4 << "SUFFICIENTE";
        QTest::newRow("6") << 6 << "INSUFF.";
    }

    void esercizioIntero()
    {
        QFETCH(int, errori);
        QFETCH(QString, giudizio);

        // Exercise 4 of "Nomi", of kind 3, as the main menu leaves things when "Nomi" is chosen.
        FinestraProva p;
        QList<Voce> voci;
        for (int i = 0; i < NumeroRighe; ++i)
            voci << Voce{QStringLiteral("Il cane abbaia %1 volte.").arg(i + 1), Scelte.at(i % 3),
                         QStringList{"cane", "abbaia", "Il"}.at(i % 3)};
        p.cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"), FileEsercizio(3, Scelte, voci));
        Globali::CategoriaCorrente = QStringLiteral("Nomi");
        Globali::EstensioneScheda = QStringLiteral("Zlr01");
        Globali::UltimoEsercizio = 31;
        for (int i = 0; i <= 31; ++i) {
            Globali::TitoloIndice << QStringLiteral("Esercizio %1").arg(i + 1);
            Globali::TestoIndice << QStringLiteral("Scegli la parte del discorso.");
            Globali::TitoloScritto << QStringLiteral("Esercizio %1").arg(i + 1);
            Globali::TestoScritto << QStringLiteral("Scrivi la parte del discorso.");
            Globali::EsercizioFatto << false;
            Globali::Giudizio << QString();
        }
        Globali::NomeAlunno = QStringLiteral("Anna");

        p.f = std::make_unique<FinestraEsercizi>();
        FinestraEsercizi* f = p.f.get();
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        // A record is open: the exercise menu is filled.
        f->RipristinaMenuEsercizi();
        QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[4]), QStringLiteral(" Esercizio 5"));
        f->mnuesercizio[4]->trigger();
        p.suoni.suonati.clear();

        for (int i = 0; i < NumeroRighe; ++i) {
            p.Seleziona(i);
            QCOMPARE(f->lblrisposta[i]->BackColor(), FinestraEsercizi::Giallo);
            if (i < errori) {
                // A wrong choice first: the label turns red, the item must be taken again.
                QVERIFY(p.Scegli(Scelte.at((i + 1) % 3)));
                QCOMPARE(f->lblrisposta[i]->BackColor(), FinestraEsercizi::Rosso);
                QCOMPARE(int(f->RigaCorrente), 100);
                p.Seleziona(i);
            }
            QVERIFY(p.Scegli(Scelte.at(i % 3)));
            QCOMPARE(f->lblrisposta[i]->BackColor(), FinestraEsercizi::Verde);
            QVERIFY(f->Testo[i]->Testo().endsWith(" [" + Scelte.at(i % 3) + "]"));
            QCOMPARE(int(f->RigheCompletate), i + 1);
            // Nothing is graded before the 14th item.
            if (i < NumeroRighe - 1)
                QVERIFY(f->List1->isVisible() && !Globali::EsercizioFatto.at(4) && p.modali.aperte.isEmpty());
        }

        QCOMPARE(FinestraEsercizi::Caption(f->mnuerrori), QStringLiteral("   ERRORI : %1").arg(errori));
        for (int i = 0; i <= 31; ++i)
            QCOMPARE(QString::number(Globali::EsercizioFatto.at(i)) + Globali::Giudizio.at(i), i == 4 ? "1" + giudizio : "0");
        QVERIFY(f->mnuesercizio[4]->isChecked());
        QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[4]), QStringLiteral(" Esercizio 5 (") + giudizio + ")");
        QCOMPARE(FinestraEsercizi::Caption(f->mnuesercizio[5]), QStringLiteral(" Esercizio 6"));

        // The record file now holds the grade's letter for exercise 4, after an odd filler.
        const QByteArray scheda = p.cartella.Leggi(QStringLiteral("Schede personali/Nomi/Anna.Zlr01"));
        QCOMPARE(scheda.size(), 64 + 2);
        QVERIFY(scheda.endsWith("\r\n"));
        const int lettera = 2 * (31 - 4) + 2 - 1;
        QCOMPARE(QChar::fromLatin1(scheda.at(lettera)), LetteraGiudizio(giudizio));
        QCOMPARE(static_cast<unsigned char>(scheda.at(lettera - 1)) % 2, 1);
        QCOMPARE(scheda.count('x'), 31);
        for (const Messaggio& m : p.messaggi.mostrati)
            QVERIFY2(m.icona != Icona::Critico, qPrintable(m.testo));

        QStringList attesi(errori, QStringLiteral("wrong.wav"));
        attesi << QStringLiteral("right.wav");
        if (errori == 0)
            attesi << QStringLiteral("win.wav");
        QCOMPARE(p.suoni.suonati, attesi);

        // The record sheet was shown, then the prompt to choose another exercise.
        QCOMPARE(p.modali.aperte, QStringList{"FinestraScheda"});
        QCOMPARE(f->Label3->text(), QStringLiteral("Scegli un altro esercizio nel menu in alto"));
        QVERIFY(f->Timer1->isActive() && !f->List1->isVisible() && !f->Shape1->isVisible());
        for (int i = 0; i < NumeroRighe; ++i) {
            QCOMPARE(f->lblrisposta[i]->Caption(), QStringLiteral("\r\nok"));
            QVERIFY(!f->Testo[i]->Ingresso());
        }
        // A finished item cannot be selected again.
        p.Seleziona(3);
        QCOMPARE(int(f->RigaCorrente), 100);
    }
};

QTEST_MAIN(TestEsercizioCompleto)
#include "tst_esercizio_completo.moc"
