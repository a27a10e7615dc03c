#include "ProveEsercizi.h"

#include "Supporto.h"

#include "content/Esercizio.h"
#include "content/LettoreCampi.h"
#include "platform/TestoFormattato.h"

namespace {
QString Campo(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}
} // namespace

QString FileEsercizio(int tipo, const QStringList& scelte, const QList<Voce>& voci)
{
    QString t = QString::number(tipo) + QStringLiteral("\r\n") + QString::number(scelte.size())
        + QStringLiteral("\r\n");
    for (const QString& s : scelte)
        t += Campo(s) + QStringLiteral("\r\n");
    for (int i = 0; i < NumeroRighe; ++i) {
        const Voce& v = i < voci.size() ? voci.at(i) : voci.last();
        t += Campo(v.frase) + QLatin1Char(',') + Campo(v.risposta) + QLatin1Char(',') + Campo(v.chiave)
            + QStringLiteral("\r\n");
    }
    return t;
}

void ScriviEsercizio(const CartellaProva& c, int tipo, const QStringList& scelte, const QList<Voce>& voci)
{
    c.Scrivi(QStringLiteral("Esercizi/Prove/ESERCIZIO 00.txt"), FileEsercizio(tipo, scelte, voci));
}

DatiEsercizio DatiDi(int tipo, const QStringList& scelte, const QList<Voce>& voci)
{
    DatiEsercizio d;
    LeggiEsercizioDa(CodificaWindows1252(FileEsercizio(tipo, scelte, voci)), d);
    return d;
}

QString Colori(const TestoFormattato& t)
{
    QString s;
    for (int i = 0; i < t.Testo().size(); ++i) {
        const QRgb k = t.ColoreCarattere(i).rgb();
        s += k == qRgb(0, 0, 0) ? QLatin1Char('n')
            : k == qRgb(0, 0, 255) ? QLatin1Char('b')
            : k == qRgb(255, 0, 0) ? QLatin1Char('r')
            : k == qRgb(80, 80, 80) ? QLatin1Char('g')
                                    : QLatin1Char('?');
    }
    return s;
}

QString Tratti(const QString& descrizione, int lunghezza)
{
    QString s;
    for (const QString& t : descrizione.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = t.mid(1) == QLatin1String("*") ? lunghezza - int(s.size()) : t.mid(1).toInt();
        s += QString(qMax(0, n), t.at(0));
    }
    return s;
}
