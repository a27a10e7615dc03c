#pragma once
// The exercise window with a small test exercise loaded and real mouse
// gestures on it, and the checks every printout shares. Brings in what the
// window and printout tests all use.
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
    // A double-click on the last letter of the n-th occurrence (from 0) of a
    // word of box i; false when the screen does not put it there.
    bool DoppioClic(int i, const QString& parola, int occorrenza = 0);
    // Press on the first letter of the stretch, drag, release on its last
    // letter (or the other way); false as above.
    bool Trascina(int i, const QString& tratto, bool alContrario = false);
};

// The footer line the printouts end each sheet with.
QString Piede();
// s is the footer, in its place at the bottom of the sheet.
void VerificaPiede(const Stampato& s);
// Prints through stampa on a recording printer, then into a PDF file in
// cartella: so many sheets, each with one footer and nothing else past the
// body's bottom, and the lines all there; the lines drawn on the first.
void VerificaFogli(const QString& cartella, const std::function<void()>& stampa, int fogli, const QStringList& righe,
                   QList<LineaStampata>* linee = nullptr);

// The Yes/No question was asked, then the printer failure was reported, and
// nothing was printed.
void VerificaErroreStampa(const MessaggiScriptati& m, const StampanteRegistrata& r, const QString& titolo);
// The print button answered No (nothing printed, the window stays), then the
// exit entry, then OK; each button plays its cue, the entry none.
void VerificaPulsanti(FinestraPagina& w, QAction* esci, Ambiente& a, const QString& domanda);
