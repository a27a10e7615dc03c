#include "windows/FinestraNome.h"

#include "content/Catalogo.h"
#include "content/Globali.h"
#include "platform/Immagini.h"
#include "platform/Messaggi.h"
#include "platform/Twips.h"
#include "platform/Suono.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QFont Carattere(const QString& nome, double punti, bool grassetto)
{
    QFont f(nome);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}
} // namespace

FinestraNome::FinestraNome(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FinestraNome"));
    setWindowTitle(Globali::CategoriaCorrente);
    setFixedSize(tw(7620), tw(1605));
    setAutoFillBackground(true);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(sfondo);

    Label1 = new QLabel(QStringLiteral("Nome e cognome:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(tw(2955), tw(135), tw(1740), tw(240));
    Label1->setFont(Carattere(QStringLiteral("Arial"), 9.75, true));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(tw(105), tw(525), tw(7410), tw(375));
    Text1->setFont(Carattere(QStringLiteral("Arial"), 15.75, false));
    Text1->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(0,0,255); background-color: white; }"));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(tw(6825), tw(1080), tw(690), tw(420));
    Command1->setFont(Carattere(QStringLiteral("Verdana"), 9.75, true));
    Command1->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(192,192,192); }"));
    Command1->setCursor(CursoreMano());
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FinestraNome::Command1_Click);

    Text1->setFocus();
}

void FinestraNome::Command1_Click()
{
    SuonaCue(QStringLiteral("press.wav"));
    Globali::NomeAlunno = Text1->text();
    if (Globali::NomeAlunno.isEmpty()) {
        const Risposta r = MostraMessaggio(
            this, Icona::Domanda, Pulsanti::SiNoAnnulla, Globali::CategoriaCorrente,
            QStringLiteral("Non hai scritto nessun nome. Non posso aprirti una scheda personale.\r\n"
                           "Vuoi proseguire come \"Anonimo\"?"));
        if (r == Risposta::Si)
            Globali::NomeAlunno = QStringLiteral("Anonimo");
    }
    accept();
}
