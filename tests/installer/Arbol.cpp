#include "Arbol.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

Arbol leerArbol(const QString& raiz)
{
    Arbol a;
    QDirIterator it(raiz, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QFileInfo fi(ruta);
        a[QDir(raiz).relativeFilePath(ruta)] = fi.isFile() ? leer(ruta) : QByteArray("<carpeta>");
    }
    return a;
}


QByteArray patron(qsizetype n, int semilla)
{
    QByteArray b(n, Qt::Uninitialized);
    quint32 x = 2166136261u ^ static_cast<quint32>(semilla);
    for (qsizetype i = 0; i < n; ++i) {
        x = x * 16777619u + 12345u;
        b[i] = static_cast<char>(x >> 24);
    }
    return b;
}
