#include "exercise/MotoreEsercizio.h"

#include "exercise/RegoleRisposta.h"

const QColor MotoreEsercizio::Nero(0, 0, 0);
const QColor MotoreEsercizio::Blu(0, 0, 255);
const QColor MotoreEsercizio::Rosso(255, 0, 0);
const QColor MotoreEsercizio::Grigio(192, 192, 192);
const QColor MotoreEsercizio::Giallo(255, 255, 0);
const QColor MotoreEsercizio::Verde(0, 255, 0);
const QColor MotoreEsercizio::GrigioScuro(80, 80, 80);
const QColor MotoreEsercizio::Bianco(255, 255, 255);

namespace {
const QString ACapo = QStringLiteral("\r\n");

// The box text without its closing line break.
QString SenzaACapo(const QString& testo)
{
    return testo.endsWith(ACapo) ? testo.chopped(2) : testo;
}

QString CaptionDegliErrori(int errori)
{
    return QStringLiteral("   ERRORI : ") + QString::number(errori);
}

// The number a label shows under its line break; 0 when there is none.
int NumeroDaCaption(const QString& caption)
{
    const QString t = caption.trimmed();
    int i = 0;
    bool negativo = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negativo = t.at(i) == QLatin1Char('-');
        ++i;
    }
    int n = 0;
    while (i < t.size() && t.at(i).isDigit() && n < 100000) {
        n = n * 10 + t.at(i).digitValue();
        ++i;
    }
    return negativo ? -n : n;
}

// Colours n characters from a 0-based position found by a search; nothing
// when the search found nothing.
void ColoraDa(TestoFormattato& c, int p, int n, const QColor& colore)
{
    if (p >= 0 && n > 0)
        c.ColoraTratto(p, n, colore);
}

void ColoraPrima(TestoFormattato& c, const QString& s, const QColor& colore, int oltre = 0)
{
    if (!s.isEmpty())
        ColoraDa(c, int(c.Testo().indexOf(s)), int(s.size()) + oltre, colore);
}

void ColoraUltima(TestoFormattato& c, const QString& s, const QColor& colore)
{
    if (!s.isEmpty())
        ColoraDa(c, int(c.Testo().lastIndexOf(s)), int(s.size()), colore);
}

// Replaces n characters from p by a text, in blue.
void SostituisciInBlu(TestoFormattato& c, int p, int n, const QString& nuovo)
{
    if (p < 0 || n <= 0)
        return;
    c.ImpostaSelezione(p, n);
    c.ImpostaSelColor(MotoreEsercizio::Blu);
    c.SostituisciSelezione(nuovo);
}

// Replaces the span from the first "(" to the first ")" inclusive.
void SostituisciParentesiInBlu(TestoFormattato& c, const QString& nuovo)
{
    int p = 0, q = 0;
    if (TraParentesi(c.Testo(), QLatin1Char('('), QLatin1Char(')'), p, q))
        SostituisciInBlu(c, p, q - p + 1, nuovo);
}
} // namespace

MotoreEsercizio::MotoreEsercizio(QObject* parent)
    : QObject(parent)
    , m_captionErrori(QStringLiteral("   ERRORI: 0"))
{
    for (auto& c : m_caselle) {
        c = std::make_unique<TestoFormattato>();
        c->ImpostaFormatoIniziale(false, 12);
    }
    m_numeri.fill(StatoNumero{QString(), Grigio, Bianco, false});
}

MotoreEsercizio::~MotoreEsercizio() = default;

QString MotoreEsercizio::CaptionSoluzioni() const
{
    return m_soluzioniMostrate ? QStringLiteral("   TORNA ALL'ESERCIZIO") : QStringLiteral("   SOLUZIONI");
}

