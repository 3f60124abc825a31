#include "installer/Entorno.h"

#include "installer/rules/PrivateFolder.h"
#include "platform/IniSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

QString xdg(const char* variable, const QString& porDefecto)
{
    const QString v = qEnvironmentVariable(variable);
    // Relative values are invalid per the base-directory rules.
    return v.startsWith(QLatin1Char('/')) ? v : porDefecto;
}

QString propioArchivo()
{
    std::error_code ec;
    const auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? QString() : QString::fromStdString(p.string());
}

}  // namespace

Entorno Entorno::delSistema(bool todos)
{
    const bool root = todos;
    const QString home = QDir::homePath();
    const QString datos = xdg("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    const QString config = IniSettings::defaultFolder();
    const QString cache = xdg("XDG_CACHE_HOME", home + QStringLiteral("/.cache"));

    Entorno e;
    e.instalador = propioArchivo();
    e.temporal = QFile::decodeName(
        payload::temporaryBase(std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR")).c_str());
    e.windows = datos + QStringLiteral("/Quenbro");
    e.sistema = root ? QStringLiteral("/usr/local/lib") : home + QStringLiteral("/.local/lib");
    e.programas = root ? QStringLiteral("/opt") : home + QStringLiteral("/.local/opt");
    e.configuracion = config;
    const QString menuDatos = root ? QStringLiteral("/usr/local/share") : datos;
    e.aplicaciones = menuDatos + QStringLiteral("/applications");
    e.directorios = menuDatos + QStringLiteral("/desktop-directories");
    e.iconos = menuDatos + QStringLiteral("/icons/hicolor/128x128/apps");
    e.menus = (root ? QStringLiteral("/etc/xdg") : config) + QStringLiteral("/menus/applications-merged");
    // The game's web view keeps its profile under its own application name.
    e.cacheNavegador = cache + QStringLiteral("/Truco/QtWebEngine");
    // Never in the shared temporary folder: there another user could hold
    // the lock first and every installer would end at once.
    e.bloqueo = xdg("XDG_RUNTIME_DIR", config) + QStringLiteral("/instalox.lock");
    return e;
}

QString Entorno::carpetaInstalador() const { return QFileInfo(instalador).absolutePath(); }

QString Entorno::carpetaPorDefecto() const { return programas + QStringLiteral("/Orvalia/Naipex/"); }
