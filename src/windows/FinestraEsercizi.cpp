#include "windows/FinestraEsercizi.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "exercise/RegoleRisposta.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"
#include "platform/Suono.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

namespace {
const int AltezzaRiga = 930;
const int RigheTop[7] = {1245, 2220, 3195, 4170, 5130, 6105, 7080};
const int ColonnaEtichetta[2] = {120, 5070};
const int ColonnaCasella[2] = {930, 5880};
const int LarghezzaCasella = 4020;
const int ElencoLeft = 10020;
const int ElencoLarghezza = 1860;
// The frame behind the selected item reaches into the gaps between the rows.
const int MargineCornice = 45;
const int IndirizzoTop = 8130;

const QString TestoPrompt = QStringLiteral("Scegli un esercizio nel menu qui sopra");

// An item's state as a screen reader says it; the label shows it by colour.
QString StatoLetto(const StatoNumero& stato, int tipo)
{
    QString letto = stato.sfondo == MotoreEsercizio::Verde  ? QStringLiteral("risolta")
                  : stato.sfondo == MotoreEsercizio::Rosso  ? QStringLiteral("risposta sbagliata")
                  : stato.sfondo == MotoreEsercizio::Giallo ? QStringLiteral("selezionata")
                                                            : QStringLiteral("da fare");
    // Kind 2 counts down on the label the words still to find.
    if (tipo == 2 && stato.sfondo != MotoreEsercizio::Verde)
        letto += QStringLiteral(", parole da trovare: ") + stato.caption.trimmed();
    return letto;
}
} // namespace

EtichettaNumero::EtichettaNumero(QWidget* parent)
    : EtichettaPremibile(QString(), parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFont(Carattere(QStringLiteral("Arial"), 12, true));
    Mostra(StatoNumero{QString(), MotoreEsercizio::Grigio, MotoreEsercizio::Bianco, false});
}

void EtichettaNumero::Mostra(const StatoNumero& stato)
{
    QString visibile = stato.caption;
    visibile.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(visibile);
    // A new style sheet restyles the label: only when the colours change.
    if (stato.sfondo != m_stato.sfondo || stato.testo != m_stato.testo || styleSheet().isEmpty())
        setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; }")
                          .arg(stato.sfondo.name(), stato.testo.name()));
    if (stato.manina)
        setCursor(CursoreMano());
    else
        unsetCursor();
    m_stato = stato;
}

