// The index window: the displayed index with blue titles and the two-column printout.
#include "ProveRisposte.h"

#include "app/MenuPrincipale.h"
#include "windows/FinestraIndice.h"

namespace {
void Categoria(const QStringList& titoli, const QStringList& testi, int ultimo = -1)
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = static_cast<qint16>(ultimo >= 0 ? ultimo : titoli.size() - 1);
    Globali::TitoloIndice = QVector<QString>(titoli.begin(), titoli.end());
    Globali::TestoIndice = QVector<QString>(testi.begin(), testi.end());
}

void Categoria(int numero)
{
    QStringList titoli, testi;
    for (int n = 0; n < numero; ++n) {
        titoli << QStringLiteral("Titolo %1").arg(n);
        testi << QStringLiteral("Istruzione %1").arg(n);
    }
    Categoria(titoli, testi);
}

const Stampato* Cerca(const StampanteRegistrata& r, const QString& testo)
{
    for (const Stampato& s : r.stampati)
        if (s.testo == testo)
            return &s;
    return nullptr;
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
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("colori"); // runs of n black, b blue
        QTest::newRow("titoli diversi") << QStringList{"Uno", "Due"} << QStringList{"a", "b"} << 1
                                        << "\r\nUno\r\na\r\n\r\nDue\r\nb\r\n" << "n2 b3 n7 b3 n*";
        QTest::newRow("titolo ripetuto")
            << QStringList{"Articoli", "Nomi", "Nomi comuni", "Articoli"}
            << QStringList{"Trova i Nomi comuni.", "Clicca.", "Sottolinea.", "Ancora."} << 3
            << "\r\nArticoli\r\nTrova i Nomi comuni.\r\n\r\nNomi\r\nClicca.\r\n\r\nNomi comuni\r\nSottolinea.\r\n"
               "\r\nArticoli\r\nAncora.\r\n"
            << "n2 b8 n10 b11 n*";
        QTest::newRow("voci mancanti") << QStringList{"Uno"} << QStringList{"a"} << 2
                                       << "\r\nUno\r\na\r\n\r\n\r\n\r\n\r\n\r\n\r\n" << "n2 b3 n*";
    }

    void elenco()
    {
        QFETCH(QStringList, titoli);
        QFETCH(QStringList, testi);
        QFETCH(int, ultimo);
        QFETCH(QString, testo);
        QFETCH(QString, colori);
        Categoria(titoli, testi, ultimo);
        FinestraIndice f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Zelora: Nomi"));
        QCOMPARE(f.lblTitolo->text(), QStringLiteral("Nomi : indice degli esercizi"));
        QCOMPARE(f.Text1->Testo(), testo);
        QCOMPARE(Colori(f.Text1->Modello()), Tratti(colori, int(testo.size())));
        QCOMPARE(QPoint(f.Text1->SelStart(), f.Text1->SelLength()), QPoint());
    }

    void stampa_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("pagine");
        QTest::newRow("10") << 10 << 1;
        QTest::newRow("17") << 17 << 2;
        QTest::newRow("32") << 32 << 2;
    }

    void stampa()
    {
        QFETCH(int, numero);
        QFETCH(int, pagine);
        Categoria(numero);
        StampanteRegistrata registro;
        FinestraIndice f;
        f.show();
        f.mnustampa->trigger();
        QCOMPARE(a->messaggi.Testi(), QStringList{"Vuoi stampare questo indice di esercizi?"});
        QCOMPARE(a->messaggi.mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
        QCOMPARE(registro.documenti, 1);
        QCOMPARE(registro.pagine, pagine);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));

        // The heading once, in bold 12 at 20, 10.
        const Stampato& intestazione = registro.stampati.first();
        QCOMPARE(intestazione.testo, QStringLiteral("ZELORA / NOMI : indice degli esercizi"));
        QCOMPARE(QPointF(intestazione.x, intestazione.y), QPointF(20, 10));
        QVERIFY(intestazione.grassetto && intestazione.dimensione == 12.0);
        QCOMPARE(registro.Testi().filter(QStringLiteral("ZELORA")).size(), 1);

        // Eight entries a column, two columns a sheet: bold 10 titles, plain 8 instructions below.
        for (int n = 0; n < numero; ++n) {
            const Stampato* t = Cerca(registro, QStringLiteral("Titolo %1").arg(n));
            const Stampato* i = Cerca(registro, QStringLiteral("Istruzione %1").arg(n));
            QVERIFY(t && i);
            const double colonna = n % 16 < 8 ? 20 : 110;
            // Under the heading at the start, at 20 mm at the top of other columns.
            const double y = (n < 8 ? 22 : 20) + (n % 8) * 13.0;
            QCOMPARE(QList<double>({double(t->pagina), t->x, t->y, t->dimensione}),
                     QList<double>({double(n / 16 + 1), colonna, y, 10}));
            QCOMPARE(QList<double>({double(i->pagina), i->x, i->y, i->dimensione}),
                     QList<double>({double(t->pagina), colonna + 10, y + 5, 8}));
            QVERIFY(t->grassetto && !i->grassetto);
        }

        // Each sheet has its separator line and its footer.
        QList<int> piedi;
        for (const Stampato& s : registro.stampati)
            if (s.testo == Piede()) {
                piedi << s.pagina;
                VerificaPiede(s);
            }
        QCOMPARE(piedi.size(), pagine);
        QCOMPARE(registro.linee.size(), pagine);
        for (int p = 0; p < pagine; ++p) {
            const LineaStampata& l = registro.linee[p];
            QCOMPARE(piedi[p], p + 1);
            QCOMPARE(QList<double>({double(l.pagina), l.x1, l.y1, l.x2, l.y2}),
                     QList<double>({double(p + 1), 105, 20, 105, StampanteRegistrata::AltezzaPagina() - 20}));
        }
    }

    void larghezze_data()
    {
        const QString a30(30, QLatin1Char('a'));
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("istruzione");
        QTest::addColumn<QStringList>("righe");
        QTest::newRow("38 e 40 su una riga") << a30 + " " + QString(7, 't') << a30 + " " + QString(9, 'i')
                                             << QStringList{a30 + " " + QString(7, 't'), a30 + " " + QString(9, 'i')};
        QTest::newRow("39 e 41 a capo") << a30 + " " + QString(8, 't') << a30 + " " + QString(10, 'i')
                                        << QStringList{a30, QString(8, 't'), a30, QString(10, 'i')};
    }

    void larghezze()
    {
        QFETCH(QString, titolo);
        QFETCH(QString, istruzione);
        QFETCH(QStringList, righe);
        Categoria({titolo}, {istruzione});
        StampanteRegistrata registro;
        FinestraIndice f;
        f.mnustampa_Click();
        QCOMPARE(registro.Testi().mid(2, righe.size()), righe);
        for (int i = 0; i < righe.size(); ++i)
            QCOMPARE(registro.stampati[2 + i].x, i < righe.size() / 2 ? 20.0 : 30.0);
    }

    void stampanteGuasta()
    {
        Categoria(3);
        StampanteRegistrata registro;
        registro.fallisceAllaFine = true;
        FinestraIndice f;
        f.show();
        f.mnustampa_Click();
        VerificaErroreStampa(a->messaggi, registro, QStringLiteral("Zelora: Nomi"));
        QVERIFY(f.isVisible());
    }

    void pulsanti()
    {
        Categoria(3);
        FinestraIndice f;
        VerificaPulsanti(f, f.mnuEsci, *a, QStringLiteral("Vuoi stampare questo indice di esercizi?"));
    }

    void apertoDallEsercizioEDalMenu()
    {
        QStringList titoli;
        GestoreModali modali([&titoli](QWidget* w) {
            if (auto* f = qobject_cast<FinestraIndice*>(w))
                titoli << f->lblTitolo->text() + QStringLiteral(" | ") + f->Text1->Testo().section("\r\n", 1, 1);
        });
        Categoria({"Primo"}, {"Clicca."});
        FinestraEsercizi e;
        e.setAttribute(Qt::WA_DeleteOnClose, false);
        e.findChild<QAction*>(QStringLiteral("voceIndice"))->trigger();

        a->cartella.CopiaDatiDistribuiti();
        MenuPrincipale menu;
        menu.Picture_Click(1);
        QCOMPARE(modali.aperte, (QStringList{"FinestraIndice", "FinestraIndice"}));
        QVERIFY(!Globali::TitoloIndice.value(0).isEmpty());
        QCOMPARE(titoli, (QStringList{"Nomi : indice degli esercizi | Primo",
                                      "Nomi : indice degli esercizi | " + Globali::TitoloIndice.value(0)}));
    }

private:
    std::unique_ptr<Ambiente> a;
};

QTEST_MAIN(TestIndice)
#include "tst_indice.moc"
