#include "exercise/RispostaGiusta.h"

#include "exercise/MotoreEsercizio.h"
#include "exercise/RegoleRisposta.h"

#include <QHash>
#include <climits>

namespace {

void Premi(MotoreEsercizio& m, int i, int posizione)
{
    m.PremiCasella(i);
    if (m.Ingresso(i))
        m.Casella(i).ImpostaSelStart(posizione);
}

// The first word of the box, in text order, that a test accepts.
int PrimaParola(const MotoreEsercizio& m, int i, const std::function<bool(int, const QString&)>& va)
{
    const QString testo = m.Casella(i).Testo();
    for (const auto& p : ParoleDelTesto(testo))
        if (va(p.first, testo.mid(p.first, p.second - p.first)))
            return p.first;
    return -1;
}

bool Scegli(MotoreEsercizio& m, const QString& voce)
{
    const int k = int(m.Scelte().indexOf(voce));
    if (k < 0)
        return false;
    m.ScegliVoce(k);
    return true;
}

// A first and a second entry of the list that make the answer: the first
// entry that begins it, with the entry that ends it (two blanks: another
// entry, exactly the rest) or, for two choices, the first entry that is the
// rest or the whole answer.
bool DueVoci(const MotoreEsercizio& m, const QString& r, bool dueSpazi, QString& prima, QString& seconda)
{
    const QStringList& v = m.Scelte();
    // Where each entry stands first and how many times, so that a long list is looked up, not searched.
    QHash<QString, int> posizione, copie;
    for (int k = int(v.size()) - 1; k >= 0; --k) {
        posizione[v[k]] = k;
        ++copie[v[k]];
    }
    for (int k = 0; k < v.size(); ++k) {
        if (v[k].isEmpty() || !r.startsWith(v[k]))
            continue;
        const QString resto = r.mid(v[k].size());
        bool fa = false;
        if (dueSpazi)
            fa = !resto.isEmpty() && copie.value(resto) > (resto == v[k] ? 1 : 0);
        else if (posizione.contains(resto) || posizione.contains(r))
            fa = true;
        if (!fa)
            continue;
        prima = v[k];
        // Two choices: whichever of the rest and the whole answer the list holds first.
        seconda = dueSpazi || posizione.value(resto, INT_MAX) < posizione.value(r, INT_MAX) ? resto : r;
        return true;
    }
    return false;
}

} // namespace

void GestoTratto(MotoreEsercizio& m, int i, int inizio, int lunghezza)
{
    Premi(m, i, inizio);
    if (m.Ingresso(i) && lunghezza > 0)
        m.Casella(i).ImpostaSelezione(inizio, lunghezza);
    m.RilascioCasella(i);
}

void GestoDoppioClic(MotoreEsercizio& m, int i, int posizione)
{
    Premi(m, i, posizione);
    m.RilascioCasella(i);
    m.DoppioClicCasella(i, posizione);
    m.RilascioCasella(i);
}

bool DaiRispostaGiusta(MotoreEsercizio& m, int i)
{
    const QString r = m.Risposta(i);
    switch (ModoDelTipo(m.TipoEsercizio())) {
    case Modo::Elenco:
        m.SelezionaRiga(i);
        return Scegli(m, r);
    case Modo::DueScelte:
    case Modo::DueSpazi: {
        const bool dueSpazi = ModoDelTipo(m.TipoEsercizio()) == Modo::DueSpazi;
        QString prima, seconda;
        if (!DueVoci(m, r, dueSpazi, prima, seconda))
            return false;
        m.SelezionaRiga(i);
        return Scegli(m, prima) && Scegli(m, seconda);
    }
    case Modo::Parola: {
        const int p = PrimaParola(m, i, [&](int, const QString& w) { return TogliSpazi(w) == r; });
        if (p < 0)
            return false;
        GestoDoppioClic(m, i, p);
        return true;
    }
    case Modo::Conta: {
        // Every word not found yet, in the order of the text, until the item
        // closes (a word found turns blue, and only that word).
        const QString testo = m.Casella(i).Testo();
        for (const auto& p : ParoleDelTesto(testo)) {
            if (m.Risolta(i))
                break;
            if (m.ParolaDaTrovare(i, testo.mid(p.first, p.second - p.first))
                && m.Casella(i).ColoreCarattere(p.first) != MotoreEsercizio::Blu)
                GestoDoppioClic(m, i, p.first);
        }
        return m.Risolta(i);
    }
    case Modo::Tratto: {
        const int p = int(m.Casella(i).Testo().indexOf(r));
        if (p < 0 || r.isEmpty())
            return false;
        GestoTratto(m, i, p, int(r.size()));
        return true;
    }
    }
    return false;
}

bool DaiRispostaSbagliata(MotoreEsercizio& m, int i)
{
    const QString r = m.Risposta(i);
    const Modo modo = ModoDelTipo(m.TipoEsercizio());
    if (modo == Modo::Elenco || modo == Modo::DueScelte || modo == Modo::DueSpazi) {
        for (const QString& v : m.Scelte()) {
            const bool sbagliata = modo == Modo::Elenco ? v != r : !r.startsWith(v);
            if (sbagliata) {
                m.SelezionaRiga(i);
                return Scegli(m, v);
            }
        }
        return false;
    }
    const int p = PrimaParola(m, i, [&](int, const QString& w) {
        if (w.trimmed().isEmpty())
            return false;
        return modo == Modo::Conta ? !m.ParolaDaTrovare(i, w) : w != r;
    });
    if (p < 0)
        return false;
    if (modo == Modo::Tratto)
        GestoTratto(m, i, p, int(ParolaInPosizione(m.Casella(i).Testo(), p).second - p));
    else
        GestoDoppioClic(m, i, p);
    return true;
}
