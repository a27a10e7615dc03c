#include "windows/FinestraIndice.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"

#include <QLabel>

namespace {

// Widths, in characters, of a title and of an instruction in a column.
const int LarghezzaTitolo = 38;
const int LarghezzaTesto = 40;
// Left edges of the two columns, the line between them, the indent of an
// instruction, in millimetres.
const double ColonnaSinistra = 20;
const double ColonnaDestra = 110;
const double Separatore = 105;
const double Rientro = 10;

int RigheInColonna(const QString& testo, int larghezza)
{
    return int(SpezzaRiga(testo, larghezza).size());
}

void StampaInColonna(Stampante& s, double x, QString testo, int larghezza)
{
    if (testo.size() <= larghezza) {
        s.ImpostaX(x);
        s.Stampa(testo);
    } else {
        StampaRigaLunga(s, x, testo, larghezza);
    }
}
QFont FontTesto()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    return f;
}
} // namespace

FinestraIndice::FinestraIndice(QWidget* parent)
    : FinestraPagina(parent, Aspetto{"FinestraIndice", 8400, QColor(224, 255, 224), QColor(0, 0, 128),
                                     FontTesto()})
{
    MostraIndice();
}

QString FinestraIndice::TestoVisibile()
{
    const QString aCapo = QStringLiteral("\r\n");
    QString testo;
    // Entries a failed read left out show as empty lines.
    for (int n = 0; n <= Globali::UltimoEsercizio; ++n)
        testo += aCapo + Globali::TitoloIndice.value(n) + aCapo + Globali::TestoIndice.value(n) + aCapo;
    return testo;
}

void FinestraIndice::MostraIndice()
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    Titolo()->setText(Globali::CategoriaCorrente + QStringLiteral(" : indice degli esercizi"));
    Pagina()->ImpostaTesto(TestoVisibile());
    const QString testo = Pagina()->Testo();
    // Each selection turns blue through the selection colouring.
    for (int n = 0; n <= Globali::UltimoEsercizio; ++n) {
        const QString titolo = Globali::TitoloIndice.value(n);
        if (titolo.isEmpty())
            continue;
        Pagina()->ImpostaSelezione(testo.indexOf(titolo), titolo.size());
    }
    Pagina()->ImpostaSelStart(0);
}

void FinestraIndice::FinisciPagina(Stampante& s)
{
    StampaPiePagina(s);
    s.Linea(Separatore, 20, Separatore, s.AltezzaStampabile() - 20);
}

void FinestraIndice::Stampa()
{
    const QString titolo = windowTitle();
    if (!ChiediStampa(this, titolo, QStringLiteral("Vuoi stampare questo indice di esercizi?")))
        return;
    std::unique_ptr<Stampante> s = AvviaStampante(this, titolo);
    if (!s)
        return;
    // Two columns to a sheet, each sheet with its footer and the line between them.
    s->ImpostaColonne({0, ColonnaDestra - ColonnaSinistra});
    s->ImpostaFineFoglio(&FinestraIndice::FinisciPagina);
    s->ImpostaGrassetto(true);
    s->ImpostaY(10);
    s->ImpostaX(20);
    s->Stampa(QStringLiteral("ZELORA / ") + Globali::CategoriaCorrente.toUpper()
              + QStringLiteral(" : indice degli esercizi"));
    s->ImpostaGrassetto(false);
    s->Stampa(QString());
    s->ImpostaDimensione(10);

    // Eight exercises to a column; an entry that does not fit goes on in the next one, whole.
    for (int n = 0; n <= Globali::UltimoEsercizio; ++n) {
        if (n > 0 && n % 8 == 0)
            s->ColonnaSuccessiva();
        const QString titoloVoce = Globali::TitoloIndice.value(n), testo = Globali::TestoIndice.value(n);
        s->ImpostaDimensione(8);
        double altezza = RigheInColonna(testo, LarghezzaTesto) * s->AltezzaRiga();
        s->ImpostaDimensione(10);
        s->ImpostaGrassetto(true);
        altezza += RigheInColonna(titoloVoce, LarghezzaTitolo) * s->AltezzaRiga();
        s->RiservaSpazio(altezza);
        StampaInColonna(*s, ColonnaSinistra, titoloVoce, LarghezzaTitolo);
        s->ImpostaDimensione(8);
        s->ImpostaGrassetto(false);
        StampaInColonna(*s, ColonnaSinistra + Rientro, testo, LarghezzaTesto);
        s->Stampa(QString());
    }
    if (ConcludiStampa(*s, this, titolo))
        accept();
}
