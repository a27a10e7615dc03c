#pragma once
// The small window that asks for the pupil's name before a new record is
// created. Its only product is NomeAlunno: the name as typed, "Anonimo", or
// empty when the pupil chose not to go on. Closed without OK, it leaves
// NomeAlunno as it was.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class FinestraNome : public QDialog {
    Q_OBJECT
public:
    explicit FinestraNome(QWidget* parent = nullptr);

private:
    void okPremuto();

    QLabel* m_richiesta = nullptr;
    QLineEdit* m_nome = nullptr;
    QPushButton* m_pulsanteOk = nullptr;
};
