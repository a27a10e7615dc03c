// The exercise engine: loading, the three ways of answering, grading and the
// solutions, played as a pupil plays them (no window).
#include "ProveEsercizi.h"

#include "exercise/MotoreEsercizio.h"
#include "exercise/RispostaGiusta.h"

#include <QtTest>

namespace {

// An engine with one test exercise loaded (its item repeated 14 times),
// keeping the cues, notices and grade it reports.
struct Prova {
    MotoreEsercizio m;
    QStringList eventi;

    Prova(int tipo, const Voce& voce, const QStringList& scelte = {}) : Prova(DatiDi(tipo, scelte, {voce})) {}
    explicit Prova(const DatiEsercizio& d)
    {
        QObject::connect(&m, &MotoreEsercizio::suono, [this](const QString& f) { eventi << f.chopped(4); });
        QObject::connect(&m, &MotoreEsercizio::avviso, [this](MotoreEsercizio::Avviso a) {
            eventi << (a == MotoreEsercizio::Avviso::PrimaUnRiquadro ? "!riquadro" : "!completa");
        });
        QObject::connect(&m, &MotoreEsercizio::esercizioCompletato, [this](const QString& g) { eventi << g; });
        caricato = m.Carica(3, &d);
    }
    bool caricato = false;

    // One action on item 2: "s" selects it ("s:5" item 5), "c:x" chooses entry x, "d:w" double-clicks
    // word w ("d:w#1" its second occurrence), "t:x" drags over stretch x, "k:p" clicks at character p.
    bool Esegui(const QString& azione)
    {
        const QString x = azione.mid(2);
        const QString testo = m.Casella(2).Testo();
        const int k = int(m.Scelte().indexOf(x));
        int p = -1;
        switch (azione.at(0).toLatin1()) {
        case 's': m.SelezionaRiga(x.isEmpty() ? 2 : x.toInt()); return true;
        case 'c': m.ScegliVoce(k); return k >= 0;
        case 'd':
            for (int n = 0; n <= x.section('#', 1).toInt(); ++n)
                p = int(testo.indexOf(x.section('#', 0, 0), p + 1));
            GestoDoppioClic(m, 2, p);
            return p >= 0;
        case 't': GestoTratto(m, 2, int(testo.indexOf(x)), int(x.size())); return testo.contains(x);
        default: GestoTratto(m, 2, x.toInt(), 0); return true;
        }
    }

    QString Stato() const
    {
        return QStringLiteral("riga %1 fatte %2 errori %3").arg(m.RigaCorrente()).arg(m.RigheCompletate()).arg(m.NumeroErrori())
            + (m.ErroriVisibili() ? "" : " nascosti")
            + (m.PassoRisposta() ? QStringLiteral(" passo %1 %2").arg(m.PassoRisposta()).arg(m.RispostaParziale()) : "");
    }

    // Caption under the line break and background of item i's label.
    QString Numero(int i = 2) const
    {
        const StatoNumero& n = m.Numero(i);
        using M = MotoreEsercizio;
        return n.caption.mid(2) + (n.sfondo == M::Verde ? " verde" : n.sfondo == M::Giallo ? " giallo" : n.sfondo == M::Rosso ? " rosso" : " grigio");
    }
};

// A script of actions on item 2 and what the pupil sees after it.
struct Caso {
    int tipo;
    QStringList scelte;
    Voce voce;
    QStringList azioni;
    QString testo, colori, stato, numero, eventi; // testo empty: the item lacks what its kind marks, nothing loads
    QString voci = QStringLiteral("="); // the entries left; "=" all of them
    int dimensione = 0; // of the font, when given
};

const QStringList Abc = {"nome", "verbo", "articolo"}, Parti = {"nome", "proprio", "comune"};
const QString Cane = QStringLiteral("Il cane abbaia.");
const QString CaneAc = QStringLiteral("Il cane abbaia.\r\n");
const QString Risolta = QStringLiteral("riga 100 fatte 1 errori 0"), Nuova = "riga 100 fatte 0 errori 0 nascosti";
const QString Amico = QStringLiteral("Ecco Mario il mio amico."), AmicoAc = Amico + QStringLiteral("\r\n");

} // namespace
Q_DECLARE_METATYPE(Caso)

