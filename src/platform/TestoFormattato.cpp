#include "platform/TestoFormattato.h"

QPair<int, int> ParolaInPosizione(const QString& testo, int posizione)
{
    const int n = int(testo.size());
    if (posizione < 0 || posizione >= n)
        return {n, n};
    auto parola = [&](int p) { return testo.at(p).isLetterOrNumber(); };
    if (!parola(posizione))
        return {posizione, posizione + 1};
    int inizio = posizione;
    int fine = posizione + 1;
    while (inizio > 0 && parola(inizio - 1))
        --inizio;
    while (fine < n && parola(fine))
        ++fine;
    return {inizio, fine};
}
