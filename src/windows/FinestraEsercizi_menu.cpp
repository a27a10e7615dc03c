// Loading an exercise and the commands of the menu bar that are not records
// or printing: solutions, help, index, record sheet, leaving.
#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "windows/FinestraAiuto.h"
#include "windows/FinestraIndice.h"
#include "windows/FinestraScheda.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

void FinestraEsercizi::CaricaEsercizio(int n)
{
    m_menuStampa->menuAction()->setEnabled(false);
    m_voceAiuto->setEnabled(false);
    m_lampeggio->stop();
    m_consegna->setText(Globali::TestoIndice.value(n));
    const QString categoria = Globali::CategoriaCorrente.toUpper() + QStringLiteral("  -  ");
    m_titolo->setText(categoria + Globali::TitoloIndice.value(n));
    m_titoloScritto = categoria + Globali::TitoloScritto.value(n);
    m_consegnaScritta = Globali::TestoScritto.value(n);

    DatiEsercizio dati;
    const bool letto = LeggiEsercizio(PercorsoEsercizio(n), dati).ok;
    if (!m_motore.Carica(n, letto ? &dati : nullptr)) {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                        QStringLiteral("Si è verificato un errore, questo esercizio non è disponibile.\r\n"
                                       "E' necessario reinstallare il programma."));
        RipulisciSchermo();
        m_lampeggio->start();
        return;
    }
    m_menuStampa->menuAction()->setEnabled(true);
    m_voceAiuto->setEnabled(true);
    Globali::FileHelp = PercorsoHelp(n);
}

void FinestraEsercizi::RipulisciSchermo()
{
    m_voceAiuto->setEnabled(false);
    m_consegna->clear();
    m_motore.Ripulisci();
}

void FinestraEsercizi::AggiornaMenuEsercizi()
{
    m_lampeggio->start();
    QMenuBar* barra = menuBar();
    for (int i = 0; i <= Globali::UltimoEsercizio && i < MassimoEsercizi; ++i) {
        QAction* voce = m_vociEsercizio[i];
        voce->setVisible(true);
        const QString titolo = QStringLiteral(" ") + Globali::TitoloIndice.value(i);
        const bool fatto = Globali::EsercizioFatto.value(i);
        voce->setChecked(fatto);
        ImpostaCaption(voce, fatto ? titolo + QStringLiteral(" (") + Globali::Giudizio.value(i) + QStringLiteral(")")
                                   : titolo);
        ImpostaImmagineVoce(barra, 2, i, fatto ? m_spunta : m_matita);
    }
    m_menuEsercizi->menuAction()->setEnabled(true);
    m_voceVisualizza->setEnabled(true);
    m_consegna->clear();
}

void FinestraEsercizi::esercizioCompletato(const QString& giudizio)
{
    const int n = m_motore.EsercizioCorrente();
    QVector<bool> fatto = Globali::EsercizioFatto;
    QVector<QString> giudizi = Globali::Giudizio;
    if (n >= 0 && n < fatto.size() && n < giudizi.size()) {
        fatto[n] = true;
        giudizi[n] = giudizio;
    }
    SalvaScheda(fatto, giudizi);
    AggiornaMenuEsercizi();
    mostraScheda();
    m_consegna->setText(QStringLiteral("Scegli un altro esercizio nel menu in alto"));
}

void FinestraEsercizi::soluzioniScelte()
{
    // Back from the solutions: the exercise starts again from its file.
    if (m_motore.SoluzioniMostrate())
        CaricaEsercizio(m_motore.EsercizioCorrente());
    else
        m_motore.MostraSoluzioni();
}

void FinestraEsercizi::mostraAiuto()
{
    FinestraAiuto aiuto(this);
    aiuto.exec();
}

void FinestraEsercizi::mostraIndice()
{
    FinestraIndice indice(this);
    indice.exec();
}

void FinestraEsercizi::mostraScheda()
{
    FinestraScheda scheda(this);
    scheda.exec();
}

bool FinestraEsercizi::ConfermaUscita()
{
    if (MostraMessaggio(this, Icona::Domanda, Pulsanti::SiNo, Globali::CategoriaCorrente,
                        QStringLiteral("Vuoi tornare al menu generale?"))
        != Risposta::Si)
        return false;
    if (!Globali::NomeAlunno.isEmpty())
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                        QStringLiteral("Ricorda che i tuoi dati sono nella scheda ") + QLatin1Char('\'')
                            + Globali::NomeAlunno + QLatin1Char('\''));
    return true;
}
