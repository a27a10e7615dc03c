// An exercise loaded and played: a wrong and the right answer on every item, then gestures anywhere.
#include "Fuzz.h"

#include "content/Esercizio.h"
#include "exercise/MotoreEsercizio.h"
#include "exercise/RispostaGiusta.h"

#include <QHash>
#include <QRandomGenerator>

namespace {
// What holds whatever the pupil does; errors only grow.
void VerificaStato(const MotoreEsercizio& m, int& errori)
{
    Verifica(m.NumeroErrori() >= errori && m.RigheCompletate() <= NumeroRighe, "errors only grow, 14 items at most");
    for (int i = 0; i < NumeroRighe; ++i)
        Verifica(!m.Risolta(i) || !m.Ingresso(i), "a completed item takes no more answers");
    errori = m.NumeroErrori();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray file = Byte(dati, n);
    DatiEsercizio d;
    if (!LeggiEsercizioDa(file, d).ok)
        return 0;
    MotoreEsercizio m;
    if (!m.Carica(0, &d)) {
        Verifica(!m.RigheVisibili(), "an exercise that cannot be shown leaves nothing on screen");
        return 0;
    }
    // Kind 2: the words found in one pass of the key are those the key holds.
    for (int i = 0; m.TipoEsercizio() == 2 && i < NumeroRighe; ++i) {
        const QString testo = m.Casella(i).Testo();
        for (const auto& p : ParoleDelTesto(testo)) {
            const QString w = testo.mid(p.first, p.second - p.first);
            Verifica(m.ParolaDaTrovare(i, w) == (w.size() >= 3 && m.Chiave(i).contains(w)), "kind 2 finds the words the key holds");
        }
    }
    int errori = 0;
    for (int i = 0; i < NumeroRighe; ++i) {
        DaiRispostaSbagliata(m, i);
        VerificaStato(m, errori);
        DaiRispostaGiusta(m, i);
        VerificaStato(m, errori);
    }
    m.Carica(0, &d);
    errori = 0;
    QRandomGenerator caso(qHash(file));
    for (int k = 0; k < 64; ++k) {
        const int i = caso.bounded(NumeroRighe);
        const int lunghezza = int(m.Casella(i).Testo().size());
        switch (caso.bounded(4)) {
        case 0: m.SelezionaRiga(i); break;
        case 1: m.ScegliVoce(caso.bounded(int(m.Scelte().size()) + 2) - 1); break;
        case 2: GestoDoppioClic(m, i, caso.bounded(lunghezza + 2) - 1); break;
        default: GestoTratto(m, i, caso.bounded(lunghezza + 1), caso.bounded(lunghezza + 1)); break;
        }
        VerificaStato(m, errori);
    }
    m.MostraSoluzioni();
    return 0;
}
