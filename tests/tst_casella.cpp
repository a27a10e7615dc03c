// The rich-text box: text counted as the program counts it, format, selection, the mouse.
#include "ProveEsercizi.h"

#include "platform/CasellaTesto.h"
#include "platform/TestoFormattato.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

class TestCasella : public QObject {
    Q_OBJECT
private slots:
    // A CR LF is two characters; a lone CR is one, and one displayed line break.
    void testoContatoComeIlProgramma()
    {
        CasellaTesto c;
        c.ImpostaTesto(QStringLiteral("Il cane.\r\n"));
        c.ImpostaSelezione(3, 4);
        QCOMPARE(c.Modello().SelText(), QStringLiteral("cane"));
        c.ImpostaTesto(QStringLiteral("a\rb\r\n"));
        QCOMPARE(c.document()->blockCount(), 3);
        c.ImpostaSelezione(2, 3);
        QCOMPARE(c.Modello().SelText(), QStringLiteral("b\r\n"));
    }

    // The selection stays within the text; formats apply to it and raise no
    // notification; a replacement takes the colour of what it replaces.
    void selezioneEFormato()
    {
        CasellaTesto c;
        QSignalSpy spia(&c, &CasellaTesto::selezioneCambiata);
        c.ImpostaTesto(QStringLiteral("Ho [  ] cane.\r\n"));
        c.ImpostaSelStart(3);
        c.Modello().ImpostaSelLength(4);
        QCOMPARE(spia.count(), 3);
        c.ImpostaSelColor(Qt::red);
        c.ImpostaSelBold(true);
        QCOMPARE(spia.count(), 3);
        QVERIFY(c.GrassettoCarattere(4) && !c.GrassettoCarattere(2));
        QTextCursor vista(c.document()); // what the screen shows, not only the model
        vista.setPosition(5);
        QVERIFY(vista.charFormat().foreground().color() == Qt::red && vista.charFormat().font().bold());
        c.Modello().SostituisciSelezione(QStringLiteral("un"));
        QCOMPARE(spia.count(), 4);
        QCOMPARE(c.Testo(), QStringLiteral("Ho un cane.\r\n"));
        QCOMPARE(Colori(c.Modello()), Tratti("n3 r2 n8"));
        QCOMPARE(QPoint(c.SelStart(), c.SelLength()), QPoint(5, 0));
        c.ImpostaSelezione(2, 4);
        QVERIFY(!c.Modello().SelColor().has_value()); // black and red
        // Clamped: a start moved drops the length; lengths and starts end at the text's end.
        c.ImpostaSelStart(4);
        QCOMPARE(c.SelLength(), 0);
        c.Modello().ImpostaSelLength(100);
        QCOMPARE(QPoint(c.SelStart(), c.SelLength()), QPoint(4, 9));
        c.ImpostaSelezione(-5, 2);
        QCOMPARE(QPoint(c.SelStart(), c.SelLength()), QPoint(0, 2));
        c.ImpostaSelezione(50, 2);
        QCOMPARE(QPoint(c.SelStart(), c.SelLength()), QPoint(13, 0));
        // A new text keeps the size and drops the colours.
        c.ImpostaSelezione(0, 13);
        c.Modello().ImpostaSelFontSize(16);
        c.ImpostaTesto(QStringLiteral("nuovo"));
        QCOMPARE(c.DimensioneCarattere(2), 16.0);
        QCOMPARE(Colori(c.Modello()), Tratti("n5"));
    }

