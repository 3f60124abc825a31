// The computer opponent's portrait: an old beige monitor smiling in green
// phosphor, drawn on the same backdrop as the human players' faces.
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kLine(58, 40, 32);
const QColor kBackdrop(104, 118, 206);
const QColor kCase(232, 220, 190);
const QColor kPhosphor(110, 255, 140);

void paint(QPainter& p, const QPainterPath& path, const QBrush& brush, double line = 1.6)
{
    p.setPen(line > 0 ? hairline(kLine, line) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// The keyboard in front of the monitor takes the place of the shoulders.
void keyboard(QPainter& p)
{
    QPainterPath body;
    body.moveTo(14, 130);
    body.lineTo(24, 106);
    body.lineTo(104, 106);
    body.lineTo(114, 130);
    body.closeSubpath();
    QLinearGradient shade(0, 106, 0, 128);
    shade.setColorAt(0, kCase.lighter(104));
    shade.setColorAt(1, kCase.darker(112));
    paint(p, body, shade);
    // Rows of keys, wider towards the player.
    p.setPen(hairline(kCase.darker(150), 1.0));
    p.setBrush(kCase.lighter(108));
    const double rows[][2] = {{109, 5}, {116, 6}, {123, 6}};
    for (int r = 0; r < 3; ++r) {
        const double y = rows[r][0], h = rows[r][1];
        const double left = 27 - r * 3.5, right = 101 + r * 3.5;
        const int keys = 10;
        const double w = (right - left) / keys;
        for (int k = 0; k < keys; ++k)
            p.drawRoundedRect(QRectF(left + k * w + 0.8, y, w - 1.6, h - 1), 1.2, 1.2);
    }
}

// The neck of the monitor, a short stand on a swivel foot.
void stand(QPainter& p)
{
    QPainterPath foot;
    foot.addEllipse(QPointF(64, 103), 24, 5);
    paint(p, foot, kCase.darker(118), 1.4);
    QPainterPath neck;
    neck.moveTo(52, 90);
    neck.lineTo(76, 90);
    neck.lineTo(80, 102);
    neck.quadTo(64, 106, 48, 102);
    neck.closeSubpath();
    paint(p, neck, kCase.darker(110), 1.4);
}

void monitor(QPainter& p)
{
    // The deep back of the tube peeks out on the right.
    QPainterPath back;
    back.moveTo(96, 22);
    back.lineTo(112, 30);
    back.lineTo(112, 80);
    back.lineTo(96, 88);
    back.closeSubpath();
    paint(p, back, kCase.darker(125), 1.4);

    QLinearGradient shade(0, 12, 0, 94);
    shade.setColorAt(0, kCase.lighter(106));
    shade.setColorAt(1, kCase.darker(108));
    paint(p, rounded(QRectF(14, 12, 88, 80), 12), shade, 1.8);
    // A soft bevel round the screen.
    paint(p, rounded(QRectF(21, 18, 74, 60), 10), kCase.darker(112), 1.2);

    QRadialGradient glass(QPointF(54, 42), 48);
    glass.setColorAt(0, QColor(26, 72, 44));
    glass.setColorAt(1, QColor(8, 28, 18));
    paint(p, rounded(QRectF(25, 22, 66, 52), 9), glass, 1.4);

    // Front panel: a power light and two knobs.
    paint(p, rounded(QRectF(26, 81, 22, 4), 2), kCase.darker(130), 1.0);
    QRadialGradient led(QPointF(82.5, 82.5), 3.2);
    led.setColorAt(0, QColor(220, 255, 220));
    led.setColorAt(1, QColor(40, 200, 80));
    QPainterPath light;
    light.addEllipse(QPointF(83, 83), 2.8, 2.8);
    paint(p, light, led, 1.0);
    for (double x : {70.0, 91.0}) {
        QPainterPath knob;
        knob.addEllipse(QPointF(x, 83), 2.6, 2.6);
        paint(p, knob, kCase.darker(140), 1.0);
    }
}

// A smiling face in big phosphor pixels, with a pinkish blush.
void screenFace(QPainter& p)
{
    static const char* const kRows[] = {
        "...##..##...",
        "...##..##...",
        "...##..##...",
        ".++......++.",
        "..#......#..",
        "...######...",
        "....####....",
        "............",
    };
    constexpr double kPixel = 5.0;
    const QPointF origin(58 - 6 * kPixel, 50 - 4 * kPixel);
    const QPainterPath screen = rounded(QRectF(25, 22, 66, 52), 9);
    p.save();
    p.setClipPath(screen, Qt::IntersectClip);
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 12; ++col) {
                const char c = kRows[row][col];
                if (c == '.')
                    continue;
                const QColor color = c == '+' ? QColor(255, 130, 170) : kPhosphor;
                const QRectF cell(origin.x() + col * kPixel, origin.y() + row * kPixel, kPixel, kPixel);
                p.setPen(Qt::NoPen);
                if (pass == 0) {
                    // The glow of the phosphor bleeding into the glass.
                    QColor halo = color;
                    halo.setAlpha(60);
                    p.setBrush(halo);
                    p.drawRoundedRect(cell.adjusted(-2, -2, 2, 2), 3, 3);
                } else {
                    p.setBrush(color);
                    p.drawRect(cell.adjusted(0.4, 0.4, -0.4, -0.4));
                }
                // A glint in the top corner of each eye.
                if (pass == 1 && row == 0 && c == '#' && kRows[row][col + 1] == '#') {
                    p.setBrush(QColor(235, 255, 235));
                    p.drawRect(QRectF(cell.x() + 1, cell.y() + 1, 3, 3));
                }
            }
        }
    }
    // Scan lines and a reflection on the curved glass.
    p.setPen(QPen(QColor(0, 0, 0, 55), 1));
    for (double y = 23.5; y < 74; y += 2)
        p.drawLine(QPointF(25, y), QPointF(91, y));
    QPainterPath shine;
    shine.moveTo(31, 36);
    shine.quadTo(32, 27, 44, 26);
    shine.quadTo(36, 29, 34, 38);
    shine.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(shine);
    p.restore();
}

} // namespace

QImage drawPcFace()
{
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath backdrop;
    backdrop.addRoundedRect(QRectF(2, 2, 124, 124), 22, 22);
    QRadialGradient glow(QPointF(64, 52), 80);
    glow.setColorAt(0, kBackdrop.lighter(118));
    glow.setColorAt(1, kBackdrop);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(backdrop);
    p.setClipPath(backdrop);

    stand(p);
    keyboard(p);
    monitor(p);
    screenFace(p);

    p.setClipping(false);
    p.setPen(hairline(kBackdrop.darker(130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(backdrop);
    return img;
}
