#include "checker/Verifica.h"

#include "content/Catalogo.h"
#include "content/Esercizio.h"
#include "content/Globali.h"
#include "content/Indice.h"
#include "content/LettoreCampi.h"
#include "content/Percorsi.h"
#include "content/Wav.h"
#include "exercise/MotoreEsercizio.h"
#include "exercise/RegoleRisposta.h"
#include "exercise/RispostaGiusta.h"
#include "platform/TestoFormattato.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QVector>
#include <algorithm>
#include <array>
#include <functional>

QString Problema::Riga() const
{
    const QString testo = avviso ? QStringLiteral("avviso: ") + descrizione : descrizione;
    if (campo > 0)
        return QStringLiteral("%1: campo %2: %3").arg(file).arg(campo).arg(testo);
    return QStringLiteral("%1: %2").arg(file, testo);
}

bool TipoGestito(int tipo)
{
    return (tipo >= 1 && tipo <= 16) || tipo == 18 || (tipo >= 41 && tipo <= 54);
}

namespace {

const QString ACapo = QStringLiteral("\r\n");

// Kinds whose key text is shown or searched, so it cannot be left empty.
bool ChiaveNecessaria(int tipo)
{
    switch (tipo) {
    case 2: case 3: case 6: case 7: case 8: case 9: case 10: case 11: case 13: case 14:
    case 15: case 18: case 47:
        return true;
    default:
        return tipo >= 41 && tipo <= 54;
    }
}

QString Caratteri(int n)
{
    return n == 1 ? QStringLiteral("1 carattere") : QStringLiteral("%1 caratteri").arg(n);
}

QString Tra(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Whether a double-click can select the answer as a word of the text.
bool ParolaCliccabile(const QString& testo, const QString& risposta)
{
    for (const auto& p : ParoleDelTesto(testo))
        if (TogliSpazi(testo.mid(p.first, p.second - p.first)) == risposta)
            return true;
    return false;
}

// The longer word that holds the occurrence [pos, pos + n) of a text, or
// empty when the occurrence starts and ends at the edges of words.
QString ParolaCheContiene(const QString& testo, int pos, int n)
{
    if (pos < 0 || n <= 0 || pos + n > testo.size())
        return QString();
    const auto lettera = [&](int p) { return testo.at(p).isLetterOrNumber(); };
    const bool taglioPrima = pos > 0 && lettera(pos) && lettera(pos - 1);
    const bool taglioDopo = pos + n < testo.size() && lettera(pos + n - 1) && lettera(pos + n);
    if (!taglioPrima && !taglioDopo)
        return QString();
    const auto parola = ParolaInPosizione(testo, taglioPrima ? pos : pos + n - 1);
    return testo.mid(parola.first, parola.second - parola.first);
}

// Largest assignment of list entries to the places that need one, each entry
// used once (the kinds that remove the entry used). Returns the places left
// without an entry.
QList<int> PostiSenzaScelta(int posti, int scelte, const std::function<bool(int, int)>& va)
{
    QVector<int> postoDi(scelte, -1);
    std::function<bool(int, QVector<bool>&)> assegna = [&](int posto, QVector<bool>& viste) {
        for (int s = 0; s < scelte; ++s) {
            if (!va(posto, s) || viste[s])
                continue;
            viste[s] = true;
            if (postoDi[s] < 0 || assegna(postoDi[s], viste)) {
                postoDi[s] = posto;
                return true;
            }
        }
        return false;
    };
    QList<int> liberi;
    for (int posto = 0; posto < posti; ++posto) {
        QVector<bool> viste(scelte, false);
        if (!assegna(posto, viste))
            liberi << posto;
    }
    return liberi;
}

class ControlloEsercizio {
public:
    ControlloEsercizio(const QString& nome, const DatiEsercizio& d) : m_nome(nome), m_d(d)
    {
        m_base = 2 + qMax(0, int(d.Scelte.size()));
    }

    QList<Problema> problemi;

    int CampoFrase(int i) const { return m_base + 3 * i + 1; }
    int CampoRisposta(int i) const { return m_base + 3 * i + 2; }
    int CampoChiave(int i) const { return m_base + 3 * i + 3; }

    void Segnala(int campo, const QString& testo) { problemi << Problema{m_nome, campo, testo}; }
    void SegnalaRiga(int i, int campo, const QString& testo)
    {
        Segnala(campo, QStringLiteral("frase %1: %2").arg(i + 1).arg(testo));
    }

    void Esegui()
    {
        const int tipo = m_d.TipoEsercizio;
        const Modo modo = ModoDelTipo(tipo);
        const bool elenco = modo == Modo::Elenco || modo == Modo::DueScelte || modo == Modo::DueSpazi;
        if (elenco && m_d.Scelte.isEmpty())
            Segnala(2, QStringLiteral("il tipo %1 si risolve scegliendo dall'elenco, ma l'esercizio "
                                      "non ha scelte").arg(tipo));
        if (!elenco && !m_d.Scelte.isEmpty())
            Segnala(2, QStringLiteral("il tipo %1 si risolve nel testo della frase: il numero delle "
                                      "scelte deve essere 0, non %2").arg(tipo).arg(m_d.Scelte.size()));
        for (int i = 0; i < NumeroRighe; ++i) {
            const int prima = int(problemi.size());
            ControllaRiga(i, modo);
            if (problemi.size() == prima)
                ProvaConIlMotore(i);
        }
        if (TogliSceltaUsata(tipo) && !m_d.Scelte.isEmpty())
            ControllaSceltePerTutte(tipo);
        const QString schema = SchemaRisposte(m_d);
        if (!schema.isEmpty())
            problemi << Problema{m_nome, 2,
                                 QStringLiteral("le risposte giuste seguono uno schema (%1): l'alunno "
                                                "può rispondere seguendo lo schema invece della "
                                                "grammatica; cambiare l'ordine delle frasi o delle "
                                                "scelte").arg(schema),
                                 true};
    }

private:
    // The proof that the program itself accepts the item: on the exercise
    // just loaded, a wrong answer is counted and the right one closes it.
    void ProvaConIlMotore(int i)
    {
        MotoreEsercizio m;
        if (!m.Carica(0, &m_d))
            return; // some item lacks what its kind marks: reported with that item
        if (DaiRispostaSbagliata(m, i) && m.NumeroErrori() != 1)
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("una risposta sbagliata non viene contata come errore"));
        const int errori = m.NumeroErrori();
        if (!DaiRispostaGiusta(m, i) || !m.Risolta(i) || m.NumeroErrori() != errori)
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("il programma non accetta la risposta %1: data "
                                                            "come la darebbe l'alunno, non chiude la frase")
                                                 .arg(Tra(m_d.Risposta[i])));
    }

