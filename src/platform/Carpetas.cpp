#include "platform/Carpetas.h"

#include <QDir>
#include <QFileInfo>

QString buscarCarpeta(const QString& base, const QString& nombre)
{
    const QString exacta = QDir(base).filePath(nombre);
    if (QFileInfo(exacta).isDir())
        return exacta;
    const QStringList carpetas = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& c : carpetas) {
        if (c.compare(nombre, Qt::CaseInsensitive) == 0)
            return QDir(base).filePath(c);
    }
    return exacta;
}
