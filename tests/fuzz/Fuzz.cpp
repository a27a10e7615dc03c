#include "Fuzz.h"

#include "content/Percorsi.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
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
    Verifica(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenuto) == contenuto.size(),
             "the fuzz folder can be written");
    return percorso;
}

void ApplicazioneFuzz(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed, so that Qt's font caches stay reachable and are not reported as leaks.
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

#ifndef ZELORA_LIBFUZZER
// Without libFuzzer: every file of the folders given (corpus, bundled content) is one input.
int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int letti = 0;
    for (int a = 1; a < argc; ++a) {
        for (QDirIterator it(QString::fromLocal8Bit(argv[a]), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext(); ++letti) {
            QFile f(it.next());
            const QByteArray dati = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dati.constData()), size_t(dati.size()));
        }
    }
    printf("%d inputs replayed\n", letti);
    return letti > 0 ? 0 : 1;
}
#endif