    void ControllaRiga(int i, Modo modo)
    {
        const int tipo = m_d.TipoEsercizio;
        const QString& frase = m_d.Frase[i];
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        const QString casella = frase + ACapo;

        if (frase.isEmpty())
            SegnalaRiga(i, CampoFrase(i), QStringLiteral("il testo della frase è vuoto"));
        if (r.isEmpty()) {
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta è vuota"));
            return;
        }
        if (ChiaveNecessaria(tipo) && k.isEmpty()) {
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave è vuota, ma il tipo %1 la usa").arg(tipo));
            return;
        }
        if (!MarcaturaPossibile(tipo, casella, k)) {
            switch (MarcaturaDelTipo(tipo)) {
            case Marcatura::ChiaveRossa:
            case Marcatura::ChiaveBlu:
                SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave %1 non compare nella frase, "
                                                              "che la deve colorare").arg(Tra(k)));
                break;
            case Marcatura::ParentesiQuadra:
                SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere una parte tra "
                                                             "parentesi quadre [ ]"));
                break;
            case Marcatura::DueParentesiQuadre:
                SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere due parti tra "
                                                             "parentesi quadre [ ]"));
                break;
            case Marcatura::Asterisco:
                SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere l'asterisco * "
                                                             "al posto della risposta"));
                break;
            case Marcatura::Nessuna:
                break;
            }
            return;
        }
        const Marcatura marcatura = MarcaturaDelTipo(tipo);
        if ((marcatura == Marcatura::ChiaveRossa || marcatura == Marcatura::ChiaveBlu) && !k.isEmpty())
            OccorrenzaIntera(i, CampoChiave(i), casella, k, false, QStringLiteral("la chiave"),
                             QStringLiteral("colora quel punto invece della parola intera"));
        switch (modo) {
        case Modo::Elenco: ControllaElenco(i, casella); break;
        case Modo::DueScelte: ControllaDueScelte(i, casella); break;
        case Modo::DueSpazi: ControllaDueSpazi(i, casella); break;
        case Modo::Parola: ControllaParola(i, casella); break;
        case Modo::Conta: ControllaConta(i, casella); break;
        case Modo::Tratto: ControllaTratto(i, casella); break;
        }
    }

    // The program colours or replaces the first (or last) occurrence it
    // finds: that must be the word meant, not a piece of a longer word.
    void OccorrenzaIntera(int i, int campo, const QString& testo, const QString& cosa, bool ultima,
                          const QString& chi, const QString& azione)
    {
        const int pos = ultima ? testo.lastIndexOf(cosa) : testo.indexOf(cosa);
        const QString parola = ParolaCheContiene(testo, pos, cosa.size());
        if (!parola.isEmpty())
            SegnalaRiga(i, campo, QStringLiteral("%1 %2 compare %3 dentro la parola %4, e il programma %5")
                                      .arg(chi, Tra(cosa), ultima ? QStringLiteral("per ultima")
                                                                  : QStringLiteral("per prima"),
                                           Tra(parola), azione));
    }

    void RispostaTraLeScelte(int i)
    {
        if (!m_d.Scelte.isEmpty() && !m_d.Scelte.contains(m_d.Risposta[i]))
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 non è tra le scelte "
                                                            "dell'elenco").arg(Tra(m_d.Risposta[i])));
    }

    void ControllaElenco(int i, const QString& casella)
    {
        const int tipo = m_d.TipoEsercizio;
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        RispostaTraLeScelte(i);
        switch (tipo) {
        case 4: {
            // The key is coloured once the answer has been written after the sentence.
            const QString dopo = casella.left(casella.size() - 2) + QStringLiteral(" [") + r
                + QLatin1Char(']');
            if (!dopo.contains(k))
                SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave %1 non compare nella frase, "
                                                              "che la deve colorare").arg(Tra(k)));
            else if (!k.isEmpty())
                OccorrenzaIntera(i, CampoChiave(i), dopo, k, false, QStringLiteral("la chiave"),
                                 QStringLiteral("colora quel punto invece della parola intera"));
            break;
        }
        case 16:
            // The blue goes to the first occurrence of the answer in the whole text.
            if (m_d.Frase[i].contains(r))
                SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 compare già nella frase, e il "
                                                                "programma colora quella invece della parola "
                                                                "aggiunta alla fine").arg(Tra(r)));
            break;
        case 12:
            if (!casella.contains(QStringLiteral("...")))
                SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere i puntini ... "
                                                             "al posto della risposta"));
            break;
        case 14:
            if (!casella.contains(QStringLiteral("(...)")))
                SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere (...) al posto "
                                                             "della chiave"));
            break;
        default:
            break;
        }
    }

    void ControllaDueScelte(int i, const QString& casella)
    {
        const int tipo = m_d.TipoEsercizio;
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        const QSet<QString> scelte(m_d.Scelte.begin(), m_d.Scelte.end());
        bool trovata = scelte.contains(r);
        for (const QString& a : m_d.Scelte) {
            if (trovata)
                break;
            if (!a.isEmpty() && r.startsWith(a) && scelte.contains(r.mid(a.size())))
                trovata = true;
        }
        if (!trovata && !m_d.Scelte.isEmpty())
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("nessuna coppia di scelte dell'elenco, "
                                                            "una dopo l'altra, forma la risposta %1")
                                                 .arg(Tra(r)));
        if (tipo == 5 && !casella.contains(k))
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave %1 non compare nella frase, "
                                                          "che la deve colorare").arg(Tra(k)));
        else if (tipo == 5 && !k.isEmpty())
            OccorrenzaIntera(i, CampoChiave(i), casella, k, false, QStringLiteral("la chiave"),
                             QStringLiteral("colora quel punto invece della parola intera"));
        int p = 0, q = 0;
        if (tipo == 11 && !TraParentesi(casella, QLatin1Char('('), QLatin1Char(')'), p, q))
            SegnalaRiga(i, CampoFrase(i), QStringLiteral("la frase deve contenere una parte tra "
                                                         "parentesi tonde ( ), che la chiave sostituisce"));
        if (tipo == 18) {
            const int a = casella.indexOf(QLatin1Char('['));
            const int b = casella.indexOf(QLatin1Char(']'));
            // The key takes the place of the brackets and of what they hold.
            if (b - a - 1 != k.size()) {
                SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave %1 ha %2, ma tra le parentesi "
                                                              "quadre della frase ce ne sono %3")
                                                   .arg(Tra(k), Caratteri(k.size())).arg(b - a - 1));
            } else {
                // The key, once in place of the brackets, is coloured where it is found first.
                QString dopo = casella;
                dopo.replace(a, b - a + 1, k);
                if (dopo.indexOf(k) != a)
                    SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave %1 compare nella frase prima "
                                                                  "delle parentesi quadre, e il programma "
                                                                  "colora quella").arg(Tra(k)));
            }
        }
    }

    void ControllaDueSpazi(int i, const QString& casella)
    {
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        DueSpazi s;
        SpaziDelTipo15(casella, k, s);
        const int primo = s.lunghezza1;
        const int secondo = s.lunghezza2;
        const QString mostrata = TestoConDueSpazi(casella, k, s);
        if (k.size() != primo + secondo) {
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave deve essere lunga quanto le due "
                                                          "parti tra parentesi quadre, cioè %1 + %2 "
                                                          "caratteri, ma ne ha %3")
                                               .arg(primo).arg(secondo).arg(k.size()));
            return;
        }
        int p = 0, q = 0;
        const QChar apre = QLatin1Char('('), chiude = QLatin1Char(')');
        bool spazi = TraParentesi(mostrata, apre, chiude, p, q);
        if (spazi) {
            QString dopo = mostrata;
            dopo.remove(p, q - p + 1);
            spazi = TraParentesi(dopo, apre, chiude, p, q);
        }
        if (!spazi)
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave deve mettere nella frase due spazi "
                                                          "tra parentesi tonde, come (...)(...)"));
        bool inizio = false, fine = false;
        for (const QString& s : m_d.Scelte) {
            inizio = inizio || (!s.isEmpty() && r.startsWith(s));
            fine = fine || (!s.isEmpty() && r.endsWith(s));
        }
        if (!m_d.Scelte.isEmpty() && (!inizio || !fine))
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 deve essere formata da due "
                                                            "scelte dell'elenco, una dopo l'altra")
                                                 .arg(Tra(r)));
    }

    void ControllaParola(int i, const QString& casella)
    {
        const int tipo = m_d.TipoEsercizio;
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        if (!ParolaCliccabile(casella, r)) {
            if (casella.contains(r))
                SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 compare nella frase ma "
                                                                "non è una parola intera: il doppio clic "
                                                                "seleziona solo lettere e cifre")
                                                     .arg(Tra(r)));
            else
                SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 non compare nella frase")
                                                     .arg(Tra(r)));
        }
        if (tipo == 42)
            OccorrenzaIntera(i, CampoRisposta(i), casella, r, false, QStringLiteral("la risposta"),
                             QStringLiteral("sostituisce quel punto invece della parola intera"));
        if (tipo == 1 && k.isEmpty())
            OccorrenzaIntera(i, CampoRisposta(i), casella, r, true, QStringLiteral("la risposta"),
                             QStringLiteral("colora quel punto invece della parola intera"));
        const QString segno = SegnoDelTipo(tipo);
        if (!segno.isEmpty() && !k.contains(segno))
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la chiave deve contenere il segno %1 che "
                                                          "chiude la parte colorata in blu")
                                               .arg(Tra(segno)));
    }

    void ControllaConta(int i, const QString& casella)
    {
        const QString& r = m_d.Risposta[i];
        bool ok = false;
        const int n = r.toInt(&ok);
        if (!ok || n < 1 || n > 32767) {
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta deve essere il numero delle "
                                                            "parole da trovare (1 o più), non %1")
                                                 .arg(Tra(r)));
            return;
        }
        const QString& k = m_d.Chiave[i];
        int possibili = 0;
        // A word counts as found when it occurs anywhere in the key, even
        // inside a longer word: that gives the pupil answers not meant. A
        // word that counts is a run of letters, so it stands whole in the key
        // when it is one of the key's words.
        const QSet<QString> trovate = ParoleDaTrovare(casella, k);
        QSet<QString> paroleChiave, viste;
        for (const auto& p : ParoleDelTesto(k))
            paroleChiave.insert(k.mid(p.first, p.second - p.first));
        QStringList dentro;
        for (const auto& p : ParoleDelTesto(casella)) {
            const QString w = casella.mid(p.first, p.second - p.first);
            if (!trovate.contains(w))
                continue;
            ++possibili;
            if (!viste.contains(w) && !paroleChiave.contains(w))
                dentro << w;
            viste.insert(w);
        }
        for (const QString& w : dentro)
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la parola %1 della frase vale come trovata perché "
                                                          "compare dentro una parola della chiave")
                                               .arg(Tra(w)));
        if (dentro.isEmpty() && n < possibili)
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("nella frase ci sono %1 parole che valgono come "
                                                            "trovate, ma la risposta ne chiede %2: la frase "
                                                            "finisce prima che l'alunno le trovi tutte")
                                                 .arg(possibili).arg(n));
        if (n > possibili)
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta chiede %1 parole, ma nella frase %2 "
                                                            "di almeno tre lettere che compaiono nella chiave")
                                                 .arg(n)
                                                 .arg(possibili == 1 ? QStringLiteral("c'è solo 1 parola")
                                                                     : QStringLiteral("ci sono solo %1 parole")
                                                                           .arg(possibili)));
    }

    void ControllaTratto(int i, const QString& casella)
    {
        const int tipo = m_d.TipoEsercizio;
        const QString& r = m_d.Risposta[i];
        const QString& k = m_d.Chiave[i];
        if (!casella.contains(r)) {
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 non compare nella frase").arg(Tra(r)));
            return;
        }
        if (tipo >= 50 && r.contains(QLatin1Char('.'))) {
            // A marked stretch with a full stop loses its last three characters.
            SegnalaRiga(i, CampoRisposta(i), QStringLiteral("la risposta %1 contiene un punto: nei tipi da 50 "
                                                            "a 54 il programma toglie gli ultimi tre caratteri a "
                                                            "un tratto con un punto, e chi seleziona proprio la "
                                                            "risposta sbaglia").arg(Tra(r)));
            return;
        }
        // The colouring of a right answer, as a span of the key text.
        const TrattoBlu blu = TrattoDellaSoluzione(tipo, r, casella, k);
        const int inizio = blu.inizio;
        const int lunghezza = blu.lunghezza;
        const int pc = int(k.indexOf(r)); // 0-based, -1 when absent
        const int pf = int(casella.indexOf(r));
        const bool cercataNellaChiave = tipo == 44 || tipo == 50 || tipo == 51 || tipo == 54;
        if (cercataNellaChiave && !blu.trovato) {
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la risposta %1 non compare nella chiave, "
                                                          "dove deve essere colorata").arg(Tra(r)));
            return;
        }
        if (tipo == 44 || tipo == 50 || tipo == 51 || tipo == 54)
            OccorrenzaIntera(i, CampoChiave(i), k, r, false, QStringLiteral("nella chiave la risposta"),
                             QStringLiteral("colora quel punto invece della parola intera"));
        if (tipo == 52 || tipo == 53)
            OccorrenzaIntera(i, CampoRisposta(i), casella, r, false, QStringLiteral("la risposta"),
                             QStringLiteral("parte da quel punto per colorare la chiave"));
        if (tipo == 52 && pf >= 0 && pf < k.size() && k.at(pf) != QLatin1Char(' '))
            // That character becomes the line break before the spoken words.
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("il carattere %1 della chiave (%2), dove nella frase "
                                                          "comincia la risposta, diventa un a capo e sparisce: "
                                                          "in quella posizione la chiave deve avere uno spazio")
                                               .arg(pf + 1).arg(Tra(k.at(pf))));
        if (inizio < 0)
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("nella chiave, prima della risposta, serve almeno "
                                                          "%1, che viene colorato con lei")
                                               .arg(Caratteri(pc - inizio)));
        else if (inizio + lunghezza > k.size())
            SegnalaRiga(i, CampoChiave(i), QStringLiteral("la colorazione della risposta esce dalla "
                                                          "chiave: arriva al carattere %1, ma la chiave "
                                                          "ne ha %2")
                                               .arg(inizio + lunghezza).arg(k.size()));
        else if (tipo >= 50)
            ParolaVicinaColorata(i, k, inizio, inizio + lunghezza);
    }

    // The blue of kinds 50 to 54 runs past the answer by a fixed number of
    // characters: where no blank or mark stands there, it takes half a word.
    void ParolaVicinaColorata(int i, const QString& k, int a, int b)
    {
        const auto lettera = [&](int p) { return p >= 0 && p < k.size() && k.at(p).isLetterOrNumber(); };
        QStringList tagliate;
        if (lettera(a - 1) && lettera(a)) {
            const auto w = ParolaInPosizione(k, a);
            tagliate << Tra(k.mid(w.first, w.second - w.first));
        }
        if (lettera(b - 1) && lettera(b)) {
            const auto w = ParolaInPosizione(k, b - 1);
            tagliate << Tra(k.mid(w.first, w.second - w.first));
        }
        if (!tagliate.isEmpty())
            problemi << Problema{m_nome, CampoChiave(i),
                                 QStringLiteral("frase %1: la soluzione colora in blu %2 (%3) solo in "
                                                "parte: accanto alla risposta la chiave deve avere uno "
                                                "spazio o un segno di punteggiatura, oppure l'esercizio "
                                                "deve usare un altro tipo")
                                     .arg(i + 1)
                                     .arg(tagliate.size() == 1 ? QStringLiteral("la parola")
                                                               : QStringLiteral("le parole"))
                                     .arg(tagliate.join(QStringLiteral(", "))),
                                 true};
    }

    void ControllaSceltePerTutte(int tipo)
    {
        const QStringList& scelte = m_d.Scelte;
        if (tipo != 15) {
            // Each entry serves one item: an answer needs as many copies as items.
            QStringList viste;
            for (int i = 0; i < NumeroRighe; ++i) {
                const QString& r = m_d.Risposta[i];
                if (r.isEmpty() || viste.contains(r))
                    continue;
                viste << r;
                QStringList frasi;
                for (int j = 0; j < NumeroRighe; ++j)
                    if (m_d.Risposta[j] == r)
                        frasi << QString::number(j + 1);
                const int copie = int(scelte.count(r));
                if (copie > 0 && copie < frasi.size())
                    Segnala(2, QStringLiteral("la scelta %1 serve a %2 frasi (%3), ma l'elenco la contiene "
                                              "%4: il tipo %5 toglie dall'elenco ogni scelta usata")
                                   .arg(Tra(r)).arg(frasi.size()).arg(frasi.join(QStringLiteral(", ")))
                                   .arg(copie == 1 ? QStringLiteral("una volta")
                                                   : QStringLiteral("%1 volte").arg(copie))
                                   .arg(tipo));
            }
            return;
        }
        // Kind 15: a beginning and an end of the answer for every item.
        const auto va = [&](int posto, int s) {
            const QString& r = m_d.Risposta[posto / 2];
            if (scelte.at(s).isEmpty())
                return false;
            return posto % 2 == 0 ? r.startsWith(scelte.at(s)) : r.endsWith(scelte.at(s));
        };
        QStringList frasi;
        for (int posto : PostiSenzaScelta(NumeroRighe * 2, scelte.size(), va)) {
            const int i = posto / 2;
            bool adatta = false;
            for (int s = 0; s < scelte.size(); ++s)
                adatta = adatta || va(posto, s);
            const QString voce = QStringLiteral("%1 (%2)").arg(i + 1).arg(Tra(m_d.Risposta[i]));
            if (adatta && !frasi.contains(voce))
                frasi << voce;
        }
        if (frasi.size() == 1)
            Segnala(2, QStringLiteral("le scelte non bastano per tutte le frasi: il tipo 15 toglie "
                                      "dall'elenco ogni scelta usata, e per la frase %1 non ne resta una "
                                      "adatta").arg(frasi.first()));
        else if (frasi.size() > 1)
            Segnala(2, QStringLiteral("le scelte non bastano per tutte le frasi: il tipo 15 toglie "
                                      "dall'elenco ogni scelta usata, e per le frasi %1 non ne resta una "
                                      "adatta").arg(frasi.join(QStringLiteral(", "))));
    }

    QString m_nome;
    const DatiEsercizio& m_d;
    int m_base = 2;
};

