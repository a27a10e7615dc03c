#pragma once
// The exercise index of the current category, shown and printed.
#include <QDialog>

class frmIndice : public QDialog {
    Q_OBJECT
public:
    explicit frmIndice(QWidget* parent = nullptr);
};
