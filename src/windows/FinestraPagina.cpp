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

    Menu = new QMenuBar(this);
    Menu->setObjectName(QStringLiteral("Menu"));
    Menu->setNativeMenuBar(false);
    mnustampa = Menu->addAction(QStringLiteral("STAMPA"));
    mnustampa->setObjectName(QStringLiteral("mnustampa"));
    m_esci = Menu->addAction(QStringLiteral("   ESCI"));
    m_esci->setObjectName(QLatin1String(aspetto.nomeEsci));
    const int alto = Menu->sizeHint().height();
    const int larghezza = aspetto.larghezza;
    setFixedSize(tw(larghezza), tw(7200) + alto);
    Menu->setGeometry(0, 0, width(), alto);

    lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setGeometry(tw(240), alto + tw(120), tw(larghezza - 480), tw(420));
    QFont fTitolo(QStringLiteral("Arial"), 14);
    fTitolo.setBold(true);
    lblTitolo->setFont(fTitolo);
    lblTitolo->setStyleSheet(QStringLiteral("color: %1;").arg(aspetto.coloreTitolo.name()));

    Text1 = new CasellaTesto(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(tw(240), alto + tw(660), tw(larghezza - 480), tw(5700));
    Text1->ImpostaFontPredefinito(aspetto.fontTesto);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(tw(larghezza - 1080), alto + tw(6540), tw(840), tw(480));
    Command1->setCursor(CursoreMano());

    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(tw(larghezza - 2040), alto + tw(6540), tw(840), tw(480));
    Command2->setIcon(QIcon(ImmagineStampante()));
    Command2->setIconSize(QSize(tw(480), tw(360)));
    Command2->setCursor(CursoreMano());
    Command2->setAutoDefault(false);

    connect(Command1, &QPushButton::clicked, this, &FinestraPagina::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FinestraPagina::Command2_Click);
    connect(mnustampa, &QAction::triggered, this, [this] { mnustampa_Click(); });
    connect(Text1, &CasellaTesto::selezioneCambiata, this, &FinestraPagina::Text1_SelChange);
}

void FinestraPagina::Command1_Click()
{
    SuonaCue(QStringLiteral("press.wav"));
    accept();
}

void FinestraPagina::Command2_Click()
{
    SuonaCue(QStringLiteral("press.wav"));
    mnustampa_Click();
}

void FinestraPagina::Text1_SelChange()
{
    Text1->ImpostaSelColor(QColor(0, 0, 255));
}
