#pragma once
// Paragraph printing for the paper version of an exercise.
#include <QString>

class Stampante;

// Prints the text as lines of at most larghezza characters broken at blanks,
// each at x millimetres, then one empty line; the caller's text is emptied.
// A token longer than the width is cut at the width.
void StampaACapo(Stampante& stampante, double x, QString& testo, int larghezza);