bool MotoreEsercizio::Carica(int n, const DatiEsercizio* dati)
{
    // A fresh run: nothing of the last one survives a reload.
    m_riga = NessunaRiga;
    m_cornice = -1;
    m_elencoVisibile = false;
    m_scelte.clear();
    m_esercizio = n;
    m_errori = 0;
    m_captionErrori = CaptionDegliErrori(0);
    m_erroriVisibili = false;
    m_completate = 0;
    m_soluzioniMostrate = false;
    for (int i = 0; i < NumeroRighe; ++i) {
        m_frase[i].clear();
        m_risposta[i].clear();
        m_chiave[i].clear();
    }
    m_righeVisibili = false;
    bool possibile = dati != nullptr;
    // An item the marking cannot find its place in makes the exercise unusable.
    for (int i = 0; possibile && i < NumeroRighe; ++i)
        possibile = MarcaturaPossibile(dati->TipoEsercizio, dati->Frase[i] + ACapo, dati->Chiave[i]);
    if (!possibile) {
        emit cambiato();
        return false;
    }

    m_tipo = dati->TipoEsercizio;
    int lunghezzaMassima = 0;
    if (!dati->Scelte.isEmpty()) {
        m_scelte = dati->Scelte;
        for (const QString& s : m_scelte)
            lunghezzaMassima = qMax(lunghezzaMassima, int(s.size()));
        m_dimensioneElenco = DimensioneLista(lunghezzaMassima);
        m_elencoVisibile = true;
    }
    m_frase = dati->Frase;
    m_risposta = dati->Risposta;
    m_chiave = dati->Chiave;
    m_soluzioniOfferte = m_tipo >= 41;
    for (const QString& f : m_frase)
        lunghezzaMassima = qMax(lunghezzaMassima, int(f.size()));
    const int dimensione = DimensioneRighe(lunghezzaMassima);
    if (m_tipo == 2) {
        m_conteggio.fill(0);
        m_paroleTrovate.fill(0);
    }
    for (int i = 0; i < NumeroRighe; ++i)
        PreparaRiga(i, dimensione);
    m_righeVisibili = true;
    m_passo = 0;
    m_parziale.clear();
    for (int i = 0; i < NumeroRighe; ++i)
        MarcaRiga(i);
    emit cambiato();
    return true;
}

void MotoreEsercizio::PreparaRiga(int i, int dimensione)
{
    m_numeri[i] = StatoNumero{ACapo + QString::number(i + 1), Grigio, Bianco, true};
    m_ingresso[i] = true;
    m_paroleDaTrovare[i].reset();
    TestoFormattato& c = Casella(i);
    c.ImpostaTesto(m_frase[i] + ACapo);
    c.ImpostaSelezione(0, int(c.Testo().size()));
    c.ImpostaSelFontSize(dimensione);
    c.ImpostaSelColor(Nero);
    c.ImpostaSelBold(false);
    c.ImpostaSelStart(0);
}

void MotoreEsercizio::MarcaRiga(int i)
{
    TestoFormattato& c = Casella(i);
    const QString testo = c.Testo();
    switch (m_tipo) {
    case 2: {
        m_conteggio[i] = static_cast<qint16>(m_risposta[i].toInt());
        m_numeri[i].caption = ACapo + m_risposta[i];
        break;
    }
    case 3: case 6: case 8: case 13: case 12:
        c.ImpostaSelezione(int(testo.indexOf(m_chiave[i])), int(m_chiave[i].size()));
        c.ImpostaSelColor(m_tipo == 12 ? Blu : Rosso);
        break;
    case 15: {
        // Each bracketed span shows its part of the key, in red.
        DueSpazi s;
        SpaziDelTipo15(testo, m_chiave[i], s);
        c.ImpostaSelezione(s.inizio1, s.lunghezza1);
        c.ImpostaSelColor(Rosso);
        c.SostituisciSelezione(m_chiave[i].left(s.lunghezza1));
        c.ImpostaSelezione(s.inizio2, s.lunghezza2);
        c.ImpostaSelColor(Rosso);
        c.SostituisciSelezione(m_chiave[i].right(s.lunghezza2));
        break;
    }
    case 18: {
        int p = 0, q = 0;
        TraParentesi(testo, QLatin1Char('['), QLatin1Char(']'), p, q);
        c.ImpostaSelezione(p, q - p + 1);
        c.ImpostaSelColor(Rosso);
        break;
    }
    case 47:
        c.ImpostaSelezione(int(testo.indexOf(QLatin1Char('*'))), 1);
        c.ImpostaSelColor(Rosso);
        break;
    default:
        return;
    }
    c.ImpostaSelStart(0);
}

