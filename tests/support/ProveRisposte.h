#pragma once
// The exercise window with a test exercise and real mouse gestures; the checks printouts share.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include "content/Globali.h"
#include "platform/CasellaTesto.h"
#include "windows/FinestraEsercizi.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

class FinestraPagina;

// A throwaway application folder, scripted messages and recorded cues.
struct Ambiente {
    CartellaProva cartella;
    MessaggiScriptati messaggi;
    SuoniRegistrati suoni;
};

// A category (whose records are .Zlr01) with n exercises, as the main menu leaves it.
void PreparaCategoriaProve(int esercizi = 1, const QString& categoria = QStringLiteral("Prove"));

struct FinestraProva : Ambiente {
    GestoreModali modali;
    std::unique_ptr<FinestraEsercizi> f;

    // Shows the window with exercise 0 of the category "Prove" loaded.
    void Apri(int tipo, const QList<::Voce>& voci, const QStringList& scelte = {});
    // The window's controls, found by name.
    CasellaTesto* Casella(int i) const { return f->findChild<CasellaTesto*>(QStringLiteral("casella%1").arg(i)); }
    EtichettaNumero* Numero(int i) const { return f->findChild<EtichettaNumero*>(QStringLiteral("numero%1").arg(i)); }
    QListWidget* Elenco() const { return f->findChild<QListWidget*>(QStringLiteral("elencoScelte")); }
    QAction* Voce(const char* nome) const { return f->findChild<QAction*>(QLatin1String(nome)); }
    // A click on item i's number label.
    void Seleziona(int i) { QTest::mouseClick(Numero(i), Qt::LeftButton); }
    // A click on the list entry; false when the list lacks it.
    bool Scegli(const QString& voce);
    // A double-click on the last letter of a word's n-th occurrence in box i; false if not on screen.
    bool DoppioClic(int i, const QString& parola, int occorrenza = 0);
    // A drag from the first letter of the stretch to its last (or back); false as above.
    bool Trascina(int i, const QString& tratto, bool alContrario = false);
};

// The footer line the printouts end each sheet with.
QString Piede();
// s is the footer, in its place at the bottom of the sheet.
void VerificaPiede(const Stampato& s);
// Prints on a recording printer, then into a PDF in cartella: so many sheets, each with one footer
// and nothing below the body; every line there; the lines drawn on the recording printer.
void VerificaFogli(const QString& cartella, const std::function<void()>& stampa, int fogli, const QStringList& righe,
                   QList<LineaStampata>* linee = nullptr);

// The Yes/No question, then the printer failure, and nothing printed.
void VerificaErroreStampa(const MessaggiScriptati& m, const StampanteRegistrata& r, const QString& titolo);
// Print answered No (the window stays), the exit entry, then OK: a cue for each button only.
void VerificaPulsanti(FinestraPagina& w, QAction* esci, Ambiente& a, const QString& domanda);
