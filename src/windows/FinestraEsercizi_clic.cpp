// Answering by double-clicking a word or marking a stretch of an item box.
#include "windows/FinestraEsercizi.h"

#include "windows/RispostaTesto.h"
#include "platform/CasellaTesto.h"

#include <QAction>

namespace RispostaTesto {

int Posizione(const QString& testo, const QString& cosa)
{
    if (cosa.isEmpty())
        return 0;
    return int(testo.indexOf(cosa)) + 1;
}

int UltimaPosizione(const QString& testo, const QString& cosa)
{
    if (cosa.isEmpty())
        return 0;
    return int(testo.lastIndexOf(cosa)) + 1;
}

void ColoraTratto(CasellaTesto* casella, int inizio, int lunghezza, const QColor& colore)
{
    int fine = inizio + lunghezza;
    inizio = qMax(0, inizio);
    fine = qMin(fine, int(casella->Testo().size()));
    if (fine <= inizio)
        return;
    casella->ImpostaSelezione(inizio, fine - inizio);
    casella->ImpostaSelColor(colore);
}

void ColoraTutto(CasellaTesto* casella, const QColor& colore)
{
    ColoraTratto(casella, 0, int(casella->Testo().size()), colore);
}

void SostituisciTesto(CasellaTesto* casella, const QString& testo)
{
    casella->ImpostaTesto(testo);
}

void RispostaSbagliata(FinestraEsercizi& finestra, int indice)
{
    CasellaTesto* casella = finestra.Testo[indice];
    finestra.ContaErrore();
    casella->ImpostaSelColor(FinestraEsercizi::Rosso);
    casella->ImpostaSelLength(0);
    casella->ImpostaSelStart(0);
    finestra.AggiornaFinestra();
}

void ChiudiRispostaEsatta(FinestraEsercizi& finestra, int indice)
{
    finestra.Testo[indice]->ImpostaSelStart(0);
    finestra.ProceduraRispostaEsatta(indice);
}

} // namespace RispostaTesto

using namespace RispostaTesto;

namespace {

// The number a label shows under its line break; 0 when there is none.
int NumeroDaCaption(const QString& caption)
{
    const QString t = caption.trimmed();
    int i = 0;
    bool negativo = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negativo = t.at(i) == QLatin1Char('-');
        ++i;
    }
    int n = 0;
    while (i < t.size() && t.at(i).isDigit() && n < 100000) {
        n = n * 10 + t.at(i).digitValue();
        ++i;
    }
    return negativo ? -n : n;
}

// Kind 1: the sentence turns black and the answer, or the note in square
// brackets after the sentence, turns blue.
void MostraTipo1(FinestraEsercizi& f, int i)
{
    CasellaTesto* casella = f.Testo[i];
    if (!f.Chiave[i].isEmpty()) {
        QString testo = casella->Testo();
        if (testo.endsWith(QLatin1String("\r\n")))
            testo.chop(2);
        casella->ImpostaTesto(testo);
        ColoraTutto(casella, FinestraEsercizi::Nero);
        f.Chiave[i] = QStringLiteral(" [") + f.Chiave[i] + QStringLiteral("]");
        casella->ImpostaTesto(casella->Testo() + f.Chiave[i]);
        const int p = Posizione(casella->Testo(), f.Chiave[i]);
        if (p > 0)
            ColoraTratto(casella, p - 1, int(f.Chiave[i].size()), FinestraEsercizi::Blu);
    } else {
        ColoraTutto(casella, FinestraEsercizi::Nero);
        const int p = UltimaPosizione(casella->Testo(), f.Risposta[i]);
        if (p > 0)
            ColoraTratto(casella, p - 1, int(f.Risposta[i].size()), FinestraEsercizi::Blu);
    }
}

// Kinds 41, 43, 46, 48 and 49: the key replaces the sentence, blue up to its
// first mark, red after it. A missing mark leaves p at 0 on purpose.
void MostraConSegno(FinestraEsercizi& f, int i)
{
    CasellaTesto* casella = f.Testo[i];
    SostituisciTesto(casella, f.Chiave[i]);
    const QString segno = SegnoDelTipo(f.TipoEsercizio);
    const int p = Posizione(casella->Testo(), segno);
    const int m = int(segno.size());
    const int l = int(casella->Testo().size());
    ColoraTratto(casella, 0, p + m - 1, FinestraEsercizi::Blu);
    ColoraTratto(casella, p + m - 1, l - p - m + 1, FinestraEsercizi::Rosso);
}

