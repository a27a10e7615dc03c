// A pupil's name (the first line, UTF-8 as typed) and a record file (the rest).
#include "Fuzz.h"

#include "content/Catalogo.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "records/Scheda.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QDir().mkpath(CartellaFuzz() + QStringLiteral("/Schede personali/Nomi"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray tutto = Byte(dati, n);
    const qsizetype a = tutto.indexOf('\n');
    const QString nome = QString::fromUtf8(tutto.left(a < 0 ? tutto.size() : a));
    QString riga;
    LettoreCampi(a < 0 ? QByteArray() : tutto.mid(a + 1)).LeggiTesto(riga);
    for (int c = 0; c < NumeroCategorie; ++c) {
        const int ultimo = DatiCategoria(c).ultimoEsercizio;
        QVector<bool> fatto, rifatto;
        QVector<QString> giudizio, rigiudizio;
        LeggiRigaScheda(riga, ultimo, fatto, giudizio);
        Verifica(fatto.size() == ultimo + 1 && giudizio.size() == ultimo + 1, "a record line gives every exercise");
        LeggiRigaScheda(DecodificaWindows1252(RigaScheda(fatto, giudizio, ultimo)), ultimo, rifatto, rigiudizio);
        Verifica(rifatto == fatto && rigiudizio == giudizio, "a record line written reads back the same");
    }
    // A name is refused, or its record is saved in its folder and reads back.
    const QString nomi = QStringLiteral("Nomi"), estensione = QStringLiteral("Zlr01");
    const QString percorso = PercorsoSchedaSicuro(nomi, nome, estensione);
    Verifica(MotivoNomeNonValido(nome).isEmpty() <= !percorso.isEmpty(), "a name accepted has its file");
    if (percorso.isEmpty())
        return 0;
    QVector<bool> fatto(32);
    QVector<QString> giudizio(32);
    fatto[5] = true;
    giudizio[5] = QStringLiteral("BUONO");
    QString letta;
    Verifica(SalvaScheda(nomi, nome, estensione, fatto, giudizio, 31), "a name accepted can be saved");
    Verifica(LeggiScheda(nomi, nome, estensione, letta) && letta.mid(2 * (31 - 5) + 1, 1) == QLatin1String("o"),
             "a record saved reads back");
    Verifica(QDir(CartellaFuzz() + QStringLiteral("/Schede personali/Nomi")).entryList(QDir::Files | QDir::Hidden).size() == 1,
             "a save leaves one file, in the record folder");
    QFile::remove(RisolviPercorso(percorso));
    return 0;
}
