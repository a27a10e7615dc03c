#include "content/Esercizio.h"

#include "content/LettoreCampi.h"
#include "content/Percorsi.h"

QString TogliSpazi(const QString& s)
{
    int a = 0;
    int b = s.size();
    while (a < b && s.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && s.at(b - 1) == QLatin1Char(' '))
        --b;
    return s.mid(a, b - a);
}

QString ApplicaEscapeChiave(qint16 tipo, const QString& chiave)
{
    QString k = chiave;
    if (tipo == 53) {
        k.replace(QChar(0x00A3), QChar(0x00AB)); // £ -> «
        k.replace(QLatin1Char('$'), QChar(0x00BB)); // $ -> »
    } else if (tipo == 54) {
        k.replace(QLatin1Char('%'), QChar(0x201C)); // % -> “ (147)
        k.replace(QLatin1Char('&'), QChar(0x201D)); // & -> ” (148)
    }
    return k;
}

EsitoLettura LeggiEsercizioDa(const QByteArray& contenuto, DatiEsercizio& dati)
{
    LettoreCampi lettore(contenuto);
    EsitoLettura esito;
    auto errore = [&](const QString& motivo) {
        esito.ok = false;
        esito.campo = lettore.CampiLetti() + 1;
        esito.motivo = motivo;
        return esito;
    };
    // A number the program cannot hold is not the same mistake as a word.
    auto nonNumero = [&](const QString& cosa) {
        return errore(lettore.NumeroFuoriLimiti()
                          ? cosa + QStringLiteral(" è un numero fuori dai limiti (da -32768 a 32767)")
                          : cosa + QStringLiteral(" non è un numero"));
    };
    qint16 tipo = 0;
    if (!lettore.LeggiNumero(tipo))
        return nonNumero(QStringLiteral("il tipo di esercizio"));
    dati.TipoEsercizio = tipo;
    qint16 scelte = 0;
    if (!lettore.LeggiNumero(scelte))
        return nonNumero(QStringLiteral("il numero delle scelte"));
    dati.Scelte.clear();
    for (int i = 0; i < scelte; ++i) {
        QString s;
        if (!lettore.LeggiTesto(s))
            return errore(QStringLiteral("il file finisce prima della scelta %1").arg(i + 1));
        dati.Scelte << s;
    }
    for (int i = 0; i < NumeroRighe; ++i) {
        QString f, r, c;
        if (!lettore.LeggiTesto(f) || !lettore.LeggiTesto(r) || !lettore.LeggiTesto(c))
            return errore(QStringLiteral("il file finisce prima della fine della frase %1").arg(i + 1));
        dati.Frase[i] = f;
        dati.Risposta[i] = TogliSpazi(r);
        dati.Chiave[i] = ApplicaEscapeChiave(tipo, c);
    }
    esito.ok = true;
    return esito;
}

EsitoLettura LeggiEsercizio(const QString& percorso, DatiEsercizio& dati)
{
    QByteArray contenuto;
    if (!LeggiFile(percorso, contenuto)) {
        EsitoLettura e;
        e.campo = 0;
        e.motivo = QStringLiteral("il file non esiste o non si può leggere");
        return e;
    }
    return LeggiEsercizioDa(contenuto, dati);
}

QString SegnoDelTipo(int tipo)
{
    switch (tipo) {
    case 41: return QStringLiteral(".");
    case 43: return QStringLiteral(",");
    case 46: return QStringLiteral(";");
    case 48: return QStringLiteral(":");
    case 49: return QStringLiteral("...");
    default: return QString();
    }
}

int DimensioneLista(int l)
{
    int d = 9;
    if (l < 16) d = 10;
    if (l < 11) d = 12;
    if (l < 9) d = 14;
    if (l < 7) d = 16;
    if (l < 5) d = 18;
    return d;
}

int DimensioneRighe(int l)
{
    int d = 11;
    if (l < 90) d = 12;
    if (l < 20) d = 14;
    if (l < 10) d = 16;
    return d;
}

QString GiudizioDaErrori(int errori)
{
    QString g = QStringLiteral("INSUFF.");
    if (errori < 5) g = QStringLiteral("SUFFICIENTE");
    if (errori < 4) g = QStringLiteral("DISCRETO");
    if (errori < 3) g = QStringLiteral("BUONO");
    if (errori < 2) g = QStringLiteral("OTTIMO");
    if (errori < 1) g = QStringLiteral("ECCELLENTE");
    return g;
}

QChar LetteraGiudizio(const QString& giudizio)
{
    if (giudizio.size() < 5)
        return QLatin1Char('x');
    return giudizio.at(4).toLower();
}

QString GiudizioDaLettera(QChar lettera)
{
    switch (lettera.unicode()) {
    case 'f': return QStringLiteral("INSUFF.");
    case 'i': return QStringLiteral("SUFFICIENTE");
    case 'r': return QStringLiteral("DISCRETO");
    case 'o': return QStringLiteral("BUONO");
    case 'm': return QStringLiteral("OTTIMO");
    case 'l': return QStringLiteral("ECCELLENTE");
    default: return QString();
    }
}
