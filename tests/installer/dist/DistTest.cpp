// The built dist/ folder installed by the real Instalox into a temporary home,
// then the installed game started from its menu entry.
#include "../Arbol.h"
#include "../Casa.h"
#include "platform/IniSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kDist = QStringLiteral(INSTALOX_DIST);
const QString kBin = QStringLiteral(TRUCO_BIN);

// A home in a temporary folder, with every XDG folder inside it.
struct Casa {
    QTemporaryDir raiz;
    QString home = raiz.filePath(QStringLiteral("home"));
    QProcessEnvironment env = entornoEnCasa(home);

    QString registro() const { return home + QStringLiteral("/registro.txt"); }

    // Runs an installer unattended for this user; its exit code, or -1.
    int instalar(const QString& instalador, const QString& carpeta)
    {
        QProcessEnvironment e = env;
        e.insert(QStringLiteral("INSTALOX_DESATENDIDO"), carpeta);
        e.insert(QStringLiteral("INSTALOX_REGISTRO"), registro());
        QProcess p;
        p.setProcessEnvironment(e);
        p.setWorkingDirectory(home);
        p.start(instalador, {QStringLiteral("--usuario")});
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
