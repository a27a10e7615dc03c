// The content checker: every problem on broken files, a complete valid pack, and the console tool.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "checker/Verifica.h"
#include "platform/Suono.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A valid exercise of a kind: its choices and one item (the prefix keeps a pack's sentences apart).
struct Modello { QStringList scelte; Voce voce; };

Modello ModelloValido(int tipo, const QString& p = QString())
{
    switch (tipo) {
    case 1: return {{}, {p + "Il gatto dorme.", "gatto", "nome"}};
    case 2: return {{}, {p + "Il gatto e il cane giocano.", "2", "gatto cane"}};
    case 4: return {QStringList(14, "le dita"), {p + "il dito", "le dita", "il dito"}};
    case 5: return {{"articolo", "maschile", "femminile"}, {p + "Il cane corre.", "articolomaschile", "Il"}};
    case 7: return {{"nome", "verbo"}, {p + "cane", "nome", "cane: nome"}};
    case 11: return {{"nome", "comune", "proprio"}, {p + "Il (...) corre.", "nomecomune", "cane"}};
    case 12: return {{"del", "dello"}, {p + "Compro ... pane.", "del", "pane"}};
    case 3: case 13: return {QStringList(14, "nome"), {p + "Il cane abbaia.", "nome", "cane"}};
    case 14: return {{"cane", "gatto"}, {p + "Il (...) corre.", "cane", "cane"}};
    case 15: return {QStringList(14, "Il") + QStringList(14, "una"), {p + "[...] cane vede [...] gatta.", "Iluna", "(...)(...)"}};
    case 16: return {QStringList(14, "l'"), {p + "albero", "l'", ""}};
    case 18: return {{"determinativo", "maschile"}, {p + "Vedo [..] cane.", "determinativomaschile", "il"}};
    case 41: return {{}, {p + "Il gatto dorme.", "gatto", "Il gatto dorme. gatto: nome"}};
    case 42: return {{}, {p + "Ho visto il zaino.", "il", "lo"}};
    case 47: return {{"il", "l'"}, {p + "Vola * aquila.", "l'", "Vola l'aquila."}};
    case 44: case 50: return {{}, {p + "Ho raccolto delle more.", "delle more", p + "Ho raccolto delle more."}};
    case 51: return {{}, {p + "Ho raccolto delle more nel bosco.", "delle more", p + "Ho raccolto delle more nel bosco."}};
    case 52: return {{}, {p + "Mamma disse vieni qui.", "vieni qui", p + "Mamma disse: - Vieni qui."}};
    default: return {};
    }
}

// The kinds modelled (every kind is checked valid on the bundled content too).
const int TipiModello[] = {1, 2, 3, 4, 5, 7, 11, 12, 13, 14, 15, 16, 18, 41, 42, 44, 47, 50, 51, 52};

// A valid exercise file; with a prefix, each item gets its own sentence.
QByteArray FileValido(int tipo, const QString& prefisso)
{
    QList<Voce> voci;
    for (int i = 0; i < 14; ++i)
        voci << ModelloValido(tipo, prefisso + QString::number(i) + ": ").voce;
    return CodificaWindows1252(FileEsercizio(tipo, ModelloValido(tipo).scelte, voci));
}

// A RIFF/WAVE file of one silent sample.
const QByteArray WavValido("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x80\x3E\0\0\x02\0\x10\0"
                           "data\x02\0\0\0\0\0", 46);

// A valid help page (%1: its title).
const QString HelpValido = "\"%1\"\r\n\"nome\"\r\n\"articolo\"\r\n\"verbo\"\r\n"
                           "\"Il nome, l'articolo e il verbo sono parti del discorso.\"\r\n\"Esempi: il cane, la casa.\"\r\n";

