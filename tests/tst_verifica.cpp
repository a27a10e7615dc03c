// The content checker: every problem class on deliberately broken files,
// a complete valid pack, the bundled content and the console tool.
#include "ProveEsercizi.h"
#include "Supporto.h"

#include "content/Catalogo.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "checker/Verifica.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// A valid exercise of a kind: its choices and one item used 14 times (the
// prefix keeps the sentences of a pack all different).
struct Modello {
    QStringList scelte;
    Voce voce;
};

Modello ModelloValido(int tipo, const QString& p = QString())
{
    switch (tipo) {
    case 1: return {{}, {p + "Il gatto dorme.", "gatto", "nome"}};
    case 2: return {{}, {p + "Il gatto e il cane giocano.", "2", "gatto cane"}};
    case 3: return {{"nome", "articolo", "verbo"}, {p + "Il cane abbaia.", "nome", "cane"}};
    case 4: return {QStringList(14, "le dita"), {p + "il dito", "le dita", "il dito"}};
    case 5: return {{"articolo", "maschile", "femminile"}, {p + "Il cane corre.", "articolomaschile", "Il"}};
    case 6: return {QStringList(14, "Lo"), {p + "Il zaino pesa.", "Lo", "Il"}};
    case 7: return {{"nome", "verbo"}, {p + "cane", "nome", "cane: nome"}};
    case 8: return {{"Lo", "La"}, {p + "Il zaino pesa.", "Lo", "Il"}};
    case 9: return {QStringList(14, "nome"), {p + "cane", "nome", "cane: nome"}};
    case 10: return {{"nome", "verbo"}, {p + "cane", "nome", "cane: nome"}};
    case 11: return {{"nome", "comune", "proprio"}, {p + "Il (...) corre.", "nomecomune", "cane"}};
    case 12: return {{"del", "dello"}, {p + "Compro ... pane.", "del", "pane"}};
    case 13: return {QStringList(14, "nome"), {p + "Il cane abbaia.", "nome", "cane"}};
    case 14: return {{"cane", "gatto"}, {p + "Il (...) corre.", "cane", "cane"}};
    case 15: return {QStringList(14, "Il") + QStringList(14, "una"), {p + "[...] cane vede [...] gatta.", "Iluna", "(...)(...)"}};
    case 16: return {QStringList(14, "l'"), {p + "albero", "l'", ""}};
    case 18: return {{"determinativo", "maschile"}, {p + "Vedo [..] cane.", "determinativomaschile", "il"}};
    case 41: return {{}, {p + "Il gatto dorme.", "gatto", "Il gatto dorme. gatto: nome"}};
    case 42: return {{}, {p + "Ho visto il zaino.", "il", "lo"}};
    case 43: return {{}, {p + "Il gatto dorme.", "gatto", "gatto, nome comune"}};
    case 46: return {{}, {p + "Il gatto dorme.", "gatto", "gatto; nome comune"}};
    case 47: return {{"il", "l'"}, {p + "Vola * aquila.", "l'", "Vola l'aquila."}};
    case 48: return {{}, {p + "Il gatto dorme.", "gatto", "gatto: nome comune"}};
    case 49: return {{}, {p + "Il gatto dorme.", "gatto", "gatto... nome comune"}};
    case 44: return {{}, {p + "Ho raccolto delle more.", "delle more", p + "Ho raccolto delle more."}};
    case 45: return {{}, {p + "Mangio la mela.", "Mangio", "Mangio la mela."}};
    case 50: return {{}, {p + "Ho raccolto delle more.", "delle more", p + "Ho raccolto delle more."}};
    case 51: return {{}, {p + "Ho raccolto delle more nel bosco.", "delle more", p + "Ho raccolto delle more nel bosco."}};
    case 52: return {{}, {p + "Mamma disse vieni qui.", "vieni qui", p + "Mamma disse: - Vieni qui."}};
    case 53: return {{}, {p + "Luca disse: vieni qui.", "vieni qui", p + "Luca disse: \u00A3vieni qui$."}};
    case 54: return {{}, {p + "Luca disse: vieni qui.", "vieni qui", p + "Luca disse: %vieni qui&."}};
    default: return {};
    }
}

// A valid exercise file; with a prefix, each item gets its own sentence.
QByteArray FileValido(int tipo, const QString& prefisso = QString())
{
    QList<Voce> voci;
    for (int i = 0; i < 14; ++i)
        voci << ModelloValido(tipo, prefisso.isEmpty() ? prefisso : prefisso + QString::number(i) + ": ").voce;
    return CodificaWindows1252(FileEsercizio(tipo, ModelloValido(tipo).scelte, voci));
}

