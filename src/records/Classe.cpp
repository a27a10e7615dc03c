#include "records/Classe.h"

#include "content/Esercizio.h"
#include "content/Impaginazione.h"
#include "content/Indice.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "records/Scheda.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace {
const QString Illeggibile = QStringLiteral("illeggibile");
const QString DaFare = QStringLiteral("da fare");

int Esercizi(int categoria)
{
    return DatiCategoria(categoria).ultimoEsercizio + 1;
}

QString NomeCategoria(int categoria)
{
    return QString::fromUtf8(DatiCategoria(categoria).cartella);
}

// "INSUFF." 0 up to "ECCELLENTE" 5, in the order the grades are given; -1 for no grade.
int Grado(const QString& giudizio)
{
    for (int errori = 5; errori >= 0; --errori)
        if (GiudizioDaErrori(errori) == giudizio)
            return 5 - errori;
    return -1;
}

int Svolti(const QVector<QString>& giudizi)
{
    return static_cast<int>(std::count_if(giudizi.begin(), giudizi.end(), [](const QString& g) { return !g.isEmpty(); }));
}

QString NomeRiga(const AlunnoClasse& alunno)
{
    return alunno.categoriaIlleggibile < 0 ? alunno.nome : alunno.nome + QStringLiteral(" (illeggibile)");
}

// Fields with a separator, a quote or a line break go in quotes, their quotes
// doubled; a name a spreadsheet would take for a formula gets an apostrophe.
QByteArray Csv(const QVector<QStringList>& righe)
{
    QByteArray csv("\xEF\xBB\xBF");
    for (const QStringList& riga : righe) {
        QStringList campi;
        for (QString campo : riga) {
            if (!campo.isEmpty() && QStringLiteral("=+-@").contains(campo.at(0)))
                campo.prepend(QLatin1Char('\''));
            if (campo.contains(QLatin1Char(';')) || campo.contains(QLatin1Char('"')) || campo.contains(QLatin1Char('\n'))
                || campo.contains(QLatin1Char('\r')))
                campo = QLatin1Char('"') + campo.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
            campi << campo;
        }
        csv += campi.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return csv;
}
} // namespace

Classe LeggiClasse()
{
    Classe classe;
    classe.cartella = RisolviPercorso(CartellaSchedePersonali());
    QHash<QString, int> posizione; // of each name among the pupils
    for (int c = 0; c < NumeroCategorie; ++c) {
        const int ultimo = DatiCategoria(c).ultimoEsercizio;
        const QString estensione = QStringLiteral("ZLR") + CodiceScheda(c);
        const QDir cartella(RisolviPercorso(CartellaSchede(NomeCategoria(c))));
        for (const QFileInfo& file : cartella.entryInfoList(QDir::Files, QDir::Name)) {
            const QString nome = file.completeBaseName();
            if (file.suffix().compare(estensione, Qt::CaseInsensitive) != 0 || nome.isEmpty())
                continue;
            // A file of another length is no record: it is not even read.
            const bool lunghezza = file.size() == LunghezzaSchedaNuova + 2 || file.size() == 2 * (ultimo + 1) + 2;
            QByteArray contenuto;
            if (!lunghezza || !LeggiFile(file.filePath(), contenuto) || !SchedaIntegra(contenuto, ultimo)) {
                AlunnoClasse illeggibile;
                illeggibile.nome = file.fileName();
                illeggibile.categoriaIlleggibile = c;
                classe.alunni << illeggibile;
                continue;
            }
            if (!posizione.contains(nome)) {
                posizione.insert(nome, classe.alunni.size());
                classe.alunni << AlunnoClasse{nome, -1, {}};
            }
            SchedaAlunno& scheda = classe.alunni[posizione.value(nome)].schede[c];
            QVector<bool> fatto;
            LeggiRigaScheda(DecodificaWindows1252(contenuto.chopped(2)), ultimo, fatto, scheda.giudizi);
            scheda.presente = true;
        }
    }
    QCollator ordine{QLocale(QLocale::Italian, QLocale::Italy)};
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    ordine.setNumericMode(true);
    // Names the order cannot tell apart ("anna", "Anna") keep one order all the same.
    std::sort(classe.alunni.begin(), classe.alunni.end(), [&ordine](const AlunnoClasse& a, const AlunnoClasse& b) {
        const int k = ordine.compare(a.nome, b.nome);
        return k != 0 ? k < 0 : a.nome < b.nome;
    });
    return classe;
}

