// Record files without windows: the line written, the letters read back,
// the names refused, the atomic replacement.
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "records/Scheda.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestScheda : public QObject {
    Q_OBJECT
private slots:
    void rigaSalvata_data();
    void rigaSalvata();
    void fillerRipescati();
    void lettere_data();
    void lettere();
    void andataERitorno();
    void nomi_data();
    void nomi();
    void scritturaAtomica_data();
    void scritturaAtomica();
    void salva_data();
    void salva();
};

namespace {
// A record line as the bytes of a file, read back as text the way the program reads it.
QString ComeTesto(const QByteArray& b)
{
    LettoreCampi l(b);
    QString riga;
    l.LeggiTesto(riga);
    return riga;
}

QStringList FileNellaCartella(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}
} // namespace

void TestScheda::rigaSalvata_data()
{
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<int>("esercizio");
    QTest::addColumn<QString>("giudizio");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<int>("posizioneLettera");
    QTest::addColumn<char>("lettera");
    QTest::newRow("23 esercizi, n. 3 OTTIMO") << 22 << 3 << "OTTIMO" << 46 << 40 << 'm';
    QTest::newRow("32 esercizi, n. 4 BUONO") << 31 << 4 << "BUONO" << 64 << 56 << 'o';
    QTest::newRow("primo della riga INSUFF.") << 31 << 31 << "INSUFF." << 64 << 2 << 'f';
    QTest::newRow("ultimo della riga ECCELLENTE") << 9 << 0 << "ECCELLENTE" << 20 << 20 << 'l';
    QTest::newRow("SUFFICIENTE") << 13 << 7 << "SUFFICIENTE" << 28 << 14 << 'i';
    QTest::newRow("DISCRETO") << 28 << 28 << "DISCRETO" << 58 << 2 << 'r';
}

void TestScheda::rigaSalvata()
{
    QFETCH(int, ultimo);
    QFETCH(int, esercizio);
    QFETCH(QString, giudizio);
    QFETCH(int, lunghezza);
    QFETCH(int, posizioneLettera);
    QFETCH(char, lettera);
    QVector<bool> fatto(ultimo + 1, false);
    QVector<QString> giudizi(ultimo + 1);
    fatto[esercizio] = true;
    giudizi[esercizio] = giudizio;
    // Many draws, so that a parity that only sometimes holds shows up.
    for (int prova = 0; prova < 50; ++prova) {
        const QByteArray b = RigaScheda(fatto, giudizi, ultimo);
        QVERIFY(b.endsWith("\r\n"));
        const QByteArray riga = b.chopped(2);
        QCOMPARE(riga.size(), lunghezza);
        QCOMPARE(riga.at(posizioneLettera - 1), lettera);
        for (int p = 0; p < riga.size(); p += 2) {
            const int filler = static_cast<unsigned char>(riga.at(p));
            QVERIFY2(filler >= 161 && filler <= 255, qPrintable(QString::number(filler)));
            const bool dispari = filler % 2 == 1;
            QCOMPARE(dispari, p + 2 == posizioneLettera);
            if (p + 2 != posizioneLettera)
                QCOMPARE(riga.at(p + 1), 'x');
        }
    }
    QCOMPARE(giudizi[esercizio], giudizio); // the arrays are not changed
}

void TestScheda::fillerRipescati()
{
    // Draws out of range or of the wrong parity are drawn again.
    QList<int> estrazioni{160, 256, 163, 200, 120, 255, 162};
    int chiamate = 0;
    auto sorgente = [&] { return estrazioni.at(chiamate++); };
    const QByteArray b = RigaScheda({false, true}, {QString(), QStringLiteral("BUONO")}, 1, sorgente);
    // Exercise 1 (done, first pair) takes 163; exercise 0 (to do) takes 200.
    QCOMPARE(b, QByteArray("\xA3o\xC8x\r\n"));
    QCOMPARE(chiamate, 4);
}

