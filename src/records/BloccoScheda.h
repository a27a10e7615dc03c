#pragma once
// The mark that a record is open on one computer: a lock file beside it
// ("Anna.ZLR01.lock", a QLockFile), held while the record is open in the
// exercise window. Lab computers share one records folder, so a record open
// elsewhere is neither opened nor written here. A lock left behind by a
// computer that crashed is taken over: at once when it was made on this
// computer by a process that is gone, and from any computer once it has not
// been renewed for TempoAbbandono (the holder renews it every minute, since
// a process of another computer cannot be checked).
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

class QLockFile;

class BloccoScheda {
public:
    enum class Esito {
        Preso, // the record is ours
        InUso, // open on another computer (or in another Zelora)
        NonPossibile, // no lock file can be made (read-only or full folder)
    };
    static constexpr std::chrono::minutes TempoAbbandono{5};
    static constexpr std::chrono::minutes TempoRinnovo{1};

    BloccoScheda();
    ~BloccoScheda();
    BloccoScheda(const BloccoScheda&) = delete;
    BloccoScheda& operator=(const BloccoScheda&) = delete;

    // Takes the lock of a record file, letting go of the one held before.
    Esito Prendi(const QString& percorsoScheda);
    // Whether the record may be written now: its lock is still ours, or it
    // can be taken again (it may have been lost while this computer slept).
    // A folder that takes no lock file does not stop the write.
    bool PuoScrivere(const QString& percorsoScheda);
    void Rilascia();
    QString Scheda() const { return m_scheda; }

private:
    bool AncoraNostro() const;
    void Rinnova();

    std::unique_ptr<QLockFile> m_lock;
    QString m_scheda;
    QTimer m_rinnovo;
};

// Locks the twelve records of a name, entry i for category i, making their
// category folders first. False, keeping none, when one of them is open
// elsewhere; a record whose lock cannot be made is left to the write to report.
bool BloccaSchedeNome(const QString& nome, std::vector<std::unique_ptr<BloccoScheda>>& blocchi);
