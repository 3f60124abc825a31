// Cartoon portraits of the players: one face drawn from a short description
// of each person, on a 128 x 128 coloured backdrop.
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

enum class Hair { None, Short, SidePart, Curly, Receding, Afro, Long, Wavy, Bob, Bun, Ponytail, Scarf };
enum class Hat { None, Cap, Beret, Gaucho };
enum class Whiskers { None, Moustache, BigMoustache, Goatee, Beard };
enum class Neck { Crew, Collar, VNeck };

struct Person {
    QColor backdrop;
    bool round;
    QColor skin;
    Hair hair;
    QColor hairColor;
    QColor eyes;
    QColor shirt;
    Neck neck = Neck::Crew;
    bool woman = false;
    Whiskers whiskers = Whiskers::None;
    QColor whiskerColor = QColor();
    Hat hat = Hat::None;
    QColor hatColor = QColor();
    bool glasses = false;
    bool earrings = false;
    bool hoops = false;
    bool freckles = false;
    QColor lips = QColor(); // lipstick
    bool grin = false;
    QColor accent = QColor(); // flower, hair clip or pattern
};

const QColor kLine(58, 40, 32);

// Fifteen players: eight women and seven men, of every age and look. Faces
// 2 and 4 are women: they speak with the women's voice.
const Person kPeople[] = {
    {QColor(96, 160, 222), false, QColor(242, 202, 170), Hair::SidePart, QColor(112, 70, 38),
     QColor(90, 60, 30), QColor(245, 245, 240), Neck::Collar, false, Whiskers::None, {}, Hat::None, {},
     false, false, false, false, {}, true},
    {QColor(124, 192, 112), false, QColor(124, 80, 54), Hair::None, QColor(20, 16, 14), QColor(50, 30, 20),
     QColor(150, 96, 56), Neck::Collar, false, Whiskers::Beard, QColor(186, 186, 186), Hat::None, {}, false,
     false, false, false, {}, true},
    {QColor(246, 164, 84), true, QColor(214, 160, 120), Hair::Long, QColor(32, 26, 24), QColor(70, 44, 24),
     QColor(40, 150, 150), Neck::VNeck, true, Whiskers::None, {}, Hat::None, {}, false, true, false, false,
     QColor(196, 40, 60), false},
    {QColor(246, 212, 92), false, QColor(202, 150, 106), Hair::Short, QColor(30, 24, 22), QColor(60, 36, 20),
     QColor(196, 44, 44), Neck::Collar, false, Whiskers::BigMoustache, QColor(30, 24, 22), Hat::Gaucho,
     QColor(40, 34, 30), false, false, false, false, {}, false},
    {QColor(172, 132, 214), true, QColor(248, 214, 190), Hair::Bob, QColor(200, 84, 36), QColor(60, 130, 80),
     QColor(250, 206, 60), Neck::Crew, true, Whiskers::None, {}, Hat::None, {}, true, false, false, true, {},
     true},
    {QColor(80, 190, 182), true, QColor(112, 72, 50), Hair::Afro, QColor(28, 20, 18), QColor(50, 30, 20),
     QColor(240, 140, 40), Neck::VNeck, true, Whiskers::None, {}, Hat::None, {}, false, true, true, false,
     QColor(150, 40, 80), true},
    {QColor(156, 204, 238), false, QColor(246, 212, 192), Hair::Receding, QColor(236, 236, 236),
     QColor(80, 110, 160), QColor(110, 120, 60), Neck::Collar, false, Whiskers::Moustache,
     QColor(236, 236, 236), Hat::None, {}, true, false, false, false, {}, false},
    {QColor(246, 150, 182), true, QColor(228, 180, 138), Hair::Ponytail, QColor(238, 196, 96),
     QColor(60, 120, 190), QColor(60, 100, 200), Neck::Crew, true, Whiskers::None, {}, Hat::None, {}, false,
     false, false, false, {}, true, QColor(230, 60, 120)},
    {QColor(232, 98, 86), false, QColor(240, 198, 166), Hair::Short, QColor(220, 180, 100),
     QColor(70, 130, 190), QColor(60, 150, 80), Neck::Crew, false, Whiskers::None, {}, Hat::Cap,
     QColor(36, 56, 120), false, false, false, true, {}, true},
    {QColor(160, 220, 190), true, QColor(242, 206, 184), Hair::Bun, QColor(196, 196, 204), QColor(90, 70, 50),
     QColor(130, 70, 150), Neck::VNeck, true, Whiskers::None, {}, Hat::None, {}, true, true, false, false,
     QColor(200, 90, 110), false},
    {QColor(250, 182, 64), false, QColor(92, 60, 42), Hair::Curly, QColor(22, 18, 16), QColor(40, 24, 16),
     QColor(50, 90, 180), Neck::Crew, false, Whiskers::Goatee, QColor(22, 18, 16), Hat::None, {}, false, false,
     false, false, {}, true},
    {QColor(176, 214, 92), true, QColor(212, 152, 112), Hair::Wavy, QColor(124, 72, 36), QColor(100, 64, 30),
     QColor(236, 90, 70), Neck::VNeck, true, Whiskers::None, {}, Hat::None, {}, false, true, false, false,
     QColor(210, 70, 70), false, QColor(250, 250, 250)},
    {QColor(118, 138, 176), false, QColor(206, 160, 122), Hair::Short, QColor(96, 60, 34), QColor(70, 50, 30),
     QColor(240, 236, 226), Neck::Collar, false, Whiskers::Beard, QColor(96, 60, 34), Hat::Beret,
     QColor(30, 30, 36), false, false, false, false, {}, true},
    {QColor(250, 202, 160), true, QColor(246, 218, 186), Hair::Bob, QColor(24, 22, 26), QColor(50, 34, 24),
     QColor(70, 70, 80), Neck::Crew, true, Whiskers::None, {}, Hat::None, {}, false, true, false, false,
     QColor(214, 30, 50), true, QColor(220, 40, 60)},
    {QColor(214, 124, 196), false, QColor(160, 106, 72), Hair::Scarf, QColor(26, 20, 18), QColor(50, 30, 20),
     QColor(250, 210, 90), Neck::VNeck, true, Whiskers::None, {}, Hat::None, QColor(200, 40, 40), false, true,
     true, false, QColor(170, 50, 60), true, QColor(206, 36, 44)},
};

