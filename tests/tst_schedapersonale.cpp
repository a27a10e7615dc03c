// The record sheet: its rows, heights, colours and pictures, and its printout
// on the recording printer and, once, on a real PDF read back as text.
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/Immagini.h"
#include "windows/FinestraScheda.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

Q_DECLARE_METATYPE(Risposta)

namespace {
int tw(int twips)
{
    return qRound(twips / 15.0);
}

void ScegliCategoria(int indice, const QString& nome)
{
    Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(indice).cartella);
    Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(indice);
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    for (int i = 0; i < n; ++i)
        Globali::TitoloIndice[i] = QStringLiteral("Titolo %1").arg(i + 1);
    Globali::EsercizioFatto = QVector<bool>(n, false);
    Globali::Giudizio = QVector<QString>(n);
    Globali::NomeAlunno = nome;
}

void Segna(int i, const QString& giudizio)
{
    Globali::EsercizioFatto[i] = true;
    Globali::Giudizio[i] = giudizio;
}

bool StessaImmagine(const QLabel* l, const QPixmap& p)
{
    return l->pixmap().toImage() == p.toImage();
}
} // namespace

class TestSchedaPersonale : public QObject {
    Q_OBJECT
private slots:
    void righe_data();
    void righe();
    void riga_data();
    void riga();
    void pulsanti_data();
    void pulsanti();
    void righeStampate();
    void stampaPdf();
};

void TestSchedaPersonale::righe_data()
{
    QTest::addColumn<int>("categoria");
    QTest::addColumn<int>("righe");
    QTest::addColumn<int>("altezza");
    QTest::newRow("Articoli") << 0 << 23 << 6840;
    QTest::newRow("Punteggiatura") << 11 << 32 << 9000;
    QTest::newRow("Congiunzioni") << 8 << 10 << 3720;
}