class TestMotore : public QObject {
    Q_OBJECT
private slots:
    void copione_data()
    {
        QTest::addColumn<Caso>("c");
        const QStringList s = {"s"};
        auto riga = [](const char* nome, const Caso& c) { QTest::newRow(nome) << c; };
        // Loading: what each kind marks in red or blue, the font size from the longest item or choice.
        const auto carica = [](const char* nome, int tipo, const QStringList& scelte, const Voce& v, const QString& testo,
                               const QString& colori, int dimensione) {
            QTest::newRow(nome) << Caso{tipo, scelte, v, {}, testo, colori, Nuova, "3 grigio", "", "=", dimensione};
        };
        carica("3 chiave rossa", 3, Abc, {"Il cane e il gatto.", "nome", "gatto"}, "Il cane e il gatto.\r\n", "n13 r5 n3", 14);
        carica("6 prima occorrenza", 6, Abc, {"il re e il re.", "nome", "re"}, "il re e il re.\r\n", "n3 r2 n11", 14);
        carica("12 chiave blu", 12, Abc, {"Ho ... mela.", "nome", "mela"}, "Ho ... mela.\r\n", "n7 b4 n3", 14);
        carica("15 due spazi", 15, Abc, {"[...] cane e [....] gatto.", "ilun", "(...)(....)"},
               "(...) cane e (....) gatto.\r\n", "r5 n8 r6 n9", 12);
        carica("18 quadre", 18, Abc, {"Vedo [il] sole.", "nome", "x"}, "Vedo [il] sole.\r\n", "n5 r4 n8", 14);
        carica("47 asterisco", 47, Abc, {"L*albero.", "nome", "x"}, "L*albero.\r\n", "n1 r1 n9", 16);
        carica("53 virgolette", 53, {}, {"Disse ciao.", "ciao", "£ciao$ %a&"}, "Disse ciao.\r\n", "n13", 14);
        carica("frase di 95", 10, {}, {QString(94, 'x') + '.', "a", "b"}, QString(94, 'x') + ".\r\n", "n97", 11);
        carica("scelta di 25", 10, {QString(25, 'b')}, {"Breve.", "a", "b"}, "Breve.\r\n", "n8", 12);
        for (const auto& [tipo, v] : {std::pair{3, Voce{Cane, "nome", "gatto"}}, {15, Voce{"[..] cane.", "ilun", "(..)"}},
                                      {18, Voce{Cane, "nome", "il"}}, {47, Voce{Cane, "nome", Cane}}})
            QTest::addRow("%d senza segno", tipo) << Caso{tipo, Abc, v, {}, "", "", "", "", ""};
        // Kind 2 counts the words to find down from their number.
        riga("2 da trovare", {2, {}, {"Il cane e il gatto.", "2", "cane gatto"}, {}, "Il cane e il gatto.\r\n", "n21", Nuova, "2 grigio", ""});
        // Answering by list choice: right answers, kind by kind.
        riga("3", {3, Abc, {Cane, "nome", "cane"}, {"s", "c:nome"}, "Il cane abbaia. [nome]", "n3 b4 n8 r7", Risolta, "ok verde", ""});
        riga("4", {4, Abc, {"La casa è bella.", "nome", "casa"}, {"s", "c:nome"}, "La casa è bella. [nome]", "b16 r7", Risolta, "ok verde", "", "verbo|articolo"});
        riga("5", {5, Parti, {"Roma è bella.", "nomeproprio", "Roma"}, {"s", "c:nome", "c:proprio"}, "Roma è bella.\r\n", "b4 n11", Risolta, "ok verde", ""});
        // An entry that is the whole answer is judged as the second part only.
        riga("5 intera", {5, {"nome", "nomeproprio"}, {"Roma è bella.", "nomeproprio", "Roma"}, {"s", "c:nome", "c:nomeproprio"}, "Roma è bella.\r\n", "b4 n11", Risolta, "ok verde", ""});
        riga("6", {6, {"cani", "gatti"}, {"I (cane) abbaiano.", "cani", "(cane)"}, {"s", "c:cani"}, "I cani abbaiano.\r\n", "n2 b4 n12", Risolta, "ok verde", "", "gatti"});
        riga("7", {7, Abc, {Cane, "verbo", "I cani."}, {"s", "c:verbo"}, "I cani.", "b7", Risolta, "ok verde", ""});
        riga("8", {8, {"cani"}, {"I (cane) abbaiano.", "cani", "(cane)"}, {"s", "c:cani"}, "I cani abbaiano.\r\n", "n2 b4 n12", Risolta, "ok verde", ""});
        riga("9", {9, Abc, {Cane, "verbo", "I cani."}, {"s", "c:verbo"}, "I cani.", "b7", Risolta, "ok verde", "", "nome|articolo"});
        riga("11", {11, Parti, {"Vedo (...) oggi.", "nomecomune", "Luca"}, {"s", "c:nome", "c:comune"}, "Vedo Luca oggi.\r\n", "n5 b4 n8", Risolta, "ok verde", ""});
        riga("12", {12, {"il", "lo"}, {"Vedo ... zaino.", "lo", "zaino"}, {"s", "c:lo"}, "Vedo lo zaino.\r\n", "n5 b2 n1 b5 n3", Risolta, "ok verde", ""});
        riga("13", {13, Abc, {Cane, "nome", "cane"}, {"s", "c:nome"}, "Il cane abbaia. [nome]", "n3 b4 n8 r7", Risolta, "ok verde", "", "verbo|articolo"});
        riga("14", {14, Abc, {"Il (...) abbaia.", "nome", "cane"}, {"s", "c:nome"}, CaneAc, "n3 b4 n10", Risolta, "ok verde", ""});
        riga("15", {15, {"ho", "ha", "è"}, {"Io [ab] e lui [cd].", "hoha", "(..)(..)"}, {"s", "c:ho", "c:ha"}, "Io ho e lui ha.\r\n", "n3 b2 n7 b2 n3", Risolta, "ok verde", "", "è"});
        riga("16", {16, {"uova", "uovi"}, {"Il plurale di uovo: ", "uova", ""}, {"s", "c:uova"}, "Il plurale di uovo: uova", "n20 b4", Risolta, "ok verde", "", "uovi"});
        riga("18", {18, Parti, {"Il [cane] abbaia.", "nomecomune", "cane"}, {"s", "c:nome", "c:comune"}, "Il cane abbaia.\r\n\r\n        nomecomune", "n3 b5 n7 n4 n8 r10", Risolta, "ok verde", ""});
        riga("47", {47, Abc, {"Il * abbaia.", "nome", Cane}, {"s", "c:nome"}, Cane, "b15", Risolta, "ok verde", ""});
        riga("17 senza visualizzazione", {17, Abc, {Cane, "nome", "cane"}, {"s", "c:nome"}, CaneAc, "n17", Risolta, "ok verde", ""});
        // An empty answer accepts any entry; a missing "..." leaves the text as it was.
        riga("20 risposta vuota", {20, Abc, {Cane, "", ""}, {"s", "c:verbo"}, CaneAc, "n17", Risolta, "ok verde", ""});
        riga("12 senza puntini", {12, {"nome"}, {Cane, "nome", ""}, {"s", "c:nome"}, CaneAc, "n17", Risolta, "ok verde", ""});
        // Wrong choices: counted, the label turns red, the item must be taken again.
        riga("3 sbagliata due volte", {3, Abc, {Cane, "nome", "cane"}, {"s", "c:verbo", "s", "c:verbo"}, CaneAc, "n3 r4 n10", "riga 100 fatte 0 errori 2", "3 rosso", "wrong wrong"});
        riga("4 la voce sbagliata resta", {4, Abc, {Cane, "nome", "cane"}, {"s", "c:verbo"}, CaneAc, "n17", "riga 100 fatte 0 errori 1", "3 rosso", "wrong"});
        riga("nessuna riga scelta", {3, Abc, {Cane, "nome", "cane"}, {"c:nome"}, CaneAc, "n3 r4 n10", "riga 100 fatte 0 errori 0 nascosti", "3 grigio", "!riquadro"});
        // Two choices: a right first choice only waits; a wrong one before the
        // error entry is shown; a wrong second throws the first away.
        riga("5 prima giusta", {5, Parti, {"Vedo Roma oggi.", "nomeproprio", "Roma"}, {"s", "c:nome"}, "Vedo Roma oggi.\r\n", "n17", "riga 2 fatte 0 errori 0 nascosti passo 1 nome", "3 giallo", ""});
        riga("11 prima sbagliata", {11, Parti, {"Vedo (...) oggi.", "nomeproprio", "Roma"}, {"s", "c:comune"}, "Vedo (...) oggi.\r\n", "n18", "riga 100 fatte 0 errori 1 nascosti", "3 rosso", "wrong"});
        riga("18 seconda sbagliata", {18, Parti, {"Il [cane] corre.", "nomeproprio", "cane"}, {"s", "c:nome", "c:comune"}, "Il [cane] corre.\r\n", "n3 r6 n9", "riga 100 fatte 0 errori 1", "3 rosso", "wrong"});
        riga("5 si ricomincia", {5, Parti, {"Vedo Roma oggi.", "nomeproprio", "Roma"}, {"s", "c:nome", "c:comune", "s", "c:nome", "c:proprio"}, "Vedo Roma oggi.\r\n", "n5 b4 n8", "riga 100 fatte 1 errori 1", "ok verde", "wrong"});
        riga("5 altra frase a metà", {5, Parti, {"Vedo Roma oggi.", "nomeproprio", "Roma"}, {"s", "c:nome", "s:4", "s"}, "Vedo Roma oggi.\r\n", "n17", "riga 2 fatte 0 errori 0 nascosti passo 1 nome", "3 giallo", "!completa"});
        // Kind 15: the first blank stays filled after a wrong second choice.
        riga("15 prima", {15, {"ho", "ha", "è"}, {"Io [ab] e lui [cd].", "hoha", "(..)(..)"}, {"s", "c:ho"}, "Io ho e lui (..).\r\n", "n3 b2 n7 r4 n3", "riga 2 fatte 0 errori 0 nascosti passo 1 ho", "3 giallo", "", "ha|è"});
        riga("15 seconda sbagliata", {15, {"ho", "ha", "è"}, {"Io [ab] e lui [cd].", "hoha", "(..)(..)"}, {"s", "c:ho", "c:è", "c:ha"}, "Io ho e lui ha.\r\n", "n3 b2 n7 b2 n3", "riga 100 fatte 1 errori 1", "ok verde", "wrong", "è"});
        riga("15 prima sbagliata", {15, {"ho", "ha", "è"}, {"Io [ab] e lui [cd].", "hoha", "(..)(..)"}, {"s", "c:ha"}, "Io (..) e lui (..).\r\n", "n3 r4 n7 r4 n3", "riga 100 fatte 0 errori 1 nascosti", "3 rosso", "wrong"});

        riga("1 nota", {1, {}, {Cane, "cane", "animale"}, {"d:cane"}, "Il cane abbaia. [animale]", "n15 b10", Risolta, "ok verde", ""});
        riga("1 ultima occorrenza", {1, {}, {"Il cane vede il cane.", "cane", ""}, {"d:cane"}, "Il cane vede il cane.\r\n", "n16 b4 n3", Risolta, "ok verde", ""});
        riga("1 sbagliata poi giusta", {1, {}, {Cane, "cane", ""}, {"d:abbaia", "d:cane"}, CaneAc, "n3 b4 n10", "riga 100 fatte 1 errori 1", "ok verde", "wrong"});
        riga("1 sbagliata", {1, {}, {Cane, "cane", ""}, {"d:abbaia"}, CaneAc, "n8 r6 n3", "riga 2 fatte 0 errori 1", "3 giallo", "wrong"});
        riga("41", {41, {}, {"il cane abbaia il gatto dorme", "abbaia", "Il cane abbaia. Il gatto dorme."}, {"d:abbaia"}, "Il cane abbaia. Il gatto dorme.", "b15 r16", Risolta, "ok verde", ""});
        riga("41 più punti", {41, {}, {"ciao si no", "si", "Ciao. Sì. No."}, {"d:si"}, "Ciao. Sì. No.", "b5 r8", Risolta, "ok verde", ""});
        riga("41 senza punto", {41, {}, {"ciao a tutti", "ciao", "Ciao a tutti"}, {"d:ciao"}, "Ciao a tutti", "r12", Risolta, "ok verde", ""});
        riga("43", {43, {}, {"Mario vieni qui", "Mario", "Mario, vieni qui."}, {"d:Mario"}, "Mario, vieni qui.", "b6 r11", Risolta, "ok verde", ""});
        riga("46", {46, {}, {"Piove resto a casa", "resto", "Piove; resto a casa."}, {"d:resto"}, "Piove; resto a casa.", "b6 r14", Risolta, "ok verde", ""});
        riga("48", {48, {}, {"Ecco pane e latte", "Ecco", "Ecco: pane e latte."}, {"d:Ecco"}, "Ecco: pane e latte.", "b5 r14", Risolta, "ok verde", ""});
        riga("49", {49, {}, {"Aspetta poi vai", "Aspetta", "Aspetta... poi vai."}, {"d:Aspetta"}, "Aspetta... poi vai.", "b10 r9", Risolta, "ok verde", ""});
        riga("49 senza puntini", {49, {}, {"ciao a tutti", "ciao", "Ciao a tutti"}, {"d:ciao"}, "Ciao a tutti", "b2 r10", Risolta, "ok verde", ""});
        // The second occurrence is clicked, the first replaced.
        riga("42", {42, {}, {"Il cane e il cane.", "cane", "gatto"}, {"d:cane#1"}, "Il gatto e il cane.\r\n", "n3 r5 n13", Risolta, "ok verde", ""});
        // A double-click in a list kind is undone; in kinds without a display it only shows the count.
        riga("3 doppio clic", {3, Abc, {Cane, "nome", "cane"}, {"d:abbaia"}, CaneAc, "n3 r4 n10", "riga 2 fatte 0 errori 0 nascosti", "3 giallo", ""});
        riga("47 doppio clic", {47, Abc, {"Il * abbaia.", "nome", Cane}, {"d:abbaia"}, "Il * abbaia.\r\n", "n3 r1 n10", "riga 2 fatte 0 errori 0", "3 giallo", ""});
        riga("40 doppio clic", {40, {}, {Cane, "cane", ""}, {"d:cane"}, CaneAc, "n17", "riga 2 fatte 0 errori 0", "3 giallo", ""});
        // Kind 2: found twice counts once; short or missing words are errors;
        // part of a longer word of the key counts; the label counts down.
        riga("2 trovata", {2, {}, {"Il cane e il gatto con la palla.", "2", "cane gattone"}, {"d:cane", "d:cane"}, "Il cane e il gatto con la palla.\r\n", "n3 b4 n27", "riga 2 fatte 0 errori 0", "1 giallo", ""});
        riga("2 errori", {2, {}, {"Il cane e il gatto con la palla.", "2", "cane gattone"}, {"d:Il", "d:palla"}, "Il cane e il gatto con la palla.\r\n", "r2 n24 r5 n3", "riga 2 fatte 0 errori 2", "2 giallo", "wrong wrong"});
        riga("2 completa", {2, {}, {"Il cane e il gatto con la palla.", "2", "cane gattone"}, {"d:cane", "d:gatto"}, "Il cane e il gatto con la palla.\r\n", "n3 b4 n6 b5 n16", Risolta, "ok verde", ""});
        riga("2 stessa parola due volte", {2, {}, {"il gatto e il gatto", "2", "gatto"}, {"d:gatto#1", "d:gatto"}, "il gatto e il gatto\r\n", "n3 b5 n6 b5 n2", Risolta, "ok verde", ""});

        const QString mario = "Mario corre nel parco.";
        riga("44", {44, {}, {mario, "nel parco.", "Mario corre nel parco. (luogo)"}, {"t:nel parco."}, "Mario corre nel parco. (luogo)", "n12 b10 n8", Risolta, "ok verde", ""});
        riga("44 spazi intorno", {44, {}, {mario, "corre", mario}, {"t: corre "}, mario, "n6 b5 n11", Risolta, "ok verde", ""});
        riga("45", {45, {}, {mario, "Mario corre", "Mario corre (soggetto e verbo)."}, {"t:Mario corre"}, "Mario corre (soggetto e verbo).", "b11 n20", Risolta, "ok verde", ""});
        riga("50", {50, {}, {Amico, "il mio amico", "Ecco Mario (il mio amico)."}, {"t:il mio amico.\r\n"}, "Ecco Mario (il mio amico).", "n11 b14 n1", Risolta, "ok verde", ""});
        riga("51", {51, {}, {Amico, "il mio amico", "Ecco Mario - il mio amico -."}, {"t:il mio amico.\r\n"}, "Ecco Mario - il mio amico -.", "n11 b16 n1", Risolta, "ok verde", ""});
        riga("52", {52, {}, {"Disse ciao a tutti.", "ciao a tutti", "Disse: -ciao a tutti-."}, {"t:ciao a tutti.\r\n"}, "Disse:\r-ciao a tutti-.", "n6 b16", Risolta, "ok verde", ""});
        riga("53", {53, {}, {"Disse ciao a tutti.", "ciao a tutti", "Disse £ciao a tutti$."}, {"t:ciao a tutti.\r\n"}, "Disse «ciao a tutti».", "n5 b16", Risolta, "ok verde", ""});
        riga("53 all'inizio", {53, {}, {"Ciao disse Mario.", "Ciao", "£Ciao$ disse Mario."}, {"t:Ciao"}, "«Ciao» disse Mario.", "b8 n11", Risolta, "ok verde", ""});
        riga("54", {54, {}, {"Disse ciao a tutti.", "ciao a tutti", "Disse %ciao a tutti&."}, {"t: ciao a tutti.\r\n"}, "Disse “ciao a tutti”.", "n6 b14 n1", Risolta, "ok verde", ""});
        riga("51 senza risposta nella chiave", {51, {}, {"Mario corre.", "Mario", "Lui"}, {"t:Mario"}, "Lui", "n3", Risolta, "ok verde", ""});
        riga("44 col punto", {44, {}, {mario, "nel parco.", mario}, {"t:nel parco.\r\n"}, mario + "\r\n", "n12 r12", "riga 2 fatte 0 errori 1", "3 giallo", "wrong"});
        // A full stop without the line break still loses three characters.
        riga("50 punto senza a capo", {50, {}, {Amico, "il mio amico", Amico}, {"t:il mio amico."}, AmicoAc, "n11 r13 n2", "riga 2 fatte 0 errori 1", "3 giallo", "wrong"});
        riga("52 solo il punto", {52, {}, {Amico, "il mio amico", Amico}, {"t:."}, AmicoAc, "n23 r1 n2", "riga 2 fatte 0 errori 1", "3 giallo", "wrong"});
        // A click marks nothing but shows the error count; a double-click is judged once.
        riga("53 clic", {53, {}, {mario, "Mario", mario}, {"k:4"}, mario + "\r\n", "n24", "riga 2 fatte 0 errori 0", "3 giallo", ""});
        riga("45 doppio clic giusto", {45, {}, {"Mario corre.", "Mario", "Mario corre."}, {"d:Mario"}, "Mario corre.", "b5 n7", Risolta, "ok verde", ""});
        riga("54 doppio clic sbagliato", {54, {}, {"Mario corre.", "Mario", "Mario corre."}, {"d:corre"}, "Mario corre.\r\n", "n6 r5 n3", "riga 2 fatte 0 errori 1", "3 giallo", "wrong"});
        // A word kind takes no drag as an answer.
        riga("1 trascinamento", {1, {}, {Cane, "cane", ""}, {"t:cane"}, CaneAc, "n17", "riga 2 fatte 0 errori 0 nascosti", "3 giallo", ""});
    }

