#include "Fuzz.h"

#include "content/Percorsi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

QString CartellaFuzz()
{
    // In memory where the system has it: a save waits for the disk.
    static QTemporaryDir cartella(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/zelora-fuzz-XXXXXX")
                                                                            : QDir::tempPath() + QStringLiteral("/zelora-fuzz-XXXXXX"));
    ImpostaCartellaApplicazione(cartella.path());
    return cartella.path();
}

QString FileFuzz(const QString& relativo, const QByteArray& contenuto)
{
    const QString percorso = CartellaFuzz() + QLatin1Char('/') + relativo;
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contenuto) != contenuto.size())
        Verifica(false, "the fuzz folder can be written");
    return percorso;
}

void ApplicazioneFuzz(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the run ends with the process, and Qt's font caches
    // stay reachable instead of being reported as leaks.
    static QApplication* applicazione = new QApplication(*argc, *argv);
    Q_UNUSED(applicazione);
}

void Verifica(bool condizione, const char* regola)
{
    if (condizione)
        return;
    fprintf(stderr, "rule broken: %s\n", regola);
    abort();
}
