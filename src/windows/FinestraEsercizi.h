#pragma once
// The exercise window: one category's exercises, 14 items at a time.
// Its handlers are spread over several files by concern:
//   FinestraEsercizi.cpp               controls, menus, item selection, prompt
//   frmEsercizi_caricamento.cpp   loading an exercise file
//   frmEsercizi_lista.cpp         answering by list choice
//   frmEsercizi_clic.cpp          answering by clicking or marking in the text
//   frmEsercizi_completamento.cpp closing an item, grading the exercise
//   frmEsercizi_schede.cpp        creating, opening and saving the record
//   frmEsercizi_soluzioni.cpp     solutions, help, index, record sheet, leaving
//   frmEsercizi_stampa.cpp        the paper version of the exercise
#include "content/Esercizio.h"

#include <QColor>
#include <QLabel>
#include <QMainWindow>
#include <array>

class CasellaTesto;
class QAction;
class QListWidget;
class QMenu;
class QTimer;
class QFrame;

// A number label: its caption and colours are state the program reads back.
class EtichettaNumero : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaNumero(QWidget* parent = nullptr);
    QString Caption() const { return m_caption; }
    void ImpostaCaption(const QString& caption);
    QColor BackColor() const { return m_sfondo; }
    QColor ForeColor() const { return m_testo; }
    void ImpostaBackColor(const QColor& c);
    void ImpostaForeColor(const QColor& c);
signals:
    void clic();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Aggiorna();
    QString m_caption;
    QColor m_sfondo{192, 192, 192};
    QColor m_testo{255, 255, 255};
};

class FinestraEsercizi : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraEsercizi(QWidget* parent = nullptr);
    ~FinestraEsercizi() override;

    // Colours of the item states and texts.
    static const QColor Nero, Blu, Rosso, Grigio, Giallo, Verde, GrigioScuro;

    // Operations other windows and modules call.
    void Ripulisci_Schermo();
    void RipristinaMenuEsercizi();
    void ProceduraRispostaEsatta(int indice);
    void SalvaScheda();
    bool FileExist(const QString& FileName) const;
    void SelezionaRiga(int indice); // select item

    // Event handlers (one per user event).
    void mnuesercizio_Click(int indice); // loads exercise indice
    void CaricaEsercizio(int n);
    void List1_Click();
    void Testo_Click(int indice);
    void Testo_MouseDown(int indice);
    void Testo_DblClick(int indice);
    void Testo_MouseUp(int indice);
    void Testo_SelChange(int indice);
    void lblrisposta_Click(int indice);
    void Timer1_Timer();
    void Form_Activate();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuVisualizza_Click();
    void mnuindice_Click();
    void mnuHelp_Click();
    void mnusoluzioni_Click();
    void mnuexit_Click();
    void mnuStampaEsercizio_Click();

    // The caption of a menu entry as the program wrote it.
    static QString Caption(const QAction* voce);
    static void ImpostaCaption(QAction* voce, const QString& caption);

    // Current exercise.
    qint16 TipoEsercizio = 0;
    std::array<QString, NumeroRighe> Frase;
    std::array<QString, NumeroRighe> Risposta;
    std::array<QString, NumeroRighe> Chiave;
    std::array<qint16, NumeroRighe> Conteggio{};
    std::array<qint16, NumeroRighe> ParoleTrovate{};
    std::array<QString, NumeroRighe> Selezione;
    qint16 EsercizioCorrente = 0;

    // Window state.
    qint16 RigaCorrente = 100;
    qint16 PassoRisposta = 0;
    QString RispostaParziale;
    qint16 RigheCompletate = 0;
    qint16 NumeroErrori = 0;
    qint16 ModoClic = 0;
    bool AvvisoMostrato = false;

    // Controls.
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4Scritto = nullptr;
    QLabel* Label3Scritto = nullptr;
    QLabel* Label1 = nullptr;
    std::array<EtichettaNumero*, NumeroRighe> lblrisposta{};
    std::array<CasellaTesto*, NumeroRighe> Testo{};
    QListWidget* List1 = nullptr;
    QFrame* Shape1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPixmap ImgSpunta;
    QPixmap ImgScrivi;

    // Menus.
    QMenu* mnuScheda = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnusep = nullptr;
    QAction* mnuVisualizza = nullptr;
    QAction* mnuindice = nullptr;
    QMenu* mnuesercizi = nullptr;
    std::array<QAction*, 36> mnuesercizio{};
    QMenu* mnustampa = nullptr;
    QAction* mnuStampaEsercizio = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnusoluzioni = nullptr;
    QAction* mnuexit = nullptr;
    QAction* mnuerrori = nullptr;

    // Text of the error entry for the current count.
    QString CaptionErrori() const;
    // Counts a wrong answer: count, cue and caption of the error entry.
    void ContaErrore();
    // Gives the input focus back to the window (after an answer in a box).
    void AggiornaFinestra();

signals:
    // The window has been left through its confirmation; the main menu returns.
    void ritornoAlMenu();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void CreaControlli();
    void CreaMenu();
    // Asks before leaving and reminds the pupil of the record; false keeps the window.
    bool ConfermaUscita();
    // Replaces the whole current exercise (used by the loader).
    void PreparaRiga(int i, int dimensione);
    void MarcaRiga(int i);
    void ErroreCaricamento();
};
