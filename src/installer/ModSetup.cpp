#include "installer/ModSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

std::optional<int> RegisterServer(const QString& path, bool registrar)
{
    void* lib = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return std::nullopt;
    using Entrada = int (*)();
    auto entrada = reinterpret_cast<Entrada>(::dlsym(lib, registrar ? "DllRegisterServer" : "DllUnregisterServer"));
    const std::optional<int> r = entrada ? std::optional<int>(entrada()) : std::nullopt;
    ::dlclose(lib);
    return r;
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
