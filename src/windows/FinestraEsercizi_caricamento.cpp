// Loading an exercise file into the window.
#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

void FinestraEsercizi::CaricaEsercizio(int n)
{
    // 1-2: menus and labels.
    mnustampa->menuAction()->setEnabled(false);
    mnuHelp->setEnabled(false);
    Timer1->stop();
    Label3->setText(Globali::TestoIndice.value(n));
    const QString categoria = Globali::CategoriaCorrente.toUpper() + QStringLiteral("  -  ");
    Label4->setText(categoria + Globali::TitoloIndice.value(n));
    Label4Scritto->setText(categoria + Globali::TitoloScritto.value(n));
    Label3Scritto->setText(Globali::TestoScritto.value(n));
    // 3-7: a fresh run.
    RigaCorrente = 100;
    Shape1->setVisible(false);
    List1->setVisible(false);
    List1->clear();
    EsercizioCorrente = static_cast<qint16>(n);
    NumeroErrori = 0;
    ImpostaCaption(mnuerrori, CaptionErrori());
    mnuerrori->setVisible(false);
    RigheCompletate = 0;
    ImpostaCaption(mnusoluzioni, QStringLiteral("   SOLUZIONI"));
    for (int i = 0; i < NumeroRighe; ++i) {
        Frase[i].clear();
        Risposta[i].clear();
        Chiave[i].clear();
        lblrisposta[i]->setVisible(false);
        Testo[i]->setVisible(false);
    }

    // 8-12: the file.
    DatiEsercizio dati;
    const EsitoLettura esito = LeggiEsercizio(PercorsoEsercizio(n), dati);
    if (!esito.ok) {
        ErroreCaricamento();
        return;
    }
    for (int i = 0; i < NumeroRighe; ++i) {
        // An item the marking cannot find its place in makes the exercise unusable.
        if (!MarcaturaPossibile(dati.TipoEsercizio, dati.Frase[i] + QStringLiteral("\r\n"),
                                dati.Chiave[i])) {
            ErroreCaricamento();
            return;
        }
    }
    TipoEsercizio = dati.TipoEsercizio;
    int lunghezzaMassima = 0;
    if (!dati.Scelte.isEmpty()) {
        for (const QString& s : dati.Scelte) {
            List1->addItem(s);
            lunghezzaMassima = qMax(lunghezzaMassima, int(s.size()));
        }
        QFont f = List1->font();
        f.setPointSize(DimensioneLista(lunghezzaMassima));
        List1->setFont(f);
        List1->setVisible(true);
    }
    Frase = dati.Frase;
    Risposta = dati.Risposta;
    Chiave = dati.Chiave;

    // 13-14.
    mnusoluzioni->setVisible(TipoEsercizio >= 41);
    for (const QString& f : Frase)
        lunghezzaMassima = qMax(lunghezzaMassima, int(f.size()));
    const int dimensione = DimensioneRighe(lunghezzaMassima);

    // 15-18: the items.
    if (TipoEsercizio == 2) {
        Conteggio.fill(0);
        ParoleTrovate.fill(0);
    }
    for (int i = 0; i < NumeroRighe; ++i) {
        PreparaRiga(i, dimensione);
    }
    PassoRisposta = 0;
    RispostaParziale.clear();
    for (int i = 0; i < NumeroRighe; ++i)
        MarcaRiga(i);

    // 19-21.
    mnustampa->menuAction()->setEnabled(true);
    mnuHelp->setEnabled(true);
    Globali::FileHelp = PercorsoHelp(n);
}

void FinestraEsercizi::PreparaRiga(int i, int dimensione)
{
    EtichettaNumero* etichetta = lblrisposta[i];
    etichetta->setCursor(CursoreMano());
    etichetta->ImpostaBackColor(Grigio);
    etichetta->ImpostaForeColor(QColor(255, 255, 255));
    etichetta->ImpostaCaption(QStringLiteral("\r\n") + QString::number(i + 1));
    etichetta->setVisible(true);
    etichetta->setEnabled(true);

    CasellaTesto* casella = Testo[i];
    casella->viewport()->setCursor(CursoreMano());
    casella->ImpostaIngresso(true);
    casella->ImpostaTesto(Frase[i] + QStringLiteral("\r\n"));
    casella->ImpostaSelezione(0, casella->Testo().size());
    casella->ImpostaSelFontSize(dimensione);
    casella->ImpostaSelColor(Nero);
    casella->ImpostaSelBold(false);
    casella->setVisible(true);
    casella->ImpostaSelStart(0);
}

void FinestraEsercizi::MarcaRiga(int i)
{
    CasellaTesto* casella = Testo[i];
    const QString testo = casella->Testo();
    switch (TipoEsercizio) {
    case 2: {
        bool ok = false;
        Conteggio[i] = static_cast<qint16>(Risposta[i].toInt(&ok));
        lblrisposta[i]->ImpostaCaption(QStringLiteral("\r\n") + Risposta[i]);
        break;
    }
    case 3: case 6: case 8: case 13: case 12: {
        const int p = testo.indexOf(Chiave[i]);
        casella->ImpostaSelezione(p, Chiave[i].size());
        casella->ImpostaSelColor(TipoEsercizio == 12 ? Blu : Rosso);
        break;
    }
    case 15: {
        for (int parte = 0; parte < 2; ++parte) {
            const QString ora = casella->Testo();
            const int p = ora.indexOf(QLatin1Char('['));
            const int q = ora.indexOf(QLatin1Char(']'));
            const int lunghezza = q - p + 1;
            casella->ImpostaSelezione(p, lunghezza);
            casella->ImpostaSelColor(Rosso);
            casella->SostituisciSelezione(parte == 0 ? Chiave[i].left(lunghezza)
                                                     : Chiave[i].right(lunghezza));
        }
        break;
    }
    case 18: {
        const int p = testo.indexOf(QLatin1Char('['));
        const int q = testo.indexOf(QLatin1Char(']'));
        casella->ImpostaSelezione(p, q - p + 1);
        casella->ImpostaSelColor(Rosso);
        break;
    }
    case 47: {
        casella->ImpostaSelezione(testo.indexOf(QLatin1Char('*')), 1);
        casella->ImpostaSelColor(Rosso);
        break;
    }
    default:
        return;
    }
    casella->ImpostaSelStart(0);
}

void FinestraEsercizi::ErroreCaricamento()
{
    MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                    QStringLiteral("Si è verificato un errore, questo esercizio non è disponibile.\r\n"
                                   "E' necessario reinstallare il programma."));
    Ripulisci_Schermo();
    Timer1->start();
}