void MotoreEsercizio::Ripulisci()
{
    m_erroriVisibili = false;
    m_soluzioniOfferte = false;
    m_errori = 0;
    m_completate = 0;
    m_cornice = -1;
    m_scelte.clear();
    m_elencoVisibile = false;
    m_righeVisibili = false;
    emit cambiato();
}

void MotoreEsercizio::DimenticaEsercizio()
{
    for (int i = 0; i < NumeroRighe; ++i) {
        m_frase[i].clear();
        m_risposta[i].clear();
        m_chiave[i].clear();
        m_selezione[i].clear();
    }
    m_completate = 0;
    m_esercizio = 0;
    m_errori = 0;
    m_passo = 0;
    m_tipo = 0;
    m_riga = 0;
    m_parziale.clear();
    emit cambiato();
}

void MotoreEsercizio::SelezionaRiga(int i)
{
    if (i < 0 || i >= NumeroRighe)
        return;
    if (m_passo == 1) {
        if (i != m_riga)
            emit avviso(Avviso::CompletaLaFrase);
        return;
    }
    if (Risolta(i))
        return;
    // With no item selected, item 0's label is the one looked at.
    const int precedente = m_riga == NessunaRiga ? 0 : m_riga;
    if (precedente >= 0 && precedente < NumeroRighe && m_numeri[precedente].sfondo == Giallo)
        m_numeri[precedente].sfondo = Grigio;
    m_riga = i;
    m_numeri[i].sfondo = Giallo;
    m_numeri[i].testo = Bianco;
    m_cornice = i;
    emit cambiato();
}

void MotoreEsercizio::ContaErrore()
{
    m_errori += 1;
    emit suono(QStringLiteral("wrong.wav"));
    m_captionErrori = CaptionDegliErrori(m_errori);
}

// A wrong choice: counted, and the pupil selects the item again.
void MotoreEsercizio::SceltaSbagliata(int r)
{
    m_parziale.clear();
    m_passo = 0;
    ContaErrore();
    m_numeri[r].sfondo = Rosso;
    m_riga = NessunaRiga;
}

void MotoreEsercizio::TogliVoce(int voce)
{
    if (voce >= 0 && voce < m_scelte.size())
        m_scelte.removeAt(voce);
}

void MotoreEsercizio::ScegliVoce(int voce)
{
    if (!m_elencoVisibile || voce < 0 || voce >= m_scelte.size())
        return;
    m_cornice = -1;
    if (m_riga < 0 || m_riga >= NumeroRighe) {
        emit cambiato();
        emit avviso(Avviso::PrimaUnRiquadro);
        return;
    }
    const QString scelta = m_scelte.at(voce);
    const int r = m_riga;

    switch (m_tipo) {
    case 5: case 11: case 18:
        // Two choices make the answer; the first must begin it.
        m_passo += 1;
        m_parziale += scelta;
        if (m_passo == 1) {
            if (!m_risposta[r].startsWith(m_parziale))
                SceltaSbagliata(r);
            emit cambiato();
            return;
        }
        break;
    case 15:
        // Two blanks, one choice each; the first stays filled after a wrong second.
        m_passo += 1;
        m_parziale = scelta;
        if (m_passo == 1) {
            if (m_risposta[r].startsWith(scelta)) {
                SostituisciParentesiInBlu(Casella(r), scelta);
                Casella(r).ImpostaSelStart(0);
                TogliVoce(voce);
            } else {
                SceltaSbagliata(r);
            }
            emit cambiato();
            return;
        }
        if (!m_risposta[r].endsWith(scelta)) {
            m_parziale.clear();
            m_passo = 1;
            ContaErrore();
            m_numeri[r].sfondo = Rosso;
            emit cambiato();
            return;
        }
        m_risposta[r] = scelta;
        break;
    default:
        break;
    }

    m_erroriVisibili = true;
    if (m_risposta[r] != scelta && m_risposta[r] != m_parziale) {
        SceltaSbagliata(r);
        emit cambiato();
        return;
    }
    MostraSceltaGiusta(r, scelta, voce);
    ProceduraRispostaEsatta(r);
}

