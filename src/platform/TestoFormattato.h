#pragma once
// The text of a rich-text box as the program counts it.
#include <QPair>
#include <QString>

// Bounds [inizio, fine) of the word a double-click at posizione selects: a
// run of letters and digits (an apostrophe or a blank ends a word); elsewhere
// the single character there. Past the end: an empty span at the end.
QPair<int, int> ParolaInPosizione(const QString& testo, int posizione);
