#pragma once
// Windows are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
// Qt scales the pixels on high-density screens.
#include <QtGlobal>

inline int tw(int twips)
{
    return qRound(twips / 15.0);
}