void MotoreEsercizio::MostraSceltaGiusta(int r, const QString& scelta, int voce)
{
    TestoFormattato& c = Casella(r);
    QString& risposta = m_risposta[r];
    const QString& chiave = m_chiave[r];
    bool cambiata = true;
    switch (m_tipo) {
    case 3: case 13: case 4:
        // The answer in brackets after the sentence, in red; the key in blue.
        c.ColoraTutto(m_tipo == 4 ? Blu : Nero);
        risposta = QStringLiteral(" [") + risposta + QStringLiteral("]");
        c.SostituisciTutto(SenzaACapo(c.Testo()) + risposta);
        if (m_tipo == 4)
            ColoraPrima(c, risposta, Rosso);
        else
            ColoraUltima(c, risposta, Rosso);
        ColoraPrima(c, chiave, Blu);
        break;
    case 5: case 11:
        if (m_tipo == 5)
            ColoraPrima(c, chiave, Blu);
        else
            SostituisciParentesiInBlu(c, chiave);
        m_parziale.clear();
        m_passo = 0;
        break;
    case 6: case 8:
        if (!chiave.isEmpty())
            SostituisciInBlu(c, int(c.Testo().indexOf(chiave)), int(chiave.size()), risposta);
        break;
    case 7: case 9: case 10:
        c.ColoraTutto(Blu);
        c.SostituisciTutto(chiave);
        break;
    case 12:
        SostituisciInBlu(c, int(c.Testo().indexOf(QLatin1String("..."))), 3, risposta);
        break;
    case 14:
        SostituisciInBlu(c, int(c.Testo().indexOf(QLatin1String("(...)"))), 5, chiave);
        break;
    case 15:
        SostituisciParentesiInBlu(c, scelta);
        m_parziale.clear();
        m_passo = 0;
        break;
    case 16:
        c.SostituisciTutto(SenzaACapo(c.Testo()) + risposta);
        ColoraPrima(c, risposta, Blu);
        break;
    case 18: {
        // The bracketed gap takes the key, keeping the red it got at load.
        const int p = int(c.Testo().indexOf(QLatin1Char('[')));
        if (p >= 0) {
            c.ImpostaSelezione(p, int(chiave.size()) + 2);
            c.SostituisciSelezione(chiave);
        }
        c.SostituisciTutto(c.Testo() + QStringLiteral("\r\n        ") + risposta);
        ColoraUltima(c, risposta, Rosso);
        ColoraPrima(c, chiave, Blu, 1);
        m_parziale.clear();
        m_passo = 0;
        break;
    }
    case 47:
        c.SostituisciTutto(chiave);
        c.ColoraTutto(Blu);
        break;
    default:
        cambiata = false;
        break;
    }
    if (cambiata)
        c.ImpostaSelStart(0);
    if (TogliSceltaUsata(m_tipo))
        TogliVoce(voce);
}

void MotoreEsercizio::PremiCasella(int i)
{
    if (i >= 0 && i < NumeroRighe && m_ingresso[i])
        SelezionaRiga(i);
}

void MotoreEsercizio::RilascioCasella(int i)
{
    if (i < 0 || i >= NumeroRighe || !m_ingresso[i])
        return;
    // The release judges what was marked, then counts as a click on the item.
    if (ModoDelTipo(m_tipo) == Modo::Tratto)
        Giudica(i);
    SelezionaRiga(i);
    emit cambiato();
}

