// The index window: the displayed index with blue titles and the two-column printout.
#include "Supporto.h"

#include "app/frmMenu.h"
#include "content/Globali.h"
#include "exercise/frmEsercizi.h"
#include "platform/CasellaTesto.h"
#include "screens/frmIndice.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
void Categoria(const QStringList& titoli, const QStringList& testi, int ultimo = -1)
{
    Globali::CategoriaCorrente = QStringLiteral("Nomi");
    Globali::UltimoEsercizio = static_cast<qint16>(ultimo >= 0 ? ultimo : titoli.size() - 1);
    Globali::TitoloIndice = QVector<QString>(titoli.begin(), titoli.end());
    Globali::TestoIndice = QVector<QString>(testi.begin(), testi.end());
}

void Categoria(int numero)
{
    QStringList titoli, testi;
    for (int n = 0; n < numero; ++n) {
        titoli << QStringLiteral("Titolo %1").arg(n);
        testi << QStringLiteral("Istruzione %1").arg(n);
    }
    Categoria(titoli, testi);
}

const Stampato* Cerca(const StampanteRegistrata& r, const QString& testo)
{
    for (const Stampato& s : r.stampati)
        if (s.testo == testo)
            return &s;
    return nullptr;
}

QString Piede()
{
    return IndirizzoWeb + QStringLiteral(" progetti e risorse per l'uso attivo del computer a scuola.");
}
} // namespace

class TestIndice : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void elenco_data();
    void elenco();
    void stampa_data();
    void stampa();
    void larghezze_data();
    void larghezze();
    void stampaNo();
    void stampanteGuasta();
    void pulsanti();
    void apertoDallEsercizioEDalMenu();

private:
    CartellaProva* m_cartella = nullptr;
    MessaggiScriptati* m_messaggi = nullptr;
    SuoniRegistrati* m_suoni = nullptr;
};

void TestIndice::init()
{
    m_cartella = new CartellaProva;
    m_messaggi = new MessaggiScriptati;
    m_suoni = new SuoniRegistrati;
}

void TestIndice::cleanup()
{
    delete m_suoni;
    delete m_messaggi;
    delete m_cartella;
}

void TestIndice::elenco_data()
{
    QTest::addColumn<QStringList>("titoli");
    QTest::addColumn<QStringList>("testi");
    QTest::addColumn<int>("ultimo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QList<QPoint>>("blu"); // start, length
    QTest::newRow("titoli diversi") << QStringList{"Uno", "Due"} << QStringList{"a", "b"} << 1
                                    << "\r\nUno\r\na\r\n\r\nDue\r\nb\r\n" << QList<QPoint>{{2, 3}, {12, 3}};
    QTest::newRow("titolo già comparso prima")
        << QStringList{"Articoli", "Nomi", "Nomi comuni", "Articoli"}
        << QStringList{"Trova i Nomi comuni.", "Clicca.", "Sottolinea.", "Ancora."} << 3
        << "\r\nArticoli\r\nTrova i Nomi comuni.\r\n\r\nNomi\r\nClicca.\r\n\r\nNomi comuni\r\nSottolinea.\r\n"
           "\r\nArticoli\r\nAncora.\r\n"
        << QList<QPoint>{{2, 8}, {20, 11}};
    QTest::newRow("voci mancanti") << QStringList{"Uno"} << QStringList{"a"} << 2
                                   << "\r\nUno\r\na\r\n\r\n\r\n\r\n\r\n\r\n\r\n" << QList<QPoint>{{2, 3}};
}

void TestIndice::elenco()
{
    QFETCH(QStringList, titoli);
    QFETCH(QStringList, testi);
    QFETCH(int, ultimo);
    QFETCH(QString, testo);
    QFETCH(QList<QPoint>, blu);
    Categoria(titoli, testi, ultimo);
    frmIndice f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Zelora: Nomi"));
    QCOMPARE(f.lblTitolo->text(), QStringLiteral("Nomi : indice degli esercizi"));
    QCOMPARE(f.Text1->Testo(), testo);
    QVector<bool> azzurro(testo.size(), false);
    for (const QPoint& b : blu)
        for (int i = b.x(); i < b.x() + b.y(); ++i)
            azzurro[i] = true;
    for (int i = 0; i < testo.size(); ++i)
        QCOMPARE(f.Text1->ColoreCarattere(i), azzurro[i] ? QColor(0, 0, 255) : QColor(0, 0, 0));
    QCOMPARE(f.Text1->SelStart(), 0);
    QCOMPARE(f.Text1->SelLength(), 0);
}

void TestIndice::stampa_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("pagine");
    QTest::newRow("10 esercizi") << 10 << 1;
    QTest::newRow("17 esercizi") << 17 << 2;
    QTest::newRow("32 esercizi") << 32 << 2;
}