    void parola_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("attesa");
        QTest::newRow("parola intera") << "Il cane abbaia." << 5 << "cane";
        QTest::newRow("apostrofo separa") << "l'albero" << 4 << "albero";
        QTest::newRow("articolo apostrofato") << "l'albero" << 0 << "l";
        QTest::newRow("accenti") << "È città" << 3 << "città";
        QTest::newRow("punto") << "cane." << 4 << ".";
        QTest::newRow("oltre la fine") << "cane" << 9 << "";
    }

    void parola()
    {
        QFETCH(QString, testo);
        QFETCH(int, posizione);
        QFETCH(QString, attesa);
        const auto p = ParolaInPosizione(testo, posizione);
        QCOMPARE(testo.mid(p.first, p.second - p.first), attesa);
    }

    // A double-click on an edge or the centre of a word's end letters takes the word (right of its line,
    // the blank there); a drag between those edges marks it as shown; a shake nothing. "campagna" scrolls.
    void sottoIlPuntatore_data()
    {
        QTest::addColumn<int>("punti");
        QTest::addColumn<int>("posizione"); // of a letter of the word; -1: the last word of the first line
        for (int punti : {11, 16})
            for (const auto& [nome, posizione] : std::initializer_list<std::pair<const char*, int>>{{"l'", 5}, {"un'", 27}, {"e", 14}, {"i", 16}, {"fine riga", -1}, {"campagna", 51}})
                QTest::addRow("%s, %d punti", nome, punti) << punti << posizione;
    }

    void sottoIlPuntatore()
    {
        QFETCH(int, punti);
        QFETCH(int, posizione);
        CasellaTesto c;
        c.resize(268, 62); // an item box
        c.ImpostaFontPredefinito(QFont(QStringLiteral("Arial"), punti));
        c.ImpostaTesto(QStringLiteral("Vedo l'aiuola e i fiori di un'amica che abita in campagna.\r\n"));
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        const QString testo = c.Testo();
        const auto p = ParolaInPosizione(testo, posizione >= 0 ? posizione : c.document()->firstBlock().layout()->lineAt(0).textLength() - 2);
        const QString parola = testo.mid(p.first, p.second - p.first);
        c.ImpostaSelStart(p.first); // the box scrolls to show it
        const QRect a = c.RettangoloCarattere(p.first), b = c.RettangoloCarattere(p.second - 1);
        const QList<QPoint> punto = {{a.left(), a.center().y()}, a.center(), {a.right(), a.center().y()},
                                     {b.left(), b.center().y()}, b.center(), {b.right(), b.center().y()}};
        for (const QPoint& q : punto) {
            QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, q);
            QCOMPARE(QString::number(q.x()) + c.Modello().SelText(), QString::number(q.x()) + parola);
        }
        for (const auto& [da, fino] : {std::pair(0, 3), std::pair(0, 5), std::pair(2, 3), std::pair(2, 5), std::pair(5, 0), std::pair(3, 2), std::pair(1, 1)}) {
            QTest::mousePress(c.viewport(), Qt::LeftButton, {}, punto[da]);
            QTest::mouseMove(c.viewport(), punto[fino] + QPoint(da == fino, 0)); // from 1 to 1: a shake
            const QString mostrato = c.textCursor().selectedText();
            QTest::mouseRelease(c.viewport(), Qt::LeftButton, {}, punto[fino] + QPoint(da == fino, 0));
            const QString atteso = punto[da] == punto[fino] ? QString() : parola, dove = QStringLiteral("%1>%2 ").arg(da).arg(fino);
            QCOMPARE(dove + mostrato + '|' + c.Modello().SelText(), dove + atteso + '|' + atteso);
        }
        QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, QPoint(c.viewport()->width() - 2, a.center().y()));
        QVERIFY(c.SelLength() == 1 && c.Modello().SelText().trimmed().isEmpty());
    }

    // A double-click selects before it is reported; a drag past the end takes the break; input off: nothing.
    void mouse()
    {
        CasellaTesto c;
        c.resize(400, 120);
        c.show();
        c.ImpostaTesto(QStringLiteral("La mamma prepara la torta.\r\n"));
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QString selezionato; int posizione = -1;
        auto gestore = connect(&c, &CasellaTesto::doppioClic, &c, [&](int p) { selezionato = c.Modello().SelText(); posizione = p; });
        QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(11).center());
        QCOMPARE(selezionato, QStringLiteral("prepara"));
        QVERIFY(posizione >= 9 && posizione <= 16);
        disconnect(gestore);
        connect(&c, &CasellaTesto::doppioClic, &c, [&] { c.ImpostaSelStart(0); });
        QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
        QCOMPARE(QPoint(c.SelStart(), c.SelLength()), QPoint(0, 0));
        const QPoint da = c.RettangoloCarattere(20).topLeft() + QPoint(1, 3);
        const QPoint a(c.viewport()->width() - 5, c.viewport()->height() - 5);
        QTest::mousePress(c.viewport(), Qt::LeftButton, {}, da);
        // The release, not the last move, says where the stretch ends.
        QMouseEvent muovi(QEvent::MouseMove, da + QPoint(9, 0), c.viewport()->mapToGlobal(da), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.viewport(), &muovi);
        QTest::mouseRelease(c.viewport(), Qt::LeftButton, {}, a);
        QCOMPARE(c.Modello().SelText(), QStringLiteral("torta.\r\n"));
        c.ImpostaSelezione(3, 5);
        c.ImpostaSelColor(Qt::blue);
        c.ImpostaSelStart(0);
        c.ImpostaIngresso(false);
        QSignalSpy premuto(&c, &CasellaTesto::premuto), doppio(&c, &CasellaTesto::doppioClic);
        QTest::mouseDClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
        QTest::mouseClick(c.viewport(), Qt::LeftButton, {}, c.RettangoloCarattere(4).center());
        QVERIFY(premuto.isEmpty() && doppio.isEmpty() && c.SelLength() == 0);
        QCOMPARE(Colori(c.Modello()), Tratti("n3 b5 n*", 28));
    }
};

QTEST_MAIN(TestCasella)
#include "tst_casella.moc"
