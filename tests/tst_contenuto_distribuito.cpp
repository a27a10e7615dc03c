// The bundled content as the program reads it: every index, every exercise.
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Indice.h"
#include "content/Percorsi.h"
#include "windows/FinestraEsercizi.h"
#include "platform/CasellaTesto.h"

#include <QDir>
#include <QtTest>

class TestContenutoDistribuito : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void indici_data();
    void indici();
    void esercizi_data();
    void esercizi();
    void caricamentoVeloce();

private:
    CartellaProva* m_cartella = nullptr;
};

void TestContenutoDistribuito::initTestCase()
{
    m_cartella = new CartellaProva;
    m_cartella->CopiaDatiDistribuiti();
    QVERIFY(m_cartella->Esiste(QStringLiteral("Indice")));
}

void TestContenutoDistribuito::indici_data()
{
    QTest::addColumn<int>("categoria");
    for (int i = 0; i < NumeroCategorie; ++i)
        QTest::newRow(DatiCategoria(i).cartella) << i;
}

void TestContenutoDistribuito::indici()
{
    QFETCH(int, categoria);
    ImpostaCartellaApplicazione(m_cartella->Percorso());
    Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(categoria).cartella);
    const int n = DatiCategoria(categoria).ultimoEsercizio + 1;
    QVector<QString> titoli(n), testi(n);
    QVERIFY(LeggiFileIndice(PercorsoIndice(), titoli, testi));
    for (int i = 0; i < n; ++i) {
        QVERIFY2(!titoli[i].isEmpty(), qPrintable(QStringLiteral("titolo %1").arg(i + 1)));
        QVERIFY2(!testi[i].isEmpty(), qPrintable(QStringLiteral("istruzione %1").arg(i + 1)));
    }
    QVERIFY(LeggiFileIndice(PercorsoIndiceScritto(), titoli, testi));
}

void TestContenutoDistribuito::esercizi_data()
{
    QTest::addColumn<int>("categoria");
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString cartella = QString::fromUtf8(DatiCategoria(i).cartella);
        if (QDir(qEnvironmentVariable("ZELORA_SOURCE_DATA") + QStringLiteral("/Esercizi/") + cartella).exists())
            QTest::newRow(DatiCategoria(i).cartella) << i;
    }
}

void TestContenutoDistribuito::esercizi()
{
    QFETCH(int, categoria);
    ImpostaCartellaApplicazione(m_cartella->Percorso());
    MessaggiScriptati messaggi;
    Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(categoria).cartella);
    NumeroMassimoEsercizi(categoria);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    Globali::TestoIndice = QVector<QString>(n);
    Globali::TitoloScritto = QVector<QString>(n);
    Globali::TestoScritto = QVector<QString>(n);
    FinestraEsercizi f;
    f.setAttribute(Qt::WA_DeleteOnClose, false);
    for (int e = 0; e < n; ++e) {
        f.CaricaEsercizio(e);
        QVERIFY2(messaggi.mostrati.isEmpty(),
                 qPrintable(QStringLiteral("%1 esercizio %2 non si carica").arg(Globali::CategoriaCorrente).arg(e)));
        QVERIFY(!f.Testo[13]->isHidden());
        QVERIFY(FileExist(Globali::FileHelp));
    }
}

void TestContenutoDistribuito::caricamentoVeloce()
{
    ImpostaCartellaApplicazione(m_cartella->Percorso());
    MessaggiScriptati messaggi;
    Globali::CategoriaCorrente = QStringLiteral("nomi"); // resolved without regard to case
    Globali::UltimoEsercizio = 31;
    FinestraEsercizi f;
    f.setAttribute(Qt::WA_DeleteOnClose, false);
    QBENCHMARK {
        f.CaricaEsercizio(2);
    }
    QVERIFY(messaggi.mostrati.isEmpty());
}

QTEST_MAIN(TestContenutoDistribuito)
#include "tst_contenuto_distribuito.moc"
