// The help window: the page with its highlights, the failure display, the printout.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "windows/FinestraAiuto.h"

namespace {
const QString Pagina = QStringLiteral("Help/Nomi/help 00.txt");
const QString Errore = QStringLiteral("Il file di help per questo esercizio non è disponibile.\r\n"
                                      "E' necessario reinstallare il programma.");

QString Righe(const QStringList& campi)
{
    return campi.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        a = std::make_unique<Ambiente>();
        Globali::CategoriaCorrente = QStringLiteral("Nomi");
        Globali::FileHelp = a->cartella.Percorso() + QLatin1Char('/') + Pagina;
        a->cartella.Scrivi(Pagina, Righe({"\"Il nome\"", "comune", "proprio", "cane",
                                          "Il nome può essere comune o proprio.",
                                          "\"Esempi: cane, Roma.\"", "\"Un cane comune, un nome proprio.\""}));
    }

    void cleanup() { a.reset(); }

    void pagina_data()
    {
        QTest::addColumn<QString>("file"); // empty: the page init writes; "!path": that help path
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("colori"); // runs of n black, r red
        QTest::newRow("completa") << QString() << "Il nome"
                                  << "Il nome può essere comune o proprio.\r\nEsempi: cane, Roma.\r\n"
                                     "Un cane comune, un nome proprio.\r"
                                  << "r7 n31 r7 n17 r4 n1 r6 n10 r7 n*";
        QTest::newRow("titolo e chiave assenti, Esempi senza :")
            << Righe({"Nomi propri", "Roma", "mare", "nome", "Esempi senza due punti", "Roma è un nome proprio."})
            << "Nomi propri" << "Esempi senza due punti\r\nRoma è un nome proprio.\r" << "r7 n17 r4 n6 r4 n*";
        QTest::newRow("sostituti") << Righe({"Virgolette", "casa", "scrive", "Si", "Si scrive £casa$ o %casa&."})
                                   << "Virgolette" << QString::fromUtf8("Si scrive «casa» o “casa”.\r")
                                   << "r2 n1 r6 n11 r4 n*";
        const QString guasto = QStringLiteral("Si è verificato un errore.");
        QTest::newRow("file mancante") << "!/nessuno/help 00.txt" << guasto << Errore << "n*";
        QTest::newRow("nessun percorso") << "!" << guasto << Errore << "n*";
        QTest::newRow("tre campi") << Righe({"Titolo", "a", "b"}) << guasto << Errore << "n*";
        QTest::newRow("nessuna riga") << Righe({"Titolo", "a", "b", "c"}) << guasto << Errore << "n*";
    }

    void pagina()
    {
        QFETCH(QString, file);
        QFETCH(QString, titolo);
        QFETCH(QString, testo);
        QFETCH(QString, colori);
        if (file.startsWith(QLatin1Char('!')))
            Globali::FileHelp = file.mid(1);
        else if (!file.isEmpty())
            a->cartella.Scrivi(Pagina, file);
        FinestraAiuto h;
        CasellaTesto* t = Figlio<CasellaTesto>(h, "pagina");
        QCOMPARE(h.windowTitle(), QStringLiteral("Zelora: Nomi"));
        QCOMPARE(h.palette().color(QPalette::Window), QColor(255, 255, 224));
        QCOMPARE(Scritta(h, "titolo"), titolo);
        QCOMPARE(t->Testo(), testo);
        QCOMPARE(Colori(t->Modello()), Tratti(colori, int(testo.size())));
        for (int i = 0; i < testo.size(); ++i)
            QVERIFY(t->GrassettoCarattere(i));
        QCOMPARE(QPoint(t->SelStart(), t->SelLength()), QPoint());
        // Printing is offered only with a page to print.
        QCOMPARE(Figlio(h, "pulsanteStampa")->isHidden(), testo == Errore);
        QCOMPARE(Figlio<QAction>(h, "voceStampa")->isVisible(), testo != Errore);
        QVERIFY(a->messaggi.mostrati.isEmpty());
    }

    // The buttons and entries of the frame are tried on the index window.
    void stampanteGuasta()
    {
        StampanteRegistrata guasta;
        guasta.nonDisponibile = true;
        FinestraAiuto h;
        Figlio<QAction>(h, "voceStampa")->trigger();
        VerificaErroreStampa(a->messaggi, guasta, QStringLiteral("Zelora: Nomi"));
    }

    void stampa_data()
    {
        const QString a90 = QString(60, 'a') + ' ' + QString(29, 'a'), c85(85, 'c');
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("titoloStampato");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<QStringList>("stampate");
        QTest::newRow("90 e 91") << "Il nome" << QStringList{"Il nome"}
                                 << QStringList{"Esempi: £casa$ e %casa&.", a90, c85 + " bbbbb"}
                                 << QStringList{"Esempi: £casa$ e %casa&.", a90, c85, "bbbbb"};
        QTest::newRow("titolo lungo") << QString(80, 't') + " " + QString(20, 'u')
                                      << QStringList{QString(80, 't'), QString(20, 'u')} << QStringList{"riga"}
                                      << QStringList{"riga"};
    }

    void stampa()
    {
        QFETCH(QString, titolo);
        QFETCH(QStringList, titoloStampato);
        QFETCH(QStringList, righe);
        QFETCH(QStringList, stampate);
        QStringList campi{'"' + titolo + '"', "uno", "due", "tre"};
        for (const QString& r : righe)
            campi << '"' + r + '"';
        a->cartella.Scrivi(Pagina, Righe(campi));
        StampanteRegistrata registro;
        FinestraAiuto h;
        Figlio<QAction>(h, "voceStampa")->trigger();
        QCOMPARE(a->messaggi.Testi(), QStringList{"Vuoi stampare questa pagina?"});
        QCOMPARE(registro.documenti, 1);
        // Heading and title in bold 12, the page as stored in 10, line under line from 20, 20.
        QStringList attese;
        double y = 20;
        for (const QString& t : QStringList{"ZELORA", ""} + titoloStampato + QStringList{""} + stampate) {
            const double punti = attese.size() < 3 + titoloStampato.size() ? 12 : 10;
            attese << Stampata(t.isEmpty() ? 0 : 20, y, punti, punti == 12, t);
            y += punti / 2;
        }
        QCOMPARE(Stampate(registro), attese << Stampata(1, 281, 8, false, Piede()));
    }

    // A page longer than a sheet goes on over the next one, with a footer on each and nothing lost.
    void paginaLunga()
    {
        QStringList righe;
        for (int i = 1; i <= 82; ++i)
            righe << QStringLiteral("Riga %1 della pagina lunga.").arg(i);
        a->cartella.Scrivi(Pagina, Righe(QStringList{"\"Pagina lunga\"", "a", "b", "c"} + righe));
        FinestraAiuto h;
        VerificaFogli(a->cartella.Percorso(), [&] { Figlio<QAction>(h, "voceStampa")->trigger(); }, 2, QStringList{"ZELORA", "Pagina lunga"} + righe);
    }

private:
    std::unique_ptr<Ambiente> a;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
