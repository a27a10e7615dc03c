// Record files without windows: the line written and read back, the names
// refused, the atomic replacement, the save.
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/LettoreCampi.h"
#include "records/Scheda.h"

#include <QtTest>
#include <optional>

#include <sys/file.h>

static QStringList FileNellaCartella(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class TestScheda : public QObject {
    Q_OBJECT
private slots:
    // A record line: a pair per exercise, the last first: an odd filler and the grade's letter
    // for one done, an even filler and "x" for one to do; fillers from 161 to 255; CR LF.
    void riga_data()
    {
        QTest::addColumn<QByteArray>("file"); // read as it is; null: written from the letters, then read
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<QString>("lettere"); // from the last exercise to the first
        QTest::newRow("ogni giudizio") << QByteArray() << 7 << "xxfiroml";
        QTest::newRow("23 esercizi") << QByteArray() << 22 << QString(19, 'x') + "mxxx";
        QTest::newRow("32 esercizi, il primo e l'ultimo") << QByteArray() << 31 << "f" + QString(26, 'x') + "oxxxl";
        // Lines that the program did not write as it writes them now.
        const QByteArray strane = QByteArray(64, 'x').replace(2 * (31 - 6) + 1, 1, "q").replace(2 * (31 - 3) + 1, 1, "M");
        QTest::newRow("q e maiuscole non sono giudizi") << strane << 31 << QString(32, 'x');
        QTest::newRow("riga corta") << QByteArray("\xB1l\r\n") << 22 << "l" + QString(22, 'x');
        QTest::newRow("il filler non conta") << QByteArray("\xA2m\xA2i\r\n") << 1 << "mi";
        QTest::newRow("scheda vecchia più lunga") << QByteArray(72, 'o') + "\r\n" << 9 << QString(10, 'o');
    }

    void riga()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, ultimo);
        QFETCH(QString, lettere);
        const QHash<QChar, QString> parola{{'f', "INSUFF."}, {'i', "SUFFICIENTE"}, {'r', "DISCRETO"},
                                           {'o', "BUONO"}, {'m', "OTTIMO"}, {'l', "ECCELLENTE"}};
        QVector<bool> fatto(ultimo + 1);
        QVector<QString> giudizio(ultimo + 1);
        for (int i = 0; i <= ultimo; ++i) {
            giudizio[i] = parola.value(lettere.at(ultimo - i));
            fatto[i] = !giudizio[i].isEmpty();
        }
        // Many draws, so that a parity that only sometimes holds shows up.
        for (int prova = 0; file.isNull() && prova < 50; ++prova) {
            const QByteArray b = RigaScheda(fatto, giudizio, ultimo);
            QVERIFY(b.size() == 2 * (ultimo + 1) + 2 && b.endsWith("\r\n"));
            for (int k = 0; k <= ultimo; ++k) {
                const int filler = quint8(b.at(2 * k));
                QVERIFY2(filler >= 161 && (filler % 2 == 1) == (lettere.at(k) != 'x'), qPrintable(QString::number(filler)));
                QCOMPARE(QChar(b.at(2 * k + 1)), lettere.at(k));
            }
        }
        QVector<bool> f{true};
        QVector<QString> g{QStringLiteral("vecchio")};
        // Read as the program reads a line of a file.
        LettoreCampi l(file.isNull() ? RigaScheda(fatto, giudizio, ultimo) : file);
        QString testo;
        QVERIFY(l.LeggiTesto(testo));
        LeggiRigaScheda(testo, ultimo, f, g);
        QCOMPARE(f, fatto);
        QCOMPARE(g, giudizio);
    }

    // Names refused for a new record, and why; a name accepted can be saved, and so can an
    // existing record whose name only the rules for new names refuse.
    void nomi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("motivo"); // part of the message; empty: accepted
        QTest::addColumn<bool>("esistente"); // a record of that name still opens and saves
        const QString caratteri = "senza i caratteri", lettere = "con delle lettere", invisibili = "caratteri invisibili";
        QTest::newRow("accenti, apostrofo, spazio, punto") << QString::fromUtf8("  Niccolò D'Àngelo A.Rossi") << "" << true;
        QTest::newRow("CONTE non è CON") << "Conte" << "" << true;
        // The temporary name of a save is 7 bytes longer, and a file name has 255 at most.
        QTest::newRow("242 lettere") << QString(242, QLatin1Char('a')) << "" << true;
        QTest::newRow("243 lettere") << QString(243, QLatin1Char('a')) << "troppo lungo" << false;
        QTest::newRow("lettere di due byte") << QString(122, QChar(0xE0)) << "troppo lungo" << false;
        QTest::newRow("vuoto") << "" << "nessun nome" << false;
        QTest::newRow("solo spazi") << "   " << lettere << true;
        QTest::newRow("spazio non separabile") << QString(QChar(0xA0)) << lettere << true;
        QTest::newRow("nascosto") << ".Anna" << "cominciare con un punto" << true;
        QTest::newRow("punto in fondo") << "Anna." << "finire con un punto o con uno spazio" << true;
        QTest::newRow("spazio in fondo") << "Anna " << "finire con un punto o con uno spazio" << true;
        for (const char* riservato : {"CON", "nul", "Com1", "LPT9.txt", "aux .a"})
            QTest::newRow(riservato) << riservato << "un altro nome" << true;
        for (const QString& n : QStringList{"..", ".", "..."})
            QTest::addRow("%s", qPrintable(n)) << n << lettere << false;
        for (const char16_t c : {0x00, 0x7F, 0x09, 0x0D, 0x0A})
            QTest::addRow("carattere %d", c) << "a" + QString(QChar(c)) + "b" << caratteri << false;
        for (const QChar vietato : QStringLiteral("/\\:*?\"<>|"))
            QTest::addRow("carattere %c", vietato.toLatin1()) << QStringLiteral("a") + vietato + "b" << caratteri << false;
        for (const char16_t c : {0x200B, 0x200D, 0xFEFF, 0x2028, 0x2029, 0xAD, 0xD800, 0x0378})
            QTest::addRow("invisibile %x", c) << "An" + QString(QChar(c)) + "na" << invisibili << true;
    }

    void nomi()
    {
        QFETCH(QString, nome);
        QFETCH(QString, motivo);
        QFETCH(bool, esistente);
        QVERIFY2(motivo.isEmpty() ? MotivoNomeNonValido(nome).isEmpty() : MotivoNomeNonValido(nome).contains(motivo),
                 qPrintable(MotivoNomeNonValido(nome)));
        CartellaProva c;
        c.CreaCartelleSchede();
        QCOMPARE(CreaSchede(nome), motivo.isEmpty());
        const QString percorso = PercorsoSchedaSicuro(QStringLiteral("Nomi"), nome, QStringLiteral("Zlr01"));
        QCOMPARE(esistente ? QFileInfo(percorso).absolutePath() : percorso, esistente ? c.Percorso() + "/Schede personali/Nomi" : QString());
        QString riga;
        QCOMPARE(SalvaScheda(QStringLiteral("Nomi"), nome, QStringLiteral("Zlr01"), {true}, {"BUONO"}, 0)
                     && LeggiScheda(QStringLiteral("Nomi"), nome, QStringLiteral("Zlr01"), riga) && riga.endsWith('o'),
                 esistente);
    }

    // Files replaced all together or not at all, leaving no temporary file.
    void scritturaAtomica_data()
    {
        QTest::addColumn<QStringList>("file"); // written together, in the record folder
        QTest::addColumn<bool>("ok");
        QTest::newRow("sostituisce") << QStringList{"Anna.ZLR01"} << true;
        QTest::newRow("cartella mancante") << QStringList{"manca/Anna.ZLR01"} << false;
        QTest::newRow("al posto del file una cartella") << QStringList{"Bea.ZLR01"} << false;
        // The second cannot be written, so the first is not replaced either.
        QTest::newRow("tutto o niente") << QStringList{"Anna.ZLR01", "manca/Anna.ZLR02"} << false;
    }

    void scritturaAtomica()
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
        QCOMPARE(c.Leggi(QStringLiteral("Schede personali/Nomi/Anna.ZLR01")), ok ? QByteArray("nuovo\r\n") : QByteArray("vecchio\r\n"));
        QCOMPARE(FileNellaCartella(cartella), QStringList{QStringLiteral("Anna.ZLR01")});
    }

    // Saving a record: the existing file keeps its name in any case; a failed save leaves it as it was.
    void salva_data()
    {
        QTest::addColumn<int>("categoria");
        QTest::addColumn<QString>("file"); // existing record, or empty
        QTest::addColumn<QString>("ostacolo");
        QTest::newRow("estensione minuscola") << 0 << "Anna.zlr00" << "";
        QTest::newRow("Sintassi, senza cartella") << 9 << "" << "";
        QTest::newRow("sola lettura") << 1 << "Anna.ZLR01" << "sola lettura";
        QTest::newRow("un file per cartella") << 1 << "" << "file";
        // The disk refuses the data (a real full file system: tst_blocco).
        QTest::newRow("scrittura interrotta") << 1 << "Anna.ZLR01" << "guasto";
        // A record that links to a file elsewhere is neither read nor written.
        QTest::newRow("collegamento") << 1 << "Anna.ZLR01" << "collegamento";
        // What killed saves left is cleared by an open and by a save; a temporary another
        // save holds stays, and so do the files of other names.
        QTest::newRow("temporanei lasciati") << 1 << "Anna.ZLR01" << "temporanei";
    }

    void salva()
    {
        QFETCH(int, categoria);
        QFETCH(QString, file);
        QFETCH(QString, ostacolo);
        CartellaProva c;
        const QString nome = QString::fromUtf8(DatiCategoria(categoria).cartella), cartella = c.Percorso() + "/Schede personali/" + nome;
        const QString estensione = QStringLiteral("Zlr") + CodiceScheda(categoria), anna = QStringLiteral("Anna");
        const int ultimo = DatiCategoria(categoria).ultimoEsercizio;
        const QByteArray vecchia = QByteArray(2 * (ultimo + 1), 'x') + "\r\n";
        QStringList restano{file.isEmpty() ? "Anna." + estensione : file};
        if (!file.isEmpty())
            c.ScriviByte(cartella.mid(c.Percorso().size() + 1) + "/" + file, vecchia);
        if (ostacolo == "temporanei")
            restano << "Anna.ZLR01.GbdahR1" << "Anna.ZLR01.QwErTy" << "Anna.ZLR01.NuovoX" << "Anna.ZLR02.GbdahR" << "Bea.ZLR01.GbdahR";
        // A temporary written two minutes ago, unless its name says new.
        const auto scriviVecchio = [&](const QString& f) {
            QDir().mkpath(cartella);
            QFile v(cartella + "/" + f);
            return v.open(QIODevice::WriteOnly)
                && (f.contains("Nuovo") || v.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
        };
        for (const QString& altro : restano.mid(1))
            QVERIFY(scriviVecchio(altro));
        // A save under way elsewhere holds its temporary, or has just made it and not
        // yet locked it; the ones left by killed saves are cleared.
        QFile tenuto(cartella + "/Anna.ZLR01.QwErTy");
        const QString lasciato = "Anna.ZLR01.GbdahR";
        QString riga;
        if (ostacolo == "temporanei") {
            QVERIFY(tenuto.open(QIODevice::ReadOnly) && flock(tenuto.handle(), LOCK_EX) == 0 && scriviVecchio(lasciato));
            QVERIFY(LeggiScheda(nome, anna, estensione, riga) && !QFile::exists(cartella + "/" + lasciato) && scriviVecchio(lasciato));
        }
        if (ostacolo == "collegamento") {
            c.ScriviByte("fuori", "fuori");
            QVERIFY(QFile::remove(cartella + "/" + file) && QFile::link(c.Percorso() + "/fuori", cartella + "/" + file));
            QVERIFY(!LeggiScheda(nome, anna, estensione, riga));
        }
        QVector<bool> fatto(ultimo + 1);
        QVector<QString> giudizio(ultimo + 1);
        fatto[3] = true;
        giudizio[3] = QStringLiteral("OTTIMO");
        PermessiVeri permessi;
        std::optional<DiscoPieno> guasto;
        if (ostacolo == "guasto")
            guasto.emplace();
        if (ostacolo == "file")
            c.ScriviByte("Schede personali/" + nome, "non una cartella");
        else if (ostacolo == "sola lettura" && !permessi.SolaLettura(cartella))
            QSKIP("i permessi delle cartelle non si possono far valere qui");
        const bool riesce = ostacolo.isEmpty() || ostacolo == "temporanei";
        QCOMPARE(SalvaScheda(nome, anna, estensione, fatto, giudizio, ultimo), riesce);
        if (ostacolo == "file")
            return;
        restano.sort();
        QCOMPARE(FileNellaCartella(cartella), restano);
        const QByteArray scritta = c.Leggi(cartella.mid(c.Percorso().size() + 1) + "/" + restano.at(0));
        QVERIFY(riesce ? scritta.size() == 2 * (ultimo + 1) + 2 && scritta.at(2 * (ultimo - 3) + 1) == 'm'
                       : scritta == (ostacolo == "collegamento" ? "fuori" : vecchia));
    }
};

QTEST_MAIN(TestScheda)
#include "tst_scheda.moc"
