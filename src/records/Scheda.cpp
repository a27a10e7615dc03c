#include "records/Scheda.h"

#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <vector>

#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr int FillerMinimo = 161;
constexpr int FillerMassimo = 255;
// Longest file name most file systems accept, in bytes.
constexpr int LunghezzaMassimaNomeFile = 255;
// The extension and its point: ".ZLR00".
constexpr int LunghezzaEstensione = 6;
// Replacing a record writes a temporary file first, named after it with a
// point and six letters more ("Anna.ZLR01.GbdahR").
constexpr int LunghezzaTemporaneo = 7;
constexpr int SecondiTemporaneoNuovo = 60;

const QString CaratteriVietati = QStringLiteral("/\\:*?\"<>|");

// Device names Windows refuses as a file name, whatever extension follows:
// the records may live on a share a Windows computer serves.
const QRegularExpression NomeRiservato(QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00B9\u00B2\u00B3]"
                                                      "|LPT[0-9\u00B9\u00B2\u00B3]) *$"),
                                       QRegularExpression::CaseInsensitiveOption);

// Characters nobody sees (controls, zero-width marks, line and paragraph
// separators, lone surrogates, unassigned code points): a name with them is
// not the name the pupil reads.
bool Invisibile(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool ScritturaVera(QFileDevice& file, const QByteArray& dati)
{
    // A network share may report a full disk only when the data reach it.
    return file.write(dati) == dati.size() && file.flush() && ::fsync(file.handle()) == 0;
}

ScritturaFile& scritturaCorrente()
{
    static ScritturaFile s;
    return s;
}

// A save killed half-way leaves its temporary file beside the record. A save
// under way holds a lock on its own, so one nobody holds is left over; unless
// it is new: a save on another computer takes the lock just after creating it.
void TogliTemporaneiAbbandonati(const QString& percorsoScheda)
{
    const QFileInfo scheda(percorsoScheda);
    const QRegularExpression temporaneo(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(scheda.fileName())),
        QRegularExpression::CaseInsensitiveOption);
    const QDir cartella = scheda.absoluteDir();
    // Only the record's own names are listed: the folder may be a share with the whole class.
    QString filtro = scheda.fileName();
    filtro.replace(QLatin1Char('['), QLatin1String("[[]"));
    for (const QString& nome : cartella.entryList({filtro + QStringLiteral(".??????")},
                                                  QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        QFile f(cartella.filePath(nome));
        if (temporaneo.match(nome).hasMatch()
            && QFileInfo(f).lastModified().secsTo(QDateTime::currentDateTime()) > SecondiTemporaneoNuovo
            && f.open(QIODevice::ReadOnly)
            && flock(f.handle(), LOCK_EX | LOCK_NB) == 0)
            QFile::remove(f.fileName());
    }
}
} // namespace

void ImpostaScritturaFile(ScritturaFile scrittura)
{
    scritturaCorrente() = std::move(scrittura);
}

int FillerCasuale()
{
    return static_cast<int>(QRandomGenerator::global()->bounded(FillerMinimo, FillerMassimo + 1));
}

QByteArray RigaSchedaNuova()
{
    return QByteArray(LunghezzaSchedaNuova, 'x') + "\r\n";
}

QByteArray RigaScheda(const QVector<bool>& fatto, const QVector<QString>& giudizio, int ultimo,
                      const SorgenteCasuale& casuale)
{
    QByteArray riga;
    for (int i = ultimo; i >= 0; --i) {
        const bool eseguito = fatto.value(i, false);
        int filler = 0;
        // A source out of range is drawn again too, so the byte is always a filler.
        do {
            filler = casuale();
        } while (filler < FillerMinimo || filler > FillerMassimo || (filler % 2 == 1) != eseguito);
        riga.append(static_cast<char>(filler));
        riga.append(static_cast<char>(LetteraGiudizio(giudizio.value(i)).toLatin1()));
    }
    return riga + "\r\n";
}