    void copione()
    {
        QFETCH(Caso, c);
        Prova p(c.tipo, c.voce, c.scelte);
        QCOMPARE(p.caricato, !c.testo.isEmpty());
        QCOMPARE(p.m.RigheVisibili() || p.m.ElencoVisibile(), p.caricato);
        if (!p.caricato)
            return;
        if (c.azioni.isEmpty())
            QCOMPARE(p.m.ElencoVisibile(), !c.scelte.isEmpty());
        QCOMPARE(p.m.SoluzioniOfferte(), c.tipo >= 41);
        const QString altra = p.m.Casella(3).Testo() + Colori(p.m.Casella(3));
        for (const QString& a : c.azioni)
            QVERIFY2(p.Esegui(a), qPrintable(a));
        const TestoFormattato& t = p.m.Casella(2);
        QCOMPARE(t.Testo(), c.testo);
        QCOMPARE(Colori(t), Tratti(c.colori));
        if (c.dimensione)
            QCOMPARE(t.DimensioneCarattere(0), qreal(c.dimensione));
        // A judged answer leaves the selection collapsed at the start.
        if (c.azioni.isEmpty() || p.m.Risolta(2) || p.m.NumeroErrori())
            QCOMPARE(QPoint(t.SelStart(), t.SelLength()), QPoint());
        QCOMPARE(p.Stato(), c.stato);
        QCOMPARE(p.Numero(), c.numero);
        QCOMPARE(p.eventi.join(QLatin1Char(' ')), c.eventi);
        QCOMPARE(p.m.Scelte().join(QLatin1Char('|')), c.voci == "=" ? c.scelte.join(QLatin1Char('|')) : c.voci);
        // The other items are untouched; a finished box takes no more answers.
        QCOMPARE(p.m.Casella(3).Testo() + Colori(p.m.Casella(3)), altra);
        QCOMPARE(p.m.Ingresso(2), !p.m.Risolta(2));
    }

