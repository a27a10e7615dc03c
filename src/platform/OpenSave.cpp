#include "platform/OpenSave.h"

#include "content/Percorsi.h"
#include "platform/Messaggi.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
// Flag bits of the prepared record that the dialog honours.
constexpr qint32 FlagPercorsoEsistente = 0x0800;
constexpr qint32 FlagFileEsistente = 0x1000;

MostraDialogoFile& dialogoSostitutivo()
{
    static MostraDialogoFile d;
    return d;
}

// Text before the first NUL, or the whole text when there is none.
QString FinoAlNul(const QString& buffer)
{
    const int p = buffer.indexOf(QChar(0));
    return p < 0 ? buffer : buffer.left(p);
}

QString Riempito(const QString& testo)
{
    QString b = testo.left(RecordDialogo::DimensioneBuffer - 1);
    return b + QString(RecordDialogo::DimensioneBuffer - b.size(), QChar(0));
}

// The description and pattern pairs of a NUL-separated filter, as Qt writes
// them: "description (patterns)", patterns separated by blanks.
QStringList FiltriQt(const QString& filtro)
{
    QStringList pezzi = filtro.split(QChar(0));
    while (!pezzi.isEmpty() && pezzi.last().isEmpty())
        pezzi.removeLast();
    QStringList filtri;
    for (int i = 0; i + 1 < pezzi.size(); i += 2) {
        const QString descrizione = pezzi.at(i);
        QString modelli = pezzi.at(i + 1);
        modelli.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString coda = QStringLiteral("(") + modelli + QStringLiteral(")");
        filtri << (descrizione.endsWith(coda) ? descrizione
                                              : descrizione + QStringLiteral(" ") + coda);
    }
    return filtri;
}

class DialogoFile : public QFileDialog {
public:
    explicit DialogoFile(const RecordDialogo& r)
        : QFileDialog(r.proprietario, r.titolo)
        , m_flags(r.flags)
    {
        setOption(QFileDialog::DontUseNativeDialog, true);
        setOption(QFileDialog::DontConfirmOverwrite, true);
        setAcceptMode(r.salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // Existence is checked in accept(), where names match without regard to case.
        setFileMode(QFileDialog::AnyFile);
        setFilter(filter() & ~QDir::CaseSensitive);
        setLabelText(QFileDialog::LookIn, QStringLiteral("Cerca in:"));
        setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
        setLabelText(QFileDialog::FileType, QStringLiteral("Tipo file:"));
        setLabelText(QFileDialog::Accept, r.salva ? QStringLiteral("Salva") : QStringLiteral("Apri"));
        setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
        const QStringList filtri = FiltriQt(r.filtro);
        if (!filtri.isEmpty())
            setNameFilters(filtri);
        if (r.indiceFiltro >= 1 && r.indiceFiltro <= filtri.size())
            selectNameFilter(filtri.at(r.indiceFiltro - 1));
        setDirectory(RisolviPercorso(r.cartellaIniziale));
        if (!r.estensionePredefinita.isEmpty())
            setDefaultSuffix(r.estensionePredefinita);
        const QString proposto = FinoAlNul(r.bufferFile);
        if (!proposto.isEmpty())
            selectFile(proposto);
        if (!r.salva) {
            // A pupil opening a record can change nothing: no context menu,
            // no renaming or deleting, no new folder.
            setOption(QFileDialog::ReadOnly, true);
            for (QAbstractItemView* vista : findChildren<QAbstractItemView*>())
                vista->setContextMenuPolicy(Qt::NoContextMenu);
            Nascondi({"newFolderButton"});
        }
        if (r.soloCartellaIniziale)
            ChiudiInCartella(RisolviPercorso(r.cartellaIniziale));
    }

    QString Scelto() const { return m_scelto; }

    void accept() override
    {
        const QStringList scelti = selectedFiles();
        if (scelti.isEmpty())
            return;
        const QString percorso = RisolviPercorso(scelti.first());
        const QFileInfo info(percorso);
        if (!m_cartella.isEmpty() && (info.isDir() || !NellaCartella(info.absolutePath()))) {
            Avvisa(info.fileName(), QStringLiteral("Si può scegliere soltanto un file di questa cartella."));
            return;
        }
        if (info.isDir()) {
            setDirectory(percorso);
            selectFile(QString());
            return;
        }
        if ((m_flags & FlagPercorsoEsistente) && !QFileInfo(info.absolutePath()).isDir()) {
            Avvisa(info.absolutePath(), QStringLiteral("La cartella non esiste."));
            return;
        }
        if ((m_flags & FlagFileEsistente) && !info.exists()) {
            Avvisa(info.fileName(), QStringLiteral("Il file non esiste. Controlla il nome e riprova."));
            return;
        }
        m_scelto = percorso;
        QDialog::accept();
    }

private:
    void Nascondi(std::initializer_list<const char*> nomi)
    {
        for (const char* nome : nomi)
            if (QWidget* w = findChild<QWidget*>(QLatin1String(nome)))
                w->hide();
    }

    // Only the folder's own files: no places to go to, no parent folder, no
    // history, no subfolders listed.
    void ChiudiInCartella(const QString& cartella)
    {
        m_cartella = QFileInfo(cartella).canonicalFilePath();
        setSidebarUrls({});
        setHistory({});
        // The names alone: sizes, kinds and dates would only distract a child.
        setViewMode(QFileDialog::List);
        Nascondi({"sidebar", "lookInLabel", "lookInCombo", "backButton", "forwardButton", "toParentButton",
                  "listModeButton", "detailModeButton"});
        setFilter((filter() | QDir::Files) & ~(QDir::AllDirs | QDir::Dirs | QDir::Drives));
        connect(this, &QFileDialog::directoryEntered, this, [this](const QString& entrata) {
            if (!NellaCartella(entrata))
                setDirectory(m_cartella);
        });
    }

    bool NellaCartella(const QString& percorso) const
    {
        return QFileInfo(percorso).canonicalFilePath() == m_cartella;
    }

    void Avvisa(const QString& nome, const QString& testo)
    {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                        nome + QStringLiteral("\r\n") + testo);
    }

