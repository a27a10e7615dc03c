#include "platform/Suono.h"

#include "content/Catalogo.h"
#include "content/Percorsi.h"
#include "content/Wav.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QTemporaryDir>

#ifndef ZELORA_MODULI_RELATIVI
#define ZELORA_MODULI_RELATIVI "."
#endif

namespace {
RiproduttoreSuoni& riproduttoreCorrente()
{
    static RiproduttoreSuoni r;
    return r;
}

// The back-end that plays the cues is a module loaded with the first one
// (src/platform/suono): a start, and a run without cues, go without Qt
// Multimedia and the audio libraries. It lies beside the program (the build
// tree, a portable copy) or in the installation's library folder; without it
// the cues are silent.
RiproduttoreSuoni RiproduttoreQt()
{
    const QString cartella = QCoreApplication::applicationDirPath();
    for (const QString& dove : {cartella, cartella + QStringLiteral("/" ZELORA_MODULI_RELATIVI)}) {
        QLibrary modulo(dove + QStringLiteral("/zelora-suono"));
        if (auto suona = reinterpret_cast<void (*)(const QString&)>(modulo.resolve("ZeloraSuona")))
            return suona;
    }
    return [](const QString&) {};
}

// A cue file as it was when it was checked, and the private copy of the bytes
// checked that the back-end reads: none when the file is not a WAV it can play
// (handing it a broken one can hang the next cue for good), and a file changed
// after the check never reaches it.
struct CueControllato {
    qint64 dimensione = -1;
    QDateTime modificato;
    QString copia;
};

QString CopiaDa(const QByteArray& contenuto)
{
    static QTemporaryDir copie;
    static int numero = 0;
    QFile copia(copie.filePath(QStringLiteral("%1.wav").arg(++numero)));
    if (!copie.isValid() || !copia.open(QIODevice::WriteOnly) || copia.write(contenuto) != contenuto.size()
        || !copia.flush())
        return {};
    return copia.fileName();
}

void RiproduciConQt(const QString& percorsoFile)
{
    static const RiproduttoreSuoni suona = RiproduttoreQt();
    static QHash<QString, CueControllato> cue;
    const QFileInfo info(percorsoFile);
    CueControllato& c = cue[percorsoFile];
    if (c.dimensione != info.size() || c.modificato != info.lastModified()) {
        c = CueControllato{info.size(), info.lastModified(), {}};
        QByteArray contenuto;
        if (LeggiFile(percorsoFile, contenuto, LimiteFileSuono) && ControllaWav(contenuto).difetto == DifettoWav::Nessuno)
            c.copia = CopiaDa(contenuto);
    }
    // An empty name only stops the cue still playing.
    suona(c.copia);
}
} // namespace

void ImpostaRiproduttoreSuoni(RiproduttoreSuoni riproduttore)
{
    riproduttoreCorrente() = std::move(riproduttore);
}

void SuonaCue(const QString& file)
{
    RiproduciSuono(RisolviPercorso(PercorsoSuono(file)));
}

void RiproduciSuono(const QString& percorsoFile)
{
    if (riproduttoreCorrente())
        riproduttoreCorrente()(percorsoFile);
    else
        RiproduciConQt(percorsoFile);
}
