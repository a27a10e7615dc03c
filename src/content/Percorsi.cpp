#include "content/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#ifndef ZELORA_CONTENUTI_RELATIVI
#define ZELORA_CONTENUTI_RELATIVI "../share/zelora"
#endif

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString NomeCartellaSchede = QStringLiteral("Schede personali");

QString& cartellaImpostata()
{
    static QString c;
    return c;
}

QString& cartellaSchedeImpostata()
{
    static QString c;
    return c;
}

// The content travels with the program when "Esercizi" is beside it. Asked
// once: every data path asks, and an installed program's folder is long.
bool ContenutiAccantoAlProgramma()
{
    static const bool accanto =
        QFileInfo(RisolviPercorso(QCoreApplication::applicationDirPath() + QStringLiteral("/Esercizi"))).isDir();
    return accanto;
}

// A folder the program may write in: it exists and is writable, or it can be
// made inside a writable parent.
bool Scrivibile(const QString& cartella)
{
    const QFileInfo info(RisolviPercorso(cartella));
    if (info.exists())
        return info.isDir() && info.isWritable();
    const QFileInfo genitore(info.absolutePath());
    return genitore.isDir() && genitore.isWritable();
}
} // namespace

QString CartellaApplicazione()
{
    if (!cartellaImpostata().isEmpty())
        return cartellaImpostata();
    const QString programma = QCoreApplication::applicationDirPath();
    if (ContenutiAccantoAlProgramma())
        return programma;
    const QString installata = QDir::cleanPath(programma + QStringLiteral("/" ZELORA_CONTENUTI_RELATIVI));
    // Neither: the missing content is reported from beside the program, as before.
    return QFileInfo(installata).isDir() ? installata : programma;
}

void ImpostaCartellaApplicazione(const QString& cartella)
{
    cartellaImpostata() = cartella;
    cartellaSchedeImpostata() = cartella.isEmpty() ? QString() : cartella + QLatin1Char('/') + NomeCartellaSchede;
}

QString CartellaSchedePersonali()
{
    if (!cartellaSchedeImpostata().isEmpty())
        return cartellaSchedeImpostata();
    // An installed program never writes beside itself, not even as root.
    const QString accanto = QCoreApplication::applicationDirPath() + QLatin1Char('/') + NomeCartellaSchede;
    if (ContenutiAccantoAlProgramma() && Scrivibile(accanto))
        return RisolviPercorso(accanto);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zelora/")
        + NomeCartellaSchede;
}

void ImpostaCartellaSchede(const QString& cartella)
{
    cartellaSchedeImpostata() = cartella;
}

QString RisolviPercorso(const QString& percorso)
{
    QString p = percorso;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool assoluto = p.startsWith(QLatin1Char('/'));
    const QStringList parti = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString risultato = assoluto ? QStringLiteral("/") : QString();
    bool esiste = true;
    for (const QString& parte : parti) {
        QString nome = parte;
        if (esiste && parte != QLatin1String(".") && parte != QLatin1String("..")) {
            const QString base = risultato.isEmpty() ? QStringLiteral(".") : risultato;
            if (!QFileInfo::exists(base + QLatin1Char('/') + parte)) {
                const QStringList voci = QDir(base).entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDir::Name);
                QString trovato;
                for (const QString& v : voci) {
                    if (v.compare(parte, Qt::CaseInsensitive) == 0) {
                        trovato = v;
                        break;
                    }
                }
                if (trovato.isEmpty())
                    esiste = false;
                else
                    nome = trovato;
            }
        }
        if (!risultato.isEmpty() && !risultato.endsWith(QLatin1Char('/')))
            risultato += QLatin1Char('/');
        risultato += nome;
    }
    if (risultato.isEmpty())
        risultato = assoluto ? QStringLiteral("/") : QStringLiteral(".");
    return risultato;
}

bool FileExist(const QString& percorso)
{
    if (percorso.isEmpty())
        return false;
    const QFileInfo info(RisolviPercorso(percorso));
    return info.exists() && !info.isDir();
}

QStringList ElencaFile(const QString& cartella, const QString& modello)
{
    const QRegularExpression re(
        QRegularExpression::wildcardToRegularExpression(modello),
        QRegularExpression::CaseInsensitiveOption);
    QStringList risultato;
    const QDir dir(RisolviPercorso(cartella));
    if (!dir.exists())
        return risultato;
    const QStringList voci = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& v : voci)
        if (re.match(v).hasMatch())
            risultato << v;
    return risultato;
}

bool CreaCartella(const QString& percorso)
{
    return QDir().mkpath(RisolviPercorso(percorso));
}

bool LeggiFile(const QString& percorso, QByteArray& contenuto, qint64 limite)
{
    // Opened without waiting and looked at before reading: opening a FIFO
    // for reading would otherwise wait for a writer that never comes.
    const int fd = ::open(QFile::encodeName(RisolviPercorso(percorso)).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    QFile f;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > limite
        || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    // What the file held when it was looked at, even if it grows meanwhile.
    const QByteArray letto = f.read(info.st_size);
    if (f.error() != QFileDevice::NoError || letto.size() != info.st_size)
        return false;
    contenuto = letto;
    return true;
}
