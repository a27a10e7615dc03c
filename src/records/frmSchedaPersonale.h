#pragma once
// The record sheet: the open record of the current category, and its printout.
#include <QDialog>

class frmSchedaPersonale : public QDialog {
    Q_OBJECT
public:
    explicit frmSchedaPersonale(QWidget* parent = nullptr);
};
