#include "shell/Fondo.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <cmath>

QVector<QPoint> posicionesMosaico(QSize mesa, QSize tile)
{
    QVector<QPoint> out;
    const int wp = tile.width();
    const int hp = tile.height();
    if (wp <= 0 || hp <= 0 || mesa.width() < 0 || mesa.height() < 0)
        return out;
    const int filas = mesa.height() / hp + 1;
    const int columnas = mesa.width() / wp + 1;
    out.reserve((filas + 1) * (columnas + 1));
    for (int i = 0; i <= filas; ++i) {
        for (int j = 0; j <= columnas; ++j)
            out.append(QPoint(j * wp, i * hp));
    }
    return out;
}

// A box filled from one corner to the other, both corners included.
static void caja(QPainter& p, int x1, int y1, int x2, int y2, const QColor& color)
{
    const QRect r(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    p.fillRect(r, color);
}

void pintarMarco(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor negro(0, 0, 0);
    caja(p, 125, 80, 410, 78, negro);
    caja(p, 125, 309, 410, 312, negro);
    caja(p, 123, 79, 125, 310, negro);
    caja(p, 411, 79, 412, 310, negro);
    caja(p, 125, 80, 410, 310, QColor(128, 128, 255));
    p.restore();
}

void pintarFondo(QPainter& p, QSize mesa, const QPixmap& tile) { pintarFondo(p, QRectF(QPointF(0, 0), QSizeF(mesa)), tile); }

void pintarFondo(QPainter& p, const QRectF& area, const QPixmap& tile)
{
    if (!tile.isNull()) {
        const int wp = tile.width(), hp = tile.height();
        const int x0 = int(std::floor(area.left() / wp)) * wp;
        const int y0 = int(std::floor(area.top() / hp)) * hp;
        const QSize cubrir(int(std::ceil(area.right() - x0)), int(std::ceil(area.bottom() - y0)));
        for (const QPoint& pos : posicionesMosaico(cubrir, tile.size()))
            p.drawPixmap(pos + QPoint(x0, y0), tile);
    }
    pintarMarco(p);
}