// A RIFF/WAVE file of one silent sample.
const QByteArray WavValido("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x80\x3E\0\0\x02\0\x10\0"
                           "data\x02\0\0\0\0\0", 46);

QString HelpValido(const QString& titolo)
{
    return "\"" + titolo + "\"\r\n\"nome\"\r\n\"articolo\"\r\n\"verbo\"\r\n"
        + "\"Il nome, l'articolo e il verbo sono parti del discorso.\"\r\n\"Esempi: il cane, la casa.\"\r\n";
}

const int TipiGestiti[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18,
                           41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54};

// A complete, valid category: indexes, exercises of every kind, help pages.
void ScriviCategoria(const CartellaProva& c, int categoria)
{
    const QString cat = QString::fromLatin1(DatiCategoria(categoria).cartella);
    QString indice;
    for (int n = 0; n <= DatiCategoria(categoria).ultimoEsercizio; ++n) {
        indice += QStringLiteral("%1,\"Titolo %1\",\"Consegna, %1\"\r\n").arg(n + 1);
        const int tipo = TipiGestiti[(n + categoria) % std::size(TipiGestiti)];
        c.ScriviByte(QStringLiteral("Esercizi/%1/ESERCIZIO %2.txt").arg(cat, DueCifre(n)),
                     FileValido(tipo, QStringLiteral("Caso %1 %2 ").arg(categoria).arg(n)));
        c.Scrivi(QStringLiteral("Help/%1/help %2.txt").arg(cat, DueCifre(n)), HelpValido("Parti"));
    }
    c.Scrivi(QStringLiteral("Indice/%1.txt").arg(cat), indice);
    c.Scrivi(QStringLiteral("IndiceScritto/%1.txt").arg(cat), indice);
}

void ScriviSuoni(const CartellaProva& c)
{
    for (const char* s : {"press.wav", "wrong.wav", "right.wav", "win.wav"})
        c.ScriviByte(QStringLiteral("Suoni/") + QLatin1String(s), WavValido);
}

QStringList Righe(const QList<Problema>& problemi)
{
    QStringList r;
    for (const Problema& p : problemi)
        if (!p.avviso) // the one-item models repeat their answer on purpose
            r << p.Riga();
    return r;
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT
private slots:
    void esercizioGuasto_data();
    void esercizioGuasto();
    void fileGuasto_data();
    void fileGuasto();
    void categoriaGuasta_data();
    void categoriaGuasta();
    void cartella();
    void schema_data();
    void schema();
    void datiDistribuiti();
    void programmaVerifica();
};

