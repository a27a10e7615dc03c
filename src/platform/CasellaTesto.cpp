#include "platform/CasellaTesto.h"

#include <QMouseEvent>
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
    // The box never shows a text caret.
    setCursorWidth(0);
    ImpostaFontPredefinito(QFont(QStringLiteral("Arial"), 12));
    m_daModello = {0};
    m_daVista = {0};
    connect(this, &QTextEdit::selectionChanged, this, &CasellaTesto::SelezioneDallaVista);
    connect(this, &QTextEdit::cursorPositionChanged, this, &CasellaTesto::SelezioneDallaVista);
    ImpostaModello(&m_proprio);
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
    document()->setDefaultFont(font);
    m_proprio.ImpostaFormatoIniziale(font.bold(), font.pointSizeF());
}

namespace {
QTextCharFormat FormatoVista(const FormatoCarattere& f)
{
    QTextCharFormat fmt;
    fmt.setForeground(QColor(f.colore));
    fmt.setFontWeight(f.grassetto ? QFont::Bold : QFont::Normal);
    fmt.setFontPointSize(f.dimensione);
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

void CasellaTesto::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
    emit premuto();
    QTextEdit::mousePressEvent(e);
}

void CasellaTesto::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (m_ingresso)
        QTextEdit::mouseMoveEvent(e);
}

void CasellaTesto::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (!m_ingresso)
        return;
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

void CasellaTesto::keyPressEvent(QKeyEvent* e)
{
    // Mouse-only boxes: the keyboard neither edits nor moves the selection.
    e->ignore();
}
