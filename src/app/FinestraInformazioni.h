#pragma once
// The information screen for teachers.
#include <QDialog>

class CasellaTesto;
class QPushButton;

class FinestraInformazioni : public QDialog {
    Q_OBJECT
public:
    explicit FinestraInformazioni(QWidget* parent = nullptr);
    static QString TestoInformazioni();
    void Command1_Click();

    CasellaTesto* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
};
