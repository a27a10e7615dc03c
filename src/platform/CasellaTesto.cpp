#include "platform/CasellaTesto.h"

#include "platform/TestoFormattato.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

CasellaTesto::CasellaTesto(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(false);
    setFocusPolicy(Qt::ClickFocus);
    m_fontPredefinito = QFont(QStringLiteral("Arial"), 12);
    document()->setDefaultFont(m_fontPredefinito);
    m_daModello = {0};
    m_daVista = {0};
    connect(this, &QTextEdit::selectionChanged, this, &CasellaTesto::SelezioneDallaVista);
    connect(this, &QTextEdit::cursorPositionChanged, this, &CasellaTesto::SelezioneDallaVista);
}

void CasellaTesto::ImpostaFontPredefinito(const QFont& font)
{
    m_fontPredefinito = font;
    document()->setDefaultFont(font);
}

CasellaTesto::Formato CasellaTesto::FormatoPredefinito() const
{
    return Formato{qRgb(0, 0, 0), m_fontPredefinito.bold(), m_fontPredefinito.pointSizeF()};
}

void CasellaTesto::ImpostaTesto(const QString& testo)
{
    Formato f = FormatoPredefinito();
    if (!m_formati.isEmpty()) {
        f.grassetto = m_formati.first().grassetto;
        f.dimensione = m_formati.first().dimensione;
    }
    m_testo = testo;
    m_formati = QVector<Formato>(testo.size(), f);
    m_selStart = 0;
    m_selLength = 0;
    Ridisegna();
    emit selezioneCambiata();
}

void CasellaTesto::ImpostaSelStart(int start)
{
    m_selStart = qBound(0, start, int(m_testo.size()));
    m_selLength = 0;
    MostraSelezione();
    emit selezioneCambiata();
}

void CasellaTesto::ImpostaSelLength(int lunghezza)
{
    m_selLength = qBound(0, lunghezza, int(m_testo.size()) - m_selStart);
    MostraSelezione();
    emit selezioneCambiata();
}

void CasellaTesto::ImpostaSelezione(int start, int lunghezza)
{
    m_selStart = qBound(0, start, int(m_testo.size()));
    m_selLength = qBound(0, lunghezza, int(m_testo.size()) - m_selStart);
    MostraSelezione();
    emit selezioneCambiata();
}

QString CasellaTesto::SelText() const
{
    return m_testo.mid(m_selStart, m_selLength);
}

void CasellaTesto::SostituisciSelezione(const QString& nuovo)
{
    Formato f = FormatoPredefinito();
    if (m_selStart < m_formati.size())
        f = m_formati.at(m_selStart);
    else if (m_selStart > 0 && m_selStart - 1 < m_formati.size())
        f = m_formati.at(m_selStart - 1);
    m_testo.replace(m_selStart, m_selLength, nuovo);
    m_formati.remove(m_selStart, m_selLength);
    m_formati.insert(m_selStart, nuovo.size(), f);
    m_selStart += nuovo.size();
    m_selLength = 0;
    Ridisegna();
    emit selezioneCambiata();
}

std::optional<QColor> CasellaTesto::SelColor() const
{
    if (m_formati.isEmpty())
        return QColor(Qt::black);
    if (m_selLength == 0) {
        const int p = qMin(m_selStart, int(m_formati.size()) - 1);
        return QColor(m_formati.at(p).colore);
    }
    const QRgb c = m_formati.at(m_selStart).colore;
    for (int i = m_selStart + 1; i < m_selStart + m_selLength; ++i)
        if (m_formati.at(i).colore != c)
            return std::nullopt;
    return QColor(c);
}

void CasellaTesto::ImpostaSelColor(const QColor& colore)
{
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i)
        m_formati[i].colore = colore.rgb();
    AggiornaFormatoVista(m_selStart, m_selStart + m_selLength);
}

void CasellaTesto::ImpostaSelBold(bool grassetto)
{
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i)
        m_formati[i].grassetto = grassetto;
    AggiornaFormatoVista(m_selStart, m_selStart + m_selLength);
}

void CasellaTesto::ImpostaSelFontSize(qreal punti)
{
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i)
        m_formati[i].dimensione = punti;
    AggiornaFormatoVista(m_selStart, m_selStart + m_selLength);
}

QColor CasellaTesto::ColoreCarattere(int posizione) const
{
    if (posizione < 0 || posizione >= m_formati.size())
        return QColor();
    return QColor(m_formati.at(posizione).colore);
}

bool CasellaTesto::GrassettoCarattere(int posizione) const
{
    return posizione >= 0 && posizione < m_formati.size() && m_formati.at(posizione).grassetto;
}

qreal CasellaTesto::DimensioneCarattere(int posizione) const
{
    if (posizione < 0 || posizione >= m_formati.size())
        return 0;
    return m_formati.at(posizione).dimensione;
}

void CasellaTesto::NascondiCursore()
{
    setCursorWidth(0);
}

int CasellaTesto::VistaDaModello(int pos) const
{
    return m_daModello.value(qBound(0, pos, int(m_daModello.size()) - 1));
}

int CasellaTesto::ModelloDaVista(int pos) const
{
    return m_daVista.value(qBound(0, pos, int(m_daVista.size()) - 1));
}

