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
    explicit FinestraScheda(QWidget* parent = nullptr);

private:
    static constexpr int RighePreparate = 32;

    void CreaControlli();
    void PreparaScheda();
    void okPremuto();
    void stampaPremuta();
    // Prints the sheet; false when nothing was printed (a failure is reported).
    bool Stampa();

    QLabel* m_titolo = nullptr;
    std::array<QLabel*, RighePreparate> m_immagine{}; // tick or pencil
    std::array<QLabel*, RighePreparate> m_esercizio{};
    std::array<QLabel*, RighePreparate> m_fatto{};
    std::array<QLabel*, RighePreparate> m_giudizio{};
    QLabel* m_spunta = nullptr;
    QLabel* m_matita = nullptr;
    QPushButton* m_pulsanteOk = nullptr;
    QPushButton* m_pulsanteStampa = nullptr;
};
