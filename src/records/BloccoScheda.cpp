#include "records/BloccoScheda.h"

#include "content/Catalogo.h"
#include "content/Percorsi.h"
#include "records/Scheda.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <sys/time.h>

namespace {
// Locks taken over by another computer: unlocking one would delete that
// computer's lock file, so they stay here, never unlocked, to the end.
std::vector<QLockFile*>& LockCeduti()
{
    static auto* ceduti = new std::vector<QLockFile*>;
    return *ceduti;
}
} // namespace

BloccoScheda::BloccoScheda()
{
    m_rinnovo.setInterval(TempoRinnovo);
    QObject::connect(&m_rinnovo, &QTimer::timeout, &m_rinnovo, [this] { Rinnova(); });
}

BloccoScheda::~BloccoScheda()
{
    Rilascia();
}

BloccoScheda::Esito BloccoScheda::Prendi(const QString& percorsoScheda)
{
    Rilascia();
    auto lock = std::make_unique<QLockFile>(percorsoScheda + QStringLiteral(".lock"));
    lock->setStaleLockTime(TempoAbbandono);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError ? Esito::InUso : Esito::NonPossibile;
    m_lock = std::move(lock);
    m_scheda = percorsoScheda;
    m_rinnovo.start();
    return Esito::Preso;
}

bool BloccoScheda::PuoScrivere(const QString& percorsoScheda)
{
    if (m_lock && m_scheda == percorsoScheda && AncoraNostro())
        return true;
    return Prendi(percorsoScheda) != Esito::InUso;
}

void BloccoScheda::Rilascia()
{
    m_rinnovo.stop();
    if (m_lock && !AncoraNostro())
        LockCeduti().push_back(m_lock.release());
    m_lock.reset();
    m_scheda.clear();
}

bool BloccoScheda::AncoraNostro() const
{
    qint64 pid = 0;
    QString host, programma;
    return m_lock && m_lock->getLockInfo(&pid, &host, &programma)
        && pid == QCoreApplication::applicationPid() && host == QSysInfo::machineHostName();
}

void BloccoScheda::Rinnova()
{
    // A fresh modification time tells other computers that the holder lives.
    if (AncoraNostro())
        ::utimes(QFile::encodeName(m_lock->fileName()).constData(), nullptr);
}

bool BloccaSchedeNome(const QString& nome, std::vector<std::unique_ptr<BloccoScheda>>& blocchi)
{
    blocchi.clear();
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString percorso = PercorsoSchedaCategoria(i, nome, true);
        blocchi.push_back(std::make_unique<BloccoScheda>());
        if (!percorso.isEmpty() && blocchi.back()->Prendi(percorso) == BloccoScheda::Esito::InUso) {
            blocchi.clear();
            return false;
        }
    }
    return true;
}
