#include "exercise/RispostaGiusta.h"

#include "exercise/MotoreEsercizio.h"
#include "exercise/RegoleRisposta.h"

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

// A first and a second entry of the list that make the answer.
bool DueVoci(const MotoreEsercizio& m, const QString& r, bool dueSpazi, QString& prima, QString& seconda)
{
    const QStringList& v = m.Scelte();
    for (int k = 0; k < v.size(); ++k) {
        if (v[k].isEmpty() || !r.startsWith(v[k]))
            continue;
        QStringList resto = v;
        resto.removeAt(k);
        for (const QString& s : (dueSpazi ? resto : v)) {
            const bool fa = dueSpazi ? !s.isEmpty() && r.endsWith(s) && v[k].size() + s.size() == r.size()
                                     : v[k] + s == r || s == r;
            if (fa) {
                prima = v[k];
                seconda = s;
                return true;
            }
        }
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
    const QString chiave = m.Chiave(i);
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
    case Modo::Conta:
        // Every word not found yet, until the item closes.
        while (!m.Risolta(i)) {
            const TestoFormattato& c = m.Casella(i);
            const int p = PrimaParola(m, i, [&](int pos, const QString& w) {
                return ParolaDaTrovare(w, chiave) && c.ColoreCarattere(pos) != MotoreEsercizio::Blu;
            });
            if (p < 0)
                return false;
            GestoDoppioClic(m, i, p);
        }
        return true;
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
    const QString chiave = m.Chiave(i);
    const int p = PrimaParola(m, i, [&](int, const QString& w) {
        if (w.trimmed().isEmpty())
            return false;
        return modo == Modo::Conta ? !ParolaDaTrovare(w, chiave) : w != r;
    });
    if (p < 0)
        return false;
    if (modo == Modo::Tratto)
        GestoTratto(m, i, p, int(ParolaInPosizione(m.Casella(i).Testo(), p).second - p));
    else
        GestoDoppioClic(m, i, p);
    return true;
}
