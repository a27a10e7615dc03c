#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "platform/Suono.h"
#include "records/Scheda.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QWidget>

#include <cstring>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

CartellaProva::CartellaProva()
{
    ImpostaCartellaApplicazione(m_dir.path());
    Globali::Azzera();
}

CartellaProva::~CartellaProva()
{
    // Files may have been made read-only by a test; give them back.
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    }
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::WriteOwner);
    ImpostaCartellaApplicazione(QString());
}

void CartellaProva::Scrivi(const QString& relativo, const QString& testo) const
{
    ScriviByte(relativo, CodificaWindows1252(testo));
}

void CartellaProva::ScriviByte(const QString& relativo, const QByteArray& byte) const
{
    const QString p = m_dir.path() + QLatin1Char('/') + relativo;
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(byte);
}

QByteArray CartellaProva::Leggi(const QString& relativo) const
{
    QFile f(m_dir.path() + QLatin1Char('/') + relativo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void CartellaProva::CopiaDatiDistribuiti() const
{
    const QDir origine(qEnvironmentVariable("ZELORA_SOURCE_DATA"));
    for (QDirIterator it(origine.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString p = it.next(), dest = m_dir.path() + QLatin1Char('/') + origine.relativeFilePath(p);
        QDir().mkpath(QFileInfo(dest).path());
        QFile::copy(p, dest);
    }
}

void CartellaProva::CreaCartelleSchede() const
{
    for (int i = 0; i < NumeroCategorie; ++i)
        QDir().mkpath(m_dir.path() + QStringLiteral("/Schede personali/") + QString::fromUtf8(DatiCategoria(i).cartella));
}

MessaggiScriptati::MessaggiScriptati()
{
    ImpostaGestoreMessaggi([this](const Messaggio& m) {
        mostrati << m;
        if (!m_risposte.isEmpty())
            return m_risposte.takeFirst();
        return m.pulsanti == Pulsanti::OK ? Risposta::Ok : Risposta::Si;
    });
    ImpostaGestoreScelte([this](const Scelta& s) {
        elenchi << s;
        return m_voci.isEmpty() ? 0 : m_voci.takeFirst();
    });
}

MessaggiScriptati::~MessaggiScriptati()
{
    ImpostaGestoreMessaggi({});
    ImpostaGestoreScelte({});
}

QStringList MessaggiScriptati::Testi() const
{
    QStringList t;
    for (const Messaggio& m : mostrati)
        t << m.testo;
    return t;
}

SuoniRegistrati::SuoniRegistrati()
{
    ImpostaRiproduttoreSuoni([this](const QString& percorso) { suonati << QFileInfo(percorso).fileName(); });
}

SuoniRegistrati::~SuoniRegistrati() { ImpostaRiproduttoreSuoni({}); }

DiscoPieno::DiscoPieno()
{
    ImpostaScritturaFile([](QFileDevice& file, const QByteArray& dati) {
        file.write(dati.left(dati.size() / 2));
        return false;
    });
}

DiscoPieno::~DiscoPieno() { ImpostaScritturaFile({}); }

namespace {
class Registratore : public Stampante {
public:
    explicit Registratore(StampanteRegistrata* r) : m_r(r) {}
    bool Inizia() override { m_r->pagine = 1; return !m_r->nonDisponibile; }
    bool Fine() override { m_r->documenti += m_r->fallisceAllaFine ? 0 : 1; return !m_r->fallisceAllaFine; }
    double AltezzaStampabile() const override { return StampanteRegistrata::AltezzaPagina(); }
    void Linea(double x1, double y1, double x2, double y2) override { m_r->linee << LineaStampata{x1, y1, x2, y2, m_r->pagine}; }
    void NuovaPagina() override { ++m_r->pagine; }
    double AltezzaRiga() const override { return Font().pointSizeF() * 0.5; }
    double LarghezzaTesto(const QString& t) const override { return t.size() * Font().pointSizeF() * 0.2; }

protected:
    void DisegnaTesto(double x, double y, const QString& testo) override
    {
        m_r->stampati << Stampato{testo, x, y, Font().family(), Font().pointSizeF(), Font().bold(), Font().italic(), m_r->pagine};
    }

private:
    StampanteRegistrata* m_r;
};
} // namespace

StampanteRegistrata::StampanteRegistrata()
{
    ImpostaFabbricaStampanti([this] { return std::make_unique<Registratore>(this); });
}

StampanteRegistrata::~StampanteRegistrata() { ImpostaFabbricaStampanti({}); }

QStringList StampanteRegistrata::Testi() const
{
    QStringList t;
    for (const Stampato& s : stampati)
        t << s.testo;
    return t;
}

GestoreModali::GestoreModali(Gestore gestore)
    : m_gestore(std::move(gestore))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &GestoreModali::Controlla);
    m_timer.start();
}

void GestoreModali::Controlla()
{
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || modale == m_ultima)
        return;
    m_ultima = modale;
    aperte << QString::fromLatin1(modale->metaObject()->className());
    if (m_gestore)
        m_gestore(modale);
    if (modale->isVisible())
        modale->close(); // a dialog's close is its reject
    m_ultima = nullptr;
}

struct PermessiVeri::Capacita {
    __user_cap_header_struct testa{};
    __user_cap_data_struct salvati[2]{};
    bool ridotto = false;
};

PermessiVeri::PermessiVeri()
    : m_c(std::make_unique<Capacita>())
{
    m_c->testa.version = _LINUX_CAPABILITY_VERSION_3;
    if (geteuid() != 0 || syscall(SYS_capget, &m_c->testa, m_c->salvati) != 0)
        return;
    __user_cap_data_struct ridotti[2];
    memcpy(ridotti, m_c->salvati, sizeof ridotti);
    ridotti[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    m_c->ridotto = syscall(SYS_capset, &m_c->testa, ridotti) == 0;
}

PermessiVeri::~PermessiVeri()
{
    if (m_c->ridotto)
        syscall(SYS_capset, &m_c->testa, m_c->salvati);
}

bool PermessiVeri::SolaLettura(const QString& cartella)
{
    QFile::setPermissions(cartella, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile prova(cartella + QStringLiteral("/.prova"));
    return !prova.open(QIODevice::WriteOnly);
}

QStringList PagineDelPdf(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("pdftotext failed on ") + pdf};
    QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    pagine.removeLast(); // what follows the last form feed
    for (QString& s : pagine)
        s = s.simplified();
    return pagine;
}
