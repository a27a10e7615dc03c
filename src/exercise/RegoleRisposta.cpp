#include "exercise/RegoleRisposta.h"

#include "content/Esercizio.h"
#include "platform/TestoFormattato.h"

#include <vector>

Modo ModoDelTipo(int tipo)
{
    switch (tipo) {
    case 5: case 11: case 18: return Modo::DueScelte;
    case 15: return Modo::DueSpazi;
    case 2: return Modo::Conta;
    case 1: case 41: case 42: case 43: case 46: case 48: case 49: return Modo::Parola;
    case 44: case 45: case 50: case 51: case 52: case 53: case 54: return Modo::Tratto;
    default: return Modo::Elenco;
    }
}

bool TipoSoloElenco(int tipo)
{
    return tipo >= 3 && tipo <= 39;
}

bool TogliSceltaUsata(int tipo)
{
    return tipo == 4 || tipo == 6 || tipo == 9 || tipo == 13 || tipo == 15 || tipo == 16;
}

int Posizione(const QString& testo, const QString& cosa)
{
    return cosa.isEmpty() ? 0 : int(testo.indexOf(cosa)) + 1;
}

int UltimaPosizione(const QString& testo, const QString& cosa)
{
    return cosa.isEmpty() ? 0 : int(testo.lastIndexOf(cosa)) + 1;
}

bool TraParentesi(const QString& testo, QChar apre, QChar chiude, int& p, int& q)
{
    p = int(testo.indexOf(apre));
    q = int(testo.indexOf(chiude));
    return p >= 0 && q >= p;
}

Marcatura MarcaturaDelTipo(int tipo)
{
    switch (tipo) {
    case 3: case 6: case 8: case 13: return Marcatura::ChiaveRossa;
    case 12: return Marcatura::ChiaveBlu;
    case 15: return Marcatura::DueParentesiQuadre;
    case 18: return Marcatura::ParentesiQuadra;
    case 47: return Marcatura::Asterisco;
    default: return Marcatura::Nessuna;
    }
}

bool SpaziDelTipo15(const QString& testo, const QString& chiave, DueSpazi& s)
{
    int p = 0, q = 0;
    if (!TraParentesi(testo, QLatin1Char('['), QLatin1Char(']'), p, q))
        return false;
    s.inizio1 = p;
    s.lunghezza1 = q - p + 1;
    QString dopo = testo;
    dopo.replace(p, s.lunghezza1, chiave.left(s.lunghezza1));
    if (!TraParentesi(dopo, QLatin1Char('['), QLatin1Char(']'), p, q))
        return false;
    s.inizio2 = p;
    s.lunghezza2 = q - p + 1;
    return true;
}

QString TestoConDueSpazi(const QString& testo, const QString& chiave, const DueSpazi& s)
{
    QString t = testo;
    t.replace(s.inizio1, s.lunghezza1, chiave.left(s.lunghezza1));
    t.replace(s.inizio2, s.lunghezza2, chiave.right(s.lunghezza2));
    return t;
}

bool MarcaturaPossibile(int tipo, const QString& testo, const QString& chiave)
{
    int p = 0, q = 0;
    DueSpazi spazi;
    switch (MarcaturaDelTipo(tipo)) {
    case Marcatura::ChiaveRossa:
    case Marcatura::ChiaveBlu:
        return testo.indexOf(chiave) >= 0;
    case Marcatura::ParentesiQuadra:
        return TraParentesi(testo, QLatin1Char('['), QLatin1Char(']'), p, q);
    case Marcatura::DueParentesiQuadre:
        return SpaziDelTipo15(testo, chiave, spazi);
    case Marcatura::Asterisco:
        return testo.indexOf(QLatin1Char('*')) >= 0;
    case Marcatura::Nessuna:
        break;
    }
    return true;
}

namespace {
// The suffix automaton of a text: built in time linear in the text, it tells
// whether the text holds a string in time linear in the string. The arcs of
// a state are a list: a text has few distinct characters.
class Sottostringhe {
public:
    explicit Sottostringhe(const QString& testo)
    {
        m_stati.reserve(2 * size_t(testo.size()) + 1);
        m_stati.push_back({});
        int ultimo = 0;
        for (const QChar c : testo)
            ultimo = Aggiungi(ultimo, c.unicode());
    }