// Fields of a file, without the empty ones at its end (a blank last line).
int CampiSignificativi(const QByteArray& contenuto)
{
    LettoreCampi l(contenuto);
    QString c;
    int tutti = 0;
    int pieni = 0;
    while (l.LeggiTesto(c)) {
        ++tutti;
        if (!c.trimmed().isEmpty())
            pieni = tutti;
    }
    return pieni;
}

QString Relativo(const QString& percorso)
{
    QString base = CartellaApplicazione();
    QString p = percorso;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.startsWith(base))
        p = p.mid(base.size());
    while (p.startsWith(QLatin1Char('/')))
        p.remove(0, 1);
    return p;
}

// The path builders read the current category; this lends it for a check.
class CategoriaPrestata {
public:
    explicit CategoriaPrestata(int categoria) : m_prima(Globali::CategoriaCorrente)
    {
        Globali::CategoriaCorrente = QString::fromLatin1(DatiCategoria(categoria).cartella);
    }
    ~CategoriaPrestata() { Globali::CategoriaCorrente = m_prima; }

private:
    QString m_prima;
};

struct Luogo {
    QString file;
    int campo;
    int riga;
};
using FrasiViste = QHash<QString, Luogo>;

bool ValidoUtf8(const QByteArray& b)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8(b);
    return !utf8.hasError() && !testo.isNull();
}

