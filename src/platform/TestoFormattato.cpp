#include "platform/TestoFormattato.h"

QPair<int, int> ParolaInPosizione(const QString& testo, int posizione)
{
    const int n = int(testo.size());
    if (posizione < 0 || posizione >= n)
        return {n, n};
    auto parola = [&](int p) { return testo.at(p).isLetterOrNumber(); };
    if (!parola(posizione))
        return {posizione, posizione + 1};
    int inizio = posizione;
    int fine = posizione + 1;
    while (inizio > 0 && parola(inizio - 1))
        --inizio;
    while (fine < n && parola(fine))
        ++fine;
    return {inizio, fine};
}

QList<QPair<int, int>> ParoleDelTesto(const QString& testo)
{
    QList<QPair<int, int>> parole;
    for (int pos = 0; pos < testo.size();) {
        const auto p = ParolaInPosizione(testo, pos);
        parole << p;
        pos = p.second;
    }
    return parole;
}

TestoFormattato::TestoFormattato(QObject* parent)
    : QObject(parent)
{
}

void TestoFormattato::ImpostaFormatoIniziale(bool grassetto, qreal dimensione)
{
    m_iniziale.grassetto = grassetto;
    m_iniziale.dimensione = dimensione;
}

void TestoFormattato::ImpostaTesto(const QString& testo)
{
    FormatoCarattere f = m_iniziale;
    if (!m_formati.isEmpty()) {
        f.grassetto = m_formati.first().grassetto;
        f.dimensione = m_formati.first().dimensione;
    }
    m_testo = testo;
    m_formati = QVector<FormatoCarattere>(testo.size(), f);
    m_selStart = 0;
    m_selLength = 0;
    emit testoCambiato();
    emit selezioneCambiata();
}

void TestoFormattato::ImpostaSelStart(int start)
{
    ImpostaSelezione(start, 0);
}

void TestoFormattato::ImpostaSelLength(int lunghezza)
{
    ImpostaSelezione(m_selStart, lunghezza);
}

void TestoFormattato::ImpostaSelezione(int start, int lunghezza)
{
    m_selStart = qBound(0, start, int(m_testo.size()));
    m_selLength = qBound(0, lunghezza, int(m_testo.size()) - m_selStart);
    emit selezioneCambiata();
}

void TestoFormattato::SelezionaParola(int posizione)
{
    const auto parola = ParolaInPosizione(m_testo, posizione);
    ImpostaSelezione(parola.first, parola.second - parola.first);
}

void TestoFormattato::SostituisciSelezione(const QString& nuovo)
{
    FormatoCarattere f = m_iniziale;
    if (m_selStart < m_formati.size())
        f = m_formati.at(m_selStart);
    else if (m_selStart > 0)
        f = m_formati.at(m_selStart - 1);
    m_testo.replace(m_selStart, m_selLength, nuovo);
    m_formati.remove(m_selStart, m_selLength);
    m_formati.insert(m_selStart, nuovo.size(), f);
    m_selStart += int(nuovo.size());
    m_selLength = 0;
    emit testoCambiato();
    emit selezioneCambiata();
}

void TestoFormattato::SostituisciTutto(const QString& nuovo)
{
    ImpostaSelezione(0, int(m_testo.size()));
    SostituisciSelezione(nuovo);
}

std::optional<QColor> TestoFormattato::SelColor() const
{
    if (m_formati.isEmpty())
        return QColor(Qt::black);
    if (m_selLength == 0)
        return QColor(m_formati.at(qMin(m_selStart, int(m_formati.size()) - 1)).colore);
    const QRgb c = m_formati.at(m_selStart).colore;
    for (int i = m_selStart + 1; i < m_selStart + m_selLength; ++i)
        if (m_formati.at(i).colore != c)
            return std::nullopt;
    return QColor(c);
}

void TestoFormattato::CambiaFormato(const std::function<void(FormatoCarattere&)>& cambia)
{
    if (m_selLength == 0)
        return;
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i)
        cambia(m_formati[i]);
    emit formatoCambiato(m_selStart, m_selStart + m_selLength);
}

void TestoFormattato::ImpostaSelColor(const QColor& colore)
{
    CambiaFormato([&](FormatoCarattere& f) { f.colore = colore.rgb(); });
}

void TestoFormattato::ImpostaSelBold(bool grassetto)
{
    CambiaFormato([&](FormatoCarattere& f) { f.grassetto = grassetto; });
}

void TestoFormattato::ImpostaSelFontSize(qreal punti)
{
    CambiaFormato([&](FormatoCarattere& f) { f.dimensione = punti; });
}

void TestoFormattato::ColoraTratto(int inizio, int lunghezza, const QColor& colore)
{
    const int fine = qMin(inizio + lunghezza, int(m_testo.size()));
    inizio = qMax(0, inizio);
    if (fine <= inizio)
        return;
    ImpostaSelezione(inizio, fine - inizio);
    ImpostaSelColor(colore);
}

QColor TestoFormattato::ColoreCarattere(int posizione) const
{
    if (posizione < 0 || posizione >= m_formati.size())
        return QColor();
    return QColor(m_formati.at(posizione).colore);
}

bool TestoFormattato::GrassettoCarattere(int posizione) const
{
    return posizione >= 0 && posizione < m_formati.size() && m_formati.at(posizione).grassetto;
}

qreal TestoFormattato::DimensioneCarattere(int posizione) const
{
    if (posizione < 0 || posizione >= m_formati.size())
        return 0;
    return m_formati.at(posizione).dimensione;
}
