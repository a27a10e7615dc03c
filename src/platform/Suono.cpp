#include "platform/Suono.h"

#include "content/Catalogo.h"
#include "content/Percorsi.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {
RiproduttoreSuoni& riproduttoreCorrente()
{
    static RiproduttoreSuoni r;
    return r;
}

void RiproduciConQt(const QString& percorsoFile)
{
    // One effect for the whole run: setting a new source stops the old cue.
    static QSoundEffect* effetto = nullptr;
    if (!effetto)
        effetto = new QSoundEffect();
    effetto->stop();
    if (!QFileInfo(percorsoFile).isFile())
        return;
    effetto->setSource(QUrl::fromLocalFile(percorsoFile));
    effetto->play();
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