// A complete, valid category: indexes, exercises of every kind, help pages.
void ScriviCategoria(const CartellaProva& c, int categoria)
{
    const QString cat = QString::fromLatin1(DatiCategoria(categoria).cartella);
    QString indice;
    for (int n = 0; n <= DatiCategoria(categoria).ultimoEsercizio; ++n) {
        indice += QStringLiteral("%1,\"Titolo %1\",\"Consegna, %1\"\r\n").arg(n + 1);
        const int tipo = TipiModello[(n + categoria) % std::size(TipiModello)];
        c.ScriviByte(QStringLiteral("Esercizi/%1/ESERCIZIO %2.txt").arg(cat, DueCifre(n)),
                     FileValido(tipo, QStringLiteral("Caso %1 %2 ").arg(categoria).arg(n)));
        c.Scrivi(QStringLiteral("Help/%1/help %2.txt").arg(cat, DueCifre(n)), HelpValido.arg("Parti"));
    }
    for (const char* i : {"Indice/", "IndiceScritto/"})
        c.Scrivi(QLatin1String(i) + cat + ".txt", indice);
    for (const char* s : {"press.wav", "wrong.wav", "right.wav", "win.wav"})
        c.ScriviByte(QStringLiteral("Suoni/") + QLatin1String(s), WavValido);
}

// The problem lines without the warnings (the one-item models repeat their answer on purpose).
QStringList Righe(const QList<Problema>& problemi)
{
    QStringList r;
    for (const Problema& p : problemi)
        if (!p.avviso)
            r << p.Riga();
    return r;
}

// The valid model of a kind with item 1 (or the choices) broken, and the problem expected.
struct Guasto {
    int tipo;
    QStringList scelte; // replace the valid ones when not empty; {"-"}: none
    QString frase, risposta, chiave; // of item 1; null: the model's
    int campo; // counted from the field of item 1 named by parte, if any; -1: no problem
    QString parte, testo;
    QString ordine = {}; // when given, 14 sentences answered by these choices (by index)
};

} // namespace
Q_DECLARE_METATYPE(Guasto)

