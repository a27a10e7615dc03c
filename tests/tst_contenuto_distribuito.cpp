// The bundled content in the real exercise window: every exercise of every
// category loads from its menu entry, and how long one load takes.
#include "ProveRisposte.h"

#include "content/Catalogo.h"
#include "content/Indice.h"
#include "content/Percorsi.h"

class TestContenutoDistribuito : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_cartella.CopiaDatiDistribuiti(); }

    void esercizi_data()
    {
        QTest::addColumn<int>("categoria");
        for (int i = 0; i < NumeroCategorie; ++i)
            QTest::newRow(DatiCategoria(i).cartella) << i;
    }

    void esercizi()
    {
        QFETCH(int, categoria);
        MessaggiScriptati messaggi;
        Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(categoria).cartella);
        NumeroMassimoEsercizi(categoria);
        const int n = Globali::UltimoEsercizio + 1;
        Globali::TitoloIndice = Globali::TestoIndice = QVector<QString>(n);
        QVERIFY(LeggiFileIndice(PercorsoIndice(), Globali::TitoloIndice, Globali::TestoIndice));
        FinestraEsercizi f;
        const QList<QAction*> voci = f.findChildren<QAction*>(QStringLiteral("voceEsercizio"));
        for (int e = 0; e < n; ++e) {
            voci.at(e)->trigger();
            QVERIFY2(messaggi.mostrati.isEmpty() && f.Motore().RigheVisibili(),
                     qPrintable(QStringLiteral("%1 esercizio %2 non si carica").arg(Globali::CategoriaCorrente).arg(e)));
            QVERIFY(FileExist(Globali::FileHelp));
        }
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
