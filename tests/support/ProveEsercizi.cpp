#include "ProveEsercizi.h"

#include "content/LettoreCampi.h"
#include "platform/TestoFormattato.h"

#include <QHash>

QString FileEsercizio(int tipo, const QStringList& scelte, const QList<Voce>& voci)
{
    const auto campo = [](const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); };
    QString t = QStringLiteral("%1\r\n%2\r\n").arg(tipo).arg(scelte.size());
    for (const QString& s : scelte)
        t += campo(s) + QStringLiteral("\r\n");
    for (int i = 0; i < NumeroRighe; ++i) {
        const Voce& v = voci.at(qMin(i, int(voci.size()) - 1));
        t += campo(v.frase) + QLatin1Char(',') + campo(v.risposta) + QLatin1Char(',') + campo(v.chiave) + QStringLiteral("\r\n");
    }
    return t;
}

DatiEsercizio DatiDi(int tipo, const QStringList& scelte, const QList<Voce>& voci)
{
    DatiEsercizio d;
    LeggiEsercizioDa(CodificaWindows1252(FileEsercizio(tipo, scelte, voci)), d);
    return d;
}

QString Colori(const TestoFormattato& t)
{
    static const QHash<QRgb, QChar> lettera{{qRgb(0, 0, 0), 'n'}, {qRgb(0, 0, 255), 'b'}, {qRgb(255, 0, 0), 'r'}, {qRgb(80, 80, 80), 'g'}};
    QString s;
    for (int i = 0; i < t.Testo().size(); ++i)
        s += lettera.value(t.ColoreCarattere(i).rgb(), QLatin1Char('?'));
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
