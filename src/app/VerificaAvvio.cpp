#include "app/VerificaAvvio.h"

#include "app/MenuPrincipale.h"
#include "content/Catalogo.h"
#include "content/Globali.h"
#include "content/Percorsi.h"
#include "platform/Messaggi.h"
#include "platform/Suono.h"
#include "platform/Twips.h"
#include "records/Scheda.h"
#include "windows/FinestraClasse.h"
#include "windows/FinestraEsercizi.h"
#include "windows/FinestraScheda.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
// The pupil's gestures the check makes: a click on a label of the menu.
void Clic(QWidget* w)
{
    if (!w)
        return;
    const QPointF centro = QRectF(w->rect()).center();
    QMouseEvent premuto(QEvent::MouseButtonPress, centro, w->mapToGlobal(centro), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent rilasciato(QEvent::MouseButtonRelease, centro, w->mapToGlobal(centro), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &premuto);
    QCoreApplication::sendEvent(w, &rilasciato);
}

QAction* Voce(QWidget* w, const char* nome, int i = 0)
{
    return w->findChildren<QAction*>(QLatin1String(nome)).value(i);
}

void RimuoviSchede(const QString& nome)
{
    for (int i = 0; i < NumeroCategorie; ++i) {
        const QString percorso = PercorsoSchedaCategoria(i, nome, false);
        if (!percorso.isEmpty())
            QFile::remove(percorso);
    }
}

class Verifica {
public:
    Verifica()
    {
        ImpostaGestoreMessaggi([this](const Messaggio& m) { return Rispondi(m); });
        // No sound device is needed: a cue only has to be there.
        ImpostaRiproduttoreSuoni([this](const QString& percorso) {
            if (!FileExist(percorso))
                Fallisce(QStringLiteral("manca il suono %1").arg(percorso));
        });
        // The name window and the index window open modal: they are dealt
        // with as a pupil would, from inside their own event loop.
        m_modali.setInterval(10);
        QObject::connect(&m_modali, &QTimer::timeout, &m_modali, [this] { GestisciModale(); });
        m_modali.start();
    }
    ~Verifica()
    {
        ImpostaGestoreMessaggi({});
        ImpostaRiproduttoreSuoni({});
    }

    int Esegui(QString& out, QString& err)
    {
        for (const char* cue : {"press.wav", "wrong.wav", "right.wav", "win.wav"})
            if (!FileExist(PercorsoSuono(QLatin1String(cue))))
                Fallisce(QStringLiteral("manca il suono %1").arg(QLatin1String(cue)));
        MenuPrincipale menu;
        menu.show();
        for (int i = 0; i < NumeroCategorie && m_errore.isEmpty(); ++i) {
            m_categoria = QString::fromUtf8(DatiCategoria(i).cartella);
            VerificaCategoria(menu, i);
            RimuoviSchede(m_nome);
        }
        if (!m_errore.isEmpty()) {
            err = QStringLiteral("zelora: verifica non riuscita: %1\n").arg(m_errore);
            return 1;
        }
        out = QStringLiteral("zelora: verifica riuscita: %1 categorie aperte; contenuti in %2; schede personali in %3\n")
                  .arg(NumeroCategorie)
                  .arg(CartellaApplicazione(), CartellaSchedePersonali());
        return 0;
    }

private:
    void VerificaCategoria(MenuPrincipale& menu, int i)
    {
        m_passo = QStringLiteral("indice");
        m_indiceAperto = false;
        Clic(menu.findChild<QLabel*>(QStringLiteral("libro%1").arg(i)));
        if (!m_indiceAperto)
            Fallisce(QStringLiteral("l'indice non si apre"));

        m_passo = QStringLiteral("menu");
        Clic(menu.findChild<QLabel*>(QStringLiteral("categoria%1").arg(i)));
        FinestraEsercizi* esercizi = menu.Esercizi();
        if (!m_errore.isEmpty() || !esercizi || !esercizi->isVisible() || menu.isVisible())
            return Fallisce(QStringLiteral("la finestra degli esercizi non si apre"));

        m_passo = QStringLiteral("scheda personale");
        if (QAction* crea = Voce(esercizi, "voceCrea"))
            crea->trigger();
        QAction* primo = Voce(esercizi, "voceEsercizio");
        if (!m_errore.isEmpty() || Globali::NomeAlunno != m_nome || !primo || !primo->isEnabled())
            return Fallisce(QStringLiteral("la scheda personale di prova non si crea in %1").arg(CartellaSchedePersonali()));

        m_passo = QStringLiteral("primo esercizio");
        primo->trigger();
        if (!m_errore.isEmpty() || esercizi->Motore().EsercizioCorrente() != 0)
            return Fallisce(QStringLiteral("il primo esercizio non si carica"));

        m_passo = QStringLiteral("uscita");
        esercizi->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!menu.isVisible())
            Fallisce(QStringLiteral("il menu non ritorna"));
    }

    Risposta Rispondi(const Messaggio& m)
    {
        if (m.icona == Icona::Critico)
            Fallisce(QString(m.testo).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        switch (m.pulsanti) {
        case Pulsanti::OK:
            return Risposta::Ok;
        case Pulsanti::SiNo:
            // "Vuoi tornare al menu generale?" is the only question that is not an error.
            return m.icona == Icona::Domanda ? Risposta::Si : Risposta::No;
        case Pulsanti::SiNoAnnulla:
            break;
        }
        return Risposta::Annulla;
    }

    void GestisciModale()
    {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale || !modale->isVisible())
            return;
        const QString classe = QString::fromLatin1(modale->metaObject()->className());
        if (classe == QLatin1String("FinestraIndice")) {
            m_indiceAperto = true;
        } else if (classe == QLatin1String("FinestraNome")) {
            auto* casella = modale->findChild<QLineEdit*>(QStringLiteral("nome"));
            auto* ok = modale->findChild<QPushButton*>(QStringLiteral("pulsanteOk"));
            if (casella && ok) {
                casella->setText(m_nome);
                ok->click();
            }
        } else {
            Fallisce(QStringLiteral("finestra inattesa %1").arg(classe));
        }
        if (modale->isVisible())
            modale->close();
    }

    void Fallisce(const QString& motivo)
    {
        if (m_errore.isEmpty())
            m_errore = QStringLiteral("%1, %2: %3").arg(m_categoria.isEmpty() ? QStringLiteral("avvio") : m_categoria,
                                                       m_passo, motivo);
    }

    const QString m_nome = QStringLiteral("verifica avvio %1").arg(QCoreApplication::applicationPid());
    QString m_categoria;
    QString m_passo = QStringLiteral("suoni");
    QString m_errore;
    bool m_indiceAperto = false;
    QTimer m_modali;
};
} // namespace

