#pragma once
// Small exercise files, the data they read as, and readable colour maps.
#include "content/Esercizio.h"

#include <QList>
#include <QString>
#include <QStringList>

class TestoFormattato;

struct Voce {
    QString frase, risposta, chiave;
};

// An exercise file: kind, choices, the items given and copies of the last up to 14.
QString FileEsercizio(int tipo, const QStringList& scelte, const QList<Voce>& voci);
// The same file as the loader reads it.
DatiEsercizio DatiDi(int tipo, const QStringList& scelte, const QList<Voce>& voci);

// One letter per character: n black, b blue, r red, g dark grey, ? other.
QString Colori(const TestoFormattato& t);
// A colour string from runs such as "n3 b4 n*"; "*" runs up to lunghezza.
QString Tratti(const QString& descrizione, int lunghezza = 0);
