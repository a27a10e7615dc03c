// The class tables on paper: the pupils' column, then as many columns as fit
// across the sheet (portrait, or landscape when the table needs it); the
// columns that do not fit follow in further blocks, each with the pupils'
// column again. Rows go on over as many sheets as they need, with the
// captions again at the top of each; every sheet names the class, the date
// and its number.
#include "windows/FinestraClasse.h"

#include "platform/Stampante.h"

#include <QComboBox>
#include <QDate>
#include <QFontMetricsF>
#include <QImage>

namespace {
constexpr double Margine = 15; // left edge of the table, mm
// Room across an A4 sheet, within margins any printer keeps.
constexpr double LarghezzaVerticale = 180;
constexpr double LarghezzaOrizzontale = 267;
constexpr double Spazio = 1.5; // between columns
constexpr double Interlinea = 0.6; // between rows
constexpr double NomeMassimo = 50; // longer names are shortened
constexpr double PuntiTabella = 7.5;
constexpr double Dpi = 1200;

// Text measured as a 1200 dpi printer measures it, whatever the screen: the
// layout is chosen before the printer, and its orientation, is.
QFontMetricsF Metrica(const QFont& font)
{
    static const QImage carta = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(qRound(Dpi / 0.0254));
        i.setDotsPerMeterY(qRound(Dpi / 0.0254));
        return i;
    }();
    return QFontMetricsF(font, &carta);
}

double Millimetri(double punti)
{
    return punti * 25.4 / Dpi;
}

double Larghezza(const QFont& font, const QStringList& righe)
{
    double l = 0;
    for (const QString& r : righe)
        l = qMax(l, Millimetri(Metrica(font).horizontalAdvance(r)));
    return l;
}
} // namespace

bool FinestraClasse::Stampa()
{
    const TabellaClasse& t = m_tabella;
    QFont corpo(QStringLiteral("Arial"));
    corpo.setPointSizeF(PuntiTabella);
    QFont grassetto = corpo;
    grassetto.setBold(true);
    const int colonne = t.colonne.size();
    const int conteggi = t.righe.size() - t.conteggi;
    QVector<QStringList> intestazioni;
    QVector<double> larghezze;
    for (int c = 0; c < colonne; ++c) {
        intestazioni << RigheDidascalia(t.colonne.at(c));
        double l = Larghezza(grassetto, intestazioni.last());
        for (int r = 0; r < t.righe.size(); ++r)
            l = qMax(l, Larghezza(r >= conteggi ? grassetto : corpo, t.righe.at(r).value(c).split(QLatin1Char('\n'))));
        larghezze << (c == 0 ? qMin(l, NomeMassimo) : l) + Spazio;
    }
    double tutta = 0;
    for (const double l : larghezze)
        tutta += l;
    const bool orizzontale = tutta > LarghezzaVerticale;
    const double spazio = orizzontale ? LarghezzaOrizzontale : LarghezzaVerticale;
    QVector<QVector<int>> blocchi{{0}};
    double occupato = larghezze.at(0);
    for (int c = 1; c < colonne; ++c) {
        if (blocchi.last().size() > 1 && occupato + larghezze.at(c) > spazio) {
            blocchi << QVector<int>{0};
            occupato = larghezze.at(0);
        }
        blocchi.last() << c;
        occupato += larghezze.at(c);
    }

    std::unique_ptr<Stampante> stampante = AvviaStampante(this, windowTitle(), orizzontale);
    if (!stampante)
        return false;
    Stampante& p = *stampante;
    const QString testata = QStringLiteral("Zelora - classe %1 - %2 - %3 - pagina ")
                                .arg(NomeClasse(), t.titolo, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    int foglio = 0;
    p.ImpostaFineFoglio([&testata, &foglio](Stampante& s) {
        StampaPiePagina(s);
        s.ImpostaFont(QStringLiteral("Arial"));
        s.ImpostaDimensione(9);
        s.ImpostaY(8);
        s.ImpostaX(Margine);
        s.Stampa(testata + QString::number(++foglio));
    });
    p.ImpostaFont(QStringLiteral("Arial"));
    p.ImpostaDimensione(12);
    p.ImpostaGrassetto(true);
    p.ImpostaY(Stampante::MargineSuperiore);
    p.ImpostaX(Margine);
    p.Stampa(t.titolo);
    p.Stampa(QString());
    p.ImpostaDimensione(PuntiTabella);
    const double h = p.AltezzaRiga();

    for (const QVector<int>& blocco : blocchi) {
        QVector<double> x;
        double destra = Margine;
        int righeTitolo = 1;
        for (const int c : blocco) {
            x << destra;
            destra += larghezze.at(c);
            righeTitolo = qMax(righeTitolo, int(intestazioni.at(c).size()));
        }
        // Lines of text per cell, at the top of the row, one below the other.
        const auto riga = [&](const QVector<QStringList>& celle) {
            const double y = p.Y();
            int linee = 1;
            for (int k = 0; k < blocco.size(); ++k) {
                const QStringList& testo = celle.at(k);
                linee = qMax(linee, int(testo.size()));
                for (int l = 0; l < testo.size(); ++l) {
                    p.ImpostaY(y + l * h);
                    p.ImpostaX(x.at(k));
                    p.Stampa(testo.at(l), false);
                }
            }
            p.ImpostaY(y + linee * h + Interlinea);
        };
        const auto intestazione = [&] {
            p.ImpostaGrassetto(true);
            QVector<QStringList> celle;
            for (const int c : blocco)
                celle << intestazioni.at(c);
            riga(celle);
            p.Linea(Margine, p.Y(), destra, p.Y());
            p.ImpostaY(p.Y() + 1);
        };
        // The captions never stand alone at the bottom of a sheet.
        p.RiservaSpazio((righeTitolo + 3) * h);
        intestazione();
        for (int r = 0; r < t.righe.size(); ++r) {
            QVector<QStringList> celle;
            int linee = 1;
            for (const int c : blocco) {
                QString testo = t.righe.at(r).value(c);
                if (c == 0)
                    testo = Metrica(corpo).elidedText(testo, Qt::ElideRight, (NomeMassimo - Spazio) * Dpi / 25.4);
                celle << testo.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
                linee = qMax(linee, int(celle.last().size()));
            }
            const double prima = p.Y();
            p.RiservaSpazio(linee * h + Interlinea);
            if (p.Y() < prima)
                intestazione();
            if (r == conteggi) {
                p.Linea(Margine, p.Y(), destra, p.Y());
                p.ImpostaY(p.Y() + 1);
            }
            p.ImpostaGrassetto(r >= conteggi);
            riga(celle);
        }
        p.ImpostaY(p.Y() + h);
    }
    return ConcludiStampa(p, this, windowTitle());
}
