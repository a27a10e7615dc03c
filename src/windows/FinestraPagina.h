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
public:
    struct Aspetto {
        const char* nome; // object name of the window
        const char* nomeEsci; // object name of the "   ESCI" entry
        int larghezza; // twips
        QColor sfondo;
        QColor coloreTitolo;
        QFont fontTesto;
    };

    QLabel* lblTitolo = nullptr;
    CasellaTesto* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QMenuBar* Menu = nullptr;
    QAction* mnustampa = nullptr;

    // "OK": the cue, then the window closes.
    void Command1_Click();
    // The print button: the cue, then the same as "STAMPA".
    void Command2_Click();
    virtual void mnustampa_Click() = 0;
    // Whatever is selected in the text turns blue.
    void Text1_SelChange();

protected:
    FinestraPagina(QWidget* parent, const Aspetto& aspetto);
    QAction* m_esci = nullptr;
};
