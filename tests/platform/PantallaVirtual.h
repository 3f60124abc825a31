#pragma once
// A virtual X server of its own (Xvfb) for the programs a test or a benchmark
// starts on the X platform, where the offscreen platform would hide what X
// costs (OpenGL above all). Nothing runs when Xvfb is not installed.
#include "installer/Casa.h"  // tests/installer: a home of its own

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>

class PantallaVirtual {
public:
    PantallaVirtual()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return;
        // -displayfd: the server picks a free display and writes its number
        // once it accepts clients, so nothing guesses a number or waits blindly.
        // A black root (-br) lets a reader tell a painted window from none;
        // -noreset keeps the server up between clients (a reset refuses the
        // next one for a moment).
        servidor_.setProcessChannelMode(QProcess::SeparateChannels);
        servidor_.setStandardErrorFile(QProcess::nullDevice());
        servidor_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"), QStringLiteral("-br"),
                               QStringLiteral("-noreset")});
        const QDeadlineTimer limite(30000);
        while (!servidor_.canReadLine() && servidor_.state() != QProcess::NotRunning && !limite.hasExpired())
            servidor_.waitForReadyRead(int(limite.remainingTime()));
        bool ok = false;
        const int numero = servidor_.readLine().trimmed().toInt(&ok);
        if (ok)
            display_ = QStringLiteral(":%1").arg(numero);
        else
            detener();
    }
    ~PantallaVirtual() { detener(); }
    PantallaVirtual(const PantallaVirtual&) = delete;
    PantallaVirtual& operator=(const PantallaVirtual&) = delete;

    bool activa() const { return !display_.isEmpty(); }
    // ":N", empty when no server runs.
    QString display() const { return display_; }

    // A first-run user's environment in `home`, on this server's X platform.
    QProcessEnvironment entorno(const QString& home) const
    {
        QProcessEnvironment env = entornoEnCasa(home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display_);
        for (const char* v : {"WAYLAND_DISPLAY", "XAUTHORITY", "QT_XCB_GL_INTEGRATION", "LIBGL_ALWAYS_SOFTWARE",
                              "DBUS_SESSION_BUS_ADDRESS", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"})
            env.remove(QLatin1String(v));
        return env;
    }

private:
    void detener()
    {
        if (servidor_.state() == QProcess::NotRunning)
            return;
        servidor_.terminate();
        if (!servidor_.waitForFinished(5000)) {
            servidor_.kill();
            servidor_.waitForFinished(5000);
        }
    }

    QProcess servidor_;
    QString display_;
};

// Which of the libraries that make an OpenGL context a running process has
// mapped: the GLX/EGL vendor libraries and the Mesa drivers. Empty when none.
inline QStringList bibliotecasOpenGL(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/maps").arg(pid));
    QStringList halladas;
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/%1/maps)").arg(pid)};
    for (const QByteArray& linea : f.readAll().split('\n')) {
        const int barra = linea.lastIndexOf('/');
        if (barra < 0)
            continue;
        const QString nombre = QString::fromUtf8(linea.mid(barra + 1));
        const bool gl = nombre.startsWith(QLatin1String("libGLX_")) || nombre.startsWith(QLatin1String("libEGL_"))
            || nombre.contains(QLatin1String("_dri.so")) || nombre.startsWith(QLatin1String("libgallium"))
            || nombre.startsWith(QLatin1String("libLLVM"));
        if (gl && !halladas.contains(nombre))
            halladas << nombre;
    }
    return halladas;
}
