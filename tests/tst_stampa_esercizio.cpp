// The paper version of an exercise: paragraph breaking and the printed sheet.
#include "ProveRisposte.h"

#include "windows/StampaEsercizio.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
QString A(int n, QChar c = QLatin1Char('a'))
{
    return QString(n, c);
}

// An item of exactly n characters whose only blank is 5 from the end.
QString Lunga(int n)
{
    return A(n - 5) + QStringLiteral(" bbbb");
}
} // namespace

class TestStampaEsercizio : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        a = std::make_unique<Ambiente>();
        Globali::CategoriaCorrente = QStringLiteral("Nomi");
        Globali::UltimoEsercizio = 0;
        Globali::TitoloIndice = {QStringLiteral("Il nome")};
        Globali::TestoIndice = {QStringLiteral("Clicca il nome.")};
        Globali::TitoloScritto = {QStringLiteral("Nomi comuni")};
        Globali::TestoScritto = {QStringLiteral("Sottolinea il nome.")};
        f = std::make_unique<FinestraEsercizi>();
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    }

    void cleanup()
    {
        f.reset();
        a.reset();
    }

    void aCapo_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("righe");
        QTest::newRow("78") << Lunga(78) << QStringList{Lunga(78), ""};
        QTest::newRow("79") << Lunga(79) << QStringList{A(74), "bbbb", ""};
        QTest::newRow("spazio sul limite") << A(77) + " " + A(10, 'b') << QStringList{A(77), A(10, 'b'), ""};
        QTest::newRow("spazio a 79") << A(70) + " " + A(7, 'c') + " " + A(5, 'd')
                                     << QStringList{A(70), A(7, 'c') + " " + A(5, 'd'), ""};
        QTest::newRow("tre righe") << A(60) + " " + A(60, 'b') + " " + A(60, 'c')
                                   << QStringList{A(60), A(60, 'b'), A(60, 'c'), ""};
        QTest::newRow("parola lunga") << A(100, 'x') << QStringList{A(78, 'x'), A(22, 'x'), ""};
        QTest::newRow("parola lunga poi altre") << A(80, 'x') + " fine" << QStringList{A(78, 'x'), "xx fine", ""};
    }

    void aCapo()
    {
        QFETCH(QString, testo);
        QFETCH(QStringList, righe);
        StampanteRegistrata registro;
        auto s = CreaStampante();
        QVERIFY(s->Inizia());
        s->ImpostaY(50);
        StampaACapo(*s, 20, testo, 78);
        QVERIFY(testo.isEmpty());
        QCOMPARE(registro.Testi(), righe);
        for (int i = 0; i < righe.size() - 1; ++i)
            QCOMPARE(QPointF(registro.stampati[i].x, registro.stampati[i].y), QPointF(20, 50 + 6 * i));
    }

    void foglio()
    {
        std::array<QString, 14> frasi;
        for (int i = 0; i < 14; ++i)
            frasi[i] = QStringLiteral("Frase %1.").arg(i + 1);
        frasi[0] = Lunga(75); // "1) " makes 78: one line
        frasi[1] = Lunga(76); // 79: wrapped
        frasi[9] = Lunga(74); // "10) " makes 78
        frasi[10] = Lunga(75); // "11) " makes 79
        CaricaFinestra(frasi, A(50) + " " + A(40, 'c'));
        StampanteRegistrata registro;
        Stampa();
        QCOMPARE(a->messaggi.Testi(), QStringList{"Vuoi stampare la versione su carta di questo esercizio?"});
        QCOMPARE(a->messaggi.mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
        QVERIFY(a->messaggi.mostrati[0].icona == Icona::Domanda);

        QStringList attesi{"ZELORA", "NOMI  -  Nomi comuni", A(50), A(40, 'c'), "", ""};
        attesi << "1) " + Lunga(75) << "" << "2) " + A(71) << "bbbb" << "";
        for (int i = 2; i < 9; ++i)
            attesi << QStringLiteral("%1) Frase %1.").arg(i + 1) << "";
        attesi << "10) " + Lunga(74) << "" << "11) " + A(70) << "bbbb" << "";
        for (int i = 11; i < 14; ++i)
            attesi << QStringLiteral("%1) Frase %1.").arg(i + 1) << "";
        attesi << Piede();
        QCOMPARE(registro.Testi(), attesi);
        QCOMPARE(QPoint(registro.documenti, registro.pagine), QPoint(1, 1));

        // Plain Verdana at 20 mm; the instructions (and the blank after them) in italics.
        const QList<Stampato>& st = registro.stampati;
        for (int i = 0; i < st.size(); ++i) {
            QCOMPARE(st[i].font, QStringLiteral("Verdana"));
            QVERIFY(!st[i].grassetto);
            QCOMPARE(st[i].corsivo, i >= 2 && i <= 5);
            QVERIFY(st[i].testo.isEmpty() || i == st.size() - 1 || st[i].x == 20.0);
        }
        QCOMPARE(QPointF(st[0].y, st[0].dimensione), QPointF(20, 12));
        QCOMPARE(st[1].y, 26.0);
        VerificaPiede(st.last());
    }

    void nonStampato_data()
    {
        QTest::addColumn<int>("caso");
        QTest::newRow("no") << 0;
        QTest::newRow("non disponibile") << 1;
        QTest::newRow("errore alla fine") << 2;
    }

    void nonStampato()
    {
        QFETCH(int, caso);
        CaricaFinestra({}, QStringLiteral("Sottolinea."));
        StampanteRegistrata registro;
        registro.nonDisponibile = caso == 1;
        registro.fallisceAllaFine = caso == 2;
        if (caso == 0)
            a->messaggi.Rispondi(Risposta::No);
        Stampa();
        if (caso == 0)
            QVERIFY(a->messaggi.mostrati.size() == 1 && registro.stampati.isEmpty() && registro.documenti == 0);
        else
            VerificaErroreStampa(a->messaggi, registro, QStringLiteral("Zelora: Nomi"));
        // The exercise is still there.
        QVERIFY(f->Motore().RigheVisibili());
    }

    void pdfVero()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        std::array<QString, 14> frasi;
        for (int i = 0; i < 14; ++i)
            frasi[i] = QStringLiteral("Il gatto è sul tetto numero %1.").arg(i + 1);
        CaricaFinestra(frasi, QStringLiteral("Sottolinea il nome."));
        const QString pdf = a->cartella.Percorso() + QStringLiteral("/foglio.pdf");
        ImpostaFabbricaStampanti([pdf] { return CreaStampantePdf(pdf); });
        Stampa();
        ImpostaFabbricaStampanti({});
        QCOMPARE(a->messaggi.mostrati.size(), 1);

        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList attesi{"ZELORA", "NOMI - Nomi comuni", "Sottolinea il nome.",
                                 "1) Il gatto è sul tetto numero 1.", "14) Il gatto è sul tetto numero 14.",
                                 "progetti e risorse per l'uso attivo del computer a scuola."};
        // pdftotext may widen the double blank of the heading.
        const QString semplice = testo.simplified();
        for (const QString& atteso : attesi)
            QVERIFY2(semplice.contains(atteso), qPrintable(atteso + QStringLiteral(" in: ") + testo));
        QVERIFY(testo.indexOf(QStringLiteral("ZELORA")) < testo.indexOf(QStringLiteral("1) Il gatto")));
    }

private:
    void CaricaFinestra(const std::array<QString, 14>& frasi, const QString& consegna)
    {
        Globali::TestoScritto[0] = consegna;
        QString s = QStringLiteral("10\r\n1\r\n\"nome\"\r\n");
        for (const QString& frase : frasi)
            s += QStringLiteral("\"%1\",\"nome\",\"x\"\r\n").arg(frase);
        a->cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 00.txt"), s);
        f->findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(0)->trigger();
        QVERIFY(a->messaggi.mostrati.isEmpty());
    }
    void Stampa() { f->findChild<QAction*>(QStringLiteral("voceStampaEsercizio"))->trigger(); }
    std::unique_ptr<Ambiente> a;
    std::unique_ptr<FinestraEsercizi> f;
};

QTEST_MAIN(TestStampaEsercizio)
#include "tst_stampa_esercizio.moc"
