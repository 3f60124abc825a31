// The Spanish deck: suit signs, their layout by number, and the three figures.
// Everything is drawn in the pixel coordinates of a 120 x 184 card, and saved
// kScale times larger: sharp on a maximised table on a 4K screen.
#include "Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 184;
constexpr double kScale = 2.5;
const QRectF kFrame(6.5, 6.5, 107, 171);

enum class Suit { Oros, Copas, Espadas, Bastos };

Suit suitOf(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'C': return Suit::Copas;
    case 'E': return Suit::Espadas;
    case 'B': return Suit::Bastos;
    default: return Suit::Oros;
    }
}

const QColor kCream(251, 244, 224);
const QColor kInk(52, 36, 26);      // outlines
const QColor kSkin(246, 206, 166);
const QColor kGold(240, 186, 30);
const QColor kRed(200, 38, 40);
const QColor kBlue(40, 86, 170);
const QColor kGreen(46, 125, 50);

// Colour of the numbers and of the frame line.
QColor inkOf(Suit s)
{
    switch (s) {
    case Suit::Oros: return QColor(190, 112, 0);
    case Suit::Copas: return QColor(196, 30, 36);
    case Suit::Espadas: return QColor(28, 72, 160);
    case Suit::Bastos: return QColor(36, 118, 42);
    }
    return Qt::black;
}

// Gaps in the frame line, by which the suit is told at a glance.
int gapsOf(Suit s)
{
    return int(s);
}

