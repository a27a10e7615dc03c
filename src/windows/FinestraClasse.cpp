#include "windows/FinestraClasse.h"

#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/OpenSave.h"
#include "platform/Stampante.h"
#include "platform/Suono.h"
#include "platform/Twips.h"
#include "records/Scheda.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The colours of the record sheet: grades on yellow or green, "da fare" in pink.
QColor Sfondo(const QString& giudizio)
{
    if (giudizio == QLatin1String("SUFFICIENTE") || giudizio == QLatin1String("DISCRETO"))
        return QColor(255, 255, 0);
    if (giudizio == QLatin1String("BUONO") || giudizio == QLatin1String("OTTIMO")
        || giudizio == QLatin1String("ECCELLENTE"))
        return QColor(0, 255, 0);
    return QColor(255, 255, 255);
}

QColor Inchiostro(const QString& giudizio)
{
    if (giudizio == QLatin1String("da fare"))
        return QColor(255, 128, 128);
    if (giudizio == QLatin1String("illeggibile"))
        return QColor(192, 0, 0);
    return QColor(0, 0, 255);
}

QPushButton* Pulsante(QWidget* genitore, const char* nome, const QString& testo)
{
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(QLatin1String(nome));
    b->setFont(Carattere(QStringLiteral("Arial"), 9.75, true));
    b->setMinimumSize(tw(1400), tw(420));
    b->setCursor(CursoreMano());
    b->setAutoDefault(false);
    return b;
}
} // namespace

FinestraClasse::FinestraClasse(QWidget* parent)
    : QDialog(parent)
    , m_classe(LeggiClasse())
{
    setObjectName(QStringLiteral("FinestraClasse"));
    setWindowTitle(QStringLiteral("Zelora: classe ") + NomeClasse());
    CreaControlli();
    MostraTabella(0);
}

QString FinestraClasse::NomeClasse() const
{
    return QFileInfo(m_classe.cartella).fileName();
}

void FinestraClasse::CreaControlli()
{
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, Qt::white);
    setPalette(sfondo);

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(tw(180), tw(120), tw(180), tw(120));
    colonna->setSpacing(tw(90));
    auto* titolo = new QLabel(QStringLiteral("Classe: ") + NomeClasse(), this);
    titolo->setObjectName(QStringLiteral("titolo"));
    titolo->setFont(Carattere(QStringLiteral("Arial"), 12, true));
    titolo->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,255); }"));
    auto* cartella = new QLabel(QStringLiteral("Schede personali lette da ") + QDir::toNativeSeparators(m_classe.cartella), this);
    cartella->setObjectName(QStringLiteral("cartella"));
    cartella->setFont(Carattere(QStringLiteral("Arial"), 8.25));
    colonna->addWidget(titolo);
    colonna->addWidget(cartella);

    auto* scelta = new QHBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("Tabella:"), this);
    etichetta->setFont(Carattere(QStringLiteral("Arial"), 9.75, true));
    m_scelta = new QComboBox(this);
    m_scelta->setObjectName(QStringLiteral("scelta"));
    m_scelta->setFont(Carattere(QStringLiteral("Arial"), 9.75));
    m_scelta->addItem(QStringLiteral("Riepilogo della classe"));
    for (int c = 0; c < NumeroCategorie; ++c)
        m_scelta->addItem(QString::fromUtf8(DatiCategoria(c).cartella));
    etichetta->setBuddy(m_scelta);
    scelta->addWidget(etichetta);
    scelta->addWidget(m_scelta);
    scelta->addStretch();
    colonna->addLayout(scelta);

    m_griglia = new QTableWidget(this);
    m_griglia->setObjectName(QStringLiteral("griglia"));
    m_griglia->setFont(Carattere(QStringLiteral("Arial"), 9));
    m_griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_griglia->setSelectionMode(QAbstractItemView::NoSelection);
    m_griglia->setWordWrap(false);
    m_griglia->horizontalHeader()->setFont(Carattere(QStringLiteral("Arial"), 8.25, true));
    m_griglia->verticalHeader()->setFont(Carattere(QStringLiteral("Arial"), 9, true));
    m_griglia->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    colonna->addWidget(m_griglia, 1);

    auto* pulsanti = new QHBoxLayout;
    QPushButton* stampa = Pulsante(this, "pulsanteStampa", QStringLiteral("Stampa"));
    stampa->setIcon(QIcon(ImmagineStampante()));
    QPushButton* esporta = Pulsante(this, "pulsanteEsporta", QStringLiteral("Salva per un foglio di calcolo"));
    QPushButton* ok = Pulsante(this, "pulsanteOk", QStringLiteral("OK"));
    pulsanti->addWidget(stampa);
    pulsanti->addWidget(esporta);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    colonna->addLayout(pulsanti);

    connect(m_scelta, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &FinestraClasse::MostraTabella);
    // A category's caption in the overview opens that category.
    connect(m_griglia->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int colonna) {
        if (m_scelta->currentIndex() == 0 && colonna < NumeroCategorie)
            MostraTabella(colonna + 1);
    });
    connect(stampa, &QPushButton::clicked, this, &FinestraClasse::stampaPremuta);
    connect(esporta, &QPushButton::clicked, this, &FinestraClasse::esportaPremuto);
    connect(ok, &QPushButton::clicked, this, [this] {
        SuonaCue(QStringLiteral("press.wav"));
        accept();
    });

    setMinimumSize(tw(9000), tw(6000));
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    resize(schermo.width() * 9 / 10, schermo.height() * 9 / 10);
}

