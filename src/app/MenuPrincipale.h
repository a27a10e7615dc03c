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

    // The category chosen (0-11): its index files are read and the exercise
    // window takes the place of the menu.
    void ScegliCategoria(int indice);

    // The exercise window; null until a category is chosen.
    FinestraEsercizi* Esercizi() const { return m_esercizi; }

signals:
    // "Esci": the program ends at once.
    void fineProgramma();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Entries 0-11 are the categories, 12 "Esci", 13 "Info".
    static constexpr int VoceEsci = 12;
    static constexpr int VoceInfo = 13;

    void CreaFinestraEsercizi();
    // The exercise window returns here.
    void MostraDiNuovo();
    // Each reads its index file into the program-wide values; false, after
    // the message, when the file is missing or short.
    bool LeggiIndice();
    bool LeggiIndiceScritto();
    bool LeggiIndiceDa(const QString& percorso, QVector<QString>& titoli, QVector<QString>& testi, const QString& guasto);
    // The caption of entry indice at a size in points.
    void ImpostaDimensione(int indice, double punti);
    void etichettaCliccata(int indice);
    // The book beside a category shows its index without leaving the menu.
    void libroCliccato(int indice);
    void etichettaSorvolata(int indice);
    void libroSorvolato(int indice);
    void sfondoSorvolato();
    void Incornicia(int indice);

    std::array<QString, 12> m_cartelle;
    bool m_evidenziato = false; // a label or a book is under the pointer

    QLabel* m_pannello = nullptr;
    std::array<QLabel*, 14> m_etichette{};
    std::array<QLabel*, 12> m_libri{};
    QFrame* m_cornice = nullptr;
    QLabel* m_sottotitolo = nullptr;
    QPointer<FinestraEsercizi> m_esercizi;
};
