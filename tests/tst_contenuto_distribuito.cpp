// How long loading a bundled exercise into the real exercise window takes
// (every bundled exercise is loaded and played by the content checker).
#include "ProveRisposte.h"


class TestContenutoDistribuito : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_cartella.CopiaDatiDistribuiti(); }

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
