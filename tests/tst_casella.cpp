// The rich-text box: text counted as the program counts it, per-character
// format, selection, notifications and the pupil's mouse.
#include "Supporto.h"

#include "platform/CasellaTesto.h"
#include "platform/TestoFormattato.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

class TestCasella : public QObject {
    Q_OBJECT
private slots:
    void testoContatoComeIlProgramma();
    void selezioneComeIlControlloOriginale();
    void sostituzioneTieneIlColore();
    void coloreDellaSelezione();
    void notificheDelProgramma();
    void parola_data();
    void parola();
    void doppioClicSelezionaLaParola();
    void doppioClicAnnullabileDalGestore();
    void trascinamentoFinoAllaFine();
    void ingressoSpento();
    void testoNuovoTieneLaDimensione();
};

void TestCasella::testoContatoComeIlProgramma()
{
    CasellaTesto c;
    c.ImpostaTesto(QStringLiteral("Il cane.\r\n"));
    QCOMPARE(c.Testo().size(), 10);
    c.ImpostaSelezione(3, 4);
    QCOMPARE(c.Modello().SelText(), QStringLiteral("cane"));
    // A lone CR is one character and one displayed line break.
    c.ImpostaTesto(QStringLiteral("a\rb\r\n"));
    QCOMPARE(c.Testo().size(), 5);
    QCOMPARE(c.document()->blockCount(), 3);
    c.ImpostaSelezione(2, 3);
    QCOMPARE(c.Modello().SelText(), QStringLiteral("b\r\n"));
    // The view shows another model as soon as it is given one, with its formats.
    TestoFormattato altro;
    altro.ImpostaTesto(QStringLiteral("blu\r\n"));
    altro.ColoraTutto(Qt::blue);
    c.ImpostaModello(&altro);
    QCOMPARE(c.toPlainText(), QStringLiteral("blu\n"));
    QTextCursor primo(c.document());
    primo.setPosition(1);
    QCOMPARE(primo.charFormat().foreground().color(), QColor(Qt::blue));
    altro.ImpostaTesto(QStringLiteral("nero"));
    QCOMPARE(c.toPlainText(), QStringLiteral("nero"));
}

void TestCasella::selezioneComeIlControlloOriginale()
{
    CasellaTesto c;
    c.ImpostaTesto(QStringLiteral("abcdef"));
    c.ImpostaSelezione(1, 3);
    c.ImpostaSelStart(2);
    QCOMPARE(c.SelLength(), 0);
    c.Modello().ImpostaSelLength(100);
    QCOMPARE(c.SelLength(), 4);
    c.ImpostaSelezione(-5, 2);
    QCOMPARE(c.SelStart(), 0);
    QCOMPARE(c.SelLength(), 2);
    c.ImpostaSelezione(50, 2);
    QCOMPARE(c.SelStart(), 6);
    QCOMPARE(c.SelLength(), 0);
}

void TestCasella::sostituzioneTieneIlColore()
{
    CasellaTesto c;
    c.ImpostaTesto(QStringLiteral("Ho [  ] cane.\r\n"));
    c.ImpostaSelezione(3, 4);
    c.ImpostaSelColor(Qt::red);
    c.Modello().SostituisciSelezione(QStringLiteral("un"));
    QCOMPARE(c.Testo(), QStringLiteral("Ho un cane.\r\n"));
    QCOMPARE(c.ColoreCarattere(3), QColor(Qt::red));
    QCOMPARE(c.ColoreCarattere(4), QColor(Qt::red));
    QCOMPARE(c.ColoreCarattere(5), QColor(Qt::black));
    QCOMPARE(c.SelStart(), 5);
    QCOMPARE(c.SelLength(), 0);
}

void TestCasella::coloreDellaSelezione()
{
    CasellaTesto c;
    c.ImpostaTesto(QStringLiteral("rosso blu\r\n"));
    c.ImpostaSelezione(6, 3);
    c.ImpostaSelColor(Qt::blue);
    c.ImpostaSelBold(true);
    QCOMPARE(c.Modello().SelColor().value(), QColor(Qt::blue));
    QVERIFY(c.GrassettoCarattere(7));
    QVERIFY(!c.GrassettoCarattere(5));
    c.ImpostaSelezione(4, 4);
    QVERIFY(!c.Modello().SelColor().has_value());
}

void TestCasella::notificheDelProgramma()
{
    CasellaTesto c;
    QSignalSpy spia(&c, &CasellaTesto::selezioneCambiata);
    c.ImpostaTesto(QStringLiteral("uno due\r\n"));
    c.ImpostaSelStart(4);
    c.Modello().ImpostaSelLength(3);
    c.Modello().SostituisciSelezione(QStringLiteral("tre"));
    QCOMPARE(spia.count(), 4);
    // Formatting does not move the selection and raises nothing.
    c.ImpostaSelColor(Qt::red);
    QCOMPARE(spia.count(), 4);
}

