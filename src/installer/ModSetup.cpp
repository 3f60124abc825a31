#include "installer/ModSetup.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ModSetup {

bool EnsureFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    QDir().mkpath(path);
    return QFileInfo(path).isDir() && QFileInfo(path).isWritable();
}

bool FileExists(const QString& path)
{
    QFile f(path);
    return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly);
}

bool ReplaceFile(const QString& source, const QString& destination)
{
    if (!QFileInfo::exists(source))
        return true;
    // Installing into the installer's own folder must not delete the source.
    const QString a = QFileInfo(source).canonicalFilePath();
    if (a == QFileInfo(destination).canonicalFilePath())
        return true;
    if (FileExists(destination)) {
        // Unlinking works even while the old game is running.
        QFile::remove(destination);
        QCoreApplication::processEvents();
    }
    QFile::copy(source, destination);
    return true;
}

bool DeleteFile(const QString& path) { return QFile::remove(path); }

bool InstallSharedFile(Dialogs& dialogs, QWidget* owner, const QString& installerFolder,
                       const QString& name, const QString& destination)
{
    const QString source = QDir(installerFolder).filePath(name);
    QString error;
    QFile origen(source);
    if (!origen.exists()) {
        error = QString::fromLocal8Bit(std::strerror(ENOENT));
    } else {
        EnsureFolder(QFileInfo(destination).absolutePath());
        if (FileExists(destination)) {
            QFile::remove(destination);
            QCoreApplication::processEvents();
        }
        if (!origen.copy(destination))
            error = origen.errorString();
    }
    if (!error.isEmpty()) {
        dialogs.message(owner, Dialogs::Icon::Error, QStringLiteral("Setup"),
                        QStringLiteral("Error al instalar ") + name + QLatin1Char(' ') + error);
        return false;
    }
    RegisterServer(dialogs, owner, destination, true);
    QCoreApplication::processEvents();
    return true;
}

void RegisterServer(Dialogs& dialogs, QWidget* owner, const QString& path, bool registrar)
{
    void* lib = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return;
    using Entrada = int (*)();
    auto entrada = reinterpret_cast<Entrada>(::dlsym(lib, registrar ? "DllRegisterServer" : "DllUnregisterServer"));
    if (entrada && entrada() != 0) {
        dialogs.message(owner, Dialogs::Icon::Error, QStringLiteral("Setup"),
                        (registrar ? QStringLiteral("Registración") : QStringLiteral("Unregistration"))
                            + QStringLiteral(" No satisfactoria."));
    }
    ::dlclose(lib);
}

bool PrimeraInstancia(const QString& lockFile)
{
    QDir().mkpath(QFileInfo(lockFile).absolutePath());
    // Kept open on purpose: the lock goes with the process.
    const int fd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // no place for a lock: do not refuse to install
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(fd);
    return false;
}

}  // namespace ModSetup
