#include "app/MenuPrincipale.h"

#include "app/FinestraInformazioni.h"
#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Indice.h"
#include "windows/FinestraClasse.h"
#include "windows/FinestraEsercizi.h"
#include "platform/EtichettaPremibile.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Twips.h"
#include "windows/FinestraIndice.h"
#include "platform/Suono.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
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
const int AltezzaEtichetta = 360;

int LeftLibro(int i)
{
    if (i <= 3)
        return i == 3 ? 540 : 555;
    if (i == 8 || i == 9 || i == 11)
        return 8265;
    return 4380;
}

// Colours by palette, not style sheet: the menu is the first thing shown,
// and style sheets are slow to set up.
void Colora(QWidget* w, QPalette::ColorRole ruolo, const QColor& colore)
{
    QPalette p = w->palette();
    p.setColor(ruolo, colore);
    w->setPalette(p);
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
    Colora(this, QPalette::Window, QColor(0, 0, 128));

    m_pannello = new QLabel(this);
    m_pannello->setObjectName(QStringLiteral("pannello"));
    m_pannello->resize(tw(12000), tw(9000));
    m_pannello->setMouseTracking(true);
    m_pannello->installEventFilter(this);

    m_cornice = new QFrame(m_pannello);
    m_cornice->setObjectName(QStringLiteral("cornice"));
    m_cornice->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_cornice->setLineWidth(px(2));
    Colora(m_cornice, QPalette::WindowText, QColor(200, 0, 0));
    m_cornice->setVisible(false);
    m_cornice->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < 14; ++i) {
        auto* e = new EtichettaPremibile(QString::fromUtf8(Posizioni[i].caption), m_pannello);
        connect(e, &EtichettaPremibile::premuta, this, [this, i] { etichettaCliccata(i); });
        e->setObjectName(i == VoceEsci   ? QStringLiteral("esci")
                         : i == VoceInfo ? QStringLiteral("info")
                                         : QStringLiteral("categoria%1").arg(i));
        e->move(tw(Posizioni[i].left), tw(Posizioni[i].top));
        e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QColor colore = i < 12 ? QColor(0, 0, 128) : QColor(255, 255, 255);
        Colora(e, QPalette::WindowText, colore);
        e->setMouseTracking(true);
        e->installEventFilter(this);
        m_etichette[i] = e;
        ImpostaDimensione(i, 15.75);
    }
    for (int i = 0; i < 12; ++i) {
        auto* l = new EtichettaPremibile(QString(), m_pannello);
        l->setObjectName(QStringLiteral("libro%1").arg(i));
        l->setAccessibleName(QStringLiteral("Indice degli esercizi di ") + m_etichette[i]->text());
        connect(l, &EtichettaPremibile::premuta, this, [this, i] { libroCliccato(i); });
        l->setGeometry(tw(LeftLibro(i)), tw(Posizioni[i].top), tw(480), tw(480));
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        Colora(l, QPalette::Window, SfondoLibro(i));
        l->setPixmap(ImmagineLibroChiuso());
        l->setCursor(CursoreMano());
        l->setMouseTracking(true);
        l->installEventFilter(this);
        m_libri[i] = l;
    }
    m_sottotitolo = new QLabel(m_pannello);
    m_sottotitolo->setObjectName(QStringLiteral("sottotitolo"));
    m_sottotitolo->setGeometry(tw(3900), tw(1875), tw(4110), tw(630));
    m_sottotitolo->setFont(Carattere(QStringLiteral("Verdana"), 9.75));
    Colora(m_sottotitolo, QPalette::WindowText, QColor(0, 0, 128));
    m_sottotitolo->setAlignment(Qt::AlignCenter);
    m_sottotitolo->setWordWrap(true);
    m_sottotitolo->setText(QStringLiteral("Un progetto libero per la scuola primaria e media, per gli adulti e per gli stranieri"));
    auto* linea = new QFrame(m_pannello);
    linea->setObjectName(QStringLiteral("linea"));
    linea->setGeometry(tw(1200), tw(3600), tw(9600), tw(30));
    linea->setAutoFillBackground(true);
    Colora(linea, QPalette::Window, QColor(0, 0, 128));
    // The teacher's view of the class: small, and without the pupils' highlight.
    auto* classe = new EtichettaPremibile(QStringLiteral("Classe"), m_pannello);
    classe->setObjectName(QStringLiteral("classe"));
    classe->setGeometry(tw(9360), tw(7560), tw(900), tw(300));
    classe->setFont(Carattere(QStringLiteral("Arial"), 9.75, true));
    Colora(classe, QPalette::WindowText, QColor(255, 255, 255));
    connect(classe, &EtichettaPremibile::premuta, this, [this] {
        FinestraClasse finestra(this);
        finestra.exec();
    });

    // Start-up, in order: panel centred, pointers and books, folders of the
    // categories. The exercise window, the heaviest part, is made when the
    // first category is chosen: nothing of it shows before.
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    m_pannello->move((schermo.width() - m_pannello->width()) / 2,
                     (schermo.height() - m_pannello->height()) / 2);
    for (int i = 0; i < 12; ++i)
        m_etichette[i]->setCursor(CursoreMano());
    for (int i = 0; i < 12; ++i)
        m_cartelle[i] = QString::fromUtf8(DatiCategoria(i).cartella);
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
    m_pannello->move((width() - m_pannello->width()) / 2, (height() - m_pannello->height()) / 2);
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