void MotoreEsercizio::DoppioClicCasella(int i, int posizione)
{
    if (i < 0 || i >= NumeroRighe || !m_ingresso[i])
        return;
    TestoFormattato& c = Casella(i);
    c.SelezionaParola(posizione);
    if (TipoSoloElenco(m_tipo)) {
        // List kinds: the word the box just selected must not stay selected.
        c.ImpostaSelStart(0);
        return;
    }
    Giudica(i);
    emit cambiato();
}

void MotoreEsercizio::Giudica(int i)
{
    m_erroriVisibili = true;
    m_selezione[i] = TogliSpazi(Casella(i).SelText());
    switch (m_tipo) {
    case 1: case 41: case 42: case 43: case 46: case 48: case 49:
        RispostaParola(i);
        break;
    case 2:
        CercaParola(i);
        break;
    case 44: case 45: case 50: case 51: case 52: case 53: case 54:
        RispostaTratto(i);
        break;
    default:
        break;
    }
}

// The pupil's selection was wrong: counted and signalled, the selection is
// left red and collapsed; the item stays open.
void MotoreEsercizio::RispostaSbagliata(int i)
{
    TestoFormattato& c = Casella(i);
    ContaErrore();
    c.ImpostaSelColor(Rosso);
    c.ImpostaSelLength(0);
    c.ImpostaSelStart(0);
}

void MotoreEsercizio::ChiudiRispostaEsatta(int i)
{
    Casella(i).ImpostaSelStart(0);
    ProceduraRispostaEsatta(i);
}

void MotoreEsercizio::RispostaParola(int i)
{
    if (m_selezione[i] != m_risposta[i]) {
        RispostaSbagliata(i);
        return;
    }
    TestoFormattato& c = Casella(i);
    switch (m_tipo) {
    case 1:
        // The sentence turns black and the answer, or the note in square
        // brackets after the sentence, turns blue.
        if (!m_chiave[i].isEmpty()) {
            c.ImpostaTesto(SenzaACapo(c.Testo()));
            c.ColoraTutto(Nero);
            m_chiave[i] = QStringLiteral(" [") + m_chiave[i] + QStringLiteral("]");
            c.ImpostaTesto(c.Testo() + m_chiave[i]);
            const int p = Posizione(c.Testo(), m_chiave[i]);
            if (p > 0)
                c.ColoraTratto(p - 1, int(m_chiave[i].size()), Blu);
        } else {
            c.ColoraTutto(Nero);
            const int p = UltimaPosizione(c.Testo(), m_risposta[i]);
            if (p > 0)
                c.ColoraTratto(p - 1, int(m_risposta[i].size()), Blu);
        }
        break;
    case 42: {
        // The key takes the place of the first occurrence of the answer.
        const QString testo = c.Testo();
        const int p = Posizione(testo, m_risposta[i]);
        if (p == 0)
            break;
        c.ImpostaTesto(testo.left(p - 1) + m_chiave[i] + testo.mid(p - 1 + m_risposta[i].size()));
        const int q = Posizione(c.Testo(), m_chiave[i]);
        if (q > 0)
            c.ColoraTratto(q - 1, int(m_chiave[i].size()), Rosso);
        break;
    }
    default: {
        // 41, 43, 46, 48, 49: the key replaces the sentence, blue up to its
        // first mark, red after it. A missing mark leaves p at 0 on purpose.
        c.ImpostaTesto(m_chiave[i]);
        const QString segno = SegnoDelTipo(m_tipo);
        const int p = Posizione(c.Testo(), segno);
        const int m = int(segno.size());
        const int l = int(c.Testo().size());
        c.ColoraTratto(0, p + m - 1, Blu);
        c.ColoraTratto(p + m - 1, l - p - m + 1, Rosso);
        break;
    }
    }
    ChiudiRispostaEsatta(i);
}

bool MotoreEsercizio::ParolaDaTrovare(int i, const QString& parola) const
{
    // The box keeps its text while the item is open; the checker plays one
    // item of each load, so only the boxes clicked are looked up.
    std::optional<QSet<QString>>& parole = m_paroleDaTrovare.at(i);
    if (!parole)
        parole = ParoleDaTrovare(Casella(i).Testo(), m_chiave.at(i));
    return parole->contains(parola);
}

