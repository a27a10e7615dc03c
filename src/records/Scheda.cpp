#include "records/Scheda.h"

#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {
constexpr int FillerMinimo = 161;
constexpr int FillerMassimo = 255;
// Longest file name most file systems accept, in bytes.
constexpr int LunghezzaMassimaNomeFile = 255;
// The extension and its point: ".ZLR00".
constexpr int LunghezzaEstensione = 6;

const QString CaratteriVietati = QStringLiteral("/\\:*?\"<>|");
} // namespace

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

QString MotivoNomeNonValido(const QString& nome)
{
    if (nome.isEmpty())
        return QStringLiteral("Non hai scritto nessun nome. Non posso aprirti una scheda personale.");
    for (const QChar c : nome) {
        if (CaratteriVietati.contains(c) || c.category() == QChar::Other_Control)
            return QStringLiteral("Il nome contiene caratteri che non si possono usare in una scheda "
                                  "personale.\r\n"
                                  "Scrivi il nome senza i caratteri / \\ : * ? \" < > |");
    }
    bool soloPunti = true;
    for (const QChar c : nome)
        soloPunti = soloPunti && c == QLatin1Char('.');
    if (soloPunti)
        return QStringLiteral("Questo nome non si può usare per una scheda personale.\r\n"
                              "Scrivi un nome con delle lettere.");
    if (QFile::encodeName(nome).size() + LunghezzaEstensione > LunghezzaMassimaNomeFile)
        return QStringLiteral("Il nome è troppo lungo per una scheda personale.\r\n"
                              "Scrivi un nome più corto.");
    return QString();
}

QString PercorsoSchedaSicuro(const QString& categoria, const QString& nome,
                             const QString& estensione)
{
    if (!MotivoNomeNonValido(nome).isEmpty())
        return QString();
    const QString percorso = RisolviPercorso(PercorsoScheda(categoria, nome, estensione));
    // The name holds no separator, so the file lies in the record folder; check anyway.
    const QString cartella = RisolviPercorso(CartellaSchede(categoria));
    if (QFileInfo(percorso).absolutePath() != QFileInfo(cartella).absoluteFilePath())
        return QString();
    return percorso;
}

bool ScriviFileAtomici(const QList<QPair<QString, QByteArray>>& file)
{
    std::vector<std::unique_ptr<QSaveFile>> temporanei;
    for (const auto& f : file) {
        auto t = std::make_unique<QSaveFile>(f.first);
        // Never write in place: a half-written record is worse than none.
        t->setDirectWriteFallback(false);
        if (!t->open(QIODevice::WriteOnly) || t->write(f.second) != f.second.size())
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
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString cartella = QString::fromUtf8(DatiCategoria(i).cartella);
        CreaCartella(CartellaSchede(cartella));
        const QString percorso = PercorsoSchedaSicuro(cartella, nome, QStringLiteral("ZLR") + CodiceScheda(i));
        if (percorso.isEmpty())
            return false;
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
    LettoreCampi lettore;
    return !percorso.isEmpty() && lettore.Apri(percorso) && lettore.LeggiTesto(riga);
}

bool SalvaScheda(const QString& categoria, const QString& nome, const QString& estensione,
                 const QVector<bool>& fatto, const QVector<QString>& giudizio, int ultimo)
{
    CreaCartella(CartellaSchede(categoria));
    const QString percorso = PercorsoSchedaSicuro(categoria, nome, estensione);
    return !percorso.isEmpty() && ScriviFileAtomico(percorso, RigaScheda(fatto, giudizio, ultimo));
}
