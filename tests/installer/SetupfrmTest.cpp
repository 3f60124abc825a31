// The installer's window and the installation, in-process on a temporary machine.
#include "Banco.h"
#include "installer/ModSetup.h"
#include "installer/Setupfrm.h"
#include "platform/IniSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDanado = QStringLiteral(
    "El archivo del instalador está dañado o incompleto. No se instaló nada y no se modificó ningún archivo.");
const QString kPregunta = QStringLiteral("El directorio ya existe y contiene archivos. ¿Desea sobreescribirlo?");

std::string s(const QString& q) { return QFile::encodeName(q).toStdString(); }

void instalarEn(Setupfrm& w, const QString& carpeta)
{
    w.Txtdir->setText(carpeta);
    w.cmdinstalar_Click();
}

}  // namespace

// Everything lands in its place, even with another user's files (owned by
// nobody when the test runs as root, who could replace anything, else
// read-only), or folders, under the names the pieces were once extracted to
// in the shared temporary folder: those are neither used nor touched.
TEST(Setupfrm, InstallsEverything)
{
    const passwd* nadie = ::getpwnam("nobody");
    for (const bool carpetas : {false, true}) {
        SCOPED_TRACE(carpetas ? "carpetas" : "archivos");
        Banco b;
        const QString tmp = b.e.temporal;
        ASSERT_EQ(::chmod(s(tmp).c_str(), 01777), 0);
        for (const char* n : {"Quenbro WebSite.url", "Truco", "Truco.hlp", "Truco.cnt", "Mswinsck.ocx"}) {
            const QString ruta = tmp + QLatin1Char('/') + QLatin1String(n);
            if (carpetas) {
                ASSERT_TRUE(escribir(ruta + QStringLiteral("/dentro"), "de otro"));
                continue;
            }
            ASSERT_TRUE(escribir(ruta, QByteArray("plantado por otro usuario: ") + n));
            if (::geteuid() == 0 && nadie) {
                ASSERT_EQ(::chown(s(ruta).c_str(), nadie->pw_uid, nadie->pw_gid), 0);
            }
            ASSERT_EQ(::chmod(s(ruta).c_str(), ::geteuid() == 0 ? 0755 : 0444), 0);
        }
        const Arbol plantado = leerArbol(tmp);
        IniSettings ajustes(b.e.configuracion);
        ajustes.save(QStringLiteral("Truco"), QStringLiteral("Opciones"), QStringLiteral("Nombre"), QStringLiteral("Pepe"));
        escribir(b.e.cacheNavegador + QStringLiteral("/Cache/data_0"), "x");
        escribir(b.e.cacheNavegador + QStringLiteral("/Visited Links"), "y");
        auto w = b.ventana();
        const QString carpeta = b.home + QStringLiteral("/Juegos/Naipex");
        instalarEn(*w, carpeta);

        ASSERT_TRUE(w->terminado()) << b.dialogs.texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(b.dialogs.texts(), QStringList{QStringLiteral("Naipex se ha instalado satisfactoriamente en su sistema")});
        EXPECT_FALSE(w->porcVisible());

        const QDir c(carpeta);
        EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco"))), b.truco);
        EXPECT_TRUE(QFileInfo(c.filePath(QStringLiteral("Truco"))).isExecutable());
        EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco.hlp"))), b.ayuda);
        EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco.cnt"))), b.contenido);
        EXPECT_EQ(leer(c.filePath(QStringLiteral("Mswinsck.ocx"))), leer(b.dist + QStringLiteral("/Mswinsck.ocx")));
        EXPECT_EQ(leer(b.e.windows + QStringLiteral("/Quenbro WebSite.url")),
                  QByteArray("[InternetShortcut]\r\nURL=HTTP://www.quenbro.example"));

        // The control went to the system folder and was registered there.
        const QString control = b.e.sistema + QStringLiteral("/Mswinsck.ocx");
        EXPECT_EQ(leer(control), leer(b.dist + QStringLiteral("/Mswinsck.ocx")));
        EXPECT_EQ(leer(b.registro()), ("registrar " + QFile::encodeName(control) + "\n"));

        // Settings: the game's are gone, the markers are written.
        EXPECT_FALSE(QFile::exists(ajustes.fileFor(QStringLiteral("Truco"))));
        const QString q = QStringLiteral("Quenbro"), n = QStringLiteral("Naipex");
        EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Esta")), QStringLiteral("SI"));
        EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Ruta")), carpeta + QStringLiteral("/Truco"));
        EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Version")), QStringLiteral("1"));

        // Clean-up: the other user's files are as he left them and nothing of
        // ours stays; no settings file beside the installer; no browser cache.
        EXPECT_EQ(leerArbol(tmp), plantado);
        EXPECT_FALSE(QFile::exists(b.dist + QStringLiteral("/Instalox.ini")));
        EXPECT_TRUE(QDir(b.e.cacheNavegador).isEmpty());

        const QByteArray juego = leer(b.e.aplicaciones + QStringLiteral("/quenbro-naipex.desktop"));
        EXPECT_TRUE(juego.contains("Exec=\"" + QFile::encodeName(carpeta) + "/Truco\"\n"));
    }
}