const QPointF kHead(64, 60);
constexpr double kRx = 29, kRy = 33;

void paint(QPainter& p, const QPainterPath& path, const QBrush& brush, double line = 1.6)
{
    p.setPen(line > 0 ? hairline(kLine, line) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath mirrored(const QPainterPath& path)
{
    QTransform flip(-1, 0, 0, 1, 128, 0);
    return flip.map(path);
}

// Bumps along a curve, for curls.
QPainterPath curls(const QPainterPath& along, int count, double r)
{
    QPainterPath out;
    for (int i = 0; i <= count; ++i)
        out.addEllipse(along.pointAtPercent(double(i) / count), r, r);
    return out.simplified();
}

// Hair that lies behind the head and neck.
void hairBehind(QPainter& p, const Person& m)
{
    QPainterPath path;
    switch (m.hair) {
    case Hair::Long:
        path.moveTo(64, 18);
        path.cubicTo(18, 18, 24, 76, 20, 116);
        path.lineTo(108, 116);
        path.cubicTo(104, 76, 110, 18, 64, 18);
        break;
    case Hair::Wavy: {
        path.moveTo(64, 18);
        path.cubicTo(16, 18, 26, 60, 16, 84);
        path.cubicTo(10, 96, 24, 104, 16, 118);
        path.lineTo(112, 118);
        path.cubicTo(104, 104, 118, 96, 112, 84);
        path.cubicTo(102, 60, 112, 18, 64, 18);
        break;
    }
    case Hair::Bob:
        path.moveTo(64, 18);
        path.cubicTo(22, 18, 24, 62, 26, 92);
        path.quadTo(36, 96, 44, 90);
        path.lineTo(84, 90);
        path.quadTo(92, 96, 102, 92);
        path.cubicTo(104, 62, 106, 18, 64, 18);
        break;
    case Hair::Afro: {
        QPainterPath ring;
        ring.addEllipse(QPointF(64, 52), 40, 36);
        path = curls(ring, 22, 10).united(ellipse({64, 52}, 42, 38));
        break;
    }
    case Hair::Bun:
        path.addEllipse(QPointF(64, 20), 15, 13);
        break;
    case Hair::Ponytail:
        path.moveTo(82, 32);
        path.cubicTo(114, 30, 112, 78, 104, 104);
        path.cubicTo(100, 84, 98, 60, 84, 46);
        path.closeSubpath();
        break;
    case Hair::Scarf:
        path.moveTo(64, 16);
        path.cubicTo(22, 16, 24, 70, 28, 98);
        path.lineTo(100, 98);
        path.cubicTo(104, 70, 106, 16, 64, 16);
        break;
    default: return;
    }
    paint(p, path, m.hair == Hair::Scarf ? m.accent : m.hairColor);
    if (m.hair == Hair::Ponytail)
        paint(p, ellipse({90, 40}, 4, 6), m.accent, 1.2);
    if (m.hair == Hair::Bun) {
        p.setPen(hairline(m.hairColor.darker(125), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(54, 12, 20, 16), 30 * 16, 120 * 16);
    }
}

void shoulders(QPainter& p, const Person& m)
{
    QPainterPath body;
    body.moveTo(10, 130);
    body.cubicTo(12, 106, 34, 98, 64, 98);
    body.cubicTo(94, 98, 116, 106, 118, 130);
    body.closeSubpath();
    paint(p, body, m.shirt);
    // Neck, and the opening of the shirt.
    QPainterPath neck;
    neck.addRect(QRectF(53, 78, 22, 22));
    paint(p, neck, m.skin.darker(108), 0);
    p.setPen(hairline(kLine, 1.4));
    p.drawLine(QPointF(53, 80), QPointF(53, 98));
    p.drawLine(QPointF(75, 80), QPointF(75, 98));
    QPainterPath opening;
    switch (m.neck) {
    case Neck::Crew:
        opening.moveTo(50, 98);
        opening.quadTo(64, 108, 78, 98);
        opening.quadTo(64, 96, 50, 98);
        paint(p, opening, m.skin.darker(108), 1.4);
        break;
    case Neck::VNeck:
        opening.moveTo(48, 99);
        opening.lineTo(64, 120);
        opening.lineTo(80, 99);
        opening.closeSubpath();
        paint(p, opening, m.skin.darker(104), 1.4);
        if (m.woman) {
            // A thin necklace with a pendant.
            p.setPen(hairline(QColor(230, 180, 40), 1.3));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(52, 86, 24, 22), 200 * 16, 140 * 16);
            paint(p, ellipse({64, 108.5}, 2.4, 2.4), QColor(240, 200, 60), 1);
        }
        break;
    case Neck::Collar: {
        opening.moveTo(54, 98);
        opening.lineTo(64, 112);
        opening.lineTo(74, 98);
        opening.closeSubpath();
        paint(p, opening, m.skin.darker(108), 1.2);
        QPainterPath left;
        left.moveTo(52, 96);
        left.lineTo(64, 112);
        left.lineTo(50, 110);
        left.closeSubpath();
        const QColor collar = m.shirt.lightness() > 200 ? QColor(255, 255, 255) : m.shirt.lighter(135);
        paint(p, left, collar, 1.2);
        paint(p, mirrored(left), collar, 1.2);
        break;
    }
    }
}

void face(QPainter& p, const Person& m)
{
    // Ears, with earrings hanging from the lobes.
    for (double x : {kHead.x() - kRx, kHead.x() + kRx}) {
        paint(p, ellipse({x, 62}, 5.5, 8.5), m.skin);
        paint(p, ellipse({x, 63}, 2.2, 4.2), m.skin.darker(115), 0);
    }
    QRadialGradient skin(QPointF(56, 50), 44);
    skin.setColorAt(0, m.skin.lighter(106));
    skin.setColorAt(1, m.skin.darker(106));
    paint(p, ellipse(kHead, m.woman ? kRx - 1 : kRx, kRy), skin);
    if (m.earrings) {
        for (double x : {kHead.x() - kRx - 1, kHead.x() + kRx + 1}) {
            if (m.hoops) {
                p.setPen(QPen(QColor(236, 186, 40), 2.4));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(x, 77), 5, 6);
            } else {
                paint(p, ellipse({x, 72}, 2.8, 2.8), m.hair == Hair::Bun ? QColor(250, 250, 245)
                                                                        : QColor(240, 196, 50), 1.1);
            }
        }
    }

    // Eyes.
    for (double x : {53.0, 75.0}) {
        paint(p, ellipse({x, 60}, 6.5, 5.8), Qt::white, 1.3);
        paint(p, ellipse({x + 0.4, 60.5}, 3.8, 3.8), m.eyes, 0);
        paint(p, ellipse({x + 0.4, 60.5}, 1.9, 1.9), QColor(20, 14, 12), 0);
        paint(p, ellipse({x + 1.6, 58.8}, 1.2, 1.2), Qt::white, 0);
        if (m.woman) {
            // Lashes at the outer corners.
            const double side = x < 64 ? -1 : 1;
            p.setPen(hairline(kLine, 1.5));
            p.drawLine(QPointF(x + side * 5.5, 57), QPointF(x + side * 8.5, 54.5));
            p.drawLine(QPointF(x + side * 3.5, 55.2), QPointF(x + side * 5.5, 52));
        }
    }
    // Brows.
    const QColor brow = m.hairColor.lightness() > 200 ? QColor(150, 150, 150) : m.hairColor.darker(110);
    QPen browPen(brow, m.woman ? 2.0 : 3.0);
    browPen.setCapStyle(Qt::RoundCap);
    p.setPen(browPen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(45, 49, 16, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(67, 49, 16, 8), 30 * 16, 120 * 16);
    // Nose and cheeks.
    p.setPen(hairline(m.skin.darker(150), 1.6));
    QPainterPath nose;
    nose.moveTo(64, 62);
    nose.quadTo(59, 71, 62, 72.5);
    nose.quadTo(65, 73.5, 67, 72);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 110, m.skin.lightness() > 150 ? 70 : 50));
    p.drawEllipse(QPointF(46, 72), 6, 4);
    p.drawEllipse(QPointF(82, 72), 6, 4);
    if (m.freckles) {
        p.setBrush(QColor(190, 110, 70, 170));
        for (QPointF f : {QPointF(48, 68), QPointF(52, 70), QPointF(45, 72), QPointF(50, 74), QPointF(80, 68),
                          QPointF(76, 70), QPointF(83, 72), QPointF(78, 74), QPointF(60, 66), QPointF(68, 66)})
            p.drawEllipse(f, 0.9, 0.9);
    }
}

