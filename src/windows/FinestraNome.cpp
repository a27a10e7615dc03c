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

    m_richiesta = new QLabel(QStringLiteral("Nome e cognome:"), this);
    m_richiesta->setObjectName(QStringLiteral("richiesta"));
    m_richiesta->setGeometry(tw(2955), tw(135), tw(1740), tw(240));
    m_richiesta->setFont(Carattere(QStringLiteral("Arial"), 9.75, true));

    m_nome = new QLineEdit(this);
    m_nome->setObjectName(QStringLiteral("nome"));
    m_nome->setGeometry(tw(105), tw(525), tw(7410), tw(375));
    m_nome->setFont(Carattere(QStringLiteral("Arial"), 15.75, false));
    m_nome->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(0,0,255); background-color: white; }"));

    m_pulsanteOk = new QPushButton(QStringLiteral("OK"), this);
    m_pulsanteOk->setObjectName(QStringLiteral("pulsanteOk"));
    m_pulsanteOk->setGeometry(tw(6825), tw(1080), tw(690), tw(420));
    m_pulsanteOk->setFont(Carattere(QStringLiteral("Verdana"), 9.75, true));
    m_pulsanteOk->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(192,192,192); }"));
    m_pulsanteOk->setCursor(CursoreMano());
    m_pulsanteOk->setDefault(true);
    connect(m_pulsanteOk, &QPushButton::clicked, this, &FinestraNome::okPremuto);

    m_nome->setFocus();
}

void FinestraNome::okPremuto()
{
    SuonaCue(QStringLiteral("press.wav"));
    Globali::NomeAlunno = m_nome->text();
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