void TestSchedaPersonale::righe()
{
    QFETCH(int, categoria);
    QFETCH(int, righe);
    QFETCH(int, altezza);
    CartellaProva c;
    ScegliCategoria(categoria, QStringLiteral("Anna Rossi"));
    FinestraScheda s(nullptr);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QCOMPARE(s.windowTitle(), QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    QCOMPARE(s.Label1->text(), QStringLiteral("Scheda personale di Anna Rossi"));
    QCOMPARE(s.AltezzaTwips(), altezza);
    QCOMPARE(s.height(), tw(altezza));
    QCOMPARE(s.Command1->y(), tw(altezza - 945));
    QCOMPARE(s.Command2->y(), tw(altezza - 945));
    QCOMPARE(s.Command1->text(), QStringLiteral("OK"));
    QVERIFY(s.Command2->text().isEmpty());
    for (int i = 0; i < FinestraScheda::RighePreparate; ++i) {
        const bool visibile = i < righe;
        QCOMPARE(s.LblEsercizio[i]->isVisible(), visibile);
        QCOMPARE(s.LblFatto[i]->isVisible(), visibile);
        QCOMPARE(s.LblGiudizio[i]->isVisible(), visibile);
        QCOMPARE(s.ImgRiga[i]->isVisible(), visibile);
        QCOMPARE(s.LblEsercizio[i]->y(), tw(300 + 240 * i));
        QCOMPARE(s.ImgRiga[i]->y(), tw(315 + 240 * i));
        if (visibile)
            QVERIFY(s.LblEsercizio[i]->geometry().bottom() < s.Command1->y());
    }
    QCOMPARE(s.LblEsercizio[righe - 1]->text(), QStringLiteral("Titolo %1 ").arg(righe));
    // The centre of the title stays where it was designed, whatever the name.
    const int centro = QRect(tw(2655), 0, tw(2340), 1).center().x();
    QVERIFY(qAbs(s.Label1->geometry().center().x() - centro) <= 1);
    QVERIFY(s.Label1->width() >= s.Label1->sizeHint().width());
}

void TestSchedaPersonale::riga_data()
{
    QTest::addColumn<QString>("giudizio"); // empty: not done
    QTest::addColumn<QColor>("sfondo");
    const QColor bianco(255, 255, 255), giallo(255, 255, 0), verde(0, 255, 0);
    QTest::newRow("da fare") << "" << bianco;
    QTest::newRow("INSUFF.") << "INSUFF." << bianco;
    QTest::newRow("SUFFICIENTE") << "SUFFICIENTE" << giallo;
    QTest::newRow("DISCRETO") << "DISCRETO" << giallo;
    QTest::newRow("BUONO") << "BUONO" << verde;
    QTest::newRow("OTTIMO") << "OTTIMO" << verde;
    QTest::newRow("ECCELLENTE") << "ECCELLENTE" << verde;
}

void TestSchedaPersonale::riga()
{
    QFETCH(QString, giudizio);
    QFETCH(QColor, sfondo);
    CartellaProva c;
    ScegliCategoria(1, QStringLiteral("Anna"));
    if (!giudizio.isEmpty())
        Segna(7, giudizio);
    Segna(8, QStringLiteral("BUONO")); // a neighbour does not leak into row 7
    FinestraScheda s(nullptr);
    QCOMPARE(FinestraScheda::BackColor(s.LblEsercizio[7]), sfondo);
    QCOMPARE(s.LblFatto[7]->text(), giudizio.isEmpty() ? QStringLiteral("da fare") : QStringLiteral("x"));
    QCOMPARE(s.LblGiudizio[7]->text(), giudizio.isEmpty() ? QStringLiteral(" ") : giudizio);
    QVERIFY(StessaImmagine(s.ImgRiga[7], giudizio.isEmpty() ? ImmagineMatita() : ImmagineSpunta()));
    QCOMPARE(s.LblEsercizio[7]->text(), QStringLiteral("Titolo 8 "));
    QCOMPARE(s.LblEsercizio[7]->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    QCOMPARE(s.LblFatto[7]->palette().color(QPalette::WindowText), QColor(255, 128, 128));
    QCOMPARE(s.LblGiudizio[7]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(s.LblFatto[7]->font().italic());
    QCOMPARE(FinestraScheda::BackColor(s.LblEsercizio[6]), QColor(255, 255, 255));
}

void TestSchedaPersonale::pulsanti_data()
{
    QTest::addColumn<bool>("stampa"); // the printer button, otherwise OK
    QTest::addColumn<Risposta>("risposta");
    QTest::addColumn<QString>("guasto");
    QTest::addColumn<int>("messaggi");
    QTest::newRow("OK") << false << Risposta::Si << "" << 0;
    QTest::newRow("stampa, Sì") << true << Risposta::Si << "" << 1;
    QTest::newRow("stampa, No") << true << Risposta::No << "" << 1;
    QTest::newRow("nessuna stampante") << true << Risposta::Si << "assente" << 2;
    QTest::newRow("la stampante fallisce") << true << Risposta::Si << "fine" << 2;
}

void TestSchedaPersonale::pulsanti()
{
    QFETCH(bool, stampa);
    QFETCH(Risposta, risposta);
    QFETCH(QString, guasto);
    QFETCH(int, messaggi);
    CartellaProva c;
    MessaggiScriptati m;
    SuoniRegistrati suoni;
    StampanteRegistrata stampante;
    stampante.nonDisponibile = guasto == QLatin1String("assente");
    stampante.fallisceAllaFine = guasto == QLatin1String("fine");
    ScegliCategoria(0, QStringLiteral("Anna"));
    m.Rispondi(risposta);
    FinestraScheda s(nullptr);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QTest::mouseClick(stampa ? s.Command2 : s.Command1, Qt::LeftButton);
    const bool stampato = stampa && risposta == Risposta::Si && guasto.isEmpty();
    QCOMPARE(suoni.suonati, QStringList{"press.wav"});
    QCOMPARE(stampante.documenti, stampato ? 1 : 0);
    QCOMPARE(s.isVisible(), stampa && !stampato);
    if (!s.isVisible())
        QCOMPARE(s.result(), int(QDialog::Accepted));
    if (!stampa || risposta == Risposta::No)
        QVERIFY(stampante.stampati.isEmpty());
    QCOMPARE(m.mostrati.size(), messaggi);
    if (messaggi > 0) {
        QCOMPARE(m.mostrati[0].testo, QStringLiteral("Vuoi stampare questa scheda?"));
        QCOMPARE(m.mostrati[0].titolo, QStringLiteral("Zelora: Articoli"));
        QCOMPARE(m.mostrati[0].icona, Icona::Domanda);
        QCOMPARE(m.mostrati[0].pulsanti, Pulsanti::SiNo);
    }
    if (messaggi > 1) {
        QCOMPARE(m.mostrati[1].testo, QStringLiteral("Si è verificato un errore, la stampa non è possibile.\r\n"
                                                     "Verificare che la stampante sia in funzione."));
        QCOMPARE(m.mostrati[1].icona, Icona::Critico);
        QCOMPARE(m.mostrati[1].titolo, QStringLiteral("Zelora: Articoli"));
    }
}

void TestSchedaPersonale::righeStampate()
{
    CartellaProva c;
    MessaggiScriptati m;
    StampanteRegistrata stampante;
    ScegliCategoria(0, QString::fromUtf8("Anna Niccolò"));
    Segna(0, QStringLiteral("BUONO"));
    Segna(5, QStringLiteral("INSUFF."));
    FinestraScheda s(nullptr);
    s.Command2_Click();
    struct Atteso {
        QString testo;
        double x, y, dimensione;
        bool grassetto;
    };
    QList<Atteso> attesi{
        {"ZELORA / ARTICOLI", 20, 20, 12, true},
        {"", 0, 26, 12, true},
        {QString::fromUtf8("Scheda personale di ANNA NICCOLÒ"), 20, 32, 12, true},
        {"", 0, 38, 12, true},
        {"", 0, 44, 12, true},
    };
    for (int i = 0; i <= 22; ++i) {
        const double y = 50 + 6 * i;
        attesi.append({QStringLiteral("Titolo %1").arg(i + 1), 20, y, 12, false});
        const QString g = i == 0 ? "BUONO" : i == 5 ? "INSUFF." : "da fare";
        attesi.append({g, 160, y, 12, false});
    }
    attesi.append({"zelora.example.org progetti e risorse per l'uso attivo del computer a scuola.", 1, 281, 8, false});
    QCOMPARE(stampante.stampati.size(), attesi.size());
    for (int i = 0; i < attesi.size(); ++i) {
        const Stampato& p = stampante.stampati[i];
        const Atteso& a = attesi[i];
        QVERIFY2(p.testo == a.testo, qPrintable(QStringLiteral("%1: %2").arg(i).arg(p.testo)));
        QVERIFY2(qFuzzyCompare(p.x + 1, a.x + 1) && qFuzzyCompare(p.y + 1, a.y + 1),
                 qPrintable(QStringLiteral("%1 a %2,%3").arg(p.testo).arg(p.x).arg(p.y)));
        QCOMPARE(p.dimensione, a.dimensione);
        QCOMPARE(p.grassetto, a.grassetto);
        QCOMPARE(p.font, QStringLiteral("Verdana"));
        QVERIFY(!p.corsivo);
        QCOMPARE(p.pagina, 1);
    }
    QCOMPARE(stampante.documenti, 1);
}

void TestSchedaPersonale::stampaPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) non è installato");
    CartellaProva c;
    MessaggiScriptati m;
    ScegliCategoria(7, QStringLiteral("Bea"));
    Segna(2, QStringLiteral("ECCELLENTE"));
    const QString pdf = c.Percorso() + QStringLiteral("/scheda.pdf");
    ImpostaFabbricaStampanti([pdf] { return CreaStampantePdf(pdf); });
    FinestraScheda s(nullptr);
    s.Command2_Click();
    ImpostaFabbricaStampanti({});
    QCOMPARE(m.mostrati.size(), 1); // only the question
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("ZELORA / PREPOSIZIONI")), qPrintable(testo));
    QVERIFY(testo.contains(QStringLiteral("Scheda personale di BEA")));
    const QStringList righe = testo.split(QLatin1Char('\n'));
    auto riga = [&](const QString& inizio) {
        for (const QString& r : righe)
            if (r.trimmed().startsWith(inizio + QLatin1Char(' ')))
                return r.simplified();
        return QString();
    };
    QCOMPARE(riga(QStringLiteral("Titolo 3")), QStringLiteral("Titolo 3 ECCELLENTE"));
    QCOMPARE(riga(QStringLiteral("Titolo 14")), QStringLiteral("Titolo 14 da fare"));
    QCOMPARE(riga(QStringLiteral("Titolo 1")), QStringLiteral("Titolo 1 da fare"));
    QVERIFY(testo.contains(QStringLiteral("progetti e risorse per l'uso attivo del computer a scuola.")));
    QVERIFY(!testo.contains(QStringLiteral("Titolo 15")));
}

QTEST_MAIN(TestSchedaPersonale)
#include "tst_schedapersonale.moc"
