#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Percorsi.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"
#include "platform/Twips.h"
#include "platform/Suono.h"

#include <QAction>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

const QColor FinestraEsercizi::Nero(0, 0, 0);
const QColor FinestraEsercizi::Blu(0, 0, 255);
const QColor FinestraEsercizi::Rosso(255, 0, 0);
const QColor FinestraEsercizi::Grigio(192, 192, 192);
const QColor FinestraEsercizi::Giallo(255, 255, 0);
const QColor FinestraEsercizi::Verde(0, 255, 0);
const QColor FinestraEsercizi::GrigioScuro(80, 80, 80);

namespace {
const int AltezzaRiga = 930;
const int RigheTop[7] = {1245, 2220, 3195, 4170, 5130, 6105, 7080};
const int ColonnaEtichetta[2] = {120, 5070};
const int ColonnaCasella[2] = {930, 5880};
const int LarghezzaCasella = 4020;
const int ListaLeft = 10020;
const int ListaLarghezza = 1860;

const QString TestoPrompt = QStringLiteral("Scegli un esercizio nel menu qui sopra");
} // namespace

EtichettaNumero::EtichettaNumero(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f(QStringLiteral("Arial"), 12);
    f.setBold(true);
    setFont(f);
    Aggiorna();
}

void EtichettaNumero::ImpostaCaption(const QString& caption)
{
    m_caption = caption;
    QString visibile = caption;
    visibile.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(visibile);
}

void EtichettaNumero::ImpostaBackColor(const QColor& c)
{
    m_sfondo = c;
    Aggiorna();
}

void EtichettaNumero::ImpostaForeColor(const QColor& c)
{
    m_testo = c;
    Aggiorna();
}

void EtichettaNumero::Aggiorna()
{
    setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; }")
                      .arg(m_sfondo.name(), m_testo.name()));
}

void EtichettaNumero::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint()))
        emit clic();
}

FinestraEsercizi::FinestraEsercizi(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FinestraEsercizi"));
    CreaMenu();
    CreaControlli();
    // Start-up of the window.
    setWindowTitle(Globali::CategoriaCorrente);
    AvvisoMostrato = false;
    for (CasellaTesto* t : Testo)
        t->NascondiCursore();
}

FinestraEsercizi::~FinestraEsercizi() = default;

QString FinestraEsercizi::Caption(const QAction* voce)
{
    return voce->property("caption").toString();
}

void FinestraEsercizi::ImpostaCaption(QAction* voce, const QString& caption)
{
    voce->setProperty("caption", caption);
    QString visibile = caption;
    visibile.replace(QLatin1Char('&'), QLatin1String("&&"));
    voce->setText(visibile);
}

void FinestraEsercizi::CreaMenu()
{
    QMenuBar* barra = menuBar();
    barra->setNativeMenuBar(false);
    auto voce = [this](QMenu* menu, const char* nome, const QString& caption) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(nome));
        ImpostaCaption(a, caption);
        return a;
    };
    auto comando = [barra](const char* nome, const QString& caption) {
        QAction* a = barra->addAction(QString());
        a->setObjectName(QLatin1String(nome));
        ImpostaCaption(a, caption);
        return a;
    };

    mnuScheda = barra->addMenu(QStringLiteral("SCHEDA PERSONALE"));
    mnuScheda->setObjectName(QStringLiteral("mnuScheda"));
    mnuOpen = voce(mnuScheda, "mnuOpen", QStringLiteral(" Apri una scheda personale già esistente"));
    mnuScheda->addSeparator();
    mnuNew = voce(mnuScheda, "mnuNew", QStringLiteral(" Crea una scheda personale nuova"));
    mnusep = mnuScheda->addSeparator();
    mnusep->setObjectName(QStringLiteral("mnusep"));
    mnuVisualizza = voce(mnuScheda, "mnuVisualizza", QStringLiteral(" Visualizza la tua scheda personale"));
    mnuVisualizza->setEnabled(false);

    mnuindice = comando("mnuindice", QStringLiteral("INDICE DEGLI ESERCIZI"));

    mnuesercizi = barra->addMenu(QStringLiteral("SCEGLI UN ESERCIZIO"));
    mnuesercizi->setObjectName(QStringLiteral("mnuesercizi"));
    for (int i = 0; i < MassimoEsercizi; ++i) {
        mnuesercizio[i] = voce(mnuesercizi, "mnuesercizio", QString::number(i + 1));
        mnuesercizio[i]->setCheckable(true);
        mnuesercizio[i]->setVisible(i < 4);
        connect(mnuesercizio[i], &QAction::triggered, this, [this, i] { mnuesercizio_Click(i); });
    }
    mnuesercizi->menuAction()->setEnabled(false);

    mnustampa = barra->addMenu(QStringLiteral("STAMPA"));
    mnustampa->setObjectName(QStringLiteral("mnustampa"));
    mnuStampaEsercizio = voce(mnustampa, "mnuStampaEsercizio",
                              QStringLiteral(" Stampa una scheda con questo esercizio"));
    mnustampa->menuAction()->setEnabled(false);

    mnuHelp = comando("mnuHelp", QStringLiteral("   HELP"));
    mnuHelp->setEnabled(false);
    mnusoluzioni = comando("mnusoluzioni", QStringLiteral("   SOLUZIONI"));
    mnusoluzioni->setVisible(false);
    mnuexit = comando("mnuexit", QStringLiteral("   ESCI"));
    mnuerrori = comando("mnuerrori", QStringLiteral("   ERRORI: 0"));
    mnuerrori->setVisible(false);

    connect(mnuOpen, &QAction::triggered, this, &FinestraEsercizi::mnuOpen_Click);
    connect(mnuNew, &QAction::triggered, this, &FinestraEsercizi::mnuNew_Click);
    connect(mnuVisualizza, &QAction::triggered, this, &FinestraEsercizi::mnuVisualizza_Click);
    connect(mnuindice, &QAction::triggered, this, &FinestraEsercizi::mnuindice_Click);
    connect(mnuStampaEsercizio, &QAction::triggered, this, &FinestraEsercizi::mnuStampaEsercizio_Click);
    connect(mnuHelp, &QAction::triggered, this, &FinestraEsercizi::mnuHelp_Click);
    connect(mnusoluzioni, &QAction::triggered, this, &FinestraEsercizi::mnusoluzioni_Click);
    connect(mnuexit, &QAction::triggered, this, &FinestraEsercizi::mnuexit_Click);
}