void TestVerifica::esercizioGuasto_data()
{
    QTest::addColumn<int>("tipo"); // below 0: the file's structure is broken
    QTest::addColumn<QStringList>("scelte"); // replaces the valid ones when not empty
    QTest::addColumn<QString>("frase");
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<int>("campo"); // 0: counted from the items below; -1: no problem
    QTest::addColumn<QString>("parte"); // "frase", "risposta", "chiave" of item 1, or ""
    QTest::addColumn<QString>("testo");

    const QString sz; // keep the valid value
    const QStringList nessuna;
    for (int t : TipiGestiti)
        QTest::addRow("tipo %d valido", t) << t << nessuna << sz << sz << sz << -1 << "" << "";
    // Reading and kind.
    QTest::newRow("tipo non numerico") << -1 << nessuna << sz << sz << sz << 1 << "" << "non è un numero";
    QTest::newRow("scelte non numeriche") << -4 << nessuna << sz << sz << sz << 2 << "" << "numero delle scelte non è un numero";
    QTest::newRow("tipo 17 non gestito") << 17 << nessuna << sz << sz << sz << 1 << "" << "tipo di esercizio 17 non è gestito";
    QTest::newRow("tipo 40 non gestito") << 40 << nessuna << sz << sz << sz << 1 << "" << "tipo di esercizio 40 non è gestito";
    QTest::newRow("file corto") << -2 << nessuna << sz << sz << sz << 42 << "" << "finisce prima della fine della frase 14";
    QTest::newRow("campi in più") << -3 << nessuna << sz << sz << sz << 45 << "" << "controllare il numero delle scelte";
    QTest::newRow("elenco senza scelte") << 3 << QStringList{"-"} << sz << sz << sz << 2 << "" << "non ha scelte";
    QTest::newRow("clic con scelte") << 1 << QStringList{"gatto"} << sz << sz << sz << 2 << "" << "deve essere 0";
    // Every kind: empty fields.
    QTest::newRow("risposta vuota") << 3 << nessuna << sz << "" << sz << 0 << "risposta" << "la risposta è vuota";
    QTest::newRow("frase vuota") << 16 << nessuna << "" << sz << sz << 0 << "frase" << "testo della frase è vuoto";
    QTest::newRow("chiave vuota tipo 7") << 7 << nessuna << sz << sz << "" << 0 << "chiave" << "la chiave è vuota";
    // List kinds.
    QTest::newRow("risposta non in elenco") << 3 << nessuna << sz << "aggettivo" << sz << 0 << "risposta" << "\"aggettivo\" non è tra le scelte";
    QTest::newRow("chiave fuori frase tipo 3") << 3 << nessuna << sz << sz << "gatto" << 0 << "chiave" << "\"gatto\" non compare nella frase";
    QTest::newRow("chiave fuori frase tipo 12") << 12 << nessuna << sz << sz << "latte" << 0 << "chiave" << "\"latte\" non compare";
    QTest::newRow("chiave fuori frase tipo 4") << 4 << nessuna << sz << sz << "il naso" << 0 << "chiave" << "\"il naso\" non compare";
    QTest::newRow("chiave fuori frase tipo 5") << 5 << nessuna << sz << sz << "Lo" << 0 << "chiave" << "\"Lo\" non compare";
    QTest::newRow("mancano i puntini") << 12 << nessuna << "Compro il pane." << sz << sz << 0 << "frase" << "i puntini ...";
    QTest::newRow("manca (...)") << 14 << nessuna << "Il cane corre." << sz << sz << 0 << "frase" << "(...)";
    QTest::newRow("manca l'asterisco") << 47 << nessuna << "Vola l'aquila." << sz << sz << 0 << "frase" << "asterisco";
    QTest::newRow("mancano le tonde") << 11 << nessuna << "Il cane corre." << sz << sz << 0 << "frase" << "parentesi tonde";
    QTest::newRow("coppia mancante") << 5 << nessuna << sz << "articolofemminilesingolare" << sz << 0 << "risposta" << "nessuna coppia";
    QTest::newRow("una scelta sola basta") << 5 << QStringList{"articolomaschile"} << sz << sz << sz << -1 << "" << "";
    QTest::newRow("tipo 18 senza quadre") << 18 << nessuna << "Vedo il cane." << sz << sz << 0 << "frase" << "parentesi quadre";
    QTest::newRow("tipo 18 chiave lunga") << 18 << nessuna << sz << sz << "uno" << 0 << "chiave" << "ha 3 caratteri, ma tra le parentesi quadre della frase ce ne sono 2";
    QTest::newRow("tipo 15 una quadra") << 15 << nessuna << "[...] cane vede la gatta." << sz << sz << 0 << "frase" << "due parti tra parentesi quadre";
    QTest::newRow("tipo 15 chiave corta") << 15 << nessuna << sz << sz << "(...)(..)" << 0 << "chiave" << "5 + 5 caratteri, ma ne ha 9";
    QTest::newRow("tipo 15 senza tonde") << 15 << nessuna << sz << sz << "[...][...]" << 0 << "chiave" << "due spazi";
    QTest::newRow("tipo 15 fine mancante") << 15 << nessuna << sz << "Ilune" << sz << 0 << "risposta" << "due scelte dell'elenco";
    // The program's searches take the first occurrence: it must be the word meant.
    QTest::newRow("chiave dentro una parola 3") << 3 << nessuna << "Il canestro e il cane." << sz << sz << 0 << "chiave" << "dentro la parola \"canestro\", e il programma colora";
    QTest::newRow("chiave dentro una parola 5") << 5 << nessuna << "Ilaria e Il cane." << sz << sz << 0 << "chiave" << "dentro la parola \"Ilaria\"";
    QTest::newRow("risposta dentro una parola 42") << 42 << nessuna << "Il filo e il zaino." << sz << sz << 0 << "risposta" << "dentro la parola \"filo\", e il programma sostituisce";
    QTest::newRow("risposta già nella frase 16") << 16 << nessuna << "l'albero e " << sz << sz << 0 << "risposta" << "compare già nella frase";
    QTest::newRow("chiave prima delle quadre 18") << 18 << nessuna << "il gatto vede [..] cane." << sz << sz << 0 << "chiave" << "prima delle parentesi quadre";
    QTest::newRow("tratto dentro una parola 44") << 44 << nessuna << sz << sz << "Ho raccolto delle morelle e delle more." << 0 << "chiave" << "dentro la parola \"morelle\"";
    QTest::newRow("parola staccata va bene") << 3 << nessuna << "Il cane, il canestro." << sz << sz << -1 << "" << "";
    // Kinds that remove the entry used.
    QTest::newRow("scelte finite tipo 4") << 4 << (QStringList{"le dita"} + QStringList(12, "le dita") + QStringList{"le mani"})
                                     << sz << sz << sz << 2 << "" << "serve a 14 frasi (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14), ma l'elenco la contiene 13 volte";
    QTest::newRow("scelta una volta tipo 13") << 13 << (QStringList(13, "aggettivo") + QStringList{"nome"})
                                         << sz << sz << sz << 2 << "" << "ma l'elenco la contiene una volta";
    QTest::newRow("scelte finite tipo 15") << 15 << (QStringList(14, "Il") + QStringList(13, "una") + QStringList{"un"})
                                      << sz << sz << sz << 2 << "" << "per la frase 14 (\"Iluna\") non ne resta una";
    // Word kinds.
    QTest::newRow("parola assente") << 1 << nessuna << sz << "cane" << sz << 0 << "risposta" << "\"cane\" non compare nella frase";
    QTest::newRow("parte di parola") << 1 << nessuna << sz << "gat" << sz << 0 << "risposta" << "non è una parola intera";
    QTest::newRow("apostrofo") << 42 << nessuna << "Ho visto l'albero." << "l'albero" << sz << 0 << "risposta" << "non è una parola intera";
    QTest::newRow("segno mancante tipo 41") << 41 << nessuna << sz << sz << "gatto: nome" << 0 << "chiave" << "il segno \".\"";
    QTest::newRow("segno mancante tipo 49") << 49 << nessuna << sz << sz << "gatto. nome" << 0 << "chiave" << "il segno \"...\"";
    QTest::newRow("conteggio non numero") << 2 << nessuna << sz << "due" << sz << 0 << "risposta" << "numero delle parole";
    QTest::newRow("conteggio zero") << 2 << nessuna << sz << "0" << sz << 0 << "risposta" << "(1 o più)";
    QTest::newRow("conteggio troppo alto") << 2 << nessuna << sz << "3" << sz << 0 << "risposta" << "solo 2 parole";
    QTest::newRow("parole corte non contano") << 2 << nessuna << "Il re e la regina." << "2" << "re regina" << 0 << "risposta" << "solo 1 parola";
    QTest::newRow("conteggio troppo basso") << 2 << nessuna << sz << "1" << sz << 0 << "risposta" << "ci sono 2 parole che valgono come trovate, ma la risposta ne chiede 1";
    QTest::newRow("parola dentro la chiave 2") << 2 << nessuna << "Il pesce e il pescespada nuotano." << "1" << "pescespada" << 0 << "chiave" << "la parola \"pesce\" della frase vale come trovata";
    // Stretch kinds.
    QTest::newRow("tratto assente") << 44 << nessuna << sz << "delle fragole" << sz << 0 << "risposta" << "non compare nella frase";
    QTest::newRow("tratto con punto 50") << 50 << nessuna << "Arriva il sig. Rossi." << "sig. Rossi" << "Arriva il sig. Rossi." << 0 << "risposta" << "contiene un punto";
    QTest::newRow("tratto con punto 45 ammesso") << 45 << nessuna << "Piove. Resto a casa." << "Piove." << "Piove. Resto a casa." << -1 << "" << "";
    QTest::newRow("tratto non nella chiave") << 44 << nessuna << sz << sz << "Ho raccolto le more." << 0 << "chiave" << "non compare nella chiave";
    QTest::newRow("colore prima della chiave 50") << 50 << nessuna << sz << sz << "delle more nel bosco." << 0 << "chiave" << "prima della risposta, serve almeno 1 carattere,";
    QTest::newRow("mezza parola 51") << 51 << nessuna << sz << sz << "Ho raccolto delle more del bosco." << 0 << "chiave" << "colora in blu le parole (\"raccolto\", \"del\") solo in parte";
    QTest::newRow("colore oltre la chiave 51") << 51 << nessuna << sz << sz << "Ho raccolto delle more." << 0 << "chiave" << "esce dalla chiave";
    QTest::newRow("chiave corta 45") << 45 << nessuna << sz << sz << "Man" << 0 << "chiave" << "esce dalla chiave";
    QTest::newRow("chiave corta 52") << 52 << nessuna << sz << sz << "Mamma disse." << 0 << "chiave" << "esce dalla chiave";
    QTest::newRow("a capo su una lettera 52") << 52 << nessuna << sz << sz << "Mamma disse:- Vieni qui." << 0 << "chiave" << "il carattere 13 della chiave (\"-\")";
    QTest::newRow("chiave corta 53") << 53 << nessuna << sz << sz << "Luca disse: vieni qui" << 0 << "chiave" << "esce dalla chiave";
    QTest::newRow("tratto non nella chiave 54") << 54 << nessuna << sz << sz << "Luca disse: %vieni& qui." << 0 << "chiave" << "non compare nella chiave";
}

