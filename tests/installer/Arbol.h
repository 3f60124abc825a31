#pragma once
#include "support/Archivos.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <ostream>

// Every file and folder under a folder, with the bytes of each file: two
// snapshots are equal only when nothing was added, removed or changed.
using Arbol = std::map<QString, QByteArray>;
Arbol leerArbol(const QString& raiz);

// Bytes 0, 1, 2, ... as a repeatable pattern that differs per seed.
QByteArray patron(qsizetype n, int semilla);

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << b.size() << " bytes \"" << b.left(40).toStdString() << (b.size() > 40 ? "...\"" : "\"");
}
