// Without libFuzzer, a fuzz target replays the files of the folders it is
// given (the corpus, the seeds from the bundled content, every input that
// once failed), one input each, as the fuzzer would.
#include "Fuzz.h"

#include <QDirIterator>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int letti = 0;
    for (int a = 1; a < argc; ++a) {
        QDirIterator it(QString::fromLocal8Bit(argv[a]), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray dati = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dati.constData()), size_t(dati.size()));
            ++letti;
        }
    }
    printf("%d inputs replayed\n", letti);
    return letti > 0 ? 0 : 1;
}