class Saved {
public:
    explicit Saved(QPainter& p) : p_(p) { p_.save(); }
    ~Saved() { p_.restore(); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;

private:
    QPainter& p_;
};

QLinearGradient metal(double half, QColor dark, QColor light, QColor mid)
{
    QLinearGradient g(-half, 0, half, 0);
    g.setColorAt(0, dark);
    g.setColorAt(0.32, light);
    g.setColorAt(0.6, mid);
    g.setColorAt(1, dark.darker(120));
    return g;
}

QLinearGradient gold(double half)
{
    return metal(half, QColor(150, 94, 0), QColor(255, 234, 130), QColor(236, 176, 18));
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, double line = 1.0)
{
    p.setPen(line > 0 ? hairline(kInk, line) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath rectangle(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// ---------------------------------------------------------------- signs
// Each sign is drawn in a box 100 units tall centred on the origin.

void coin(QPainter& p, bool ornate)
{
    QRadialGradient body(QPointF(-18, -20), 78);
    body.setColorAt(0, QColor(255, 246, 176));
    body.setColorAt(0.45, QColor(248, 200, 40));
    body.setColorAt(1, QColor(214, 128, 8));
    fill(p, ellipse({0, 0}, 50, 50), body, 1.2);

    // Beaded rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    const int beads = ornate ? 32 : 20;
    for (int i = 0; i < beads; ++i) {
        const double a = 2 * M_PI * i / beads;
        p.drawEllipse(QPointF(45 * std::cos(a), 45 * std::sin(a)), 2.6, 2.6);
    }
    p.setPen(hairline(QColor(150, 88, 0), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 39, 39);
    if (ornate)
        p.drawEllipse(QPointF(0, 0), 33, 33);

    // Rosette in the middle.
    const int petals = ornate ? 12 : 8;
    for (int i = 0; i < petals; ++i) {
        Saved s(p);
        p.rotate(360.0 * i / petals);
        QPainterPath petal;
        petal.moveTo(0, -6);
        petal.cubicTo(-8, -14, -6, -26, 0, ornate ? -30 : -28);
        petal.cubicTo(6, -26, 8, -14, 0, -6);
        fill(p, petal, QColor(226, 128, 0), 0.8);
    }
    if (ornate) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 232, 120));
        for (int i = 0; i < petals; ++i) {
            const double a = 2 * M_PI * (i + 0.5) / petals;
            p.drawEllipse(QPointF(22 * std::cos(a), 22 * std::sin(a)), 2.6, 2.6);
        }
    }
    QRadialGradient heart(QPointF(-2, -2), 10);
    heart.setColorAt(0, QColor(240, 90, 70));
    heart.setColorAt(1, QColor(160, 20, 20));
    fill(p, ellipse({0, 0}, 8, 8), heart, 0.8);
}

void cup(QPainter& p, bool ornate)
{
    const QLinearGradient metalGold = gold(34);
    const QLinearGradient wine = metal(34, QColor(110, 0, 0), QColor(255, 110, 96), QColor(206, 34, 34));

    // Foot.
    QPainterPath foot;
    foot.moveTo(-5, 28);
    foot.cubicTo(-7, 38, -22, 40, -28, 46);
    foot.lineTo(28, 46);
    foot.cubicTo(22, 40, 7, 38, 5, 28);
    foot.closeSubpath();
    fill(p, foot, metalGold);
    fill(p, ellipse({0, 46}, 28, 4.5), metalGold);
    // Stem with a knop set with a stone.
    QPainterPath stem;
    stem.addRect(QRectF(-4.5, -2, 9, 32));
    fill(p, stem, metalGold);
    fill(p, ellipse({0, 13}, 11, 7.5), metalGold);
    fill(p, ellipse({0, 13}, 3.5, 3.5), QColor(200, 30, 40), 0.7);
    // Bowl.
    QPainterPath bowl;
    bowl.moveTo(-33, -42);
    bowl.cubicTo(-33, -14, -18, -2, -6, 0);
    bowl.lineTo(6, 0);
    bowl.cubicTo(18, -2, 33, -14, 33, -42);
    bowl.closeSubpath();
    fill(p, bowl, wine, 1.1);
    {
        Saved s(p);
        p.setClipPath(bowl);
        QPainterPath band;
        band.addRect(QRectF(-40, -28, 80, 8));
        fill(p, band, metalGold, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 40));
        for (int x = -24; x <= 24; x += 12)
            p.drawEllipse(QPointF(x, -24), 2.2, 2.2);
        if (ornate) {
            QPainterPath leaf;
            leaf.moveTo(0, -16);
            leaf.cubicTo(-10, -12, -8, -5, 0, -2);
            leaf.cubicTo(8, -5, 10, -12, 0, -16);
            fill(p, leaf, metalGold, 0.8);
        }
    }
    // Rim and the dark opening.
    fill(p, ellipse({0, -42}, 34, 6.5), metalGold, 1.1);
    fill(p, ellipse({0, -42}, 27, 3.8), QColor(90, 0, 0), 0.7);
    if (ornate) {
        // A domed lid with a finial, as on the ace.
        QPainterPath lid;
        lid.moveTo(-27, -46);
        lid.cubicTo(-24, -62, 24, -62, 27, -46);
        lid.closeSubpath();
        fill(p, lid, wine);
        fill(p, ellipse({0, -62}, 5, 5), metalGold);
    }
}

// A band of the ace's ribbon, running from the left edge at `yLeft` to the
// right edge at `yRight`.
QPainterPath ribbonBand(double yLeft, double yRight)
{
    QPainterPath band;
    const double mid = (yLeft + yRight) / 2;
    band.moveTo(-13, yLeft);
    band.quadTo(0, mid - 2.5, 13, yRight);
    band.lineTo(13, yRight + 6);
    band.quadTo(0, mid + 3.5, -13, yLeft + 6);
    band.closeSubpath();
    return band;
}

void sword(QPainter& p, bool ornate)
{
    const QColor ribbon(206, 32, 40);
    if (ornate) {
        // The ribbon winds round the blade: its back turns first.
        fill(p, ribbonBand(-14, -22), ribbon.darker(150), 0.8);
        fill(p, ribbonBand(2, -6), ribbon.darker(150), 0.8);
    }
    // Blade, tip up.
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.lineTo(4.5, -42);
    blade.lineTo(5.8, 18);
    blade.lineTo(-5.8, 18);
    blade.lineTo(-4.5, -42);
    blade.closeSubpath();
    fill(p, blade, metal(6, QColor(20, 52, 120), QColor(170, 204, 250), QColor(60, 112, 200)), 1.0);
    p.setPen(hairline(QColor(225, 238, 255), 0.8));
    p.drawLine(QPointF(0, -45), QPointF(0, 15));

    const QLinearGradient metalGold = gold(22);
    if (ornate) {
        // Fluttering ends, then the turns in front of the blade.
        QPainterPath tails;
        tails.moveTo(-13, -30);
        tails.lineTo(-25, -37);
        tails.lineTo(-21, -31);
        tails.lineTo(-26, -25);
        tails.lineTo(-13, -24);
        tails.closeSubpath();
        tails.moveTo(13, 10);
        tails.lineTo(25, 15);
        tails.lineTo(21, 19);
        tails.lineTo(26, 24);
        tails.lineTo(13, 16);
        tails.closeSubpath();
        fill(p, tails, ribbon.darker(115), 0.8);
        for (double y : {-30.0, -14.0, 2.0}) {
            fill(p, ribbonBand(y, y + 8), ribbon, 0.9);
            p.setPen(hairline(QColor(255, 150, 140), 0.7));
            QPainterPath shine;
            shine.moveTo(-11, y + 1.8);
            shine.quadTo(0, y + 2, 11, y + 9.6);
            p.drawPath(shine);
        }
    }
    // Cross guard with curled ends.
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-19, 17.5, 38, 5.5), 2.5, 2.5);
    fill(p, guard, metalGold);
    fill(p, ellipse({-20, 17}, 3.8, 3.8), metalGold);
    fill(p, ellipse({20, 17}, 3.8, 3.8), metalGold);
    if (ornate) {
        QPainterPath shell;
        shell.moveTo(-9, 23);
        shell.quadTo(0, 33, 9, 23);
        shell.closeSubpath();
        fill(p, shell, metalGold);
    }
    // Grip bound with gold wire, and the pommel.
    QPainterPath grip;
    grip.addRoundedRect(QRectF(-3.8, 23, 7.6, 17), 2, 2);
    fill(p, grip, QColor(140, 40, 24));
    p.setPen(hairline(QColor(250, 210, 80), 0.8));
    for (double y = 26; y < 40; y += 4)
        p.drawLine(QPointF(-3.4, y + 1.5), QPointF(3.4, y - 1.5));
    fill(p, ellipse({0, 44.5}, 5.2, 5.2), metalGold);
}