class TestVerifica : public QObject {
    Q_OBJECT
private slots:
    void esercizioGuasto_data()
    {
        QTest::addColumn<Guasto>("g");
        const auto r = [](const char* nome, const Guasto& g) { QTest::newRow(nome) << g; };
        const QString s, F = "frase", R = "risposta", K = "chiave"; // s: keep the model's
        for (int t : TipiModello)
            QTest::addRow("tipo %d valido", t) << Guasto{t, {}, s, s, s, -1, "", ""};
        r("tipo 70000", {70000, {}, s, s, s, 1, "", "il tipo di esercizio è un numero fuori dai limiti (da -32768 a 32767)"});
        r("tipo 40 non gestito", {40, {}, s, s, s, 1, "", "il tipo di esercizio 40 non è gestito dal programma (tipi ammessi: da 1 a 16, 18, da 41 a 54)"});
        r("elenco senza scelte", {3, {"-"}, s, s, s, 2, "", "il tipo 3 si risolve scegliendo dall'elenco, ma l'esercizio non ha scelte"});
        r("clic con scelte", {1, {"gatto"}, s, s, s, 2, "", "il numero delle scelte deve essere 0, non 1"});
        // Every kind: empty fields.
        r("risposta vuota", {3, {}, s, "", s, 0, R, "la risposta è vuota"});
        r("frase vuota", {16, {}, "", s, s, 0, F, "il testo della frase è vuoto"});
        r("chiave vuota tipo 7", {7, {}, s, s, "", 0, K, "la chiave è vuota, ma il tipo 7 la usa"});
        r("risposta non in elenco", {3, {}, s, "aggettivo", s, 0, R, "la risposta \"aggettivo\" non è tra le scelte dell'elenco"});
        r("chiave fuori frase tipo 3", {3, {}, s, s, "gatto", 0, K, "la chiave \"gatto\" non compare nella frase, che la deve colorare"});
        r("chiave fuori frase tipo 4", {4, {}, s, s, "il naso", 0, K, "\"il naso\" non compare"});
        r("mancano i puntini", {12, {}, "Compro il pane.", s, s, 0, F, "i puntini ... al posto della risposta"});
        r("manca (...)", {14, {}, "Il cane corre.", s, s, 0, F, "la frase deve contenere (...) al posto della chiave"});
        r("manca l'asterisco", {47, {}, "Vola l'aquila.", s, s, 0, F, "l'asterisco * al posto della risposta"});
        r("mancano le tonde", {11, {}, "Il cane corre.", s, s, 0, F, "parentesi tonde ( ), che la chiave sostituisce"});
        r("coppia mancante", {5, {}, s, "articolofemminilesingolare", s, 0, R, "nessuna coppia di scelte dell'elenco, una dopo l'altra, forma la risposta"});
        r("tipo 18 senza quadre", {18, {}, "Vedo il cane.", s, s, 0, F, "una parte tra parentesi quadre [ ]"});
        r("tipo 18 chiave lunga", {18, {}, s, s, "uno", 0, K, "ha 3 caratteri, ma tra le parentesi quadre della frase ce ne sono 2"});
        r("tipo 15 una quadra", {15, {}, "[...] cane vede la gatta.", s, s, 0, F, "due parti tra parentesi quadre"});
        r("tipo 15 chiave corta", {15, {}, s, s, "(...)(..)", 0, K, "cioè 5 + 5 caratteri, ma ne ha 9"});
        r("tipo 15 senza tonde", {15, {}, s, s, "[...][...]", 0, K, "due spazi tra parentesi tonde, come (...)(...)"});
        r("tipo 15 fine mancante", {15, {}, s, "Ilune", s, 0, R, "deve essere formata da due scelte dell'elenco"});
        // The program's searches take the first occurrence: it must be the word meant.
        r("chiave dentro una parola 3", {3, {}, "Il canestro e il cane.", s, s, 0, K, "la chiave \"cane\" compare per prima dentro la parola \"canestro\", e il programma colora"});
        r("risposta dentro una parola 42", {42, {}, "Il filo e il zaino.", s, s, 0, R, "dentro la parola \"filo\", e il programma sostituisce"});
        r("risposta già nella frase 16", {16, {}, "l'albero e ", s, s, 0, R, "compare già nella frase"});
        r("chiave prima delle quadre 18", {18, {}, "il gatto vede [..] cane.", s, s, 0, K, "prima delle parentesi quadre"});
        r("tratto dentro una parola 44", {44, {}, s, s, "Ho raccolto delle morelle e delle more.", 0, K, "nella chiave la risposta \"delle more\" compare per prima dentro la parola \"morelle\""});
        // Kinds that remove the entry used.
        r("scelte finite tipo 4", {4, QStringList(13, "le dita") + QStringList{"le mani"}, s, s, s, 2, "", "la scelta \"le dita\" serve a 14 frasi (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14), ma l'elenco la contiene 13 volte: il tipo 4 toglie"});
        r("scelta una volta tipo 13", {13, QStringList(13, "aggettivo") + QStringList{"nome"}, s, s, s, 2, "", "ma l'elenco la contiene una volta"});
        r("scelte finite tipo 15", {15, QStringList(14, "Il") + QStringList(13, "una") + QStringList{"un"}, s, s, s, 2, "", "per la frase 14 (\"Iluna\") non ne resta una adatta"});
        r("parola assente", {1, {}, s, "cane", s, 0, R, "la risposta \"cane\" non compare nella frase"});
        r("parte di parola", {1, {}, s, "gat", s, 0, R, "non è una parola intera: il doppio clic seleziona solo lettere e cifre"});
        r("segno mancante tipo 41", {41, {}, s, s, "gatto: nome", 0, K, "la chiave deve contenere il segno \".\""});
        r("conteggio zero", {2, {}, s, "0", s, 0, R, "il numero delle parole da trovare (1 o più), non \"0\""});
        r("conteggio troppo alto", {2, {}, s, "3", s, 0, R, "la risposta chiede 3 parole, ma nella frase ci sono solo 2 parole"});
        r("conteggio troppo basso", {2, {}, s, "1", s, 0, R, "ci sono 2 parole che valgono come trovate, ma la risposta ne chiede 1"});
        r("lettere sparse nella chiave 2", {2, {}, "Anna ama ana.", "1", "anna", 0, R, "la risposta chiede 1 parole, ma nella frase ci sono solo 0 parole"});
        r("parola dentro la chiave 2", {2, {}, "Il pesce e il pescespada nuotano.", "1", "pescespada", 0, K, "la parola \"pesce\" della frase vale come trovata"});
        r("tratto con punto 50", {50, {}, "Arriva il sig. Rossi.", "sig. Rossi", "Arriva il sig. Rossi.", 0, R, "contiene un punto: nei tipi da 50"});
        r("tratto non nella chiave", {44, {}, s, s, "Ho raccolto le more.", 0, K, "non compare nella chiave, dove deve essere colorata"});
        r("colore prima della chiave 50", {50, {}, s, s, "delle more nel bosco.", 0, K, "prima della risposta, serve almeno 1 carattere,"});
        r("mezza parola 51", {51, {}, s, s, "Ho raccolto delle more del bosco.", 5, "", "avviso: frase 1: la soluzione colora in blu le parole (\"raccolto\", \"del\") solo in parte"});
        r("colore oltre la chiave 51", {51, {}, s, s, "Ho raccolto delle more.", 0, K, "la colorazione della risposta esce dalla chiave: arriva al carattere"});
        r("a capo su una lettera 52", {52, {}, s, s, "Mamma disse:- Vieni qui.", 0, K, "il carattere 13 della chiave (\"-\")"});
        // Right answers in an order a pupil can follow without the grammar: a warning.
        const QStringList due = {"singolare", "plurale"}, quattro = {"lo", "la", "li", "le"}, setteESette = QStringList(7, "nome") + QStringList(7, "verbo");
        r("alternanza", {3, due, s, s, s, 2, "", "avviso: le risposte giuste seguono uno schema (in 13 passaggi su 13 la risposta giusta è la voce dell'elenco che segue la precedente", "01010101010101"});
        r("giro fisso", {3, quattro, s, s, s, 2, "", "la sequenza delle risposte si ripete ogni 4 frasi, quante sono le voci dell'elenco", "01230123012301"});
        r("raggruppate", {3, quattro, s, s, s, 2, "", "in 13 passaggi su 13 la risposta giusta non torna a una voce precedente", "00001111222333"});
        r("prima rimasta", {13, setteESette, s, s, s, 2, "", "in 14 frasi su 14 la risposta giusta è la prima voce rimasta", "00000007777777"});
        r("mescolate, voci tolte", {13, setteESette, s, s, s, -1, "", "", "70077070007770"});
        // Nothing to guess with one entry; two-choice kinds are not checked.
        r("una sola voce", {13, QStringList(14, "nome"), s, s, s, -1, "", "", "00000000000000"});
        r("due scelte", {5, due, s, s, s, -1, "", "", "01010101010101"});
    }

