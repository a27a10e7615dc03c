#include "app/MenuPrincipale.h"

#include "app/FinestraInformazioni.h"
#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Indice.h"
#include "windows/FinestraEsercizi.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Twips.h"
#include "windows/FinestraIndice.h"
#include "platform/Suono.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {
struct PosizioneEtichetta {
    const char* caption;
    int left, top, width;
};

const PosizioneEtichetta Posizioni[14] = {
    {"Articoli", 1350, 4785, 1065},
    {"Nomi", 1350, 5685, 765},
    {"Aggettivi", 1335, 6585, 1350},
    {"Pronomi", 1350, 7485, 1275},
    {"Verbi (I parte)", 5160, 4785, 2010},
    {"Verbi (II parte)", 5175, 5685, 2085},
    {"Avverbi", 5175, 6585, 1185},
    {"Preposizioni", 5175, 7485, 1860},
    {"Congiunzioni", 9030, 4785, 1980},
    {"Sintassi", 9030, 5685, 1200},
    {"Fondamenti", 5190, 3885, 1800},
    {"Punteggiatura", 9030, 6585, 2130},
    {"Esci", 10800, 7485, 645},
    {"Info", 8520, 7485, 570},
};
// Labels are drawn a little taller than designed so that the 18-point hover
// size is not clipped.
const int AltezzaVisibile = 450;

int LeftLibro(int i)
{
    if (i <= 3)
        return i == 3 ? 540 : 555;
    if (i == 8 || i == 9 || i == 11)
        return 8265;
    return 4380;
}

QColor SfondoLibro(int i)
{
    if (i <= 3)
        return QColor(51, 170, 112);
    if (i == 8 || i == 9 || i == 11)
        return QColor(220, 51, 46);
    return QColor(255, 255, 255);
}
} // namespace

MenuPrincipale::MenuPrincipale(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MenuPrincipale"));
    setWindowTitle(QString());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(pal);

    Pannello = new QLabel(this);
    Pannello->setObjectName(QStringLiteral("Pannello"));
    Pannello->resize(tw(12000), tw(9000));
    static_cast<QLabel*>(Pannello)->setPixmap(ImmagineSfondo(Pannello->size()));
    Pannello->setMouseTracking(true);
    Pannello->installEventFilter(this);

    Cornice = new QFrame(Pannello);
    Cornice->setObjectName(QStringLiteral("Cornice"));
    Cornice->setFrameShape(QFrame::Box);
    Cornice->setLineWidth(2);
    Cornice->setStyleSheet(QStringLiteral("QFrame { border: 2px solid rgb(200,0,0); }"));
    Cornice->setVisible(false);
    Cornice->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < 14; ++i) {
        auto* e = new QLabel(QString::fromUtf8(Posizioni[i].caption), Pannello);
        e->setObjectName(QStringLiteral("Label%1").arg(i));
        e->setGeometry(tw(Posizioni[i].left), tw(Posizioni[i].top), tw(Posizioni[i].width),
                       tw(AltezzaVisibile));
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(15.75);
        f.setBold(true);
        e->setFont(f);
        e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QColor colore = i < 12 ? QColor(0, 0, 128) : QColor(255, 255, 255);
        e->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(colore.name()));
        e->setMouseTracking(true);
        e->installEventFilter(this);
        Etichette[i] = e;
    }
    for (int i = 0; i < 12; ++i) {
        auto* l = new QLabel(Pannello);
        l->setObjectName(QStringLiteral("Picture%1").arg(i));
        l->setGeometry(tw(LeftLibro(i)), tw(Posizioni[i].top), tw(480), tw(480));
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, SfondoLibro(i));
        l->setPalette(p);
        l->setPixmap(ImmagineLibroChiuso());
        l->setCursor(CursoreMano());
        l->setMouseTracking(true);
        l->installEventFilter(this);
        Libri[i] = l;
    }
    Credito = new QLabel(Pannello);
    Credito->setObjectName(QStringLiteral("Credito"));
    Credito->setGeometry(tw(3900), tw(1875), tw(4110), tw(630));
    Credito->setFont(QFont(QStringLiteral("Verdana"), 9.75));
    Credito->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,128); background: transparent; }"));
    Credito->setAlignment(Qt::AlignCenter);
    Credito->setWordWrap(true);
    Credito->setText(QStringLiteral("Un progetto libero per la scuola primaria e media,\nper gli adulti e per gli stranieri"));
    auto* linea = new QFrame(Pannello);
    linea->setObjectName(QStringLiteral("Linea1"));
    linea->setGeometry(tw(1200), tw(3600), tw(9600), tw(30));
    linea->setStyleSheet(QStringLiteral("background-color: rgb(0,0,128);"));

    // Start-up, in order: panel centred, exercise window prepared hidden,
    // pointers and books, folders of the categories.
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    Pannello->move((schermo.width() - Pannello->width()) / 2,
                   (schermo.height() - Pannello->height()) / 2);
    CreaFinestraEsercizi();
    for (int i = 0; i < 12; ++i)
        Etichette[i]->setCursor(CursoreMano());
    for (int i = 0; i < 12; ++i)
        CartellaCategoria[i] = QString::fromUtf8(DatiCategoria(i).cartella);
}

MenuPrincipale::~MenuPrincipale()
{
    delete m_esercizi;
}

