// The bundled exercises in the real exercise window: how every item and
// every choice shows, and how long loading one takes (every bundled exercise
// is loaded and played by the content checker).
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "content/Catalogo.h"

#include <QScrollBar>

class TestContenutoDistribuito : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_cartella.CopiaDatiDistribuiti(); }

    // Each item in its box at its size: no scroll bar, the first line at the top, also after the
    // wheel; each choice whole in the list, which has no horizontal scroll bar.
    void caselleEScelte()
    {
        MessaggiScriptati messaggi;
        for (int categoria = 0; categoria < NumeroCategorie; ++categoria) {
            PreparaCategoria(categoria);
            FinestraEsercizi f;
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            auto* elenco = f.findChild<QListWidget*>(QStringLiteral("elencoScelte"));
            for (int n = 0; n <= Globali::UltimoEsercizio; ++n) {
                f.findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(n)->trigger();
                const QByteArray dove = (Globali::CategoriaCorrente + QStringLiteral(" %1: ").arg(n)).toUtf8();
                for (int i = 0; i < NumeroRighe; ++i) {
                    CasellaTesto* c = f.findChild<CasellaTesto*>(QStringLiteral("casella%1").arg(i));
                    QWheelEvent rotella(QPointF(5, 5), c->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(c->viewport(), &rotella);
                    QVERIFY2(!c->verticalScrollBar()->isVisible() && c->verticalScrollBar()->value() == 0, dove + c->Testo().toUtf8());
                }
                for (int v = 0; v < elenco->count(); ++v) {
                    // What of the entry lies within the list's width.
                    const QRect voce = elenco->visualItemRect(elenco->item(v)) & QRect(0, 0, elenco->viewport()->width(), 100000);
                    const QRect testo = elenco->fontMetrics().boundingRect(voce.adjusted(3, 0, -3, 0), Qt::TextWordWrap, elenco->item(v)->text());
                    QVERIFY2(voce.contains(testo), dove + elenco->item(v)->text().toUtf8());
                }
                QVERIFY2(!elenco->horizontalScrollBar()->isVisible(), dove);
            }
        }
        QVERIFY(messaggi.mostrati.isEmpty());
    }

    void caricamento()
    {
        MessaggiScriptati messaggi;
        Globali::CategoriaCorrente = QStringLiteral("nomi"); // resolved without regard to case
        Globali::UltimoEsercizio = 31;
        FinestraEsercizi f;
        QAction* voce = f.findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(2);
        QBENCHMARK {
            voce->trigger();
        }
        QVERIFY(messaggi.mostrati.isEmpty());
    }

private:
    CartellaProva m_cartella;
};

QTEST_MAIN(TestContenutoDistribuito)
#include "tst_contenuto_distribuito.moc"
