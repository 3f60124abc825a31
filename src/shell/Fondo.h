#pragma once
#include <QPixmap>
#include <QRectF>
#include <QPoint>
#include <QSize>
#include <QVector>

class QPainter;

// Top-left corners of the tiles that cover a table of the given size, one
// spare row and column included so partial tiles reach the far edges.
QVector<QPoint> posicionesMosaico(QSize mesa, QSize tile);

// The blue cloth with its black border, drawn over the tiles.
void pintarMarco(QPainter& p);

// Tiles, then the cloth: what the table paints as its background.
void pintarFondo(QPainter& p, QSize mesa, const QPixmap& tile);
// The same over any area of the table's coordinates (a scaled table shows
// margins around its own area): the tiles keep their places, then the frame.
void pintarFondo(QPainter& p, const QRectF& area, const QPixmap& tile);
