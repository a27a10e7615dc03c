#pragma once
// Text as the printouts lay it out, without a printer: lines broken at
// blanks, and the paper version of an exercise line by line. The exercise
// sheet and the booklet of all exercises share it.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Breaks a text longer than the width (in characters) at the last blank that
// fits, dropping that blank; a token longer than the width is cut at it.
QStringList SpezzaRiga(const QString& testo, int larghezza);

// Lines longer than this are wrapped on the exercise sheet.
constexpr int LarghezzaFoglioEsercizio = 78;

struct RigaFoglio {
    QString testo; // empty for an empty line
    bool corsivo = false;
};

// The exercise sheet: "ZELORA", the written heading, the written
// instructions in italics, then the 14 numbered items, each followed by an
// empty line; a wrapped paragraph ends with its own empty line.
QList<RigaFoglio> RigheFoglioEsercizio(const QString& intestazione, const QString& consegna,
                                       const std::array<QString, 14>& frasi);