void FinestraClasse::MostraTabella(int scelta)
{
    // Through the list, so that it always names the table shown.
    if (scelta != m_scelta->currentIndex()) {
        m_scelta->setCurrentIndex(scelta);
        return;
    }
    m_tabella = scelta == 0 ? TabellaRiepilogo(m_classe) : TabellaCategoria(m_classe, scelta - 1);
    const TabellaClasse& t = m_tabella;
    m_griglia->clear();
    m_griglia->setRowCount(t.righe.size());
    m_griglia->setColumnCount(t.colonne.size() - 1);
    QStringList intestazioni;
    for (int c = 1; c < t.colonne.size(); ++c)
        intestazioni << RigheDidascalia(t.colonne.at(c)).join(QLatin1Char('\n'));
    m_griglia->setHorizontalHeaderLabels(intestazioni);
    for (int c = 0; scelta == 0 && c < NumeroCategorie; ++c)
        m_griglia->horizontalHeaderItem(c)->setToolTip(QStringLiteral("Clicca qui per vedere gli esercizi di ") + t.colonne.at(c + 1));
    for (int r = 0; r < t.righe.size(); ++r) {
        const bool conteggio = r >= t.righe.size() - t.conteggi;
        auto* nome = new QTableWidgetItem(t.righe.at(r).value(0));
        nome->setForeground(t.giudizi.at(r).value(0).isEmpty() ? QColor(0, 0, 0) : Inchiostro(t.giudizi.at(r).value(0)));
        m_griglia->setVerticalHeaderItem(r, nome);
        for (int c = 1; c < t.righe.at(r).size(); ++c) {
            auto* cella = new QTableWidgetItem(t.righe.at(r).at(c));
            const QString giudizio = t.giudizi.at(r).value(c);
            cella->setTextAlignment(Qt::AlignCenter);
            cella->setBackground(conteggio ? QColor(224, 224, 224) : Sfondo(giudizio));
            cella->setForeground(conteggio ? QColor(0, 0, 0) : Inchiostro(giudizio));
            if (conteggio)
                cella->setFont(Carattere(QStringLiteral("Arial"), 9, true));
            m_griglia->setItem(r, c - 1, cella);
        }
    }
    m_griglia->resizeColumnsToContents();
    m_griglia->resizeRowsToContents();
}

void FinestraClasse::stampaPremuta()
{
    SuonaCue(QStringLiteral("press.wav"));
    if (ChiediStampa(this, windowTitle(), QStringLiteral("Vuoi stampare questa tabella?")))
        Stampa();
}

void FinestraClasse::esportaPremuto()
{
    SuonaCue(QStringLiteral("press.wav"));
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    OpenSave dialogo;
    dialogo.hOwner(this);
    dialogo.DialogTitle(QStringLiteral("Salva la tabella per un foglio di calcolo"));
    dialogo.Filter(QStringLiteral("Tabella per fogli di calcolo (*.csv)|*.csv|"));
    dialogo.DefaultExt(QStringLiteral("csv"));
    dialogo.InitDir(QFileInfo(documenti).isDir() ? documenti : QDir::homePath());
    dialogo.FileName(NomeClasse() + QStringLiteral(" - ") + m_tabella.titolo + QStringLiteral(".csv"));
    dialogo.ShowSave();
    const QString file = dialogo.FileName();
    if (file.isEmpty())
        return;
    if (QFileInfo::exists(file)
        && MostraMessaggio(this, Icona::Domanda, Pulsanti::SiNo, windowTitle(),
                           QDir::toNativeSeparators(file) + QStringLiteral("\r\nIl file esiste già. Vuoi sostituirlo?"))
            != Risposta::Si)
        return;
    if (!ScriviFileAtomico(file, m_tabella.csv))
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                        QStringLiteral("Non è stato possibile salvare il file:\r\n") + QDir::toNativeSeparators(file));
}
