// Draws the cards, faces and backgrounds of the game.
// Usage: truco_genpictures <program folder> <built-in pictures folder>
#include "Logos.h"
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "truco_genpictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: truco_genpictures <program folder> <built-in folder>\n");
        return 2;
    }
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    const QString builtinFolder = QString::fromLocal8Bit(argv[2]);
    bool ok = true;

    const int numbers[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12};
    for (QChar suit : QStringLiteral("OCEB"))
        for (int n : numbers)
            ok &= save(drawCard(n, suit), programFolder + "/cartas/" + cardCode(n, suit) + ".jpg",
                       "JPG", 92);

    for (const Background& b : drawBackgrounds())
        ok &= save(b.image, programFolder + "/Fondos/" + b.fileName, "JPG", 92);

    for (int i = 0; i < faceCount(); ++i)
        ok &= save(drawFace(i), builtinFolder + QStringLiteral("/caras/cara%1.png").arg(i, 2, 10, QChar('0')),
                   "PNG");
    ok &= save(drawPcFace(), builtinFolder + "/caras/pc.png", "PNG");
    ok &= save(drawBuiltinBaize(), builtinFolder + "/fondo/fondo.bmp", "BMP");
    ok &= save(drawAboutBackdrop(), builtinFolder + "/acerca/fondo.jpg", "JPG", 92);
    ok &= save(drawMakerLogo().scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation),
               builtinFolder + "/acerca/logo1.png", "PNG");
    ok &= save(drawGameLogo(), builtinFolder + "/acerca/logo2.bmp", "BMP");
    ok &= save(drawLinkPicture(), builtinFolder + "/enlace/imglink.png", "PNG");

    return ok ? 0 : 1;
}