void whiskers(QPainter& p, const Person& m)
{
    const QColor c = m.whiskerColor;
    if (m.whiskers == Whiskers::Beard) {
        QPainterPath beard;
        beard.moveTo(35, 58);
        beard.cubicTo(33, 92, 46, 106, 64, 107);
        beard.cubicTo(82, 106, 95, 92, 93, 58);
        beard.cubicTo(90, 70, 84, 74, 78, 74);
        beard.quadTo(64, 70, 50, 74);
        beard.cubicTo(44, 74, 38, 70, 35, 58);
        paint(p, beard, c, 1.4);
    }
    if (m.whiskers == Whiskers::Goatee)
        paint(p, ellipse({64, 91}, 8, 6), c, 1.2);
    if (m.whiskers == Whiskers::None)
        return;
    const bool big = m.whiskers == Whiskers::BigMoustache;
    QPainterPath half;
    half.moveTo(64, 73);
    half.cubicTo(58, 71, 48, 72, big ? 42 : 46, big ? 86 : 80);
    half.cubicTo(50, big ? 80 : 78, 58, 79, 64, 78);
    half.closeSubpath();
    const QPainterPath both = half.united(mirrored(half));
    paint(p, both, c.lightness() > 200 ? c : c.darker(105), 1.2);
}

