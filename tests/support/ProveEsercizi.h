#pragma once
// Small exercise files and readable colour maps for the answering tests.
#include <QList>
#include <QString>
#include <QStringList>

class CartellaProva;
class CasellaTesto;

struct Voce {
    QString frase, risposta, chiave;
};

// An exercise file: kind, choices, then the items given followed by copies
// of the last until there are 14.
QString FileEsercizio(int tipo, const QStringList& scelte, const QList<Voce>& voci);
// Writes it as exercise 0 of the test category "Prove".
void ScriviEsercizio(const CartellaProva& c, int tipo, const QStringList& scelte, const QList<Voce>& voci);
void ScriviEsercizio(const CartellaProva& c, int tipo, const QList<Voce>& voci);

// One letter per character of the box: n black, b blue, r red, ? other.
QString Colori(const CasellaTesto* c);
// A colour string from runs such as "n3 b4 n*"; "*" runs up to lunghezza.
QString Tratti(const QString& descrizione, int lunghezza = 0);
