#include "Logos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage blank(int side)
{
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// The maker's mark: a rounded tile with a bold Q whose tail is a card.
void drawMark(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(196, 30, 42));
    g.setColorAt(1, QColor(110, 10, 24));
    p.setPen(QPen(QColor(250, 214, 90), r.width() / 40));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(r.width() / 40, r.width() / 40, -r.width() / 40, -r.width() / 40),
                      r.width() / 6, r.width() / 6);

    const QPointF c = r.center() - QPointF(r.width() * 0.04, r.height() * 0.06);
    const double rad = r.width() * 0.28;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 246, 220), r.width() * 0.1));
    p.drawEllipse(c, rad, rad);

    // The tail: a small card leaning out of the ring.
    p.save();
    p.translate(c + QPointF(rad * 0.75, rad * 0.8));
    p.rotate(-28);
    const QRectF carta(-r.width() * 0.08, -r.height() * 0.12, r.width() * 0.16, r.height() * 0.24);
    p.setPen(QPen(QColor(60, 20, 20), r.width() / 80));
    p.setBrush(QColor(255, 250, 236));
    p.drawRoundedRect(carta, r.width() / 60, r.width() / 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 170, 30));
    p.drawEllipse(carta.center(), carta.width() * 0.28, carta.width() * 0.28);
    p.restore();
}

void drawCardAt(QPainter& p, QPointF pivot, double angle, QColor border, int suit)
{
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    const QRectF r(-22, -70, 44, 68);
    p.setPen(QPen(border, 3));
    p.setBrush(QColor(255, 251, 240));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(Qt::NoPen);
    const QPointF c = r.center();
    switch (suit) {
    case 0:  // a coin
        p.setBrush(QColor(230, 170, 20));
        p.drawEllipse(c, 13, 13);
        p.setBrush(QColor(250, 215, 90));
        p.drawEllipse(c, 7, 7);
        break;
    case 1: {  // a cup
        p.setBrush(QColor(200, 30, 40));
        QPainterPath cup;
        cup.moveTo(c + QPointF(-12, -12));
        cup.lineTo(c + QPointF(12, -12));
        cup.quadTo(c + QPointF(12, 4), c + QPointF(0, 4));
        cup.quadTo(c + QPointF(-12, 4), c + QPointF(-12, -12));
        p.drawPath(cup);
        p.drawRect(QRectF(c.x() - 2.5, c.y() + 3, 5, 8));
        p.drawRect(QRectF(c.x() - 9, c.y() + 11, 18, 4));
        break;
    }
    default:  // a sword
        p.setBrush(QColor(40, 80, 170));
        p.drawRect(QRectF(c.x() - 2.5, c.y() - 22, 5, 32));
        p.setBrush(QColor(200, 150, 40));
        p.drawRect(QRectF(c.x() - 10, c.y() + 8, 20, 4));
        p.drawRect(QRectF(c.x() - 2.5, c.y() + 12, 5, 9));
        break;
    }
    p.restore();
}

}  // namespace

QImage drawMakerLogo()
{
    QImage img = blank(240);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(0, 0, 240, 240));
    return img;
}

QImage drawGroupIcon()
{
    QImage img = blank(128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(0, 0, 128, 128));
    return img;
}

QImage drawGameIcon()
{
    QImage img = blank(128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A green baize disc behind the fan.
    QRadialGradient g(QPointF(64, 64), 62);
    g.setColorAt(0, QColor(40, 140, 70));
    g.setColorAt(1, QColor(16, 84, 40));
    p.setPen(QPen(QColor(250, 214, 90), 3));
    p.setBrush(g);
    p.drawEllipse(QPointF(64, 64), 61, 61);
    const QPointF pivot(64, 108);
    drawCardAt(p, pivot, -24, QColor(40, 80, 170), 2);
    drawCardAt(p, pivot, 0, QColor(200, 30, 40), 1);
    drawCardAt(p, pivot, 24, QColor(180, 130, 20), 0);
    return img;
}

QImage drawWebSiteIcon()
{
    QImage img = blank(128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(64, 64);
    QRadialGradient g(QPointF(50, 46), 70);
    g.setColorAt(0, QColor(120, 190, 250));
    g.setColorAt(1, QColor(20, 80, 170));
    p.setPen(QPen(QColor(10, 40, 100), 3));
    p.setBrush(g);
    p.drawEllipse(c, 58, 58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 245, 255), 3));
    p.drawEllipse(c, 24, 58);
    p.drawLine(QPointF(64, 6), QPointF(64, 122));
    p.drawLine(QPointF(6, 64), QPointF(122, 64));
    p.drawLine(QPointF(16, 36), QPointF(112, 36));
    p.drawLine(QPointF(16, 92), QPointF(112, 92));
    return img;
}