void TestCasella::parola_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("attesa");
    QTest::newRow("parola intera") << "Il cane abbaia." << 5 << "cane";
    QTest::newRow("inizio parola") << "Il cane abbaia." << 3 << "cane";
    QTest::newRow("apostrofo separa") << "l'albero" << 4 << "albero";
    QTest::newRow("articolo apostrofato") << "l'albero" << 0 << "l";
    QTest::newRow("accenti") << "È città" << 3 << "città";
    QTest::newRow("spazio") << "Il cane" << 2 << " ";
    QTest::newRow("punto") << "cane." << 4 << ".";
    QTest::newRow("oltre la fine") << "cane" << 9 << "";
}

void TestCasella::parola()
{
    QFETCH(QString, testo);
    QFETCH(int, posizione);
    QFETCH(QString, attesa);
    const auto p = ParolaInPosizione(testo, posizione);
    QCOMPARE(testo.mid(p.first, p.second - p.first), attesa);
}

void TestCasella::doppioClicSelezionaLaParola()
{
    CasellaTesto c;
    c.resize(400, 80);
    c.show();
    c.ImpostaTesto(QStringLiteral("La mamma prepara la torta.\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    // The word is selected before the double-click is reported, with the
    // position under the pointer.
    QString selezionato;
    int posizione = -1;
    connect(&c, &CasellaTesto::doppioClic, &c, [&](int p) {
        selezionato = c.Modello().SelText();
        posizione = p;
    });
    QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(11).center());
    QCOMPARE(selezionato, QStringLiteral("prepara"));
    QVERIFY(posizione >= 9 && posizione <= 16);
}

void TestCasella::doppioClicAnnullabileDalGestore()
{
    CasellaTesto c;
    c.resize(400, 80);
    c.show();
    c.ImpostaTesto(QStringLiteral("La mamma prepara la torta.\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    connect(&c, &CasellaTesto::doppioClic, &c, [&] { c.ImpostaSelStart(0); });
    QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
    QCOMPARE(c.SelLength(), 0);
    QCOMPARE(c.SelStart(), 0);
}

void TestCasella::trascinamentoFinoAllaFine()
{
    CasellaTesto c;
    c.resize(400, 120);
    c.show();
    c.ImpostaTesto(QStringLiteral("Marco disse ciao.\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    const QPoint da = c.RettangoloCarattere(12).topLeft() + QPoint(1, 3);
    // Past the last line: the drag takes the full stop and the line break.
    const QPoint a(c.viewport()->width() - 5, c.viewport()->height() - 5);
    QTest::mousePress(c.viewport(), Qt::LeftButton, {}, da);
    QMouseEvent muovi(QEvent::MouseMove, a, c.viewport()->mapToGlobal(a), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(c.viewport(), &muovi);
    QTest::mouseRelease(c.viewport(), Qt::LeftButton, {}, a);
    QCOMPARE(c.Modello().SelText(), QStringLiteral("ciao.\r\n"));
}

void TestCasella::ingressoSpento()
{
    CasellaTesto c;
    c.resize(400, 80);
    c.show();
    c.ImpostaTesto(QStringLiteral("Il gatto dorme.\r\n"));
    c.ImpostaSelezione(3, 5);
    c.ImpostaSelColor(Qt::blue);
    c.ImpostaSelStart(0);
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    c.ImpostaIngresso(false);
    QSignalSpy premuto(&c, &CasellaTesto::premuto);
    QSignalSpy doppio(&c, &CasellaTesto::doppioClic);
    QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
    QTest::mouseClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
    QCOMPARE(premuto.count(), 0);
    QCOMPARE(doppio.count(), 0);
    QCOMPARE(c.SelLength(), 0);
    QCOMPARE(c.ColoreCarattere(4), QColor(Qt::blue));
}

void TestCasella::testoNuovoTieneLaDimensione()
{
    CasellaTesto c;
    c.ImpostaTesto(QStringLiteral("abc\r\n"));
    c.ImpostaSelezione(0, 5);
    c.Modello().ImpostaSelFontSize(16);
    c.ImpostaSelColor(Qt::red);
    c.ImpostaTesto(QStringLiteral("nuovo"));
    QCOMPARE(c.DimensioneCarattere(2), 16.0);
    QCOMPARE(c.ColoreCarattere(2), QColor(Qt::black));
}

QTEST_MAIN(TestCasella)
#include "tst_casella.moc"
