#pragma once
// Every message box of the program goes through MostraMessaggio, so that the
// buttons read in Italian whatever the system language, and tests can answer.
#include <QString>
#include <functional>

class QWidget;

enum class Icona { Informazione, Critico, Domanda };
enum class Pulsanti { OK, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

struct Messaggio {
    Icona icona;
    Pulsanti pulsanti;
    QString titolo;
    QString testo;
};

Risposta MostraMessaggio(QWidget* genitore, Icona icona, Pulsanti pulsanti,
                         const QString& titolo, const QString& testo);

// Replaces the real dialog (tests); an empty function restores it.
using GestoreMessaggi = std::function<Risposta(const Messaggio&)>;
void ImpostaGestoreMessaggi(GestoreMessaggi gestore);
