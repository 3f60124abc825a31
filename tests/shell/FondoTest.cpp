#include "shell/Fondo.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Each pixel of the tile tells where in the tile it is.
QPixmap tileReconocible(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x, y, 77));
    return QPixmap::fromImage(img);
}

bool enMarco(int x, int y) { return x >= 123 && x <= 412 && y >= 78 && y <= 312; }

}  // namespace

TEST(Fondo, TilePositionsReachPastTheFarEdges)
{
    const auto pos = posicionesMosaico(QSize(700, 500), QSize(160, 160));
    ASSERT_EQ(pos.size(), 6 * 5);
    EXPECT_EQ(pos.front(), QPoint(0, 0));
    EXPECT_EQ(pos[1], QPoint(160, 0));
    EXPECT_EQ(pos[6], QPoint(0, 160));
    EXPECT_EQ(pos.back(), QPoint(800, 640));

    // Exact multiples still get the spare row and column.
    const auto exactas = posicionesMosaico(QSize(320, 160), QSize(160, 160));
    EXPECT_EQ(exactas.size(), 4 * 3);
    EXPECT_TRUE(posicionesMosaico(QSize(700, 500), QSize(0, 160)).isEmpty());
}

TEST(Fondo, TilesCoverTheWholeTableAndTheClothSitsInItsFrame)
{
    QImage mesa(700, 500, QImage::Format_RGB32);
    mesa.fill(qRgb(255, 0, 255));
    {
        QPainter p(&mesa);
        pintarFondo(p, mesa.size(), tileReconocible(160, 160));
    }
    for (int y = 0; y < mesa.height(); ++y) {
        for (int x = 0; x < mesa.width(); ++x) {
            if (enMarco(x, y))
                continue;
            ASSERT_EQ(mesa.pixel(x, y), qRgb(x % 160, y % 160, 77)) << x << "," << y;
        }
    }
    // A black border two pixels wide round a blue cloth.
    const QRgb negro = qRgb(0, 0, 0), azul = qRgb(128, 128, 255);
    for (const auto& [x, y, color] : {std::tuple{200, 78, negro}, {200, 79, negro}, {200, 80, azul}, {125, 80, azul},
                                      {410, 310, azul}, {200, 310, azul}, {200, 311, negro}, {200, 312, negro},
                                      {123, 200, negro}, {124, 200, negro}, {411, 200, negro}, {412, 200, negro},
                                      {300, 200, azul}})
        EXPECT_EQ(mesa.pixel(x, y), color) << x << "," << y;
    // The corners the border boxes leave out keep the tiles.
    EXPECT_EQ(mesa.pixel(123, 78), qRgb(123, 78, 77));
    EXPECT_EQ(mesa.pixel(412, 312), qRgb(412 % 160, 312 % 160, 77));
}
