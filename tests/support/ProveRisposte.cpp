#include "ProveRisposte.h"

#include "windows/FinestraPagina.h"

void PreparaCategoriaProve(int esercizi, const QString& categoria)
{
    Globali::CategoriaCorrente = categoria;
    Globali::EstensioneScheda = QStringLiteral("Zlr01");
    Globali::UltimoEsercizio = qint16(esercizi - 1);
    Globali::TitoloIndice = Globali::TitoloScritto = QVector<QString>(esercizi, QStringLiteral("Prova"));
    Globali::TestoIndice = Globali::TestoScritto = QVector<QString>(esercizi, QStringLiteral("Rispondi."));
    Globali::EsercizioFatto = QVector<bool>(esercizi, false);
    Globali::Giudizio = QVector<QString>(esercizi);
}

void FinestraProva::Apri(int tipo, const QList<::Voce>& voci, const QStringList& scelte)
{
    PreparaCategoriaProve();
    cartella.Scrivi(QStringLiteral("Esercizi/Prove/ESERCIZIO 00.txt"), FileEsercizio(tipo, scelte, voci));
    f = std::make_unique<FinestraEsercizi>();
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->findChildren<QAction*>(QStringLiteral("voceEsercizio")).at(0)->trigger();
    QVERIFY(Casella(0)->isVisible());
    messaggi.mostrati.clear();
}

bool FinestraProva::Scegli(const QString& voce)
{
    const QList<QListWidgetItem*> trovate = Elenco()->findItems(voce, Qt::MatchExactly);
    if (trovate.isEmpty() || !Elenco()->isVisible())
        return false;
    Elenco()->scrollToItem(trovate.first());
    QTest::mouseClick(Elenco()->viewport(), Qt::LeftButton, {}, Elenco()->visualItemRect(trovate.first()).center());
    return true;
}

bool FinestraProva::DoppioClic(int i, const QString& parola, int occorrenza)
{
    CasellaTesto* c = Casella(i);
    int p = -1;
    for (int k = 0; k <= occorrenza; ++k)
        p = int(c->Testo().indexOf(parola, p + 1));
    // The right edge of the last letter, where a nearest-gap rule takes the next character.
    const QRect ultima = c->RettangoloCarattere(p + int(parola.size()) - 1);
    const QPoint punto(ultima.right(), ultima.center().y());
    if (p < 0 || c->PosizioneInPunto(punto) != p + parola.size() - 1)
        return false;
    // What the system sends for a double-click: press, release, double-click, release.
    QTest::mousePress(c->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, punto);
    return true;
}

bool FinestraProva::Trascina(int i, const QString& tratto, bool alContrario)
{
    CasellaTesto* c = Casella(i);
    const int da = int(c->Testo().indexOf(tratto)), a = da + int(tratto.size()) - 1;
    // The inner edges of the first and last letters, which a nearest-gap rule leaves out.
    const QRect primo = c->RettangoloCarattere(qMax(da, 0)), ultimo = c->RettangoloCarattere(qMax(a, 0));
    QPoint inizio(primo.right(), primo.center().y()), fine(ultimo.left(), ultimo.center().y());
    if (da < 0 || c->PosizioneInPunto(inizio) != da || c->PosizioneInPunto(fine) != a)
        return false;
    if (alContrario)
        std::swap(inizio, fine);
    QTest::mousePress(c->viewport(), Qt::LeftButton, {}, inizio);
    QTest::mouseMove(c->viewport(), (inizio + fine) / 2);
    QTest::mouseMove(c->viewport(), fine);
    QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, fine);
    return true;
}

QString Piede()
{
    // Without an address set at build time, the program's name and version.
    const QString indirizzo = QStringLiteral(ZELORA_INDIRIZZO_WEB);
    return (indirizzo.isEmpty() ? QStringLiteral("Zelora " ZELORA_VERSIONE) : indirizzo)
        + QStringLiteral(" progetti e risorse per l'uso attivo del computer a scuola.");
}

void VerificaPiede(const Stampato& s)
{
    QCOMPARE(s.testo, Piede());
    QCOMPARE(QList<double>({s.x, s.y, s.dimensione}), QList<double>({1.0, StampanteRegistrata::AltezzaPagina() - 6, 8.0}));
}

void VerificaErroreStampa(const MessaggiScriptati& m, const StampanteRegistrata& r, const QString& titolo)
{
    QCOMPARE(m.mostrati.size(), 2);
    QVERIFY(m.mostrati[0].icona == Icona::Domanda && m.mostrati[0].pulsanti == Pulsanti::SiNo);
    QVERIFY(m.mostrati[1].icona == Icona::Critico && m.mostrati[1].pulsanti == Pulsanti::OK && m.mostrati[1].titolo == titolo);
    QCOMPARE(m.mostrati[1].testo, QStringLiteral("Si è verificato un errore, la stampa non è possibile.\r\n"
                                                 "Verificare che la stampante sia in funzione."));
    QCOMPARE(r.documenti, 0);
}

void VerificaPulsanti(FinestraPagina& w, QAction* esci, Ambiente& a, const QString& domanda)
{
    StampanteRegistrata registro;
    w.show();
    a.messaggi.Rispondi(Risposta::No);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("pulsanteStampa")), Qt::LeftButton);
    QCOMPARE(a.messaggi.Testi(), QStringList{domanda});
    QVERIFY(registro.stampati.isEmpty() && w.isVisible());
    esci->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(a.suoni.suonati, QStringList{"press.wav"});
    w.show();
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("pulsanteOk")), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(a.suoni.suonati, (QStringList{"press.wav", "press.wav"}));
}

void VerificaFogli(const QString& cartella, const std::function<void()>& stampa, int fogli, const QStringList& righe,
                   QList<LineaStampata>* linee)
{
    // On the recording printer: one footer in its place on each sheet, nothing else below the body's bottom.
    StampanteRegistrata r;
    stampa();
    if (linee)
        *linee = r.linee;
    QCOMPARE(r.pagine, fogli);
    const double fondo = StampanteRegistrata::AltezzaPagina() - Stampante::MargineInferiore;
    QStringList fuori;
    for (int p = 1; p <= r.pagine; ++p) {
        int piedi = 0;
        for (const Stampato& s : r.stampati) {
            const bool piede = s.testo == Piede() && s.x == 1 && s.y == StampanteRegistrata::AltezzaPagina() - 6;
            piedi += s.pagina == p && piede;
            if (s.pagina == p && !piede && !s.testo.isEmpty() && s.y + s.dimensione * 0.5 > fondo)
                fuori << s.testo;
        }
        QVERIFY2(piedi == 1 && fuori.isEmpty(), qPrintable(QStringLiteral("sheet %1: %2 footers; ").arg(p).arg(piedi) + fuori.join('|')));
    }
    // In a real PDF: the footer once on every page, and every line somewhere
    // (columns may come out of pdftotext in any order).
    const QString pdf = cartella + QStringLiteral("/fogli.pdf");
    ImpostaFabbricaStampanti([pdf] { return CreaStampantePdf(pdf); });
    stampa();
    ImpostaFabbricaStampanti({});
    const QStringList pagine = PagineDelPdf(pdf);
    QCOMPARE(pagine.size(), fogli);
    for (const QString& p : pagine)
        QCOMPARE(p.count(Piede()), 1);
    const QString tutto = pagine.join(QLatin1Char(' '));
    for (const QString& riga : righe)
        QVERIFY2(tutto.contains(riga.simplified()), qPrintable(QStringLiteral("missing: ") + riga));
}
