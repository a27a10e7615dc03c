// The booklet tool on a small pack and on the bundled one: PDF pages, sheets, keys, the document.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include <QtTest>

namespace {
const QString Frase = QStringLiteral("Il gatto dorme tranquillo nel cesto vicino alla porta della cucina mentre fuori piove.");

// The standard output of a program, empty on failure.
// The text of an OpenDocument file, as a word processor reads it.
QString Odt(const QString& odt)
{
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
    return p.waitForFinished(60000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
} // namespace

class TestFascicolo : public QObject {
    Q_OBJECT
private slots:
    // Congiunzioni alone: cover, index, a sheet and a key for each readable exercise (not the last).
    void piccolo()
    {
        CartellaProva c;
        QString indice, scritto;
        for (int n = 0; n < 10; ++n) {
            indice += QStringLiteral("%1,\"Congiunzione %1\",\"Clicca la congiunzione.\"\r\n").arg(n + 1);
            scritto += QStringLiteral("%1,\"Le congiunzioni %1\",\"Sottolinea il nome.\"\r\n").arg(n + 1);
            c.Scrivi(QStringLiteral("Esercizi/Congiunzioni/ESERCIZIO %1.txt").arg(n, 2, 10, QLatin1Char('0')),
                     n == 1 ? FileEsercizio(41, {}, {{"Nel vaso ci sono tulipani viola.", "viola", "Al singolare: un tulipano viola."}})
                     : n == 9 ? QStringLiteral("1\r\n") : FileEsercizio(1, {}, {{Frase, "gatto", "animale"}}));
        }
        c.Scrivi("Indice/Congiunzioni.txt", indice);
        c.Scrivi("IndiceScritto/Congiunzioni.txt", scritto);
        QProcess p;
        p.start(ZELORA_CARTELLA_PROGRAMMA "/zelora-fascicolo", {c.Percorso(), c.Percorso() + "/uscita"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains("Congiunzioni: esercizio 09 non leggibile, lasciato fuori\n"));

        const QStringList pagine = PagineDelPdf(c.Percorso() + "/uscita/Zelora - esercizi.pdf");
        QCOMPARE(pagine.size(), 20);
        QVERIFY(pagine[1].startsWith("ZELORA / CONGIUNZIONI : indice degli esercizi Congiunzione 1 Clicca la congiunzione."));
        QVERIFY(pagine[1].contains("Congiunzione 10 Clicca la congiunzione."));
        // The sheet as printed (and a page number); keys: the answered box, or the kind's key text.
        QVERIFY(pagine[2].startsWith("ZELORA CONGIUNZIONI - Le congiunzioni 1 Sottolinea il nome. 1) " + Frase + " 2) " + Frase));
        QVERIFY(pagine[2].endsWith("14) " + Frase + " 3"));
        QVERIFY(pagine[3].startsWith("ZELORA CONGIUNZIONI - Le congiunzioni 1 Soluzioni 1) " + Frase));
        QVERIFY(pagine[5].startsWith("ZELORA CONGIUNZIONI - Le congiunzioni 2 Soluzioni 1) Al singolare: un tulipano viola. 2) "));
        // A paragraph a line (89 characters wrap within 78), a break before each page, the word in blue.
        const QString odt = Odt(c.Percorso() + "/uscita/Zelora - esercizi.odt");
        for (const char* atteso : {">1) Il gatto dorme tranquillo nel cesto vicino alla porta della cucina mentre<", ">fuori piove.<",
                                   "fo:break-before=\"page\"", "fo:color=\"#0000ff\"", ">Al singolare: un tulipano viola.<"})
            QVERIFY2(odt.contains(QString::fromUtf8(atteso)), atteso);
    }

    // The build's booklet: a cover, each index (1 to 3 pages), two pages for each of 310 exercises.
    void distribuito()
    {
        const QStringList pagine = PagineDelPdf(ZELORA_CARTELLA_PROGRAMMA "/Zelora - esercizi.pdf");
        QVERIFY2(pagine.size() >= 1 + 12 + 2 * 310 && pagine.size() <= 1 + 3 * 12 + 2 * 310, qPrintable(QString::number(pagine.size())));
        const int foglio = int(pagine.indexOf(QRegularExpression("^ZELORA ARTICOLI - Il, lo, la Scrivi .* 1\\) ... topo 2\\) ... scoiattolo .*")));
        QVERIFY(foglio > 0 && pagine[foglio + 1].contains("Soluzioni 1) il topo 2) lo scoiattolo"));
        QVERIFY(Odt(ZELORA_CARTELLA_PROGRAMMA "/Zelora - esercizi.odt").contains("lo scoiattolo"));
    }
};

QTEST_MAIN(TestFascicolo)
#include "tst_fascicolo.moc"
