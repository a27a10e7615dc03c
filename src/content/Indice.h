#pragma once
// Reading an index file: one record per exercise, three fields each (the
// first is not used, then title and instruction).
#include <QString>
#include <QVector>

// Fills titoli and testi (already sized) from the file; entries read before a
// failure keep their values. False when the file is missing or too short.
bool LeggiFileIndice(const QString& percorso, QVector<QString>& titoli, QVector<QString>& testi);
