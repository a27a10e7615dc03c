#include "platform/Suono.h"

#include "content/Catalogo.h"
#include "content/Percorsi.h"
#include "content/Wav.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

namespace {
RiproduttoreSuoni& riproduttoreCorrente()
{
    static RiproduttoreSuoni r;
    return r;
}

// A cue file as it was when it was checked, and its effect: none when the
// file is not a WAV the back-end can play (handing it a broken one can hang
// the next cue for good).
struct CueControllato {
    qint64 dimensione = -1;
    QDateTime modificato;
    QSoundEffect* effetto = nullptr;
};

// The cues checked so far. Their effects belong to the application, and are
// forgotten with it.
QHash<QString, CueControllato>& cueControllati()
{
    static QHash<QString, CueControllato> cue;
    return cue;
}

// The back-end reads a private copy of the bytes checked, so that a file
// changed after the check never reaches it.
QSoundEffect* EffettoDa(const QByteArray& contenuto)
{
    static QTemporaryDir copie;
    static int numero = 0;
    QFile copia(copie.filePath(QStringLiteral("%1.wav").arg(++numero)));
    if (!copie.isValid() || !copia.open(QIODevice::WriteOnly) || copia.write(contenuto) != contenuto.size()
        || !copia.flush())
        return nullptr;
    static QCoreApplication* collegata = nullptr;
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (!applicazione)
        return nullptr;
    if (collegata != applicazione)
        QObject::connect(applicazione, &QObject::destroyed, [] { cueControllati().clear(); });
    collegata = applicazione;
    auto* effetto = new QSoundEffect(applicazione);
    effetto->setSource(QUrl::fromLocalFile(copia.fileName()));
    return effetto;
}

void RiproduciConQt(const QString& percorsoFile)
{
    QHash<QString, CueControllato>& cue = cueControllati();
    // A new cue stops the one still playing.
    for (const CueControllato& c : cue)
        if (c.effetto)
            c.effetto->stop();
    const QFileInfo info(percorsoFile);
    CueControllato& c = cue[percorsoFile];
    if (c.dimensione != info.size() || c.modificato != info.lastModified()) {
        if (c.effetto)
            c.effetto->deleteLater();
        c = CueControllato{info.size(), info.lastModified(), nullptr};
        QByteArray contenuto;
        if (LeggiFile(percorsoFile, contenuto, LimiteFileSuono) && ControllaWav(contenuto).difetto == DifettoWav::Nessuno)
            c.effetto = EffettoDa(contenuto);
    }
    if (c.effetto)
        c.effetto->play();
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