void TestScheda::lettere_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<int>("esercizio");
    QTest::addColumn<bool>("fatto");
    QTest::addColumn<QString>("giudizio");
    // 32 exercises; exercise 5 holds "o" and exercise 6 "q".
    QByteArray riga(64, 'x');
    riga[2 * (31 - 5) + 1] = 'o';
    riga[2 * (31 - 6) + 1] = 'q';
    riga += "\r\n";
    QTest::newRow("o è BUONO") << riga << 31 << 5 << true << "BUONO";
    QTest::newRow("q è da fare") << riga << 31 << 6 << false << "";
    QTest::newRow("x è da fare") << riga << 31 << 7 << false << "";
    QByteArray maiuscola(46, 'x');
    maiuscola[2 * (22 - 3) + 1] = 'M';
    QTest::newRow("maiuscola non è un giudizio") << maiuscola << 22 << 3 << false << "";
    QByteArray corta("\xB1l\r\n");
    QTest::newRow("riga corta: l'ultimo c'è") << corta << 22 << 22 << true << "ECCELLENTE";
    QTest::newRow("riga corta: oltre la fine da fare") << corta << 22 << 0 << false << "";
    QByteArray filler("\xA2m\xA2i\r\n");
    QTest::newRow("il filler non conta") << filler << 1 << 1 << true << "OTTIMO";
    QTest::newRow("anche il secondo") << filler << 1 << 0 << true << "SUFFICIENTE";
    QTest::newRow("scheda vecchia più lunga") << (QByteArray(72, 'x') + "\r\n") << 9 << 9 << false << "";
}

void TestScheda::lettere()
{
    QFETCH(QByteArray, file);
    QFETCH(int, ultimo);
    QFETCH(int, esercizio);
    QFETCH(bool, fatto);
    QFETCH(QString, giudizio);
    QVector<bool> f{true};
    QVector<QString> g{QStringLiteral("vecchio")};
    LeggiRigaScheda(ComeTesto(file), ultimo, f, g);
    QCOMPARE(f.size(), ultimo + 1);
    QCOMPARE(g.size(), ultimo + 1);
    QCOMPARE(f[esercizio], fatto);
    QCOMPARE(g[esercizio], giudizio);
}

void TestScheda::andataERitorno()
{
    const QStringList parole{"INSUFF.", "SUFFICIENTE", "DISCRETO", "BUONO", "OTTIMO", "ECCELLENTE", ""};
    QVector<bool> fatto(32);
    QVector<QString> giudizio(32);
    for (int i = 0; i < 32; ++i) {
        giudizio[i] = parole.at(i % parole.size());
        fatto[i] = !giudizio[i].isEmpty();
    }
    QVector<bool> f;
    QVector<QString> g;
    LeggiRigaScheda(ComeTesto(RigaScheda(fatto, giudizio, 31)), 31, f, g);
    QCOMPARE(f, fatto);
    QCOMPARE(g, giudizio);
}

void TestScheda::nomi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("valido");
    QTest::newRow("semplice") << "Anna" << true;
    QTest::newRow("nome e cognome") << "Mario Rossi" << true;
    QTest::newRow("accenti e apostrofo") << QString::fromUtf8("Niccolò D'Àngelo") << true;
    QTest::newRow("solo spazi") << "   " << true;
    QTest::newRow("punto dentro") << "A.Rossi" << true;
    QTest::newRow("vuoto") << "" << false;
    QTest::newRow("risale le cartelle") << "../../x" << false;
    for (const QChar vietato : QStringLiteral("/\\:*?\"<>|\t\r\n"))
        QTest::addRow("carattere %d", vietato.unicode()) << QStringLiteral("a") + vietato + "b" << false;
    QTest::newRow("due punti") << ".." << false;
    QTest::newRow("un punto") << "." << false;
    QTest::newRow("tre punti") << "..." << false;
    QTest::newRow("NUL") << QString(QChar(0)) + "a" << false;
    QTest::newRow("DEL") << QString("a") + QChar(0x7F) << false;
    QTest::newRow("249 lettere") << QString(249, QLatin1Char('a')) << true;
    QTest::newRow("250 lettere") << QString(250, QLatin1Char('a')) << false;
    QTest::newRow("lettere di due byte") << QString(125, QChar(0xE0)) << false;
}

void TestScheda::nomi()
{
    QFETCH(QString, nome);
    QFETCH(bool, valido);
    const QString motivo = MotivoNomeNonValido(nome);
    QCOMPARE(motivo.isEmpty(), valido);
    if (!valido)
        QVERIFY(motivo.contains(QLatin1String("nome")));
    CartellaProva c;
    c.CreaCartelleSchede();
    const QString percorso = PercorsoSchedaSicuro(QStringLiteral("Nomi"), nome, QStringLiteral("Zlr01"));
    QCOMPARE(percorso.isEmpty(), !valido);
    if (valido)
        QCOMPARE(QFileInfo(percorso).absolutePath(), c.Percorso() + QStringLiteral("/Schede personali/Nomi"));
}