// Data files are Windows-1252 with CR LF line ends: a file saved as UTF-8
// shows its accents garbled, and lone line ends are not what the pack uses.
QList<Problema> ControllaScrittura(const QString& nome, const QByteArray& b)
{
    QList<Problema> problemi;
    bool alti = false;
    for (char c : b)
        alti = alti || static_cast<unsigned char>(c) >= 0x80;
    if (b.startsWith("\xEF\xBB\xBF") || (alti && ValidoUtf8(b))) {
        problemi << Problema{nome, 0, QStringLiteral("il file è salvato in UTF-8: le lettere accentate "
                                                     "appaiono sbagliate; va salvato in Windows-1252 (ANSI)")};
    } else {
        // Bytes that are no character of the code page (and NUL): a damaged
        // file, or one saved in another encoding.
        int riga = 1;
        for (char c : b) {
            const auto u = static_cast<unsigned char>(c);
            riga += c == '\n';
            if (u == 0x00 || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) {
                problemi << Problema{nome, 0, QStringLiteral("alla riga %1 c'è il byte 0x%2, che non è un carattere "
                                                             "di Windows-1252: il file è rovinato o salvato con "
                                                             "un'altra codifica")
                                                  .arg(riga)
                                                  .arg(QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0')))};
                break;
            }
        }
    }
    bool soloLf = false;
    for (int i = 0; i < b.size(); ++i) {
        if (b[i] == '\n' && (i == 0 || b[i - 1] != '\r'))
            soloLf = true;
        if (b[i] == '\r' && (i + 1 >= b.size() || b[i + 1] != '\n'))
            soloLf = true;
    }
    if (soloLf)
        problemi << Problema{nome, 0, QStringLiteral("le righe devono finire con CR LF (l'a capo di Windows)")};
    return problemi;
}

// Files of a folder that the program never opens: numbers beyond the last
// exercise of the category, or names it does not build.
QList<Problema> FileInPiu(const QString& cartella, const QString& inizio, int voci)
{
    QList<Problema> problemi;
    const QRegularExpression nomeGiusto(QStringLiteral("^%1 (\\d\\d)\\.txt$").arg(inizio),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const QString& f : ElencaFile(cartella, QStringLiteral("*"))) {
        const auto m = nomeGiusto.match(f);
        const QString nome = Relativo(RisolviPercorso(cartella) + QLatin1Char('/') + f);
        if (!m.hasMatch())
            problemi << Problema{nome, 0, QStringLiteral("il programma non legge questo file: i nomi "
                                                         "devono essere \"%1 NN.txt\" con NN da 00 a %2")
                                              .arg(inizio, DueCifre(voci - 1))};
        else if (m.captured(1).toInt() >= voci)
            problemi << Problema{nome, 0, QStringLiteral("il programma non legge questo file: la "
                                                         "categoria ha %1 esercizi, da 00 a %2")
                                              .arg(voci).arg(DueCifre(voci - 1))};
    }
    return problemi;
}

QList<Problema> VerificaIndice(int categoria, bool scritto)
{
    const int voci = DatiCategoria(categoria).ultimoEsercizio + 1;
    const QString percorso = scritto ? PercorsoIndiceScritto() : PercorsoIndice();
    const QString nome = Relativo(percorso);
    QList<Problema> problemi;
    QByteArray contenuto;
    if (!FileExist(percorso) || !LeggiFile(percorso, contenuto)) {
        problemi << Problema{nome, 0, QStringLiteral("il file non esiste o non si può leggere")};
        return problemi;
    }
    problemi << ControllaScrittura(nome, contenuto);
    QVector<QString> titoli(voci), testi(voci);
    const bool letto = LeggiFileIndice(percorso, titoli, testi);
    const int campi = CampiSignificativi(contenuto);
    if (!letto || campi < 3 * voci) {
        problemi << Problema{nome, campi + 1,
                             QStringLiteral("il file finisce dopo %1 voci complete, ma ne servono %2 "
                                            "(una per esercizio, tre campi ciascuna)")
                                 .arg(campi / 3).arg(voci)};
        return problemi;
    }
    if (campi > 3 * voci)
        problemi << Problema{nome, 3 * voci + 1,
                             QStringLiteral("dopo le %1 voci il file contiene altri campi, che il "
                                            "programma non legge: le voci devono essere esattamente %1")
                                 .arg(voci)};
    for (int n = 0; n < voci; ++n) {
        if (titoli[n].trimmed().isEmpty())
            problemi << Problema{nome, 3 * n + 2,
                                 QStringLiteral("voce %1 (esercizio %2): il titolo è vuoto").arg(n + 1).arg(DueCifre(n))};
        if (testi[n].trimmed().isEmpty())
            problemi << Problema{nome, 3 * n + 3,
                                 QStringLiteral("voce %1 (esercizio %2): la consegna è vuota").arg(n + 1).arg(DueCifre(n))};
    }
    return problemi;
}

QList<Problema> VerificaCategoriaDa(int categoria, Conteggi* conteggi, FrasiViste* frasi)
{
    CategoriaPrestata prestata(categoria);
    const int voci = DatiCategoria(categoria).ultimoEsercizio + 1;
    QList<Problema> problemi;
    problemi << VerificaIndice(categoria, false) << VerificaIndice(categoria, true);
    if (conteggi)
        ++conteggi->categorie;

    if (!CartellaEserciziPresente(categoria)) {
        problemi << Problema{Relativo(CartellaApplicazione() + QStringLiteral("/Esercizi/")
                                      + Globali::CategoriaCorrente),
                             0, QStringLiteral("la cartella degli esercizi non esiste: mancano tutti i "
                                               "%1 esercizi").arg(voci)};
    } else {
        for (int n = 0; n < voci; ++n) {
            const QString percorso = PercorsoEsercizio(n);
            const QString nome = Relativo(percorso);
            if (conteggi)
                ++conteggi->esercizi;
            QByteArray contenuto;
            if (!FileExist(percorso) || !LeggiFile(percorso, contenuto)) {
                problemi << Problema{nome, 0, QStringLiteral("il file non esiste o non si può leggere")};
                continue;
            }
            problemi << ControllaScrittura(nome, contenuto) << VerificaEsercizioDa(nome, contenuto);
            DatiEsercizio d;
            if (!frasi || !LeggiEsercizioDa(contenuto, d).ok)
                continue;
            const int base = 2 + int(d.Scelte.size());
            for (int i = 0; i < NumeroRighe; ++i) {
                const QString f = TogliSpazi(d.Frase[i]);
                // Single terms may come back; whole sentences may not.
                if (f.count(QLatin1Char(' ')) < 2)
                    continue;
                const Luogo qui{nome, base + 3 * i + 1, i + 1};
                const auto prima = frasi->constFind(f);
                if (prima == frasi->constEnd()) {
                    frasi->insert(f, qui);
                    continue;
                }
                problemi << Problema{nome, qui.campo,
                                     QStringLiteral("frase %1: la stessa frase c'è già in %2, frase %3")
                                         .arg(qui.riga).arg(prima->file).arg(prima->riga)};
            }
        }
        problemi << FileInPiu(CartellaApplicazione() + QStringLiteral("/Esercizi/") + Globali::CategoriaCorrente,
                              QStringLiteral("ESERCIZIO"), voci);
    }

    const QString cartellaHelp = CartellaApplicazione() + QStringLiteral("/Help/") + Globali::CategoriaCorrente;
    if (!QFileInfo::exists(RisolviPercorso(cartellaHelp))) {
        problemi << Problema{Relativo(cartellaHelp), 0,
                             QStringLiteral("la cartella delle pagine di aiuto non esiste: mancano "
                                            "tutte le %1 pagine").arg(voci)};
        return problemi;
    }
    for (int n = 0; n < voci; ++n) {
        const QString percorso = PercorsoHelp(n);
        const QString nome = Relativo(percorso);
        if (conteggi)
            ++conteggi->pagineHelp;
        QByteArray contenuto;
        if (!FileExist(percorso) || !LeggiFile(percorso, contenuto)) {
            problemi << Problema{nome, 0, QStringLiteral("il file non esiste o non si può leggere")};
            continue;
        }
        problemi << ControllaScrittura(nome, contenuto) << VerificaHelpDa(nome, contenuto);
    }
    problemi << FileInPiu(cartellaHelp, QStringLiteral("help"), voci);
    return problemi;
}

} // namespace

QString SchemaRisposte(const DatiEsercizio& d)
{
    if (ModoDelTipo(d.TipoEsercizio) != Modo::Elenco)
        return QString();
    // The position of each distinct entry, the first copy counting.
    QHash<QString, int> distinte;
    for (const QString& s : d.Scelte)
        if (!distinte.contains(s))
            distinte.insert(s, int(distinte.size()));
    const int n = int(distinte.size());
    // With one entry there is nothing to choose, so nothing to guess.
    if (n < 2)
        return QString();
    std::array<int, NumeroRighe> posizione{};
    for (int i = 0; i < NumeroRighe; ++i) {
        posizione[i] = distinte.value(d.Risposta[i], -1);
        if (posizione[i] < 0)
            return QString(); // reported as an answer missing from the list
    }
    const int passi = NumeroRighe - 1;
    int avanti = 0;
    int maiGiu = 0;
    for (int i = 0; i < passi; ++i) {
        avanti += posizione[i + 1] == (posizione[i] + 1) % n;
        maiGiu += posizione[i + 1] >= posizione[i];
    }
    bool periodo = NumeroRighe - n >= 6;
    for (int i = 0; periodo && i + n < NumeroRighe; ++i)
        periodo = posizione[i + n] == posizione[i];

    QStringList schemi;
    if (avanti >= 10)
        schemi << QStringLiteral("in %1 passaggi su %2 la risposta giusta è la voce dell'elenco che "
                                 "segue la precedente").arg(avanti).arg(passi);
    if (periodo)
        schemi << QStringLiteral("la sequenza delle risposte si ripete ogni %1 frasi, quante sono le "
                                 "voci dell'elenco").arg(n);
    if (maiGiu >= 12)
        schemi << QStringLiteral("in %1 passaggi su %2 la risposta giusta non torna a una voce "
                                 "precedente dell'elenco").arg(maiGiu).arg(passi);
    if (TogliSceltaUsata(d.TipoEsercizio)) {
        QStringList rimaste = d.Scelte;
        int prima = 0;
        for (const QString& r : d.Risposta) {
            prima += !rimaste.isEmpty() && rimaste.first() == r;
            rimaste.removeOne(r);
        }
        if (2 * prima > NumeroRighe)
            schemi << QStringLiteral("in %1 frasi su %2 la risposta giusta è la prima voce rimasta "
                                     "nell'elenco").arg(prima).arg(NumeroRighe);
    }
    return schemi.join(QStringLiteral("; "));
}

QList<Problema> VerificaEsercizioDa(const QString& nome, const QByteArray& contenuto)
{
    QList<Problema> problemi;
    DatiEsercizio d;
    const EsitoLettura esito = LeggiEsercizioDa(contenuto, d);
    LettoreCampi numeri(contenuto);
    qint16 numero = 0;
    const bool tipoLetto = numeri.LeggiNumero(numero);
    const QString tipoNonGestito = QStringLiteral("il tipo di esercizio %1 non è gestito dal programma "
                                                  "(tipi ammessi: da 1 a 16, 18, da 41 a 54)")
                                       .arg(d.TipoEsercizio);
    if (!esito.ok) {
        if (tipoLetto && !TipoGestito(d.TipoEsercizio))
            problemi << Problema{nome, 1, tipoNonGestito};
        problemi << Problema{nome, esito.campo, esito.motivo};
        return problemi;
    }
    if (!TipoGestito(d.TipoEsercizio)) {
        problemi << Problema{nome, 1, tipoNonGestito};
        return problemi;
    }
    const int attesi = 2 + int(d.Scelte.size()) + 3 * NumeroRighe;
    if (CampiSignificativi(contenuto) > attesi) {
        // Usually a choice count that does not match the choices written.
        problemi << Problema{nome, attesi + 1,
                             QStringLiteral("dopo la quattordicesima frase il file contiene altri campi, "
                                            "che il programma non legge: controllare il numero delle "
                                            "scelte (campo 2) e che le frasi siano 14")};
    }
    ControlloEsercizio controllo(nome, d);
    controllo.Esegui();
    problemi << controllo.problemi;
    // In the order of the file, as a teacher reads it.
    std::stable_sort(problemi.begin(), problemi.end(),
                     [](const Problema& a, const Problema& b) { return a.campo < b.campo; });
    return problemi;
}

QList<Problema> VerificaHelpDa(const QString& nome, const QByteArray& contenuto)
{
    QList<Problema> problemi;
    LettoreCampi l(contenuto);
    QString titolo;
    if (!l.LeggiTesto(titolo) || titolo.trimmed().isEmpty()) {
        problemi << Problema{nome, 1, QStringLiteral("manca il titolo della pagina")};
        return problemi;
    }
    QStringList chiavi;
    for (int c = 0; c < 3; ++c) {
        QString k;
        if (!l.LeggiTesto(k)) {
            problemi << Problema{nome, c + 2, QStringLiteral("manca la parola chiave %1 (ne servono tre)").arg(c + 1)};
            return problemi;
        }
        if (k.trimmed().isEmpty())
            problemi << Problema{nome, c + 2, QStringLiteral("la parola chiave %1 è vuota").arg(c + 1)};
        chiavi << k;
    }
    QString pagina;
    bool piena = false;
    QString riga;
    while (l.LeggiTesto(riga)) {
        pagina += riga + ACapo;
        piena = piena || !riga.trimmed().isEmpty();
    }
    if (!piena) {
        problemi << Problema{nome, 5, QStringLiteral("la pagina non ha righe di testo dopo le tre parole chiave")};
        return problemi;
    }
    // The viewer shows the typographic quotes in place of their substitutes.
    pagina.replace(QChar(0x00A3), QChar(0x00AB));
    pagina.replace(QLatin1Char('$'), QChar(0x00BB));
    pagina.replace(QLatin1Char('%'), QChar(0x201C));
    pagina.replace(QLatin1Char('&'), QChar(0x201D));
    for (int c = 0; c < 3; ++c)
        if (!chiavi[c].trimmed().isEmpty() && !pagina.contains(chiavi[c]))
            problemi << Problema{nome, c + 2, QStringLiteral("la parola chiave %1 non compare nel testo "
                                                             "della pagina, dove deve essere evidenziata")
                                                  .arg(Tra(chiavi[c]))};
    if (!pagina.contains(QStringLiteral("Esempi:")))
        problemi << Problema{nome, 5, QStringLiteral("il testo della pagina non contiene \"Esempi:\"")};
    return problemi;
}

QList<Problema> VerificaWavDa(const QString& nome, const QByteArray& b)
{
    const EsitoWav esito = ControllaWav(b);
    QString motivo;
    switch (esito.difetto) {
    case DifettoWav::Nessuno:
        return {};
    case DifettoWav::NonRiff:
        motivo = QStringLiteral("non è un file WAV: manca l'intestazione RIFF/WAVE");
        break;
    case DifettoWav::BloccoOltreLaFine:
        motivo = QStringLiteral("il blocco %1 va oltre la fine del file").arg(QString::fromLatin1(esito.blocco).trimmed());
        break;
    case DifettoWav::SenzaFmt:
        motivo = QStringLiteral("non è un file WAV valido: manca il blocco fmt");
        break;
    case DifettoWav::FormatoNonGestito:
        motivo = QStringLiteral("il programma non suona questo file: i campioni devono essere PCM a 8, 16, 24 "
                                "o 32 bit (o in virgola mobile a 32 bit), con almeno un canale");
        break;
    case DifettoWav::SenzaData:
        motivo = QStringLiteral("non è un file WAV valido: manca il blocco data");
        break;
    case DifettoWav::CampioneTagliato:
        motivo = QStringLiteral("il blocco data finisce a metà di un campione: il file è tagliato");
        break;
    }
    return {Problema{nome, 0, motivo}};
}

bool CartellaEserciziPresente(int categoria)
{
    const QString p = CartellaApplicazione() + QStringLiteral("/Esercizi/")
        + QString::fromLatin1(DatiCategoria(categoria).cartella);
    return QFileInfo(RisolviPercorso(p)).isDir();
}

QList<Problema> VerificaCategoria(int categoria, Conteggi* conteggi)
{
    return VerificaCategoriaDa(categoria, conteggi, nullptr);
}

QList<Problema> VerificaSuoni(Conteggi* conteggi)
{
    QList<Problema> problemi;
    const char* cue[] = {"press.wav", "wrong.wav", "right.wav", "win.wav"};
    for (const char* c : cue) {
        const QString percorso = PercorsoSuono(QString::fromLatin1(c));
        const QString nome = Relativo(percorso);
        if (conteggi)
            ++conteggi->suoni;
        QByteArray contenuto;
        if (!FileExist(percorso) || !LeggiFile(percorso, contenuto, LimiteFileSuono)) {
            problemi << Problema{nome, 0, QStringLiteral("il file non esiste o non si può leggere")};
            continue;
        }
        problemi << VerificaWavDa(nome, contenuto);
    }
    return problemi;
}

QList<Problema> VerificaCartella(bool soloPresenti, Conteggi* conteggi)
{
    QList<Problema> problemi;
    FrasiViste frasi;
    for (int c = 0; c < NumeroCategorie; ++c) {
        if (soloPresenti && !CartellaEserciziPresente(c))
            continue;
        problemi << VerificaCategoriaDa(c, conteggi, &frasi);
    }
    problemi << VerificaSuoni(conteggi);
    return problemi;
}
