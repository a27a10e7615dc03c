// The sound back-end: a module of its own, which the program loads with the
// first cue (Suono.cpp), so that starting it loads neither Qt Multimedia nor
// the audio libraries under it.
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void ZeloraSuona(const QString& percorsoFile)
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
