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
QFont Carattere(double punti, bool grassetto, bool corsivo = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

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
    Form_Load();
}

QColor FinestraScheda::BackColor(const QLabel* etichetta)
{
    if (!etichetta->autoFillBackground())
        return Bianco;
    return etichetta->palette().color(QPalette::Window);
}

void FinestraScheda::CreaControlli()
{
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, Bianco);
    setPalette(sfondo);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Carattere(12, true));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ColoriEtichetta(Label1, Blu);
    Label1->setGeometry(tw(2655), tw(15), tw(2340), tw(285));

    for (int i = 0; i < RighePreparate; ++i) {
        const int top = 300 + 240 * i;
        QLabel* img = new QLabel(this);
        img->setObjectName(QStringLiteral("ImgRiga%1").arg(i));
        img->setGeometry(tw(120), tw(315 + 240 * i), tw(240), tw(240));
        img->setVisible(false);
        ImgRiga[i] = img;

        QLabel* esercizio = new QLabel(this);
        esercizio->setObjectName(QStringLiteral("LblEsercizio%1").arg(i));
        esercizio->setGeometry(tw(360), tw(top), tw(4860), tw(255));
        esercizio->setFont(Carattere(8.25, true));
        esercizio->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ColoriEtichetta(esercizio, QColor(64, 64, 64));
        esercizio->setVisible(false);
        LblEsercizio[i] = esercizio;

        QLabel* fatto = new QLabel(this);
        fatto->setObjectName(QStringLiteral("LblFatto%1").arg(i));
        fatto->setGeometry(tw(5205), tw(top), tw(810), tw(255));
        fatto->setFont(Carattere(8.25, true, true));
        fatto->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ColoriEtichetta(fatto, QColor(255, 128, 128));
        fatto->setVisible(false);
        LblFatto[i] = fatto;

        QLabel* giudizio = new QLabel(QStringLiteral(" "), this);
        giudizio->setObjectName(QStringLiteral("LblGiudizio%1").arg(i));
        giudizio->setGeometry(tw(6000), tw(top), tw(1515), tw(255));
        giudizio->setFont(Carattere(9.75, true));
        giudizio->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        ColoriEtichetta(giudizio, Blu);
        giudizio->setVisible(false);
        LblGiudizio[i] = giudizio;
    }

    imgSpunta = new QLabel(this);
    imgSpunta->setObjectName(QStringLiteral("imgSpunta"));
    imgSpunta->setPixmap(ImmagineSpunta());
    imgSpunta->setVisible(false);
    ImgScrivi = new QLabel(this);
    ImgScrivi->setObjectName(QStringLiteral("ImgScrivi"));
    ImgScrivi->setPixmap(ImmagineMatita());
    ImgScrivi->setVisible(false);

    auto pulsante = [this](const char* nome, int left) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(nome));
        b->setGeometry(tw(left), 0, tw(690), tw(420));
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(192,192,192); }"));
        b->setCursor(CursoreMano());
        return b;
    };
    Command1 = pulsante("Command1", 6825);
    Command1->setText(QStringLiteral("OK"));
    QFont ok(QStringLiteral("Verdana"));
    ok.setPointSizeF(9.75);
    ok.setBold(true);
    Command1->setFont(ok);
    Command1->setDefault(true);
    Command2 = pulsante("Command2", 105);
    Command2->setIcon(QIcon(ImmagineStampante()));
    Command2->setIconSize(ImmagineStampante().size().boundedTo(QSize(tw(690) - 8, tw(420) - 6)));
    Command2->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &FinestraScheda::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FinestraScheda::Command2_Click);
}

void FinestraScheda::Form_Load()
{
    const int n = Globali::UltimoEsercizio;
    setWindowTitle(QStringLiteral("Zelora: ") + Globali::CategoriaCorrente);
    Label1->setText(QStringLiteral("Scheda personale di ") + Globali::NomeAlunno);
    // A long name widens the title around the same centre instead of being cut.
    const int largo = Label1->sizeHint().width();
    if (largo > Label1->width()) {
        const int centro = Label1->geometry().center().x();
        const int l = qMin(largo, tw(LarghezzaFinestra));
        Label1->setGeometry(qMax(0, centro - l / 2), Label1->y(), l, Label1->height());
    }

    m_altezza = 240 * n + 1560;
    setFixedSize(tw(LarghezzaFinestra), tw(m_altezza));
    Command1->move(Command1->x(), tw(m_altezza - 945));
    Command2->move(Command2->x(), tw(m_altezza - 945));

    for (int i = 0; i <= n && i < RighePreparate; ++i) {
        LblEsercizio[i]->setText(Globali::TitoloIndice.value(i) + QStringLiteral(" "));
        if (Globali::EsercizioFatto.value(i)) {
            const QString giudizio = Globali::Giudizio.value(i);
            LblFatto[i]->setText(QStringLiteral("x"));
            LblGiudizio[i]->setText(giudizio);
            ImgRiga[i]->setPixmap(imgSpunta->pixmap());
            if (giudizio == QLatin1String("SUFFICIENTE") || giudizio == QLatin1String("DISCRETO"))
                SfondoEtichetta(LblEsercizio[i], Giallo);
            else if (giudizio == QLatin1String("BUONO") || giudizio == QLatin1String("OTTIMO")
                     || giudizio == QLatin1String("ECCELLENTE"))
                SfondoEtichetta(LblEsercizio[i], Verde);
        } else {
            LblFatto[i]->setText(QStringLiteral("da fare"));
            ImgRiga[i]->setPixmap(ImgScrivi->pixmap());
        }
        ImgRiga[i]->setVisible(true);
        LblEsercizio[i]->setVisible(true);
        LblFatto[i]->setVisible(true);
        LblGiudizio[i]->setVisible(true);
    }
}

void FinestraScheda::Command1_Click()
{
    SuonaCue(QStringLiteral("press.wav"));
    accept();
}

void FinestraScheda::Command2_Click()
{
    SuonaCue(QStringLiteral("press.wav"));
    if (!ChiediStampa(this, windowTitle(), QStringLiteral("Vuoi stampare questa scheda?")))
        return;
    if (!Stampa()) {
        MostraErroreStampa(this, windowTitle());
        return;
    }
    accept();
}

bool FinestraScheda::Stampa()
{
    std::unique_ptr<Stampante> stampante = AvviaStampante();
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
    StampaPiePagina(p);
    return p.Fine();
}
