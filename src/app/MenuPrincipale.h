#pragma once
// The main menu: the twelve categories, "Info" and "Esci". It owns the
// program-wide values of the current category and the exercise window.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>

#include "windows/FinestraEsercizi.h"
class QFrame;

class MenuPrincipale : public QWidget {
    Q_OBJECT
public:
    explicit MenuPrincipale(QWidget* parent = nullptr);
    ~MenuPrincipale() override;

    void Label_Click(int indice);
    void Picture_Click(int indice);
    void Label_MouseMove(int indice);
    void Picture_MouseMove(int indice);
    void Pannello_MouseMove();
    void LeggiIndice();
    void LeggiIndiceScritto();
    // The exercise window returns here.
    void MostraDiNuovo();

    FinestraEsercizi* Esercizi() const { return m_esercizi; }

    std::array<QString, 12> CartellaCategoria;
    qint16 ErroreIndice = 0;
    bool Evidenziato = false; // hover flag

    QWidget* Pannello = nullptr;
    std::array<QLabel*, 14> Etichette{};
    std::array<QLabel*, 12> Libri{};
    QFrame* Cornice = nullptr;
    QLabel* Credito = nullptr;

signals:
    // "Esci": the program ends at once.
    void fineProgramma();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreaFinestraEsercizi();
    void ImpostaDimensione(QLabel* etichetta, double punti);
    QPointer<FinestraEsercizi> m_esercizi;
};
