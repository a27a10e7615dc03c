#include "platform/Stampante.h"

#include "platform/Messaggi.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <optional>

#ifndef ZELORA_INDIRIZZO_WEB
#define ZELORA_INDIRIZZO_WEB ""
#endif
#ifndef ZELORA_VERSIONE
#define ZELORA_VERSIONE ""
#endif

// A school or distributor sets its own address at build time; a placeholder
// is never shown.
const QString IndirizzoWeb = QStringLiteral(ZELORA_INDIRIZZO_WEB).isEmpty()
    ? QStringLiteral("Zelora " ZELORA_VERSIONE).trimmed()
    : QStringLiteral(ZELORA_INDIRIZZO_WEB);

void Stampante::Stampa(const QString& testo, bool aCapo)
{
    // An empty line only moves down: the next line with text finds the new
    // column, so that no column starts with an empty line.
    if (!testo.isEmpty() && !m_inChiusura) {
        if (m_y + AltezzaRiga() > FondoCorpo())
            ColonnaSuccessiva();
        m_colonnaVuota = false;
    }
    DisegnaTesto(m_x + m_colonne.value(m_colonna), m_y, testo);
    if (aCapo) {
        m_x = 0;
        m_y += AltezzaRiga();
    } else {
        m_x += LarghezzaTesto(testo);
    }
}

double Stampante::AltezzaRiga() const
{
    // Points to millimetres, with the usual line spacing of about 1.2.
    return m_font.pointSizeF() * 25.4 / 72.0 * 1.2;
}

double Stampante::LarghezzaTesto(const QString& testo) const
{
    QFontMetricsF fm(m_font);
    // The metrics are at screen resolution; convert through the logical dpi of 96.
    return fm.horizontalAdvance(testo) * 25.4 / 96.0;
}

void Stampante::ColonnaSuccessiva()
{
    if (m_colonna + 1 < m_colonne.size()) {
        ++m_colonna;
        m_y = MargineSuperiore;
        m_colonnaVuota = true;
    } else {
        NuovoFoglio();
    }
}

void Stampante::NuovoFoglio()
{
    FinisciFoglio();
    NuovaPagina();
    m_colonna = 0;
    m_y = MargineSuperiore;
    m_colonnaVuota = true;
}

void Stampante::FinisciFoglio()
{
    // The footer has its own font and place; the body goes on as it was.
    const QFont font = m_font;
    const double x = m_x, y = m_y;
    const int colonna = m_colonna;
    m_inChiusura = true;
    m_colonna = 0;
    if (m_fineFoglio)
        m_fineFoglio(*this);
    else
        StampaPiePagina(*this);
    m_inChiusura = false;
    m_colonna = colonna;
    m_font = font;
    m_x = x;
    m_y = y;
}

void Stampante::RiservaSpazio(double mm)
{
    if (!m_colonnaVuota && m_y + mm > FondoCorpo())
        ColonnaSuccessiva();
}

namespace {

class StampanteQt : public Stampante {
public:
    explicit StampanteQt(const QString& nome = QString()) : m_nome(nome) {}
    bool Inizia() override
    {
        if (m_nome.isEmpty())
            return false;
        m_printer.setPrinterName(m_nome);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(Orizzontale() ? QPageLayout::Landscape : QPageLayout::Portrait);
        m_printer.setColorMode(QPrinter::GrayScale);
        m_printer.setCopyCount(1);
        m_printer.setDocName(QStringLiteral("Zelora"));
        return IniziaDisegno();
    }
    bool Fine() override
    {
        if (!m_painter.isActive())
            return false;
        return m_painter.end() && m_printer.printerState() != QPrinter::Error;
    }
    double AltezzaStampabile() const override
    {
        return m_printer.pageLayout().paintRect(QPageLayout::Millimeter).height();
    }
    void Linea(double x1, double y1, double x2, double y2) override
    {
        m_painter.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
    }
    void NuovaPagina() override { m_printer.newPage(); }
    double AltezzaRiga() const override
    {
        return QFontMetricsF(Font(), const_cast<QPrinter*>(&m_printer)).lineSpacing() * 25.4
            / m_printer.resolution();
    }
    double LarghezzaTesto(const QString& testo) const override
    {
        return QFontMetricsF(Font(), const_cast<QPrinter*>(&m_printer)).horizontalAdvance(testo)
            * 25.4 / m_printer.resolution();
    }

protected:
    bool IniziaDisegno()
    {
        if (!m_painter.begin(&m_printer))
            return false;
        m_painter.setPen(Qt::black);
        return true;
    }
    void DisegnaTesto(double x, double y, const QString& testo) override
    {
        QFont f(Font());
        m_painter.setFont(f);
        QFontMetricsF fm(f, &m_printer);
        m_painter.drawText(QPointF(px(x), px(y) + fm.ascent()), testo);
    }

    QPrinter m_printer{QPrinter::HighResolution};

private:
    double px(double mm) const { return mm * m_printer.resolution() / 25.4; }
    QString m_nome;
    QPainter m_painter;
};

// Writes the sheets to a PDF file instead of a printer.
class StampantePdf : public StampanteQt {
public:
    StampantePdf(const QString& file, bool daAnnunciare) : m_file(file), m_daAnnunciare(daAnnunciare) {}
    bool Inizia() override
    {
        QDir().mkpath(QFileInfo(m_file).absolutePath());
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_file);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(Orizzontale() ? QPageLayout::Landscape : QPageLayout::Portrait);
        m_printer.setDocName(QStringLiteral("Zelora"));
        return IniziaDisegno();
    }
    QString FileSalvato() const override { return m_daAnnunciare ? m_file : QString(); }

private:
    QString m_file;
    bool m_daAnnunciare;
};

