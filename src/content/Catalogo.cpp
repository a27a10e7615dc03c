#include "content/Catalogo.h"

#include "content/Globali.h"
#include "content/Percorsi.h"

namespace {
const Categoria Tabella[NumeroCategorie] = {
    {"Articoli", "Articoli", 22},
    {"Nomi", "Nomi", 31},
    {"Aggettivi", "Aggettivi", 31},
    {"Pronomi", "Pronomi", 31},
    {"Verbi (I parte)", "Verbi 1", 31},
    {"Verbi (II parte)", "Verbi 2", 31},
    {"Avverbi", "Avverbi", 28},
    {"Preposizioni", "Preposizioni", 13},
    {"Congiunzioni", "Congiunzioni", 9},
    {"Sintassi", "Sintassi", 9},
    {"Fondamenti", "Fondamenti", 31},
    {"Punteggiatura", "Punteggiatura", 31},
};
} // namespace

const Categoria& DatiCategoria(int indice)
{
    return Tabella[qBound(0, indice, NumeroCategorie - 1)];
}

int IndiceCategoria(const QString& cartella)
{
    for (int i = 0; i < NumeroCategorie; ++i)
        if (cartella.compare(QLatin1String(Tabella[i].cartella), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void NumeroMassimoEsercizi(int indice)
{
    if (indice < 0 || indice >= NumeroCategorie)
        return;
    Globali::UltimoEsercizio = Tabella[indice].ultimoEsercizio;
}

QString DueCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString CodiceScheda(int indice)
{
    return DueCifre(indice);
}

QString PercorsoEsercizio(int n)
{
    return CartellaApplicazione() + QStringLiteral("/Esercizi/") + Globali::CategoriaCorrente
        + QStringLiteral("/ESERCIZIO ") + DueCifre(n) + QStringLiteral(".txt");
}

QString PercorsoHelp(int n)
{
    return CartellaApplicazione() + QStringLiteral("/Help/") + Globali::CategoriaCorrente
        + QStringLiteral("/help ") + DueCifre(n) + QStringLiteral(".txt");
}

QString PercorsoIndice()
{
    return PercorsoIndice(Globali::CategoriaCorrente);
}

QString PercorsoIndice(const QString& categoria)
{
    return CartellaApplicazione() + QStringLiteral("/Indice") + QStringLiteral("/") + categoria + QStringLiteral(".txt");
}

QString PercorsoIndiceScritto()
{
    return CartellaApplicazione() + QStringLiteral("/IndiceScritto") + QStringLiteral("/")
        + Globali::CategoriaCorrente + QStringLiteral(".txt");
}

QString CartellaSchede(const QString& categoria)
{
    return CartellaSchedePersonali() + QLatin1Char('/') + categoria + QLatin1Char('/');
}

QString CartellaSchedeElenco(const QString& categoria)
{
    return CartellaSchedePersonali() + QLatin1Char('\\') + categoria;
}

QString PercorsoScheda(const QString& categoria, const QString& nome, const QString& estensione)
{
    return CartellaSchede(categoria) + nome + QStringLiteral(".") + estensione;
}

QString PercorsoSuono(const QString& file)
{
    return CartellaApplicazione() + QStringLiteral("\\Suoni\\") + file;
}