FinestraEsercizi::FinestraEsercizi(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FinestraEsercizi"));
    CreaMenu();
    CreaControlli();
    setWindowTitle(Globali::CategoriaCorrente);
    connect(&m_motore, &MotoreEsercizio::cambiato, this, &FinestraEsercizi::Ridisegna);
    connect(&m_motore, &MotoreEsercizio::suono, this, [](const QString& file) { SuonaCue(file); });
    connect(&m_motore, &MotoreEsercizio::avviso, this, &FinestraEsercizi::MostraAvviso);
    connect(&m_motore, &MotoreEsercizio::esercizioCompletato, this, &FinestraEsercizi::esercizioCompletato);
    Ridisegna();
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
    barra->installEventFilter(this);
    auto voce = [](QMenu* menu, const char* nome, const QString& caption) {
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

    m_menuScheda = barra->addMenu(QStringLiteral("SCHEDA PERSONALE"));
    m_menuScheda->setObjectName(QStringLiteral("menuScheda"));
    m_voceApri = voce(m_menuScheda, "voceApri", QStringLiteral(" Apri una scheda personale già esistente"));
    m_menuScheda->addSeparator();
    m_voceCrea = voce(m_menuScheda, "voceCrea", QStringLiteral(" Crea una scheda personale nuova"));
    m_menuScheda->addSeparator();
    m_voceVisualizza = voce(m_menuScheda, "voceVisualizza", QStringLiteral(" Visualizza la tua scheda personale"));
    m_voceVisualizza->setEnabled(false);

    m_voceIndice = comando("voceIndice", QStringLiteral("INDICE DEGLI ESERCIZI"));

    m_menuEsercizi = barra->addMenu(QStringLiteral("SCEGLI UN ESERCIZIO"));
    m_menuEsercizi->setObjectName(QStringLiteral("menuEsercizi"));
    for (int i = 0; i < MassimoEsercizi; ++i) {
        m_vociEsercizio[i] = voce(m_menuEsercizi, "voceEsercizio", QString::number(i + 1));
        m_vociEsercizio[i]->setCheckable(true);
        m_vociEsercizio[i]->setVisible(i < 4);
        connect(m_vociEsercizio[i], &QAction::triggered, this, [this, i] { CaricaEsercizio(i); });
    }
    m_menuEsercizi->menuAction()->setEnabled(false);

    m_menuStampa = barra->addMenu(QStringLiteral("STAMPA"));
    m_menuStampa->setObjectName(QStringLiteral("menuStampa"));
    m_voceStampaEsercizio = voce(m_menuStampa, "voceStampaEsercizio",
                                 QStringLiteral(" Stampa una scheda con questo esercizio"));
    m_menuStampa->menuAction()->setEnabled(false);

    m_voceAiuto = comando("voceAiuto", QStringLiteral("   HELP"));
    m_voceAiuto->setEnabled(false);
    m_voceSoluzioni = comando("voceSoluzioni", QStringLiteral("   SOLUZIONI"));
    m_voceSoluzioni->setVisible(false);
    m_voceEsci = comando("voceEsci", QStringLiteral("   ESCI"));
    m_voceErrori = comando("voceErrori", QStringLiteral("   ERRORI: 0"));
    m_voceErrori->setVisible(false);

    connect(m_voceApri, &QAction::triggered, this, &FinestraEsercizi::apriScheda);
    connect(m_voceCrea, &QAction::triggered, this, &FinestraEsercizi::creaScheda);
    connect(m_voceVisualizza, &QAction::triggered, this, &FinestraEsercizi::mostraScheda);
    connect(m_voceIndice, &QAction::triggered, this, &FinestraEsercizi::mostraIndice);
    connect(m_voceStampaEsercizio, &QAction::triggered, this, &FinestraEsercizi::stampaEsercizio);
    connect(m_voceAiuto, &QAction::triggered, this, &FinestraEsercizi::mostraAiuto);
    connect(m_voceSoluzioni, &QAction::triggered, this, &FinestraEsercizi::soluzioniScelte);
    connect(m_voceEsci, &QAction::triggered, this, &QWidget::close);
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
    pannello->installEventFilter(this);
    setFixedSize(tw(12000), tw(9000));

    m_titolo = new QLabel(pannello);
    m_titolo->setObjectName(QStringLiteral("titolo"));
    m_titolo->setGeometry(tw(150), tw(60), tw(11700), tw(360));
    m_titolo->setFont(Carattere(QStringLiteral("Arial"), 12, true));
    m_titolo->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));

    m_consegna = new QLabel(pannello);
    m_consegna->setObjectName(QStringLiteral("consegna"));
    m_consegna->setGeometry(tw(150), tw(450), tw(11700), tw(690));
    m_consegna->setWordWrap(true);
    m_consegna->setFont(Carattere(QStringLiteral("Arial"), 11, true));
    m_consegna->setStyleSheet(QStringLiteral("color: rgb(128,0,0);"));

    m_indirizzo = new QLabel(pannello);
    m_indirizzo->setObjectName(QStringLiteral("indirizzo"));
    m_indirizzo->setGeometry(tw(150), tw(IndirizzoTop), tw(6000), tw(255));
    m_indirizzo->setFont(Carattere(QStringLiteral("Arial"), 8));
    m_indirizzo->setText(IndirizzoWeb);

    m_cornice = new QFrame(pannello);
    m_cornice->setObjectName(QStringLiteral("cornice"));
    // White as designed; the edge shows it around the white box.
    m_cornice->setStyleSheet(QStringLiteral("QFrame { background-color: white; border: %1px solid rgb(0,0,128); }")
                                 .arg(px(3)));
    m_cornice->resize(tw(LarghezzaCasella + 52 + 40), tw(AltezzaRiga + 2 * MargineCornice));
    m_cornice->setVisible(false);

    for (int i = 0; i < NumeroRighe; ++i) {
        const int colonna = i < 7 ? 0 : 1;
        const int top = RigheTop[i % 7];
        auto* numero = new EtichettaNumero(pannello);
        numero->setObjectName(QStringLiteral("numero%1").arg(i));
        numero->setGeometry(tw(ColonnaEtichetta[colonna]), tw(top), tw(750), tw(AltezzaRiga));
        numero->setVisible(false);
        numero->setAccessibleName(QStringLiteral("Frase %1").arg(i + 1));
        connect(numero, &EtichettaNumero::premuta, this, [this, i] { m_motore.SelezionaRiga(i); });
        m_numeri[i] = numero;

        auto* casella = new CasellaTesto(pannello);
        casella->setObjectName(QStringLiteral("casella%1").arg(i));
        casella->setGeometry(tw(ColonnaCasella[colonna]), tw(top), tw(LarghezzaCasella), tw(AltezzaRiga));
        casella->ImpostaModello(&m_motore.Casella(i));
        casella->ImpostaSenzaScorrimento();
        casella->viewport()->setCursor(CursoreMano());
        casella->setVisible(false);
        casella->setAccessibleName(numero->accessibleName());
        connect(casella, &CasellaTesto::premuto, this, [this, i] { m_motore.PremiCasella(i); });
        connect(casella, &CasellaTesto::rilasciato, this, [this, i] { m_motore.RilascioCasella(i); });
        connect(casella, &CasellaTesto::doppioClic, this,
                [this, i](int posizione) { m_motore.DoppioClicCasella(i, posizione); });
        m_caselle[i] = casella;
    }
    m_cornice->lower();

    m_elencoScelte = new QListWidget(pannello);
    m_elencoScelte->setObjectName(QStringLiteral("elencoScelte"));
    m_elencoScelte->setAccessibleName(QStringLiteral("Scelte"));
    m_elencoScelte->setGeometry(tw(ElencoLeft), tw(RigheTop[0]), tw(ElencoLarghezza),
                                tw(7080 + AltezzaRiga - 1245));
    m_elencoScelte->setFont(Carattere(QStringLiteral("Arial"), 9));
    // A choice too long for the list's width goes on over more lines.
    m_elencoScelte->setWordWrap(true);
    m_elencoScelte->setResizeMode(QListView::Adjust);
    m_elencoScelte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The entries are pressed like buttons: none stays marked as chosen, nor
    // framed by the keyboard focus, into the next item or exercise.
    m_elencoScelte->setSelectionMode(QAbstractItemView::NoSelection);
    m_elencoScelte->setFocusPolicy(Qt::NoFocus);
    m_elencoScelte->setVisible(false);
    connect(m_elencoScelte, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* voce) { m_motore.ScegliVoce(m_elencoScelte->row(voce)); });

    m_lampeggio = new QTimer(this);
    m_lampeggio->setInterval(500);
    connect(m_lampeggio, &QTimer::timeout, this, &FinestraEsercizi::lampeggia);

    m_spunta = ImmagineSpunta();
    m_matita = ImmagineMatita();
}