void FinestraEsercizi::CreaControlli()
{
    auto* pannello = new QWidget(this);
    pannello->setObjectName(QStringLiteral("pannello"));
    pannello->setAutoFillBackground(true);
    QPalette pal = pannello->palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    pannello->setPalette(pal);
    setCentralWidget(pannello);
    setFixedSize(tw(12000), tw(9000));

    Label4 = new QLabel(pannello);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(tw(150), tw(60), tw(11700), tw(360));
    QFont titolo(QStringLiteral("Arial"), 12);
    titolo.setBold(true);
    Label4->setFont(titolo);
    Label4->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));

    Label3 = new QLabel(pannello);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(tw(150), tw(450), tw(11700), tw(690));
    Label3->setWordWrap(true);
    QFont istruzione(QStringLiteral("Arial"), 11);
    istruzione.setBold(true);
    Label3->setFont(istruzione);
    Label3->setStyleSheet(QStringLiteral("color: rgb(128,0,0);"));

    Label4Scritto = new QLabel(pannello);
    Label4Scritto->setObjectName(QStringLiteral("Label4Scritto"));
    Label4Scritto->setVisible(false);
    Label3Scritto = new QLabel(pannello);
    Label3Scritto->setObjectName(QStringLiteral("Label3Scritto"));
    Label3Scritto->setVisible(false);

    Label1 = new QLabel(pannello);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(tw(150), tw(8130), tw(6000), tw(255));
    Label1->setFont(QFont(QStringLiteral("Arial"), 8));
    Label1->setText(IndirizzoWeb);

    Shape1 = new QFrame(pannello);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("background-color: white;"));
    Shape1->resize(tw(LarghezzaCasella + 52 + 40), tw(AltezzaRiga + 4));
    Shape1->setVisible(false);

    for (int i = 0; i < NumeroRighe; ++i) {
        const int colonna = i < 7 ? 0 : 1;
        const int top = RigheTop[i % 7];
        auto* etichetta = new EtichettaNumero(pannello);
        etichetta->setObjectName(QStringLiteral("lblrisposta%1").arg(i));
        etichetta->setGeometry(tw(ColonnaEtichetta[colonna]), tw(top), tw(750), tw(AltezzaRiga));
        etichetta->setVisible(false);
        connect(etichetta, &EtichettaNumero::clic, this, [this, i] { lblrisposta_Click(i); });
        lblrisposta[i] = etichetta;

        auto* casella = new CasellaTesto(pannello);
        casella->setObjectName(QStringLiteral("Testo%1").arg(i));
        casella->setGeometry(tw(ColonnaCasella[colonna]), tw(top), tw(LarghezzaCasella), tw(AltezzaRiga));
        casella->ImpostaFontPredefinito(QFont(QStringLiteral("Arial"), 12));
        casella->setVisible(false);
        connect(casella, &CasellaTesto::clic, this, [this, i] { Testo_Click(i); });
        connect(casella, &CasellaTesto::pulsantePremuto, this, [this, i] { Testo_MouseDown(i); });
        connect(casella, &CasellaTesto::doppioClic, this, [this, i] { Testo_DblClick(i); });
        connect(casella, &CasellaTesto::pulsanteRilasciato, this, [this, i] { Testo_MouseUp(i); });
        connect(casella, &CasellaTesto::selezioneCambiata, this, [this, i] { Testo_SelChange(i); });
        Testo[i] = casella;
    }
    Shape1->lower();

    List1 = new QListWidget(pannello);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(tw(ListaLeft), tw(RigheTop[0]), tw(ListaLarghezza), tw(7080 + AltezzaRiga - 1245));
    List1->setFont(QFont(QStringLiteral("Arial"), 9));
    List1->setVisible(false);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &FinestraEsercizi::Timer1_Timer);

    ImgSpunta = ImmagineSpunta();
    ImgScrivi = ImmagineMatita();
}

