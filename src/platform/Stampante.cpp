#include "platform/Stampante.h"

#include "platform/Messaggi.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

const QString IndirizzoWeb = QStringLiteral("zelora.example.org");

void Stampante::Stampa(const QString& testo, bool aCapo)
{
    DisegnaTesto(m_x, m_y, testo);
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

namespace {

class StampanteQt : public Stampante {
public:
    bool Inizia() override
    {
        if (QPrinterInfo::defaultPrinter().isNull())
            return false;
        m_printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
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
    QPainter m_painter;
};

// Writes the sheets to a PDF file instead of a printer.
class StampantePdf : public StampanteQt {
public:
    explicit StampantePdf(const QString& file) : m_file(file) {}
    bool Inizia() override
    {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_file);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
        return IniziaDisegno();
    }

private:
    QString m_file;
};

FabbricaStampanti& fabbricaCorrente()
{
    static FabbricaStampanti f;
    return f;
}

} // namespace

std::unique_ptr<Stampante> CreaStampante()
{
    if (fabbricaCorrente())
        return fabbricaCorrente()();
    return std::make_unique<StampanteQt>();
}

std::unique_ptr<Stampante> CreaStampantePdf(const QString& file)
{
    return std::make_unique<StampantePdf>(file);
}

void ImpostaFabbricaStampanti(FabbricaStampanti fabbrica)
{
    fabbricaCorrente() = std::move(fabbrica);
}

void StampaPiePagina(Stampante& stampante)
{
    stampante.ImpostaDimensione(8);
    stampante.ImpostaY(stampante.AltezzaStampabile() - 6);
    stampante.ImpostaX(1);
    stampante.Stampa(IndirizzoWeb
                     + QStringLiteral(" progetti e risorse per l'uso attivo del computer a scuola."));
}

QStringList SpezzaRiga(const QString& testo, int larghezza)
{
    QStringList righe;
    QString s = testo;
    if (larghezza < 1)
        larghezza = 1;
    do {
        int k = 0;
        for (int p = qMin(larghezza, int(s.size())); p >= 1; --p) {
            if (s.at(p - 1) == QLatin1Char(' ')) {
                k = p;
                break;
            }
        }
        if (k > 0) {
            righe << s.left(k - 1);
            s = s.mid(k);
        } else {
            // No blank to break at: cut the token at the width.
            righe << s.left(larghezza);
            s = s.mid(larghezza);
        }
    } while (s.size() > larghezza);
    righe << s;
    return righe;
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

std::unique_ptr<Stampante> AvviaStampante()
{
    std::unique_ptr<Stampante> s = CreaStampante();
    if (!s || !s->Inizia())
        return nullptr;
    s->ImpostaFont(QStringLiteral("Verdana"));
    s->ImpostaDimensione(12);
    s->ImpostaGrassetto(false);
    s->ImpostaCorsivo(false);
    return s;
}

std::unique_ptr<Stampante> AvviaStampante(QWidget* genitore, const QString& titolo)
{
    std::unique_ptr<Stampante> s = AvviaStampante();
    if (!s)
        MostraErroreStampa(genitore, titolo);
    return s;
}

void MostraErroreStampa(QWidget* genitore, const QString& titolo)
{
    MostraMessaggio(genitore, Icona::Critico, Pulsanti::OK, titolo,
                    QStringLiteral("Si è verificato un errore, la stampa non è possibile.\r\n"
                                   "Verificare che la stampante sia in funzione."));
}