void mouth(QPainter& p, const Person& m)
{
    const double y = m.whiskers == Whiskers::None ? 79 : 81;
    if (m.grin) {
        QPainterPath open;
        open.moveTo(53, y);
        open.quadTo(64, y + 13, 75, y);
        open.quadTo(64, y + 3, 53, y);
        paint(p, open, QColor(130, 30, 40), 1.4);
        QPainterPath teeth;
        teeth.moveTo(55, y + 1);
        teeth.quadTo(64, y + 3.5, 73, y + 1);
        teeth.lineTo(72, y + 3.6);
        teeth.quadTo(64, y + 5.5, 56, y + 3.6);
        teeth.closeSubpath();
        paint(p, teeth, Qt::white, 0);
        if (m.lips.isValid()) {
            p.setPen(QPen(m.lips, 2.4));
            p.setBrush(Qt::NoBrush);
            p.drawPath(open);
        }
    } else if (m.lips.isValid()) {
        QPainterPath lips;
        lips.moveTo(55, y);
        lips.quadTo(60, y - 3.5, 64, y - 1.5);
        lips.quadTo(68, y - 3.5, 73, y);
        lips.quadTo(64, y + 7, 55, y);
        paint(p, lips, m.lips, 1.2);
        p.setPen(hairline(m.lips.darker(150), 1.0));
        p.drawLine(QPointF(56, y + 0.3), QPointF(72, y + 0.3));
    } else {
        QPen smile(QColor(150, 50, 50), 2.4);
        smile.setCapStyle(Qt::RoundCap);
        p.setPen(smile);
        p.setBrush(Qt::NoBrush);
        QPainterPath s;
        s.moveTo(54, y);
        s.quadTo(64, y + 8, 74, y);
        p.drawPath(s);
    }
}

