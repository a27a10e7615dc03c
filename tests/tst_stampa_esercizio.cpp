// The paper version of an exercise: paragraph breaking and the printed sheet.
#include "ProveRisposte.h"

namespace {
QString A(int n, QChar c = QLatin1Char('a')) { return QString(n, c); }
// An item of exactly n characters whose only blank is 5 from the end.
QString Lunga(int n) { return A(n - 5) + QStringLiteral(" bbbb"); }
QString Gatto(int i) { return QStringLiteral("Il gatto è sul tetto numero %1.").arg(i); }

// The window of Nomi with exercise 0 loaded: these instructions, items Gatto(n) unless given.
std::unique_ptr<FinestraEsercizi> Carica(Ambiente& a, const QString& consegna, const QMap<int, QString>& frasi = {})
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = 0;
    Globali::TitoloIndice = {QStringLiteral("Il nome")};
    Globali::TestoIndice = {QStringLiteral("Clicca il nome.")};
    Globali::TitoloScritto = {QStringLiteral("Nomi comuni")};
    Globali::TestoScritto = {consegna};
    QString s = QStringLiteral("10\r\n1\r\n\"nome\"\r\n");
    for (int i = 0; i < 14; ++i)
        s += QStringLiteral("\"%1\",\"nome\",\"x\"\r\n").arg(frasi.value(i, Gatto(i + 1)));
    a.cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 00.txt"), s);
    auto f = std::make_unique<FinestraEsercizi>();
    f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    f->findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(0)->trigger();
    return f;
}
} // namespace

class TestStampaEsercizio : public QObject {
    Q_OBJECT
private slots:
    // Heading, instructions in italics, 14 items, footer, in lines of at most 78 characters broken
    // at the last blank that fits (or inside a longer word), 6 mm apart; the question asked first.
    void foglio()
    {
        Ambiente a;
        const auto f = Carica(a, A(50) + " " + A(40, 'c'), {{0, Lunga(75)}, {1, Lunga(76)}, {2, A(80, 'x') + " fine"},
                                                         {3, A(74) + " " + A(10, 'b')}, {4, A(60) + " " + A(60, 'b') + " " + A(60, 'c')},
                                                         {9, Lunga(74)}, {10, Lunga(75)}});
        StampanteRegistrata registro;
        f->findChild<QAction*>("voceStampaEsercizio")->trigger();
        QCOMPARE(a.messaggi.Testi(), QStringList{"Vuoi stampare la versione su carta di questo esercizio?"});
        QVERIFY(a.messaggi.mostrati[0].titolo == "Zelora: Nomi" && a.messaggi.mostrati[0].icona == Icona::Domanda);
        // "1) " and "10) " make 78 characters, "2) " and "11) " 79.
        QStringList attesi{"ZELORA", "NOMI  -  Nomi comuni", A(50), A(40, 'c'), "", ""};
        attesi << "1) " + Lunga(75) << "" << "2) " + A(71) << "bbbb" << "" << "3)" << A(78, 'x') << "xx fine" << ""
               << "4) " + A(74) << A(10, 'b') << "" << "5) " + A(60) << A(60, 'b') << A(60, 'c') << "";
        for (int i = 6; i < 10; ++i)
            attesi << QStringLiteral("%1) ").arg(i) + Gatto(i) << "";
        attesi << "10) " + Lunga(74) << "" << "11) " + A(70) << "bbbb" << "";
        for (int i = 12; i <= 14; ++i)
            attesi << QStringLiteral("%1) ").arg(i) + Gatto(i) << "";
        QCOMPARE(registro.Testi(), attesi << Piede());
        QCOMPARE(QPoint(registro.documenti, registro.pagine), QPoint(1, 1));
        // Plain Verdana at 20 mm; the instructions (and the blank after them) in italics.
        const QList<Stampato>& st = registro.stampati;
        QCOMPARE(QPointF(st[0].y, st[0].dimensione), QPointF(20, 12));
        for (int i = 0; i < st.size() - 1; ++i) {
            QVERIFY(st[i].font == "Verdana" && !st[i].grassetto && (i == 0 || st[i].y == st[i - 1].y + 6));
            QCOMPARE(st[i].corsivo, i >= 2 && i <= 5);
            QVERIFY(st[i].testo.isEmpty() || st[i].x == 20.0);
        }
        VerificaPiede(st.last());
    }

    // Answered No, no printer, or a failure at the end: nothing printed, the exercise still there.
    void nonStampato()
    {
        for (int caso = 0; caso < 3; ++caso) {
            Ambiente a;
            const auto f = Carica(a, QStringLiteral("Sottolinea."));
            StampanteRegistrata registro;
            registro.nonDisponibile = caso == 1;
            registro.fallisceAllaFine = caso == 2;
            a.messaggi.Rispondi(caso == 0 ? Risposta::No : Risposta::Si);
            f->findChild<QAction*>("voceStampaEsercizio")->trigger();
            if (caso == 0)
                QVERIFY(a.messaggi.mostrati.size() == 1 && registro.stampati.isEmpty() && registro.documenti == 0);
            else
                VerificaErroreStampa(a.messaggi, registro, QStringLiteral("Zelora: Nomi"));
            QVERIFY(f->Motore().RigheVisibili());
        }
    }
};

QTEST_MAIN(TestStampaEsercizio)
#include "tst_stampa_esercizio.moc"