int CasellaTesto::PosizioneInPunto(const QPoint& puntoViewport) const
{
    return ModelloDaVista(cursorForPosition(puntoViewport).position());
}

QRect CasellaTesto::RettangoloCarattere(int posizione) const
{
    QTextCursor c(document());
    c.setPosition(VistaDaModello(posizione));
    const QRect a = cursorRect(c);
    c.setPosition(VistaDaModello(posizione + 1));
    const QRect b = cursorRect(c);
    if (b.top() == a.top() && b.left() > a.left())
        return QRect(a.left(), a.top(), b.left() - a.left(), a.height());
    return QRect(a.left(), a.top(), 6, a.height());
}

void CasellaTesto::Ridisegna()
{
    // Build the displayed document: CR LF, a lone CR and a lone LF each
    // become one displayed line break.
    const int n = m_testo.size();
    m_daModello = QVector<int>(n + 1, 0);
    m_daVista.clear();
    m_sincronizzo = true;
    {
        QSignalBlocker blocco(this);
        QTextDocument* doc = document();
        doc->clear();
        QTextCursor c(doc);
        int vista = 0;
        int i = 0;
        while (i < n) {
            const QChar ch = m_testo.at(i);
            const Formato& f = m_formati.at(i);
            QTextCharFormat fmt;
            fmt.setFontFamilies({m_fontPredefinito.family()});
            fmt.setForeground(QColor(f.colore));
            fmt.setFontWeight(f.grassetto ? QFont::Bold : QFont::Normal);
            fmt.setFontPointSize(f.dimensione);
            int larghezza = 1;
            if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                if (ch == QLatin1Char('\r') && i + 1 < n && m_testo.at(i + 1) == QLatin1Char('\n'))
                    larghezza = 2;
                c.insertBlock(QTextBlockFormat(), fmt);
            } else {
                c.insertText(QString(ch), fmt);
            }
            for (int k = 0; k < larghezza; ++k)
                m_daModello[i + k] = vista;
            m_daVista.append(i);
            i += larghezza;
            ++vista;
        }
        m_daModello[n] = vista;
        m_daVista.append(n);
    }
    m_sincronizzo = false;
    MostraSelezione();
}

void CasellaTesto::AggiornaFormatoVista(int da, int a)
{
    QSignalBlocker blocco(this);
    for (int i = da; i < a; ++i) {
        const int v = VistaDaModello(i);
        // The second character of a CR LF shares the displayed break.
        if (i > da && VistaDaModello(i - 1) == v)
            continue;
        QTextCursor c(document());
        c.setPosition(v);
        c.setPosition(v + 1, QTextCursor::KeepAnchor);
        const Formato& f = m_formati.at(i);
        QTextCharFormat fmt;
        fmt.setForeground(QColor(f.colore));
        fmt.setFontWeight(f.grassetto ? QFont::Bold : QFont::Normal);
        fmt.setFontPointSize(f.dimensione);
        c.mergeCharFormat(fmt);
    }
}

void CasellaTesto::MostraSelezione()
{
    m_sincronizzo = true;
    {
        QSignalBlocker blocco(this);
        QTextCursor c(document());
        c.setPosition(VistaDaModello(m_selStart));
        c.setPosition(VistaDaModello(m_selStart + m_selLength), QTextCursor::KeepAnchor);
        setTextCursor(c);
    }
    m_sincronizzo = false;
}

void CasellaTesto::SelezioneDallaVista()
{
    if (m_sincronizzo)
        return;
    const QTextCursor c = textCursor();
    const int a = ModelloDaVista(c.selectionStart());
    const int b = ModelloDaVista(c.selectionEnd());
    if (a == m_selStart && b - a == m_selLength)
        return;
    m_selStart = a;
    m_selLength = b - a;
    emit selezioneCambiata();
}

void CasellaTesto::mousePressEvent(QMouseEvent* e)
{
    if (!m_ingresso) {
        e->accept();
        return;
    }
    emit pulsantePremuto();
    QTextEdit::mousePressEvent(e);
}

void CasellaTesto::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_ingresso) {
        e->accept();
        return;
    }
    QTextEdit::mouseMoveEvent(e);
}

void CasellaTesto::mouseReleaseEvent(QMouseEvent* e)
{
    if (!m_ingresso) {
        e->accept();
        return;
    }
    QTextEdit::mouseReleaseEvent(e);
    emit pulsanteRilasciato();
    emit clic();
}

void CasellaTesto::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (!m_ingresso) {
        e->accept();
        return;
    }
    // The word is selected first; the double-click is reported before the
    // change of selection, so a handler can arm itself for it (or undo it).
    const auto parola = ParolaInPosizione(m_testo, PosizioneInPunto(e->position().toPoint()));
    m_selStart = qMin(parola.first, int(m_testo.size()));
    m_selLength = qMax(0, qMin(parola.second, int(m_testo.size())) - m_selStart);
    MostraSelezione();
    emit doppioClic();
    emit selezioneCambiata();
    e->accept();
}

void CasellaTesto::keyPressEvent(QKeyEvent* e)
{
    // Mouse-only boxes: the keyboard neither edits nor moves the selection.
    e->ignore();
}
