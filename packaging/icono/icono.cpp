// Draws the menu icon in every size of the icon theme from the game's own
// card pictures: the ace of espadas over the ace of oros, fanned.
// Usage: naipex_icono <card folder> <icons folder> <icon name> <size>...
// Writes <icons folder>/<size>x<size>/apps/<icon name>.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// One card standing on its lower centre, turned by `grados`.
void carta(QPainter& p, const QImage& img, int lado, qreal grados)
{
    const qreal alto = lado * 0.86;
    const qreal ancho = alto * img.width() / img.height();
    p.save();
    p.translate(lado / 2.0, lado * 0.96);
    p.rotate(grados);
    const QRectF r(-ancho / 2, -alto, ancho, alto);
    QPainterPath borde;
    const qreal radio = ancho * 0.08;
    borde.addRoundedRect(r, radio, radio);
    // A faint shadow keeps the card apart from a light panel.
    p.fillPath(borde.translated(lado * 0.015, lado * 0.015), QColor(0, 0, 0, 70));
    p.setClipPath(borde);
    p.drawImage(r, img);
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.0, lado / 96.0)));
    p.drawPath(borde);
    p.restore();
}

QImage icono(const QImage& atras, const QImage& frente, int lado)
{
    QImage out(lado, lado, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Small sizes show one card: two would be a blur.
    if (lado > 24)
        carta(p, atras, lado, -16);
    carta(p, frente, lado, lado > 24 ? 12 : 0);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: naipex_icono <card folder> <icons folder> <name> <size>...\n");
        return 2;
    }
    const QDir cartas(QString::fromLocal8Bit(argv[1]));
    const QImage oros(cartas.filePath(QStringLiteral("1O.jpg")));
    const QImage espadas(cartas.filePath(QStringLiteral("1E.jpg")));
    if (oros.isNull() || espadas.isNull()) {
        std::fprintf(stderr, "naipex_icono: cannot read the aces in %s\n", argv[1]);
        return 1;
    }
    const QString salida = QString::fromLocal8Bit(argv[2]);
    const QString nombre = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int lado = QByteArray(argv[i]).toInt();
        if (lado < 16 || lado > 1024) {
            std::fprintf(stderr, "naipex_icono: bad size %s\n", argv[i]);
            return 2;
        }
        const QString carpeta = QStringLiteral("%1/%2x%2/apps").arg(salida).arg(lado);
        QDir().mkpath(carpeta);
        if (!icono(oros, espadas, lado).save(carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png"), "PNG")) {
            std::fprintf(stderr, "naipex_icono: cannot write %s\n", qPrintable(carpeta));
            return 1;
        }
    }
    return 0;
}