void MenuPrincipale::etichettaCliccata(int indice)
{
    if (indice == VoceEsci) {
        emit fineProgramma();
        return;
    }
    if (indice == VoceInfo) {
        FinestraInformazioni info(this);
        info.exec();
        return;
    }
    ScegliCategoria(indice);
}

void MenuPrincipale::ScegliCategoria(int indice)
{
    if (indice < 0 || indice > 11)
        return;
    Globali::CategoriaCorrente = m_cartelle[indice];
    Globali::EstensioneScheda = QStringLiteral("Zlr") + CodiceScheda(indice);
    NumeroMassimoEsercizi(indice);
    const int n = Globali::UltimoEsercizio + 1;
    Globali::TitoloIndice = QVector<QString>(n);
    Globali::TestoIndice = QVector<QString>(n);
    Globali::TitoloScritto = QVector<QString>(n);
    Globali::TestoScritto = QVector<QString>(n);
    Globali::EsercizioFatto = QVector<bool>(n, false);
    Globali::Giudizio = QVector<QString>(n);
    if (!LeggiIndice())
        return;
    // Without the written index the exercises still run; only their paper
    // version is missing.
    LeggiIndiceScritto();
    if (!m_esercizi)
        CreaFinestraEsercizi();
    m_esercizi->setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    m_esercizi->show();
    hide();
}

void MenuPrincipale::libroCliccato(int indice)
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
    Globali::CategoriaCorrente = m_cartelle[indice];
    // A short index still shows, with the entries it has.
    LeggiIndice();
    FinestraIndice finestra(this);
    finestra.exec();
}

bool MenuPrincipale::LeggiIndice()
{
    return LeggiIndiceDa(PercorsoIndice(), Globali::TitoloIndice, Globali::TestoIndice,
                         QStringLiteral("Si è verificato un errore, questa serie di esercizi non è disponibile."));
}

bool MenuPrincipale::LeggiIndiceScritto()
{
    return LeggiIndiceDa(PercorsoIndiceScritto(), Globali::TitoloScritto, Globali::TestoScritto,
                         QStringLiteral("La versione scritta di questi esercizi non è disponibile."));
}

// An index that cannot be read is missing from the installation.
bool MenuPrincipale::LeggiIndiceDa(const QString& percorso, QVector<QString>& titoli, QVector<QString>& testi,
                                   const QString& guasto)
{
    if (LeggiFileIndice(percorso, titoli, testi))
        return true;
    MostraMessaggio(this, Icona::Critico, Pulsanti::OK, windowTitle(),
                    guasto + QStringLiteral("\r\nPer ripristinarla è necessario reinstallare il programma."));
    return false;
}

void MenuPrincipale::ImpostaDimensione(int indice, double punti)
{
    QLabel* e = m_etichette[indice];
    e->setFont(Carattere(QStringLiteral("Arial"), punti, true));
    // A caption is never cut: its label grows with it beyond the design size.
    const QSize testo = e->sizeHint();
    e->resize(qMax(tw(Posizioni[indice].width), testo.width()), qMax(tw(AltezzaEtichetta), testo.height()));
}

void MenuPrincipale::Incornicia(int indice)
{
    const QRect g = m_etichette[indice]->geometry();
    m_cornice->setGeometry(g.left() - tw(8), g.top() - tw(2), g.width() + tw(18), g.height() + tw(8));
    m_cornice->setVisible(true);
    m_cornice->raise();
}

void MenuPrincipale::etichettaSorvolata(int indice)
{
    ImpostaDimensione(indice, 18);
    Incornicia(indice);
    m_evidenziato = true;
}

void MenuPrincipale::libroSorvolato(int indice)
{
    m_evidenziato = true;
    m_libri[indice]->setPixmap(ImmagineLibroAperto());
    Incornicia(indice);
}

void MenuPrincipale::sfondoSorvolato()
{
    if (!m_evidenziato)
        return;
    m_evidenziato = false;
    m_cornice->setVisible(false);
    for (QLabel* l : m_libri)
        l->setPixmap(ImmagineLibroChiuso());
    for (int i = 0; i < 14; ++i)
        ImpostaDimensione(i, 16);
}

bool MenuPrincipale::eventFilter(QObject* oggetto, QEvent* evento)
{
    const auto tipo = evento->type();
    if (oggetto == m_pannello && tipo == QEvent::Paint) {
        QPainter g(m_pannello);
        DisegnaSfondo(g, m_pannello->size());
    }
    // Clicks reach the handlers through the labels' own signal; here only the hover.
    if (tipo != QEvent::MouseMove)
        return QWidget::eventFilter(oggetto, evento);
    for (int i = 0; i < 14; ++i) {
        if (oggetto == m_etichette[i]) {
            etichettaSorvolata(i);
            return true;
        }
    }
    for (int i = 0; i < 12; ++i) {
        if (oggetto == m_libri[i]) {
            libroSorvolato(i);
            return true;
        }
    }
    if (oggetto == m_pannello)
        sfondoSorvolato();
    return QWidget::eventFilter(oggetto, evento);
}