QString GiudizioTipico(const QVector<QString>& giudizi)
{
    QVector<int> gradi;
    for (const QString& g : giudizi)
        if (Grado(g) >= 0)
            gradi << Grado(g);
    if (gradi.isEmpty())
        return QString();
    std::sort(gradi.begin(), gradi.end());
    return GiudizioDaErrori(5 - gradi.at((gradi.size() - 1) / 2));
}

QStringList RigheDidascalia(const QString& didascalia)
{
    constexpr int Larghezza = 16;
    return SpezzaRiga(didascalia, Larghezza);
}

TabellaClasse TabellaRiepilogo(const Classe& classe)
{
    TabellaClasse t;
    t.titolo = QStringLiteral("Riepilogo della classe");
    t.colonne << QStringLiteral("Alunno");
    // The spreadsheet gets numbers and words in columns of their own: "5/12" would become a date.
    QVector<QStringList> csv{{QStringLiteral("Alunno")}};
    int tutti = 0;
    for (int c = 0; c < NumeroCategorie; ++c)
        tutti += Esercizi(c);
    for (int c = 0; c <= NumeroCategorie; ++c) {
        const QString nome = c < NumeroCategorie ? NomeCategoria(c) : QStringLiteral("Totale");
        const int esercizi = c < NumeroCategorie ? Esercizi(c) : tutti;
        t.colonne << nome;
        csv[0] << QStringLiteral("%1 svolti (su %2)").arg(nome).arg(esercizi) << nome + QStringLiteral(" giudizio");
    }
    for (const AlunnoClasse& a : classe.alunni) {
        QStringList riga{NomeRiga(a)}, colori{a.categoriaIlleggibile < 0 ? QString() : Illeggibile}, rigaCsv{NomeRiga(a)};
        QVector<QString> insieme; // every grade of the pupil, for the total
        for (int c = 0; c <= NumeroCategorie; ++c) {
            const bool totale = c == NumeroCategorie;
            if (c == a.categoriaIlleggibile) {
                riga << Illeggibile, colori << Illeggibile, rigaCsv << QString() << Illeggibile;
                continue;
            }
            if (totale ? a.categoriaIlleggibile >= 0 : !a.schede[c].presente) {
                riga << QString(), colori << QString(), rigaCsv << QString() << QString();
                continue;
            }
            const QVector<QString>& giudizi = totale ? insieme : a.schede[c].giudizi;
            const int svolti = Svolti(giudizi);
            const QString tipico = GiudizioTipico(giudizi);
            riga << QStringLiteral("%1/%2").arg(svolti).arg(totale ? tutti : Esercizi(c))
                    + (tipico.isEmpty() ? QString() : QLatin1Char('\n') + tipico);
            colori << (svolti == 0 ? DaFare : tipico);
            rigaCsv << QString::number(svolti) << tipico;
            if (!totale)
                insieme += giudizi;
        }
        t.righe << riga;
        t.giudizi << colori;
        csv << rigaCsv;
    }
    t.csv = Csv(csv);
    return t;
}

TabellaClasse TabellaCategoria(const Classe& classe, int categoria)
{
    const int n = Esercizi(categoria);
    TabellaClasse t;
    t.titolo = NomeCategoria(categoria);
    QVector<QString> titoli(n), istruzioni(n);
    // A short or missing index leaves the other exercises with their number alone.
    LeggiFileIndice(PercorsoIndice(t.titolo), titoli, istruzioni);
    t.colonne << QStringLiteral("Alunno");
    for (int i = 0; i < n; ++i)
        t.colonne << QStringLiteral("%1. %2").arg(i + 1).arg(titoli.at(i)).trimmed();
    QStringList svolto{QStringLiteral("Svolto da (alunni)")}, insufficiente{QStringLiteral("INSUFF. (alunni)")};
    QVector<int> quanti(n), insufficienti(n);
    for (const AlunnoClasse& a : classe.alunni) {
        if (a.categoriaIlleggibile >= 0 && a.categoriaIlleggibile != categoria)
            continue;
        QStringList riga{NomeRiga(a)};
        for (int i = 0; i < n; ++i) {
            const QString g = a.schede[categoria].giudizi.value(i);
            riga << g;
            quanti[i] += !g.isEmpty();
            insufficienti[i] += Grado(g) == 0;
        }
        t.righe << riga;
        t.giudizi << riga;
        t.giudizi.last()[0] = a.categoriaIlleggibile < 0 ? QString() : Illeggibile;
    }
    for (int i = 0; i < n; ++i)
        svolto << QString::number(quanti.at(i)), insufficiente << QString::number(insufficienti.at(i));
    t.righe << svolto << insufficiente;
    t.giudizi << QStringList() << QStringList();
    t.conteggi = 2;
    t.csv = Csv(QVector<QStringList>{t.colonne} + t.righe);
    return t;
}
