#include "platform/Twips.h"

#include <QApplication>
#include <QProxyStyle>
#include <QRect>
#include <cmath>

namespace {
double scala = 1;

// The sizes the style draws with (frames, margins, scroll bars, menu icons),
// at the scale.
class StileInScala : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metrica, const QStyleOption* opzione, const QWidget* widget) const override
    {
        const int valore = QProxyStyle::pixelMetric(metrica, opzione, widget);
        // Negative values are markers, not sizes.
        return valore > 0 ? qRound(valore * scala) : valore;
    }
};
} // namespace

double Scala()
{
    return scala;
}

void ImpostaScala(double fattore)
{
    scala = fattore;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    // Menus, message boxes and buttons without a design font use this one.
    static const QFont predefinito = QApplication::font();
    QFont f(predefinito);
    f.setPointSizeF(predefinito.pointSizeF() * fattore);
    QApplication::setFont(f);
    if (fattore != 1 && !dynamic_cast<StileInScala*>(QApplication::style()))
        QApplication::setStyle(new StileInScala);
}

double ScalaPerSchermo(const QRect& schermo, const QRect& disponibile)
{
    const double fattore = std::min({schermo.width() / 800.0, schermo.height() / 600.0,
                                     disponibile.width() / 800.0, disponibile.height() / 600.0});
    // In hundredths, rounded down: a round factor stays round whatever the float error.
    return fattore > 0 ? std::floor(fattore * 100 + 0.01) / 100 : 1;
}

QFont Carattere(const QString& famiglia, double punti, bool grassetto, bool corsivo)
{
    QFont f(famiglia);
    f.setPointSizeF(pt(punti));
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}
