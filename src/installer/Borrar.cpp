#include "installer/Borrar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ClearUrlCache(const QString& cacheFolder, QStringList& List1)
{
    const QFileInfo carpeta(cacheFolder);
    if (cacheFolder.isEmpty() || carpeta.isSymLink() || !carpeta.isDir())
        return;
    const QDir dir(cacheFolder);
    const QStringList entradas = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entradas)
        List1.append(dir.filePath(e));

    for (const QString& ruta : std::as_const(List1)) {
        const QFileInfo fi(ruta);
        if (fi.isDir() && !fi.isSymLink())
            QDir(ruta).removeRecursively();
        else
            QFile::remove(ruta);
    }
}
