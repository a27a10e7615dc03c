#pragma once
// The help page of the loaded exercise, shown and printed.
#include "windows/FinestraPagina.h"
#include <QStringList>


class FinestraAiuto : public FinestraPagina {
    Q_OBJECT
public:
    explicit FinestraAiuto(QWidget* parent = nullptr);

private:
    // The page as read from a help file.
    struct Contenuto {
        QString titolo;
        QString chiavi[3];
        QStringList righe; // one field per line, as stored
    };
    // Reads a help file; false when it is missing, unreadable, or has no
    // page line after the title and the three key words.
    static bool LeggiPagina(const QString& percorso, Contenuto& contenuto);
    // The page lines as shown: CR LF after each but the last, which keeps only
    // its CR, and the substitute characters turned into quotation marks.
    static QString TestoVisibile(const QStringList& righe);

    void MostraPagina();
    void Stampa() override;
    void Evidenzia(int inizio, int lunghezza);
    void MostraErrore();
};
