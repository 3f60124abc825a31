// The about window's backdrop and the game's logo, and the picture link of
// the table.
#include "Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kNavy(35, 48, 138);
const QColor kGold(240, 186, 30);

// A card of the deck, small and turned about its bottom centre.
void fannedCard(QPainter& p, int number, QChar suit, QPointF base, double height, double angle)
{
    const QImage card = drawCard(number, suit);
    const double scale = height / card.height();
    p.save();
    p.translate(base);
    p.rotate(angle);
    p.scale(scale, scale);
    p.drawImage(QPointF(-card.width() / 2.0, -card.height()), card);
    p.restore();
}

QFont sans(int pixels, bool bold, bool italic = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

QImage drawAboutBackdrop()
{
    QImage img(460, 320, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 320);
    sky.setColorAt(0, QColor(250, 251, 255));
    sky.setColorAt(1, QColor(214, 222, 246));
    p.fillRect(img.rect(), sky);
    // Faint suit-coloured stripes along the bottom.
    const QColor stripes[] = {QColor(240, 186, 30, 70), QColor(200, 38, 40, 55), QColor(40, 86, 170, 55),
                              QColor(46, 125, 50, 55)};
    for (int i = 0; i < 4; ++i) {
        QPainterPath band;
        band.moveTo(0, 292 + i * 7);
        band.cubicTo(150, 270 + i * 7, 310, 318 + i * 7, 460, 286 + i * 7);
        band.lineTo(460, 320);
        band.lineTo(0, 320);
        band.closeSubpath();
        p.fillPath(band, stripes[i]);
    }
    p.setPen(QPen(QColor(150, 160, 200), 1));
    p.drawLine(24, 132, 436, 132);
    return img;
}

QImage drawGameLogo()
{
    // The logo lies at (140, 36) on the about window's backdrop: drawn over
    // that very piece of it, it shows no box of its own.
    QImage img = drawAboutBackdrop().copy(140, 36, 290, 84);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    fannedCard(p, 1, 'E', QPointF(40, 80), 66, -16);
    fannedCard(p, 7, 'O', QPointF(42, 80), 66, 0);
    fannedCard(p, 3, 'C', QPointF(44, 80), 66, 16);
    p.setFont(sans(40, true, true));
    p.setPen(kNavy);
    p.drawText(QRectF(84, 2, 206, 52), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Naipex"));
    p.setFont(sans(14, false));
    p.setPen(QColor(70, 70, 90));
    p.drawText(QRectF(88, 52, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Truco argentino 2.0"));
    return img;
}

QImage drawLinkPicture()
{
    QImage img(120, 240, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient night(0, 0, 0, 240);
    night.setColorAt(0, kNavy.lighter(130));
    night.setColorAt(1, kNavy.darker(130));
    p.fillRect(img.rect(), night);
    p.setPen(QPen(kGold, 2));
    p.drawRect(QRectF(1, 1, 118, 238));

    p.setPen(Qt::white);
    p.setFont(sans(15, true));
    p.drawText(QRectF(4, 10, 112, 40), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Más juegos"));
    p.setPen(kGold);
    p.setFont(sans(22, true));
    p.drawText(QRectF(4, 40, 112, 30), Qt::AlignCenter, QStringLiteral("GRATIS"));

    fannedCard(p, 12, 'B', QPointF(58, 170), 84, -14);
    fannedCard(p, 1, 'O', QPointF(62, 170), 84, 12);

    p.setPen(Qt::white);
    p.setFont(sans(12, true));
    p.drawText(QRectF(4, 178, 112, 24), Qt::AlignCenter, QStringLiteral("Descárguelos"));
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(16, 206, 88, 22), 8, 8);
    p.setPen(kNavy);
    p.setFont(sans(12, true));
    p.drawText(QRectF(16, 206, 88, 22), Qt::AlignCenter, QStringLiteral("Clic aquí"));
    return img;
}