void TestVerifica::esercizioGuasto()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, scelte);
    QFETCH(QString, frase);
    QFETCH(QString, risposta);
    QFETCH(QString, chiave);
    QFETCH(int, campo);
    QFETCH(QString, parte);
    QFETCH(QString, testo);
    Modello m = ModelloValido(qMax(tipo, 1));
    if (!scelte.isEmpty())
        m.scelte = scelte == QStringList{"-"} ? QStringList() : scelte;
    // Only the first item is broken; the other 13 stay valid.
    Voce v = m.voce;
    v.frase = frase.isNull() ? v.frase : frase;
    v.risposta = risposta.isNull() ? v.risposta : risposta;
    v.chiave = chiave.isNull() ? v.chiave : chiave;
    QStringList righe = FileEsercizio(qMax(tipo, 1), m.scelte, {v, m.voce}).split(QStringLiteral("\r\n"));
    if (tipo == -1) righe[0] = QStringLiteral("tre");
    if (tipo == -4) righe[1] = QStringLiteral("due");
    if (tipo == -2) righe.removeAt(righe.size() - 2);
    if (tipo == -3) righe.insert(righe.size() - 1, QStringLiteral("\"Una frase di troppo.\",\"frase\",\"troppo\""));
    const int base = 2 + int(m.scelte.size());
    campo += parte == QLatin1String("frase") ? base + 1 : parte == QLatin1String("risposta") ? base + 2
        : parte == QLatin1String("chiave") ? base + 3 : 0;
    const QString nome = QStringLiteral("Esercizi/Nomi/ESERCIZIO 07.txt");
    QList<Problema> problemi = VerificaEsercizioDa(nome, CodificaWindows1252(righe.join(QStringLiteral("\r\n"))));
    // The one-item models repeat their answer, which is a pattern: only the warning a row expects stays.
    problemi.erase(std::remove_if(problemi.begin(), problemi.end(),
                                  [&](const Problema& p) { return p.avviso && !p.descrizione.contains(testo); }),
                   problemi.end());
    if (campo < 0) {
        QCOMPARE(Righe(problemi), QStringList());
        return;
    }
    bool trovato = false;
    for (const Problema& p : problemi) {
        trovato = trovato || (p.campo == campo && p.descrizione.contains(testo));
        QCOMPARE(p.file, nome);
    }
    QVERIFY2(trovato, qPrintable(QStringLiteral("atteso al campo %1: %2\n").arg(campo).arg(testo) + Righe(problemi).join('\n')));
    QVERIFY(problemi.first().Riga().startsWith(nome + QStringLiteral(": campo ")));
    // Item problems name the item as the pupil sees it.
    if (!parte.isEmpty())
        QVERIFY(problemi.first().descrizione.startsWith(QStringLiteral("frase 1: ")));
}