    // The list font follows the longest entry.
    void dimensioneElenco()
    {
        QCOMPARE(Prova(3, {"a b", "il", "a"}, {"il", "lo"}).m.DimensioneElenco(), 18);
        QCOMPARE(Prova(3, {"a b", "il", "a"}, {QString(16, 'a')}).m.DimensioneElenco(), 9);
    }

    void selezione()
    {
        Prova p(3, {Cane, "nome", "cane"}, Abc);
        p.m.SelezionaRiga(5);
        p.m.SelezionaRiga(9);
        QCOMPARE(p.Numero(5), QStringLiteral("6 grigio"));
        QCOMPARE(p.Numero(9), QStringLiteral("10 giallo"));
        QCOMPARE(p.m.RigaIncorniciata(), 9);
        // A red label stays red when another item is taken; a green one cannot be taken.
        QVERIFY(p.Esegui("s") && p.Esegui("c:verbo"));
        p.m.SelezionaRiga(4);
        QCOMPARE(p.Numero(), QStringLiteral("3 rosso"));
        QVERIFY(DaiRispostaGiusta(p.m, 4));
        p.m.SelezionaRiga(4);
        QCOMPARE(p.m.RigaCorrente(), int(MotoreEsercizio::NessunaRiga));
        QCOMPARE(p.m.RigaIncorniciata(), -1);
    }

