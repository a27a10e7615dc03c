#include "app/FinestraInformazioni.h"

#include "content/Catalogo.h"
#include "platform/CasellaTesto.h"
#include "platform/Immagini.h"
#include "platform/Twips.h"
#include "platform/Suono.h"

#include <QPushButton>

#ifndef ZELORA_CONTATTO
#define ZELORA_CONTATTO ""
#endif

namespace {
// Set at build time by whoever distributes the program; without it there is
// nobody to write to, and the sentence is left out.
const QString Contatto = QStringLiteral(ZELORA_CONTATTO);
} // namespace

QString FinestraInformazioni::TestoInformazioni()
{
    const QString a = QStringLiteral("\r\n");
    const QString aa = a + a;
    QString t;
    t += QStringLiteral("'Zelora'  è una raccolta organica di esercizi  che possono costituire un utile supporto per l'insegnamento della analisi grammaticale ad alunni di scuola primaria e di scuola media o ad adulti e stranieri che desiderino approfondire le loro conoscenze in materia.") + aa;
    t += QStringLiteral("Il programma, che spazia oltre le tradizionali categorie grammaticali sino a comprendere esercizi di sintassi e di punteggiatura, presenta circa 300 esercizi ripartiti in 11 categorie:") + a;
    t += QStringLiteral(" 1- fondamenti (32 esercizi);") + a;
    t += QStringLiteral(" 2- articoli (23 esercizi);") + a;
    t += QStringLiteral(" 3- nomi (32 esercizi);") + a;
    t += QStringLiteral(" 4- aggettivi (32 esercizi);") + a;
    t += QStringLiteral(" 5- pronomi (32 esercizi);") + a;
    t += QStringLiteral(" 6- verbi (64 esercizi);") + a;
    t += QStringLiteral(" 7- avverbi (29 esercizi);") + a;
    t += QStringLiteral(" 8- preposizioni (10 esercizi);") + a;
    t += QStringLiteral(" 9- congiunzioni (8 esercizi);") + a;
    t += QStringLiteral("10- elementi di sintassi (10 esercizi), indispensabili per comprendere alcune categorie grammaticali; ") + a;
    t += QStringLiteral("11- punteggiatura (32 esercizi).") + aa;
    t += QStringLiteral("Ogni esercizio è costituito da 14 frasi o termini da analizzare al computer, per cui il programma presenta complessivamente oltre 4.000 items.") + aa;
    t += QStringLiteral("Il programma crea una scheda personale per ogni alunno, per ogni esercizio, per cui l'alunno può svolgere gli esercizi anche in tempi diversi, sino al loro completamento.") + a;
    t += QStringLiteral("Al termine di ogni esercizio il programma assegna e registra un giudizio in base agli errori commessi.") + a;
    t += QStringLiteral("Le schede personali degli alunni possono essere stampate.") + a;
    t += QStringLiteral("L'insegnante vede i risultati di tutta la classe con la piccola voce \"Classe\" del menu generale, accanto a \"Info\": una tabella con una riga per ogni alunno e, per ogni categoria, gli esercizi svolti e il giudizio tipico (quello che sta nel mezzo dei giudizi ottenuti); scegliendo una categoria, il giudizio di ogni esercizio, quanti alunni lo hanno svolto e quanti hanno avuto \"INSUFF.\". Le tabelle si possono stampare e salvare come file CSV per un foglio di calcolo; le schede non vengono mai modificate.") + aa;
    t += QStringLiteral("'Zelora' si caratterizza per queste scelte didattiche di fondo:") + aa;
    t += QStringLiteral("1. Semplicità degli esercizi. Il livello di difficoltà è volutamente piuttosto basso: l'aiuto è sempre a portata di mano e ogni errore viene segnalato subito, così l'alunno resta motivato in un'attività che, come è noto, è poco amata.") + aa;
    t += QStringLiteral("2. Facilità di compilazione: l'alunno completa ogni esercizio soltanto con clic del mouse, senza dover scrivere una sola parola; si evitano così gli errori (e la noia) dell'uso della tastiera da parte di bambini ancora poco esperti.") + aa;
    t += QStringLiteral("3. Uso concreto della lingua. Gli esercizi mirano alla padronanza empirica e concreta delle categorie grammaticali, piuttosto che alla loro conoscenza astratta.") + aa;
    t += QStringLiteral("In generale, gli esercizi di 'Zelora' non sono pensati come prove di verifica dell'apprendimento, ma come attività che accompagnano le lezioni dell'insegnante.") + a;
    t += QStringLiteral("A tale fine, 'Zelora' consente di stampare tutti gli esercizi su schede: l'insegnante può così presentare ogni esercizio alla classe prima che venga svolto al computer.") + aa;
    t += QStringLiteral("Il programma è corredato di un fascicolo che raccoglie i testi di tutti gli esercizi, come si stampano sulle schede, con le soluzioni di ogni esercizio e l'indice di ogni categoria: serve per una consultazione rapida e per apportare modifiche o aggiunte quando si stampano le schede. Il fascicolo si trova nella cartella del programma in due file: \"Zelora - esercizi.odt\", un documento di testo che si può modificare con LibreOffice Writer o con Microsoft Word, e \"Zelora - esercizi.pdf\", pronto da leggere e da stampare.");
    if (!Contatto.isEmpty())
        t += aa + QStringLiteral("Segnalazioni di errori, osservazioni e suggerimenti sono graditissimi. Possono essere inviati all'autore all'indirizzo ") + Contatto;
    return t;
}

FinestraInformazioni::FinestraInformazioni(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FinestraInformazioni"));
    setWindowTitle(QStringLiteral("Zelora"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFixedSize(tw(7650), tw(5400));

    m_testo = new CasellaTesto(this);
    m_testo->setObjectName(QStringLiteral("testo"));
    m_testo->setGeometry(tw(150), tw(135), tw(7350), tw(4500));
    m_testo->ImpostaFontPredefinito(QFont(QStringLiteral("Verdana"), 10));
    m_testo->ImpostaTesto(TestoInformazioni());

    m_pulsanteOk = new QPushButton(QStringLiteral("OK"), this);
    m_pulsanteOk->setObjectName(QStringLiteral("pulsanteOk"));
    m_pulsanteOk->setGeometry(tw(6795), tw(4770), tw(690), tw(420));
    m_pulsanteOk->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(192,192,192); }"));
    m_pulsanteOk->setCursor(CursoreMano());
    connect(m_pulsanteOk, &QPushButton::clicked, this, &FinestraInformazioni::okPremuto);
}

void FinestraInformazioni::okPremuto()
{
    SuonaCue(QStringLiteral("press.wav"));
    accept();
}
