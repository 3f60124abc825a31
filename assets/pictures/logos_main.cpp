// Draws the installer's logo and menu icons.
// Usage: truco_genlogos <folder>
#include "Logos.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: truco_genlogos <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = drawMakerLogo().save(folder + "/logo.png", "PNG");
    ok &= drawGameIcon().save(folder + "/naipex.png", "PNG");
    ok &= drawGroupIcon().save(folder + "/quenbro.png", "PNG");
    ok &= drawWebSiteIcon().save(folder + "/sitio.png", "PNG");
    if (!ok)
        std::fprintf(stderr, "truco_genlogos: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
