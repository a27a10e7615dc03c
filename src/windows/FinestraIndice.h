#pragma once
// The exercise index of the current category, shown and printed.
#include "windows/FinestraPagina.h"

class Stampante;

class FinestraIndice : public FinestraPagina {
    Q_OBJECT
public:
    explicit FinestraIndice(QWidget* parent = nullptr);

private:
    // The index as shown: an empty line, then title and instruction of each
    // exercise, exercises separated by an empty line.
    static QString TestoVisibile();

    void MostraIndice();
    void Stampa() override;
    // Footer and the line between the two columns.
    static void FinisciPagina(Stampante& s);
};
