// Creating, opening and saving the pupil's record.
#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "platform/Messaggi.h"
#include "platform/OpenSave.h"
#include "records/Scheda.h"
#include "windows/FinestraNome.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {
const QString TestoErroreLettura =
    QStringLiteral("Si è verificato un errore, non è possibile procedere nella lettura dei dati.");
const QString TestoErroreScrittura =
    QStringLiteral("Si è verificato un errore, non è possibile salvare i dati.\r\n"
                   "Verificare che la cartella delle schede personali sia accessibile.");
const QString TestoSchedaInUso =
    QStringLiteral("Questa scheda personale è già aperta su un altro computer.\r\n"
                   "Chiudila là oppure scegli un'altra scheda.");
const QString TestoSalvataggioInUso =
    QStringLiteral("Questa scheda personale è stata aperta su un altro computer.\r\n"
                   "Per non cancellare i suoi dati, il risultato di questo esercizio non è stato salvato.");

// Makes the record arrays cover every exercise of the category.
void DimensionaSchede()
{
    const int n = Globali::UltimoEsercizio + 1;
    if (Globali::EsercizioFatto.size() < n)
        Globali::EsercizioFatto.resize(n);
    if (Globali::Giudizio.size() < n)
        Globali::Giudizio.resize(n);
}
} // namespace

void FinestraEsercizi::creaScheda()
{
    RipulisciSchermo();
    m_titolo->clear();
    // Whatever stops the creation, the record that was open stays the open one,
    // so that a later save never writes its marks under another name.
    const QString precedente = Globali::NomeAlunno;
    // Closing the name window without "OK" must not recreate the open
    // record's files: start from no name, so that only a name given counts.
    Globali::NomeAlunno.clear();
    {
        FinestraNome nome(this);
        nome.exec();
    }
    const QString nome = Globali::NomeAlunno;
    if (nome.isEmpty()) {
        Globali::NomeAlunno = precedente;
        return;
    }
    const QString motivo = MotivoNomeNonValido(nome);
    if (!motivo.isEmpty()) {
        Globali::NomeAlunno = precedente;
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, Globali::CategoriaCorrente, motivo);
        return;
    }
    // All twelve records of the name stay locked while they are rewritten:
    // none of them may be open on another computer.
    if (m_blocco->Scheda() == PercorsoSchedaSicuro(Globali::CategoriaCorrente, nome, Globali::EstensioneScheda))
        m_blocco->Rilascia();
    std::vector<std::unique_ptr<BloccoScheda>> blocchi;
    if (!BloccaSchedeNome(nome, blocchi)) {
        Globali::NomeAlunno = precedente;
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(), TestoSchedaInUso);
        return;
    }
    if (SchedaEsistente(nome)) {
        const ::Risposta r = MostraMessaggio(
            this, Icona::Critico, Pulsanti::SiNo, QStringLiteral("NOME GIA' ESISTENTE"),
            QStringLiteral("Attenzione, ci sono già delle schede salvate con questo nome. Se procedi "
                           "cancelli tutti i dati contenuti in queste schede. Vuoi procedere?"));
        if (r != ::Risposta::Si) {
            Globali::NomeAlunno = precedente;
            return;
        }
    }

    m_motore.DimenticaEsercizio();

    // All twelve or none: a pupil never ends up with part of a set of records.
    if (!CreaSchede(nome)) {
        Globali::NomeAlunno = precedente;
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(), TestoErroreScrittura);
        return;
    }
    const int categoria = IndiceCategoria(Globali::CategoriaCorrente);
    if (categoria >= 0)
        m_blocco = std::move(blocchi[categoria]);

    DimensionaSchede();
    for (int i = 0; i <= Globali::UltimoEsercizio; ++i) {
        Globali::EsercizioFatto[i] = false;
        Globali::Giudizio[i].clear();
    }
    AggiornaMenuEsercizi();
}

void FinestraEsercizi::apriScheda()
{
    const QString cartella = CartellaSchedeElenco(Globali::CategoriaCorrente);
    if (ElencaFile(cartella, QStringLiteral("*.") + Globali::EstensioneScheda).isEmpty()) {
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                        QStringLiteral("\r\nNon ci sono schede personali già iniziate per questo "
                                       "tipo di esercizi.\r\n\r\nDevi creare una nuova scheda "
                                       "personale.\r\n"));
        return;
    }
    RipulisciSchermo();

    OpenSave dialogo;
    dialogo.InitDir(cartella);
    dialogo.DialogTitle(QStringLiteral("Clicca la scheda da aprire"));
    dialogo.Filter(QStringLiteral("Esercizi di grammatica (*.") + Globali::EstensioneScheda
                   + QStringLiteral(")|*.") + Globali::EstensioneScheda + QStringLiteral("|"));
    dialogo.hOwner(this);
    dialogo.DefaultExt(Globali::EstensioneScheda);
    dialogo.SoloCartellaIniziale(true);
    dialogo.ShowOpen();

    // A cancelled dialog keeps the record that was open.
    const QString titolo = dialogo.FileTitle();
    if (titolo.isEmpty())
        return;

    // Read everything before touching the open record: a failure keeps it whole.
    auto errore = [this] {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(), TestoErroreLettura);
    };
    if (titolo.size() < 6) {
        errore();
        return;
    }
    const QString nome = titolo.left(titolo.size() - 6);
    // A record open on another computer is not opened, so never overwritten.
    const QString percorso = PercorsoSchedaSicuro(Globali::CategoriaCorrente, nome, Globali::EstensioneScheda);
    const bool giaNostra = !percorso.isEmpty() && percorso == m_blocco->Scheda();
    auto blocco = std::make_unique<BloccoScheda>();
    if (!percorso.isEmpty() && !giaNostra && blocco->Prendi(percorso) == BloccoScheda::Esito::InUso) {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(), TestoSchedaInUso);
        return;
    }
    QString riga;
    if (!LeggiScheda(Globali::CategoriaCorrente, nome, Globali::EstensioneScheda, riga)) {
        errore();
        return;
    }
    if (!giaNostra)
        m_blocco = std::move(blocco);

    Globali::NomeAlunno = nome;
    LeggiRigaScheda(riga, Globali::UltimoEsercizio, Globali::EsercizioFatto, Globali::Giudizio);
    AggiornaMenuEsercizi();
    mostraScheda();
}

void FinestraEsercizi::SalvaScheda(const QVector<bool>& fatto, const QVector<QString>& giudizio)
{
    // A record another computer has taken over is theirs now: never overwrite it.
    const QString percorso = PercorsoSchedaSicuro(Globali::CategoriaCorrente, Globali::NomeAlunno,
                                                  Globali::EstensioneScheda);
    const bool nostra = percorso.isEmpty() || m_blocco->PuoScrivere(percorso);
    if (nostra && ::SalvaScheda(Globali::CategoriaCorrente, Globali::NomeAlunno, Globali::EstensioneScheda, fatto,
                                giudizio, Globali::UltimoEsercizio)) {
        Globali::EsercizioFatto = fatto;
        Globali::Giudizio = giudizio;
        return;
    }
    MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                    nostra ? TestoErroreScrittura : TestoSalvataggioInUso);
    // The menu and the sheet show what is on disk; a file that cannot even be
    // read back leaves the marks as they were.
    QString riga;
    if (LeggiScheda(Globali::CategoriaCorrente, Globali::NomeAlunno, Globali::EstensioneScheda, riga))
        LeggiRigaScheda(riga, Globali::UltimoEsercizio, Globali::EsercizioFatto, Globali::Giudizio);
}
