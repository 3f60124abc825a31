#include "platform/Program.h"

#include <QCoreApplication>
#include <QDir>

QString executableFolder() { return QCoreApplication::applicationDirPath(); }

namespace {

QString xdg(const char* variable, const QString& porDefecto)
{
    const QString v = qEnvironmentVariable(variable);
    // XDG ignores relative paths in these variables.
    return !v.isEmpty() && QDir::isAbsolutePath(v) ? v : QDir::homePath() + porDefecto;
}

}  // namespace

QString carpetaWindows() { return xdg("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QStringLiteral("/Quenbro"); }

// Where the installer's cache clean-up looks for it.
QString carpetaCacheWeb() { return xdg("XDG_CACHE_HOME", QStringLiteral("/.cache")) + QStringLiteral("/Truco/QtWebEngine"); }
