// A whole exercise done with the mouse, from the menu entry to the grade.
#include "Supporto.h"

#include "content/Esercizio.h"
#include "content/Globali.h"
#include "exercise/frmEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QAction>
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

const QStringList Scelte = {QStringLiteral("nome"), QStringLiteral("verbo"), QStringLiteral("articolo")};

// The answer of item i, and a word of its sentence that is its key.
QString RispostaDi(int i)
{
    return Scelte.at(i % 3);
}

// Exercise 4 of "Nomi", of kind 3: a list of three choices, 14 items.
QString FileEsercizio()
{
    const QStringList chiavi = {QStringLiteral("cane"), QStringLiteral("abbaia"), QStringLiteral("Il")};
    QString t = QStringLiteral("3\r\n3\r\n");
    for (const QString& s : Scelte)
        t += QLatin1Char('"') + s + QStringLiteral("\"\r\n");
    for (int i = 0; i < NumeroRighe; ++i)
        t += QStringLiteral("\"Il cane abbaia %1 volte.\",\"%2\",\"%3\"\r\n")
                 .arg(i + 1)
                 .arg(RispostaDi(i), chiavi.at(i % 3));
    return t;
}

bool CliccaVoce(QListWidget* lista, const QString& testo)
{
    const QList<QListWidgetItem*> trovate = lista->findItems(testo, Qt::MatchExactly);
    if (trovate.isEmpty() || !lista->isVisible())
        return false;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(trovate.first()).center());
    return true;
}

} // namespace

class TestEsercizioCompleto : public QObject {
    Q_OBJECT
private slots:
    void esercizioIntero_data();
    void esercizioIntero();
};

void TestEsercizioCompleto::esercizioIntero_data()
{
    QTest::addColumn<int>("errori");
    QTest::addColumn<QString>("giudizio");
    QTest::newRow("due errori: il giro tipico") << 2 << "BUONO";
    QTest::newRow("nessun errore") << 0 << "ECCELLENTE";
    QTest::newRow("un errore") << 1 << "OTTIMO";
    QTest::newRow("tre errori") << 3 << "DISCRETO";
    QTest::newRow("quattro errori") << 4 << "SUFFICIENTE";
    QTest::newRow("sei errori") << 6 << "INSUFF.";
}