// Kind 2: every word of the key has to be found; the label counts down.
void MotoreEsercizio::CercaParola(int i)
{
    TestoFormattato& c = Casella(i);
    if (m_selezione[i].size() < 3) {
        RispostaSbagliata(i);
        return;
    }
    const std::optional<QColor> colore = c.SelColor();
    if (colore && colore->rgb() == Blu.rgb()) {
        // Found before: costs nothing, counts nothing.
        c.ImpostaSelLength(0);
        return;
    }
    if (ParolaDaTrovare(i, m_selezione[i])) {
        m_paroleTrovate[i] += 1;
        m_numeri[i].caption = ACapo + QString::number(NumeroDaCaption(m_numeri[i].caption) - 1);
        c.ImpostaSelColor(Blu);
        c.ImpostaSelLength(0);
        c.ImpostaSelStart(0);
        if (m_paroleTrovate[i] == m_conteggio[i]) {
            m_numeri[i].testo = Blu;
            c.ImpostaSelStart(0);
            ProceduraRispostaEsatta(i);
        }
        return;
    }
    c.ImpostaSelColor(Rosso);
    c.ImpostaSelLength(0);
    c.ImpostaSelStart(0);
    ContaErrore();
}

void MotoreEsercizio::RispostaTratto(int i)
{
    QString& selezione = m_selezione[i];
    // A click without a drag marks nothing and costs nothing.
    if (selezione.isEmpty())
        return;
    selezione = TogliSpazi(selezione);
    const bool conPunto = m_tipo >= 50 && m_tipo <= 54;
    if ((conPunto && !TogliPuntoFinale(selezione)) || selezione != m_risposta[i]) {
        RispostaSbagliata(i);
        return;
    }
    MostraTratto(i);
    ChiudiRispostaEsatta(i);
}

void MotoreEsercizio::MostraTratto(int i)
{
    TestoFormattato& c = Casella(i);
    const TrattoBlu blu = TrattoDellaSoluzione(m_tipo, m_risposta[i], c.Testo(), m_chiave[i]);
    if (m_tipo == 52) {
        c.ColoraTutto(Nero);
        // The key breaks the line where the answer began in the sentence.
        if (blu.trovato)
            m_chiave[i][blu.inizio] = QLatin1Char('\r');
    }
    c.ImpostaTesto(m_chiave[i]);
    if (m_tipo == 53)
        c.ColoraTutto(Nero);
    if (blu.trovato)
        c.ColoraTratto(blu.inizio, blu.lunghezza, Blu);
}

void MotoreEsercizio::ProceduraRispostaEsatta(int i)
{
    if (i < 0 || i >= NumeroRighe)
        return;
    m_cornice = -1;
    m_numeri[i] = StatoNumero{ACapo + QStringLiteral("ok"), Verde, Blu, false};
    m_ingresso[i] = false;
    m_riga = NessunaRiga;
    m_completate += 1;
    if (m_completate != NumeroRighe) {
        emit cambiato();
        return;
    }
    m_elencoVisibile = false;
    const QString giudizio = GiudizioDaErrori(m_errori);
    emit cambiato();
    emit suono(QStringLiteral("right.wav"));
    if (m_errori < 1)
        emit suono(QStringLiteral("win.wav"));
    emit esercizioCompletato(giudizio);
}

void MotoreEsercizio::MostraSoluzioni()
{
    for (int i = 0; i < NumeroRighe; ++i) {
        TestoFormattato& c = Casella(i);
        c.ImpostaTesto(m_chiave[i] + ACapo);
        c.ImpostaSelezione(0, int(c.Testo().size()));
        c.ImpostaSelColor(GrigioScuro);
        c.ImpostaSelStart(0);
        // The solutions are to be read, not answered.
        m_ingresso[i] = false;
    }
    m_righeVisibili = true;
    m_soluzioniMostrate = true;
    emit cambiato();
}
