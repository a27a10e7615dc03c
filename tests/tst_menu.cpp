// The main menu: start-up, categories, index files, hover, book, Info, Esci.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "app/MenuPrincipale.h"
#include "platform/Immagini.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QDialog>
#include <QSignalSpy>

namespace {
const QString Reinstalla = QStringLiteral("\r\nPer ripristinarla è necessario reinstallare il programma.");
const QString SenzaIndice = QStringLiteral("Si è verificato un errore, questa serie di esercizi non è disponibile.") + Reinstalla;
const QString SenzaScritto = QStringLiteral("La versione scritta di questi esercizi non è disponibile.") + Reinstalla;

QString Indice(int record, const QString& prefisso)
{
    QString s;
    for (int i = 0; i < record; ++i)
        s += QStringLiteral("%1,\"%2 %1\",\"Istruzione, con virgola %1\"\r\n").arg(i + 1).arg(prefisso);
    return s;
}

// The caption drawn whole inside its label.
bool Intera(const QLabel* l)
{
    const int a_capo = l->wordWrap() ? Qt::TextWordWrap : 0;
    return l->contentsRect().contains(l->fontMetrics().boundingRect(l->contentsRect(), int(l->alignment()) | a_capo, l->text()));
}
} // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init() { b = std::make_unique<Banco>(); }

    void cleanup()
    {
        b.reset();
        ImpostaScala(1);
    }

    void apertura_data()
    {
        QTest::addColumn<QRect>("schermo");
        QTest::addColumn<QRect>("libero"); // what the task bar leaves
        QTest::addColumn<double>("scala");
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600) << 1.0;
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080) << 1.8;
        QTest::newRow("1920 x 1080, barra") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1040) << 1.73;
    }

    // As designed at the scale: places, letters and pictures.
    void apertura()
    {
        QFETCH(QRect, schermo);
        QFETCH(QRect, libero);
        QFETCH(double, scala);
        QCOMPARE(ScalaPerSchermo(schermo, libero), scala);
        b.reset();
        ImpostaScala(scala);
        b = std::make_unique<Banco>();
        const MenuPrincipale& m = b->menu;
        QVERIFY(!m.Esercizi()); // made with the first category chosen
        QCOMPARE(Scritta(m, "categoria4") + Scritta(m, "esci") + Scritta(m, "info"), QStringLiteral("Verbi (I parte)EsciInfo"));
        QCOMPARE(Figlio(m, "categoria0")->pos(), QPoint(90, 319) * scala);
        QCOMPARE(Figlio(m, "categoria0")->height(), qRound(24 * scala)); // 360 twips
        QCOMPARE(Figlio(m, "categoria0")->font().pointSizeF(), 15.75 * scala);
        QVERIFY(Intera(Figlio<QLabel>(m, "sottotitolo")));
        QCOMPARE(Figlio(m, "libro3")->pos(), QPoint(36, 499) * scala);
        QCOMPARE(Figlio(m, "libro11")->pos(), QPoint(551, 439) * scala);
        QCOMPARE(Figlio<QLabel>(m, "libro11")->pixmap().size(), QSize(32, 32) * scala);
        QVERIFY(Figlio(m, "cornice")->isHidden());
    }

    void categoria_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<int>("record"); // in the index file
        QTest::addColumn<QString>("messaggio"); // the written index is missing when it says so
        QTest::newRow("Articoli") << 0 << "Articoli" << 22 << 23 << "";
        QTest::newRow("Verbi 1") << 4 << "Verbi 1" << 31 << 32 << "";
        QTest::newRow("indice corto") << 1 << "Nomi" << 31 << 31 << SenzaIndice;
        QTest::newRow("senza indice scritto") << 9 << "Sintassi" << 9 << 10 << SenzaScritto;
    }

    void categoria()
    {
        QFETCH(int, indice);
        QFETCH(QString, cartella);
        QFETCH(int, ultimo);
        QFETCH(int, record);
        QFETCH(QString, messaggio);
        b->cartella.Scrivi(QStringLiteral("Indice/") + cartella + QStringLiteral(".txt"), Indice(record, "Titolo"));
        // Letter case of the folder does not matter.
        if (messaggio != SenzaScritto)
            b->cartella.Scrivi(QStringLiteral("indicescritto/") + cartella.toLower() + QStringLiteral(".TXT"),
                               Indice(ultimo + 1, "Scritto"));
        b->menu.showFullScreen();
        // Through the label, as a screen reader presses it: a button named as it reads.
        QAccessibleInterface* etichetta = QAccessible::queryAccessibleInterface(Figlio(b->menu, QStringLiteral("categoria%1").arg(indice)));
        QCOMPARE(etichetta->text(QAccessible::Name), Scritta(b->menu, QStringLiteral("categoria%1").arg(indice)));
        etichetta->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(b->messaggi.Testi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        for (const Messaggio& m : b->messaggi.mostrati)
            QVERIFY(m.icona == Icona::Critico && m.titolo.isEmpty());
        QCOMPARE(Globali::CategoriaCorrente + QStringLiteral(" Zlr%1").arg(indice, 2, 10, QLatin1Char('0')),
                 cartella + ' ' + Globali::EstensioneScheda);
        QCOMPARE(Globali::EsercizioFatto, QVector<bool>(ultimo + 1, false));
        QVERIFY(b->suoni.suonati.isEmpty());
        // A short index keeps the menu; a missing written index does not.
        const bool aperta = record > ultimo;
        QCOMPARE(QPoint(b->menu.Esercizi() && b->menu.Esercizi()->isVisible(), b->menu.isVisible()), QPoint(aperta, !aperta));
        if (aperta)
            QCOMPARE(b->menu.Esercizi()->windowTitle(), QStringLiteral("Zelora: ") + cartella);
        QCOMPARE(Globali::TitoloIndice.value(ultimo) + '|' + Globali::TitoloScritto.value(1),
                 aperta ? QStringLiteral("Titolo %1|").arg(ultimo + 1) + (messaggio.isEmpty() ? "Scritto 2" : "") : "|");
    }

    void libro()
    {
        b->cartella.Scrivi(QStringLiteral("Indice/Preposizioni.txt"), Indice(5, "Titolo"));
        Globali::EstensioneScheda = QStringLiteral("Zlr01");
        b->menu.show();
        GestoreModali modali;
        QCOMPARE(QAccessible::queryAccessibleInterface(Figlio(b->menu, "libro7"))->text(QAccessible::Name), "Indice degli esercizi di Preposizioni");
        QTest::mouseClick(Figlio(b->menu, "libro7"), Qt::LeftButton);
        QCOMPARE(modali.aperte, QStringList{"FinestraIndice"});
        QCOMPARE(b->suoni.suonati, QStringList{"press.wav"});
        // The short index is reported, then shown with what it has; the menu stays.
        QCOMPARE(b->messaggi.Testi(), QStringList{SenzaIndice});
        QCOMPARE(Globali::CategoriaCorrente + ' ' + Globali::EstensioneScheda, QStringLiteral("Preposizioni Zlr01"));
        QCOMPARE(Globali::TitoloIndice.size(), 14);
        QCOMPARE(Globali::TitoloIndice[4] + '|' + Globali::TitoloIndice[5], QStringLiteral("Titolo 5|"));
        QVERIFY(b->menu.isVisible());
    }

    void evidenziazione()
    {
        MenuPrincipale& m = b->menu;
        m.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QWidget* cornice = Figlio(m, "cornice");
        // A book opens and frames its label without enlarging it.
        QTest::mouseMove(Figlio(m, "libro5"), QPoint(5, 5));
        QTRY_VERIFY(cornice->isVisible());
        QCOMPARE(Figlio<QLabel>(m, "libro5")->pixmap().toImage(), ImmagineLibroAperto().toImage());
        QCOMPARE(Figlio(m, "categoria5")->font().pointSizeF(), 15.75);
        QCOMPARE(cornice->geometry(), Figlio(m, "categoria5")->geometry().adjusted(-1, 0, 0, 1));
        // The background closes the books and hides the frame.
        QTest::mouseMove(Figlio(m, "pannello"), QPoint(5, 5));
        QVERIFY(cornice->isHidden());
        QCOMPARE(Figlio<QLabel>(m, "libro5")->pixmap().toImage(), ImmagineLibroChiuso().toImage());
        // All 14 captions whole and framed at 18 points under the pointer, whole at 16 after.
        QStringList voci{"esci", "info"};
        for (int i = 0; i < 12; ++i)
            voci << QStringLiteral("categoria%1").arg(i);
        for (const QString& voce : voci) {
            QTest::mouseMove(Figlio(m, voce), QPoint(2, 2));
            QVERIFY2(Figlio(m, voce)->font().pointSizeF() == 18 && Intera(Figlio<QLabel>(m, voce))
                         && cornice->geometry() == Figlio(m, voce)->geometry().adjusted(-1, 0, 0, 1), qPrintable(voce));
        }
        QTest::mouseMove(Figlio(m, "pannello"), QPoint(5, 5));
        for (const QString& voce : voci)
            QVERIFY2(Figlio(m, voce)->font().pointSizeF() == 16 && Intera(Figlio<QLabel>(m, voce)), qPrintable(voce));
    }

    void informazioniEdEsci()
    {
        QSignalSpy fine(&b->menu, &MenuPrincipale::fineProgramma);
        QString testo;
        int esito = -1;
        GestoreModali modali([&](QWidget* w) {
            testo = w->windowTitle() + '|' + Figlio<CasellaTesto>(*w, "testo")->Testo();
            QTest::mouseClick(Figlio(*w, "pulsanteOk"), Qt::LeftButton);
            esito = static_cast<QDialog*>(w)->result();
        });
        b->menu.show();
        QTest::mouseClick(Figlio(b->menu, "info"), Qt::LeftButton);
        QCOMPARE(modali.aperte, QStringList{"FinestraInformazioni"});
        QCOMPARE(esito, int(QDialog::Accepted));
        QCOMPARE(b->suoni.suonati, QStringList{"press.wav"});
        QVERIFY(testo.startsWith(QStringLiteral("Zelora|'Zelora'  è una raccolta organica di esercizi  che possono")));
        // The booklet by the names the build gives it; a contact only when one was set at build time.
        QVERIFY(testo.contains("\"Zelora - esercizi.odt\"") && testo.contains("\"Zelora - esercizi.pdf\""));
        const QString contatto = QStringLiteral(ZELORA_CONTATTO);
        QVERIFY(contatto.isEmpty() ? testo.endsWith("pronto da leggere e da stampare.") : testo.endsWith("all'indirizzo " + contatto));
        QVERIFY(testo.contains(QStringLiteral("11 categorie:\r\n 1- fondamenti (32 esercizi);\r\n 2- articoli")));
        QCOMPARE(fine.count(), 0);
        QTest::mouseClick(Figlio(b->menu, "esci"), Qt::LeftButton);
        QCOMPARE(fine.count(), 1);
        QVERIFY(b->messaggi.mostrati.isEmpty());
    }

private:
    // The menu is built in the application folder the environment makes.
    struct Banco : Ambiente {
        MenuPrincipale menu;
    };
    std::unique_ptr<Banco> b;
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