TEST(Setupfrm, CorruptInstallersTouchAnExistingInstallationNot)
{
    Banco b;
    const QString carpeta = b.home + QStringLiteral("/Naipex/");
    {
        auto w = b.ventana();
        instalarEn(*w, carpeta);
        ASSERT_TRUE(w->terminado());
    }
    IniSettings(b.e.configuracion).save(QStringLiteral("Truco"), QStringLiteral("Opciones"),
                                        QStringLiteral("Nombre"), QStringLiteral("Pepe"));
    const QByteArray bueno = leer(b.e.instalador);
    const QByteArray cuerpo = bueno.left(bueno.size() - 512);
    auto cola = [](const QByteArray& lineas) {
        QByteArray t = "[GRANDE]\r\n" + lineas;
        return t + QByteArray(510 - t.size(), ' ') + "\r\n";
    };
    const QByteArray tamanos = "1=20000\r\n2=300000\r\n3=49\r\n4=5000\r\n5=21\r\n";
    const std::pair<const char*, QByteArray> rotos[] = {
        {"truncado", bueno.left(bueno.size() / 2)},
        {"no suman", cuerpo + cola(tamanos + "6=12\r\n")},
        {"enorme", cuerpo + cola(tamanos + "6=2000000000\r\n")},
    };
    const Arbol antes = leerArbol(b.home);
    for (const auto& [nombre, bytes] : rotos) {
        escribir(b.e.instalador, bytes);
        b.dialogs.shown.clear();
        b.dialogs.answers = {true};
        auto w = b.ventana();
        instalarEn(*w, carpeta);
        EXPECT_FALSE(w->terminado()) << nombre;
        EXPECT_EQ(b.dialogs.texts(), (QStringList{kPregunta, kDanado})) << nombre;
        EXPECT_FALSE(w->porcVisible()) << nombre;
        EXPECT_TRUE(w->Cmdinstalar->isEnabled()) << nombre;
        EXPECT_TRUE(leerArbol(b.home) == antes) << nombre;
        EXPECT_FALSE(QFile::exists(b.dist + QStringLiteral("/Instalox.ini"))) << nombre;
    }
}

TEST(ModSetup, ReplaceFileNeverLosesTheSource)
{
    QTemporaryDir t;
    const QString a = t.filePath(QStringLiteral("a")), d = t.filePath(QStringLiteral("d"));
    escribir(a, "nuevo");
    escribir(d, "viejo y largo");
    EXPECT_TRUE(ModSetup::ReplaceFile(t.filePath(QStringLiteral("falta")), d));
    EXPECT_EQ(leer(d), QByteArray("viejo y largo"));
    EXPECT_TRUE(ModSetup::ReplaceFile(a, d));
    EXPECT_EQ(leer(d), QByteArray("nuevo"));
    // Installing into the installer's own folder copies a file onto itself.
    EXPECT_TRUE(ModSetup::ReplaceFile(a, t.path() + QStringLiteral("/./a")));
    EXPECT_EQ(leer(a), QByteArray("nuevo"));
}

// "No" to writing over a folder with files leaves everything as it was and
// the window ready for another folder.
TEST(Setupfrm, NoToOverwritingTouchesNothing)
{
    Banco b;
    const QString carpeta = b.home + QStringLiteral("/Naipex/");
    escribir(carpeta + QStringLiteral("mio.txt"), "del jugador");
    const Arbol antes = leerArbol(b.home);
    b.dialogs.answers = {false};
    auto w = b.ventana();
    instalarEn(*w, carpeta);
    EXPECT_EQ(b.dialogs.texts(), QStringList{kPregunta});
    EXPECT_FALSE(w->terminado());
    EXPECT_FALSE(w->porcVisible());
    EXPECT_TRUE(w->Cmdinstalar->isEnabled());
    EXPECT_TRUE(leerArbol(b.home) == antes);
}

// One installer at a time per user: a second one finds the lock held.
TEST(ModSetup, OnlyTheFirstInstanceHoldsTheLock)
{
    QTemporaryDir t;
    const QString bloqueo = t.filePath(QStringLiteral("run/instalox.lock"));
    EXPECT_TRUE(ModSetup::PrimeraInstancia(bloqueo));
    EXPECT_FALSE(ModSetup::PrimeraInstancia(bloqueo));
    // Another user's (another file's) lock is no obstacle.
    EXPECT_TRUE(ModSetup::PrimeraInstancia(t.filePath(QStringLiteral("otro.lock"))));
}
