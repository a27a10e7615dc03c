#pragma once
// The open and save file dialogs behind a handful of properties. Before each
// show the dialog's parameters are prepared in one record (the buffers are
// 255 characters, the filter's pieces are separated by NUL characters); after
// it, FileName and FileTitle hold the choice. Cancel, or any failure of the
// dialog, empties FileName and keeps FileTitle.
//
// The dialog is Qt's own (non-native, so it also works offscreen). File
// names match the filter patterns without regard to letter case, and a name
// typed in another case picks the file that exists. An open dialog changes
// nothing on disk: no renaming, deleting or new folders. Tests replace the
// dialog itself through ImpostaDialogoFile.
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// What a show hands to the dialog.
struct RecordDialogo {
    static constexpr int DimensioneBuffer = 255;
    // Hide read-only, keep the current folder, path and file must exist.
    static constexpr qint32 FlagsPredefiniti = 0x180C;

    bool salva = false; // save dialog instead of open
    int dimensioneStruttura = 76;
    QWidget* proprietario = nullptr;
    qint32 flags = FlagsPredefiniti;
    QString estensionePredefinita;
    QString cartellaIniziale; // never empty: the application folder by default
    QString bufferFile; // proposed name, NUL-padded to DimensioneBuffer
    QString bufferTitolo; // DimensioneBuffer NULs
    QString filtro; // the pairs, NUL-separated, ending with NUL NUL NUL
    qint32 indiceFiltro = 0;
    QString titolo;
    bool soloCartellaIniziale = false; // no way to any other folder
};

// Shows the dialog; the chosen file's full path, or nothing after Cancel.
using MostraDialogoFile = std::function<std::optional<QString>(const RecordDialogo&)>;
// Replaces the real dialog (tests); an empty function restores it.
void ImpostaDialogoFile(MostraDialogoFile dialogo);

class OpenSave {
public:
    OpenSave() = default;

    // Properties, in their order.
    void Filter(const QString& sFilter) { m_filter = sFilter; }
    QString FileName() const { return m_fileName; }
    void DialogTitle(const QString& sTitle) { m_dialogTitle = sTitle; }
    void hOwner(QWidget* New_hOwner) { m_hOwner = New_hOwner; }
    void DefaultExt(const QString& sDefExt) { m_defaultExt = sDefExt; }
    void InitDir(const QString& sDir) { m_initDir = sDir; }
    qint32 FilterIndex() const { return m_filterIndex; }
    void FilterIndex(qint32 lIndex) { m_filterIndex = lIndex; }
    void FileName(const QString& sFileName) { m_fileName = sFileName; }
    QString FileTitle() const { return m_fileTitle; }
    // Keeps the dialog inside InitDir: no places, no parent folder, no subfolders.
    void SoloCartellaIniziale(bool solo) { m_soloCartellaIniziale = solo; }

    void ShowOpen();
    void ShowSave();

    // The record of the last show (tests read it).
    const RecordDialogo& Record() const { return m_record; }

private:
    void PreparaRecord(bool salva);
    void Mostra(bool salva);

    QString m_filter;
    QString m_dialogTitle;
    QPointer<QWidget> m_hOwner;
    QString m_defaultExt;
    QString m_initDir;
    qint32 m_filterIndex = 0;
    bool m_soloCartellaIniziale = false;
    QString m_fileName;
    QString m_fileTitle;
    RecordDialogo m_record;
    qint32 m_result = 0;
};
