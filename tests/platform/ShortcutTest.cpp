#include "platform/Shortcut.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Shortcut, WritesAnExecutableLauncherInANewFolderAndFailsWhereItCannot)
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

    // An unwritable place (a file where the folder should be) or none fails.
    bool ok = true;
    EXPECT_NO_THROW(ok = crearAccesoDirecto(path + "/Escritorio", "Naipex 2.0", programa));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(crearAccesoDirecto(QString(), "Naipex 2.0", programa));
}

TEST(Shortcut, ReservedCharactersInThePathAreEscaped)
{
    EXPECT_EQ(desktopExecValue("/a b/Truco"), "\"/a b/Truco\"");
    EXPECT_EQ(desktopExecValue("/x$y/`z`/\"q\"/100%/T"),
              "\"/x\\\\$y/\\\\`z\\\\`/\\\\\"q\\\\\"/100%%/T\"");
    EXPECT_EQ(desktopExecValue("/a\\b"), "\"/a\\\\\\\\b\"");
}