FabbricaStampanti& fabbricaCorrente()
{
    static FabbricaStampanti f;
    return f;
}

// A new file in the documents folder, named after the printout and the time.
QString NuovoFilePdf(const QString& titolo)
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString nome = titolo;
    nome.replace(QLatin1Char(':'), QString()).replace(QLatin1Char('/'), QLatin1Char('-'));
    nome += QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd hh.mm.ss"));
    QString file = cartella + QLatin1Char('/') + nome + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = cartella + QStringLiteral("/%1 (%2).pdf").arg(nome).arg(n);
    return file;
}

// The real printer the sheets go to; nothing when the teacher gives up.
std::optional<std::unique_ptr<Stampante>> ScegliStampante(QWidget* genitore, const QString& titolo)
{
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (!predefinita.isNull())
        return std::make_unique<StampanteQt>(predefinita.printerName());
    const QStringList stampanti = QPrinterInfo::availablePrinterNames();
    if (stampanti.size() == 1)
        return std::make_unique<StampanteQt>(stampanti.first());
    if (stampanti.size() > 1) {
        const int k = ScegliDaElenco(genitore, titolo,
                                     QStringLiteral("Nessuna stampante è impostata come predefinita.\r\n"
                                                    "Scegli la stampante da usare:"),
                                     stampanti);
        if (k < 0 || k >= stampanti.size())
            return std::nullopt;
        return std::make_unique<StampanteQt>(stampanti.at(k));
    }
    const QString cartella = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (MostraMessaggio(genitore, Icona::Domanda, Pulsanti::SiNo, titolo,
                        QStringLiteral("Non è installata nessuna stampante.\r\n"
                                       "Vuoi salvare i fogli in un file PDF nella cartella %1?")
                            .arg(cartella))
        != Risposta::Si)
        return std::nullopt;
    return std::make_unique<StampantePdf>(NuovoFilePdf(titolo), true);
}

} // namespace

std::unique_ptr<Stampante> CreaStampantePdf(const QString& file)
{
    return std::make_unique<StampantePdf>(file, false);
}

void ImpostaFabbricaStampanti(FabbricaStampanti fabbrica)
{
    fabbricaCorrente() = std::move(fabbrica);
}

void StampaPiePagina(Stampante& stampante)
{
    // Whatever the body was printed in: a sheet may end in the middle of it.
    stampante.ImpostaFont(QStringLiteral("Verdana"));
    stampante.ImpostaGrassetto(false);
    stampante.ImpostaCorsivo(false);
    stampante.ImpostaDimensione(8);
    stampante.ImpostaY(stampante.AltezzaStampabile() - 6);
    stampante.ImpostaX(1);
    stampante.Stampa(IndirizzoWeb
                     + QStringLiteral(" progetti e risorse per l'uso attivo del computer a scuola."));
}

void StampaRigaLunga(Stampante& stampante, double margine, QString& testo, int larghezza)
{
    const QStringList righe = SpezzaRiga(testo, larghezza);
    for (const QString& r : righe) {
        stampante.ImpostaX(margine);
        stampante.Stampa(r);
    }
    testo.clear();
}

bool ChiediStampa(QWidget* genitore, const QString& titolo, const QString& domanda)
{
    return MostraMessaggio(genitore, Icona::Domanda, Pulsanti::SiNo, titolo, domanda) == Risposta::Si;
}

std::unique_ptr<Stampante> AvviaStampante(QWidget* genitore, const QString& titolo, bool orizzontale)
{
    std::unique_ptr<Stampante> s;
    if (fabbricaCorrente()) {
        s = fabbricaCorrente()();
    } else {
        std::optional<std::unique_ptr<Stampante>> scelta = ScegliStampante(genitore, titolo);
        if (!scelta)
            return nullptr;
        s = std::move(*scelta);
    }
    if (s)
        s->ImpostaOrizzontale(orizzontale);
    if (!s || !s->Inizia()) {
        MostraErroreStampa(genitore, titolo);
        return nullptr;
    }
    s->ImpostaFont(QStringLiteral("Verdana"));
    s->ImpostaDimensione(12);
    s->ImpostaGrassetto(false);
    s->ImpostaCorsivo(false);
    return s;
}

bool ConcludiStampa(Stampante& stampante, QWidget* genitore, const QString& titolo)
{
    stampante.FinisciFoglio();
    if (!stampante.Fine()) {
        MostraErroreStampa(genitore, titolo);
        return false;
    }
    const QString file = stampante.FileSalvato();
    if (!file.isEmpty())
        MostraMessaggio(genitore, Icona::Informazione, Pulsanti::OK, titolo,
                        QStringLiteral("I fogli sono stati salvati nel file:\r\n")
                            + QDir::toNativeSeparators(file));
    return true;
}

void MostraErroreStampa(QWidget* genitore, const QString& titolo)
{
    MostraMessaggio(genitore, Icona::Critico, Pulsanti::OK, titolo,
                    QStringLiteral("Si è verificato un errore, la stampa non è possibile.\r\n"
                                   "Verificare che la stampante sia in funzione."));
}
