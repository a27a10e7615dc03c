#include "content/Indice.h"

#include "content/LettoreCampi.h"

bool LeggiFileIndice(const QString& percorso, QVector<QString>& titoli, QVector<QString>& testi)
{
    LettoreCampi lettore;
    if (!lettore.Apri(percorso))
        return false;
    const int n = qMin(titoli.size(), testi.size());
    for (int i = 0; i < n; ++i) {
        QString scartato, titolo, testo;
        if (!lettore.LeggiTesto(scartato) || !lettore.LeggiTesto(titolo) || !lettore.LeggiTesto(testo))
            return false;
        titoli[i] = titolo;
        testi[i] = testo;
    }
    return true;
}