bool SchedaIntegra(const QByteArray& contenuto, int ultimo)
{
    if (!contenuto.endsWith("\r\n"))
        return false;
    const QByteArray riga = contenuto.chopped(2);
    if (riga == QByteArray(LunghezzaSchedaNuova, 'x'))
        return true;
    if (riga.size() != 2 * (ultimo + 1))
        return false;
    for (int i = 0; i < riga.size(); i += 2) {
        const int filler = static_cast<unsigned char>(riga.at(i));
        const QLatin1Char lettera(riga.at(i + 1));
        if (filler < FillerMinimo || filler > FillerMassimo
            || (lettera != QLatin1Char('x') && GiudizioDaLettera(lettera).isEmpty()))
            return false;
    }
    return true;
}

void LeggiRigaScheda(const QString& riga, int ultimo, QVector<bool>& fatto,
                     QVector<QString>& giudizio)
{
    const int n = qMax(0, ultimo + 1);
    fatto = QVector<bool>(n, false);
    giudizio = QVector<QString>(n);
    for (int i = 0; i < n; ++i) {
        const int posizione = 2 * (ultimo - i) + 2; // 1-based
        const QChar lettera = posizione <= riga.size() ? riga.at(posizione - 1) : QChar();
        const QString parola = GiudizioDaLettera(lettera);
        if (!parola.isEmpty()) {
            fatto[i] = true;
            giudizio[i] = parola;
        }
    }
}

namespace {
const QString NonSiPuo = QStringLiteral("Questo nome non si può usare per una scheda personale.\r\n");
const QString SoloPunti = NonSiPuo + QStringLiteral("Scrivi un nome con delle lettere.");

// What every record name needs to stay one whole file of its folder. Records
// made before the rules for new names were kept still open and save.
QString MotivoFileNonValido(const QString& nome)
{
    if (nome.isEmpty())
        return QStringLiteral("Non hai scritto nessun nome. Non posso aprirti una scheda personale.");
    for (const QChar c : nome) {
        if (CaratteriVietati.contains(c) || c.category() == QChar::Other_Control)
            return QStringLiteral("Il nome contiene caratteri che non si possono usare in una scheda "
                                  "personale.\r\n"
                                  "Scrivi il nome senza i caratteri / \\ : * ? \" < > |");
    }
    if (std::all_of(nome.begin(), nome.end(), [](QChar c) { return c == QLatin1Char('.'); }))
        return SoloPunti;
    if (QFile::encodeName(nome).size() + LunghezzaEstensione + LunghezzaTemporaneo > LunghezzaMassimaNomeFile)
        return QStringLiteral("Il nome è troppo lungo per una scheda personale.\r\n"
                              "Scrivi un nome più corto.");
    return QString();
}
} // namespace

QString MotivoNomeNonValido(const QString& nome)
{
    const QString motivo = MotivoFileNonValido(nome);
    if (!motivo.isEmpty())
        return motivo;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        char32_t c = nome.at(i).unicode();
        if (nome.at(i).isHighSurrogate() && i + 1 < nome.size() && nome.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(nome.at(i), nome.at(i + 1));
            ++i;
        }
        if (Invisibile(c))
            return QStringLiteral("Il nome contiene caratteri invisibili, che non si possono usare in "
                                  "una scheda personale.\r\n"
                                  "Cancella il nome e scrivilo di nuovo con la tastiera.");
    }
    if (std::all_of(nome.begin(), nome.end(), [](QChar c) { return c == QLatin1Char('.') || c.isSpace(); }))
        return SoloPunti;
    // A name starting with a point makes a hidden file, which the open dialog never shows.
    if (nome.startsWith(QLatin1Char('.')))
        return NonSiPuo + QStringLiteral("Il nome non può cominciare con un punto.");
    if (nome.endsWith(QLatin1Char('.')) || nome.back().isSpace())
        return NonSiPuo + QStringLiteral("Il nome non può finire con un punto o con uno spazio.");
    if (NomeRiservato.match(nome.section(QLatin1Char('.'), 0, 0)).hasMatch())
        return NonSiPuo + QStringLiteral("Scrivi un altro nome.");
    return QString();
}