QString FinestraEsercizi::CaptionErrori() const
{
    return QStringLiteral("   ERRORI : ") + QString::number(NumeroErrori);
}

void FinestraEsercizi::ContaErrore()
{
    NumeroErrori += 1;
    SuonaCue(QStringLiteral("wrong.wav"));
    ImpostaCaption(mnuerrori, CaptionErrori());
}

void FinestraEsercizi::AggiornaFinestra()
{
    setFocus(Qt::OtherFocusReason);
}

bool FinestraEsercizi::FileExist(const QString& FileName) const
{
    return ::FileExist(FileName);
}

void FinestraEsercizi::SelezionaRiga(int indice)
{
    if (indice < 0 || indice >= NumeroRighe)
        return;
    if (PassoRisposta == 1) {
        if (indice != RigaCorrente)
            MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, QStringLiteral("ATTENZIONE"),
                            QStringLiteral("Prima di passare ad un'altra frase, completa quella che hai iniziato."));
        return;
    }
    if (lblrisposta[indice]->BackColor() == Verde)
        return;
    const int precedente = RigaCorrente == 100 ? 0 : RigaCorrente;
    if (precedente >= 0 && precedente < NumeroRighe && lblrisposta[precedente]->BackColor() == Giallo)
        lblrisposta[precedente]->ImpostaBackColor(Grigio);
    RigaCorrente = static_cast<qint16>(indice);
    lblrisposta[indice]->ImpostaBackColor(Giallo);
    lblrisposta[indice]->ImpostaForeColor(QColor(255, 255, 255));
    const QRect casella = Testo[indice]->geometry();
    Shape1->move(casella.left() - tw(52), casella.top() - tw(2));
    Shape1->setVisible(true);
}

void FinestraEsercizi::lblrisposta_Click(int indice)
{
    SelezionaRiga(indice);
}

void FinestraEsercizi::Testo_Click(int indice)
{
    SelezionaRiga(indice);
}

void FinestraEsercizi::Testo_MouseDown(int indice)
{
    SelezionaRiga(indice);
}

void FinestraEsercizi::Timer1_Timer()
{
    if (Label3->text() != TestoPrompt)
        Label3->setText(TestoPrompt);
    else
        Label3->clear();
}

void FinestraEsercizi::Form_Activate()
{
    if (AvvisoMostrato)
        return;
    // Set before the message: closing the box activates the window again.
    AvvisoMostrato = true;
    MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                    QStringLiteral("Apri la tua scheda personale oppure crea una nuova scheda."));
}

void FinestraEsercizi::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow())
                Form_Activate();
        });
}

void FinestraEsercizi::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // Ask for activation: some desktops do not give it to a window shown
    // while the full-screen menu hides.
    activateWindow();
}

void FinestraEsercizi::Ripulisci_Schermo()
{
    mnuHelp->setEnabled(false);
    mnuerrori->setVisible(false);
    mnusoluzioni->setVisible(false);
    NumeroErrori = 0;
    Label3->clear();
    RigheCompletate = 0;
    Shape1->setVisible(false);
    List1->clear();
    List1->setVisible(false);
    for (int i = 0; i < NumeroRighe; ++i) {
        lblrisposta[i]->setVisible(false);
        Testo[i]->setVisible(false);
    }
}

void FinestraEsercizi::RipristinaMenuEsercizi()
{
    Timer1->start();
    QMenuBar* barra = menuBar();
    for (int i = 0; i <= Globali::UltimoEsercizio && i < MassimoEsercizi; ++i) {
        QAction* voce = mnuesercizio[i];
        voce->setVisible(true);
        const QString titolo = Globali::TitoloIndice.value(i);
        if (Globali::EsercizioFatto.value(i)) {
            voce->setChecked(true);
            ImpostaCaption(voce, QStringLiteral(" ") + titolo + QStringLiteral(" (")
                               + Globali::Giudizio.value(i) + QStringLiteral(")"));
            ImpostaImmagineVoce(barra, 2, i, ImgSpunta);
        } else {
            voce->setChecked(false);
            ImpostaCaption(voce, QStringLiteral(" ") + titolo);
            ImpostaImmagineVoce(barra, 2, i, ImgScrivi);
        }
    }
    mnuesercizi->menuAction()->setEnabled(true);
    mnuVisualizza->setEnabled(true);
    Label3->clear();
}

void FinestraEsercizi::mnuesercizio_Click(int indice)
{
    CaricaEsercizio(indice);
}

void FinestraEsercizi::mnuexit_Click()
{
    close();
}

void FinestraEsercizi::closeEvent(QCloseEvent* e)
{
    if (!ConfermaUscita()) {
        e->ignore();
        return;
    }
    Timer1->stop();
    e->accept();
    emit ritornoAlMenu();
}
