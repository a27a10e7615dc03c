// The typical run with the mouse, from the main menu to the graded exercise
// saved in the record, then a fresh program opening that record again.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "app/MenuPrincipale.h"
#include "platform/OpenSave.h"
#include "windows/FinestraNome.h"
#include "windows/FinestraScheda.h"

#include <QMenu>

namespace {
const QString Registro = QStringLiteral("Schede personali/Nomi/Luca Bianchi.ZLR01");
const QByteArray Nuova = QByteArray(72, 'x') + "\r\n";

QAction* Comando(QWidget* w, const char* nome, int i = 0)
{
    return w->findChildren<QAction*>(QLatin1String(nome)).at(i);
}

// A real click on a list entry.
void Scegli(QWidget* w, const QString& voce)
{
    auto* elenco = w->findChild<QListWidget*>();
    QListWidgetItem* x = elenco->findItems(voce, Qt::MatchExactly).first();
    QTest::mouseClick(elenco->viewport(), Qt::LeftButton, {}, elenco->visualItemRect(x).center());
}
} // namespace

class TestPercorsoTipico : public QObject {
    Q_OBJECT
private slots:
    void percorso_data()
    {
        QTest::addColumn<int>("errori");
        QTest::addColumn<QString>("giudizio");
        QTest::addColumn<QStringList>("suoni"); // the last is the record sheet's OK
        QTest::addColumn<bool>("pieno"); // the disk refuses the save
        QTest::newRow("due errori: BUONO") << 2 << "BUONO" << QStringList{"wrong.wav", "wrong.wav", "right.wav", "press.wav"} << false;
        QTest::newRow("nessun errore") << 0 << "ECCELLENTE" << QStringList{"right.wav", "win.wav", "press.wav"} << false;
        QTest::newRow("cinque errori") << 5 << "INSUFF." << (QStringList(5, "wrong.wav") << "right.wav" << "press.wav") << false;
        // A save that fails is said, and nothing shows the exercise done: the file still holds it to do.
        QTest::newRow("disco pieno") << 1 << "" << QStringList{"wrong.wav", "right.wav", "press.wav"} << true;
    }

    void percorso()
    {
        QFETCH(int, errori);
        QFETCH(QString, giudizio);
        QFETCH(QStringList, suoni);
        QFETCH(bool, pieno);
        Ambiente a;
        QString indice;
        for (int i = 0; i < 32; ++i)
            indice += QStringLiteral("%1,\"Titolo %1\",\"Istruzioni %1\"\r\n").arg(i + 1);
        a.cartella.Scrivi(QStringLiteral("Indice/Nomi.txt"), indice);
        a.cartella.Scrivi(QStringLiteral("IndiceScritto/Nomi.txt"), indice);
        a.cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"),
                 FileEsercizio(3, {"nome", "articolo", "verbo"}, {{"Il cane abbaia.", "nome", "cane"}}));
        a.cartella.CreaCartelleSchede();
        QStringList scheda; // title, grade and done of exercises 4 and 5, as the record sheet shows them
        GestoreModali g([&](QWidget* w) {
            if (qobject_cast<FinestraNome*>(w)) {
                QTest::keyClicks(Figlio<QWidget>(*w, "nome"), QStringLiteral("Luca Bianchi"));
                QTest::mouseClick(Figlio<QWidget>(*w, "pulsanteOk"), Qt::LeftButton);
            } else if (qobject_cast<FinestraScheda*>(w)) {
                scheda = {Scritta(*w, "titolo"), Scritta(*w, "giudizio4"), Scritta(*w, "fatto4"), Scritta(*w, "fatto5")};
                QTest::mouseClick(Figlio<QWidget>(*w, "pulsanteOk"), Qt::LeftButton);
            }
        });

