// `cmake --install` into a temporary prefix gives the layout a packager and a
// desktop expect, and the program started from there shows its table while
// writing only to the player's own folders.
#include <QCoreApplication>
#include "support/Archivos.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

QTemporaryDir* prefijo = nullptr;
QString salidaInstalacion;
bool instalado = false;

QString en(const QString& ruta) { return prefijo->filePath(ruta); }


// Every file and link under a folder, with its size and time, to see that
// nothing was written there.
QStringList inventario(const QString& carpeta)
{
    QStringList todo;
    QDirIterator it(carpeta, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        todo << fi.filePath() + QLatin1Char(' ') + QString::number(fi.size()) + QLatin1Char(' ') +
                    QString::number(fi.lastModified().toMSecsSinceEpoch());
    }
    todo.sort();
    return todo;
}

class Instalacion : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefijo = new QTemporaryDir();
        ASSERT_TRUE(prefijo->isValid());
        // A prefix other than the configured one: the layout must not depend on it.
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(CMAKE_EXE),
                {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"),
                 prefijo->filePath(QStringLiteral("usr"))});
        ASSERT_TRUE(p.waitForFinished(240000));
        salidaInstalacion = QString::fromLocal8Bit(p.readAll());
        instalado = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    static void TearDownTestSuite()
    {
        delete prefijo;
        prefijo = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(instalado) << salidaInstalacion.toStdString(); }
};

}  // namespace

TEST_F(Instalacion, ProgramDataAndModulesGoWhereTheHierarchySays)
{
    const QFileInfo truco(en(QStringLiteral("usr/bin/Truco")));
    EXPECT_TRUE(truco.isFile() && truco.isExecutable());
    const QFileInfo lanzador(en(QStringLiteral("usr/bin/naipex")));
    ASSERT_TRUE(lanzador.isSymLink());
    // Relative, so the prefix can move.
    EXPECT_EQ(lanzador.symLinkTarget(), truco.absoluteFilePath());
    EXPECT_EQ(std::filesystem::read_symlink(QFile::encodeName(lanzador.filePath()).toStdString()), "Truco");

    const QDir datos(en(QStringLiteral("usr/share/naipex")));
    EXPECT_EQ(QDir(datos.filePath(QStringLiteral("cartas"))).entryList({QStringLiteral("*.jpg")}, QDir::Files).size(), 40);
    EXPECT_FALSE(QDir(datos.filePath(QStringLiteral("Fondos"))).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QFileInfo(datos.filePath(QStringLiteral("Truco.hlp"))).isFile());
    EXPECT_TRUE(QFileInfo(datos.filePath(QStringLiteral("Truco.cnt"))).isFile());

    const QDir modulos(en(QStringLiteral("usr/lib/naipex")));
    EXPECT_TRUE(QFileInfo(modulos.filePath(QStringLiteral("Mswinsck.ocx"))).isFile());
    EXPECT_EQ(QFileInfo(modulos.filePath(QStringLiteral("NaipexWeb.so"))).isFile(), bool(CON_PAGINAS));
    // Only the program lies in bin/.
    EXPECT_EQ(QDir(en(QStringLiteral("usr/bin"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(Instalacion, MenuEntryIconsAndMetadataAreInstalled)
{
    const QString desktop = en(QStringLiteral("usr/share/applications/" NAIPEX_ID ".desktop"));
    const QByteArray entrada = leer(desktop);
    ASSERT_FALSE(entrada.isEmpty()) << desktop.toStdString();
    EXPECT_TRUE(entrada.contains("\nCategories=Game;CardGame;\n"));
    // The entry starts a program the prefix holds.
    const auto exec = entrada.mid(entrada.indexOf("\nExec=") + 6).split('\n').first().split(' ').first();
    EXPECT_TRUE(QFileInfo(en(QStringLiteral("usr/bin/") + QString::fromUtf8(exec))).isExecutable()) << exec.toStdString();
    const auto icono = entrada.mid(entrada.indexOf("\nIcon=") + 6).split('\n').first();

    for (const QString& lado : QStringLiteral(NAIPEX_ICONOS).split(QLatin1Char(','))) {
        const QString ruta = en(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(lado, QString::fromUtf8(icono)));
        const QByteArray png = leer(ruta);
        ASSERT_TRUE(png.startsWith("\x89PNG")) << ruta.toStdString();
        // The header's width and height match the folder's size.
        const auto be32 = [&](int i) {
            return (uchar(png[i]) << 24) | (uchar(png[i + 1]) << 16) | (uchar(png[i + 2]) << 8) | uchar(png[i + 3]);
        };
        EXPECT_EQ(be32(16), lado.toInt()) << ruta.toStdString();
        EXPECT_EQ(be32(20), lado.toInt()) << ruta.toStdString();
    }
    EXPECT_GE(QStringLiteral(NAIPEX_ICONOS).split(QLatin1Char(',')).size(), 4);

    const QByteArray meta = leer(en(QStringLiteral("usr/share/metainfo/" NAIPEX_ID ".metainfo.xml")));
    EXPECT_TRUE(meta.contains("<launchable type=\"desktop-id\">" NAIPEX_ID ".desktop</launchable>"));
    EXPECT_TRUE(meta.contains("<screenshot"));
    EXPECT_TRUE(meta.contains("<release version=\"2.0\""));
    EXPECT_TRUE(QFileInfo(en(QStringLiteral("usr/share/man/man6/naipex.6.gz"))).isFile());
}

TEST_F(Instalacion, InstalledProgramShowsItsTableAndWritesOnlyToTheUsersFolders)
{
    const QStringList antes = inventario(prefijo->path());
    QTemporaryDir casa;
    ASSERT_TRUE(casa.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), casa.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), casa.filePath(QStringLiteral("datos")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), casa.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Offline: no list is fetched and no page engine starts.
    env.insert(QStringLiteral("NAIPEX_SITIO"), QStringLiteral("http://127.0.0.1:9"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(casa.path());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(en(QStringLiteral("usr/bin/naipex")), {});
    ASSERT_TRUE(p.waitForStarted(30000));

    // A first run marks itself in the settings once the table has been shown.
    const QString ini = casa.filePath(QStringLiteral("config/truco.ini"));
    const bool mostrada = QTest::qWaitFor(
        [&] { return p.state() != QProcess::Running || leer(ini).contains("Bandera"); }, 120000);
    const bool corriendo = p.state() == QProcess::Running;
    p.kill();
    p.waitForFinished(30000);
    ASSERT_TRUE(mostrada && corriendo) << "the table did not show: " << p.readAll().toStdString();

    EXPECT_EQ(inventario(prefijo->path()), antes) << "something was written under the prefix";
    // The first run's desktop launcher starts the installed program.
    const QByteArray lanzador = leer(casa.filePath(QStringLiteral("Desktop/Naipex 2.0.desktop")));
    EXPECT_TRUE(lanzador.contains("Exec=\"" + QFile::encodeName(en(QStringLiteral("usr/bin/Truco"))) + "\""))
        << lanzador.toStdString();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