QString PercorsoSchedaSicuro(const QString& categoria, const QString& nome,
                             const QString& estensione)
{
    if (!MotivoFileNonValido(nome).isEmpty())
        return QString();
    const QString percorso = RisolviPercorso(PercorsoScheda(categoria, nome, estensione));
    // The name holds no separator, so the file lies in the record folder; check anyway.
    const QString cartella = RisolviPercorso(CartellaSchede(categoria));
    const QFileInfo scheda(percorso);
    if (scheda.absolutePath() != QFileInfo(cartella).absoluteFilePath())
        return QString();
    // Only a regular file of the folder: a link would take the save to a file elsewhere.
    if (scheda.isSymLink() || (scheda.exists() && !scheda.isFile()))
        return QString();
    return percorso;
}

QString PercorsoSchedaCategoria(int categoria, const QString& nome, bool creaCartella)
{
    const QString cartella = QString::fromUtf8(DatiCategoria(categoria).cartella);
    if (creaCartella)
        CreaCartella(CartellaSchede(cartella));
    return PercorsoSchedaSicuro(cartella, nome, QStringLiteral("ZLR") + CodiceScheda(categoria));
}

bool ScriviFileAtomici(const QList<QPair<QString, QByteArray>>& file)
{
    std::vector<std::unique_ptr<QSaveFile>> temporanei;
    for (const auto& f : file) {
        auto t = std::make_unique<QSaveFile>(f.first);
        // Never write in place: a half-written record is worse than none.
        t->setDirectWriteFallback(false);
        // Unbuffered, so that a write the disk refuses fails here and not
        // unnoticed when the file is closed.
        if (!t->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        // Marks the temporary as in use for whoever clears the left-over ones.
        flock(t->handle(), LOCK_EX | LOCK_NB);
        const ScritturaFile& scrivi = scritturaCorrente() ? scritturaCorrente() : ScritturaVera;
        if (!scrivi(*t, f.second))
            return false; // the temporaries written so far are discarded
        // A full disk shows only when the buffer goes out; QSaveFile's commit
        // would not notice and would put an empty file in place of the record.
        if (!t->flush())
            return false;
        temporanei.push_back(std::move(t));
    }
    bool ok = true;
    for (auto& t : temporanei)
        ok = t->commit() && ok;
    return ok;
}

bool ScriviFileAtomico(const QString& percorso, const QByteArray& contenuto)
{
    return ScriviFileAtomici({qMakePair(percorso, contenuto)});
}

bool CreaSchede(const QString& nome)
{
    QList<QPair<QString, QByteArray>> file;
    if (!MotivoNomeNonValido(nome).isEmpty())
        return false;
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString percorso = PercorsoSchedaCategoria(i, nome, true);
        if (percorso.isEmpty())
            return false;
        TogliTemporaneiAbbandonati(percorso);
        file << qMakePair(percorso, RigaSchedaNuova());
    }
    return ScriviFileAtomici(file);
}

bool SchedaEsistente(const QString& nome)
{
    return FileExist(CartellaSchede(QStringLiteral("Articoli")) + nome
                     + QStringLiteral(".") + QStringLiteral("ZLR00"));
}

bool LeggiScheda(const QString& categoria, const QString& nome, const QString& estensione, QString& riga)
{
    const QString percorso = PercorsoSchedaSicuro(categoria, nome, estensione);
    if (percorso.isEmpty())
        return false;
    TogliTemporaneiAbbandonati(percorso);
    LettoreCampi lettore;
    return lettore.Apri(percorso) && lettore.LeggiTesto(riga);
}

bool SalvaScheda(const QString& categoria, const QString& nome, const QString& estensione,
                 const QVector<bool>& fatto, const QVector<QString>& giudizio, int ultimo)
{
    CreaCartella(CartellaSchede(categoria));
    const QString percorso = PercorsoSchedaSicuro(categoria, nome, estensione);
    if (percorso.isEmpty())
        return false;
    TogliTemporaneiAbbandonati(percorso);
    return ScriviFileAtomico(percorso, RigaScheda(fatto, giudizio, ultimo));
}
