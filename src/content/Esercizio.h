#pragma once
// An exercise file read into memory, and the load-time rules that do not
// need a window: reading the fields, the key escapes and the marking spans.
#include <QString>
#include <QStringList>
#include <array>

constexpr int NumeroRighe = 14;

struct DatiEsercizio {
    qint16 TipoEsercizio = 0;
    QStringList Scelte; // entries of the choice list, in file order
    std::array<QString, NumeroRighe> Frase;
    std::array<QString, NumeroRighe> Risposta; // trimmed of blanks
    std::array<QString, NumeroRighe> Chiave; // with the key escapes applied
};

// Outcome of a read; campo is the 1-based field at which it failed.
struct EsitoLettura {
    bool ok = false;
    int campo = 0;
    QString motivo;
};

EsitoLettura LeggiEsercizio(const QString& percorso, DatiEsercizio& dati);
EsitoLettura LeggiEsercizioDa(const QByteArray& contenuto, DatiEsercizio& dati);

// Removes leading and trailing space characters only.
QString TogliSpazi(const QString& s);

// Kinds 53 and 54 spell typographic quotes with substitute characters.
QString ApplicaEscapeChiave(qint16 tipo, const QString& chiave);

// The mark that splits the key of the word kinds 41, 43, 46, 48 and 49 into
// a blue and a red part; empty for the other kinds.
QString SegnoDelTipo(int tipo);

// Font sizes chosen from the longest entry / item length.
int DimensioneLista(int lunghezzaMassima);
int DimensioneRighe(int lunghezzaMassima);

// Grade words and the letter each is stored as.
QString GiudizioDaErrori(int errori);
QChar LetteraGiudizio(const QString& giudizio); // 'x' when empty
QString GiudizioDaLettera(QChar lettera); // empty for anything else
