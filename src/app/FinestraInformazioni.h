#pragma once
// The information screen for teachers.
#include <QDialog>

class CasellaTesto;
class QPushButton;

class FinestraInformazioni : public QDialog {
    Q_OBJECT
public:
    explicit FinestraInformazioni(QWidget* parent = nullptr);

private:
    static QString TestoInformazioni();
    void okPremuto();

    CasellaTesto* m_testo = nullptr;
    QPushButton* m_pulsanteOk = nullptr;
};
