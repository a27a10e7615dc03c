// The sound back-end: a module of its own, which the program loads with the
// first cue (Suono.cpp), so that starting it loads neither Qt Multimedia nor
// the audio libraries under it. It is handed only copies of files already
// checked as playable WAV.
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT void ZeloraSuona(const QString& copia)
{
    // One effect per file, kept for the next time it plays. The effects belong
    // to the application and go with it.
    static QHash<QString, QPointer<QSoundEffect>> effetti;
    // A new cue stops the one still playing.
    for (const QPointer<QSoundEffect>& e : std::as_const(effetti))
        if (e)
            e->stop();
    if (copia.isEmpty() || !QCoreApplication::instance())
        return;
    QPointer<QSoundEffect>& effetto = effetti[copia];
    if (!effetto) {
        effetto = new QSoundEffect(QCoreApplication::instance());
        effetto->setSource(QUrl::fromLocalFile(copia));
    }
    effetto->play();
}
