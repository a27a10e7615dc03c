// Answering by choosing an entry of the list.
#include "windows/FinestraEsercizi.h"

#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "platform/Messaggi.h"

#include <QAction>
#include <QFrame>
#include <QListWidget>

namespace {

// Searches give 0-based positions here, -1 when nothing is found; an edit
// that needs something the item does not hold is skipped.

void ColoraTutto(CasellaTesto* c, const QColor& colore)
{
    c->ImpostaSelezione(0, int(c->Testo().size()));
    c->ImpostaSelColor(colore);
}

// Colours n characters from a found position; nothing when not found.
void ColoraDa(CasellaTesto* c, int p, int n, const QColor& colore)
{
    if (p < 0 || n <= 0)
        return;
    c->ImpostaSelezione(p, n);
    c->ImpostaSelColor(colore);
}

void ColoraPrima(CasellaTesto* c, const QString& s, const QColor& colore, int oltre = 0)
{
    if (!s.isEmpty())
        ColoraDa(c, int(c->Testo().indexOf(s)), int(s.size()) + oltre, colore);
}

void ColoraUltima(CasellaTesto* c, const QString& s, const QColor& colore)
{
    if (!s.isEmpty())
        ColoraDa(c, int(c->Testo().lastIndexOf(s)), int(s.size()), colore);
}

// A new whole text that keeps the look of the old first character, as the
// list kinds expect when they colour a box before rewriting it.
void RiscriviTesto(CasellaTesto* c, const QString& testo)
{
    c->ImpostaSelezione(0, int(c->Testo().size()));
    c->SostituisciSelezione(testo);
}

// The box text without its closing line break.
QString SenzaACapo(const QString& testo)
{
    return testo.endsWith(QLatin1String("\r\n")) ? testo.chopped(2) : testo;
}

// Replaces n characters from p by a text, in blue.
void SostituisciInBlu(CasellaTesto* c, int p, int n, const QString& nuovo)
{
    if (p < 0 || n <= 0)
        return;
    c->ImpostaSelezione(p, n);
    c->ImpostaSelColor(FinestraEsercizi::Blu);
    c->SostituisciSelezione(nuovo);
}

// Replaces the span from the first "(" to the first ")" inclusive.
void SostituisciParentesiInBlu(CasellaTesto* c, const QString& nuovo)
{
    const QString t = c->Testo();
    const int p = int(t.indexOf(QLatin1Char('(')));
    const int q = int(t.indexOf(QLatin1Char(')')));
    if (p >= 0 && q >= p)
        SostituisciInBlu(c, p, q - p + 1, nuovo);
}

void TogliVoce(QListWidget* lista, int riga)
{
    if (riga >= 0 && riga < lista->count())
        delete lista->takeItem(riga);
}

} // namespace