void TestVerifica::fileGuasto_data()
{
    QTest::addColumn<QString>("file"); // a help page or a cue
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<int>("campo"); // -1: no problem
    QTest::addColumn<QString>("atteso");
    const QString h = QStringLiteral("Help/Nomi/help 03.txt"), w = QStringLiteral("Suoni/win.wav");
    auto aiuto = [](const char* t) { return CodificaWindows1252(QString::fromUtf8(t)); };
    QTest::newRow("aiuto valido") << h << CodificaWindows1252(HelpValido("Parti")) << -1 << "";
    QTest::newRow("aiuto vuoto") << h << QByteArray() << 1 << "manca il titolo";
    QTest::newRow("titolo vuoto") << h << aiuto("\"\"\r\n\"a\"\r\n") << 1 << "manca il titolo";
    QTest::newRow("due parole chiave") << h << aiuto("\"T\"\r\n\"a\"\r\n\"b\"\r\n") << 4 << "manca la parola chiave 3";
    QTest::newRow("parola chiave vuota") << h << aiuto("\"T\"\r\n\"a\"\r\n\"\"\r\n\"b\"\r\n\"a b Esempi: x\"\r\n") << 3 << "la parola chiave 2 è vuota";
    QTest::newRow("senza righe") << h << aiuto("\"T\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n") << 5 << "non ha righe";
    QTest::newRow("parola chiave assente") << h << aiuto("\"T\"\r\n\"nome\"\r\n\"gatto\"\r\n\"verbo\"\r\n\"Il nome e il verbo.\"\r\n\"Esempi: io.\"\r\n") << 3 << "\"gatto\" non compare";
    QTest::newRow("senza Esempi") << h << aiuto("\"T\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"a b c\"\r\n") << 5 << "\"Esempi:\"";
    QTest::newRow("virgolette sostituite") << h << aiuto("\"T\"\r\n\"«casa»\"\r\n\"b\"\r\n\"c\"\r\n\"£casa$ b c Esempi: x\"\r\n") << -1 << "";
    QByteArray senzaFmt = WavValido;
    senzaFmt.replace("fmt ", "junk");
    QTest::newRow("suono valido") << w << WavValido << -1 << "";
    QTest::newRow("suono vuoto") << w << QByteArray() << 0 << "RIFF/WAVE";
    QTest::newRow("testo") << w << QByteArray("non sono un suono") << 0 << "RIFF/WAVE";
    QTest::newRow("senza data") << w << WavValido.left(WavValido.size() - 10) << 0 << "manca il blocco data";
    QTest::newRow("senza fmt") << w << senzaFmt << 0 << "manca il blocco fmt";
    QTest::newRow("blocco tagliato") << w << WavValido.left(WavValido.size() - 1) << 0 << "oltre la fine";
}

