// The exercise window as the pupil meets it, answering with real mouse events.
#include "ProveRisposte.h"

#include <QtWidgets>

#include <sys/stat.h>

namespace {
const QStringList Abc = {"nome", "verbo", "articolo"};
const QString Cane = QStringLiteral("Il cane abbaia.");

// The background colour on screen of a number label, and its caption.
QString Sfondo(EtichettaNumero* e)
{
    return e->grab().toImage().pixelColor(1, 1).name() + QLatin1Char(' ') + e->text().trimmed();
}
} // namespace

class TestFinestraEsercizi : public QObject {
    Q_OBJECT
private slots:
    // Before any exercise: the entries' states, the menu order, the layout.
    void statoIniziale()
    {
        Ambiente a;
        PreparaCategoriaProve(23);
        FinestraEsercizi f;
        QVERIFY(f.size() == QSize(800, 600) && f.windowTitle() == "Prove");
        // Enabled and visible before any record or exercise.
        QString stati;
        for (const char* nome : {"voceApri", "voceCrea", "voceVisualizza", "voceIndice", "voceStampaEsercizio",
                                 "voceAiuto", "voceSoluzioni", "voceEsci", "voceErrori"}) {
            const QAction* voce = f.findChild<QAction*>(nome);
            stati += QStringLiteral("%1%2 ").arg(int(voce->isEnabled())).arg(int(voce->isVisible()));
        }
        QCOMPARE(stati, "11 11 01 11 11 01 00 11 00 ");
        QStringList titoli;
        for (QAction* m : f.menuBar()->actions())
            titoli << (m->menu() ? m->text() : FinestraEsercizi::Caption(m));
        QCOMPARE(titoli, (QStringList{"SCHEDA PERSONALE", "INDICE DEGLI ESERCIZI", "SCEGLI UN ESERCIZIO", "STAMPA",
                                       "   HELP", "   SOLUZIONI", "   ESCI", "   ERRORI: 0"}));
        const QList<QAction*> esercizi = f.findChildren<QAction*>(QStringLiteral("voceEsercizio"));
        QVERIFY(esercizi.size() == 36 && FinestraEsercizi::Caption(esercizi[3]) == "4");
        QVERIFY(esercizi[3]->isVisible() && !esercizi[4]->isVisible());
        QVERIFY(!f.findChild<QMenu*>(QStringLiteral("menuEsercizi"))->menuAction()->isEnabled());
        QVERIFY(f.findChild<EtichettaNumero*>(QStringLiteral("numero0"))->isHidden() && f.findChild<QListWidget*>()->isHidden());
        // At the bottom, what the foot of the printed sheets names.
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("indirizzo"))->text() + " progetti e risorse per l'uso attivo del computer a scuola.", Piede());
    }

    void rispostaDallElenco()
    {
        FinestraProva p;
        p.Apri(4, {{Cane, "nome", "cane"}}, {"nome", "verbo", "nome"});
        QVERIFY(p.Elenco()->isVisible() && p.Elenco()->font().pointSize() == 16);
        QCOMPARE(p.f->frameGeometry().size(), QSize(800, 600)); // frame included
        // What screen readers read of item 2's box and label and of the list, as the item changes.
        const auto letto = [](QObject* o) { auto* a = QAccessible::queryAccessibleInterface(o); return a->text(QAccessible::Name) + ": " + a->text(QAccessible::Description); };
        QCOMPARE(letto(p.Casella(1)) + " | " + letto(p.Numero(1)) + " | " + letto(p.Elenco()), "Frase 2: da fare | Frase 2: da fare | Scelte: ");
        // The label's press action selects the item as a click does.
        QAccessible::queryAccessibleInterface(p.Numero(1))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(Sfondo(p.Numero(1)), QStringLiteral("#ffff00 2"));
        p.messaggi.mostrati.clear(); // the window's first activation prompted for a record
        QCOMPARE(letto(p.Casella(1)), "Frase 2: selezionata");
        auto* cornice = p.f->findChild<QFrame*>(QStringLiteral("cornice"));
        // The frame shows around the white box.
        QCOMPARE(p.f->centralWidget()->grab().toImage().pixelColor(p.Casella(1)->geometry().topLeft() + QPoint(20, -2)), QColor(0, 0, 128));
        QVERIFY(p.Scegli("verbo"));
        QCOMPARE(Sfondo(p.Numero(1)), QStringLiteral("#ff0000 2"));
        QVERIFY(p.Voce("voceErrori")->isVisible() && FinestraEsercizi::Caption(p.Voce("voceErrori")) == "   ERRORI : 1");
        QCOMPARE(letto(p.Numero(1)), "Frase 2: risposta sbagliata");
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
        p.Seleziona(1);
        QVERIFY(p.Scegli("nome"));
        QCOMPARE(p.Casella(1)->Testo(), QStringLiteral("Il cane abbaia. [nome]"));
        QCOMPARE(Sfondo(p.Numero(1)), QStringLiteral("#00ff00 ok"));
        QCOMPARE(letto(p.Casella(1)), "Frase 2: risolta");
        QCOMPARE(p.Elenco()->count(), 2);
        // The finished box ignores the pointer; the list choice needs an item.
        QTest::mouseClick(p.Casella(1)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!cornice->isVisible() && p.Scegli("verbo"));
        QCOMPARE(p.messaggi.Testi(), QStringList{"Clicca prima un riquadro dell'esercizio."});
        // No entry clicked looks chosen in the exercise loaded next.
        p.Voce("voceEsercizio")->trigger();
        QVERIFY(p.Scegli("verbo"));
        p.Voce("voceEsercizio")->trigger();
        QVERIFY(p.Elenco()->selectedItems().isEmpty() && !p.Elenco()->hasFocus());
    }

    void rispostaColMouse()
    {
        FinestraProva p;
        p.Apri(1, {{Cane, "cane", ""}});
        QVERIFY(p.DoppioClic(6, "abbaia"));
        QCOMPARE(Colori(p.Casella(6)->Modello()), Tratti("n8 r6 n3"));
        QCOMPARE(Sfondo(p.Numero(6)), QStringLiteral("#ffff00 7"));
        QVERIFY(p.DoppioClic(6, "cane"));
        QCOMPARE(Colori(p.Casella(6)->Modello()), Tratti("n3 b4 n10"));
        QCOMPARE(Sfondo(p.Numero(6)), QStringLiteral("#00ff00 ok"));
        QCOMPARE(p.suoni.suonati, QStringList{"wrong.wav"});
        // A double-click in a list kind leaves no word selected.
        FinestraProva q;
        q.Apri(3, {{Cane, "nome", "cane"}}, Abc);
        QVERIFY(q.DoppioClic(0, "abbaia"));
        QCOMPARE(QPoint(q.Casella(0)->SelStart(), q.Casella(0)->SelLength()), QPoint());
        QVERIFY(q.Trascina(0, "cane abbaia") && !q.Casella(0)->textCursor().hasSelection()); // nor does a drag
        QVERIFY(!q.Voce("voceErrori")->isVisible());
        // Kind 2: a screen reader reads the count of words still to find that the label shows.
        FinestraProva r;
        r.Apri(2, {{Cane, "2", "cane abbaia"}});
        QVERIFY(r.DoppioClic(0, "cane"));
        QCOMPARE(r.Casella(0)->accessibleDescription(), "selezionata, parole da trovare: 1");
        // A drag, either way.
        FinestraProva t;
        t.Apri(44, {{"Mario corre nel parco.", "nel parco", "Mario corre nel parco."}});
        QVERIFY(t.Trascina(8, "corre"));
        QCOMPARE(t.suoni.suonati, QStringList{"wrong.wav"});
        QVERIFY(t.Trascina(8, "nel parco", true));
        QCOMPARE(Colori(t.Casella(8)->Modello()), Tratti("n12 b9 n1"));
        QCOMPARE(Sfondo(t.Numero(8)), QStringLiteral("#00ff00 ok"));
    }

    void promptECaricamento()
    {
        FinestraProva p;
        p.Apri(10, {{Cane, "nome", Cane}}, Abc);
        auto* consegna = p.f->findChild<QLabel*>(QStringLiteral("consegna"));
        QCOMPARE(consegna->text(), QStringLiteral("Rispondi."));
        auto* titolo = p.f->findChild<QLabel*>(QStringLiteral("titolo"));
        QCOMPARE(titolo->text(), QStringLiteral("PROVE  -  Prova"));
        // The title in navy blue, the instructions in dark red.
        QCOMPARE(titolo->palette().color(QPalette::WindowText).name() + consegna->palette().color(QPalette::WindowText).name(), "#000080#800000");
        QCOMPARE(Globali::FileHelp, p.cartella.Percorso() + QStringLiteral("/Help/Prove/help 00.txt"));
        // Help and index open over the window.
        p.Voce("voceAiuto")->trigger();
        p.Voce("voceIndice")->trigger();
        QCOMPARE(p.modali.aperte, (QStringList{"FinestraAiuto", "FinestraIndice"}));
        p.messaggi.mostrati.clear();
        // A file that ends early: the message, an empty screen, the prompt blinks.
        p.cartella.Scrivi(QStringLiteral("Esercizi/Prove/ESERCIZIO 00.txt"), QStringLiteral("10\r\n0\r\n\"a\",\"b\"\r\n"));
        p.Voce("voceEsercizio")->trigger();
        QCOMPARE(p.messaggi.Testi(), QStringList{"Si è verificato un errore, questo esercizio non è disponibile.\r\n"
                                                 "E' necessario reinstallare il programma."});
        QVERIFY(!p.Casella(0)->isVisible() && !p.Elenco()->isVisible() && !p.Voce("voceAiuto")->isEnabled());
        QVERIFY(consegna->text().isEmpty());
        QTRY_COMPARE(consegna->text(), QStringLiteral("Scegli un esercizio nel menu qui sopra"));
        QTRY_VERIFY(consegna->text().isEmpty());
        // A FIFO in its place (opening it would wait for a writer): the same message, at once.
        const QString esercizio = p.cartella.Percorso() + QStringLiteral("/Esercizi/Prove/ESERCIZIO 00.txt");
        QVERIFY(QFile::remove(esercizio) && mkfifo(QFile::encodeName(esercizio).constData(), 0644) == 0);
        p.Voce("voceEsercizio")->trigger();
        QCOMPARE(p.messaggi.Testi().size(), 2);
        QCOMPARE(p.messaggi.Testi().at(1), p.messaggi.Testi().at(0));
    }

    void soluzioni()
    {
        FinestraProva p;
        p.Apri(41, {{"Il cane corre.", "cane", "Il cane corre: soluzione."}});
        QAction* soluzioni = p.Voce("voceSoluzioni");
        for (int errore = 0; errore < 10; ++errore)
            QVERIFY(soluzioni->isVisible() && p.DoppioClic(0, "corre"));
        soluzioni->trigger();
        QCOMPARE(FinestraEsercizi::Caption(soluzioni), QStringLiteral("   TORNA ALL'ESERCIZIO"));
        // The error count in view on the bar, not behind ">>".
        QVERIFY(p.f->menuBar()->rect().contains(p.f->menuBar()->actionGeometry(p.Voce("voceErrori"))) && p.f->menuBar()->findChild<QToolButton*>()->isHidden());
        QVERIFY(p.Casella(4)->Testo() == QStringLiteral("Il cane corre: soluzione.\r\n") && !p.Casella(4)->Ingresso());
        // Back to the exercise: a fresh run from the file.
        soluzioni->trigger();
        QCOMPARE(FinestraEsercizi::Caption(soluzioni), QStringLiteral("   SOLUZIONI"));
        QCOMPARE(p.Casella(0)->Testo(), QStringLiteral("Il cane corre.\r\n"));
        QVERIFY(FinestraEsercizi::Caption(p.Voce("voceErrori")) == "   ERRORI : 0" && !p.Voce("voceErrori")->isVisible() && p.Casella(0)->Ingresso());
    }

    void avvisoEUscita()
    {
        Ambiente a;
        PreparaCategoriaProve();
        auto* f = new FinestraEsercizi;
        QSignalSpy ritorno(f, &FinestraEsercizi::ritornoAlMenu);
        f->show();
        f->activateWindow();
        QTRY_VERIFY(!a.messaggi.mostrati.isEmpty());
        QTest::qWait(50);
        f->activateWindow();
        QTest::qWait(50);
        // The prompt once per opening.
        QCOMPARE(a.messaggi.Testi(), QStringList{"Apri la tua scheda personale oppure crea una nuova scheda."});
        QCOMPARE(a.messaggi.mostrati.first().titolo, QStringLiteral("Prove"));
        a.messaggi.mostrati.clear();
        // No keeps the window; Yes reminds the pupil of the record and goes back.
        a.messaggi.Rispondi(Risposta::No);
        QAction* esci = f->findChild<QAction*>(QStringLiteral("voceEsci"));
        esci->trigger();
        QVERIFY(f->isVisible() && ritorno.isEmpty());
        Globali::NomeAlunno = QStringLiteral("Anonimo");
        QPointer<FinestraEsercizi> viva(f);
        esci->trigger();
        QCOMPARE(a.messaggi.Testi(), (QStringList{"Vuoi tornare al menu generale?", "Vuoi tornare al menu generale?",
                                                  "Ricorda che i tuoi dati sono nella scheda 'Anonimo'"}));
        QCOMPARE(ritorno.size(), 1);
        QTRY_VERIFY(viva.isNull());
    }
};

QTEST_MAIN(TestFinestraEsercizi)
#include "tst_finestra_esercizi.moc"