// Kind 42: the key takes the place of the first occurrence of the answer.
void MostraTipo42(FinestraEsercizi& f, int i)
{
    CasellaTesto* casella = f.Testo[i];
    const QString testo = casella->Testo();
    const int p = Posizione(testo, f.Risposta[i]);
    if (p == 0)
        return;
    casella->ImpostaTesto(testo.left(p - 1) + f.Chiave[i] + testo.mid(p - 1 + f.Risposta[i].size()));
    const int q = Posizione(casella->Testo(), f.Chiave[i]);
    if (q > 0)
        ColoraTratto(casella, q - 1, int(f.Chiave[i].size()), FinestraEsercizi::Rosso);
}

void RispostaParola(FinestraEsercizi& f, int i)
{
    if (f.Selezione[i] != f.Risposta[i]) {
        RispostaSbagliata(f, i);
        return;
    }
    switch (f.TipoEsercizio) {
    case 1: MostraTipo1(f, i); break;
    case 42: MostraTipo42(f, i); break;
    default: MostraConSegno(f, i); break;
    }
    ChiudiRispostaEsatta(f, i);
}

// Kind 2: every word of the key has to be found; the label counts down.
void CercaParola(FinestraEsercizi& f, int i)
{
    CasellaTesto* casella = f.Testo[i];
    if (f.Selezione[i].size() < 3) {
        RispostaSbagliata(f, i);
        return;
    }
    const std::optional<QColor> colore = casella->SelColor();
    if (colore && colore->rgb() == FinestraEsercizi::Blu.rgb()) {
        // Found before: costs nothing, counts nothing.
        casella->ImpostaSelLength(0);
        f.AggiornaFinestra();
        return;
    }
    if (f.Chiave[i].contains(f.Selezione[i])) {
        f.ParoleTrovate[i] += 1;
        EtichettaNumero* etichetta = f.lblrisposta[i];
        etichetta->ImpostaCaption(QStringLiteral("\r\n")
                                  + QString::number(NumeroDaCaption(etichetta->Caption()) - 1));
        casella->ImpostaSelColor(FinestraEsercizi::Blu);
        casella->ImpostaSelLength(0);
        casella->ImpostaSelStart(0);
        f.AggiornaFinestra();
        if (f.ParoleTrovate[i] == f.Conteggio[i]) {
            etichetta->ImpostaForeColor(FinestraEsercizi::Blu);
            casella->ImpostaSelStart(0);
            f.AggiornaFinestra();
            f.ProceduraRispostaEsatta(i);
        }
        return;
    }
    casella->ImpostaSelColor(FinestraEsercizi::Rosso);
    casella->ImpostaSelLength(0);
    casella->ImpostaSelStart(0);
    f.AggiornaFinestra();
    f.ContaErrore();
}

} // namespace

void FinestraEsercizi::Testo_DblClick(int indice)
{
    if (indice < 0 || indice >= NumeroRighe)
        return;
    Testo[indice]->NascondiCursore();
    if (TipoEsercizio >= 3 && TipoEsercizio <= 39) {
        // List kinds: the word the box just selected must not stay selected.
        Testo[indice]->ImpostaSelStart(0);
        return;
    }
    ModoClic = 2;
}

void FinestraEsercizi::Testo_MouseUp(int indice)
{
    switch (TipoEsercizio) {
    case 44: case 45: case 50: case 51: case 52: case 54:
        ModoClic = 2;
        Testo_SelChange(indice);
        break;
    case 53:
        ModoClic = 3;
        Testo_SelChange(indice);
        break;
    default:
        break;
    }
}

void FinestraEsercizi::Testo_SelChange(int indice)
{
    if (indice < 0 || indice >= NumeroRighe)
        return;
    CasellaTesto* casella = Testo[indice];
    casella->NascondiCursore();
    if (TipoEsercizio >= 3 && TipoEsercizio <= 39)
        return;
    // Only a change that follows a double-click or a release is an answer;
    // the many changes the edits below raise come back here and stop.
    if (ModoClic < 2)
        return;
    ModoClic = 0;
    mnuerrori->setVisible(true);
    Selezione[indice] = TogliSpazi(casella->SelText());
    switch (TipoEsercizio) {
    case 1: case 41: case 42: case 43: case 46: case 48: case 49:
        RispostaParola(*this, indice);
        break;
    case 2:
        CercaParola(*this, indice);
        break;
    case 44: case 45: case 50: case 51: case 52: case 53: case 54:
        RispostaTratto(*this, indice);
        break;
    default:
        break;
    }
}