        // "Nomi", a new record: 32 exercises to do; the fifth is loaded.
        auto menu = std::make_unique<MenuPrincipale>();
        menu->ScegliCategoria(1);
        FinestraEsercizi* w = menu->Esercizi();
        QVERIFY(w && w->isVisible());
        Comando(w, "voceCrea")->trigger();
        QVERIFY(w->findChild<QMenu*>(QStringLiteral("menuEsercizi"))->menuAction()->isEnabled());
        QVERIFY(Comando(w, "voceEsercizio", 31)->isVisible() && !Comando(w, "voceEsercizio", 32)->isVisible());
        Comando(w, "voceEsercizio", 4)->trigger();

        // Each item clicked, then its entry (a wrong one first for the first items).
        a.suoni.suonati.clear();
        std::optional<DiscoPieno> guasto;
        if (pieno)
            guasto.emplace();
        for (int i = 0; i < 14; ++i) {
            auto* numero = Figlio<QLabel>(*w, qPrintable(QStringLiteral("numero%1").arg(i)));
            if (i < errori) {
                QTest::mouseClick(numero, Qt::LeftButton);
                Scegli(w, QStringLiteral("verbo"));
            }
            QTest::mouseClick(numero, Qt::LeftButton);
            Scegli(w, QStringLiteral("nome"));
            // Nothing is written before the last item.
            if (i < 13)
                QCOMPARE(a.cartella.Leggi(Registro), Nuova);
        }
        QCOMPARE(g.aperte, (QStringList{"FinestraNome", "FinestraScheda"}));
        QCOMPARE(scheda, (QStringList{"Scheda personale di Luca Bianchi", giudizio.isEmpty() ? " " : giudizio, pieno ? "da fare" : "x", "da fare"}));
        QCOMPARE(a.suoni.suonati, suoni);
        QCOMPARE(Scritta(*w, "consegna"), QStringLiteral("Scegli un altro esercizio nel menu in alto"));
        QVERIFY(Comando(w, "voceEsercizio", 4)->isChecked() != pieno && !w->findChild<QListWidget*>()->isVisible());
        QCOMPARE(FinestraEsercizi::Caption(Comando(w, "voceEsercizio", 4)), QStringLiteral(" Titolo 5") + (pieno ? "" : " (" + giudizio + ")"));
        QCOMPARE(Globali::EsercizioFatto[4], !pieno);
        QCOMPARE(a.messaggi.Testi(), pieno ? QStringList{"Si è verificato un errore, non è possibile salvare i dati.\r\n"
                                                "Verificare che la cartella delle schede personali sia accessibile."} : QStringList());
        guasto.reset();
        if (pieno) {
            QCOMPARE(a.cartella.Leggi(Registro), Nuova);
            return;
        }
        // The line's bytes are the records module's; here: exercise 5 done with its grade letter.
        QCOMPARE(a.cartella.Leggi(Registro).mid(2 * (31 - 4) + 1, 1), QByteArray(1, LetteraGiudizio(giudizio).toLatin1()));
        QCOMPARE(a.cartella.Leggi(QStringLiteral("Schede personali/Articoli/Luca Bianchi.ZLR00")), Nuova);

        // A fresh program opens the same record and shows the grade.
        menu.reset();
        Globali::Azzera();
        scheda.clear();
        menu = std::make_unique<MenuPrincipale>();
        menu->ScegliCategoria(1);
        ImpostaDialogoFile([&](const RecordDialogo&) {
            return std::optional<QString>(a.cartella.Percorso() + '/' + Registro);
        });
        Comando(menu->Esercizi(), "voceApri")->trigger();
        ImpostaDialogoFile({});
        QCOMPARE(Globali::NomeAlunno, QStringLiteral("Luca Bianchi"));
        QCOMPARE(scheda.value(1), giudizio);
        QVERIFY(Comando(menu->Esercizi(), "voceEsercizio", 4)->isChecked());
        QVERIFY(!Comando(menu->Esercizi(), "voceEsercizio", 5)->isChecked());
    }
};

QTEST_MAIN(TestPercorsoTipico)
#include "tst_percorso_tipico.moc"