void TestIndice::stampa()
{
    QFETCH(int, numero);
    QFETCH(int, pagine);
    Categoria(numero);
    StampanteRegistrata registro;
    frmIndice f;
    f.show();
    f.mnustampa->trigger();
    QCOMPARE(m_messaggi->Testi(), QStringList{"Vuoi stampare questo indice di esercizi?"});
    QCOMPARE(m_messaggi->mostrati[0].titolo, QStringLiteral("Zelora: Nomi"));
    QCOMPARE(registro.documenti, 1);
    QCOMPARE(registro.pagine, pagine);
    QVERIFY(!f.isVisible());
    QCOMPARE(f.result(), int(QDialog::Accepted));

    const Stampato& intestazione = registro.stampati.first();
    QCOMPARE(intestazione.testo, QStringLiteral("ZELORA / NOMI : indice degli esercizi"));
    QCOMPARE(intestazione.x, 20.0);
    QCOMPARE(intestazione.y, 10.0);
    QVERIFY(intestazione.grassetto);
    QCOMPARE(intestazione.dimensione, 12.0);
    QCOMPARE(registro.Testi().filter(QStringLiteral("ZELORA")).size(), 1);

    for (int n = 0; n < numero; ++n) {
        const Stampato* t = Cerca(registro, QStringLiteral("Titolo %1").arg(n));
        const Stampato* i = Cerca(registro, QStringLiteral("Istruzione %1").arg(n));
        QVERIFY(t && i);
        const double colonna = n % 16 < 8 ? 20 : 110;
        QCOMPARE(t->pagina, n / 16 + 1);
        QCOMPARE(t->x, colonna);
        QVERIFY(t->grassetto);
        QCOMPARE(t->dimensione, 10.0);
        QCOMPARE(i->pagina, t->pagina);
        QCOMPARE(i->x, colonna + 10);
        QVERIFY(!i->grassetto);
        QCOMPARE(i->dimensione, 8.0);
        QCOMPARE(i->y, t->y + 5);
        // Under the heading at the start, at 20 mm at the top of other columns.
        const double primo = n < 8 ? 22 : 20;
        QCOMPARE(t->y, primo + (n % 8) * 13.0);
    }

    QCOMPARE(registro.linee.size(), pagine);
    int piedi = 0;
    for (const Stampato& s : registro.stampati) {
        if (s.testo != Piede())
            continue;
        ++piedi;
        QCOMPARE(s.pagina, piedi);
        QCOMPARE(s.x, 1.0);
        QCOMPARE(s.y, StampanteRegistrata::AltezzaPagina() - 6);
        QCOMPARE(s.dimensione, 8.0);
    }
    QCOMPARE(piedi, pagine);
    for (int p = 0; p < pagine; ++p) {
        const LineaStampata& l = registro.linee[p];
        QCOMPARE(l.pagina, p + 1);
        QCOMPARE(QList<double>({l.x1, l.y1, l.x2, l.y2}),
                 QList<double>({105, 20, 105, StampanteRegistrata::AltezzaPagina() - 20}));
    }
}