    // The grade comes with the 14th item: ECCELLENTE (and the win cue) without
    // errors, one grade down for each error, INSUFF. from 5 on.
    void giudizio()
    {
        const QStringList attesi{"right win ECCELLENTE", "right OTTIMO", "right BUONO", "right DISCRETO",
                                 "right SUFFICIENTE", "right INSUFF.", "right INSUFF."};
        for (int errori = 0; errori < attesi.size(); ++errori) {
            Prova p(3, {Cane, "nome", "cane"}, Abc);
            for (int e = 0; e < errori; ++e)
                QVERIFY(DaiRispostaSbagliata(p.m, e % NumeroRighe));
            p.eventi.clear();
            for (int i = 0; i < NumeroRighe; ++i) {
                QVERIFY(p.eventi.isEmpty());
                QVERIFY(DaiRispostaGiusta(p.m, i));
            }
            QCOMPARE(p.eventi.join(QLatin1Char(' ')), attesi[errori]);
            QVERIFY(!p.m.ElencoVisibile() && p.m.RigheCompletate() == 14);
        }
    }

    void soluzioni()
    {
        Prova p(41, {"Il cane corre.", "cane", "Il cane corre: soluzione."});
        QVERIFY(DaiRispostaGiusta(p.m, 0));
        QVERIFY(DaiRispostaSbagliata(p.m, 2));
        p.m.MostraSoluzioni();
        QCOMPARE(p.m.CaptionSoluzioni(), QStringLiteral("   TORNA ALL'ESERCIZIO"));
        for (int i = 0; i < NumeroRighe; ++i) {
            QCOMPARE(p.m.Casella(i).Testo(), QStringLiteral("Il cane corre: soluzione.\r\n"));
            QCOMPARE(Colori(p.m.Casella(i)), Tratti("g27"));
            QVERIFY(!p.m.Ingresso(i));
        }
        // Labels, error count and selection stay as they were.
        QCOMPARE(p.Stato(), QStringLiteral("riga 2 fatte 1 errori 1"));
        QCOMPARE(p.Numero(0), QStringLiteral("ok verde"));
        // The box takes no answer while the solutions are shown.
        GestoDoppioClic(p.m, 5, 3);
        QCOMPARE(p.m.NumeroErrori(), 1);
    }

    void nuovaScheda()
    {
        Prova p(5, {"Vedo Roma oggi.", "nomeproprio", "Roma"}, Parti);
        QVERIFY(p.Esegui("s") && p.Esegui("c:nome"));
        p.m.Ripulisci();
        p.m.DimenticaEsercizio();
        // Nothing of the old run is left, and no two-step answer blocks the items.
        QCOMPARE(p.Stato(), QStringLiteral("riga 0 fatte 0 errori 0 nascosti"));
        QVERIFY(p.m.Frase(0).isEmpty() && p.m.Scelte().isEmpty() && !p.m.RigheVisibili());
        QCOMPARE(p.m.TipoEsercizio(), 0);
    }
};

QTEST_MAIN(TestMotore)
#include "tst_motore.moc"
