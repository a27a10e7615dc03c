#pragma once
// What the help and index windows share: a menu bar with "STAMPA" and
// "   ESCI", a title label, the text box, "OK" and the print button.
#include <QColor>
#include <QDialog>

class CasellaTesto;
class QAction;
class QLabel;
class QMenuBar;
class QPushButton;

class FinestraPagina : public QDialog {
    Q_OBJECT
protected:
    struct Aspetto {
        const char* nome; // object name of the window
        int larghezza; // twips
        QColor sfondo;
        QColor coloreTitolo;
        QFont fontTesto;
    };

    FinestraPagina(QWidget* parent, const Aspetto& aspetto);

    // Asks, prints the page, and reports a failed printer.
    virtual void Stampa() = 0;
    QLabel* Titolo() const { return m_titolo; }
    CasellaTesto* Pagina() const { return m_pagina; }
    // Without a page there is nothing to print: the button and the entry go.
    void NascondiStampa();

private:
    // "OK": the cue, then the window closes.
    void okPremuto();
    // The print button: the cue, then the same as "STAMPA".
    void stampaPremuta();
    // Whatever is selected in the text turns blue.
    void coloraSelezione();

    QMenuBar* m_barra = nullptr;
    QAction* m_voceStampa = nullptr;
    QAction* m_voceEsci = nullptr;
    QLabel* m_titolo = nullptr;
    CasellaTesto* m_pagina = nullptr;
    QPushButton* m_pulsanteOk = nullptr;
    QPushButton* m_pulsanteStampa = nullptr;
};
