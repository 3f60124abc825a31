// The built dist/ folder installed by the real Instalox into a temporary home,
// then the installed game started from its menu entry.
#include "../Arbol.h"
#include "../Casa.h"
#include "platform/IniSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kDist = QStringLiteral(INSTALOX_DIST);
const QString kBin = QStringLiteral(TRUCO_BIN);

// A home in a temporary folder, with every XDG folder inside it.
struct Casa {
    QTemporaryDir raiz;
    QString home = raiz.filePath(QStringLiteral("home"));
    QProcessEnvironment env = entornoEnCasa(home);

    QString registro() const { return home + QStringLiteral("/registro.txt"); }

    // Runs an installer unattended (for this user unless told otherwise);
    // its exit code, or -1.
    int instalar(const QString& instalador, const QString& carpeta,
                 const QStringList& argumentos = {QStringLiteral("--usuario")})
    {
        QProcessEnvironment e = env;
        e.insert(QStringLiteral("INSTALOX_DESATENDIDO"), carpeta);
        e.insert(QStringLiteral("INSTALOX_REGISTRO"), registro());
        QProcess p;
        p.setProcessEnvironment(e);
        p.setWorkingDirectory(home);
        p.start(instalador, argumentos);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished(5000);
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};

QStringList archivos(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::Files, QDir::Name);
}

