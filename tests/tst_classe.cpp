// The teacher's view of the class: records whole, some, unreadable, names apart only by case or accent.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "app/MenuPrincipale.h"
#include "platform/OpenSave.h"
#include "windows/FinestraClasse.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>

namespace {
const QByteArray Nuova = QByteArray(72, 'x') + "\r\n";

// A saved record of the category: the letters of exercises 0, 1... and the rest to do.
QByteArray Scheda(int categoria, const QString& lettere)
{
    QByteArray r;
    for (int i = DatiCategoria(categoria).ultimoEsercizio; i >= 0; --i) {
        const char l = i < lettere.size() ? lettere.at(i).toLatin1() : 'x';
        r += QByteArray(1, char(l == 'x' ? 200 : 201)) + l;
    }
    return r + "\r\n";
}

void Scrivi(const CartellaProva& c, int categoria, const QString& file, const QByteArray& byte)
{
    c.ScriviByte("Schede personali/" + QString::fromUtf8(DatiCategoria(categoria).cartella) + '/' + file, byte);
}

// A row of the overview: the cells given by category (12 the total), "/" for a line break.
QString Riepilogo(const QString& nome, const QMap<int, QString>& celle)
{
    QStringList r{nome};
    for (int c = 0; c <= NumeroCategorie; ++c)
        r << celle.value(c);
    return r.join('|');
}

// Every file below the folder with its bytes and time.
QStringList Istantanea(const QString& cartella)
{
    QStringList s;
    for (QDirIterator it(cartella, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();) {
        QFile f(it.next());
        s << f.fileName() + (it.fileInfo().isFile() && f.open(QIODevice::ReadOnly) ? f.readAll().toHex() : "/")
                + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    return s;
}
} // namespace

class TestClasse : public QObject {
    Q_OBJECT
private slots:
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("scheda"); // the only file, Prova.ZLR00 in Articoli
        QTest::addColumn<QString>("cella");
        QTest::newRow("nuova") << Nuova << "0/23";
        QTest::newRow("salvata") << Scheda(0, "lofx") << "3/23\nBUONO";
        QTest::newRow("mediana pari, la più bassa") << Scheda(0, "lmfi") << "4/23\nSUFFICIENTE";
        QTest::newRow("troncata") << Scheda(0, "lof").left(30) << "illeggibile";
        QTest::newRow("senza a capo") << Scheda(0, "lof").chopped(2) << "illeggibile";
        QTest::newRow("vuota") << QByteArray() << "illeggibile";
        QTest::newRow("di un'altra categoria") << Scheda(1, "lof") << "illeggibile";
        QTest::newRow("lettera estranea") << Scheda(0, "loz") << "illeggibile";
        QTest::newRow("riempitivo estraneo") << Scheda(0, "lo").replace(char(201), 'A') << "illeggibile";
        QTest::newRow("nuova e altro") << Nuova + Nuova << "illeggibile";
    }

    // What a record file says in the overview, or that it cannot be read.
    void lettura()
    {
        QFETCH(QByteArray, scheda);
        QFETCH(QString, cella);
        CartellaProva c;
        // A name a spreadsheet would take for a formula.
        Scrivi(c, 0, "=Prova.ZLR00", scheda);
        const QStringList prima = Istantanea(c.Percorso());
        const TabellaClasse t = TabellaRiepilogo(LeggiClasse());
        QCOMPARE(Istantanea(c.Percorso()), prima);
        QCOMPARE(t.righe.size(), 1);
        QCOMPARE(t.righe[0][1], cella);
        QVERIFY(t.righe[0][0].startsWith("=Prova") && t.csv.split('\n').value(1).startsWith("'=Prova"));
    }

    // From the main menu: both tables, the colours, the CSV files; no record touched.
    void classe()
    {
        Ambiente a;
        const CartellaProva& c = a.cartella;
        for (int k = 1; k < NumeroCategorie; ++k)
            Scrivi(c, k, "Anna.ZLR" + CodiceScheda(k), Nuova);
        Scrivi(c, 0, "Anna.ZLR00", Scheda(0, "lof"));
        Scrivi(c, 0, "anna.zlr00", Scheda(0, "ii"));
        Scrivi(c, 1, "anna.ZLR01", Scheda(1, "mf"));
        Scrivi(c, 0, "bruno.ZLR00", Scheda(0, "xxr"));
        Scrivi(c, 9, "bruno.ZLR09", Scheda(9, "l").left(9));
        Scrivi(c, 1, "Carla.ZLR01", Scheda(0, "o"));
        Scrivi(c, 0, "Dario.ZLR00", Scheda(0, "oz"));
        Scrivi(c, 0, "Élia.ZLR00", Nuova);
        Scrivi(c, 9, "Elia.ZLR09", Scheda(9, "f"));
        Scrivi(c, 9, "Fabio.ZLR09", Scheda(9, "ooorrl"));
        Scrivi(c, 9, "Fabio.ZLR09.lock", "");
        Scrivi(c, 9, "Fabio.ZLR00", Nuova);
        QString indice;
        for (int i = 1; i <= 9; ++i)
            indice += QStringLiteral("%1,\"%2\",\"Istruzione\"\r\n").arg(i).arg(i == 1 ? "Soggetto; predicato" : "T" + QString::number(i));
        c.Scrivi("Indice/Sintassi.txt", indice);
        const QStringList prima = Istantanea(c.Percorso());

        QStringList righe;
        for (const QStringList& r : TabellaRiepilogo(LeggiClasse()).righe)
            righe << r.join('|').replace('\n', '/');
        QCOMPARE(righe, QStringList({"Anna|3/23/BUONO|0/32|0/32|0/32|0/32|0/32|0/29|0/14|0/10|0/10|0/32|0/32|3/310/BUONO",
                              Riepilogo("anna", {{0, "2/23/SUFFICIENTE"}, {1, "2/32/INSUFF."}, {12, "4/310/SUFFICIENTE"}}),
                              Riepilogo("bruno", {{0, "1/23/DISCRETO"}, {12, "1/310/DISCRETO"}}),
                              Riepilogo("bruno.ZLR09 (illeggibile)", {{9, "illeggibile"}}),
                              Riepilogo("Carla.ZLR01 (illeggibile)", {{1, "illeggibile"}}),
                              Riepilogo("Dario.ZLR00 (illeggibile)", {{0, "illeggibile"}}),
                              Riepilogo("Elia", {{9, "1/10/INSUFF."}, {12, "1/310/INSUFF."}}),
                              Riepilogo("Élia", {{0, "0/23"}, {12, "0/310"}}),
                              Riepilogo("Fabio", {{9, "6/10/BUONO"}, {12, "6/310/BUONO"}})}));

        const QString csv = c.Percorso() + "/tabella.csv";
        ImpostaDialogoFile([&](const RecordDialogo& r) {
            return r.salva && r.flags == 0x80C ? std::optional<QString>(csv) : std::nullopt;
        });
        GestoreModali modali([&](QWidget* w) {
            auto* griglia = Figlio<QTableWidget>(*w, "griglia");
            QCOMPARE(w->windowTitle(), "Zelora: classe Schede personali");
            QCOMPARE(griglia->item(0, 0)->background().color(), QColor(0, 255, 0));
            QCOMPARE(griglia->item(2, 0)->background().color(), QColor(255, 255, 0));
            QCOMPARE(griglia->item(7, 0)->foreground().color(), QColor(255, 128, 128));
            QCOMPARE(griglia->verticalHeaderItem(5)->foreground().color(), QColor(192, 0, 0));
            QTest::mouseClick(Figlio(*w, "pulsanteEsporta"), Qt::LeftButton);
            QFile riepilogo(csv);
            riepilogo.open(QIODevice::ReadOnly);
            QCOMPARE(riepilogo.readLine(), "\xEF\xBB\xBF" "Alunno;Articoli svolti (su 23);Articoli giudizio;Nomi svolti (su 32);Nomi giudizio;Aggettivi svolti (su 32);"
                     "Aggettivi giudizio;Pronomi svolti (su 32);Pronomi giudizio;Verbi 1 svolti (su 32);Verbi 1 giudizio;Verbi 2 svolti (su 32);"
                     "Verbi 2 giudizio;Avverbi svolti (su 29);Avverbi giudizio;Preposizioni svolti (su 14);Preposizioni giudizio;"
                     "Congiunzioni svolti (su 10);Congiunzioni giudizio;Sintassi svolti (su 10);Sintassi giudizio;Fondamenti svolti (su 32);"
                     "Fondamenti giudizio;Punteggiatura svolti (su 32);Punteggiatura giudizio;Totale svolti (su 310);Totale giudizio\r\n");
            riepilogo.readLine();
            QCOMPARE(riepilogo.readLine(), "anna;2;SUFFICIENTE;2;INSUFF.;;;;;;;;;;;;;;;;;;;;;4;SUFFICIENTE\r\n");
            // A category's caption opens its table; the file is there already.
            griglia->horizontalHeader()->sectionClicked(9);
            QCOMPARE(Figlio<QComboBox>(*w, "scelta")->currentText(), "Sintassi");
            QCOMPARE(griglia->model()->headerData(0, Qt::Horizontal).toString(), "1. Soggetto;\npredicato");
            QCOMPARE(griglia->item(6, 0)->background().color(), QColor(0, 255, 0));
            a.messaggi.Rispondi(Risposta::No);
            QTest::mouseClick(Figlio(*w, "pulsanteEsporta"), Qt::LeftButton);
            QCOMPARE(a.messaggi.Testi().value(0), csv + "\r\nIl file esiste già. Vuoi sostituirlo?");
            QTest::mouseClick(Figlio(*w, "pulsanteEsporta"), Qt::LeftButton);
        });
        MenuPrincipale menu;
        menu.show();
        QTest::mouseClick(Figlio(menu, "classe"), Qt::LeftButton);
        ImpostaDialogoFile({});
        QCOMPARE(modali.aperte, QStringList{"FinestraClasse"});
        QCOMPARE(c.Leggi("tabella.csv"), "\xEF\xBB\xBF" "Alunno;\"1. Soggetto; predicato\";2. T2;3. T3;4. T4;5. T5;6. T6;7. T7;8. T8;9. T9;10.\r\n"
                 "Anna;;;;;;;;;;\r\nanna;;;;;;;;;;\r\nbruno;;;;;;;;;;\r\nbruno.ZLR09 (illeggibile);;;;;;;;;;\r\n"
                 "Elia;INSUFF.;;;;;;;;;\r\nÉlia;;;;;;;;;;\r\nFabio;BUONO;BUONO;BUONO;DISCRETO;DISCRETO;ECCELLENTE;;;;\r\n"
                 "Svolto da (alunni);2;1;1;1;1;1;0;0;0;0\r\nINSUFF. (alunni);1;0;0;0;0;0;0;0;0;0\r\n");
        QStringList dopo = Istantanea(c.Percorso());
        dopo.removeIf([](const QString& s) { return s.contains("/tabella.csv"); });
        QCOMPARE(dopo, prima);
    }

    // 40 pupils in every category: read in a benchmark, printed with the class, date and page on each sheet.
    void quarantaAlunni()
    {
        Ambiente a;
        for (int n = 1; n <= 40; ++n)
            for (int k = 0; k < NumeroCategorie; ++k)
                Scrivi(a.cartella, k, QStringLiteral("Alunno %1.ZLR%2").arg(n).arg(CodiceScheda(k)), Scheda(k, QString("lomrif").repeated(6).left(n % 33)));
        QBENCHMARK {
            QCOMPARE(TabellaRiepilogo(LeggiClasse()).righe.size(), 40);
        }
        const QString pdf = a.cartella.Percorso() + "/fogli.pdf";
        ImpostaFabbricaStampanti([pdf] { return CreaStampantePdf(pdf); });
        FinestraClasse f;
        for (const auto& [scelta, fogli] : {std::pair{0, 2}, std::pair{2, 2}}) {
            f.MostraTabella(scelta);
            QTest::mouseClick(Figlio(f, "pulsanteStampa"), Qt::LeftButton);
            const QStringList pagine = PagineDelPdf(pdf);
            QCOMPARE(pagine.size(), fogli);
            const QString titolo = scelta ? "Nomi" : "Riepilogo della classe";
            for (int p = 0; p < fogli; ++p)
                QVERIFY2(pagine[p].contains(QStringLiteral("Zelora - classe Schede personali - %1 - %2 - pagina %3").arg(titolo, QDate::currentDate().toString("dd/MM/yyyy")).arg(p + 1))
                         && pagine[p].contains(Piede()) && pagine[p].contains(scelta ? "Svolto da (alunni)" : "Punteggiatura"), qPrintable(pagine[p]));
            for (const char* riga : {"Alunno 1 ", "Alunno 40 ", scelta ? "32. " : "Totale"})
                QVERIFY2(pagine.join(' ').contains(riga), riga);
        }
        ImpostaFabbricaStampanti({});
    }
};

QTEST_MAIN(TestClasse)
#include "tst_classe.moc"
