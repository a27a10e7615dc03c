#include "ProveFinestre.h"

#include "content/Catalogo.h"
#include "content/Globali.h"

void PreparaCategoria(int indice)
{
    Globali::CategoriaCorrente = QString::fromUtf8(DatiCategoria(indice).cartella);
    Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(indice);
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = Globali::TestoIndice = QVector<QString>(n);
    for (int i = 0; i < n; ++i) {
        Globali::TitoloIndice[i] = QStringLiteral("Titolo %1").arg(i + 1);
        Globali::TestoIndice[i] = QStringLiteral("Istruzione %1").arg(i + 1);
    }
    Globali::EsercizioFatto = QVector<bool>(n, false);
    Globali::Giudizio = QVector<QString>(n);
}

namespace {
QString Riga(int pagina, double x, double y, const QString& font, double punti, const QString& stile, const QString& testo)
{
    return QStringLiteral("%1: %2,%3 %4 %5%6 %7").arg(pagina).arg(x).arg(y).arg(font).arg(punti).arg(stile, testo);
}
} // namespace

QStringList Stampate(const StampanteRegistrata& registro)
{
    QStringList righe;
    for (const Stampato& s : registro.stampati)
        righe << Riga(s.pagina, s.x, s.y, s.font, s.dimensione,
                      QString(s.grassetto ? "B" : "") + (s.corsivo ? "I" : ""), s.testo);
    return righe;
}

QString Stampata(double x, double y, double punti, bool grassetto, const QString& testo, int pagina)
{
    return Riga(pagina, x, y, QStringLiteral("Verdana"), punti, grassetto ? QStringLiteral("B") : QString(), testo);
}