    void esercizioGuasto()
    {
        QFETCH(Guasto, g);
        Modello m = ModelloValido(g.tipo);
        if (!g.scelte.isEmpty())
            m.scelte = g.scelte == QStringList{"-"} ? QStringList() : g.scelte;
        // Only the first item is broken; the other 13 stay valid.
        const Voce v{g.frase.isNull() ? m.voce.frase : g.frase, g.risposta.isNull() ? m.voce.risposta : g.risposta,
                     g.chiave.isNull() ? m.voce.chiave : g.chiave};
        QList<Voce> voci;
        for (const QChar k : g.ordine)
            voci << Voce{QStringLiteral("Frase %1 di prova.").arg(voci.size()), m.scelte.at(k.digitValue()), "Frase"};
        const QString nome = "Esercizi/Nomi/ESERCIZIO 07.txt";
        const QString file = FileEsercizio(g.tipo, m.scelte, g.ordine.isEmpty() ? QList<Voce>{v, m.voce} : voci);
        QStringList trovati;
        for (const Problema& p : VerificaEsercizioDa(nome, CodificaWindows1252(file)))
            // The one-item models repeat their answer, a pattern: of those warnings only the one a row expects counts.
            if (!p.avviso || !g.ordine.isEmpty() || (!g.testo.isEmpty() && p.Riga().contains(g.testo)))
                trovati << p.Riga();
        QVERIFY2(g.campo >= 0 || trovati.isEmpty(), qPrintable(trovati.join('\n')));
        if (g.campo < 0)
            return;
        // "file: campo N: ", then the item as the pupil sees it.
        const int campo = g.campo + (g.parte.isEmpty() ? 0 : 3 + int(m.scelte.size()) + int(QStringList{"frase", "risposta", "chiave"}.indexOf(g.parte)));
        const QString inizio = QStringLiteral("%1: campo %2: ").arg(nome).arg(campo) + (g.parte.isEmpty() ? "" : "frase 1: ");
        QVERIFY2(std::any_of(trovati.begin(), trovati.end(), [&](const QString& r) { return r.startsWith(inizio) && r.contains(g.testo); }),
                 qPrintable(inizio + g.testo + "\n" + trovati.join('\n')));
    }

