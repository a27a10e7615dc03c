#pragma once
// The printer as the printouts see it: positions in millimetres from the top
// left of the printable area, a current X and Y, and line-by-line printing.
// Ending a line moves X to the left edge and Y down one line of the current
// font. Tests replace the real printer through ImpostaFabbricaStampanti.
//
// Sheets continue by themselves: a line with text that would come below the
// body's bottom goes on at the top of the next column or, after the last
// column, of a new sheet; every sheet ends with its footer (and whatever the
// printout adds to it). So no printout loses a line or prints over its footer.
#include "content/Impaginazione.h"

#include <QFont>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

class Stampante {
public:
    // The body ends this far above the bottom of the printable area, clear of the footer.
    static constexpr double MargineInferiore = 14;
    // Where the body goes on in a new column or on a new sheet.
    static constexpr double MargineSuperiore = 20;

    virtual ~Stampante() = default;

    // A4 portrait (landscape when set), black ink, one copy, millimetres;
    // false when no printer can be used.
    virtual bool Inizia() = 0;
    // Sends the document; false when the printer failed at any point.
    virtual bool Fine() = 0;
    virtual double AltezzaStampabile() const = 0;
    virtual void Linea(double x1, double y1, double x2, double y2) = 0;
    virtual void NuovaPagina() = 0;
    // The file the sheets went to, for a teacher to be told; empty for a printer.
    virtual QString FileSalvato() const { return QString(); }

    // The sheets' orientation, before Inizia.
    void ImpostaOrizzontale(bool orizzontale) { m_orizzontale = orizzontale; }
    bool Orizzontale() const { return m_orizzontale; }

    void ImpostaFont(const QString& nome) { m_font.setFamily(nome); }
    void ImpostaDimensione(double punti) { m_font.setPointSizeF(punti); }
    void ImpostaGrassetto(bool b) { m_font.setBold(b); }
    void ImpostaCorsivo(bool b) { m_font.setItalic(b); }
    const QFont& Font() const { return m_font; }

    // X counts from the left edge of the current column.
    double X() const { return m_x; }
    double Y() const { return m_y; }
    void ImpostaX(double mm) { m_x = mm; }
    void ImpostaY(double mm) { m_y = mm; }

    // Prints text at X, Y; with aCapo the line ends, otherwise X moves past the text.
    void Stampa(const QString& testo, bool aCapo = true);
    // Height of one line of the current font, in millimetres.
    virtual double AltezzaRiga() const;
    virtual double LarghezzaTesto(const QString& testo) const;

    // What ends every sheet; the footer alone unless a printout sets more.
    void ImpostaFineFoglio(std::function<void(Stampante&)> fine) { m_fineFoglio = std::move(fine); }
    // Left edges of the columns of a sheet, in millimetres added to X; one column at 0 unless set.
    void ImpostaColonne(const QList<double>& scostamenti) { m_colonne = scostamenti; }
    // The top of the next column, or of the first column of a new sheet.
    void ColonnaSuccessiva();
    // Ends the sheet and goes on at the top of the first column of a new one.
    void NuovoFoglio();
    // Ends the sheet in hand: its footer and what the printout adds.
    void FinisciFoglio();
    // Goes on in the next column unless mm of body still fit below Y (so that
    // lines that belong together stay together); a column still empty stays.
    void RiservaSpazio(double mm);
    double FondoCorpo() const { return AltezzaStampabile() - MargineInferiore; }

protected:
    virtual void DisegnaTesto(double x, double y, const QString& testo) = 0;

private:
    QFont m_font{QStringLiteral("Verdana"), 12};
    double m_x = 0;
    double m_y = 0;
    std::function<void(Stampante&)> m_fineFoglio;
    QList<double> m_colonne{0};
    int m_colonna = 0;
    bool m_colonnaVuota = true;
    bool m_inChiusura = false; // the footer is printed below the body's bottom
    bool m_orizzontale = false;
};

using FabbricaStampanti = std::function<std::unique_ptr<Stampante>()>;
// Replaces the real printer and the choice of it (tests); an empty function restores them.
void ImpostaFabbricaStampanti(FabbricaStampanti fabbrica);
// A printer that writes a PDF file (used to check real output).
std::unique_ptr<Stampante> CreaStampantePdf(const QString& file);

// What the footer and the exercise window show: the web address set at build
// time, or else the program's name and version.
extern const QString IndirizzoWeb;
// The footer every sheet ends with.
void StampaPiePagina(Stampante& stampante);

// Prints a text longer than the width (in characters) as several lines broken
// at blanks, each at the left margin; a token longer than the width is cut.
// The caller's text is emptied.
void StampaRigaLunga(Stampante& stampante, double margine, QString& testo, int larghezza);

// The Yes/No question every printout begins with; true on "Sì".
bool ChiediStampa(QWidget* genitore, const QString& titolo, const QString& domanda);
// A started printer in plain Verdana 12 (on landscape sheets when asked), or null. The default printer; without
// one, the only printer, or the one the teacher picks from a list; with no
// printer at all, a PDF file in the documents folder if the teacher agrees.
// A printer that cannot start is reported (with that title); a choice given
// up is not.
std::unique_ptr<Stampante> AvviaStampante(QWidget* genitore, const QString& titolo, bool orizzontale = false);
// Ends the last sheet and the document; reports a failure, or the file the
// sheets were saved in. False on failure.
bool ConcludiStampa(Stampante& stampante, QWidget* genitore, const QString& titolo);
void MostraErroreStampa(QWidget* genitore, const QString& titolo);
