// The game finds its data folders whatever their case: the installer writes
// "Cartas", the build tree and older copies have "cartas".
#include "game/FFlor.h"
#include "platform/CardPictures.h"
#include "platform/Carpetas.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Carpetas, DataFoldersAreFoundWhateverTheirCase)
{
    QTemporaryDir t;
    const QString base = t.path();
    // Missing: the name as written.
    EXPECT_EQ(buscarCarpeta(base, QStringLiteral("cartas")), base + QStringLiteral("/cartas"));
    QDir().mkpath(base + QStringLiteral("/Cartas"));
    EXPECT_EQ(buscarCarpeta(base, QStringLiteral("cartas")), base + QStringLiteral("/Cartas"));
    // The exact name wins over another case; a file of that name is no folder.
    QDir().mkpath(base + QStringLiteral("/SONIDOS"));
    QDir().mkpath(base + QStringLiteral("/Sonidos"));
    EXPECT_EQ(buscarCarpeta(base, QStringLiteral("Sonidos")), base + QStringLiteral("/Sonidos"));
    QDir().mkpath(base + QStringLiteral("/Sonidos/mujer"));
    EXPECT_EQ(archivoDeSonido(base, 0, 0, QStringLiteral("2")), base + QStringLiteral("/Sonidos/mujer/quiero.wav"));

    // A card picture under "Cartas" is the one shown.
    QImage rojo(120, 184, QImage::Format_RGB32);
    rojo.fill(Qt::red);
    ASSERT_TRUE(rojo.save(base + QStringLiteral("/Cartas/4O.jpg"), "JPG", 100));
    const QImage visto = loadCardPicture(base, QStringLiteral("4O")).toImage();
    ASSERT_EQ(visto.size(), rojo.size());
    EXPECT_GT(visto.pixelColor(60, 90).red(), 240);
    EXPECT_LT(visto.pixelColor(60, 90).green(), 20);
}
