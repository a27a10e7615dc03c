#pragma once
// The exercise index of the current category, shown and printed.
#include <QDialog>

class CasellaTesto;
class QAction;
class QLabel;
class QMenuBar;
class QPushButton;
class Stampante;

class frmIndice : public QDialog {
    Q_OBJECT
public:
    explicit frmIndice(QWidget* parent = nullptr);

    // The index as shown: an empty line, then title and instruction of each
    // exercise, exercises separated by an empty line.
    static QString TestoVisibile();

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void mnustampa_Click();
    void mnuEsci_Click();
    void Text1_SelChange();

    QLabel* lblTitolo = nullptr;
    CasellaTesto* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QMenuBar* Menu = nullptr;
    QAction* mnustampa = nullptr;
    QAction* mnuEsci = nullptr;

private:
    // Footer and the line between the two columns.
    static void FinisciPagina(Stampante& s);
};
