// The paper version of the loaded exercise.
#include "windows/StampaEsercizio.h"
#include "windows/FinestraEsercizi.h"

#include "platform/Messaggi.h"
#include "platform/Stampante.h"

#include <QStringList>

namespace {
// Lines longer than this are wrapped on the sheet.
const int LarghezzaRiga = 78;
const double Margine = 20;

// One line if it fits, otherwise a wrapped paragraph (which ends with its
// own empty line).
void StampaTestoOppureACapo(Stampante& s, const QString& testo)
{
    if (testo.size() <= LarghezzaRiga) {
        s.ImpostaX(Margine);
        s.Stampa(testo);
        return;
    }
    QString resto = testo;
    StampaACapo(s, Margine, resto, LarghezzaRiga);
}
} // namespace

void StampaACapo(Stampante& stampante, double x, QString& testo, int larghezza)
{
    const QStringList righe = testo.size() > larghezza ? SpezzaRiga(testo, larghezza)
                                                        : QStringList{testo};
    for (const QString& r : righe) {
        stampante.ImpostaX(x);
        stampante.Stampa(r);
    }
    stampante.Stampa(QString());
    testo.clear();
}

void FinestraEsercizi::stampaEsercizio()
{
    const QString titolo = windowTitle();
    if (!ChiediStampa(this, titolo, QStringLiteral("Vuoi stampare la versione su carta di questo esercizio?")))
        return;
    std::unique_ptr<Stampante> s = AvviaStampante(this, titolo);
    if (!s)
        return;

    s->ImpostaY(20);
    s->ImpostaX(20);
    s->Stampa(QStringLiteral("ZELORA"));
    StampaTestoOppureACapo(*s, m_titoloScritto);
    s->ImpostaCorsivo(true);
    StampaTestoOppureACapo(*s, m_consegnaScritta);
    s->Stampa(QString());
    s->ImpostaCorsivo(false);

    for (int i = 0; i < NumeroRighe; ++i) {
        const QString riga = QString::number(i + 1) + QStringLiteral(") ") + m_motore.Frase(i);
        const bool breve = riga.size() <= LarghezzaRiga;
        StampaTestoOppureACapo(*s, riga);
        // A wrapped item already ends with its empty line.
        if (breve)
            s->Stampa(QString());
    }

    StampaPiePagina(*s);
    if (!s->Fine())
        MostraErroreStampa(this, titolo);
}
