#pragma once
// The printer as the printouts see it: positions in millimetres from the top
// left of the printable area, a current X and Y, and line-by-line printing.
// Ending a line moves X to the left edge and Y down one line of the current
// font. Tests replace the real printer through ImpostaFabbricaStampanti.
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

class Stampante {
public:
    virtual ~Stampante() = default;

    // A4 portrait, black ink, one copy, millimetres; false when no printer can be used.
    virtual bool Inizia() = 0;
    // Sends the document; false when the printer failed at any point.
    virtual bool Fine() = 0;
    virtual double AltezzaStampabile() const = 0;
    virtual void Linea(double x1, double y1, double x2, double y2) = 0;
    virtual void NuovaPagina() = 0;

    void ImpostaFont(const QString& nome) { m_font.setFamily(nome); }
    void ImpostaDimensione(double punti) { m_font.setPointSizeF(punti); }
    void ImpostaGrassetto(bool b) { m_font.setBold(b); }
    void ImpostaCorsivo(bool b) { m_font.setItalic(b); }
    const QFont& Font() const { return m_font; }

    double X() const { return m_x; }
    double Y() const { return m_y; }
    void ImpostaX(double mm) { m_x = mm; }
    void ImpostaY(double mm) { m_y = mm; }

    // Prints text at X, Y; with aCapo the line ends, otherwise X moves past the text.
    void Stampa(const QString& testo, bool aCapo = true);
    // Height of one line of the current font, in millimetres.
    virtual double AltezzaRiga() const;
    virtual double LarghezzaTesto(const QString& testo) const;

protected:
    virtual void DisegnaTesto(double x, double y, const QString& testo) = 0;

private:
    QFont m_font{QStringLiteral("Verdana"), 12};
    double m_x = 0;
    double m_y = 0;
};

using FabbricaStampanti = std::function<std::unique_ptr<Stampante>()>;
std::unique_ptr<Stampante> CreaStampante();
void ImpostaFabbricaStampanti(FabbricaStampanti fabbrica);
// A printer that writes a PDF file (used to check real output).
std::unique_ptr<Stampante> CreaStampantePdf(const QString& file);

// The footer every printout ends its sheets with.
extern const QString IndirizzoWeb;
void StampaPiePagina(Stampante& stampante);

// Prints a text longer than the width (in characters) as several lines broken
// at blanks, each at the left margin; a token longer than the width is cut.
// The caller's text is emptied.
void StampaRigaLunga(Stampante& stampante, double margine, QString& testo, int larghezza);
// Lines as StampaRigaLunga breaks them (without printing).
QStringList SpezzaRiga(const QString& testo, int larghezza);

// The Yes/No question every printout begins with; true on "Sì".
bool ChiediStampa(QWidget* genitore, const QString& titolo, const QString& domanda);
// A started printer in plain Verdana 12, or null when printing is not possible.
std::unique_ptr<Stampante> AvviaStampante();
// The same, showing the printer failure message (with that title) when it is null.
std::unique_ptr<Stampante> AvviaStampante(QWidget* genitore, const QString& titolo);
void MostraErroreStampa(QWidget* genitore, const QString& titolo);
