// Field reader, paths, catalogue and the reading of an exercise file.
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"

#include <QDir>
#include <QtTest>

class TestContenuto : public QObject {
    Q_OBJECT
private slots:
    void campi_data();
    void campi();
    void numeri_data();
    void numeri();
    void windows1252();
    void percorsoRisolto_data();
    void percorsoRisolto();
    void elencoSenzaMaiuscole();
    void catalogo_data();
    void catalogo();
    void percorsiDati();
    void leggiEsercizio_data();
    void leggiEsercizio();
};

void TestContenuto::campi_data()
{
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QStringList>("attesi");
    QTest::newRow("virgola e fine riga") << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("spazi davanti saltati") << QByteArray("   a,  b c \r\n") << QStringList{"a", "b c "};
    QTest::newRow("virgolette con virgola") << QByteArray("\"a, b\",c\r\n") << QStringList{"a, b", "c"};
    QTest::newRow("virgolette poi spazi") << QByteArray("\"a\"  ,\"b\"\r\n") << QStringList{"a", "b"};
    QTest::newRow("riga vuota è un campo vuoto") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("solo LF e solo CR") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("campo vuoto tra virgole") << QByteArray("a,,b") << QStringList{"a", "", "b"};
    QTest::newRow("ultimo campo senza a capo") << QByteArray("x,y") << QStringList{"x", "y"};
}

void TestContenuto::campi()
{
    QFETCH(QByteArray, dati);
    QFETCH(QStringList, attesi);
    LettoreCampi l(dati);
    QStringList letti;
    QString c;
    while (l.LeggiTesto(c))
        letti << c;
    QCOMPARE(letti, attesi);
    QVERIFY(l.FineFile());
    QVERIFY(!l.LeggiTesto(c));
}

void TestContenuto::numeri_data()
{
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("valore");
    QTest::newRow("semplice") << QByteArray("12\r\n") << true << 12;
    QTest::newRow("negativo") << QByteArray(" -3,") << true << -3;
    QTest::newRow("massimo") << QByteArray("32767") << true << 32767;
    QTest::newRow("troppo grande") << QByteArray("32768") << false << 0;
    QTest::newRow("non numero") << QByteArray("tre\r\n") << false << 0;
    QTest::newRow("vuoto") << QByteArray("\r\n") << false << 0;
    QTest::newRow("fine file") << QByteArray("") << false << 0;
}

void TestContenuto::numeri()
{
    QFETCH(QByteArray, dati);
    QFETCH(bool, ok);
    QFETCH(int, valore);
    LettoreCampi l(dati);
    qint16 n = 0;
    QCOMPARE(l.LeggiNumero(n), ok);
    if (ok)
        QCOMPARE(int(n), valore);
}

void TestContenuto::windows1252()
{
    const QByteArray b("\xE0\xE8\xE9\xEC\xF2\xF9\x93\x94\xAB\xBB\x80", 11);
    const QString s = DecodificaWindows1252(b);
    QCOMPARE(s, QString::fromUtf8("àèéìòù“”«»€"));
    QCOMPARE(CodificaWindows1252(s), b);
}

void TestContenuto::percorsoRisolto_data()
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

void TestContenuto::percorsoRisolto()
{
    QFETCH(QString, richiesto);
    QFETCH(QString, reale);
    CartellaProva c;
    c.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"), QStringLiteral("1\r\n"));
    c.Scrivi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), QStringLiteral("x\r\n"));
    QCOMPARE(RisolviPercorso(c.Percorso() + richiesto), c.Percorso() + reale);
    QCOMPARE(FileExist(c.Percorso() + richiesto), QFileInfo::exists(c.Percorso() + reale));
}

void TestContenuto::elencoSenzaMaiuscole()
{
    CartellaProva c;
    c.Scrivi(QStringLiteral("Schede personali/Punteggiatura/Anna.ZLR11"), QStringLiteral("x"));
    c.Scrivi(QStringLiteral("Schede personali/Punteggiatura/Bea.zlr11"), QStringLiteral("x"));
    c.Scrivi(QStringLiteral("Schede personali/Punteggiatura/Carlo.ZLR10"), QStringLiteral("x"));
    QCOMPARE(ElencaFile(c.Percorso() + QStringLiteral("\\schede personali\\Punteggiatura"),
                        QStringLiteral("*.Zlr11")),
             (QStringList{"Anna.ZLR11", "Bea.zlr11"}));
    QVERIFY(!FileExist(c.Percorso() + QStringLiteral("/Schede personali")));
    QVERIFY(ElencaFile(c.Percorso() + QStringLiteral("/Manca"), QStringLiteral("*")).isEmpty());
}

