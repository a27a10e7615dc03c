#include "windows/FinestraPagina.h"

#include "content/Catalogo.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Twips.h"
#include "platform/Suono.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

FinestraPagina::FinestraPagina(QWidget* parent, const Aspetto& aspetto)
    : QDialog(parent)
{
    setObjectName(QLatin1String(aspetto.nome));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, aspetto.sfondo);
    setPalette(pal);

    m_barra = new QMenuBar(this);
    m_barra->setObjectName(QStringLiteral("barraMenu"));
    m_barra->setNativeMenuBar(false);
    m_voceStampa = m_barra->addAction(QStringLiteral("STAMPA"));
    m_voceStampa->setObjectName(QStringLiteral("voceStampa"));
    m_voceEsci = m_barra->addAction(QStringLiteral("   ESCI"));
    m_voceEsci->setObjectName(QStringLiteral("voceEsci"));
    const int alto = m_barra->sizeHint().height();
    const int larghezza = aspetto.larghezza;
    setFixedSize(tw(larghezza), tw(7200) + alto);
    m_barra->setGeometry(0, 0, width(), alto);

    m_titolo = new QLabel(this);
    m_titolo->setObjectName(QStringLiteral("titolo"));
    m_titolo->setGeometry(tw(240), alto + tw(120), tw(larghezza - 480), tw(420));
    m_titolo->setFont(Carattere(QStringLiteral("Arial"), 14, true));
    m_titolo->setStyleSheet(QStringLiteral("color: %1;").arg(aspetto.coloreTitolo.name()));

    m_pagina = new CasellaTesto(this);
    m_pagina->setObjectName(QStringLiteral("pagina"));
    m_pagina->setGeometry(tw(240), alto + tw(660), tw(larghezza - 480), tw(5700));
    m_pagina->ImpostaFontPredefinito(aspetto.fontTesto);

    m_pulsanteOk = new QPushButton(QStringLiteral("OK"), this);
    m_pulsanteOk->setObjectName(QStringLiteral("pulsanteOk"));
    m_pulsanteOk->setGeometry(tw(larghezza - 1080), alto + tw(6540), tw(840), tw(480));
    m_pulsanteOk->setCursor(CursoreMano());

    m_pulsanteStampa = new QPushButton(this);
    m_pulsanteStampa->setObjectName(QStringLiteral("pulsanteStampa"));
    m_pulsanteStampa->setGeometry(tw(larghezza - 2040), alto + tw(6540), tw(840), tw(480));
    m_pulsanteStampa->setIcon(QIcon(ImmagineStampante()));
    m_pulsanteStampa->setIconSize(QSize(tw(480), tw(360)));
    m_pulsanteStampa->setCursor(CursoreMano());
    m_pulsanteStampa->setAutoDefault(false);

    connect(m_pulsanteOk, &QPushButton::clicked, this, &FinestraPagina::okPremuto);
    connect(m_pulsanteStampa, &QPushButton::clicked, this, &FinestraPagina::stampaPremuta);
    connect(m_voceStampa, &QAction::triggered, this, [this] { Stampa(); });
    // "   ESCI" closes without a cue.
    connect(m_voceEsci, &QAction::triggered, this, &QDialog::accept);
    connect(m_pagina, &CasellaTesto::selezioneCambiata, this, &FinestraPagina::coloraSelezione);
}

void FinestraPagina::NascondiStampa()
{
    m_pulsanteStampa->setVisible(false);
    m_voceStampa->setVisible(false);
}

void FinestraPagina::okPremuto()
{
    SuonaCue(QStringLiteral("press.wav"));
    accept();
}

void FinestraPagina::stampaPremuta()
{
    SuonaCue(QStringLiteral("press.wav"));
    Stampa();
}

void FinestraPagina::coloraSelezione()
{
    m_pagina->ImpostaSelColor(QColor(0, 0, 255));
}