void FinestraEsercizi::Ridisegna()
{
    const bool righe = m_motore.RigheVisibili();
    // Only the kinds answered in the text mark it as the pointer drags; in
    // the others a mark would look like a solution.
    const Modo modo = ModoDelTipo(m_motore.TipoEsercizio());
    const bool segna = modo == Modo::Parola || modo == Modo::Conta || modo == Modo::Tratto;
    for (int i = 0; i < NumeroRighe; ++i) {
        m_caselle[i]->ImpostaSegnaTesto(segna);
        m_numeri[i]->Mostra(m_motore.Numero(i));
        m_numeri[i]->setVisible(righe);
        m_caselle[i]->ImpostaIngresso(m_motore.Ingresso(i));
        m_caselle[i]->setVisible(righe);
        // Set only when it changes: each setting is an event for the screen reader.
        const QString stato = StatoLetto(m_motore.Numero(i), m_motore.TipoEsercizio());
        if (m_caselle[i]->accessibleDescription() != stato) {
            m_numeri[i]->setAccessibleDescription(stato);
            m_caselle[i]->setAccessibleDescription(stato);
        }
    }
    if (m_motore.Scelte() != m_vociMostrate) {
        m_vociMostrate = m_motore.Scelte();
        m_elencoScelte->clear();
        m_elencoScelte->addItems(m_vociMostrate);
    }
    QFont f = m_elencoScelte->font();
    f.setPointSizeF(pt(m_motore.DimensioneElenco()));
    m_elencoScelte->setFont(f);
    m_elencoScelte->setVisible(m_motore.ElencoVisibile());

    const int riga = m_motore.RigaIncorniciata();
    if (riga >= 0) {
        const QRect casella = m_caselle[riga]->geometry();
        m_cornice->move(casella.left() - tw(52), casella.top() - tw(MargineCornice));
    }
    m_cornice->setVisible(riga >= 0);

    if (m_motore.CaptionErrori() != Caption(m_voceErrori)) {
        ImpostaCaption(m_voceErrori, m_motore.CaptionErrori());
        // A screen reader keeps the entry's name until told it changed.
        if (QAccessibleInterface* voce = QAccessible::queryAccessibleInterface(m_voceErrori)) {
            QAccessibleEvent cambio(voce, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&cambio);
        }
    }
    m_voceErrori->setVisible(m_motore.ErroriVisibili());
    ImpostaCaption(m_voceSoluzioni, m_motore.CaptionSoluzioni());
    m_voceSoluzioni->setVisible(m_motore.SoluzioniOfferte());
    AdattaBarra();
}