int VerificaAvvio(QString& out, QString& err)
{
    Verifica verifica;
    return verifica.Esegui(out, err);
}

namespace {
bool Salva(QWidget& finestra, const QString& file, QString& err)
{
    QCoreApplication::processEvents();
    if (finestra.grab().save(file, "PNG"))
        return true;
    err = QStringLiteral("zelora: non riesco a salvare la schermata in %1\n").arg(file);
    return false;
}

// The whole screen with the main menu, an exercise of each way of answering
// (the list, a double-click, a drag), a record sheet and the class overview,
// into a folder.
int SalvaSchermate(const QString& cartella, QString& err)
{
    ImpostaGestoreMessaggi([](const Messaggio&) { return Risposta::Ok; });
    MenuPrincipale menu;
    menu.resize(QGuiApplication::primaryScreen()->size());
    menu.show();
    bool salvate = Salva(menu, cartella + QStringLiteral("/menu.png"), err);
    const struct {
        int categoria, esercizio;
        const char* nome;
    } esempi[] = {{4, 31, "elenco"}, {0, 3, "doppio-clic"}, {9, 0, "trascinamento"}};
    for (const auto& esempio : esempi) {
        menu.ScegliCategoria(esempio.categoria);
        FinestraEsercizi* esercizi = menu.Esercizi();
        if (!esercizi)
            return 1;
        if (QAction* voce = Voce(esercizi, "voceEsercizio", esempio.esercizio))
            voce->trigger();
        salvate = salvate && Salva(*esercizi, cartella + QStringLiteral("/esercizio-%1.png").arg(QLatin1String(esempio.nome)), err);
        delete esercizi;
    }
    Globali::NomeAlunno = QStringLiteral("Anna");
    const QStringList giudizi{QStringLiteral("OTTIMO"), QStringLiteral("DISCRETO"), QStringLiteral("INSUFF.")};
    for (int i = 0; i < giudizi.size(); ++i) {
        Globali::EsercizioFatto[i] = true;
        Globali::Giudizio[i] = giudizi[i];
    }
    FinestraScheda scheda;
    scheda.show();
    salvate = salvate && Salva(scheda, cartella + QStringLiteral("/scheda.png"), err);
    FinestraClasse classe;
    classe.show();
    salvate = salvate && Salva(classe, cartella + QStringLiteral("/classe.png"), err);
    ImpostaGestoreMessaggi({});
    return salvate ? 0 : 1;
}
} // namespace

int SalvaSchermata(const QString& file, QString& err)
{
    if (QFileInfo(file).isDir())
        return SalvaSchermate(file, err);
    MenuPrincipale menu;
    menu.resize(tw(12000), tw(9000));
    menu.show();
    return Salva(menu, file, err) ? 0 : 1;
}
