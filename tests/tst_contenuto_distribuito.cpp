// The bundled exercises as the window shows them, and how loading and checking
// grow with the length of a text, up to the size limit of a content file.
#include "ProveFinestre.h"
#include "ProveRisposte.h"

#include "checker/Verifica.h"
#include "content/Catalogo.h"
#include "content/LettoreCampi.h"
#include "windows/FinestraAiuto.h"

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

    // Showing an item or a help page with its words marked; checking a kind-2 item or a long list.
    void testoLungo_data()
    {
        QTest::addColumn<QString>("cosa");
        QTest::addColumn<int>("caratteri");
        for (const char* cosa : {"esercizio", "aiuto", "tipo 2", "elenco"})
            for (int caratteri : {8000, 64000, 256000, 1000000})
                QTest::addRow("%s, %d caratteri", cosa, caratteri) << QString::fromLatin1(cosa) << caratteri;
    }

    void testoLungo()
    {
        QFETCH(QString, cosa);
        QFETCH(int, caratteri);
        MessaggiScriptati messaggi;
        PreparaCategoriaProve();
        // About that many characters (kind 2: half, for the sentence and a key as long) in at most
        // 30000 different words of 7+ letters, which a kind-2 answer counts.
        const int lunghezzaTesto = cosa == "tipo 2" ? caratteri / 2 : caratteri;
        const int parole = qMin(lunghezzaTesto / 8, 30000);
        QString t;
        for (int k = 0; k < parole; ++k)
            t += QStringLiteral("p%1").arg(k, 6, 10, QLatin1Char('0')).leftJustified(lunghezzaTesto / parole - 1, QLatin1Char('a')) + ' ';
        QString file = FileEsercizio(1, {}, {{t + "gatto.", "gatto", ""}, {"Il gatto.", "gatto", ""}});
        if (cosa == "tipo 2")
            file = FileEsercizio(2, {}, {{t, QString::number(parole), t}, {"Il gatto e il cane.", "2", "gatto cane"}});
        else if (cosa == "elenco")
            file = FileEsercizio(3, t.split(' ', Qt::SkipEmptyParts), {{"Il cane abbaia.", t.section(' ', 0, 0), "cane"}});
        m_cartella.Scrivi("Esercizi/Prove/ESERCIZIO 00.txt", file);
        m_cartella.Scrivi("Help/Prove/help 00.txt", "\"Titolo\"\r\n\"p000010\"\r\n\"p000020\"\r\n\"p000030\"\r\n\"" + t + "\"\r\n\"Esempi: x\"\r\n");
        Globali::FileHelp = m_cartella.Percorso() + "/Help/Prove/help 00.txt";
        FinestraEsercizi f;
        f.show();
        QList<Problema> problemi;
        QBENCHMARK {
            if (cosa == "esercizio") {
                f.findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(0)->trigger();
                f.grab();
            } else if (cosa == "aiuto") {
                FinestraAiuto a;
                a.show();
                a.grab();
            } else {
                problemi = VerificaEsercizioDa("ESERCIZIO 00.txt", CodificaWindows1252(file));
            }
        }
        // The list answers with the same entry throughout: only the warning of a pattern.
        QVERIFY(messaggi.mostrati.isEmpty() && problemi.size() == (cosa == "elenco" ? 1 : 0));
        QVERIFY(cosa != "esercizio" || f.Motore().RigheVisibili());
    }

private:
    CartellaProva m_cartella;
};

QTEST_MAIN(TestContenutoDistribuito)
#include "tst_contenuto_distribuito.moc"
