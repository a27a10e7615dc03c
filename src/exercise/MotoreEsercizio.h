#pragma once
// The exercise being worked on, without any widget: the 14 items with their
// texts and number labels, the choice list, the selected item, the two-step
// answers, the error count, the solutions and the grade. Its operations are
// what the pupil does; after each one the window redraws from the state
// below, plays the cues it is told and shows the notices it is given.
// The content checker plays answers through the same engine.
#include "content/Esercizio.h"
#include "platform/TestoFormattato.h"

#include <QColor>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

// The number label beside an item: its caption shows the item number, the
// words still to find (kind 2) or "ok".
struct StatoNumero {
    QString caption;
    QColor sfondo;
    QColor testo;
    bool manina = true; // the hand pointer, while the item is open
};

class MotoreEsercizio : public QObject {
    Q_OBJECT
public:
    static const QColor Nero, Blu, Rosso, Grigio, Giallo, Verde, GrigioScuro, Bianco;
    static constexpr int NessunaRiga = 100;

    enum class Avviso {
        PrimaUnRiquadro, // a list choice with no item selected
        CompletaLaFrase, // another item while a two-step answer is under way
    };

    explicit MotoreEsercizio(QObject* parent = nullptr);
    ~MotoreEsercizio() override;

    // Starts exercise n afresh from its file content; null when the file
    // could not be read. False when the exercise cannot be shown: nothing of
    // it is left on screen.
    bool Carica(int n, const DatiEsercizio* dati);
    // Empties the screen: no items, no list, no counts.
    void Ripulisci();
    // A new record drops the exercise that was loaded.
    void DimenticaEsercizio();

    // What the pupil does.
    void SelezionaRiga(int i); // a click on a number label
    void ScegliVoce(int voce); // a click on entry voce of the choice list
    // Pointer gestures on an item box; a box whose input is off ignores them.
    // The press has already put the box's insertion point where it landed,
    // a drag has set the box's selection.
    void PremiCasella(int i);
    void RilascioCasella(int i);
    void DoppioClicCasella(int i, int posizione);
    // The key texts in dark grey, for reading; a reload ends the view.
    void MostraSoluzioni();

    // The exercise.
    int TipoEsercizio() const { return m_tipo; }
    int EsercizioCorrente() const { return m_esercizio; }
    const QString& Frase(int i) const { return m_frase.at(i); }
    const QString& Risposta(int i) const { return m_risposta.at(i); }
    const QString& Chiave(int i) const { return m_chiave.at(i); }

    // The items.
    TestoFormattato& Casella(int i) { return *m_caselle.at(i); }
    const TestoFormattato& Casella(int i) const { return *m_caselle.at(i); }
    const StatoNumero& Numero(int i) const { return m_numeri.at(i); }
    bool RigheVisibili() const { return m_righeVisibili; }
    bool Ingresso(int i) const { return m_ingresso.at(i); }
    bool Risolta(int i) const { return m_numeri.at(i).sfondo == Verde; }
    int RigaCorrente() const { return m_riga; }
    // The item the selection frame stands behind; -1 when it is hidden.
    int RigaIncorniciata() const { return m_cornice; }

    // The choice list.
    const QStringList& Scelte() const { return m_scelte; }
    bool ElencoVisibile() const { return m_elencoVisibile; }
    int DimensioneElenco() const { return m_dimensioneElenco; }

    // The counts and the menu bar entries they show.
    int NumeroErrori() const { return m_errori; }
    int RigheCompletate() const { return m_completate; }
    const QString& CaptionErrori() const { return m_captionErrori; }
    bool ErroriVisibili() const { return m_erroriVisibili; }
    bool SoluzioniOfferte() const { return m_soluzioniOfferte; }
    bool SoluzioniMostrate() const { return m_soluzioniMostrate; }
    QString CaptionSoluzioni() const;

    // Kind 2: whether a word double-clicked in item i counts as found.
    bool ParolaDaTrovare(int i, const QString& parola) const;

    // The two-step answer under way (1 after the first part).
    int PassoRisposta() const { return m_passo; }
    const QString& RispostaParziale() const { return m_parziale; }

signals:
    void cambiato();
    void suono(const QString& file);
    void avviso(MotoreEsercizio::Avviso avviso);
    // The 14th item is done; the window records the grade.
    void esercizioCompletato(const QString& giudizio);

private:
    void PreparaRiga(int i, int dimensione);
    void MarcaRiga(int i);
    void ContaErrore();
    void SceltaSbagliata(int r);
    void TogliVoce(int voce);
    void MostraSceltaGiusta(int r, const QString& scelta, int voce);
    void Giudica(int i);
    void RispostaParola(int i);
    void CercaParola(int i);
    void RispostaTratto(int i);
    void MostraTratto(int i);
    void RispostaSbagliata(int i);
    void ChiudiRispostaEsatta(int i);
    void ProceduraRispostaEsatta(int i);

    qint16 m_tipo = 0;
    int m_esercizio = 0;
    std::array<QString, NumeroRighe> m_frase, m_risposta, m_chiave, m_selezione;
    std::array<qint16, NumeroRighe> m_conteggio{}, m_paroleTrovate{};
    // Kind 2: the words of each box that count, looked up at the first click.
    mutable std::array<std::optional<QSet<QString>>, NumeroRighe> m_paroleDaTrovare;
    std::array<std::unique_ptr<TestoFormattato>, NumeroRighe> m_caselle;
    std::array<StatoNumero, NumeroRighe> m_numeri;
    std::array<bool, NumeroRighe> m_ingresso{};
    bool m_righeVisibili = false;
    int m_riga = NessunaRiga;
    int m_cornice = -1;
    QStringList m_scelte;
    bool m_elencoVisibile = false;
    int m_dimensioneElenco = 9;
    int m_errori = 0;
    int m_completate = 0;
    QString m_captionErrori;
    bool m_erroriVisibili = false;
    bool m_soluzioniOfferte = false;
    bool m_soluzioniMostrate = false;
    int m_passo = 0;
    QString m_parziale;
};