void TestScheda::scritturaAtomica_data()
{
    QTest::addColumn<QStringList>("file"); // written together, in the record folder
    QTest::addColumn<bool>("ok");
    QTest::newRow("sostituisce") << QStringList{"Anna.ZLR01"} << true;
    QTest::newRow("cartella mancante") << QStringList{"manca/Anna.ZLR01"} << false;
    QTest::newRow("al posto del file una cartella") << QStringList{"Bea.ZLR01"} << false;
    // The second cannot be written, so the first is not replaced either.
    QTest::newRow("tutto o niente") << QStringList{"Anna.ZLR01", "manca/Anna.ZLR02"} << false;
}

void TestScheda::scritturaAtomica()
{
    QFETCH(QStringList, file);
    QFETCH(bool, ok);
    CartellaProva c;
    const QString cartella = c.Percorso() + QStringLiteral("/Schede personali/Nomi");
    c.Scrivi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01"), QStringLiteral("vecchio\r\n"));
    QVERIFY(QDir().mkpath(cartella + QStringLiteral("/Bea.ZLR01")));
    QList<QPair<QString, QByteArray>> scritti;
    for (const QString& f : file)
        scritti << qMakePair(cartella + QLatin1Char('/') + f, QByteArray("nuovo\r\n"));
    QCOMPARE(file.size() == 1 ? ScriviFileAtomico(scritti[0].first, scritti[0].second) : ScriviFileAtomici(scritti), ok);
    QCOMPARE(c.Leggi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01")),
             ok ? QByteArray("nuovo\r\n") : QByteArray("vecchio\r\n"));
    // No temporary file is left behind, whatever happened.
    QCOMPARE(FileNellaCartella(cartella), QStringList{QStringLiteral("Anna.ZLR01")});
}

void TestScheda::salva_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QString>("file"); // existing record, or empty
    QTest::addColumn<QString>("ostacolo"); // "sola lettura", or a file where the folder should be
    QTest::newRow("Articoli") << 0 << "Anna.ZLR00" << "";
    QTest::newRow("estensione minuscola") << 0 << "Anna.zlr00" << "";
    QTest::newRow("Sintassi, senza cartella") << 9 << "" << "";
    QTest::newRow("sola lettura") << 1 << "Anna.ZLR01" << "sola lettura";
    QTest::newRow("un file per cartella") << 1 << "" << "file";
}

void TestScheda::salva()
{
    QFETCH(int, categoria);
    QFETCH(QString, file);
    QFETCH(QString, ostacolo);
    CartellaProva c;
    const QString nomeCategoria = QString::fromUtf8(DatiCategoria(categoria).cartella);
    const QString cartella = c.Percorso() + QStringLiteral("/Schede personali/") + nomeCategoria;
    const int ultimo = DatiCategoria(categoria).ultimoEsercizio;
    const QByteArray vecchia = QByteArray(2 * (ultimo + 1), 'x') + "\r\n";
    if (!file.isEmpty())
        c.ScriviByte(QStringLiteral("Schede personali/") + nomeCategoria + QLatin1Char('/') + file, vecchia);
    QVector<bool> fatto(ultimo + 1);
    QVector<QString> giudizio(ultimo + 1);
    fatto[3] = true;
    giudizio[3] = QStringLiteral("OTTIMO");
    PermessiVeri permessi;
    if (ostacolo == QLatin1String("file"))
        c.ScriviByte(QStringLiteral("Schede personali/") + nomeCategoria, "non una cartella");
    else if (!ostacolo.isEmpty() && !permessi.SolaLettura(cartella))
        QSKIP("i permessi delle cartelle non si possono far valere qui");
    const QString estensione = QStringLiteral("Zlr") + CodiceScheda(categoria);
    QCOMPARE(SalvaScheda(nomeCategoria, QStringLiteral("Anna"), estensione, fatto, giudizio, ultimo), ostacolo.isEmpty());
    if (ostacolo == QLatin1String("file"))
        return;
    // The record of any case keeps its name; a failed save leaves it as it was.
    const QStringList presenti = FileNellaCartella(cartella);
    QCOMPARE(presenti, QStringList{file.isEmpty() ? QStringLiteral("Anna.") + estensione : file});
    const QByteArray riga = c.Leggi(QStringLiteral("Schede personali/") + nomeCategoria + QLatin1Char('/') + presenti.at(0));
    if (!ostacolo.isEmpty()) {
        QCOMPARE(riga, vecchia);
        return;
    }
    QCOMPARE(riga.size(), 2 * (ultimo + 1) + 2);
    QCOMPARE(riga.at(2 * (ultimo - 3) + 1), 'm');
    const int filler = static_cast<unsigned char>(riga.at(2 * (ultimo - 3)));
    QVERIFY(filler >= 161 && filler % 2 == 1);
}

QTEST_MAIN(TestScheda)
#include "tst_scheda.moc"
