#include "platform/Shortcut.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Shortcut, WritesAnExecutableLauncherInANewFolder)
{
    QTemporaryDir dir;
    const QString escritorio = dir.filePath("Escritorio/nuevo");
    const QString programa = dir.filePath("Juegos de cartas/bin/Truco");
    ASSERT_TRUE(crearAccesoDirecto(escritorio, "Naipex 2.0", programa));

    const QString path = escritorio + "/Naipex 2.0.desktop";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    const QStringList lines = text.split('\n');
    EXPECT_EQ(lines.value(0), "[Desktop Entry]");
    EXPECT_TRUE(lines.contains("Type=Application"));
    EXPECT_TRUE(lines.contains("Name=Naipex 2.0"));
    EXPECT_TRUE(lines.contains("Exec=\"" + programa + "\""));
    EXPECT_TRUE(lines.contains("Path=" + dir.filePath("Juegos de cartas/bin")));
    EXPECT_TRUE(lines.contains("Terminal=false"));

    const auto perm = QFile::permissions(path);
    EXPECT_TRUE(perm & QFileDevice::ExeOwner);
    EXPECT_TRUE(perm & QFileDevice::ExeOther);
    EXPECT_TRUE(perm & QFileDevice::ReadOther);
    EXPECT_FALSE(perm & QFileDevice::WriteOther);

    // Writing again replaces the launcher.
    EXPECT_TRUE(crearAccesoDirecto(escritorio, "Naipex 2.0", programa));
}

TEST(Shortcut, ReservedCharactersInThePathAreEscaped)
{
    EXPECT_EQ(desktopExecValue("/a b/Truco"), "\"/a b/Truco\"");
    EXPECT_EQ(desktopExecValue("/x$y/`z`/\"q\"/100%/T"),
              "\"/x\\\\$y/\\\\`z\\\\`/\\\\\"q\\\\\"/100%%/T\"");
    EXPECT_EQ(desktopExecValue("/a\\b"), "\"/a\\\\\\\\b\"");
}

TEST(Shortcut, AnUnwritablePlaceReturnsFalse)
{
    QTemporaryDir dir;
    QFile archivo(dir.filePath("archivo"));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    bool ok = true;
    EXPECT_NO_THROW(ok = crearAccesoDirecto(dir.filePath("archivo/Escritorio"), "Naipex 2.0",
                                            "/usr/games/Truco"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(crearAccesoDirecto(QString(), "Naipex 2.0", "/usr/games/Truco"));
}