void FinestraEsercizi::List1_Click()
{
    Shape1->setVisible(false);
    if (RigaCorrente < 0 || RigaCorrente >= NumeroRighe) {
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                        QStringLiteral("Clicca prima un riquadro dell'esercizio."));
        return;
    }
    const int riga = List1->currentRow();
    if (riga < 0)
        return;
    const QString scelta = List1->item(riga)->text();
    const int r = RigaCorrente;
    CasellaTesto* casella = Testo[r];

    // Counts a wrong choice; the pupil selects the item again.
    auto sbagliata = [this, r] {
        RispostaParziale.clear();
        PassoRisposta = 0;
        ContaErrore();
        lblrisposta[r]->ImpostaBackColor(Rosso);
        RigaCorrente = 100;
    };

    switch (TipoEsercizio) {
    case 5: case 11: case 18:
        // Two choices make the answer; the first must begin it.
        PassoRisposta += 1;
        RispostaParziale += scelta;
        if (PassoRisposta == 1) {
            if (!Risposta[r].startsWith(RispostaParziale))
                sbagliata();
            return;
        }
        break;
    case 15:
        // Two blanks, one choice each; the first stays filled after a wrong second.
        PassoRisposta += 1;
        RispostaParziale = scelta;
        if (PassoRisposta == 1) {
            if (!Risposta[r].startsWith(scelta)) {
                sbagliata();
                return;
            }
            SostituisciParentesiInBlu(casella, scelta);
            casella->ImpostaSelStart(0);
            TogliVoce(List1, riga);
            return;
        }
        if (!Risposta[r].endsWith(scelta)) {
            RispostaParziale.clear();
            PassoRisposta = 1;
            ContaErrore();
            lblrisposta[r]->ImpostaBackColor(Rosso);
            return;
        }
        Risposta[r] = scelta;
        break;
    default:
        break;
    }

    mnuerrori->setVisible(true);
    if (Risposta[r] != scelta && Risposta[r] != RispostaParziale) {
        sbagliata();
        return;
    }

    bool cambiata = true;
    bool togli = false;
    switch (TipoEsercizio) {
    case 3: case 13:
        ColoraTutto(casella, Nero);
        Risposta[r] = QStringLiteral(" [") + Risposta[r] + QStringLiteral("]");
        RiscriviTesto(casella, SenzaACapo(casella->Testo()) + Risposta[r]);
        ColoraUltima(casella, Risposta[r], Rosso);
        ColoraPrima(casella, Chiave[r], Blu);
        togli = TipoEsercizio == 13;
        break;
    case 4:
        ColoraTutto(casella, Blu);
        Risposta[r] = QStringLiteral(" [") + Risposta[r] + QStringLiteral("]");
        RiscriviTesto(casella, SenzaACapo(casella->Testo()) + Risposta[r]);
        ColoraPrima(casella, Risposta[r], Rosso);
        ColoraPrima(casella, Chiave[r], Blu);
        togli = true;
        break;
    case 5:
        ColoraPrima(casella, Chiave[r], Blu);
        RispostaParziale.clear();
        PassoRisposta = 0;
        break;
    case 6: case 8:
        if (!Chiave[r].isEmpty())
            SostituisciInBlu(casella, int(casella->Testo().indexOf(Chiave[r])), int(Chiave[r].size()),
                             Risposta[r]);
        togli = TipoEsercizio == 6;
        break;
    case 7: case 9: case 10:
        ColoraTutto(casella, Blu);
        RiscriviTesto(casella, Chiave[r]);
        togli = TipoEsercizio == 9;
        break;
    case 11:
        SostituisciParentesiInBlu(casella, Chiave[r]);
        RispostaParziale.clear();
        PassoRisposta = 0;
        break;
    case 12:
        SostituisciInBlu(casella, int(casella->Testo().indexOf(QLatin1String("..."))), 3, Risposta[r]);
        break;
    case 14:
        SostituisciInBlu(casella, int(casella->Testo().indexOf(QLatin1String("(...)"))), 5, Chiave[r]);
        break;
    case 15:
        SostituisciParentesiInBlu(casella, scelta);
        RispostaParziale.clear();
        PassoRisposta = 0;
        togli = true;
        break;
    case 16:
        RiscriviTesto(casella, SenzaACapo(casella->Testo()) + Risposta[r]);
        ColoraPrima(casella, Risposta[r], Blu);
        togli = true;
        break;
    case 18: {
        // The bracketed gap takes the key, keeping the red it got at load.
        const int p = int(casella->Testo().indexOf(QLatin1Char('[')));
        if (p >= 0) {
            casella->ImpostaSelezione(p, int(Chiave[r].size()) + 2);
            casella->SostituisciSelezione(Chiave[r]);
        }
        RiscriviTesto(casella, casella->Testo() + QStringLiteral("\r\n        ") + Risposta[r]);
        ColoraUltima(casella, Risposta[r], Rosso);
        ColoraPrima(casella, Chiave[r], Blu, 1);
        RispostaParziale.clear();
        PassoRisposta = 0;
        break;
    }
    case 47:
        RiscriviTesto(casella, Chiave[r]);
        ColoraTutto(casella, Blu);
        break;
    default:
        cambiata = false;
        break;
    }
    if (cambiata)
        casella->ImpostaSelStart(0);
    if (togli)
        TogliVoce(List1, riga);
    ProceduraRispostaEsatta(r);
}
