#pragma once
// What /proc says of a running process, for the memory benchmarks.
#include <QByteArray>
#include <QFile>
#include <QString>

// A "Vm..." line of /proc/PID/status ("VmRSS", "VmHWM") in MiB; -1 when unreadable.
inline double memoriaMiB(qint64 pid, const QByteArray& campo)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefijo = campo + ':';
    for (const QByteArray& linea : f.readAll().split('\n')) {
        if (linea.startsWith(prefijo))
            return linea.mid(prefijo.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}