void TestVerifica::fileGuasto()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, dati);
    QFETCH(int, campo);
    QFETCH(QString, atteso);
    const QList<Problema> problemi = file.endsWith(QLatin1String(".wav")) ? VerificaWavDa(file, dati) : VerificaHelpDa(file, dati);
    if (campo < 0) {
        QCOMPARE(Righe(problemi), QStringList());
        return;
    }
    QVERIFY(!problemi.isEmpty());
    QVERIFY2(problemi.first().Riga().startsWith(file + QStringLiteral(": ")), qPrintable(problemi.first().Riga()));
    QCOMPARE(problemi.first().campo, campo);
    QVERIFY2(problemi.first().descrizione.contains(atteso), qPrintable(problemi.first().Riga()));
    if (campo == 0)
        QCOMPARE(problemi.size(), 1);
}

void TestVerifica::categoriaGuasta_data()
{
    // Category 8 (Congiunzioni): 10 exercises.
    QTest::addColumn<QString>("file"); // replaced, or removed when contenuto is null
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("riga"); // the one line reported, after "file: " (a tab: then what it holds)
    QByteArray nove;
    for (int n = 1; n <= 9; ++n)
        nove += QByteArray::number(n) + ",\"T\",\"C\"\r\n";
    QByteArray tipo17 = FileValido(1, QStringLiteral("Altro "));
    tipo17.replace(0, 1, "17");
    const QByteArray aiuto = CodificaWindows1252(HelpValido(QString::fromUtf8("Perché")));
    const QString i = QStringLiteral("Indice/Congiunzioni.txt"), e = QStringLiteral("Esercizi/Congiunzioni/ESERCIZIO 0");
    const QString h = QStringLiteral("Help/Congiunzioni/help 0"), mai = QStringLiteral("il file non esiste");
    QTest::newRow("valida") << "" << QByteArray() << "";
    QTest::newRow("indice mancante") << i << QByteArray() << mai;
    QTest::newRow("indice corto") << "IndiceScritto/Congiunzioni.txt" << nove << "campo 28: il file finisce dopo 9 voci complete, ma ne servono 10";
    QTest::newRow("indice lungo") << i << nove + "10,\"T\",\"C\"\r\n11,\"T\",\"C\"\r\n" << "campo 31: dopo le 10 voci";
    QTest::newRow("riga vuota finale ammessa") << i << nove + "10,\"T\",\"C\"\r\n\r\n" << "";
    QTest::newRow("titolo vuoto") << i << QByteArray(nove).replace("4,\"T\"", "4,\"\"") + "10,T,C\r\n" << "campo 11: voce 4 (esercizio 03): il titolo è vuoto";
    QTest::newRow("esercizio mancante") << e + "9.txt" << QByteArray() << mai;
    QTest::newRow("aiuto mancante") << h + "0.txt" << QByteArray() << mai;
    QTest::newRow("esercizio guasto") << e + "5.txt" << tipo17 << "campo 1: il tipo di esercizio 17";
    QTest::newRow("esercizio in più") << "Esercizi/Congiunzioni/ESERCIZIO 10.txt" << QByteArray("1\r\n")
                                      << "il programma non legge questo file: la categoria ha 10 esercizi, da 00 a 09";
    QTest::newRow("nome di aiuto sbagliato") << "Help/Congiunzioni/aiuto 01.txt" << QByteArray("x\r\n")
                                             << "il programma non legge questo file: i nomi devono essere \"help NN.txt\"";
    QTest::newRow("nomi senza maiuscole") << e + "5.txt" << QByteArray("") << "";
    // How a help page was saved.
    QTest::newRow("Windows-1252 e CR LF") << h + "3.txt" << aiuto << "";
    QTest::newRow("UTF-8") << h + "3.txt" << HelpValido(QString::fromUtf8("Perché")).toUtf8() << "\tsalvato in UTF-8";
    QTest::newRow("UTF-8 con BOM") << h + "3.txt" << "\xEF\xBB\xBF" + HelpValido("Parti").toUtf8() << "\tsalvato in UTF-8";
    QTest::newRow("solo LF") << h + "3.txt" << QByteArray(aiuto).replace("\r\n", "\n") << "\tCR LF";
}