    bool Contiene(const QString& s) const
    {
        int stato = 0;
        for (int k = 0; k < s.size() && stato >= 0; ++k)
            stato = Verso(stato, s.at(k).unicode());
        return stato >= 0;
    }

private:
    struct Stato {
        int lunghezza = 0;
        int collegamento = -1;
        int primoArco = -1;
    };
    struct Arco {
        char16_t carattere;
        int verso;
        int prossimo;
    };

    int Verso(int stato, char16_t c) const
    {
        for (int a = m_stati[stato].primoArco; a >= 0; a = m_archi[a].prossimo)
            if (m_archi[a].carattere == c)
                return m_archi[a].verso;
        return -1;
    }

    void ImpostaArco(int stato, char16_t c, int verso)
    {
        for (int a = m_stati[stato].primoArco; a >= 0; a = m_archi[a].prossimo) {
            if (m_archi[a].carattere == c) {
                m_archi[a].verso = verso;
                return;
            }
        }
        m_archi.push_back({c, verso, m_stati[stato].primoArco});
        m_stati[stato].primoArco = int(m_archi.size()) - 1;
    }

    int Aggiungi(int ultimo, char16_t c)
    {
        const int nuovo = int(m_stati.size());
        m_stati.push_back({m_stati[ultimo].lunghezza + 1, -1, -1});
        int p = ultimo;
        for (; p >= 0 && Verso(p, c) < 0; p = m_stati[p].collegamento)
            ImpostaArco(p, c, nuovo);
        if (p < 0) {
            m_stati[nuovo].collegamento = 0;
            return nuovo;
        }
        const int q = Verso(p, c);
        if (m_stati[p].lunghezza + 1 == m_stati[q].lunghezza) {
            m_stati[nuovo].collegamento = q;
            return nuovo;
        }
        const int copia = int(m_stati.size());
        m_stati.push_back({m_stati[p].lunghezza + 1, m_stati[q].collegamento, -1});
        for (int a = m_stati[q].primoArco; a >= 0; a = m_archi[a].prossimo)
            ImpostaArco(copia, m_archi[a].carattere, m_archi[a].verso);
        for (; p >= 0 && Verso(p, c) == q; p = m_stati[p].collegamento)
            ImpostaArco(p, c, copia);
        m_stati[q].collegamento = copia;
        m_stati[nuovo].collegamento = copia;
        return nuovo;
    }

    std::vector<Stato> m_stati;
    std::vector<Arco> m_archi;
};
} // namespace

QSet<QString> ParoleDaTrovare(const QString& testo, const QString& chiave)
{
    const Sottostringhe nellaChiave(chiave);
    QSet<QString> provate, trovate;
    for (const auto& p : ParoleDelTesto(testo)) {
        const QString parola = testo.mid(p.first, p.second - p.first);
        if (parola.size() < 3 || provate.contains(parola))
            continue;
        provate.insert(parola);
        if (nellaChiave.Contiene(parola))
            trovate.insert(parola);
    }
    return trovate;
}

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

TrattoBlu TrattoDellaSoluzione(int tipo, const QString& r, const QString& testoCasella, const QString& chiave)
{
    const int n = int(r.size());
    // 44, 50, 51 and 54 look for the answer in the key; 52 and 53 take its
    // place in the sentence still shown.
    const int inChiave = Posizione(chiave, r);
    const int inFrase = Posizione(testoCasella, r);
    switch (tipo) {
    case 44: return {inChiave > 0, inChiave - 1, n};
    case 45: return {true, 0, n};
    case 50: return {inChiave > 0, inChiave - 2, n + 2};
    case 51: return {inChiave > 0, inChiave - 3, n + 4};
    case 52: return {inFrase > 0 && inFrase <= chiave.size(), inFrase - 1, n + 4};
    // The opening quote stands before the answer: colour from there, or from
    // the start when the answer opens the sentence.
    case 53: return {inFrase > 0, qMax(inFrase, 2) - 2, n + 4};
    case 54: return {inChiave > 0, qMax(inChiave, 2) - 2, n + 2};
    default: return {};
    }
}
