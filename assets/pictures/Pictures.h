#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QPen>
#include <QString>

// Pictures of the game, drawn at build time by truco_genpictures.

// Cards of the Spanish deck: number 1-7 or 10-12, suit letter O, C, E or B.
QString cardCode(int number, QChar suit);
QImage drawCard(int number, QChar suit); // 120 x 184

// Portraits of the players at the table.
int faceCount();
QImage drawFace(int index); // 128 x 128, transparent outside the backdrop
// The computer opponent, framed like the players.
QImage drawPcFace(); // 128 x 128

// Tileable table backgrounds offered to the player.
struct Background {
    QString fileName;
    QImage image; // 256 x 256
};
QList<Background> drawBackgrounds();
// The built-in green baize of the table.
QImage drawBuiltinBaize(); // 160 x 160

// The about window: its backdrop and the game's logo (the maker's logo is
// the installer's, in Logos.h).
QImage drawAboutBackdrop(); // 460 x 320
QImage drawGameLogo();      // 290 x 84
// The table's picture link to the maker's site.
QImage drawLinkPicture();   // 120 x 240

// A pen whose width is in pixels whatever the painter's scale.
inline QPen hairline(const QColor& color, double width = 1.0)
{
    QPen pen(color, width);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}
