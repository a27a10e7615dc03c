#include "content/Impaginazione.h"

QStringList SpezzaRiga(const QString& testo, int larghezza)
{
    QStringList righe;
    QString s = testo;
    if (larghezza < 1)
        larghezza = 1;
    while (s.size() > larghezza) {
        int k = 0;
        for (int p = qMin(larghezza, int(s.size())); p >= 1; --p) {
            if (s.at(p - 1) == QLatin1Char(' ')) {
                k = p;
                break;
            }
        }
        if (k > 0) {
            righe << s.left(k - 1);
            s = s.mid(k);
        } else {
            // No blank to break at: cut the token at the width.
            righe << s.left(larghezza);
            s = s.mid(larghezza);
        }
    }
    righe << s;
    return righe;
}

QList<RigaFoglio> RigheFoglioEsercizio(const QString& intestazione, const QString& consegna,
                                       const std::array<QString, 14>& frasi)
{
    QList<RigaFoglio> righe{{QStringLiteral("ZELORA"), false}};
    // One line if it fits; otherwise a wrapped paragraph with its empty line.
    const auto paragrafo = [&righe](const QString& testo, bool corsivo, bool rigaVuota) {
        if (testo.size() <= LarghezzaFoglioEsercizio) {
            righe << RigaFoglio{testo, corsivo};
        } else {
            for (const QString& r : SpezzaRiga(testo, LarghezzaFoglioEsercizio))
                righe << RigaFoglio{r, corsivo};
            rigaVuota = true;
        }
        if (rigaVuota)
            righe << RigaFoglio{QString(), corsivo};
    };
    paragrafo(intestazione, false, false);
    paragrafo(consegna, true, false);
    righe << RigaFoglio{QString(), true};
    for (int i = 0; i < int(frasi.size()); ++i)
        paragrafo(QString::number(i + 1) + QStringLiteral(") ") + frasi[i], false, true);
    return righe;
}