void TestVerifica::categoriaGuasta()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, riga);
    CartellaProva c;
    ScriviCategoria(c, 8);
    if (contenuto.isNull() && !file.isEmpty()) {
        QVERIFY(QFile::remove(c.Percorso() + QLatin1Char('/') + file));
    } else if (contenuto.isEmpty() && !file.isEmpty()) {
        // The same file under another letter case is still found.
        QVERIFY(QFile::rename(c.Percorso() + "/Esercizi/Congiunzioni/ESERCIZIO 05.txt",
                              c.Percorso() + "/Esercizi/Congiunzioni/esercizio 05.TXT"));
    } else if (!file.isEmpty()) {
        c.ScriviByte(file, contenuto);
    }
    Conteggi n;
    const QStringList righe = Righe(VerificaCategoria(8, &n));
    QCOMPARE(n.esercizi, 10);
    QCOMPARE(n.pagineHelp, 10);
    if (riga.isEmpty()) {
        QCOMPARE(righe, QStringList());
        return;
    }
    QCOMPARE(righe.size(), 1);
    const QStringList parti = riga.split(QLatin1Char('\t'));
    QVERIFY2(righe.first().startsWith(file + QStringLiteral(": ") + parti[0]) && righe.first().contains(parti.last()),
             qPrintable(righe.first()));
}

// Whole folders: a category without its folders, and a sentence used twice.
void TestVerifica::cartella()
{
    CartellaProva c;
    ScriviCategoria(c, 7);
    ScriviCategoria(c, 8);
    ScriviCategoria(c, 9);
    ScriviSuoni(c);
    Conteggi n;
    QCOMPARE(Righe(VerificaCartella(true, &n)), QStringList());
    QCOMPARE(n.categorie, 3);
    QCOMPARE(n.esercizi, 34);
    QCOMPARE(n.suoni, 4);
    c.ScriviByte("Esercizi/Sintassi/ESERCIZIO 04.txt", c.Leggi("Esercizi/Congiunzioni/ESERCIZIO 02.txt"));
    QStringList righe = Righe(VerificaCartella(true));
    QVERIFY(!righe.isEmpty());
    QVERIFY2(righe.first().startsWith("Esercizi/Sintassi/ESERCIZIO 04.txt: campo "), qPrintable(righe.first()));
    QVERIFY(righe.first().contains("c'è già in Esercizi/Congiunzioni/ESERCIZIO 02.txt, frase 1"));
    // Only the categories already written count: here Preposizioni and Congiunzioni.
    QDir(c.Percorso() + "/Esercizi/Sintassi").removeRecursively();
    QDir(c.Percorso() + "/Help/Sintassi").removeRecursively();
    QVERIFY(!CartellaEserciziPresente(9));
    QVERIFY(CartellaEserciziPresente(7));
    QCOMPARE(Righe(VerificaCategoria(9)), (QStringList{
        "Esercizi/Sintassi: la cartella degli esercizi non esiste: mancano tutti i 10 esercizi",
        "Help/Sintassi: la cartella delle pagine di aiuto non esiste: mancano tutte le 10 pagine"}));
    Conteggi dopo;
    QCOMPARE(Righe(VerificaCartella(true, &dopo)), QStringList());
    QCOMPARE(dopo.categorie, 2);
    QVERIFY(Righe(VerificaCartella(false)).contains(QStringLiteral(
        "Esercizi/Sintassi: la cartella degli esercizi non esiste: mancano tutti i 10 esercizi")));
}

