#pragma once
// Windows are designed for an 800 x 600 screen, in twips (1440 to the inch,
// 15 to a pixel at 96 dpi) and in points. The whole program is drawn larger
// by one factor, the scale, so that it looks exactly as designed, only
// bigger, on any screen: every position, size, font, picture and line width
// a window sets goes through these helpers. Printouts do not use them. Qt
// itself still scales pixels on high-density screens.
#include <QFont>
#include <QtGlobal>

class QRect;

// The factor in use (1 until set).
double Scala();
// Sets the factor; with an application running, its default font and its
// style's sizes (frames, scroll bars, menu icons) follow it.
void ImpostaScala(double fattore);
// The largest factor at which the main menu's 800 x 600 panel fits the
// screen and an 800 x 600 window, frame included, fits the part of it that
// windows may use; 1 on an 800 x 600 screen.
double ScalaPerSchermo(const QRect& schermo, const QRect& disponibile);

// A design length in twips, or in the design's pixels, as screen pixels.
inline int tw(int twips)
{
    return qRound(twips * Scala() / 15.0);
}
inline int px(double pixel)
{
    return qRound(pixel * Scala());
}
// A font size in points as designed, at the scale.
inline double pt(double punti)
{
    return punti * Scala();
}
// A font of the design at the scale.
QFont Carattere(const QString& famiglia, double punti, bool grassetto = false, bool corsivo = false);