// Hair in front of the head: fringe, parting, curls.
void hairFront(QPainter& p, const Person& m)
{
    QPainterPath path;
    switch (m.hair) {
    case Hair::None:
        // A shine on the bald head.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(QPointF(54, 36), 8, 4);
        return;
    case Hair::Short:
    case Hair::SidePart:
        path.moveTo(35, 64);
        path.cubicTo(26, 6, 102, 6, 93, 64);
        path.lineTo(90, 64);
        path.cubicTo(90, 50, 86, 42, 78, 40);
        if (m.hair == Hair::SidePart) {
            path.cubicTo(66, 42, 52, 34, 46, 46);
        } else {
            path.cubicTo(70, 38, 58, 42, 50, 40);
            path.cubicTo(42, 42, 39, 50, 38, 64);
        }
        path.cubicTo(40, 52, 40, 50, 38, 64);
        path.closeSubpath();
        break;
    case Hair::Curly: {
        QPainterPath top;
        top.moveTo(37, 56);
        top.cubicTo(30, 10, 98, 10, 91, 56);
        path.moveTo(35, 60);
        path.cubicTo(28, 14, 100, 14, 93, 60);
        path.lineTo(90, 60);
        path.cubicTo(88, 44, 76, 40, 64, 41);
        path.cubicTo(52, 40, 40, 44, 38, 60);
        path.closeSubpath();
        path = path.united(curls(top, 14, 7));
        break;
    }
    case Hair::Receding: {
        QPainterPath left;
        left.moveTo(36, 66);
        left.cubicTo(28, 56, 30, 40, 42, 34);
        left.cubicTo(38, 46, 40, 56, 40, 66);
        left.closeSubpath();
        path = curls(left, 6, 3.5).united(left);
        path = path.united(mirrored(path));
        break;
    }
    case Hair::Afro:
        path.moveTo(35, 62);
        path.cubicTo(28, 14, 100, 14, 93, 62);
        path.lineTo(90, 60);
        path.cubicTo(88, 44, 76, 38, 64, 39);
        path.cubicTo(52, 38, 40, 44, 38, 60);
        path.closeSubpath();
        break;
    case Hair::Long:
    case Hair::Wavy:
        path.moveTo(31, 84);
        path.cubicTo(22, 4, 106, 4, 97, 84);
        path.lineTo(92, 84);
        path.cubicTo(92, 52, 80, 38, 64, 32);
        path.cubicTo(48, 38, 36, 52, 36, 84);
        path.closeSubpath();
        break;
    case Hair::Bob:
        path.moveTo(31, 74);
        path.cubicTo(24, 6, 104, 6, 97, 74);
        path.lineTo(92, 74);
        path.cubicTo(92, 58, 90, 50, 86, 46);
        path.lineTo(42, 46);
        path.cubicTo(38, 50, 36, 58, 36, 74);
        path.closeSubpath();
        break;
    case Hair::Bun:
    case Hair::Ponytail:
        path.moveTo(35, 62);
        path.cubicTo(28, 10, 100, 10, 93, 62);
        path.lineTo(90, 58);
        path.cubicTo(88, 40, 76, 34, 64, 36);
        path.cubicTo(52, 34, 40, 40, 38, 58);
        path.closeSubpath();
        break;
    case Hair::Scarf: {
        // A strip of hair at the brow, then the headscarf and its knot.
        QPainterPath strip;
        strip.moveTo(38, 54);
        strip.cubicTo(40, 38, 88, 38, 90, 54);
        strip.cubicTo(84, 44, 44, 44, 38, 54);
        paint(p, strip, m.hairColor, 1.2);
        QPainterPath scarf;
        scarf.moveTo(33, 62);
        scarf.cubicTo(24, 4, 104, 4, 95, 62);
        scarf.lineTo(90, 54);
        scarf.cubicTo(86, 40, 76, 38, 64, 38);
        scarf.cubicTo(52, 38, 42, 40, 38, 54);
        scarf.closeSubpath();
        paint(p, scarf, m.accent);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 220));
        for (QPointF d : {QPointF(50, 24), QPointF(64, 20), QPointF(78, 24), QPointF(42, 36), QPointF(57, 32),
                          QPointF(71, 31), QPointF(86, 36), QPointF(64, 42)})
            p.drawEllipse(d, 1.8, 1.8);
        paint(p, ellipse({96, 28}, 7, 5), m.accent);
        paint(p, ellipse({104, 22}, 6, 4), m.accent);
        paint(p, ellipse({93, 32}, 4, 4), m.accent.darker(115));
        return;
    }
    }
    paint(p, path, m.hairColor);
    // A few strands give the hair some texture.
    p.setPen(hairline(m.hairColor.lightness() > 150 ? m.hairColor.darker(125) : m.hairColor.lighter(160), 1.0));
    p.setBrush(Qt::NoBrush);
    if (m.hair == Hair::Long || m.hair == Hair::Wavy) {
        p.drawLine(QPointF(64, 34), QPointF(64, 22));
        QPainterPath s;
        s.moveTo(40, 40);
        s.cubicTo(36, 52, 34, 66, 34, 80);
        s.moveTo(88, 40);
        s.cubicTo(92, 52, 94, 66, 94, 80);
        p.drawPath(s);
    } else if (m.hair == Hair::Bob) {
        for (double x = 48; x <= 80; x += 8)
            p.drawLine(QPointF(x, 44), QPointF(x + 1, 34));
    } else if (m.hair == Hair::SidePart || m.hair == Hair::Short) {
        QPainterPath s;
        s.moveTo(50, 30);
        s.quadTo(64, 26, 82, 34);
        p.drawPath(s);
    }
    if (m.hair == Hair::Wavy && m.accent.isValid()) {
        // A flower behind the ear.
        for (int i = 0; i < 5; ++i) {
            const double a = 2 * M_PI * i / 5;
            paint(p, ellipse({36 + 5 * std::cos(a), 36 + 5 * std::sin(a)}, 4, 4), m.accent, 1.0);
        }
        paint(p, ellipse({36, 36}, 3, 3), QColor(250, 200, 40), 1.0);
    }
    if (m.hair == Hair::Bob && m.accent.isValid()) {
        // A hair clip.
        QPainterPath clip;
        clip.addRoundedRect(QRectF(80, 36, 12, 5), 2, 2);
        paint(p, clip, m.accent, 1.2);
    }
}

