#pragma once
// The help page of the loaded exercise, shown and printed.
#include <QDialog>

class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
};
