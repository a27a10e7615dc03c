// The record sheet: its rows, heights, colours and pictures, and its printout.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "platform/Immagini.h"
#include "platform/Twips.h"
#include "windows/FinestraScheda.h"

Q_DECLARE_METATYPE(Risposta)

namespace {
void Segna(int i, const QString& giudizio)
{
    Globali::EsercizioFatto[i] = true;
    Globali::Giudizio[i] = giudizio;
}
} // namespace

class TestSchedaPersonale : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        a = std::make_unique<Ambiente>();
        Globali::NomeAlunno = QString::fromUtf8("Anna Niccolò");
    }

    void cleanup() { a.reset(); }

    void scheda_data()
    {
        QTest::addColumn<int>("categoria");
        QTest::addColumn<int>("altezza"); // twips
        QTest::newRow("Articoli") << 0 << 6840;
        QTest::newRow("Punteggiatura") << 11 << 9000;
        QTest::newRow("Congiunzioni, nome lungo") << 8 << 3720;
    }

    void scheda()
    {
        QFETCH(int, categoria);
        QFETCH(int, altezza);
        PreparaCategoria(categoria);
        if (categoria == 8)
            Globali::NomeAlunno = QStringLiteral("Maria Antonietta Bevilacqua Della Rovere");
        // Row 0 still to do, then a row for each grade.
        const QStringList giudizi{"", "INSUFF.", "SUFFICIENTE", "DISCRETO", "BUONO", "OTTIMO", "ECCELLENTE"};
        const QList<QColor> sfondi{Qt::white, Qt::white, Qt::yellow, Qt::yellow, Qt::green, Qt::green, Qt::green};
        for (int i = 1; i < giudizi.size(); ++i)
            Segna(i, giudizi[i]);
        FinestraScheda s(nullptr);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.windowTitle(), QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
        QCOMPARE(Scritta(s, "titolo"), QStringLiteral("Scheda personale di ") + Globali::NomeAlunno);
        QPushButton* ok = Figlio<QPushButton>(s, "pulsanteOk");
        QPushButton* stampa = Figlio<QPushButton>(s, "pulsanteStampa");
        // The design's height counts the title bar: below the buttons only their margin at the side.
        QCOMPARE(s.height() - 1 - ok->geometry().bottom(), stampa->x());
        QCOMPARE(ok->text() + stampa->text(), QStringLiteral("OK"));
        QCOMPARE(QPoint(ok->y(), stampa->y()), QPoint(1, 1) * tw(altezza - 945));
        for (int i = 0; i < 32; ++i) {
            const QString n = QString::number(i), g = giudizi.value(i);
            for (const char* parte : {"immagine", "esercizio", "fatto", "giudizio"})
                QCOMPARE(Figlio(s, parte + n)->isVisible(), i <= Globali::UltimoEsercizio);
            if (i > Globali::UltimoEsercizio)
                continue;
            QCOMPARE(Scritta(s, "esercizio" + n) + '|' + Scritta(s, "fatto" + n) + '|' + Scritta(s, "giudizio" + n),
                     QStringLiteral("Titolo %1 |").arg(i + 1) + (g.isEmpty() ? QStringLiteral("da fare| ") : "x|" + g));
            // A label without a background of its own shows the sheet's white.
            const QLabel* riga = Figlio<QLabel>(s, "esercizio" + n);
            QCOMPARE(riga->autoFillBackground() ? riga->palette().color(QPalette::Window) : QColor(Qt::white), sfondi.value(i, Qt::white));
            const QPixmap immagine = g.isEmpty() ? ImmagineMatita() : ImmagineSpunta();
            QCOMPARE(Figlio<QLabel>(s, "immagine" + n)->pixmap().toImage(), immagine.toImage());
        }
        const auto colore = [&s](const char* nome) { return Figlio(s, nome)->palette().color(QPalette::WindowText); };
        QCOMPARE(QList<QColor>({colore("esercizio1"), colore("fatto1"), colore("giudizio1")}),
                 QList<QColor>({QColor(64, 64, 64), QColor(255, 128, 128), QColor(0, 0, 255)}));
        QVERIFY(Figlio(s, "fatto1")->font().italic());
        // A long name widens the title around the centre it was designed with.
        const QLabel* titolo = Figlio<QLabel>(s, "titolo");
        QVERIFY(qAbs(titolo->geometry().center().x() - QRect(tw(2655), 0, tw(2340), 1).center().x()) <= 1);
        QVERIFY(titolo->width() >= titolo->sizeHint().width());
    }

    void pulsanti_data()
    {
        QTest::addColumn<bool>("stampa"); // the printer button, otherwise OK
        QTest::addColumn<Risposta>("risposta");
        QTest::addColumn<bool>("guasto");
        QTest::newRow("OK") << false << Risposta::Si << false;
        QTest::newRow("stampa, Sì") << true << Risposta::Si << false;
        QTest::newRow("stampa, No") << true << Risposta::No << false;
        QTest::newRow("la stampante fallisce") << true << Risposta::Si << true;
    }

    void pulsanti()
    {
        QFETCH(bool, stampa);
        QFETCH(Risposta, risposta);
        QFETCH(bool, guasto);
        PreparaCategoria(0);
        Segna(0, QStringLiteral("BUONO"));
        Segna(5, QStringLiteral("INSUFF."));
        StampanteRegistrata stampante;
        stampante.fallisceAllaFine = guasto;
        a->messaggi.Rispondi(risposta);
        FinestraScheda s(nullptr);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::mouseClick(Figlio(s, stampa ? "pulsanteStampa" : "pulsanteOk"), Qt::LeftButton);
        const bool stampato = stampa && risposta == Risposta::Si && !guasto;
        QCOMPARE(a->suoni.suonati, QStringList{"press.wav"});
        QCOMPARE(s.isVisible(), stampa && !stampato);
        QCOMPARE(s.result(), s.isVisible() ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QCOMPARE(a->messaggi.Testi().mid(0, 1), stampa ? QStringList{"Vuoi stampare questa scheda?"} : QStringList());
        if (guasto)
            VerificaErroreStampa(a->messaggi, stampante, QStringLiteral("Zelora: Articoli"));
        else if (stampa)
            QCOMPARE(a->messaggi.mostrati[0].titolo, QStringLiteral("Zelora: Articoli"));
        QCOMPARE(stampante.documenti, stampato ? 1 : 0);
        if (!stampa || risposta == Risposta::No)
            QVERIFY(stampante.stampati.isEmpty());
        if (!stampato)
            return;
        // One page: heading and name in bold, then each exercise with its grade at 160 mm.
        QStringList attese{Stampata(20, 20, 12, true, "ZELORA / ARTICOLI"), Stampata(0, 26, 12, true, ""),
                           Stampata(20, 32, 12, true, QString::fromUtf8("Scheda personale di ANNA NICCOLÒ")),
                           Stampata(0, 38, 12, true, ""), Stampata(0, 44, 12, true, "")};
        for (int i = 0; i <= 22; ++i)
            attese << Stampata(20, 50 + 6 * i, 12, false, QStringLiteral("Titolo %1").arg(i + 1))
                   << Stampata(160, 50 + 6 * i, 12, false, i == 0 ? "BUONO" : i == 5 ? "INSUFF." : "da fare");
        QCOMPARE(Stampate(stampante), attese << Stampata(1, 281, 8, false, Piede()));
    }

private:
    std::unique_ptr<Ambiente> a;
};

QTEST_MAIN(TestSchedaPersonale)
#include "tst_schedapersonale.moc"
