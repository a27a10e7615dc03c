// The typical run with the mouse, from the main menu to the graded exercise
// saved in the record, then a fresh program opening that record again.
#include "Supporto.h"

#include "app/MenuPrincipale.h"
#include "content/Globali.h"
#include "content/Percorsi.h"
#include "windows/FinestraEsercizi.h"
#include "platform/OpenSave.h"
#include "windows/FinestraNome.h"
#include "windows/FinestraScheda.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {
// Index, written index and the fifth exercise of "Nomi", made for the test.
void PreparaNomi(const CartellaProva& c)
{
    QString indice, scritto;
    for (int i = 0; i < 32; ++i) {
        indice += QStringLiteral("%1,\"Titolo %1\",\"Istruzioni %1\"\r\n").arg(i + 1);
        scritto += QStringLiteral("%1,\"Scritto %1\",\"Consegna %1\"\r\n").arg(i + 1);
    }
    c.Scrivi(QStringLiteral("Indice/Nomi.txt"), indice);
    c.Scrivi(QStringLiteral("IndiceScritto/Nomi.txt"), scritto);
    QString esercizio = QStringLiteral("3\r\n3\r\n\"nome\"\r\n\"articolo\"\r\n\"verbo\"\r\n");
    for (int i = 0; i < 14; ++i)
        esercizio += QStringLiteral("\"Il cane %1 abbaia.\",\"nome\",\"cane\"\r\n").arg(i + 1);
    c.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"), esercizio);
    c.CreaCartelleSchede();
}

struct SchedaVista {
    QString titolo;
    QString giudizio4;
    QString fatto4;
    QString fatto5;
};

GestoreModali::Gestore Gestisci(const QString& nome, SchedaVista& vista)
{
    return [nome, &vista](QWidget* w) {
        if (auto* f = qobject_cast<FinestraNome*>(w)) {
            QTest::keyClicks(f->findChild<QWidget*>(QStringLiteral("nome")), nome);
            QTest::mouseClick(f->findChild<QWidget*>(QStringLiteral("pulsanteOk")), Qt::LeftButton);
        } else if (auto* s = qobject_cast<FinestraScheda*>(w)) {
            const auto scritta = [s](const char* nome) { return s->findChild<QLabel*>(QLatin1String(nome))->text(); };
            vista = {scritta("titolo"), scritta("giudizio4"), scritta("fatto4"), scritta("fatto5")};
            QTest::mouseClick(s->findChild<QWidget*>(QStringLiteral("pulsanteOk")), Qt::LeftButton);
        }
    };
}
QAction* Voce(QWidget* w, const char* nome, int i = 0)
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
    void percorso_data();
    void percorso();
};

void TestPercorsoTipico::percorso_data()
{
    QTest::addColumn<int>("errori");
    QTest::addColumn<QString>("giudizio");
    QTest::addColumn<QStringList>("suoni");
    // The last cue is the record sheet's OK.
    QTest::newRow("due errori: BUONO") << 2 << "BUONO"
                                       << QStringList{"wrong.wav", "wrong.wav", "right.wav", "press.wav"};
    QTest::newRow("nessun errore: ECCELLENTE") << 0 << "ECCELLENTE"
                                               << QStringList{"right.wav", "win.wav", "press.wav"};
    QTest::newRow("cinque errori: INSUFF.") << 5 << "INSUFF."
                                            << (QStringList(5, "wrong.wav") << "right.wav" << "press.wav");
}