void club(QPainter& p, bool ornate, bool small)
{
    QPainterPath body;
    body.moveTo(-6, 46);
    body.cubicTo(-7, 20, -8, -8, -11.5, -36);
    body.cubicTo(-12, -52, 12, -52, 11.5, -36);
    body.cubicTo(8, -8, 7, 20, 6, 46);
    body.cubicTo(5, 51, -5, 51, -6, 46);
    body.closeSubpath();

    const QLinearGradient wood =
        metal(12, QColor(70, 80, 26), QColor(214, 206, 128), QColor(132, 146, 58));
    // Stubs of cut branches: drawn first so that the trunk overlaps their roots.
    struct Stub { double x, y, angle; };
    const Stub stubs[] = {{-9, -20, -62}, {8, -2, 58}, {-7, 20, -55}, {9.5, -34, 48}};
    for (const Stub& st : stubs) {
        if (small && st.y > 0)
            continue;
        Saved s(p);
        p.translate(st.x, st.y);
        p.rotate(st.angle);
        QPainterPath stub;
        stub.addRect(QRectF(-3.2, -9, 6.4, 9));
        fill(p, stub, QColor(150, 150, 70), 0.9);
        fill(p, ellipse({0, -9}, 3.2, 1.6), QColor(232, 214, 158), 0.8);
    }
    fill(p, body, wood, 1.1);
    // Cut end at the top, knots and bark lines.
    fill(p, ellipse({0, -45.5}, 8, 2.8), QColor(226, 204, 140), 0.8);
    p.setBrush(QColor(86, 92, 30));
    p.setPen(hairline(QColor(60, 60, 20), 0.8));
    p.drawEllipse(QPointF(3, -24), 2.6, 3.6);
    p.drawEllipse(QPointF(-2.5, 8), 2.2, 3.0);
    p.drawEllipse(QPointF(2, 30), 1.8, 2.6);
    if (small)
        return;
    p.setPen(hairline(QColor(80, 86, 28, 170), 0.7));
    p.setBrush(Qt::NoBrush);
    QPainterPath bark;
    bark.moveTo(-5, -38);
    bark.cubicTo(-6, -20, -3, -4, -4, 10);
    bark.moveTo(6, -30);
    bark.cubicTo(5, -12, 5, 0, 3, 16);
    bark.moveTo(-3, 22);
    bark.cubicTo(-3, 30, -2, 36, -3, 42);
    p.drawPath(bark);
    if (ornate) {
        // Fresh leaves sprouting from the knots, as on the ace.
        auto leaf = [&](QPointF at, double angle, QColor color) {
            Saved s(p);
            p.translate(at);
            p.rotate(angle);
            QPainterPath l;
            l.moveTo(0, 0);
            l.cubicTo(-5, -6, -4, -14, 0, -20);
            l.cubicTo(4, -14, 5, -6, 0, 0);
            fill(p, l, color, 0.8);
            p.setPen(hairline(color.darker(150), 0.6));
            p.drawLine(QPointF(0, -1), QPointF(0, -16));
        };
        leaf({-11, -26}, -70, QColor(72, 160, 60));
        leaf({-12, -22}, -110, QColor(96, 176, 70));
        leaf({11, -8}, 70, QColor(72, 160, 60));
        leaf({10, -4}, 115, QColor(96, 176, 70));
        leaf({-9, 14}, -80, QColor(96, 176, 70));
    }
}

// Draws a sign `size` pixels tall centred on `c`, turned by `angle` degrees.
void sign(QPainter& p, Suit suit, QPointF c, double size, double angle = 0, bool ornate = false)
{
    Saved s(p);
    p.translate(c);
    p.rotate(angle);
    // Short clubs are drawn stouter, so that they still read as clubs.
    const bool stout = suit == Suit::Bastos && size < 70;
    p.scale(size / 100 * (stout ? 1.25 : 1.0), size / 100);
    switch (suit) {
    case Suit::Oros: coin(p, ornate); break;
    case Suit::Copas: cup(p, ornate); break;
    case Suit::Espadas: sword(p, ornate); break;
    case Suit::Bastos: club(p, ornate, size < 70); break;
    }
}

bool isLong(Suit s)
{
    return s == Suit::Espadas || s == Suit::Bastos;
}

// Where the hand holds a long sign, in units below its centre.
double gripOf(Suit s)
{
    return s == Suit::Espadas ? 31 : 36;
}

// A sword or club held in `hand`, leaning by `angle` degrees.
void holdLong(QPainter& p, Suit suit, QPointF hand, double length, double angle)
{
    const double g = gripOf(suit) * length / 100;
    const double a = qDegreesToRadians(angle);
    sign(p, suit, hand + QPointF(g * std::sin(a), -g * std::cos(a)), length, angle);
}

// ---------------------------------------------------------------- pips

// Coins and cups stand upright in the classic places for each number.
void roundPips(QPainter& p, Suit suit, int n)
{
    const bool coins = suit == Suit::Oros;
    auto put = [&](std::initializer_list<QPointF> at, double coinSize, double cupSize) {
        for (const QPointF& c : at)
            sign(p, suit, c, coins ? coinSize : cupSize, 0, n == 1);
    };
    switch (n) {
    case 1: put({{60, 92}}, 88, 104); break;
    case 2: put({{60, 54}, {60, 130}}, 50, 60); break;
    case 3: put({{60, 46}, {60, 92}, {60, 138}}, 42, 44); break;
    case 4: put({{37, 58}, {83, 58}, {37, 126}, {83, 126}}, 40, 50); break;
    case 5: put({{37, 54}, {83, 54}, {60, 92}, {37, 130}, {83, 130}}, 38, 44); break;
    case 6: put({{37, 52}, {83, 52}, {37, 92}, {83, 92}, {37, 132}, {83, 132}}, 34, 38); break;
    case 7:
        put({{35, 50}, {85, 50}, {60, 71}, {35, 92}, {85, 92}, {35, 134}, {85, 134}}, 30, 33);
        break;
    }
}