void glasses(QPainter& p, const Person& m)
{
    if (!m.glasses)
        return;
    const QColor frame = m.woman ? QColor(140, 40, 60) : QColor(40, 40, 44);
    QPen pen(frame, 2.6);
    p.setPen(pen);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawEllipse(QPointF(53, 60), 10, 9);
    p.drawEllipse(QPointF(75, 60), 10, 9);
    p.setBrush(Qt::NoBrush);
    QPainterPath bridge;
    bridge.moveTo(62, 59);
    bridge.quadTo(64, 56, 66, 59);
    p.drawPath(bridge);
    p.drawLine(QPointF(43, 58), QPointF(36, 56));
    p.drawLine(QPointF(85, 58), QPointF(92, 56));
}

void hat(QPainter& p, const Person& m)
{
    const QColor c = m.hatColor;
    switch (m.hat) {
    case Hat::None: return;
    case Hat::Cap: {
        QPainterPath crown;
        crown.moveTo(33, 50);
        crown.cubicTo(28, 6, 100, 6, 95, 50);
        crown.quadTo(64, 42, 33, 50);
        paint(p, crown, c);
        QPainterPath visor;
        visor.moveTo(33, 50);
        visor.quadTo(64, 40, 95, 50);
        visor.quadTo(98, 56, 92, 57);
        visor.quadTo(64, 48, 36, 57);
        visor.quadTo(30, 56, 33, 50);
        paint(p, visor, c.darker(130));
        paint(p, ellipse({64, 17}, 3, 2), c.lighter(150), 1.2);
        p.setPen(hairline(c.lighter(160), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(64, 19), QPointF(64, 44));
        return;
    }
    case Hat::Beret: {
        QPainterPath beret;
        beret.moveTo(30, 46);
        beret.cubicTo(22, 30, 40, 14, 70, 16);
        beret.cubicTo(100, 18, 108, 36, 96, 46);
        beret.quadTo(64, 36, 30, 46);
        paint(p, beret, c);
        QPainterPath stalk;
        stalk.addRect(QRectF(66, 11, 3, 6));
        paint(p, stalk, c, 1.2);
        return;
    }
    case Hat::Gaucho: {
        paint(p, ellipse({64, 38}, 50, 9), c);
        QPainterPath crown;
        crown.moveTo(40, 38);
        crown.lineTo(43, 10);
        crown.quadTo(64, 6, 85, 10);
        crown.lineTo(88, 38);
        crown.quadTo(64, 44, 40, 38);
        paint(p, crown, c);
        QPainterPath band;
        band.moveTo(41, 30);
        band.quadTo(64, 35, 87, 30);
        band.lineTo(88, 37);
        band.quadTo(64, 43, 40, 37);
        band.closeSubpath();
        paint(p, band, QColor(190, 40, 40), 1.2);
        return;
    }
    }
}

} // namespace

