#pragma once
// A label the pupil clicks (a category of the main menu, a book, an item
// number). Screen readers meet it as a button: its name is its text unless it
// is given another, and its press action does what the click does.
#include <QLabel>

class EtichettaPremibile : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaPremibile(const QString& testo = QString(), QWidget* parent = nullptr);

    // What a click on the label, or a screen reader's press, does.
    void Premi() { emit premuta(); }

signals:
    void premuta();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};