    // A valid pack of category 8 (Congiunzioni, 10 exercises) with one file replaced or removed: one line.
    void fileGuasto_data()
    {
        QTest::addColumn<QString>("file"); // empty: the pack as it is
        QTest::addColumn<QByteArray>("contenuto"); // null: the file is removed
        QTest::addColumn<QString>("riga"); // how it goes on after "file: "; empty: no problem
        QByteArray nove;
        for (int n = 1; n <= 9; ++n)
            nove += QByteArray::number(n) + ",\"T\",\"C\"\r\n";
        const QByteArray corto = FileValido(1, "Altro "), tipo17 = "17" + corto.mid(1), nulla;
        const QString i = "Indice/Congiunzioni.txt", e = "Esercizi/Congiunzioni/ESERCIZIO 0", h = "Help/Congiunzioni/help 0";
        const QString h3 = h + "3.txt", w = "Suoni/win.wav", mai = "il file non esiste o non si può leggere";
        const auto b = [](const char* t) { return CodificaWindows1252(QString::fromUtf8(t)); };
        QTest::newRow("valida") << "" << nulla << "";
        QTest::newRow("indice mancante") << i << nulla << mai;
        QTest::newRow("indice corto") << "IndiceScritto/Congiunzioni.txt" << nove << "campo 28: il file finisce dopo 9 voci complete, ma ne servono 10 (una per esercizio, tre campi ciascuna)";
        QTest::newRow("indice lungo") << i << nove + "10,\"T\",\"C\"\r\n11,\"T\",\"C\"\r\n" << "campo 31: dopo le 10 voci il file contiene altri campi";
        QTest::newRow("riga vuota finale ammessa") << i << nove + "10,\"T\",\"C\"\r\n\r\n" << "";
        QTest::newRow("titolo vuoto") << i << QByteArray(nove).replace("4,\"T\"", "4,\"\"") + "10,T,C\r\n" << "campo 11: voce 4 (esercizio 03): il titolo è vuoto";
        QTest::newRow("esercizio mancante") << e + "9.txt" << nulla << mai;
        QTest::newRow("aiuto mancante") << h + "0.txt" << nulla << mai;
        QTest::newRow("esercizio guasto") << e + "5.txt" << tipo17 << "campo 1: il tipo di esercizio 17";
        QTest::newRow("esercizio corto") << e + "5.txt" << corto.left(corto.lastIndexOf("\"Altro 13")) << "campo 42: il file finisce prima della fine della frase 14";
        QTest::newRow("campi in più") << e + "5.txt" << corto + "\"Una frase di troppo.\",\"frase\",\"troppo\"\r\n" << "campo 45: dopo la quattordicesima frase il file contiene altri campi, che il programma non legge: controllare il numero delle scelte (campo 2) e che le frasi siano 14";
        // Files that are no content: never opened (a FIFO blocks, a device never ends) or too big.
        QTest::newRow("FIFO") << e + "5.txt" << QByteArray("|") << mai;
        QTest::newRow("collegamento a /dev/zero") << h + "2.txt" << QByteArray("/dev/zero") << mai;
        QTest::newRow("più di 1 MiB") << e + "5.txt" << corto + QByteArray(1 << 20, ' ') << mai;
        QTest::newRow("suono FIFO") << w << QByteArray("|") << mai;
        QTest::newRow("esercizio in più") << "Esercizi/Congiunzioni/ESERCIZIO 10.txt" << QByteArray("1\r\n")
                                          << "il programma non legge questo file: la categoria ha 10 esercizi, da 00 a 09";
        QTest::newRow("nome di aiuto sbagliato") << "Help/Congiunzioni/aiuto 01.txt" << QByteArray("x\r\n")
                                                 << "il programma non legge questo file: i nomi devono essere \"help NN.txt\" con NN da 00 a 09";
        // How a help page was saved.
        QTest::newRow("UTF-8") << h3 << HelpValido.arg(QString::fromUtf8("Perché")).toUtf8() << "il file è salvato in UTF-8: le lettere accentate appaiono sbagliate; va salvato in Windows-1252 (ANSI)";
        QTest::newRow("UTF-8 con BOM") << h3 << "\xEF\xBB\xBF" + HelpValido.arg("Parti").toUtf8() << "il file è salvato in UTF-8";
        QTest::newRow("byte non definito") << h3 << CodificaWindows1252(HelpValido.arg("Parti")).replace("sono", "so\x81no") << "alla riga 5 c'è il byte 0x81, che non è un carattere di Windows-1252";
        QTest::newRow("byte nullo") << e + "5.txt" << QByteArray(corto).replace("dorme", QByteArray("dor\0me", 6)) << "alla riga 3 c'è il byte 0x00";
        QTest::newRow("solo LF") << h3 << CodificaWindows1252(HelpValido.arg(QString::fromUtf8("Perché"))).replace("\r\n", "\n") << "le righe devono finire con CR LF (l'a capo di Windows)";
        // What a help page holds.
        QTest::newRow("titolo di aiuto vuoto") << h3 << b("\"\"\r\n\"a\"\r\n") << "campo 1: manca il titolo della pagina";
        QTest::newRow("due parole chiave") << h3 << b("\"T\"\r\n\"a\"\r\n\"b\"\r\n") << "campo 4: manca la parola chiave 3 (ne servono tre)";
        QTest::newRow("parola chiave vuota") << h3 << b("\"T\"\r\n\"a\"\r\n\"\"\r\n\"b\"\r\n\"a b Esempi: x\"\r\n") << "campo 3: la parola chiave 2 è vuota";
        QTest::newRow("senza righe") << h3 << b("\"T\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n") << "campo 5: la pagina non ha righe di testo dopo le tre parole chiave";
        QTest::newRow("parola chiave assente") << h3 << b("\"T\"\r\n\"nome\"\r\n\"gatto\"\r\n\"verbo\"\r\n\"Il nome e il verbo.\"\r\n\"Esempi: io.\"\r\n")
                                               << "campo 3: la parola chiave \"gatto\" non compare nel testo della pagina, dove deve essere evidenziata";
        QTest::newRow("senza Esempi") << h3 << b("\"T\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"a b c\"\r\n") << "campo 5: il testo della pagina non contiene \"Esempi:\"";
        QTest::newRow("virgolette sostituite") << h3 << b("\"T\"\r\n\"«casa»\"\r\n\"b\"\r\n\"c\"\r\n\"£casa$ b c Esempi: x\"\r\n") << "";
        QTest::newRow("suono vuoto") << w << QByteArray("") << "non è un file WAV: manca l'intestazione RIFF/WAVE";
        QTest::newRow("senza data") << w << WavValido.left(WavValido.size() - 10) << "non è un file WAV valido: manca il blocco data";
        QTest::newRow("senza fmt") << w << QByteArray(WavValido).replace("fmt ", "junk") << "non è un file WAV valido: manca il blocco fmt";
        QTest::newRow("blocco tagliato") << w << WavValido.left(WavValido.size() - 1) << "il blocco data va oltre la fine del file";
        QTest::newRow("campione tagliato") << w << WavValido.left(40) + QByteArray("\x03\0\0\0\0\0\0", 7) << "il blocco data finisce a metà di un campione";
        QTest::newRow("campioni di 12 bit") << w << QByteArray(WavValido).replace(34, 1, "\x0C") << "il programma non suona questo file";
    }

