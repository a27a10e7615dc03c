#pragma once
// The exercise window: one category's exercises, 14 items at a time. It
// builds the controls and menus, forwards what the pupil does to the
// exercise engine and redraws from the engine's state; records, printing and
// messages go through their own modules.
//   FinestraEsercizi.cpp         controls, redrawing, the pupil's gestures
//   FinestraEsercizi_menu.cpp    loading, solutions, help, index, leaving
//   FinestraEsercizi_schede.cpp  creating, opening and saving the record
//   FinestraEsercizi_stampa.cpp  the paper version of the exercise
#include "exercise/MotoreEsercizio.h"
#include "platform/EtichettaPremibile.h"
#include "records/BloccoScheda.h"

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <memory>

class CasellaTesto;
class QAction;
class QListWidget;
class QMenu;
class QTimer;
class QFrame;

// A number label: it shows the state of its item; a click on it selects the item.
class EtichettaNumero : public EtichettaPremibile {
    Q_OBJECT
public:
    explicit EtichettaNumero(QWidget* parent = nullptr);
    void Mostra(const StatoNumero& stato);
    const StatoNumero& Stato() const { return m_stato; }

private:
    StatoNumero m_stato;
};

class FinestraEsercizi : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraEsercizi(QWidget* parent = nullptr);
    ~FinestraEsercizi() override;

    // The state the window shows (tests read it).
    const MotoreEsercizio& Motore() const { return m_motore; }

    // The caption of a menu entry as the program wrote it.
    static QString Caption(const QAction* voce);

signals:
    // The window has been left through its confirmation; the main menu returns.
    void ritornoAlMenu();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CreaControlli();
    void AdattaAllaCornice();
    void AdattaBarra();
    void CreaMenu();
    void Ridisegna();
    void MostraAvviso(MotoreEsercizio::Avviso avviso);
    void lampeggia();
    void primaAttivazione();

    // Loading and the menu bar commands.
    void CaricaEsercizio(int n);
    void RipulisciSchermo();
    void AggiornaMenuEsercizi();
    void esercizioCompletato(const QString& giudizio);
    void soluzioniScelte();
    void mostraAiuto();
    void mostraIndice();
    void mostraScheda();
    bool ConfermaUscita();

    // The record.
    void creaScheda();
    void apriScheda();
    // Writes the record with these marks, which become the record in memory;
    // when it cannot be written, says so and takes the marks the file still
    // holds instead, so that the menu and the sheet show what is on disk.
    void SalvaScheda(const QVector<bool>& fatto, const QVector<QString>& giudizio);

    void stampaEsercizio();

    static void ImpostaCaption(QAction* voce, const QString& caption);

    MotoreEsercizio m_motore;
    // The lock of the open record, so that no other computer opens or writes it.
    std::unique_ptr<BloccoScheda> m_blocco = std::make_unique<BloccoScheda>();
    bool m_avvisoMostrato = false;
    // The written version's heading and instruction, for the printout.
    QString m_titoloScritto;
    QString m_consegnaScritta;
    QStringList m_vociMostrate;
    QString m_vociBarra; // what the menu bar's font was last chosen for

    QLabel* m_titolo = nullptr;
    QLabel* m_consegna = nullptr;
    QLabel* m_indirizzo = nullptr;
    std::array<EtichettaNumero*, NumeroRighe> m_numeri{};
    std::array<CasellaTesto*, NumeroRighe> m_caselle{};
    QListWidget* m_elencoScelte = nullptr;
    QFrame* m_cornice = nullptr;
    QTimer* m_lampeggio = nullptr;
    QPixmap m_spunta;
    QPixmap m_matita;

    QMenu* m_menuScheda = nullptr;
    QAction* m_voceApri = nullptr;
    QAction* m_voceCrea = nullptr;
    QAction* m_voceVisualizza = nullptr;
    QAction* m_voceIndice = nullptr;
    QMenu* m_menuEsercizi = nullptr;
    std::array<QAction*, 36> m_vociEsercizio{};
    QMenu* m_menuStampa = nullptr;
    QAction* m_voceStampaEsercizio = nullptr;
    QAction* m_voceAiuto = nullptr;
    QAction* m_voceSoluzioni = nullptr;
    QAction* m_voceEsci = nullptr;
    QAction* m_voceErrori = nullptr;
};
