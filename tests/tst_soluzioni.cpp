// Solutions toggle and leaving the exercise window.
#include "ProveRisposte.h"

#include "app/MenuPrincipale.h"

#include <QPointer>
#include <QSignalSpy>

namespace {
QString File(int tipo)
{
    QString s = QString::number(tipo) + QStringLiteral("\r\n0\r\n");
    for (int i = 0; i < 14; ++i)
        s += QStringLiteral("\"Il cane %1 corre.\",\"cane\",\"Il cane %1 corre: soluzione.\"\r\n").arg(i + 1);
    return s;
}

bool TuttoDelColore(CasellaTesto* c, const QColor& colore)
{
    for (int p = 0; p < c->Testo().size(); ++p)
        if (c->ColoreCarattere(p) != colore)
            return false;
    return true;
}

const QString Domanda = QStringLiteral("Vuoi tornare al menu generale?");
} // namespace

class TestSoluzioni : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        a = std::make_unique<Ambiente>();
        Globali::CategoriaCorrente = QStringLiteral("Nomi");
        Globali::UltimoEsercizio = 1;
        Globali::TitoloIndice = {QStringLiteral("Uno"), QStringLiteral("Due")};
        Globali::TestoIndice = Globali::TitoloScritto = Globali::TestoScritto = Globali::TitoloIndice;
        Globali::EsercizioFatto = {false, false};
        Globali::Giudizio = {QString(), QString()};
        f = new FinestraEsercizi;
        f->setWindowTitle(QStringLiteral("Zelora: Nomi"));
        f->AvvisoMostrato = true; // no record prompt on activation
    }

    void cleanup()
    {
        delete f;
        a.reset();
    }

    void vocePerTipo_data()
    {
        QTest::addColumn<int>("tipo");
        for (int tipo : {10, 40, 41, 54})
            QTest::newRow(qPrintable(QString::number(tipo))) << tipo;
    }

    void vocePerTipo()
    {
        QFETCH(int, tipo);
        Carica(tipo);
        QCOMPARE(f->mnusoluzioni->isVisible(), tipo >= 41);
    }

    void soluzioniERitorno()
    {
        Carica(41);
        f->ProceduraRispostaEsatta(0);
        f->SelezionaRiga(2);
        for (int i = 0; i < 3; ++i)
            f->ContaErrore();

        f->mnusoluzioni->trigger();
        QCOMPARE(FinestraEsercizi::Caption(f->mnusoluzioni), QStringLiteral("   TORNA ALL'ESERCIZIO"));
        for (int i = 0; i < 14; ++i) {
            CasellaTesto* c = f->Testo[i];
            QCOMPARE(c->Testo(), QStringLiteral("Il cane %1 corre: soluzione.\r\n").arg(i + 1));
            QVERIFY(TuttoDelColore(c, QColor(80, 80, 80)));
            QVERIFY(!c->Ingresso() && !c->isHidden());
        }
        // Labels, error count and selection stay as they were.
        QCOMPARE(QPoint(f->NumeroErrori, f->RigaCorrente), QPoint(3, 2));
        QCOMPARE(f->lblrisposta[0]->BackColor(), FinestraEsercizi::Verde);
        QCOMPARE(f->lblrisposta[2]->BackColor(), FinestraEsercizi::Giallo);

        // Back to the exercise: a fresh run.
        f->mnusoluzioni->trigger();
        QCOMPARE(FinestraEsercizi::Caption(f->mnusoluzioni), QStringLiteral("   SOLUZIONI"));
        QCOMPARE(QList<int>({f->NumeroErrori, f->RigheCompletate, f->RigaCorrente}), QList<int>({0, 0, 100}));
        QCOMPARE(FinestraEsercizi::Caption(f->mnuerrori), QStringLiteral("   ERRORI : 0"));
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(f->Testo[i]->Testo(), QStringLiteral("Il cane %1 corre.\r\n").arg(i + 1));
            QVERIFY(TuttoDelColore(f->Testo[i], FinestraEsercizi::Nero));
            QVERIFY(f->Testo[i]->Ingresso());
            QCOMPARE(f->lblrisposta[i]->BackColor(), FinestraEsercizi::Grigio);
        }
        QVERIFY(a->messaggi.mostrati.isEmpty());
    }

    void uscita_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("daMenu");
        QTest::newRow("no") << false << "" << false;
        QTest::newRow("no con scheda") << false << "Anonimo" << true;
        QTest::newRow("sì") << true << "" << true;
        QTest::newRow("sì con scheda") << true << "Anonimo" << false;
    }

    void uscita()
    {
        QFETCH(bool, si);
        QFETCH(QString, nome);
        QFETCH(bool, daMenu);
        Globali::NomeAlunno = nome;
        f->show();
        Carica(41);
        f->SelezionaRiga(3);
        f->ContaErrore();
        a->messaggi.mostrati.clear();
        QSignalSpy ritorno(f.data(), &FinestraEsercizi::ritornoAlMenu);

        a->messaggi.Rispondi(si ? Risposta::Si : Risposta::No);
        if (daMenu)
            f->mnuexit->trigger();
        else
            f->close();
        // The reminder only after Sì, and only when a record is open.
        QStringList attesi{Domanda};
        if (si && !nome.isEmpty())
            attesi << "Ricorda che i tuoi dati sono nella scheda 'Anonimo'";
        QCOMPARE(a->messaggi.Testi(), attesi);
        QVERIFY(a->messaggi.mostrati[0].icona == Icona::Domanda && a->messaggi.mostrati[0].pulsanti == Pulsanti::SiNo);
        for (const Messaggio& m : a->messaggi.mostrati)
            QCOMPARE(m.titolo, QStringLiteral("Nomi"));
        QVERIFY(attesi.size() == 1 || a->messaggi.mostrati[1].icona == Icona::Informazione);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(ritorno.size(), si ? 1 : 0);
        if (si) {
            QVERIFY(!f); // the window is gone with everything it held
            QCOMPARE(Globali::TitoloIndice.size(), 2);
        } else {
            QVERIFY(f && f->isVisible());
            QCOMPARE(QPoint(f->NumeroErrori, f->RigaCorrente), QPoint(1, 3));
            QCOMPARE(f->lblrisposta[3]->BackColor(), FinestraEsercizi::Giallo);
            QCOMPARE(f->Testo[0]->Testo(), QStringLiteral("Il cane 1 corre.\r\n"));
        }
    }

    void ritornoAlMenuGenerale()
    {
        a->cartella.CopiaDatiDistribuiti();
        MenuPrincipale menu;
        menu.show();
        menu.ScegliCategoria(0);
        QPointer<FinestraEsercizi> prima = menu.Esercizi();
        QVERIFY(prima && prima->isVisible() && menu.isHidden());
        prima->AvvisoMostrato = true;
        a->messaggi.mostrati.clear();

        prima->close();
        QCOMPARE(a->messaggi.Testi(), QStringList{Domanda});
        QVERIFY(menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!prima && !menu.Esercizi());

        // The next category gets a window built afresh.
        menu.ScegliCategoria(1);
        QVERIFY(menu.Esercizi() && menu.Esercizi()->isVisible());
        QCOMPARE(menu.Esercizi()->windowTitle(), QStringLiteral("Zelora: Nomi"));
        QCOMPARE(menu.Esercizi()->RigaCorrente, qint16(100));
        menu.Esercizi()->AvvisoMostrato = true;
        menu.Esercizi()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    void Carica(int tipo)
    {
        a->cartella.Scrivi(QStringLiteral("Esercizi/Nomi/ESERCIZIO 01.txt"), File(tipo));
        f->CaricaEsercizio(1);
    }
    std::unique_ptr<Ambiente> a;
    QPointer<FinestraEsercizi> f;
};

QTEST_MAIN(TestSoluzioni)
#include "tst_soluzioni.moc"
