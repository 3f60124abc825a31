// The pictures drawn at build time: the deck beside the program and the
// table's baize compiled in.
#include "motor/Cartas.h"

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage loaded(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// Mean difference between two columns of pixels, over the three channels.
double columnDistance(const QImage& img, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y), q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return sum / (3.0 * img.height());
}

}  // namespace

TEST(Pictures, TheFortyCardsLieBesideTheProgramLargeEnoughForA4KTable)
{
    QList<QImage> cards;
    for (const std::string& c : reglas::mazo()) {
        const QImage card = loaded(QCoreApplication::applicationDirPath() + "/cartas/" + QString::fromStdString(c) + ".jpg");
        SCOPED_TRACE(c);
        ASSERT_FALSE(card.isNull());
        // A maximised table on a 3840 x 2160 screen shows a card about 244 x 374.
        EXPECT_GE(card.width(), 244);
        EXPECT_GE(card.height(), 374);
        EXPECT_NEAR(double(card.width()) / card.height(), 60.0 / 92.0, 0.01);
        for (const QImage& other : cards)
            EXPECT_NE(card, other);
        cards << card;
    }
}

TEST(Pictures, TheBuiltInBaizeTilesWithoutASeam)
{
    const QImage baize = loaded(QStringLiteral(":/fondo/fondo.bmp"));
    ASSERT_EQ(baize.size(), QSize(160, 160));
    // Where two tiles meet, the step between columns is no larger than
    // between neighbouring columns inside the picture.
    EXPECT_LT(columnDistance(baize, 159, 0), columnDistance(baize, 79, 80) * 1.5 + 1);
}