// Swords and clubs cross in pairs, high up their length so that the hilts
// spread apart. With `upright`, a third stands between them, lower, so that
// three points show at the top and three hilts at the bottom. `c` is the
// middle of the group.
void crossed(QPainter& p, Suit suit, QPointF c, double length, bool upright)
{
    // Clubs are thick at the head: they cross at the middle instead.
    const bool clubs = suit == Suit::Bastos;
    const double lean = clubs ? 26 : (upright ? 32 : 30);
    const double shift = clubs ? 0 : 0.14 * length;
    const QPointF crossing = c - QPointF(0, clubs ? 0 : (upright ? 0.2 : 0.12) * length);
    for (double a : {lean, -lean}) {
        const double r = qDegreesToRadians(a);
        sign(p, suit, crossing + QPointF(-shift * std::sin(r), shift * std::cos(r)), length, a);
    }
    if (upright)
        sign(p, suit, crossing + QPointF(0, clubs ? 0 : 0.22 * length), length * 0.98, 0);
}

// One lying across the card, between two groups.
void across(QPainter& p, Suit suit, double length)
{
    sign(p, suit, {60, 92}, length, suit == Suit::Espadas ? 90 : -90);
}

void longPips(QPainter& p, Suit suit, int n)
{
    switch (n) {
    case 1:
        if (suit == Suit::Espadas)
            sign(p, suit, {60, 92}, 150, 0, true);
        else
            sign(p, suit, {60, 92}, 140, 12, true);
        break;
    case 2: crossed(p, suit, {60, 92}, 140, false); break;
    case 3: crossed(p, suit, {60, 92}, 124, true); break;
    case 4:
        crossed(p, suit, {60, 54}, 80, false);
        crossed(p, suit, {60, 130}, 80, false);
        break;
    case 5:
        crossed(p, suit, {60, 50}, 72, false);
        across(p, suit, 80);
        crossed(p, suit, {60, 134}, 72, false);
        break;
    case 6:
    case 7:
        if (suit == Suit::Espadas) {
            // Three crossed pairs; the seventh stands in the middle pair.
            crossed(p, suit, {60, n == 7 ? 40.0 : 42.0}, 56, false);
            crossed(p, suit, {60, 92}, n == 7 ? 52 : 56, n == 7);
            crossed(p, suit, {60, n == 7 ? 144.0 : 142.0}, 56, false);
        } else {
            // Clubs are too stout to cross in threes: two columns of three,
            // leaning in, and the seventh upright between them.
            const double x = n == 7 ? 34 : 38;
            for (double y : {48.0, 92.0, 136.0}) {
                sign(p, suit, {x, y}, 50, 12);
                sign(p, suit, {120 - x, y}, 50, -12);
            }
            if (n == 7)
                sign(p, suit, {60, 92}, 50, 0);
        }
        break;
    }
}

// ---------------------------------------------------------------- figures

struct Dress {
    QColor main, second, trim, hose, hat, horse, mane, beard;
};

Dress dressOf(Suit s)
{
    const QColor yellow(236, 184, 36), purple(112, 56, 140);
    switch (s) {
    case Suit::Oros:
        return {kBlue, yellow, kRed, kRed, kRed, QColor(204, 200, 194), QColor(120, 112, 104),
                QColor(236, 236, 232)};
    case Suit::Copas:
        return {kRed, kBlue, yellow, kBlue, kBlue, QColor(150, 84, 44), QColor(58, 34, 20),
                QColor(120, 72, 36)};
    case Suit::Espadas:
        return {kGreen, kRed, yellow, yellow, purple, QColor(82, 62, 48), QColor(28, 20, 14),
                QColor(168, 170, 176)};
    case Suit::Bastos:
        return {QColor(214, 110, 28), kGreen, kBlue, kGreen, kGreen, QColor(204, 164, 104),
                QColor(112, 76, 40), QColor(128, 80, 44)};
    }
    return {};
}

// An arm, leg or tail: a thick stroke with an outline.
void limb(QPainter& p, const QPainterPath& path, double width, const QColor& color)
{
    Saved s(p);
    p.setBrush(Qt::NoBrush);
    QPen edge(kInk, width + 2);
    edge.setCapStyle(Qt::RoundCap);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setPen(edge);
    p.drawPath(path);
    QPen inner(color, width);
    inner.setCapStyle(Qt::RoundCap);
    inner.setJoinStyle(Qt::RoundJoin);
    p.setPen(inner);
    p.drawPath(path);
}