void TestIndice::larghezze_data()
{
    const QString a30(30, QLatin1Char('a'));
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("istruzione");
    QTest::addColumn<QStringList>("righe");
    QTest::newRow("38 e 40 su una riga")
        << a30 + " " + QString(7, 't') << a30 + " " + QString(9, 'i')
        << QStringList{a30 + " " + QString(7, 't'), a30 + " " + QString(9, 'i')};
    QTest::newRow("39 e 41 a capo") << a30 + " " + QString(8, 't') << a30 + " " + QString(10, 'i')
                                    << QStringList{a30, QString(8, 't'), a30, QString(10, 'i')};
}

void TestIndice::larghezze()
{
    QFETCH(QString, titolo);
    QFETCH(QString, istruzione);
    QFETCH(QStringList, righe);
    Categoria({titolo}, {istruzione});
    StampanteRegistrata registro;
    frmIndice f;
    f.mnustampa_Click();
    QStringList attese = registro.Testi().mid(2, righe.size());
    QCOMPARE(attese, righe);
    for (int i = 0; i < righe.size(); ++i)
        QCOMPARE(registro.stampati[2 + i].x, i < righe.size() / 2 ? 20.0 : 30.0);
}

void TestIndice::stampaNo()
{
    Categoria(3);
    StampanteRegistrata registro;
    frmIndice f;
    f.show();
    m_messaggi->Rispondi(Risposta::No);
    f.mnustampa_Click();
    QVERIFY(registro.stampati.isEmpty());
    QVERIFY(f.isVisible());
}

void TestIndice::stampanteGuasta()
{
    Categoria(3);
    StampanteRegistrata registro;
    registro.fallisceAllaFine = true;
    frmIndice f;
    f.show();
    f.mnustampa_Click();
    QCOMPARE(m_messaggi->mostrati.size(), 2);
    QVERIFY(m_messaggi->mostrati[1].icona == Icona::Critico);
    QCOMPARE(m_messaggi->mostrati[1].testo,
             QStringLiteral("Si è verificato un errore, la stampa non è possibile.\r\n"
                            "Verificare che la stampante sia in funzione."));
    QCOMPARE(registro.documenti, 0);
    QVERIFY(f.isVisible());
}

void TestIndice::pulsanti()
{
    Categoria(3);
    StampanteRegistrata registro;
    frmIndice f;
    f.show();
    m_messaggi->Rispondi(Risposta::No);
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    QCOMPARE(m_suoni->suonati, QStringList{"press.wav"});
    QCOMPARE(m_messaggi->mostrati.size(), 1);
    f.mnuEsci->trigger();
    QVERIFY(!f.isVisible());
    QCOMPARE(m_suoni->suonati.size(), 1);
    f.show();
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(m_suoni->suonati.size(), 2);
}

void TestIndice::apertoDallEsercizioEDalMenu()
{
    QStringList titoli;
    GestoreModali modali([&titoli](QWidget* w) {
        if (auto* f = qobject_cast<frmIndice*>(w))
            titoli << f->lblTitolo->text() + QStringLiteral(" | ") + f->Text1->Testo().section("\r\n", 1, 1);
    });
    Categoria({"Primo"}, {"Clicca."});
    frmEsercizi e;
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    e.mnuindice->trigger();

    m_cartella->CopiaDatiDistribuiti();
    frmMenu menu;
    menu.Picture_Click(1);
    QCOMPARE(modali.aperte, (QStringList{"frmIndice", "frmIndice"}));
    QCOMPARE(titoli.size(), 2);
    QCOMPARE(titoli[0], QStringLiteral("Nomi : indice degli esercizi | Primo"));
    QCOMPARE(titoli[1], "Nomi : indice degli esercizi | " + Globali::TitoloIndice.value(0));
    QVERIFY(!Globali::TitoloIndice.value(0).isEmpty());
}

QTEST_MAIN(TestIndice)
#include "tst_indice.moc"
