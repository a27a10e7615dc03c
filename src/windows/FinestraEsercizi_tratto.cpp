// Answering by marking a stretch of an item box (kinds 44, 45 and 50 to 54).
#include "windows/FinestraEsercizi.h"

#include "windows/RispostaTesto.h"
#include "platform/CasellaTesto.h"

namespace {

using namespace RispostaTesto;

// Kinds 50 to 54: a drag that runs over the closing full stop takes the line
// break with it; those last three characters are dropped before comparing.
// False when the stretch is too short to lose them.
bool TogliPuntoFinale(QString& selezione)
{
    if (!selezione.contains(QLatin1Char('.')))
        return true;
    if (selezione.size() < 3)
        return false;
    selezione.chop(3);
    selezione = TogliSpazi(selezione);
    return true;
}

void MostraTratto(FinestraEsercizi& f, int i)
{
    CasellaTesto* casella = f.Testo[i];
    const QString& r = f.Risposta[i];
    const int n = int(r.size());
    switch (f.TipoEsercizio) {
    case 44: case 50: case 51: {
        SostituisciTesto(casella, f.Chiave[i]);
        const int p = Posizione(casella->Testo(), r);
        if (p == 0)
            break;
        if (f.TipoEsercizio == 44)
            ColoraTratto(casella, p - 1, n, FinestraEsercizi::Blu);
        else if (f.TipoEsercizio == 50)
            ColoraTratto(casella, p - 2, n + 2, FinestraEsercizi::Blu);
        else
            ColoraTratto(casella, p - 3, n + 4, FinestraEsercizi::Blu);
        break;
    }
    case 45:
        SostituisciTesto(casella, f.Chiave[i]);
        ColoraTratto(casella, 0, n, FinestraEsercizi::Blu);
        break;
    case 52: {
        ColoraTutto(casella, FinestraEsercizi::Nero);
        const int p = Posizione(casella->Testo(), r);
        // The key breaks the line where the answer began in the sentence.
        const bool dentro = p > 0 && p <= f.Chiave[i].size();
        if (dentro)
            f.Chiave[i][p - 1] = QLatin1Char('\r');
        SostituisciTesto(casella, f.Chiave[i]);
        if (dentro)
            ColoraTratto(casella, p - 1, n + 4, FinestraEsercizi::Blu);
        break;
    }
    case 53: {
        // The opening quote stands before the answer: colour from there, or
        // from the start when the answer opens the sentence.
        const int p = Posizione(casella->Testo(), r);
        SostituisciTesto(casella, f.Chiave[i]);
        ColoraTutto(casella, FinestraEsercizi::Nero);
        if (p > 0)
            ColoraTratto(casella, qMax(p, 2) - 2, n + 4, FinestraEsercizi::Blu);
        break;
    }
    case 54: {
        SostituisciTesto(casella, f.Chiave[i]);
        const int p = Posizione(casella->Testo(), r);
        if (p > 0)
            ColoraTratto(casella, qMax(p, 2) - 2, n + 2, FinestraEsercizi::Blu);
        break;
    }
    default:
        break;
    }
}

} // namespace

namespace RispostaTesto {

void RispostaTratto(FinestraEsercizi& f, int indice)
{
    QString& selezione = f.Selezione[indice];
    // A click without a drag marks nothing and costs nothing.
    if (selezione.isEmpty())
        return;
    selezione = TogliSpazi(selezione);
    const bool conPunto = f.TipoEsercizio >= 50 && f.TipoEsercizio <= 54;
    if (conPunto && !TogliPuntoFinale(selezione)) {
        RispostaSbagliata(f, indice);
        return;
    }
    if (selezione != f.Risposta[indice]) {
        RispostaSbagliata(f, indice);
        return;
    }
    MostraTratto(f, indice);
    ChiudiRispostaEsatta(f, indice);
}

} // namespace RispostaTesto
