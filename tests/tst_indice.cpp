// The index window: the displayed index with blue titles and the two-column printout.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "windows/FinestraIndice.h"

namespace {
void Categoria(const QStringList& titoli, const QStringList& testi)
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = static_cast<qint16>(titoli.size() - 1);
    Globali::TitoloIndice = QVector<QString>(titoli.begin(), titoli.end());
    Globali::TestoIndice = QVector<QString>(testi.begin(), testi.end());
}
} // namespace

class TestIndice : public QObject {
    Q_OBJECT
private slots:
    void init() { a = std::make_unique<Ambiente>(); }

    void cleanup() { a.reset(); }

    void elenco_data()
    {
        QTest::addColumn<QStringList>("titoli");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("colori"); // runs of n black, b blue
        QTest::newRow("titoli diversi") << QStringList{"Uno", "Due"} << QStringList{"a", "b"}
                                        << "\r\nUno\r\na\r\n\r\nDue\r\nb\r\n" << "n2 b3 n7 b3 n*";
        QTest::newRow("titolo ripetuto")
            << QStringList{"Articoli", "Nomi", "Nomi comuni", "Articoli"}
            << QStringList{"Trova i Nomi comuni.", "Clicca.", "Sottolinea.", "Ancora."}
            << "\r\nArticoli\r\nTrova i Nomi comuni.\r\n\r\nNomi\r\nClicca.\r\n\r\nNomi comuni\r\nSottolinea.\r\n"
               "\r\nArticoli\r\nAncora.\r\n"
            << "n2 b8 n10 b11 n*";
        // Entries a failed read left empty.
        QTest::newRow("voci vuote") << QStringList{"Uno", "", ""} << QStringList{"a", "", ""}
                                    << "\r\nUno\r\na\r\n\r\n\r\n\r\n\r\n\r\n\r\n" << "n2 b3 n*";
    }

