#include "exercise/RegoleRisposta.h"

#include "content/Esercizio.h"

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

bool ParolaDaTrovare(const QString& parola, const QString& chiave)
{
    return parola.size() >= 3 && chiave.contains(parola);
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
