#include "platform/Immagini.h"

#include "platform/Twips.h"

#include <QAction>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

namespace {
// A transparent picture of l x a design pixels at the scale.
QPixmap Vuota(int l, int a)
{
    QPixmap p(px(l), px(a));
    p.fill(Qt::transparent);
    return p;
}

// Pictures are drawn in design pixels.
void Prepara(QPainter& g)
{
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(Scala(), Scala());
}
} // namespace

QPixmap ImmagineSpunta()
{
    QPixmap p = Vuota(16, 16);
    QPainter g(&p);
    Prepara(g);
    g.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    return p;
}

QPixmap ImmagineMatita()
{
    QPixmap p = Vuota(16, 16);
    QPainter g(&p);
    Prepara(g);
    g.translate(8, 8);
    g.rotate(-45);
    g.setPen(QPen(QColor(60, 60, 60), 0.8));
    g.setBrush(QColor(240, 190, 40));
    g.drawRect(QRectF(-5, -2, 9, 4));
    g.setBrush(QColor(230, 120, 140));
    g.drawRect(QRectF(4, -2, 2.5, 4));
    g.setBrush(QColor(235, 210, 170));
    g.drawPolygon(QPolygonF({QPointF(-5, -2), QPointF(-8, 0), QPointF(-5, 2)}));
    return p;
}

QPixmap ImmagineLibroChiuso()
{
    QPixmap p = Vuota(32, 32);
    QPainter g(&p);
    Prepara(g);
    g.setPen(QPen(QColor(90, 0, 0), 1));
    g.setBrush(QColor(200, 30, 30));
    g.drawRoundedRect(QRectF(7, 4, 18, 24), 2, 2);
    g.setBrush(QColor(250, 245, 230));
    g.drawRect(QRectF(23, 6, 3, 21));
    g.setPen(QPen(QColor(250, 220, 120), 1.5));
    g.drawLine(QPointF(11, 10), QPointF(20, 10));
    g.drawLine(QPointF(11, 13), QPointF(18, 13));
    return p;
}

QPixmap ImmagineLibroAperto()
{
    QPixmap p = Vuota(32, 32);
    QPainter g(&p);
    Prepara(g);
    g.setPen(QPen(QColor(90, 0, 0), 1));
    g.setBrush(QColor(200, 30, 30));
    g.drawRect(QRectF(2, 9, 28, 16));
    g.setBrush(QColor(252, 250, 240));
    QPainterPath sinistra;
    sinistra.moveTo(16, 10);
    sinistra.quadTo(9, 6, 3, 8);
    sinistra.lineTo(3, 23);
    sinistra.quadTo(9, 21, 16, 24);
    g.drawPath(sinistra);
    QPainterPath destra;
    destra.moveTo(16, 10);
    destra.quadTo(23, 6, 29, 8);
    destra.lineTo(29, 23);
    destra.quadTo(23, 21, 16, 24);
    g.drawPath(destra);
    g.setPen(QPen(QColor(120, 120, 160), 1));
    for (int y = 12; y <= 20; y += 3) {
        g.drawLine(QPointF(6, y), QPointF(13, y + 1));
        g.drawLine(QPointF(19, y + 1), QPointF(26, y));
    }
    return p;
}

QPixmap ImmagineStampante()
{
    QPixmap p = Vuota(32, 32);
    QPainter g(&p);
    Prepara(g);
    g.setPen(QPen(QColor(40, 40, 40), 1));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(9, 3, 14, 10));
    g.setBrush(QColor(120, 120, 130));
    g.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    g.setBrush(Qt::white);
    g.drawRect(QRectF(9, 19, 14, 10));
    g.setPen(QPen(QColor(80, 80, 80), 1));
    g.drawLine(QPointF(11, 23), QPointF(21, 23));
    g.drawLine(QPointF(11, 26), QPointF(19, 26));
    g.setBrush(QColor(60, 200, 60));
    g.drawEllipse(QPointF(25, 15), 1.2, 1.2);
    return p;
}

void DisegnaSfondo(QPainter& g, const QSize& dimensione)
{
    g.setRenderHint(QPainter::Antialiasing);
    // Drawn on the design's 800 x 600 pixels, stretched to the size.
    g.scale(dimensione.width() / 800.0, dimensione.height() / 600.0);
    QLinearGradient cielo(0, 0, 0, 600);
    cielo.setColorAt(0, QColor(250, 246, 228));
    cielo.setColorAt(1, QColor(222, 232, 246));
    g.fillRect(QRect(0, 0, 800, 600), cielo);
    // A sheet of lined exercise paper as the background of the menu.
    g.setPen(QPen(QColor(170, 200, 230), 1));
    for (int y = 40; y < 600; y += 30)
        g.drawLine(0, y, 800, y);
    g.setPen(QPen(QColor(230, 150, 150), 2));
    g.drawLine(24, 0, 24, 600);
    // A dark plate under "Info" and "Esci", whose captions are white.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 128));
    g.drawRoundedRect(QRectF(550, 488, 240, 42), 8, 8);
    QFont titolo(QStringLiteral("Arial"), 48, QFont::Bold);
    g.setFont(titolo);
    g.setPen(QColor(0, 0, 128));
    g.drawText(QRect(0, 20, 800, 90), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Zelora"));
    QFont sotto(QStringLiteral("Arial"), 16, QFont::Normal, true);
    g.setFont(sotto);
    g.setPen(QColor(60, 60, 110));
    g.drawText(QRect(0, 95, 800, 30), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("esercizi di analisi grammaticale"));
}

QCursor CursoreMano()
{
    return QCursor(Qt::PointingHandCursor);
}

void ImpostaImmagineVoce(QMenuBar* barra, int posizioneMenu, int posizioneVoce,
                         const QPixmap& immagine)
{
    if (!barra)
        return;
    const QList<QAction*> menu = barra->actions();
    if (posizioneMenu < 0 || posizioneMenu >= menu.size() || !menu.at(posizioneMenu)->menu())
        return;
    const QList<QAction*> voci = menu.at(posizioneMenu)->menu()->actions();
    if (posizioneVoce < 0 || posizioneVoce >= voci.size())
        return;
    voci.at(posizioneVoce)->setIcon(QIcon(immagine));
}
