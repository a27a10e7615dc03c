// How long loading a bundled exercise into the real exercise window takes
// (every bundled exercise is loaded and played by the content checker), and
// how loading and checking grow with the length of a text, up to the size
// limit of a content file.
#include "ProveRisposte.h"

#include "checker/Verifica.h"
#include "content/LettoreCampi.h"
#include "windows/FinestraAiuto.h"

namespace {
// A text of about n characters in at most 30000 different words of seven
// letters or more (so that a kind-2 answer can count them all).
QString TestoLungo(int caratteri, int& parole)
{
    parole = qMin(caratteri / 8, 30000);
    const int lunghezza = caratteri / parole - 1;
    QString t;
    t.reserve(caratteri);
    for (int k = 0; k < parole; ++k)
        t += QStringLiteral("p%1").arg(k, 6, 10, QLatin1Char('0')).leftJustified(lunghezza, QLatin1Char('a')) + QLatin1Char(' ');
    return t;
}
} // namespace

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

    // An item shown in the exercise window, a help page line shown with its
    // words marked, a kind-2 item checked and played by the checker, and a
    // long choice list checked.
    void testoLungo_data()
    {
        QTest::addColumn<QString>("cosa");
        QTest::addColumn<int>("caratteri");
        for (const char* cosa : {"esercizio", "aiuto", "verifica tipo 2", "verifica elenco"})
            for (int caratteri : {8000, 64000, 256000, 1000000})
                QTest::addRow("%s, %d caratteri", cosa, caratteri) << QString::fromLatin1(cosa) << caratteri;
    }

    void testoLungo()
    {
        QFETCH(QString, cosa);
        QFETCH(int, caratteri);
        MessaggiScriptati messaggi;
        PreparaCategoriaProve();
        int parole = 0;
        if (cosa == "esercizio") {
            const QString frase = TestoLungo(caratteri, parole) + "gatto.";
            m_cartella.Scrivi("Esercizi/Prove/ESERCIZIO 00.txt", FileEsercizio(1, {}, {{frase, "gatto", ""}, {"Il gatto.", "gatto", ""}}));
            FinestraEsercizi f;
            f.show();
            QBENCHMARK {
                f.findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(0)->trigger();
                f.grab();
            }
            QCOMPARE(f.Motore().Frase(0), frase);
        } else if (cosa == "aiuto") {
            Globali::FileHelp = m_cartella.Percorso() + "/Help/Prove/help 00.txt";
            m_cartella.Scrivi("Help/Prove/help 00.txt", "\"Titolo\"\r\n\"p000010\"\r\n\"p000020\"\r\n\"p000030\"\r\n\""
                                                            + TestoLungo(caratteri, parole) + "\"\r\n\"Esempi: x\"\r\n");
            QBENCHMARK {
                FinestraAiuto a;
                a.show();
                a.grab();
            }
        } else {
            // Kind 2: half the file is the sentence, half the key. A list: up to 32767 entries.
            const QString frase = TestoLungo(caratteri / 2, parole);
            int voci = 0;
            const QStringList scelte = TestoLungo(qMin(caratteri, 32767 * 8), voci).split(' ', Qt::SkipEmptyParts);
            const QByteArray file = CodificaWindows1252(cosa.endsWith('2') ? FileEsercizio(2, {}, {{frase, QString::number(parole), frase}, {"Il gatto e il cane.", "2", "gatto cane"}})
                                                                           : FileEsercizio(3, scelte, {{"Il cane abbaia.", scelte.last(), "cane"}}));
            QList<Problema> problemi;
            QBENCHMARK {
                problemi = VerificaEsercizioDa("ESERCIZIO 00.txt", file);
            }
            // The list row answers with the same entry throughout, a pattern reported as a warning.
            QVERIFY(std::all_of(problemi.begin(), problemi.end(), [](const Problema& p) { return p.avviso; }));
        }
        QVERIFY(messaggi.mostrati.isEmpty());
    }

private:
    CartellaProva m_cartella;
};

QTEST_MAIN(TestContenutoDistribuito)
#include "tst_contenuto_distribuito.moc"