void TestVerifica::schema_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QStringList>("scelte");
    QTest::addColumn<QString>("risposte"); // the entry index of each item's right answer
    QTest::addColumn<QString>("atteso"); // a piece of the pattern named, or empty
    const QStringList due = {"singolare", "plurale"}, quattro = {"lo", "la", "li", "le"};
    QTest::newRow("alternanza") << 3 << due << "01010101010101" << "in 13 passaggi su 13 la risposta giusta è la voce";
    QTest::newRow("giro fisso") << 3 << quattro << "01230123012301" << "si ripete ogni 4 frasi";
    QTest::newRow("raggruppate") << 3 << quattro << "00001111222333" << "non torna a una voce precedente";
    QTest::newRow("giro all'indietro") << 10 << quattro << "32103210321032" << "si ripete ogni 4 frasi";
    QTest::newRow("prima rimasta") << 13 << QStringList(7, "nome") + QStringList(7, "verbo") << "00000001111111"
                                   << "in 14 frasi su 14 la risposta giusta è la prima voce rimasta";
    QTest::newRow("mescolate") << 3 << quattro << "20313021032130" << "";
    QTest::newRow("mescolate, voci tolte") << 13 << QStringList(7, "nome") + QStringList(7, "verbo") << "10011010001110" << "";
    // Nothing to guess with one entry; two-choice kinds are not checked.
    QTest::newRow("una sola voce") << 13 << QStringList(14, "nome") << "00000000000000" << "";
    QTest::newRow("due scelte") << 5 << due << "01010101010101" << "";
}

void TestVerifica::schema()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, scelte);
    QFETCH(QString, risposte);
    QFETCH(QString, atteso);
    QStringList distinte = scelte;
    distinte.removeDuplicates();
    QList<Voce> voci;
    for (int i = 0; i < NumeroRighe; ++i)
        voci << Voce{QStringLiteral("Frase %1 di prova.").arg(i), distinte.at(risposte.at(i).digitValue()), "Frase"};
    const QString schema = SchemaRisposte(DatiDi(tipo, scelte, voci));
    QVERIFY2(atteso.isEmpty() ? schema.isEmpty() : schema.contains(atteso), qPrintable(schema));
    // The checker reports it as a warning on the choice count.
    const QList<Problema> problemi = VerificaEsercizioDa("E.txt", CodificaWindows1252(FileEsercizio(tipo, scelte, voci)));
    const bool avvisato = std::any_of(problemi.begin(), problemi.end(), [](const Problema& p) {
        return p.avviso && p.campo == 2 && p.Riga().startsWith("E.txt: campo 2: avviso: le risposte giuste seguono uno schema");
    });
    QCOMPARE(avvisato, !atteso.isEmpty());
}

void TestVerifica::datiDistribuiti()
{
    CartellaProva c;
    c.CopiaDatiDistribuiti();
    // Categories still being written have no exercise folder yet: only the others must be flawless.
    QStringList righe;
    for (const Problema& p : VerificaCartella(true))
        righe << p.Riga();
    if (!righe.isEmpty())
        qWarning().noquote() << righe.join(QLatin1Char('\n'));
    QCOMPARE(righe, QStringList());
}

void TestVerifica::programmaVerifica()
{
    const QString programma = QCoreApplication::applicationDirPath() + "/../app/zelora-verifica";
    if (!QFileInfo::exists(programma))
        QSKIP("zelora-verifica non è stato costruito");
    CartellaProva c;
    for (int cat = 0; cat < NumeroCategorie; ++cat)
        ScriviCategoria(c, cat);
    ScriviSuoni(c);

    QProcess p;
    p.start(programma, {c.Percorso()});
    QVERIFY(p.waitForFinished(60000));
    // The one-item models repeat their answer: only warnings, which do not fail the pack.
    QCOMPARE(p.exitCode(), 3);
    QString uscita = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(uscita.contains(QRegularExpression("12 categorie, 310 esercizi, 310 pagine di aiuto, 4 suoni. "
                                                "Nessun problema trovato. \\d+ avvisi.\n$")),
             qPrintable(uscita.right(200)));

    c.Scrivi("Esercizi/Nomi/ESERCIZIO 31.txt", "17\r\n");
    QFile::remove(c.Percorso() + "/Suoni/win.wav");
    p.start(programma, {c.Percorso()});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    uscita = QString::fromUtf8(p.readAllStandardOutput());
    QStringList righe = uscita.split('\n', Qt::SkipEmptyParts);
    righe.erase(std::remove_if(righe.begin(), righe.end(), [](const QString& r) { return r.contains(": avviso: "); }),
                righe.end());
    QCOMPARE(righe.size(), 4);
    QVERIFY2(righe[0].startsWith("Esercizi/Nomi/ESERCIZIO 31.txt: campo 1: il tipo di esercizio 17 non è gestito"),
             qPrintable(righe[0]));
    QVERIFY2(righe[1].startsWith("Esercizi/Nomi/ESERCIZIO 31.txt: campo 2: "), qPrintable(righe[1]));
    QCOMPARE(righe[2], QStringLiteral("Suoni/win.wav: il file non esiste o non si può leggere"));
    QVERIFY(righe[3].contains("Trovati 3 problemi."));

    p.start(programma, {c.Percorso() + "/manca"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestVerifica)
#include "tst_verifica.moc"
