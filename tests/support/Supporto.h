#pragma once
// What the tests put in place of the platform, and a throwaway application folder.
#include "platform/Messaggi.h"
#include "platform/Stampante.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;

// A fresh application folder, made current for the program.
class CartellaProva {
public:
    CartellaProva();
    ~CartellaProva();
    QString Percorso() const { return m_dir.path(); }
    // Writes a file below the folder, in Windows-1252 as is (write "\r\n" for CR LF).
    void Scrivi(const QString& relativo, const QString& testo) const;
    void ScriviByte(const QString& relativo, const QByteArray& byte) const;
    QByteArray Leggi(const QString& relativo) const;
    // Copies the bundled content of the repository into the folder.
    void CopiaDatiDistribuiti() const;
    // Makes the twelve empty record folders.
    void CreaCartelleSchede() const;

private:
    QTemporaryDir m_dir;
};

// Answers message boxes (Sì / OK when the queue is empty) and lists (the first entry
// when none is queued), and keeps every message and list shown.
class MessaggiScriptati {
public:
    MessaggiScriptati();
    ~MessaggiScriptati();
    void Rispondi(Risposta r) { m_risposte << r; }
    void Scegli(int voce) { m_voci << voce; }
    QList<Messaggio> mostrati;
    QList<Scelta> elenchi;
    QStringList Testi() const;

private:
    QList<Risposta> m_risposte;
    QList<int> m_voci;
};

// Keeps the file names of the cues played, in order.
struct SuoniRegistrati {
    SuoniRegistrati();
    ~SuoniRegistrati();
    QStringList suonati;
};

// Every record file written while it lives fails half-way, as on a full disk.
struct DiscoPieno {
    DiscoPieno();
    ~DiscoPieno();
};

// One print call on the recording printer, and one line drawn.
struct Stampato {
    QString testo;
    double x = 0, y = 0;
    QString font;
    double dimensione = 0;
    bool grassetto = false, corsivo = false;
    int pagina = 0;
};
struct LineaStampata { double x1, y1, x2, y2; int pagina; };

// Every printout goes to a recording printer (a line is half its point size high).
struct StampanteRegistrata {
    StampanteRegistrata();
    ~StampanteRegistrata();
    bool nonDisponibile = false; // Inizia fails
    bool fallisceAllaFine = false; // Fine fails
    int documenti = 0; // documents ended successfully
    int pagine = 0; // pages of the last document
    QList<Stampato> stampati;
    QList<LineaStampata> linee;
    QStringList Testi() const;
    static double AltezzaPagina() { return 287.0; }
};

// Calls the handler for each modal window that opens, then closes it if still open.
class GestoreModali : public QObject {
public:
    using Gestore = std::function<void(QWidget*)>;
    explicit GestoreModali(Gestore gestore = {});
    QStringList aperte; // class names, in order

private:
    void Controlla();
    Gestore m_gestore;
    QTimer m_timer;
    QWidget* m_ultima = nullptr;
};

// Takes away root's right to ignore file permissions, so read-only holds for the test too.
class PermessiVeri {
public:
    PermessiVeri();
    ~PermessiVeri();
    // Makes the folder read-only; false when writing in it still works.
    static bool SolaLettura(const QString& cartella);

private:
    struct Capacita;
    std::unique_ptr<Capacita> m_c;
};

// The pages of a PDF file as pdftotext reads them, blanks simplified.
QStringList PagineDelPdf(const QString& pdf);
