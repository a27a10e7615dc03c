#pragma once
// The teacher's view of the whole class: the overview of every pupil and
// category, or one category exercise by exercise, read from the records
// folder in use when the window opens; printed on as many A4 sheets as it
// needs, or saved as a CSV file for a spreadsheet. It never writes a record.
#include "records/Classe.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

class FinestraClasse : public QDialog {
    Q_OBJECT
public:
    explicit FinestraClasse(QWidget* parent = nullptr);

    // 0 the overview, 1 to 12 the categories in menu order.
    void MostraTabella(int scelta);

private:
    void CreaControlli();
    void stampaPremuta();
    void esportaPremuto();
    // Prints the table shown; false when nothing was printed (a failure is reported).
    bool Stampa();
    // The name of the records folder, which is the class's.
    QString NomeClasse() const;

    Classe m_classe;
    TabellaClasse m_tabella;
    QComboBox* m_scelta = nullptr;
    QTableWidget* m_griglia = nullptr;
};
