// The pictures drawn at build time: the deck beside the program and the
// table's baize compiled in.
#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QStringList deckCodes()
{
    QStringList codes;
    for (QChar suit : QStringLiteral("OCEB"))
        for (int n : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12})
            codes << QString::number(n) + suit;
    return codes;
}

QImage loaded(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

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

TEST(Pictures, TheFortyCardsLieBesideTheProgramLargeEnoughForA4KTable)
{
    const QStringList codes = deckCodes();
    ASSERT_EQ(codes.size(), 40);
    QList<QImage> cards;
    for (const QString& code : codes) {
        const QImage card = loaded(programFolder() + "/cartas/" + code + ".jpg");
        ASSERT_FALSE(card.isNull()) << qPrintable(code);
        // A maximised table on a 3840 x 2160 screen shows a card about 244 x 374.
        EXPECT_GE(card.width(), 244) << qPrintable(code);
        EXPECT_GE(card.height(), 374) << qPrintable(code);
        EXPECT_NEAR(double(card.width()) / card.height(), 60.0 / 92.0, 0.01) << qPrintable(code);
        cards << card;
    }
    for (int i = 0; i < cards.size(); ++i)
        for (int j = i + 1; j < cards.size(); ++j)
            EXPECT_NE(cards[i], cards[j]) << qPrintable(codes[i]) << " = " << qPrintable(codes[j]);
}

TEST(Pictures, TheBuiltInBaizeTilesWithoutASeam)
{
    const QImage baize = loaded(QStringLiteral(":/fondo/fondo.bmp"));
    ASSERT_FALSE(baize.isNull());
    ASSERT_EQ(baize.size(), QSize(160, 160));
    // Where two tiles meet, the step between columns is no larger than
    // between neighbouring columns inside the picture.
    const double seam = columnDistance(baize, 159, 0);
    const double inside = columnDistance(baize, 79, 80);
    EXPECT_LT(seam, inside * 1.5 + 1);
}

} // namespace