    void elenco()
    {
        QFETCH(QStringList, titoli);
        QFETCH(QStringList, testi);
        QFETCH(QString, testo);
        QFETCH(QString, colori);
        Categoria(titoli, testi);
        FinestraIndice f;
        const CasellaTesto* t = Figlio<CasellaTesto>(f, "pagina");
        QCOMPARE(f.windowTitle(), QStringLiteral("Zelora: Nomi"));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(224, 255, 224));
        QCOMPARE(Scritta(f, "titolo"), QStringLiteral("Nomi : indice degli esercizi"));
        QCOMPARE(t->Testo(), testo);
        QCOMPARE(Colori(t->Modello()), Tratti(colori, int(testo.size())));
        QCOMPARE(QPoint(t->SelStart(), t->SelLength()), QPoint());
    }

    void stampa_data()
    {
        QTest::addColumn<int>("categoria");
        QTest::addColumn<int>("pagine");
        QTest::newRow("Congiunzioni, 10") << 8 << 1;
        QTest::newRow("Nomi, 32") << 1 << 2;
    }

    void stampa()
    {
        QFETCH(int, categoria);
        QFETCH(int, pagine);
        PreparaCategoria(categoria);
        StampanteRegistrata registro;
        FinestraIndice f;
        f.show();
        Figlio<QAction>(f, "voceStampa")->trigger();
        QCOMPARE(a->messaggi.mostrati.size(), 1);
        QCOMPARE(QPoint(registro.documenti, registro.pagine), QPoint(1, pagine));
        QVERIFY(!f.isVisible() && f.result() == QDialog::Accepted);

        // The heading once; eight entries a column, two columns a sheet, each sheet with its footer.
        QStringList attese{Stampata(20, 10, 12, true, "ZELORA / " + Globali::CategoriaCorrente.toUpper()
                                                          + " : indice degli esercizi"),
                           Stampata(0, 16, 12, false, "")};
        for (int n = 0; n <= Globali::UltimoEsercizio; ++n) {
            const int pagina = n / 16 + 1;
            if (n == 16)
                attese << Stampata(1, 281, 8, false, Piede());
            const double x = n % 16 < 8 ? 20 : 110, y = (n < 8 ? 22 : 20) + (n % 8) * 13.0;
            attese << Stampata(x, y, 10, true, QStringLiteral("Titolo %1").arg(n + 1), pagina)
                   << Stampata(x + 10, y + 5, 8, false, QStringLiteral("Istruzione %1").arg(n + 1), pagina)
                   << Stampata(x - 20, y + 9, 8, false, "", pagina);
        }
        QCOMPARE(Stampate(registro), attese << Stampata(1, 281, 8, false, Piede(), pagine));
        QCOMPARE(registro.linee.size(), pagine);
        for (int p = 0; p < registro.linee.size(); ++p) {
            const LineaStampata& l = registro.linee[p];
            QCOMPARE(QList<double>({double(l.pagina), l.x1, l.y1, l.x2, l.y2}), QList<double>({p + 1.0, 105, 20, 105, 267}));
        }
    }

    void larghezze()
    {
        // A title breaks past 38 characters, an instruction past 40.
        const QString a30 = QString(30, QLatin1Char('a')) + ' ', t7(7, 't'), t8(8, 't'), i9(9, 'i'), i10(10, 'i');
        Categoria({a30 + t7, a30 + t8}, {a30 + i10, a30 + i9});
        StampanteRegistrata registro;
        FinestraIndice f;
        Figlio<QAction>(f, "voceStampa")->trigger();
        QCOMPARE(Stampate(registro).mid(2, 8),
                 (QStringList{Stampata(20, 22, 10, true, a30 + t7), Stampata(30, 27, 8, false, a30.trimmed()),
                              Stampata(30, 31, 8, false, i10), Stampata(0, 35, 8, false, ""),
                              Stampata(20, 39, 10, true, a30.trimmed()), Stampata(20, 44, 10, true, t8),
                              Stampata(30, 49, 8, false, a30 + i9), Stampata(0, 53, 8, false, "")}));
    }

    // Entries too long for their column go on, whole, in the next column or
    // sheet, each sheet with its footer and its separator; nothing is lost.
    void indiceLungo()
    {
        QStringList titoli, testi, righe;
        for (int n = 1; n <= 16; ++n) {
            titoli << QStringLiteral("Titolo %1 con un nome lungo che va a capo").arg(n);
            QStringList parole;
            for (int k = 1; k <= 60; ++k)
                parole << QStringLiteral("v%1p%2").arg(n).arg(k);
            testi << parole.join(' ');
            righe << SpezzaRiga(titoli.last(), 38) << SpezzaRiga(testi.last(), 40);
        }
        Categoria(titoli, testi);
        FinestraIndice f;
        QList<LineaStampata> linee;
        VerificaFogli(a->cartella.Percorso(), [&] { Figlio<QAction>(f, "voceStampa")->trigger(); }, 2, righe, &linee);
        QVERIFY(linee.size() == 2 && linee.last().pagina == 2);
    }

    void pulsanti()
    {
        PreparaCategoria(1);
        FinestraIndice f;
        VerificaPulsanti(f, Figlio<QAction>(f, "voceEsci"), *a, QStringLiteral("Vuoi stampare questo indice di esercizi?"));
        // A printer failing at the end is reported, and the window stays.
        StampanteRegistrata guasta;
        guasta.fallisceAllaFine = true;
        a->messaggi.mostrati.clear();
        f.show();
        Figlio<QAction>(f, "voceStampa")->trigger();
        VerificaErroreStampa(a->messaggi, guasta, QStringLiteral("Zelora: Nomi"));
        QVERIFY(f.isVisible());
    }

private:
    std::unique_ptr<Ambiente> a;
};

QTEST_MAIN(TestIndice)
#include "tst_indice.moc"
