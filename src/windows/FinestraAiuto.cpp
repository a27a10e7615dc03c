#include "windows/FinestraAiuto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"

#include <QLabel>

namespace {
const QColor Rosso(255, 0, 0);

// Lines longer than this are broken on paper.
const int LarghezzaStampa = 90;

void StampaRiga(Stampante& s, QString testo)
{
    if (testo.size() <= LarghezzaStampa) {
        s.ImpostaX(20);
        s.Stampa(testo);
    } else {
        StampaRigaLunga(s, 20, testo, LarghezzaStampa);
    }
}
QFont FontTesto()
{
    QFont f(QStringLiteral("Arial"), 12);
    f.setBold(true);
    return f;
}
} // namespace

FinestraAiuto::FinestraAiuto(QWidget* parent)
    : FinestraPagina(parent, Aspetto{"FinestraAiuto", 9600, QColor(255, 255, 224), QColor(128, 0, 0),
                                     FontTesto()})
{
    Titolo()->setText(QStringLiteral("HELP"));
    MostraPagina();
}

bool FinestraAiuto::LeggiPagina(const QString& percorso, Contenuto& contenuto)
{
    LettoreCampi file;
    if (percorso.isEmpty() || !file.Apri(percorso))
        return false;
    if (!file.LeggiTesto(contenuto.titolo))
        return false;
    for (QString& chiave : contenuto.chiavi)
        if (!file.LeggiTesto(chiave))
            return false;
    contenuto.righe.clear();
    QString campo;
    while (!file.FineFile() && file.LeggiTesto(campo))
        contenuto.righe << campo;
    return !contenuto.righe.isEmpty();
}

QString FinestraAiuto::TestoVisibile(const QStringList& righe)
{
    QString testo;
    for (const QString& r : righe)
        testo += r + QStringLiteral("\r\n");
    // The last line keeps its CR only.
    testo.chop(1);
    for (QChar& c : testo) {
        switch (c.unicode()) {
        case 0x00A3: c = QChar(0x00AB); break; // £ -> «
        case u'$': c = QChar(0x00BB); break; // $ -> »
        case u'%': c = QChar(0x201C); break; // % -> “
        case u'&': c = QChar(0x201D); break; // & -> ”
        default: break;
        }
    }
    return testo;
}

void FinestraAiuto::MostraPagina()
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    Contenuto contenuto;
    if (!LeggiPagina(Globali::FileHelp, contenuto)) {
        MostraErrore();
        return;
    }
    Titolo()->setText(contenuto.titolo);
    Pagina()->ImpostaTesto(TestoVisibile(contenuto.righe));
    const QString testo = Pagina()->Testo();

    // "Esempi" is marked together with the colon that normally follows it.
    Evidenzia(testo.indexOf(QStringLiteral("Esempi")), 7);
    for (const QString& chiave : contenuto.chiavi)
        if (!chiave.isEmpty())
            Evidenzia(testo.lastIndexOf(chiave), chiave.size());
    if (!contenuto.titolo.isEmpty())
        Evidenzia(testo.indexOf(contenuto.titolo), contenuto.titolo.size());
    Pagina()->ImpostaSelStart(0);
}

void FinestraAiuto::Evidenzia(int inizio, int lunghezza)
{
    // Nothing to mark when the word is not on the page.
    if (inizio < 0)
        return;
    Pagina()->ImpostaSelezione(inizio, lunghezza);
    Pagina()->ImpostaSelColor(Rosso);
    Pagina()->ImpostaSelBold(true);
}

void FinestraAiuto::MostraErrore()
{
    Pagina()->ImpostaTesto(QStringLiteral("Il file di help per questo esercizio non è disponibile.\r\n"
                                          "E' necessario reinstallare il programma."));
    Pagina()->ImpostaSelStart(0);
    Titolo()->setText(QStringLiteral("Si è verificato un errore."));
    NascondiStampa();
}

void FinestraAiuto::Stampa()
{
    const QString titolo = windowTitle();
    if (!ChiediStampa(this, titolo, QStringLiteral("Vuoi stampare questa pagina?")))
        return;
    // The file is read before the printer starts, so that a failed read
    // never sends half a sheet.
    Contenuto contenuto;
    if (!LeggiPagina(Globali::FileHelp, contenuto)) {
        MostraErroreStampa(this, titolo);
        return;
    }
    std::unique_ptr<Stampante> s = AvviaStampante(this, titolo);
    if (!s)
        return;
    s->ImpostaGrassetto(true);
    s->ImpostaY(20);
    s->ImpostaX(20);
    s->Stampa(QStringLiteral("ZELORA"));
    s->Stampa(QString());
    StampaRiga(*s, contenuto.titolo);
    s->Stampa(QString());
    s->ImpostaDimensione(10);
    s->ImpostaGrassetto(false);
    // Printed as stored: the substitute characters stay as they are.
    for (const QString& riga : contenuto.righe)
        StampaRiga(*s, riga);
    ConcludiStampa(*s, this, titolo);
}