void MenuPrincipale::CreaFinestraEsercizi()
{
    m_esercizi = new FinestraEsercizi();
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    m_esercizi->move((schermo.width() - m_esercizi->width()) / 2,
                     (schermo.height() - m_esercizi->height()) / 2);
    connect(m_esercizi, &FinestraEsercizi::ritornoAlMenu, this, &MenuPrincipale::MostraDiNuovo);
}

void MenuPrincipale::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Pannello->move((width() - Pannello->width()) / 2, (height() - Pannello->height()) / 2);
}

void MenuPrincipale::MostraDiNuovo()
{
    showFullScreen();
    raise();
    activateWindow();
}

void MenuPrincipale::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit fineProgramma();
}

void MenuPrincipale::Label_Click(int indice)
{
    if (indice == 12) {
        emit fineProgramma();
        return;
    }
    if (indice == 13) {
        FinestraInformazioni info(this);
        info.exec();
        return;
    }
    if (indice < 0 || indice > 11)
        return;
    Globali::CategoriaCorrente = CartellaCategoria[indice];
    Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(indice);
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    Globali::TestoIndice = QVector<QString>(n);
    Globali::TitoloScritto = QVector<QString>(n);
    Globali::TestoScritto = QVector<QString>(n);
    Globali::EsercizioFatto = QVector<bool>(n, false);
    Globali::Giudizio = QVector<QString>(n);
    LeggiIndice();
    if (ErroreIndice == 1) {
        ErroreIndice = 0;
        return;
    }
    LeggiIndiceScritto();
    if (ErroreIndice == 1)
        ErroreIndice = 0;
    if (!m_esercizi)
        CreaFinestraEsercizi();
    m_esercizi->setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    m_esercizi->show();
    hide();
}

void MenuPrincipale::Picture_Click(int indice)
{
    if (indice < 0 || indice > 11)
        return;
    SuonaCue(QStringLiteral("press.wav"));
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    Globali::TestoIndice = QVector<QString>(n);
    Globali::TitoloScritto = QVector<QString>(n);
    Globali::TestoScritto = QVector<QString>(n);
    Globali::CategoriaCorrente = CartellaCategoria[indice];
    LeggiIndice();
    ErroreIndice = 0;
    FinestraIndice indice_(this);
    indice_.exec();
}

void MenuPrincipale::LeggiIndice()
{
    if (!LeggiFileIndice(PercorsoIndice(), Globali::TitoloIndice, Globali::TestoIndice)) {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                        QStringLiteral("Si è verificato un errore, questa serie di esercizi non è disponibile.\r\n"
                                       "Per ripristinarla è necessario reinstallare il programma."));
        ErroreIndice = 1;
    }
}

void MenuPrincipale::LeggiIndiceScritto()
{
    if (!LeggiFileIndice(PercorsoIndiceScritto(), Globali::TitoloScritto, Globali::TestoScritto)) {
        MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                        QStringLiteral("La versione scritta di questi esercizi non è disponibile.\r\n"
                                       "Per ripristinarla è necessario reinstallare il programma."));
        ErroreIndice = 1;
    }
}

void MenuPrincipale::ImpostaDimensione(QLabel* etichetta, double punti)
{
    QFont f = etichetta->font();
    f.setPointSizeF(punti);
    etichetta->setFont(f);
}

void MenuPrincipale::Label_MouseMove(int indice)
{
    const QRect g = Etichette[indice]->geometry();
    Cornice->setGeometry(g.left() - tw(8), g.top() - tw(2), g.width() + tw(18),
                         g.height() + tw(8));
    Cornice->setVisible(true);
    Cornice->raise();
    ImpostaDimensione(Etichette[indice], 18);
    Evidenziato = true;
}

void MenuPrincipale::Picture_MouseMove(int indice)
{
    Evidenziato = true;
    Libri[indice]->setPixmap(ImmagineLibroAperto());
    const QRect g = Etichette[indice]->geometry();
    Cornice->setGeometry(g.left() - tw(8), g.top() - tw(2), g.width() + tw(18),
                         g.height() + tw(8));
    Cornice->setVisible(true);
    Cornice->raise();
}

void MenuPrincipale::Pannello_MouseMove()
{
    if (!Evidenziato)
        return;
    Evidenziato = false;
    Cornice->setVisible(false);
    for (QLabel* l : Libri)
        l->setPixmap(ImmagineLibroChiuso());
    for (QLabel* e : Etichette)
        ImpostaDimensione(e, 16);
}

bool MenuPrincipale::eventFilter(QObject* oggetto, QEvent* evento)
{
    const auto tipo = evento->type();
    if (tipo != QEvent::MouseMove && tipo != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(oggetto, evento);
    for (int i = 0; i < 14; ++i) {
        if (oggetto == Etichette[i]) {
            if (tipo == QEvent::MouseMove)
                Label_MouseMove(i);
            else
                Label_Click(i);
            return true;
        }
    }
    for (int i = 0; i < 12; ++i) {
        if (oggetto == Libri[i]) {
            if (tipo == QEvent::MouseMove)
                Picture_MouseMove(i);
            else
                Picture_Click(i);
            return true;
        }
    }
    if (oggetto == Pannello && tipo == QEvent::MouseMove)
        Pannello_MouseMove();
    return QWidget::eventFilter(oggetto, evento);
}
