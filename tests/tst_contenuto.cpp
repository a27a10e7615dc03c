// Field reader, paths and the reading of an exercise file (short ones: tst_verifica).
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"

#include <QtTest>

class TestContenuto : public QObject {
    Q_OBJECT
private slots:
    // Fields as the program reads them: text, and 16-bit numbers ("!" for a number not read).
    void campi_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QString>("numero");
        QTest::newRow("virgola e fine riga") << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"} << "!";
        QTest::newRow("spazi davanti saltati") << QByteArray("   a,  b c \r\n") << QStringList{"a", "b c "} << "!";
        QTest::newRow("virgolette con virgola") << QByteArray("\"a, b\",c\r\n") << QStringList{"a, b", "c"} << "!";
        QTest::newRow("virgolette poi spazi") << QByteArray("\"a\"  ,\"b\"\r\n") << QStringList{"a", "b"} << "!";
        QTest::newRow("riga vuota è un campo vuoto") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"} << "!";
        QTest::newRow("solo LF e solo CR") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"} << "!";
        QTest::newRow("campo vuoto tra virgole") << QByteArray("a,,b") << QStringList{"a", "", "b"} << "!";
        QTest::newRow("numero") << QByteArray("12\r\n") << QStringList{"12"} << "12";
        QTest::newRow("negativo") << QByteArray(" -3,x") << QStringList{"-3", "x"} << "-3";
        QTest::newRow("massimo") << QByteArray("32767") << QStringList{"32767"} << "32767";
        QTest::newRow("troppo grande") << QByteArray("32768") << QStringList{"32768"} << "!";
        QTest::newRow("numero vuoto") << QByteArray("\r\n") << QStringList{""} << "!";
        QTest::newRow("fine file") << QByteArray("") << QStringList() << "!";
        QTest::newRow("Windows-1252") << QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9\x93\x94\xAB\xBB\x80")
                                      << QStringList{QString::fromUtf8("àèéìòù“”«»€")} << "!";
    }

    void campi()
    {
        QFETCH(QByteArray, dati);
        QFETCH(QStringList, attesi);
        QFETCH(QString, numero);
        LettoreCampi l(dati);
        QStringList letti;
        QString c;
        while (l.LeggiTesto(c))
            letti << c;
        QCOMPARE(letti, attesi);
        QVERIFY(l.FineFile() && !l.LeggiTesto(c));
        LettoreCampi n(dati);
        qint16 valore = 0;
        QCOMPARE(n.LeggiNumero(valore) ? QString::number(valore) : "!", numero);
    }

    // Paths written with any slashes and letter case find the file that exists.
    void percorsoRisolto_data()
    {
        QTest::addColumn<QString>("richiesto");
        QTest::addColumn<QString>("reale");
        QTest::newRow("esatto") << "/Esercizi/Nomi/ESERCIZIO 04.txt" << "/Esercizi/Nomi/ESERCIZIO 04.txt";
        QTest::newRow("barre rovesce") << "\\Esercizi\\Nomi\\ESERCIZIO 04.txt" << "/Esercizi/Nomi/ESERCIZIO 04.txt";
        QTest::newRow("miste e maiuscole") << "/esercizi\\NOMI/esercizio 04.TXT" << "/Esercizi/Nomi/ESERCIZIO 04.txt";
        QTest::newRow("estensione scheda") << "/Schede personali/Nomi/Anna.Zlr01" << "/Schede personali/Nomi/Anna.ZLR01";
        QTest::newRow("mancante resta com'è") << "/Schede personali/Nomi/Bruno.Zlr01" << "/Schede personali/Nomi/Bruno.Zlr01";
        QTest::newRow("cartella mancante") << "/Manca/Nomi/x.txt" << "/Manca/Nomi/x.txt";
    }

    void percorsoRisolto()
    {
        QFETCH(QString, richiesto);
        QFETCH(QString, reale);
        CartellaProva c;
        c.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"), QStringLiteral("1\r\n"));
        c.Scrivi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), QStringLiteral("x\r\n"));
        QCOMPARE(RisolviPercorso(c.Percorso() + richiesto), c.Percorso() + reale);
        QCOMPARE(FileExist(c.Percorso() + richiesto), QFileInfo::exists(c.Percorso() + reale));
    }

    void elencoSenzaMaiuscole()
    {
        CartellaProva c;
        for (const char* f : {"Anna.ZLR11", "Bea.zlr11", "Carlo.ZLR10"})
            c.Scrivi(QStringLiteral("Schede personali/Punteggiatura/") + f, QStringLiteral("x"));
        QCOMPARE(ElencaFile(c.Percorso() + QStringLiteral("\\schede personali\\Punteggiatura"), QStringLiteral("*.Zlr11")),
                 (QStringList{"Anna.ZLR11", "Bea.zlr11"}));
        QVERIFY(!FileExist(c.Percorso() + QStringLiteral("/Schede personali")));
        QVERIFY(ElencaFile(c.Percorso() + QStringLiteral("/Manca"), QStringLiteral("*")).isEmpty());
    }

    // The files of the current category, and a category number out of range that changes nothing.
    void percorsiDati()
    {
        CartellaProva c;
        Globali::CategoriaCorrente = QStringLiteral("Verbi 1");
        QCOMPARE(PercorsoEsercizio(5), c.Percorso() + QStringLiteral("/Esercizi/Verbi 1/ESERCIZIO 05.txt"));
        QCOMPARE(PercorsoHelp(12), c.Percorso() + QStringLiteral("/Help/Verbi 1/help 12.txt"));
        QCOMPARE(PercorsoIndice(), c.Percorso() + QStringLiteral("/Indice/Verbi 1.txt"));
        QCOMPARE(PercorsoIndiceScritto(), c.Percorso() + QStringLiteral("/IndiceScritto/Verbi 1.txt"));
        QCOMPARE(PercorsoSuono(QStringLiteral("win.wav")), c.Percorso() + QStringLiteral("\\Suoni\\win.wav"));
        QCOMPARE(QStringLiteral("ZLR") + CodiceScheda(4), QStringLiteral("ZLR04"));
        NumeroMassimoEsercizi(8);
        NumeroMassimoEsercizi(12);
        QCOMPARE(int(Globali::UltimoEsercizio), 9);
    }

    // An exercise file: kind, choice count, choices, 14 items of three fields; where reading stops, and why.
    void leggiEsercizio_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("scelte");
        QTest::addColumn<QString>("errore"); // "campo N: reason"; empty: read
        const QString voce = QStringLiteral("\"Il cane abbaia.\",\"  nome \",\"cane\"\r\n"), voci = voce.repeated(14);
        QTest::newRow("tre scelte") << "3\r\n3\r\n\"nome\"\r\n\"articolo\"\r\n\"verbo\"\r\n" + voci << 3 << "";
        QTest::newRow("nessuna scelta") << "1\r\n0\r\n" + voci << 0 << "";
        QTest::newRow("scelte negative") << "1,-2\r\n" + voci << 0 << "";
        QTest::newRow("scelte mancanti") << "1\r\n2\r\n\"a\"" << 0 << "campo 4: il file finisce prima della scelta 2";
        QTest::newRow("tipo non numerico") << "uno\r\n0\r\n" + voci << 0 << "campo 1: il tipo di esercizio non è un numero";
        QTest::newRow("scelte non numeriche") << "3,tre\r\n" + voci << 0 << "campo 2: il numero delle scelte non è un numero";
        QTest::newRow("tipo di 30 cifre") << QString(30, '9') + "\r\n0\r\n" + voci << 0 << "campo 1: il tipo di esercizio è un numero fuori dai limiti (da -32768 a 32767)";
        QTest::newRow("scelte fuori dai limiti") << "3, -40000\r\n" + voci << 0 << "campo 2: il numero delle scelte è un numero fuori dai limiti (da -32768 a 32767)";
        QTest::newRow("vuoto") << QString() << 0 << "campo 1: il tipo di esercizio non è un numero";
    }

    void leggiEsercizio()
    {
        QFETCH(QString, file);
        QFETCH(int, scelte);
        QFETCH(QString, errore);
        DatiEsercizio d;
        const EsitoLettura e = LeggiEsercizioDa(CodificaWindows1252(file), d);
        QCOMPARE(e.ok ? QString() : QStringLiteral("campo %1: %2").arg(e.campo).arg(e.motivo), errore);
        if (!e.ok)
            return;
        QCOMPARE(int(d.Scelte.size()), scelte);
        // The answer is kept without its blanks.
        QCOMPARE(d.Risposta[13], QStringLiteral("nome"));
        QCOMPARE(d.Frase[0], QStringLiteral("Il cane abbaia."));
    }
};

QTEST_MAIN(TestContenuto)
#include "tst_contenuto.moc"
