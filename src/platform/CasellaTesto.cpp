#include "platform/CasellaTesto.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

CasellaTesto::CasellaTesto(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(false);
    setFocusPolicy(Qt::ClickFocus);
    // The box never shows a text caret.
    setCursorWidth(0);
    document()->setDocumentMargin(px(4));
    ImpostaFontPredefinito(QFont(QStringLiteral("Arial"), 12));
    m_daModello = {0};
    m_daVista = {0};
    connect(this, &QTextEdit::selectionChanged, this, &CasellaTesto::SelezioneDallaVista);
    connect(this, &QTextEdit::cursorPositionChanged, this, &CasellaTesto::SelezioneDallaVista);
    ImpostaModello(&m_proprio);
}

void CasellaTesto::ImpostaSenzaScorrimento()
{
    m_senzaScorrimento = true;
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A drag to the line break that ends the text, or a selection made by the
    // program, would scroll the box: it goes back to the top at once.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int valore) {
        if (valore != 0)
            verticalScrollBar()->setValue(0);
    });
    verticalScrollBar()->setValue(0);
}

void CasellaTesto::ImpostaModello(TestoFormattato* modello)
{
    if (m_modello)
        disconnect(m_modello, nullptr, this, nullptr);
    m_modello = modello;
    connect(m_modello, &TestoFormattato::testoCambiato, this, &CasellaTesto::Ridisegna);
    connect(m_modello, &TestoFormattato::formatoCambiato, this, &CasellaTesto::AggiornaFormato);
    connect(m_modello, &TestoFormattato::selezioneCambiata, this, [this] {
        // A selection the pointer made is already on screen.
        if (!m_sincronizzo)
            MostraSelezione();
        emit selezioneCambiata();
    });
    Ridisegna();
}

void CasellaTesto::ImpostaFontPredefinito(const QFont& font)
{
    m_famiglia = font.family();
    QFont vista(font);
    vista.setPointSizeF(pt(font.pointSizeF()));
    document()->setDefaultFont(vista);
    m_proprio.ImpostaFormatoIniziale(font.bold(), font.pointSizeF());
}

namespace {
QTextCharFormat FormatoVista(const FormatoCarattere& f)
{
    QTextCharFormat fmt;
    fmt.setForeground(QColor(f.colore));
    fmt.setFontWeight(f.grassetto ? QFont::Bold : QFont::Normal);
    fmt.setFontPointSize(pt(f.dimensione));
    return fmt;
}

bool FineRiga(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}
} // namespace

int CasellaTesto::VistaDaModello(int pos) const
{
    return m_daModello.value(qBound(0, pos, int(m_daModello.size()) - 1));
}

int CasellaTesto::ModelloDaVista(int pos) const
{
    return m_daVista.value(qBound(0, pos, int(m_daVista.size()) - 1));
}

int CasellaTesto::CarattereInPunto(const QPoint& puntoViewport) const
{
    // The block under the point, then its line, then the glyph whose advance
    // holds the point. QTextLine::xToCursor with CursorOnCharacter would give
    // the character before the nearest gap, which is the same fault again.
    const QTextBlock blocco = cursorForPosition(puntoViewport).block();
    const QTextLayout* layout = blocco.layout();
    if (!layout || layout->lineCount() == 0)
        return blocco.position();
    const QPointF p = QPointF(puntoViewport) + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value())
        - layout->position();
    int riga = 0;
    while (riga + 1 < layout->lineCount() && p.y() >= layout->lineAt(riga).rect().bottom())
        ++riga;
    const QTextLine linea = layout->lineAt(riga);
    const int fine = linea.textStart() + linea.textLength();
    for (int c = linea.textStart(); c < fine; ++c)
        if (p.x() < linea.cursorToX(c + 1))
            return blocco.position() + c;
    // Past the text: a wrapped line ends with its blank, the last line of the
    // block with the line break.
    return blocco.position() + (riga + 1 < layout->lineCount() ? fine - 1 : fine);
}

int CasellaTesto::PosizioneInPunto(const QPoint& puntoViewport) const
{
    return ModelloDaVista(CarattereInPunto(puntoViewport));
}

QRect CasellaTesto::RettangoloCarattere(int posizione) const
{
    const int vista = VistaDaModello(posizione);
    const QTextBlock blocco = document()->findBlock(vista);
    const QTextLayout* layout = blocco.layout();
    if (!layout || layout->lineCount() == 0)
        return QRect();
    // The line that holds the character (lineForTextPosition gives the line
    // before, for the first character of a wrapped line).
    const int c = vista - blocco.position();
    int riga = 0;
    while (riga + 1 < layout->lineCount() && c >= layout->lineAt(riga + 1).textStart())
        ++riga;
    const QTextLine linea = layout->lineAt(riga);
    const QPointF origine = layout->position() - QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const qreal sinistra = origine.x() + linea.cursorToX(c);
    // A line break has no glyph: the points just after the line's end.
    const qreal destra = c + 1 < blocco.length() ? origine.x() + linea.cursorToX(c + 1) : sinistra + 6;
    const qreal alto = origine.y() + linea.y();
    // A point x lies on the character when sinistra <= x < destra.
    return QRect(QPoint(qCeil(sinistra), qCeil(alto)),
                 QPoint(qMax(qCeil(sinistra), qCeil(destra) - 1), qCeil(alto + linea.height()) - 1));
}

