#include "windows/FinestraScheda.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"
#include "platform/Twips.h"
#include "platform/Suono.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString Arial = QStringLiteral("Arial");

void ColoriEtichetta(QLabel* l, const QColor& testo)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
}

void SfondoEtichetta(QLabel* l, const QColor& sfondo)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, sfondo);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

const int LarghezzaFinestra = 7620;
// The design's heights count the title bar and the borders of its day.
const int BarraTitolo = 420;
const QColor Bianco(255, 255, 255);
const QColor Giallo(255, 255, 0);
const QColor Verde(0, 255, 0);
const QColor Blu(0, 0, 255);

// Print positions in millimetres.
const double Margine = 20;
const double ColonnaGiudizio = 160;
} // namespace

FinestraScheda::FinestraScheda(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FinestraScheda"));
    CreaControlli();
    PreparaScheda();
}

void FinestraScheda::CreaControlli()
{
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, Bianco);
    setPalette(sfondo);

    m_titolo = new QLabel(this);
    m_titolo->setObjectName(QStringLiteral("titolo"));
    m_titolo->setFont(Carattere(Arial, 12, true));
    m_titolo->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ColoriEtichetta(m_titolo, Blu);
    m_titolo->setGeometry(tw(2655), tw(15), tw(2340), tw(285));

    for (int i = 0; i < RighePreparate; ++i) {
        const int top = 300 + 240 * i;
        QLabel* immagine = new QLabel(this);
        immagine->setObjectName(QStringLiteral("immagine%1").arg(i));
        immagine->setGeometry(tw(120), tw(315 + 240 * i), tw(240), tw(240));
        immagine->setVisible(false);
        m_immagine[i] = immagine;

        QLabel* esercizio = new QLabel(this);
        esercizio->setObjectName(QStringLiteral("esercizio%1").arg(i));
        esercizio->setGeometry(tw(360), tw(top), tw(4860), tw(255));
        esercizio->setFont(Carattere(Arial, 8.25, true));
        esercizio->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ColoriEtichetta(esercizio, QColor(64, 64, 64));
        esercizio->setVisible(false);
        m_esercizio[i] = esercizio;

        QLabel* fatto = new QLabel(this);
        fatto->setObjectName(QStringLiteral("fatto%1").arg(i));
        fatto->setGeometry(tw(5205), tw(top), tw(810), tw(255));
        fatto->setFont(Carattere(Arial, 8.25, true, true));
        fatto->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ColoriEtichetta(fatto, QColor(255, 128, 128));
        fatto->setVisible(false);
        m_fatto[i] = fatto;

        QLabel* giudizio = new QLabel(QStringLiteral(" "), this);
        giudizio->setObjectName(QStringLiteral("giudizio%1").arg(i));
        giudizio->setGeometry(tw(6000), tw(top), tw(1515), tw(255));
        giudizio->setFont(Carattere(Arial, 9.75, true));
        giudizio->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ColoriEtichetta(giudizio, Blu);
        giudizio->setVisible(false);
        m_giudizio[i] = giudizio;
    }

    m_spunta = new QLabel(this);
    m_spunta->setObjectName(QStringLiteral("spunta"));
    m_spunta->setPixmap(ImmagineSpunta());
    m_spunta->setVisible(false);
    m_matita = new QLabel(this);
    m_matita->setObjectName(QStringLiteral("matita"));
    m_matita->setPixmap(ImmagineMatita());
    m_matita->setVisible(false);

    auto pulsante = [this](const char* nome, int left) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(tw(left), 0, tw(690), tw(420));
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(192,192,192); }"));
        b->setCursor(CursoreMano());
        return b;
    };
    m_pulsanteOk = pulsante("pulsanteOk", 6825);
    m_pulsanteOk->setText(QStringLiteral("OK"));
    m_pulsanteOk->setFont(Carattere(QStringLiteral("Verdana"), 9.75, true));
    m_pulsanteOk->setDefault(true);
    m_pulsanteStampa = pulsante("pulsanteStampa", 105);
    m_pulsanteStampa->setIcon(QIcon(ImmagineStampante()));
    m_pulsanteStampa->setIconSize(ImmagineStampante().size().boundedTo(QSize(tw(690) - px(8), tw(420) - px(6))));
    m_pulsanteStampa->setAutoDefault(false);
    connect(m_pulsanteOk, &QPushButton::clicked, this, &FinestraScheda::okPremuto);
    connect(m_pulsanteStampa, &QPushButton::clicked, this, &FinestraScheda::stampaPremuta);
}