    void fileGuasto()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, riga);
        CartellaProva c;
        ScriviCategoria(c, 8);
        const QString percorso = c.Percorso() + QLatin1Char('/') + file;
        if (!file.isEmpty() && (contenuto.isNull() || contenuto == "|" || contenuto.startsWith("/dev/")))
            QVERIFY(QFile::remove(percorso));
        if (contenuto == "|")
            QCOMPARE(mkfifo(QFile::encodeName(percorso).constData(), 0644), 0);
        else if (contenuto.startsWith("/dev/"))
            QVERIFY(QFile::link(QString::fromLatin1(contenuto), percorso));
        else if (!contenuto.isNull() && !file.isEmpty())
            c.ScriviByte(file, contenuto);
        const QStringList righe = Righe(VerificaCartella(true));
        QCOMPARE(righe.size(), riga.isEmpty() ? 0 : 1);
        QVERIFY2(riga.isEmpty() || righe.first().startsWith(file + ": " + riga), qPrintable(righe.value(0)));
        // The real player meets the same file: every cue returns (a broken one once hung the next for good).
        ImpostaRiproduttoreSuoni({});
        for (const char* cue : {"win.wav", "press.wav", "win.wav"}) {
            if (!file.startsWith("Suoni/"))
                break;
            SuonaCue(QLatin1String(cue));
            QTest::qWait(50);
        }
    }

    // A sentence used twice (in a file named in another case); a category without folders, when all are asked.
    void cartella()
    {
        CartellaProva c;
        ScriviCategoria(c, 8);
        QVERIFY(QFile::remove(c.Percorso() + "/Esercizi/Congiunzioni/ESERCIZIO 04.txt"));
        c.ScriviByte("Esercizi/Congiunzioni/esercizio 04.TXT", c.Leggi("Esercizi/Congiunzioni/ESERCIZIO 02.txt"));
        const QStringList righe = Righe(VerificaCartella(true));
        QVERIFY2(righe.size() == 14 && righe.first().startsWith("Esercizi/Congiunzioni/ESERCIZIO 04.txt: campo ")
                     && righe.first().endsWith(": frase 1: la stessa frase c'è già in Esercizi/Congiunzioni/ESERCIZIO 02.txt, frase 1"),
                 qPrintable(righe.join('\n')));
        QVERIFY(Righe(VerificaCartella(false)).contains("Esercizi/Sintassi: la cartella degli esercizi non esiste: mancano tutti i 10 esercizi"));
        QVERIFY(Righe(VerificaCategoria(9)).contains("Help/Sintassi: la cartella delle pagine di aiuto non esiste: mancano tutte le 10 pagine"));
    }

    // The console tool: one line per problem, a summary, and its exit status.
    void programmaVerifica()
    {
        const QString programma = QCoreApplication::applicationDirPath() + "/../app/zelora-verifica";
        if (!QFileInfo::exists(programma))
            QSKIP("zelora-verifica non è stato costruito");
        CartellaProva c;
        for (int cat = 0; cat < NumeroCategorie; ++cat)
            ScriviCategoria(c, cat);
        QProcess p;
        const auto esegui = [&](const QString& cartella) {
            p.start(programma, {cartella});
            return p.waitForFinished(60000) ? p.exitCode() : -1;
        };
        const QString somma = ": 12 categorie, 310 esercizi, 310 pagine di aiuto, 4 suoni. ";
        // The one-item models repeat their answer: only warnings, which do not fail the pack.
        QCOMPARE(esegui(c.Percorso()), 3);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QRegularExpression(somma + "Nessun problema trovato. \\d+ avvisi.\n$")));
        c.Scrivi("Esercizi/Nomi/ESERCIZIO 31.txt", "17\r\n");
        QFile::remove(c.Percorso() + "/Suoni/win.wav");
        QCOMPARE(esegui(c.Percorso()), 1);
        const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
        for (const QString& riga : QStringList{"Esercizi/Nomi/ESERCIZIO 31.txt: campo 1: il tipo di esercizio 17 non è gestito",
                                              "\nSuoni/win.wav: il file non esiste o non si può leggere\n", somma + "Trovati 3 problemi."})
            QVERIFY2(uscita.contains(riga), qPrintable(riga + " in:\n" + uscita.right(300)));
        QCOMPARE(esegui(c.Percorso() + "/manca"), 2);
    }
};

QTEST_GUILESS_MAIN(TestVerifica)
#include "tst_verifica.moc"