void TestContenuto::catalogo_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("cartella");
    QTest::addColumn<int>("ultimo");
    QTest::newRow("Articoli") << 0 << "Articoli" << 22;
    QTest::newRow("Avverbi") << 6 << "Avverbi" << 28;
    QTest::newRow("Congiunzioni") << 8 << "Congiunzioni" << 9;
    QTest::newRow("Punteggiatura") << 11 << "Punteggiatura" << 31;
}

void TestContenuto::catalogo()
{
    QFETCH(int, indice);
    QFETCH(QString, cartella);
    QFETCH(int, ultimo);
    Globali::UltimoEsercizio = -1;
    NumeroMassimoEsercizi(indice);
    QCOMPARE(int(Globali::UltimoEsercizio), ultimo);
    QCOMPARE(QString::fromUtf8(DatiCategoria(indice).cartella), cartella);
    NumeroMassimoEsercizi(12);
    QCOMPARE(int(Globali::UltimoEsercizio), ultimo);
}

void TestContenuto::percorsiDati()
{
    CartellaProva c;
    Globali::CategoriaCorrente = QStringLiteral("Verbi 1");
    QCOMPARE(PercorsoEsercizio(5), c.Percorso() + QStringLiteral("/Esercizi/Verbi 1/ESERCIZIO 05.txt"));
    QCOMPARE(PercorsoHelp(12), c.Percorso() + QStringLiteral("/Help/Verbi 1/help 12.txt"));
    QCOMPARE(PercorsoIndice(), c.Percorso() + QStringLiteral("/Indice/Verbi 1.txt"));
    QCOMPARE(PercorsoIndiceScritto(), c.Percorso() + QStringLiteral("/IndiceScritto/Verbi 1.txt"));
    QCOMPARE(PercorsoSuono(QStringLiteral("win.wav")), c.Percorso() + QStringLiteral("\\Suoni\\win.wav"));
    QCOMPARE(QStringLiteral("ZLR") + CodiceScheda(4), QStringLiteral("ZLR04"));
}

namespace {
QString Righe(int n, const QString& riga)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += riga;
    return s;
}
} // namespace

void TestContenuto::leggiEsercizio_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("scelte");
    QTest::addColumn<int>("campo");
    const QString item = QStringLiteral("\"Il cane abbaia.\",\"  nome \",\"cane\"\r\n");
    QTest::newRow("tre scelte") << (QStringLiteral("3\r\n3\r\n\"nome\"\r\n\"articolo\"\r\n\"verbo\"\r\n") + Righe(14, item)) << true << 3 << 0;
    QTest::newRow("nessuna scelta") << (QStringLiteral("1\r\n0\r\n") + Righe(14, item)) << true << 0 << 0;
    QTest::newRow("scelte negative") << (QStringLiteral("1,-2\r\n") + Righe(14, item)) << true << 0 << 0;
    QTest::newRow("tredici frasi") << (QStringLiteral("1\r\n0\r\n") + Righe(13, item)) << false << 0 << 42;
    QTest::newRow("tipo non numerico") << (QStringLiteral("uno\r\n0\r\n") + Righe(14, item)) << false << 0 << 1;
    QTest::newRow("scelte non numeriche") << (QStringLiteral("3,tre\r\n") + Righe(14, item)) << false << 0 << 2;
    QTest::newRow("vuoto") << QString() << false << 0 << 1;
}

void TestContenuto::leggiEsercizio()
{
    QFETCH(QString, file);
    QFETCH(bool, ok);
    QFETCH(int, scelte);
    QFETCH(int, campo);
    DatiEsercizio d;
    const EsitoLettura e = LeggiEsercizioDa(CodificaWindows1252(file), d);
    QCOMPARE(e.ok, ok);
    if (!ok) {
        QCOMPARE(e.campo, campo);
        return;
    }
    QCOMPARE(int(d.Scelte.size()), scelte);
    QCOMPARE(d.Risposta[13], QStringLiteral("nome"));
    QCOMPARE(d.Frase[0], QStringLiteral("Il cane abbaia."));
}

QTEST_MAIN(TestContenuto)
#include "tst_contenuto.moc"
