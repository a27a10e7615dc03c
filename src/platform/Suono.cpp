#include "platform/Suono.h"

#include "content/Catalogo.h"
#include "content/Percorsi.h"

#include <QCoreApplication>
#include <QLibrary>

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

void RiproduciConQt(const QString& percorsoFile)
{
    static const RiproduttoreSuoni suona = RiproduttoreQt();
    suona(percorsoFile);
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