// The program a desktop entry's Exec line starts (one quoted argument).
QString programaDe(const QByteArray& entrada)
{
    const auto m = QRegularExpression(QStringLiteral("^Exec=\"(.*)\"$"), QRegularExpression::MultilineOption)
                       .match(QString::fromUtf8(entrada));
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

TEST(Dist, WholeInstallationThenTheGameStartsFromTheMenu)
{
    ASSERT_TRUE(QFileInfo::exists(kDist + QStringLiteral("/Instalox"))) << "build the dist target first";
    Casa c;
    IniSettings ajustes(c.home + QStringLiteral("/.config"));
    ajustes.save(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera"), QStringLiteral("1"));
    const QString carpeta = c.home + QStringLiteral("/.local/opt/Orvalia/Naipex/");

    ASSERT_EQ(c.instalar(kDist + QStringLiteral("/Instalox"), QString()), 0) << leer(c.registro()).toStdString();
    EXPECT_EQ(QString::fromUtf8(leer(c.registro())),
              QStringLiteral("informacion\tInstalación\tNaipex se ha instalado satisfactoriamente en su sistema\n"));

    // The carried pieces, byte for byte, and the folders beside the installer.
    EXPECT_EQ(leer(carpeta + QStringLiteral("Truco")), leer(kBin + QStringLiteral("/Truco")));
    EXPECT_EQ(leer(carpeta + QStringLiteral("Mswinsck.ocx")), leer(kDist + QStringLiteral("/Mswinsck.ocx")));
    for (const char* sub : {"Cartas", "Sonidos/Mujer"}) {
        const QString desde = kDist + QLatin1Char('/') + QLatin1String(sub);
        ASSERT_FALSE(archivos(desde).isEmpty()) << sub;
        EXPECT_EQ(archivos(carpeta + QLatin1String(sub)), archivos(desde)) << sub;
        for (const QString& a : archivos(desde))
            ASSERT_EQ(leer(carpeta + QLatin1String(sub) + QLatin1Char('/') + a), leer(desde + QLatin1Char('/') + a)) << a.toStdString();
    }

    // The game's settings gone, the path recorded.
    const QString q = QStringLiteral("Quenbro"), n = QStringLiteral("Naipex");
    EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Ruta")), carpeta + QStringLiteral("Truco"));
    EXPECT_EQ(ajustes.get(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera")), QString());

    // The menu entries, checked by the validator where it is installed.
    const QString apps = c.home + QStringLiteral("/.local/share/applications/");
    const QStringList entradas = {apps + QStringLiteral("quenbro-naipex.desktop"), apps + QStringLiteral("quenbro-sitio.desktop")};
    const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    for (const QString& f : entradas) {
        ASSERT_TRUE(QFile::exists(f)) << f.toStdString();
        if (validador.isEmpty())
            continue;
        QProcess v;
        v.start(validador, {f});
        ASSERT_TRUE(v.waitForFinished(20000));
        EXPECT_EQ(v.exitCode(), 0) << v.readAllStandardOutput().toStdString();
    }

    // The game, started as the menu entry says, runs with default settings:
    // its first start makes the desktop launcher and sets the first-run flag.
    const QString juego = programaDe(leer(entradas[0]));
    ASSERT_EQ(juego, carpeta + QStringLiteral("Truco"));
    QProcess truco;
    truco.setProcessEnvironment(c.env);
    truco.setWorkingDirectory(carpeta);
    truco.start(juego, {});
    ASSERT_TRUE(truco.waitForStarted(10000));
    QElapsedTimer reloj;
    reloj.start();
    const QString lanzador = c.home + QStringLiteral("/Desktop/Naipex 2.0.desktop");
    // The game writes the launcher first and the flag after it: wait for both.
    auto bandera = [&] {
        return IniSettings(c.home + QStringLiteral("/.config"))
            .get(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera"));
    };
    while (!(QFile::exists(lanzador) && !bandera().isEmpty()) && truco.state() == QProcess::Running
           && reloj.elapsed() < 30000)
        truco.waitForFinished(100);
    const bool corriendo = truco.state() == QProcess::Running;
    truco.kill();
    truco.waitForFinished(5000);
    EXPECT_TRUE(corriendo) << truco.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(lanzador));
    EXPECT_EQ(ajustes.get(QStringLiteral("Truco"), QStringLiteral("Pvez"), QStringLiteral("Bandera")), QStringLiteral("1"));
}

namespace {

const char* const kEspacioPrivado = "INSTALOX_ESPACIO_PRIVADO";
// The folders a root installation writes to: each gets an empty tmpfs of its
// own inside the namespace; /tmp holds the home and the medium.
const char* const kCarpetasDeRoot[] = {"/opt", "/usr/local", "/etc/xdg", "/tmp"};

// Inside a private user and mount namespace, as its uid 0: every mount this
// process sees is made read-only, then the root folders are covered with
// fresh tmpfs mounts. Nothing outside those new mounts can be written, even
// by a broken path computation, and they vanish with the namespace.
void aislar(const QString& dist)
{
    mount_attr ro{};
    ro.attr_set = MOUNT_ATTR_RDONLY;
    if (::mount_setattr(AT_FDCWD, "/", AT_RECURSIVE, &ro, sizeof ro) != 0) {
        if (errno == EPERM)
            GTEST_SKIP() << "mounts may not be changed in a private namespace here";
        FAIL() << std::strerror(errno);
    }
    for (const char* c : kCarpetasDeRoot)
        ASSERT_EQ(::mount("instalox", c, "tmpfs", 0, "mode=0755"), 0) << c << ": " << std::strerror(errno);
    for (const QString& fuera : {QStringLiteral("/"), QStringLiteral("/usr/share"), dist}) {
        struct statvfs v {};
        ASSERT_EQ(::statvfs(QFile::encodeName(fuera).constData(), &v), 0);
        ASSERT_TRUE(v.f_flag & ST_RDONLY) << fuera.toStdString() << " must be read-only here";
    }
}

}  // namespace

// Run by root, the real installer puts the program, the control and the menu
// into the system's folders. The test runs itself again as uid 0 of a private
// namespace, where those folders are private and empty.
TEST(Dist, AsRootItInstallsIntoTheSystemFolders)
{
    ASSERT_TRUE(QFileInfo::exists(kDist + QStringLiteral("/Instalox"))) << "build the dist target first";
    if (!qEnvironmentVariableIsSet(kEspacioPrivado)) {
        QProcess prueba;
        prueba.start(QStringLiteral("unshare"), {QStringLiteral("-r"), QStringLiteral("-m"), QStringLiteral("true")});
        if (!prueba.waitForFinished(30000) || prueba.exitStatus() != QProcess::NormalExit || prueba.exitCode() != 0)
            GTEST_SKIP() << "no private user and mount namespace (unshare -r -m) allowed here: "
                         << prueba.readAllStandardError().toStdString() << prueba.errorString().toStdString();
        const auto* t = ::testing::UnitTest::GetInstance()->current_test_info();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kEspacioPrivado), QStringLiteral("1"));
        const bool habiaOpt = QFileInfo::exists(QStringLiteral("/opt/Orvalia"));
        const Arbol menus = leerArbol(QStringLiteral("/etc/xdg/menus"));
        QProcess hijo;
        hijo.setProcessEnvironment(env);
        hijo.setProcessChannelMode(QProcess::MergedChannels);
        hijo.start(QStringLiteral("unshare"),
                   {QStringLiteral("-r"), QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
                    QCoreApplication::applicationFilePath(),
                    QStringLiteral("--gtest_filter=%1.%2").arg(QLatin1String(t->test_suite_name()), QLatin1String(t->name()))});
        const bool termino = hijo.waitForFinished(240000);
        if (!termino)
            hijo.kill();
        hijo.waitForFinished(5000);
        const QByteArray salida = hijo.readAll();
        if (salida.contains("[  SKIPPED ] 1 test"))
            GTEST_SKIP() << salida.toStdString();
        EXPECT_TRUE(termino && hijo.exitStatus() == QProcess::NormalExit && hijo.exitCode() == 0) << salida.toStdString();
        EXPECT_TRUE(salida.contains("[  PASSED  ] 1 test")) << salida.toStdString();
        // The real system folders never saw it.
        EXPECT_EQ(QFileInfo::exists(QStringLiteral("/opt/Orvalia")), habiaOpt);
        EXPECT_EQ(leerArbol(QStringLiteral("/etc/xdg/menus")), menus);
        return;
    }

    ASSERT_EQ(::geteuid(), 0u);
    // The build may lie under /tmp, which a fresh tmpfs is about to cover:
    // dist/ is reached through a descriptor opened before, and the game's
    // bytes are read before.
    const int fd = ::open(QFile::encodeName(kDist).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const QString dist = QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(fd);
    const QByteArray juego = leer(kBin + QStringLiteral("/Truco"));
    ASSERT_FALSE(juego.isEmpty());
    ASSERT_NO_FATAL_FAILURE(aislar(dist));
    if (IsSkipped())
        return;
    qputenv("TMPDIR", "/tmp");
    Casa c;
    // The medium, without the settings file that an installer running from
    // dist/ at the same time writes beside itself and removes.
    const QString medio = c.raiz.filePath(QStringLiteral("medio"));
    QStringList copiar{QStringLiteral("-a")};
    for (const QString& n : QDir(dist).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (!n.endsWith(QLatin1String(".ini")))
            copiar << dist + QLatin1Char('/') + n;
    ASSERT_TRUE(QDir().mkpath(medio));
    ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), copiar << medio), 0);

    // No --usuario and no folder: root's default, for everyone.
    ASSERT_EQ(c.instalar(medio + QStringLiteral("/Instalox"), QString(), {}), 0) << leer(c.registro()).toStdString();
    const QString carpeta = QStringLiteral("/opt/Orvalia/Naipex/");
    EXPECT_EQ(leer(carpeta + QStringLiteral("Truco")), juego);
    EXPECT_EQ(leer(QStringLiteral("/usr/local/lib/Mswinsck.ocx")), leer(dist + QStringLiteral("/Mswinsck.ocx")));
    const QString apps = QStringLiteral("/usr/local/share/applications/");
    EXPECT_EQ(programaDe(leer(apps + QStringLiteral("quenbro-naipex.desktop"))), carpeta + QStringLiteral("Truco"));
    EXPECT_TRUE(QFile::exists(apps + QStringLiteral("quenbro-sitio.desktop")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("/usr/local/share/desktop-directories/quenbro-quenbro.directory")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("/usr/local/share/icons/hicolor/128x128/apps/quenbro-naipex.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("/etc/xdg/menus/applications-merged/quenbro-quenbro.menu")));
    // Root's own folders get only what is per user: the settings and the shortcut.
    EXPECT_FALSE(QFileInfo::exists(c.home + QStringLiteral("/.local/opt")));
    EXPECT_FALSE(QFileInfo::exists(c.home + QStringLiteral("/.local/lib")));
    EXPECT_FALSE(QFileInfo::exists(c.home + QStringLiteral("/.local/share/applications")));
    EXPECT_EQ(IniSettings(c.home + QStringLiteral("/.config")).get(QStringLiteral("Quenbro"), QStringLiteral("Naipex"),
                                                                   QStringLiteral("Ruta")),
              carpeta + QStringLiteral("Truco"));
}
