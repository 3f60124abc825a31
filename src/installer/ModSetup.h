#pragma once
#include <QString>
#include <optional>

// The small procedures of the installation.
namespace ModSetup {

// Creates every missing folder of the path; true when it exists afterwards.
bool EnsureFolder(const QString& path);
bool FileExists(const QString& path);
// Deletes the destination when present, then copies the source. Errors leave
// the destination as it was; the result is always true.
bool ReplaceFile(const QString& source, const QString& destination);
bool DeleteFile(const QString& path);
// Loads the library and calls DllRegisterServer (or DllUnregisterServer):
// the entry's result (0 is success), or none when the library cannot be
// loaded or lacks the entry.
std::optional<int> RegisterServer(const QString& path, bool registrar);

// Single instance: holds a lock on `lockFile` for the life of the process.
// False when another process holds it.
bool PrimeraInstancia(const QString& lockFile);

}  // namespace ModSetup