    qint32 m_flags;
    QString m_scelto;
    QString m_cartella; // the only folder, when the dialog is kept in it
};

std::optional<QString> DialogoReale(const RecordDialogo& r)
{
    DialogoFile dialogo(r);
    if (dialogo.exec() != QDialog::Accepted || dialogo.Scelto().isEmpty())
        return std::nullopt;
    return dialogo.Scelto();
}
} // namespace

void ImpostaDialogoFile(MostraDialogoFile dialogo)
{
    dialogoSostitutivo() = std::move(dialogo);
}

void OpenSave::ShowOpen()
{
    Mostra(false);
}

void OpenSave::ShowSave()
{
    Mostra(true);
}

void OpenSave::PreparaRecord(bool salva)
{
    RecordDialogo r;
    r.salva = salva;
    r.proprietario = m_hOwner.data();
    // A file is saved under a new name as often as not.
    if (salva)
        r.flags &= ~FlagFileEsistente;
    r.estensionePredefinita = m_defaultExt;
    r.cartellaIniziale = m_initDir.isEmpty() ? CartellaApplicazione() : m_initDir;
    r.bufferFile = Riempito(m_fileName);
    r.bufferTitolo = QString(RecordDialogo::DimensioneBuffer, QChar(0));
    r.filtro = m_filter;
    r.filtro.replace(QLatin1Char('|'), QChar(0));
    r.filtro += QString(2, QChar(0));
    r.indiceFiltro = m_filterIndex;
    r.titolo = m_dialogTitle;
    r.soloCartellaIniziale = m_soloCartellaIniziale;
    m_record = r;
}

void OpenSave::Mostra(bool salva)
{
    PreparaRecord(salva);
    const std::optional<QString> scelto =
        dialogoSostitutivo() ? dialogoSostitutivo()(m_record) : DialogoReale(m_record);
    m_result = 0;
    if (scelto && !scelto->isEmpty()) {
        const QString titolo = QFileInfo(*scelto).fileName();
        // A path or name that does not fit its buffer fails like the platform's dialog.
        if (scelto->size() < RecordDialogo::DimensioneBuffer
            && titolo.size() < RecordDialogo::DimensioneBuffer) {
            m_record.bufferFile = Riempito(*scelto);
            m_record.bufferTitolo = Riempito(titolo);
            m_result = 1;
        }
    }
    if (m_result > 0) {
        if (m_record.bufferTitolo.contains(QChar(0)))
            m_fileTitle = FinoAlNul(m_record.bufferTitolo);
        if (m_record.bufferFile.contains(QChar(0)))
            m_fileName = FinoAlNul(m_record.bufferFile);
    } else {
        m_fileName.clear();
    }
}