QPainterPath stroke(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

void hand(QPainter& p, QPointF at)
{
    fill(p, ellipse(at, 3.4, 3.4), kSkin, 0.9);
}

// A face seen from the front; a beard covers the chin and the mouth.
void head(QPainter& p, QPointF c, double r, QColor hair, QColor beard = QColor())
{
    // Hair behind, falling to the jaw.
    QPainterPath back;
    back.addRoundedRect(QRectF(c.x() - r * 1.12, c.y() - r * 1.1, r * 2.24, r * 1.95), r * 0.8, r * 0.8);
    fill(p, back, hair, 0.9);
    fill(p, ellipse(c, r * 0.92, r), kSkin, 0.9);
    // Fringe.
    QPainterPath fringe;
    fringe.moveTo(c.x() - r * 0.95, c.y() - r * 0.15);
    fringe.cubicTo(c.x() - r * 1.0, c.y() - r * 1.25, c.x() + r * 1.0, c.y() - r * 1.25, c.x() + r * 0.95,
                   c.y() - r * 0.15);
    fringe.quadTo(c.x() + r * 0.3, c.y() - r * 0.62, c.x() - r * 0.95, c.y() - r * 0.15);
    fill(p, fringe, hair, 0.8);
    // Eyes, brows, nose, cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 20));
    p.drawEllipse(QPointF(c.x() - r * 0.36, c.y() - r * 0.02), r * 0.12, r * 0.15);
    p.drawEllipse(QPointF(c.x() + r * 0.36, c.y() - r * 0.02), r * 0.12, r * 0.15);
    p.setBrush(QColor(236, 120, 110, 120));
    p.drawEllipse(QPointF(c.x() - r * 0.52, c.y() + r * 0.32), r * 0.18, r * 0.12);
    p.drawEllipse(QPointF(c.x() + r * 0.52, c.y() + r * 0.32), r * 0.18, r * 0.12);
    p.setPen(hairline(hair.darker(130), 0.9));
    p.drawLine(QPointF(c.x() - r * 0.55, c.y() - r * 0.26), QPointF(c.x() - r * 0.18, c.y() - r * 0.3));
    p.drawLine(QPointF(c.x() + r * 0.18, c.y() - r * 0.3), QPointF(c.x() + r * 0.55, c.y() - r * 0.26));
    p.setPen(hairline(QColor(170, 110, 80), 0.8));
    p.drawLine(QPointF(c.x(), c.y() + r * 0.05), QPointF(c.x() - r * 0.08, c.y() + r * 0.3));
    if (beard.isValid()) {
        QPainterPath b;
        b.moveTo(c.x() - r * 0.88, c.y() + r * 0.2);
        b.cubicTo(c.x() - r * 0.9, c.y() + r * 1.3, c.x() - r * 0.3, c.y() + r * 1.9, c.x(), c.y() + r * 2.3);
        b.cubicTo(c.x() + r * 0.3, c.y() + r * 1.9, c.x() + r * 0.9, c.y() + r * 1.3, c.x() + r * 0.88,
                  c.y() + r * 0.2);
        b.cubicTo(c.x() + r * 0.6, c.y() + r * 0.75, c.x() - r * 0.6, c.y() + r * 0.75, c.x() - r * 0.88,
                  c.y() + r * 0.2);
        fill(p, b, beard, 0.9);
        QPainterPath m;
        m.moveTo(c.x(), c.y() + r * 0.42);
        m.cubicTo(c.x() - r * 0.3, c.y() + r * 0.3, c.x() - r * 0.6, c.y() + r * 0.45, c.x() - r * 0.7,
                  c.y() + r * 0.68);
        m.cubicTo(c.x() - r * 0.45, c.y() + r * 0.56, c.x() - r * 0.2, c.y() + r * 0.62, c.x(), c.y() + r * 0.55);
        m.cubicTo(c.x() + r * 0.2, c.y() + r * 0.62, c.x() + r * 0.45, c.y() + r * 0.56, c.x() + r * 0.7,
                  c.y() + r * 0.68);
        m.cubicTo(c.x() + r * 0.6, c.y() + r * 0.45, c.x() + r * 0.3, c.y() + r * 0.3, c.x(), c.y() + r * 0.42);
        fill(p, m, beard.darker(115), 0.7);
    } else {
        p.setPen(hairline(QColor(170, 50, 50), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r * 0.3, c.y() + r * 0.3, r * 0.6, r * 0.35), 200 * 16, 140 * 16);
    }
}

// The sign held by a figure, in its hand or raised above it.
void heldSign(QPainter& p, Suit suit, QPointF hand, double size, double lean)
{
    if (isLong(suit))
        holdLong(p, suit, hand, size, lean);
    else if (suit == Suit::Oros)
        sign(p, suit, hand - QPointF(0, size * 0.42), size);
    else
        sign(p, suit, hand - QPointF(0, size * 0.2), size);
}

// 10: a page standing, holding the sign.
void sota(QPainter& p, Suit suit)
{
    const Dress d = dressOf(suit);
    // Legs in hose and the shoes.
    limb(p, stroke({{54, 118}, {53, 158}}), 8, d.hose);
    limb(p, stroke({{66, 118}, {67, 158}}), 8, d.hose);
    fill(p, ellipse({50, 161}, 7, 3.6), QColor(74, 44, 26));
    fill(p, ellipse({70, 161}, 7, 3.6), QColor(74, 44, 26));

    // Tunic with a flared skirt.
    QPainterPath skirt;
    skirt.moveTo(43, 96);
    skirt.lineTo(77, 96);
    skirt.lineTo(85, 124);
    skirt.quadTo(60, 129, 35, 124);
    skirt.closeSubpath();
    fill(p, skirt, d.main);
    {
        Saved s(p);
        p.setClipPath(skirt);
        QPainterPath hem;
        hem.addRect(QRectF(30, 119, 60, 12));
        fill(p, hem, d.trim, 0.8);
    }
    QPainterPath torso;
    torso.moveTo(45, 60);
    torso.quadTo(60, 55, 75, 60);
    torso.lineTo(78, 100);
    torso.lineTo(42, 100);
    torso.closeSubpath();
    fill(p, torso, d.main);
    p.setPen(hairline(d.trim, 2.2));
    p.drawLine(QPointF(60, 62), QPointF(60, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(d.second);
    for (double y = 68; y < 96; y += 8)
        p.drawEllipse(QPointF(60, y), 1.6, 1.6);
    QPainterPath belt;
    belt.addRect(QRectF(42, 96, 36, 5));
    fill(p, belt, QColor(92, 58, 34), 0.8);
    fill(p, rectangle({57.5, 95.5, 5, 6}), kGold, 0.8);

    // Arms: one holds the sign, the other rests on the hip.
    QPointF holding;
    double size = 0, lean = 0;
    switch (suit) {
    case Suit::Oros:
        limb(p, stroke({{47, 64}, {38, 80}, {33, 70}}), 7, d.second);
        holding = {33, 70};
        size = 30;
        break;
    case Suit::Copas:
        limb(p, stroke({{73, 64}, {84, 82}, {85, 90}}), 7, d.second);
        holding = {85, 90};
        size = 34;
        break;
    case Suit::Espadas:
        limb(p, stroke({{73, 64}, {83, 82}, {86, 100}}), 7, d.second);
        holding = {86, 100};
        size = 92;
        lean = 4;
        break;
    case Suit::Bastos:
        limb(p, stroke({{73, 64}, {83, 82}, {84, 98}}), 7, d.second);
        holding = {84, 98};
        size = 84;
        lean = 18;
        break;
    }
    if (suit == Suit::Oros)
        limb(p, stroke({{73, 64}, {82, 80}, {76, 95}}), 7, d.second);
    else
        limb(p, stroke({{47, 64}, {38, 80}, {44, 95}}), 7, d.second);
    heldSign(p, suit, holding, size, lean);
    hand(p, holding);
    hand(p, suit == Suit::Oros ? QPointF(76, 95) : QPointF(44, 95));

    // Collar, head and a feathered cap.
    fill(p, ellipse({60, 58}, 9, 3.5), Qt::white, 0.8);
    head(p, {60, 45}, 10.5, QColor(150, 92, 40));
    QPainterPath feather;
    feather.moveTo(66, 34);
    feather.cubicTo(74, 28, 80, 20, 84, 16);
    feather.cubicTo(80, 26, 74, 32, 67, 37);
    feather.closeSubpath();
    fill(p, feather, Qt::white, 0.8);
    QPainterPath cap;
    cap.moveTo(46, 38);
    cap.cubicTo(46, 26, 74, 26, 74, 38);
    cap.quadTo(60, 33, 46, 38);
    fill(p, cap, d.hat);
    fill(p, ellipse({60, 37.5}, 15, 3), d.hat.darker(115), 0.9);
}

// 11: a rider on horseback, raising the sign.
void caballo(QPainter& p, Suit suit)
{
    const Dress d = dressOf(suit);
    const QColor far = d.horse.darker(118);

    // Tail.
    QPainterPath tail;
    tail.moveTo(94, 108);
    tail.cubicTo(108, 114, 108, 134, 100, 150);
    tail.cubicTo(100, 136, 98, 124, 91, 116);
    tail.closeSubpath();
    fill(p, tail, d.mane);
    // Far legs, then near legs; one forefoot raised.
    limb(p, stroke({{86, 124}, {92, 146}, {88, 164}}), 7, far);
    limb(p, stroke({{44, 126}, {42, 146}, {44, 164}}), 7, far);
    limb(p, stroke({{80, 126}, {84, 146}, {80, 164}}), 8, d.horse);
    limb(p, stroke({{50, 126}, {38, 138}, {42, 150}}), 8, d.horse);
    const QColor hoof(50, 36, 28);
    fill(p, ellipse({88, 166}, 5, 2.6), hoof);
    fill(p, ellipse({44, 166}, 5, 2.6), hoof);
    fill(p, ellipse({80, 166}, 5.5, 2.8), hoof);
    fill(p, ellipse({43, 152}, 4, 3), hoof);

    // Body, neck and head.
    QLinearGradient coat(0, 100, 0, 134);
    coat.setColorAt(0, d.horse.lighter(115));
    coat.setColorAt(1, d.horse.darker(110));
    fill(p, ellipse({64, 117}, 32, 15.5), coat, 1.1);
    QPainterPath neck;
    neck.moveTo(36, 118);
    neck.cubicTo(28, 104, 26, 90, 30, 78);
    neck.lineTo(42, 70);
    neck.cubicTo(46, 84, 54, 96, 64, 104);
    neck.closeSubpath();
    fill(p, neck, coat, 1.1);
    QPainterPath face;
    face.moveTo(33, 66);
    face.lineTo(42, 70);
    face.quadTo(44, 80, 37, 86);
    face.lineTo(24, 98);
    face.quadTo(15, 101, 14, 94);
    face.quadTo(14, 88, 19, 85);
    face.closeSubpath();
    fill(p, face, d.horse, 1.1);
    fill(p, polygon({{33, 68}, {35, 57}, {39, 69}}), d.horse, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 14));
    p.drawEllipse(QPointF(31, 75), 1.8, 1.6);
    p.drawEllipse(QPointF(17.5, 93), 1.3, 1.0);
    // Mane along the crest.
    QPainterPath mane;
    mane.moveTo(36, 64);
    mane.cubicTo(42, 66, 46, 84, 60, 100);
    mane.lineTo(66, 100);
    mane.lineTo(58, 92);
    mane.lineTo(58, 96);
    mane.cubicTo(50, 86, 48, 74, 44, 66);
    mane.closeSubpath();
    fill(p, mane, d.mane, 0.9);
    // Bridle.
    p.setPen(hairline(d.trim.darker(110), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(20, 86), QPointF(38, 72));
    p.drawLine(QPointF(21, 92), QPointF(36, 84));

    // Saddle cloth with a fringe.
    QPainterPath cloth;
    cloth.moveTo(54, 101);
    cloth.lineTo(82, 101);
    cloth.lineTo(82, 122);
    cloth.quadTo(68, 127, 54, 122);
    cloth.closeSubpath();
    fill(p, cloth, d.second);
    p.setPen(hairline(d.trim, 2));
    p.drawLine(QPointF(55, 121), QPointF(81, 121));

    // Rider: near leg, torso, arms, head.
    limb(p, stroke({{66, 104}, {60, 114}, {62, 130}}), 7, d.hose);
    fill(p, ellipse({63, 133}, 5, 3), QColor(74, 44, 26));
    QPainterPath torso;
    torso.moveTo(58, 72);
    torso.quadTo(67, 67, 77, 72);
    torso.lineTo(76, 106);
    torso.lineTo(57, 106);
    torso.closeSubpath();
    fill(p, torso, d.main);
    p.setPen(hairline(d.trim, 2));
    p.drawLine(QPointF(67, 72), QPointF(67, 104));
    // Reins hand.
    limb(p, stroke({{60, 76}, {54, 90}, {48, 92}}), 6, d.second);
    p.setPen(hairline(QColor(90, 50, 30), 1.0));
    p.drawLine(QPointF(48, 92), QPointF(22, 90));
    hand(p, {48, 92});
    // Raised hand with the sign.
    const QPointF raised = isLong(suit) ? QPointF(90, 64) : QPointF(90, 58);
    limb(p, stroke({{75, 75}, {86, 74}, raised}), 6, d.second);
    switch (suit) {
    case Suit::Oros: heldSign(p, suit, raised, 26, 0); break;
    case Suit::Copas: heldSign(p, suit, raised, 30, 0); break;
    case Suit::Espadas: heldSign(p, suit, raised, 70, 14); break;
    case Suit::Bastos: heldSign(p, suit, raised, 64, 10); break;
    }
    hand(p, raised);
    head(p, {67, 60}, 9, QColor(70, 44, 24));
    // Broad-brimmed hat with a plume.
    QPainterPath plume;
    plume.moveTo(62, 47);
    plume.cubicTo(54, 40, 50, 34, 46, 28);
    plume.cubicTo(54, 32, 60, 38, 66, 46);
    plume.closeSubpath();
    fill(p, plume, d.trim, 0.8);
    QPainterPath crown;
    crown.moveTo(58, 51);
    crown.cubicTo(58, 40, 76, 40, 76, 51);
    crown.closeSubpath();
    fill(p, crown, d.hat);
    fill(p, ellipse({67, 51}, 16, 3.2), d.hat.darker(110));
}

// 12: a crowned king with a beard, in a long robe, holding the sign.
void rey(QPainter& p, Suit suit)
{
    const Dress d = dressOf(suit);
    // Cape behind the robe.
    QPainterPath cape;
    cape.moveTo(45, 60);
    cape.lineTo(75, 60);
    cape.lineTo(92, 162);
    cape.quadTo(60, 170, 28, 162);
    cape.closeSubpath();
    fill(p, cape, d.second, 1.1);
    // Shoes and robe.
    fill(p, ellipse({51, 166}, 7, 3.6), QColor(74, 44, 26));
    fill(p, ellipse({69, 166}, 7, 3.6), QColor(74, 44, 26));
    QPainterPath robe;
    robe.moveTo(47, 60);
    robe.quadTo(60, 56, 73, 60);
    robe.lineTo(82, 164);
    robe.quadTo(60, 168, 38, 164);
    robe.closeSubpath();
    fill(p, robe, d.main, 1.1);
    {
        Saved s(p);
        p.setClipPath(robe);
        QPainterPath panel = polygon({{55, 60}, {65, 60}, {70, 170}, {50, 170}});
        fill(p, panel, d.main.lighter(125), 0.8);
        p.setPen(hairline(kGold, 2.2));
        p.drawLine(QPointF(55, 62), QPointF(50, 170));
        p.drawLine(QPointF(65, 62), QPointF(70, 170));
        QPainterPath hem;
        hem.addRect(QRectF(30, 156, 60, 14));
        fill(p, hem, kGold, 0.8);
        QPainterPath belt;
        belt.addRect(QRectF(30, 98, 60, 5));
        fill(p, belt, kGold, 0.8);
    }
    // Ermine collar over the shoulders.
    QPainterPath collar;
    collar.moveTo(42, 66);
    collar.cubicTo(44, 56, 76, 56, 78, 66);
    collar.cubicTo(72, 72, 48, 72, 42, 66);
    collar.closeSubpath();
    fill(p, collar, Qt::white, 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (double x = 46; x < 76; x += 6)
        p.drawRect(QRectF(x, 63 + std::sin(x) * 1.5, 1.2, 2.6));

    // Arms.
    QPointF holding;
    double size = 0, lean = 0;
    switch (suit) {
    case Suit::Oros:
        holding = {78, 96};
        size = 30;
        break;
    case Suit::Copas:
        holding = {84, 92};
        size = 34;
        break;
    case Suit::Espadas:
        holding = {84, 104};
        size = 96;
        lean = 2;
        break;
    case Suit::Bastos:
        holding = {84, 104};
        size = 88;
        lean = 6;
        break;
    }
    limb(p, stroke({{74, 68}, {84, 84}, holding}), 7, d.main);
    limb(p, stroke({{46, 68}, {38, 86}, {50, 98}}), 7, d.main);
    heldSign(p, suit, holding, size, lean);
    hand(p, holding);
    hand(p, {50, 98});

    // Head with beard, then the crown.
    head(p, {60, 44}, 11, d.beard, d.beard);
    QPainterPath crown = polygon({{47, 36}, {46, 22}, {53, 29}, {60, 17}, {67, 29}, {74, 22}, {73, 36}});
    QLinearGradient shine(46, 0, 74, 0);
    shine.setColorAt(0, QColor(200, 130, 0));
    shine.setColorAt(0.4, QColor(255, 230, 110));
    shine.setColorAt(1, QColor(210, 140, 0));
    fill(p, crown, shine, 1.0);
    QPainterPath band;
    band.addRect(QRectF(47, 32, 26, 5));
    fill(p, band, QColor(222, 160, 20), 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(60, 34.5), 2, 2);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(52.5, 34.5), 1.6, 1.6);
    p.drawEllipse(QPointF(67.5, 34.5), 1.6, 1.6);
    p.setBrush(QColor(255, 240, 180));
    p.setPen(hairline(kInk, 0.8));
    p.drawEllipse(QPointF(46, 22), 1.8, 1.8);
    p.drawEllipse(QPointF(60, 17), 2.0, 2.0);
    p.drawEllipse(QPointF(74, 22), 1.8, 1.8);
}

// ---------------------------------------------------------------- card

void frame(QPainter& p, Suit suit)
{
    // Card face with a thin rounded border.
    p.setPen(hairline(QColor(120, 104, 86), 1.2));
    p.setBrush(kCream);
    p.drawRoundedRect(QRectF(0.6, 0.6, kWidth - 1.2, kHeight - 1.2), 7, 7);

    // Frame line broken by the suit's gaps on the top and bottom sides.
    const int gaps = gapsOf(suit);
    const double gapWidth = 9;
    p.setPen(hairline(inkOf(suit), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(kFrame.topLeft(), kFrame.bottomLeft());
    p.drawLine(kFrame.topRight(), kFrame.bottomRight());
    for (double y : {kFrame.top(), kFrame.bottom()}) {
        double x = kFrame.left();
        for (int i = 1; i <= gaps; ++i) {
            const double middle = kFrame.left() + kFrame.width() * i / (gaps + 1);
            p.drawLine(QPointF(x, y), QPointF(middle - gapWidth / 2, y));
            x = middle + gapWidth / 2;
        }
        p.drawLine(QPointF(x, y), QPointF(kFrame.right(), y));
    }
}

void index(QPainter& p, Suit suit, int number)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setWeight(QFont::Bold);
    font.setPixelSize(28);
    QPainterPath text;
    text.addText(0, 0, font, QString::number(number));
    const QRectF box(9, 9, 24, 27);
    const QRectF bounds = text.boundingRect();
    text.translate(box.center() - bounds.center());
    // Both corners read upright: on screen a card is never turned round.
    for (QPointF shift : {QPointF(0, 0), QPointF(kWidth - 2 * box.center().x(), kHeight - 2 * box.center().y())}) {
        Saved s(p);
        p.translate(shift);
        // A cream halo keeps the number clear of any drawing beneath it.
        QPen halo(kCream, 3.5);
        halo.setJoinStyle(Qt::RoundJoin);
        p.setPen(halo);
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
        p.setPen(hairline(inkOf(suit).darker(140), 0.6));
        p.setBrush(inkOf(suit));
        p.drawPath(text);
    }
}

} // namespace

QString cardCode(int number, QChar suit)
{
    return QString::number(number) + suit.toUpper();
}

QImage drawCard(int number, QChar suitLetter)
{
    const Suit suit = suitOf(suitLetter);
    QImage img(qRound(kWidth * kScale), qRound(kHeight * kScale), QImage::Format_RGB32);
    img.fill(kCream);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    frame(p, suit);
    if (number == 10)
        sota(p, suit);
    else if (number == 11)
        caballo(p, suit);
    else if (number == 12)
        rey(p, suit);
    else if (isLong(suit))
        longPips(p, suit, number);
    else
        roundPips(p, suit, number);
    index(p, suit, number);
    return img;
}