int faceCount()
{
    return int(std::size(kPeople));
}

QImage drawFace(int index)
{
    const Person& m = kPeople[index];
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath backdrop;
    if (m.round)
        backdrop.addEllipse(QRectF(2, 2, 124, 124));
    else
        backdrop.addRoundedRect(QRectF(2, 2, 124, 124), 22, 22);
    QRadialGradient glow(QPointF(64, 52), 80);
    glow.setColorAt(0, m.backdrop.lighter(118));
    glow.setColorAt(1, m.backdrop);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(backdrop);
    p.setClipPath(backdrop);

    shoulders(p, m);
    hairBehind(p, m);
    // Redraw the neck over any hair that falls behind it.
    QPainterPath neck;
    neck.addRect(QRectF(53, 78, 22, 20));
    paint(p, neck, m.skin.darker(108), 0);
    p.setPen(hairline(kLine, 1.4));
    p.drawLine(QPointF(53, 80), QPointF(53, 97));
    p.drawLine(QPointF(75, 80), QPointF(75, 97));
    face(p, m);
    whiskers(p, m);
    mouth(p, m);
    hairFront(p, m);
    glasses(p, m);
    hat(p, m);

    p.setClipping(false);
    p.setPen(hairline(m.backdrop.darker(130), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(backdrop);
    return img;
}
