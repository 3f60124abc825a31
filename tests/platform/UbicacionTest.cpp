// The program finds its data and modules from its own folder in the three
// ways it is laid out: the build tree, Instalox's folder and an installed
// prefix.
#include "platform/Ubicacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void tocar(const QString& ruta)
{
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

}  // namespace

TEST(Ubicacion, BuildTreeKeepsEverythingBesideTheProgram)
{
    QTemporaryDir t;
    const QString bin = t.filePath(QStringLiteral("build/bin"));
    QDir().mkpath(bin + QStringLiteral("/cartas"));
    tocar(bin + QStringLiteral("/Mswinsck.ocx"));
    const Ubicacion u = ubicacionDe(bin);
    EXPECT_EQ(u.datos, bin);
    EXPECT_EQ(u.modulos, bin);
}

TEST(Ubicacion, InstaloxFolderWithCapitalisedCardsIsBesideTheProgram)
{
    QTemporaryDir t;
    const QString carpeta = t.filePath(QStringLiteral("opt/Orvalia/Naipex"));
    QDir().mkpath(carpeta + QStringLiteral("/Cartas"));
    // An unrelated installation next door does not take over.
    QDir().mkpath(t.filePath(QStringLiteral("opt/Orvalia/share/naipex")));
    const Ubicacion u = ubicacionDe(carpeta);
    EXPECT_EQ(u.datos, carpeta);
    EXPECT_EQ(u.modulos, carpeta);
}

TEST(Ubicacion, HelpAloneMarksDataBesideTheProgram)
{
    QTemporaryDir t;
    const QString bin = t.filePath(QStringLiteral("bin"));
    tocar(bin + QStringLiteral("/Truco.hlp"));
    QDir().mkpath(t.filePath(QStringLiteral("share/naipex/cartas")));
    EXPECT_EQ(ubicacionDe(bin).datos, bin);
}

TEST(Ubicacion, InstalledPrefixReadsShareAndLoadsFromLib)
{
    QTemporaryDir t;
    const QString prefijo = t.filePath(QStringLiteral("otro prefijo"));
    const QString bin = prefijo + QStringLiteral("/bin");
    QDir().mkpath(bin);
    tocar(bin + QStringLiteral("/Truco"));
    QDir().mkpath(prefijo + QStringLiteral("/share/naipex/cartas"));
    tocar(prefijo + QStringLiteral("/lib/naipex/Mswinsck.ocx"));
    const Ubicacion u = ubicacionDe(bin);
    EXPECT_EQ(u.datos, prefijo + QStringLiteral("/share/naipex"));
    EXPECT_EQ(u.modulos, prefijo + QStringLiteral("/lib/naipex"));
}

TEST(Ubicacion, ProgramWithoutAnyDataLooksBesideItself)
{
    QTemporaryDir t;
    const QString bin = t.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const Ubicacion u = ubicacionDe(bin);
    EXPECT_EQ(u.datos, bin);
    EXPECT_EQ(u.modulos, bin);
}