void FinestraEsercizi::AdattaBarra()
{
    // Every entry stays in view, the error count above all: when the
    // captions are too long for the bar, its letters get smaller instead of
    // the last entries going behind ">>".
    QMenuBar* barra = menuBar();
    if (!barra->isVisible())
        return;
    const QString voci = Caption(m_voceSoluzioni) + Caption(m_voceErrori) + QString::number(m_voceErrori->isVisible())
        + QString::number(m_voceSoluzioni->isVisible()) + QString::number(barra->width());
    if (voci == m_vociBarra)
        return;
    m_vociBarra = voci;
    // The bar lays its entries out when asked where one is, and shows the
    // ">>" button (its only tool button) when some do not fit.
    const auto traboccano = [this, barra] {
        barra->actionGeometry(m_voceEsci);
        const QToolButton* altre = barra->findChild<QToolButton*>();
        return altre && !altre->isHidden();
    };
    QFont f = font();
    barra->setFont(f);
    while (traboccano() && f.pointSizeF() > 4) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
        barra->setFont(f);
    }
}

void FinestraEsercizi::MostraAvviso(MotoreEsercizio::Avviso avviso)
{
    if (avviso == MotoreEsercizio::Avviso::PrimaUnRiquadro)
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                        QStringLiteral("Clicca prima un riquadro dell'esercizio."));
    else
        MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, QStringLiteral("ATTENZIONE"),
                        QStringLiteral("Prima di passare ad un'altra frase, completa quella che hai iniziato."));
}

void FinestraEsercizi::lampeggia()
{
    if (m_consegna->text() != TestoPrompt)
        m_consegna->setText(TestoPrompt);
    else
        m_consegna->clear();
}

void FinestraEsercizi::primaAttivazione()
{
    if (m_avvisoMostrato)
        return;
    // Set before the message: closing the box activates the window again.
    m_avvisoMostrato = true;
    MostraMessaggio(this, Icona::Informazione, Pulsanti::OK, Globali::CategoriaCorrente,
                    QStringLiteral("Apri la tua scheda personale oppure crea una nuova scheda."));
}

void FinestraEsercizi::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow())
                primaAttivazione();
        });
}

void FinestraEsercizi::AdattaAllaCornice()
{
    // The design's size is the outer one, frame and title bar included, so
    // that the window fits an 800 x 600 screen; the frame is known once the
    // window is shown, and may change when the desktop takes it.
    const QSize interno = QSize(tw(12000), tw(9000)) - (frameGeometry().size() - size());
    if (interno != size())
        setFixedSize(interno);
}

bool FinestraEsercizi::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == menuBar() && evento->type() == QEvent::Resize)
        AdattaBarra();
    // Under a tall title bar the footer keeps to the bottom edge.
    if (oggetto == centralWidget() && evento->type() == QEvent::Resize)
        m_indirizzo->move(m_indirizzo->x(), qMin(tw(IndirizzoTop), centralWidget()->height() - m_indirizzo->height()));
    return QMainWindow::eventFilter(oggetto, evento);
}

void FinestraEsercizi::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    AdattaAllaCornice();
}

void FinestraEsercizi::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    AdattaAllaCornice();
    // Ask for activation: some desktops do not give it to a window shown
    // while the full-screen menu hides.
    activateWindow();
}

void FinestraEsercizi::closeEvent(QCloseEvent* e)
{
    if (!ConfermaUscita()) {
        e->ignore();
        return;
    }
    m_lampeggio->stop();
    m_blocco->Rilascia();
    e->accept();
    emit ritornoAlMenu();
}