void TestPercorsoTipico::percorso()
{
    QFETCH(int, errori);
    QFETCH(QString, giudizio);
    QFETCH(QStringList, suoni);
    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati s;
    PreparaNomi(c);
    SchedaVista vista;

    auto menu = std::make_unique<MenuPrincipale>();
    menu->ScegliCategoria(1);
    FinestraEsercizi* w = menu->Esercizi();
    QVERIFY(w && w->isVisible());

    // Step 2: a new record.
    {
        GestoreModali g(Gestisci(QStringLiteral("Luca Bianchi"), vista));
        Voce(w, "voceCrea")->trigger();
        QCOMPARE(g.aperte, QStringList{"FinestraNome"});
    }

    // Step 3: 32 exercises with a pencil; the fifth is loaded.
    QVERIFY(w->findChild<QMenu*>(QStringLiteral("menuEsercizi"))->menuAction()->isEnabled());
    for (int i = 0; i < 32; ++i)
        QVERIFY(Voce(w, "voceEsercizio", i)->isVisible() && !Voce(w, "voceEsercizio", i)->isChecked());
    QVERIFY(!Voce(w, "voceEsercizio", 32)->isVisible());
    Voce(w, "voceEsercizio", 4)->trigger();
    QCOMPARE(w->Motore().EsercizioCorrente(), 4);

    // Steps 4 and 5: each item clicked, then its entry (a wrong one first for the first items).
    s.suonati.clear();
    GestoreModali g(Gestisci(QString(), vista));
    for (int i = 0; i < 14; ++i) {
        auto* numero = w->findChild<QLabel*>(QStringLiteral("numero%1").arg(i));
        if (i < errori) {
            QTest::mouseClick(numero, Qt::LeftButton);
            Scegli(w, QStringLiteral("verbo"));
        }
        QTest::mouseClick(numero, Qt::LeftButton);
        QVERIFY(w->Motore().RigaCorrente() == i);
        Scegli(w, QStringLiteral("nome"));
        // Nothing is written before the last item.
        if (i < 13)
            QCOMPARE(c.Leggi(QStringLiteral("Schede personali/Nomi/Luca Bianchi.ZLR01")),
                     QByteArray(72, 'x') + "\r\n");
    }
    QCOMPARE(g.aperte, QStringList{"FinestraScheda"});
    QCOMPARE(vista.titolo, QStringLiteral("Scheda personale di Luca Bianchi"));
    QCOMPARE(vista.giudizio4, giudizio);
    QCOMPARE(vista.fatto4, QStringLiteral("x"));
    QCOMPARE(vista.fatto5, QStringLiteral("da fare"));
    QCOMPARE(s.suonati, suoni);
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("consegna"))->text(), QStringLiteral("Scegli un altro esercizio nel menu in alto"));
    QVERIFY(Voce(w, "voceEsercizio", 4)->isChecked());
    QCOMPARE(FinestraEsercizi::Caption(Voce(w, "voceEsercizio", 4)), QStringLiteral(" Titolo 5 (") + giudizio + ")");
    const QByteArray scheda = c.Leggi(QStringLiteral("Schede personali/Nomi/Luca Bianchi.ZLR01"));
    QCOMPARE(scheda.size(), 66);
    for (int i = 0; i < 32; ++i) {
        const int p = 2 * (31 - i);
        QCOMPARE(scheda.at(p + 1), i == 4 ? LetteraGiudizio(giudizio).toLatin1() : 'x');
        QCOMPARE(static_cast<unsigned char>(scheda.at(p)) % 2, i == 4 ? 1 : 0);
    }
    QCOMPARE(c.Leggi(QStringLiteral("Schede personali/Articoli/Luca Bianchi.ZLR00")), QByteArray(72, 'x') + "\r\n");
    QVERIFY(!m.Testi().join(QString()).contains(QStringLiteral("errore")));

    // A fresh program opens the same record and shows the grade.
    menu.reset();
    Globali::Azzera();
    vista = {};
    menu = std::make_unique<MenuPrincipale>();
    menu->ScegliCategoria(1);
    FinestraEsercizi* w2 = menu->Esercizi();
    QVERIFY(w2);
    ImpostaDialogoFile([&](const RecordDialogo&) {
        return std::optional<QString>(c.Percorso() + QStringLiteral("/Schede personali/Nomi/Luca Bianchi.ZLR01"));
    });
    Voce(w2, "voceApri")->trigger();
    ImpostaDialogoFile({});
    QCOMPARE(Globali::NomeAlunno, QStringLiteral("Luca Bianchi"));
    QCOMPARE(vista.giudizio4, giudizio);
    QCOMPARE(Globali::Giudizio[4], giudizio);
    QVERIFY(Voce(w2, "voceEsercizio", 4)->isChecked());
    QVERIFY(!Voce(w2, "voceEsercizio", 5)->isChecked());
}

QTEST_MAIN(TestPercorsoTipico)
#include "tst_percorso_tipico.moc"
