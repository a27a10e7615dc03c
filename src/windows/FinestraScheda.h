#pragma once
// The record sheet: the open record of the current category, one row per
// exercise with its title, whether it is done, its grade and a tick or a
// pencil, and its printout on one A4 page. It only reads the program-wide
// values; it is built afresh at each opening.
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class FinestraScheda : public QDialog {
    Q_OBJECT
public:
    static constexpr int RighePreparate = 32;

    explicit FinestraScheda(QWidget* parent = nullptr);

    void Command1_Click(); // OK
    void Command2_Click(); // print

    // Height of the window in twips, as the sheet computed it.
    int AltezzaTwips() const { return m_altezza; }
    // Background colour of a label (the window's colour when none of its own).
    static QColor BackColor(const QLabel* etichetta);

    QLabel* Label1 = nullptr; // title
    std::array<QLabel*, RighePreparate> ImgRiga{};
    std::array<QLabel*, RighePreparate> LblEsercizio{};
    std::array<QLabel*, RighePreparate> LblFatto{};
    std::array<QLabel*, RighePreparate> LblGiudizio{};
    QLabel* imgSpunta = nullptr;
    QLabel* ImgScrivi = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void CreaControlli();
    void Form_Load();
    // Prints the sheet; false when the printer failed.
    bool Stampa();
    int m_altezza = 0;
};
