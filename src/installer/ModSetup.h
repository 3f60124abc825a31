#pragma once
#include <QString>

class Dialogs;
class QWidget;

// The small procedures of the installation.
namespace ModSetup {

// Creates every missing folder of the path; true when it exists afterwards.
bool EnsureFolder(const QString& path);
bool FileExists(const QString& path);
// Deletes the destination when present, then copies the source. Errors leave
// the destination as it was; the result is always true.
bool ReplaceFile(const QString& source, const QString& destination);
bool DeleteFile(const QString& path);
// Copies `name` from the installer's folder to `destination` and registers it.
// Reports a failed copy ("Error al instalar ...") and returns false.
bool InstallSharedFile(Dialogs& dialogs, QWidget* owner, const QString& installerFolder,
                       const QString& name, const QString& destination);
// Loads the library and calls DllRegisterServer (or DllUnregisterServer).
// A library that cannot be loaded or lacks the entry is skipped silently.
void RegisterServer(Dialogs& dialogs, QWidget* owner, const QString& path, bool registrar);

// Single instance: holds a lock on `lockFile` for the life of the process.
// False when another process holds it.
bool PrimeraInstancia(const QString& lockFile);

}  // namespace ModSetup