void TestEsercizioCompleto::esercizioIntero()
{
    QFETCH(int, errori);
    QFETCH(QString, giudizio);

    CartellaProva cartella;
    MessaggiScriptati messaggi;
    SuoniRegistrati suoni;
    GestoreModali modali;
    cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 04.txt"), FileEsercizio());

    // The category as the main menu leaves it when "Nomi" is chosen.
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::EstensioneScheda = QStringLiteral("Zlr01");
    Globali::UltimoEsercizio = 31;
    for (int i = 0; i <= 31; ++i) {
        Globali::TitoloIndice << QStringLiteral("Esercizio %1").arg(i + 1);
        Globali::TestoIndice << QStringLiteral("Scegli la parte del discorso.");
        Globali::TitoloScritto << QStringLiteral("Esercizio %1").arg(i + 1);
        Globali::TestoScritto << QStringLiteral("Scrivi la parte del discorso.");
        Globali::EsercizioFatto << false;
        Globali::Giudizio << QString();
    }
    Globali::NomeAlunno = QStringLiteral("Anna");

    auto f = std::make_unique<frmEsercizi>();
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    // A record is open: the exercise menu is filled.
    f->RipristinaMenuEsercizi();
    QVERIFY(f->mnuesercizio[31]->isVisible());
    QCOMPARE(frmEsercizi::Caption(f->mnuesercizio[4]), QStringLiteral(" Esercizio 5"));

    f->mnuesercizio[4]->trigger();
    QVERIFY(f->List1->isVisible());
    QVERIFY(!f->Timer1->isActive());
    for (int i = 0; i < NumeroRighe; ++i) {
        QVERIFY(f->Testo[i]->isVisible());
        QCOMPARE(f->lblrisposta[i]->BackColor(), frmEsercizi::Grigio);
    }
    suoni.suonati.clear();

    int fatti = 0;
    for (int i = 0; i < NumeroRighe; ++i) {
        QTest::mouseClick(f->lblrisposta[i], Qt::LeftButton);
        QCOMPARE(f->lblrisposta[i]->BackColor(), frmEsercizi::Giallo);
        if (fatti < errori) {
            // A wrong choice first: the label turns red, the item must be taken again.
            QVERIFY(CliccaVoce(f->List1, Scelte.at((i + 1) % 3)));
            ++fatti;
            QCOMPARE(f->lblrisposta[i]->BackColor(), frmEsercizi::Rosso);
            QCOMPARE(int(f->RigaCorrente), 100);
            QTest::mouseClick(f->lblrisposta[i], Qt::LeftButton);
        }
        QVERIFY(CliccaVoce(f->List1, RispostaDi(i)));
        QCOMPARE(f->lblrisposta[i]->BackColor(), frmEsercizi::Verde);
        QCOMPARE(f->Testo[i]->Testo().right(RispostaDi(i).size() + 3), " [" + RispostaDi(i) + "]");
        QCOMPARE(int(f->RigheCompletate), i + 1);
        if (i < NumeroRighe - 1) {
            // Nothing is graded before the 14th item.
            QVERIFY(f->List1->isVisible());
            QVERIFY(!Globali::EsercizioFatto.at(4));
            QVERIFY(modali.aperte.isEmpty());
        }
    }
    QCOMPARE(fatti, errori);

    QCOMPARE(int(f->NumeroErrori), errori);
    QCOMPARE(frmEsercizi::Caption(f->mnuerrori), QStringLiteral("   ERRORI : %1").arg(errori));
    QCOMPARE(Globali::Giudizio.at(4), giudizio);
    QVERIFY(Globali::EsercizioFatto.at(4));
    for (int i = 0; i <= 31; ++i)
        if (i != 4)
            QVERIFY(!Globali::EsercizioFatto.at(i) && Globali::Giudizio.at(i).isEmpty());
    QVERIFY(f->mnuesercizio[4]->isChecked());
    QCOMPARE(frmEsercizi::Caption(f->mnuesercizio[4]), QStringLiteral(" Esercizio 5 (") + giudizio + ")");
    QCOMPARE(frmEsercizi::Caption(f->mnuesercizio[5]), QStringLiteral(" Esercizio 6"));

    // The record file now holds the grade's letter for exercise 4, after an odd filler.
    const QByteArray scheda = cartella.Leggi(QStringLiteral("Schede personali/Nomi/Anna.Zlr01"));
    QCOMPARE(scheda.size(), 64 + 2);
    QVERIFY(scheda.endsWith("\r\n"));
    const int lettera = 2 * (31 - 4) + 2 - 1;
    QCOMPARE(QChar::fromLatin1(scheda.at(lettera)), LetteraGiudizio(giudizio));
    QCOMPARE(static_cast<unsigned char>(scheda.at(lettera - 1)) % 2, 1);
    QCOMPARE(scheda.count('x'), 31);
    for (const Messaggio& m : messaggi.mostrati)
        QVERIFY2(m.icona != Icona::Critico, qPrintable(m.testo));

    QStringList attesi;
    for (int k = 0; k < errori; ++k)
        attesi << QStringLiteral("wrong.wav");
    attesi << QStringLiteral("right.wav");
    if (errori == 0)
        attesi << QStringLiteral("win.wav");
    QCOMPARE(suoni.suonati, attesi);

    // The record sheet was shown, then the prompt to choose another exercise.
    QCOMPARE(modali.aperte, QStringList{"frmSchedaPersonale"});
    QCOMPARE(f->Label3->text(), QStringLiteral("Scegli un altro esercizio nel menu in alto"));
    QVERIFY(f->Timer1->isActive());
    QVERIFY(!f->List1->isVisible());
    QVERIFY(!f->Shape1->isVisible());
    for (int i = 0; i < NumeroRighe; ++i) {
        QCOMPARE(f->lblrisposta[i]->Caption(), QStringLiteral("\r\nok"));
        QVERIFY(!f->Testo[i]->Ingresso());
    }
    // A finished item cannot be selected again.
    QTest::mouseClick(f->lblrisposta[3], Qt::LeftButton);
    QCOMPARE(int(f->RigaCorrente), 100);
}

QTEST_MAIN(TestEsercizioCompleto)
#include "tst_esercizio_completo.moc"
