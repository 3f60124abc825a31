#pragma once
#include <QString>

// Writes <desktopFolder>/<name>.desktop, a freedesktop launcher that starts
// targetExecutable from its own folder, and marks it executable. The folder
// is created when missing. Returns false, without throwing, when it cannot
// be written.
bool crearAccesoDirecto(const QString& desktopFolder, const QString& name,
                        const QString& targetExecutable);

// The Exec= value for one program path: quoted, with the characters the
// desktop-entry format reserves escaped.
QString desktopExecValue(const QString& program);
