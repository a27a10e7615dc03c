#include "windows/FinestraAiuto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

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
    : FinestraPagina(parent, Aspetto{"FinestraAiuto", "mnuesci", 9600, QColor(255, 255, 224),
                                     QColor(128, 0, 0), FontTesto()})
    , mnuesci(m_esci)
{
    lblTitolo->setText(QStringLiteral("HELP"));
    connect(mnuesci, &QAction::triggered, this, &FinestraAiuto::mnuesci_Click);

    Form_Load();
}

bool FinestraAiuto::LeggiPagina(const QString& percorso, Pagina& pagina)
{
    LettoreCampi file;
    if (percorso.isEmpty() || !file.Apri(percorso))
        return false;
    if (!file.LeggiTesto(pagina.titolo))
        return false;
    for (QString& chiave : pagina.chiavi)
        if (!file.LeggiTesto(chiave))
            return false;
    pagina.righe.clear();
    QString campo;
    while (!file.FineFile() && file.LeggiTesto(campo))
        pagina.righe << campo;
    return !pagina.righe.isEmpty();
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

void FinestraAiuto::Form_Load()
{
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    Pagina pagina;
    if (!LeggiPagina(Globali::FileHelp, pagina)) {
        MostraErrore();
        return;
    }
    lblTitolo->setText(pagina.titolo);
    Text1->ImpostaTesto(TestoVisibile(pagina.righe));
    const QString testo = Text1->Testo();

    // "Esempi" is marked together with the colon that normally follows it.
    Evidenzia(testo.indexOf(QStringLiteral("Esempi")), 7);
    for (const QString& chiave : pagina.chiavi)
        if (!chiave.isEmpty())
            Evidenzia(testo.lastIndexOf(chiave), chiave.size());
    if (!pagina.titolo.isEmpty())
        Evidenzia(testo.indexOf(pagina.titolo), pagina.titolo.size());
    Text1->ImpostaSelStart(0);
}

void FinestraAiuto::Evidenzia(int inizio, int lunghezza)
{
    // Nothing to mark when the word is not on the page.
    if (inizio < 0)
        return;
    Text1->ImpostaSelezione(inizio, lunghezza);
    Text1->ImpostaSelColor(Rosso);
    Text1->ImpostaSelBold(true);
}

void FinestraAiuto::MostraErrore()
{
    Text1->ImpostaTesto(QStringLiteral("Il file di help per questo esercizio non è disponibile.\r\n"
                                       "E' necessario reinstallare il programma."));
    Text1->ImpostaSelStart(0);
    lblTitolo->setText(QStringLiteral("Si è verificato un errore."));
    Command2->setVisible(false);
    mnustampa->setVisible(false);
}

void FinestraAiuto::mnuesci_Click()
{
    accept();
}

void FinestraAiuto::mnustampa_Click()
{
    const QString titolo = windowTitle();
    if (!ChiediStampa(this, titolo, QStringLiteral("Vuoi stampare questa pagina?")))
        return;
    // The file is read before the printer starts, so that a failed read
    // never sends half a sheet.
    Pagina pagina;
    if (!LeggiPagina(Globali::FileHelp, pagina)) {
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
    StampaRiga(*s, pagina.titolo);
    s->Stampa(QString());
    s->ImpostaDimensione(10);
    s->ImpostaGrassetto(false);
    // Printed as stored: the substitute characters stay as they are.
    for (const QString& riga : pagina.righe)
        StampaRiga(*s, riga);
    StampaPiePagina(*s);
    if (!s->Fine())
        MostraErroreStampa(this, titolo);
}
