#pragma once
// Every message box of the program goes through MostraMessaggio, so that the
// buttons read in Italian whatever the system language, and tests can answer.
#include <QString>
#include <QStringList>
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

// A list to pick one entry from, with "OK" and "Annulla".
struct Scelta {
    QString titolo;
    QString testo;
    QStringList voci;
};
// The index of the entry picked, or -1 when the choice is given up.
int ScegliDaElenco(QWidget* genitore, const QString& titolo, const QString& testo, const QStringList& voci);
// Replaces the real list (tests); an empty function restores it.
using GestoreScelte = std::function<int(const Scelta&)>;
void ImpostaGestoreScelte(GestoreScelte gestore);
