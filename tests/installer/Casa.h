#pragma once
// A home of its own for a program a test or a benchmark starts: every XDG
// folder inside it, the offscreen platform, and none of the installer's
// test variables passed on from outside.
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

inline QProcessEnvironment entornoEnCasa(const QString& home)
{
    for (const char* d : {"tmp", "run", ".config"})
        QDir().mkpath(home + QLatin1Char('/') + QLatin1String(d));
    QFile::setPermissions(home + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/run"));
    env.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* v : {"INSTALOX_DESATENDIDO", "INSTALOX_RESPUESTAS", "INSTALOX_REGISTRO", "XDG_DESKTOP_DIR"})
        env.remove(QLatin1String(v));
    return env;
}