void FinestraScheda::PreparaScheda()
{
    const int n = Globali::UltimoEsercizio;
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    m_titolo->setText(QStringLiteral("Scheda personale di ") + Globali::NomeAlunno);
    // A long name widens the title around the same centre instead of being cut.
    const int largo = m_titolo->sizeHint().width();
    if (largo > m_titolo->width()) {
        const int centro = m_titolo->geometry().center().x();
        const int l = qMin(largo, tw(LarghezzaFinestra));
        m_titolo->setGeometry(qMax(0, centro - l / 2), m_titolo->y(), l, m_titolo->height());
    }

    const int altezza = 240 * n + 1560;
    setFixedSize(tw(LarghezzaFinestra), tw(altezza - BarraTitolo));
    m_pulsanteOk->move(m_pulsanteOk->x(), tw(altezza - 945));
    m_pulsanteStampa->move(m_pulsanteStampa->x(), tw(altezza - 945));

    for (int i = 0; i <= n && i < RighePreparate; ++i) {
        m_esercizio[i]->setText(Globali::TitoloIndice.value(i) + QStringLiteral(" "));
        if (Globali::EsercizioFatto.value(i)) {
            const QString giudizio = Globali::Giudizio.value(i);
            m_fatto[i]->setText(QStringLiteral("x"));
            m_giudizio[i]->setText(giudizio);
            m_immagine[i]->setPixmap(m_spunta->pixmap());
            if (giudizio == QLatin1String("SUFFICIENTE") || giudizio == QLatin1String("DISCRETO"))
                SfondoEtichetta(m_esercizio[i], Giallo);
            else if (giudizio == QLatin1String("BUONO") || giudizio == QLatin1String("OTTIMO")
                     || giudizio == QLatin1String("ECCELLENTE"))
                SfondoEtichetta(m_esercizio[i], Verde);
        } else {
            m_fatto[i]->setText(QStringLiteral("da fare"));
            m_immagine[i]->setPixmap(m_matita->pixmap());
        }
        m_immagine[i]->setVisible(true);
        m_esercizio[i]->setVisible(true);
        m_fatto[i]->setVisible(true);
        m_giudizio[i]->setVisible(true);
    }
}

void FinestraScheda::okPremuto()
{
    SuonaCue(QStringLiteral("press.wav"));
    accept();
}

void FinestraScheda::stampaPremuta()
{
    SuonaCue(QStringLiteral("press.wav"));
    if (!ChiediStampa(this, windowTitle(), QStringLiteral("Vuoi stampare questa scheda?")))
        return;
    if (Stampa())
        accept();
}

bool FinestraScheda::Stampa()
{
    std::unique_ptr<Stampante> stampante = AvviaStampante(this, windowTitle());
    if (!stampante)
        return false;
    Stampante& p = *stampante;
    p.ImpostaGrassetto(true);
    p.ImpostaY(Margine);
    p.ImpostaX(Margine);
    p.Stampa(QStringLiteral("ZELORA / ") + Globali::CategoriaCorrente.toUpper());
    p.Stampa(QString());
    p.ImpostaX(Margine);
    p.Stampa(QStringLiteral("Scheda personale di ") + Globali::NomeAlunno.toUpper());
    p.Stampa(QString());
    p.Stampa(QString());
    p.ImpostaGrassetto(false);
    for (int i = 0; i <= Globali::UltimoEsercizio; ++i) {
        p.ImpostaX(Margine);
        p.Stampa(Globali::TitoloIndice.value(i), false);
        p.ImpostaX(ColonnaGiudizio);
        const QString giudizio = Globali::Giudizio.value(i);
        p.Stampa(giudizio.size() >= 5 ? giudizio : QStringLiteral("da fare"));
    }
    return ConcludiStampa(p, this, windowTitle());
}
