// The help window: the page with its highlights, the failure display, the printout.
#include "ProveRisposte.h"

#include "windows/FinestraAiuto.h"

namespace {
const QString Pagina = QStringLiteral("Help/Nomi/help 00.txt");

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
        QTest::addColumn<QString>("file"); // empty: the page init writes
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("testo");
        // "<" marks the first occurrence, ">" the last.
        QTest::addColumn<QStringList>("rossi");
        QTest::newRow("completa") << QString() << "Il nome"
                                  << "Il nome può essere comune o proprio.\r\nEsempi: cane, Roma.\r\n"
                                     "Un cane comune, un nome proprio.\r"
                                  << QStringList{"<Esempi:", ">comune", ">proprio", ">cane", "<Il nome"};
        QTest::newRow("senza Esempi, chiave assente")
            << Righe({"Il nome", "comune", "Roma", "cane", "Il nome è una parola.", "Il cane è un nome comune.",
                      "uno, due"})
            << "Il nome" << "Il nome è una parola.\r\nIl cane è un nome comune.\r\nuno\r\ndue\r"
            << QStringList{">comune", ">cane", "<Il nome"};
        QTest::newRow("titolo assente, Esempi senza :")
            << Righe({"Nomi propri", "Roma", "proprio", "nome", "Esempi senza due punti", "Roma è un nome proprio."})
            << "Nomi propri" << "Esempi senza due punti\r\nRoma è un nome proprio.\r"
            << QStringList{"<Esempi ", ">Roma", ">proprio", ">nome"};
        QTest::newRow("sostituti") << Righe({"Virgolette", "casa", "scrive", "Si", "Si scrive £casa$ o %casa&."})
                                   << "Virgolette" << QString::fromUtf8("Si scrive «casa» o “casa”.\r")
                                   << QStringList{">casa", ">scrive", ">Si"};
    }

    void pagina()
    {
        QFETCH(QString, file);
        QFETCH(QString, titolo);
        QFETCH(QString, testo);
        QFETCH(QStringList, rossi);
        if (!file.isEmpty())
            a->cartella.Scrivi(Pagina, file);
        FinestraAiuto h;
        QCOMPARE(h.windowTitle(), QStringLiteral("Zelora: Nomi"));
        QCOMPARE(h.lblTitolo->text(), titolo);
        QCOMPARE(h.Text1->Testo(), testo);
        QVector<bool> rosso(testo.size(), false);
        for (const QString& r : rossi) {
            const QString parola = r.mid(1);
            const int p = r.startsWith(QLatin1Char('<')) ? testo.indexOf(parola) : testo.lastIndexOf(parola);
            QVERIFY2(p >= 0, qPrintable(parola));
            std::fill(rosso.begin() + p, rosso.begin() + p + parola.size(), true);
        }
        for (int i = 0; i < testo.size(); ++i) {
            QCOMPARE(h.Text1->ColoreCarattere(i), rosso[i] ? QColor(255, 0, 0) : QColor(0, 0, 0));
            QVERIFY(h.Text1->GrassettoCarattere(i));
        }
        QCOMPARE(QPoint(h.Text1->SelStart(), h.Text1->SelLength()), QPoint());
        QVERIFY(!h.Command2->isHidden() && h.mnustampa->isVisible());
    }

    void paginaNonDisponibile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("senzaPercorso");
        QTest::newRow("file mancante") << QString() << false;
        QTest::newRow("nessun percorso") << QString() << true;
        QTest::newRow("tre campi") << Righe({"Titolo", "a", "b"}) << false;
        QTest::newRow("nessuna riga") << Righe({"Titolo", "a", "b", "c"}) << false;
    }

    void paginaNonDisponibile()
    {
        QFETCH(QString, file);
        QFETCH(bool, senzaPercorso);
        QFile::remove(Globali::FileHelp);
        if (!file.isEmpty())
            a->cartella.Scrivi(Pagina, file);
        if (senzaPercorso)
            Globali::FileHelp.clear();
        FinestraAiuto h;
        QCOMPARE(h.Text1->Testo(), QStringLiteral("Il file di help per questo esercizio non è disponibile.\r\n"
                                                  "E' necessario reinstallare il programma."));
        QCOMPARE(h.lblTitolo->text(), QStringLiteral("Si è verificato un errore."));
        QVERIFY(h.Command2->isHidden() && !h.mnustampa->isVisible());
        QVERIFY(a->messaggi.mostrati.isEmpty());
    }

    void selezioneDelMouseBlu()
    {
        FinestraAiuto h;
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        QWidget* vista = h.Text1->viewport();
        // "essere" in the first line, not highlighted.
        const int da = h.Text1->Testo().indexOf(QStringLiteral("essere"));
        const QPoint a = h.Text1->RettangoloCarattere(da + 5).center();
        QTest::mousePress(vista, Qt::LeftButton, {}, h.Text1->RettangoloCarattere(da).center());
        QTest::mouseMove(vista, a);
        QTest::mouseRelease(vista, Qt::LeftButton, {}, a);
        QVERIFY(h.Text1->SelLength() >= 4);
        for (int i = h.Text1->SelStart(); i < h.Text1->SelStart() + h.Text1->SelLength(); ++i)
            QCOMPARE(h.Text1->ColoreCarattere(i), QColor(0, 0, 255));
        // The title at the start keeps its red.
        QCOMPARE(h.Text1->ColoreCarattere(0), QColor(255, 0, 0));
    }

    void pulsanti()
    {
        FinestraAiuto h;
        VerificaPulsanti(h, h.mnuesci, *a, QStringLiteral("Vuoi stampare questa pagina?"));
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
        h.mnustampa->trigger();
        QCOMPARE(a->messaggi.mostrati.size(), 1);
        QCOMPARE(a->messaggi.mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
        QVERIFY(a->messaggi.mostrati[0].icona == Icona::Domanda && a->messaggi.mostrati[0].pulsanti == Pulsanti::SiNo);
        QCOMPARE(registro.Testi(), QStringList({"ZELORA", ""}) + titoloStampato + QStringList({""}) + stampate
                                       + QStringList(Piede()));
        QCOMPARE(registro.documenti, 1);

        // The heading and title in bold 12, the page in 10, line under line from 20, 20.
        const QList<Stampato>& st = registro.stampati;
        QCOMPARE(st[0].y, 20.0);
        const int primaRiga = 3 + titoloStampato.size();
        for (int i = 0; i < st.size() - 1; ++i) {
            QCOMPARE(st[i].font, QStringLiteral("Verdana"));
            QCOMPARE(st[i].dimensione, i < primaRiga ? 12.0 : 10.0);
            QCOMPARE(st[i].grassetto, i < primaRiga);
            QVERIFY(st[i].testo.isEmpty() || st[i].x == 20.0);
            if (i > 0)
                QCOMPARE(st[i].y, st[i - 1].y + st[i - 1].dimensione * 0.5);
        }
        VerificaPiede(st.last());
    }

    void stampanteGuasta()
    {
        StampanteRegistrata registro;
        registro.nonDisponibile = true;
        FinestraAiuto h;
        h.mnustampa_Click();
        VerificaErroreStampa(a->messaggi, registro, QStringLiteral("Zelora: Nomi"));
    }

private:
    std::unique_ptr<Ambiente> a;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