void CasellaTesto::Ridisegna()
{
    // CR LF, a lone CR and a lone LF each become one displayed line break;
    // the other characters go in as runs of one format, so that a long text
    // is laid out once, not once per character.
    const QString& testo = m_modello->Testo();
    const QVector<FormatoCarattere>& formati = m_modello->Formati();
    const int n = int(testo.size());
    m_daModello = QVector<int>(n + 1, 0);
    m_daVista.clear();
    m_daVista.reserve(n + 1);
    m_sincronizzo = true;
    {
        QSignalBlocker blocco(this);
        QTextDocument* doc = document();
        doc->clear();
        QTextCursor c(doc);
        c.beginEditBlock();
        int vista = 0;
        int i = 0;
        while (i < n) {
            QTextCharFormat fmt = FormatoVista(formati.at(i));
            fmt.setFontFamilies({m_famiglia});
            if (FineRiga(testo.at(i))) {
                const int larghezza =
                    testo.at(i) == QLatin1Char('\r') && i + 1 < n && testo.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
                c.insertBlock(QTextBlockFormat(), fmt);
                for (int k = 0; k < larghezza; ++k)
                    m_daModello[i + k] = vista;
                m_daVista.append(i);
                i += larghezza;
                ++vista;
                continue;
            }
            int fine = i + 1;
            while (fine < n && !FineRiga(testo.at(fine)) && formati.at(fine) == formati.at(i))
                ++fine;
            c.insertText(testo.mid(i, fine - i), fmt);
            for (; i < fine; ++i, ++vista) {
                m_daModello[i] = vista;
                m_daVista.append(i);
            }
        }
        c.endEditBlock();
        m_daModello[n] = vista;
        m_daVista.append(n);
    }
    m_sincronizzo = false;
    MostraSelezione();
}

void CasellaTesto::AggiornaFormato(int da, int a)
{
    const QVector<FormatoCarattere>& formati = m_modello->Formati();
    QSignalBlocker blocco(this);
    QTextCursor c(document());
    c.beginEditBlock();
    int i = da;
    while (i < a) {
        int fine = i + 1;
        while (fine < a && formati.at(fine) == formati.at(i))
            ++fine;
        // The second character of a CR LF shares the displayed break.
        c.setPosition(VistaDaModello(i));
        c.setPosition(qMax(VistaDaModello(fine - 1) + 1, VistaDaModello(i) + 1), QTextCursor::KeepAnchor);
        c.mergeCharFormat(FormatoVista(formati.at(i)));
        i = fine;
    }
    c.endEditBlock();
}

void CasellaTesto::MostraSelezione()
{
    m_sincronizzo = true;
    {
        QSignalBlocker blocco(this);
        QTextCursor c(document());
        c.setPosition(VistaDaModello(m_modello->SelStart()));
        c.setPosition(VistaDaModello(m_modello->SelStart() + m_modello->SelLength()), QTextCursor::KeepAnchor);
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
    if (a == m_modello->SelStart() && b - a == m_modello->SelLength())
        return;
    m_sincronizzo = true;
    m_modello->ImpostaSelezione(a, b - a);
    m_sincronizzo = false;
}

void CasellaTesto::PortaCursore(int ancora, int posizione)
{
    QTextCursor c(document());
    c.setPosition(ancora);
    c.setPosition(posizione, QTextCursor::KeepAnchor);
    // SelezioneDallaVista hands it to the model.
    setTextCursor(c);
}

void CasellaTesto::SeguiPuntatore(const QPoint& puntoViewport)
{
    const int qui = CarattereInPunto(puntoViewport);
    // A click that shakes by a pixel marks nothing; two pixels still fit in
    // the narrowest letter at the smallest size, so one letter can be marked.
    if (!m_trascino && qui == m_primoCarattere && (puntoViewport - m_puntoPremuto).manhattanLength() < 2)
        return;
    m_trascino = true;
    // Both end characters belong to the stretch. The cursor ends at the
    // pointer's side, so that the box scrolls after the pointer.
    const int ultimo = document()->characterCount() - 1;
    const int inizio = qMin(m_primoCarattere, qui);
    const int fine = qMin(qMax(m_primoCarattere, qui) + 1, ultimo);
    if (qui >= m_primoCarattere)
        PortaCursore(inizio, fine);
    else
        PortaCursore(fine, inizio);
}

void CasellaTesto::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
    if (e->button() == Qt::LeftButton) {
        // The insertion point goes before the character under the pointer;
        // what is marked waits for the pointer to move.
        m_puntoPremuto = e->position().toPoint();
        m_primoCarattere = CarattereInPunto(m_puntoPremuto);
        m_trascino = false;
        PortaCursore(m_primoCarattere, m_primoCarattere);
    }
    emit premuto();
}

void CasellaTesto::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
    // The base class only scrolls a box taller than its text while the
    // pointer is held outside it (it calls back here as it scrolls).
    if (!m_segnaTesto)
        return;
    QTextEdit::mouseMoveEvent(e);
    if (m_primoCarattere >= 0 && (e->buttons() & Qt::LeftButton))
        SeguiPuntatore(e->position().toPoint());
}

void CasellaTesto::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
    if (m_primoCarattere >= 0 && e->button() == Qt::LeftButton) {
        if (m_segnaTesto)
            SeguiPuntatore(e->position().toPoint());
        m_primoCarattere = -1;
    }
    QTextEdit::mouseReleaseEvent(e);
    emit rilasciato();
}

void CasellaTesto::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
    // The word is selected first, so that whoever hears of the double-click
    // finds it selected.
    const int posizione = PosizioneInPunto(e->position().toPoint());
    m_modello->SelezionaParola(posizione);
    emit doppioClic(posizione);
}

void CasellaTesto::wheelEvent(QWheelEvent* e)
{
    if (m_senzaScorrimento)
        e->ignore();
    else
        QTextEdit::wheelEvent(e);
}

void CasellaTesto::keyPressEvent(QKeyEvent* e)
{
    // Mouse-only boxes: the keyboard neither edits nor moves the selection.
    e->ignore();
}
