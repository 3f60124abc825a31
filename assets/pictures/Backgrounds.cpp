// Table backgrounds: textures computed pixel by pixel. Every pattern is built
// from lattices whose period divides the picture, so the tiles join seamlessly.
#include "Pictures.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

uint32_t hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double lattice(int ix, int iy, int cellsX, int cellsY, uint32_t seed)
{
    ix = ((ix % cellsX) + cellsX) % cellsX;
    iy = ((iy % cellsY) + cellsY) % cellsY;
    return hash(uint32_t(ix) * 73856093U ^ uint32_t(iy) * 19349663U ^ hash(seed)) / 4294967295.0;
}

// Value noise on the unit square, wrapping at its edges; 0..1.
double noise(double u, double v, int cellsX, int cellsY, uint32_t seed)
{
    const double x = u * cellsX, y = v * cellsY;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    double fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const double a = lattice(x0, y0, cellsX, cellsY, seed);
    const double b = lattice(x0 + 1, y0, cellsX, cellsY, seed);
    const double c = lattice(x0, y0 + 1, cellsX, cellsY, seed);
    const double d = lattice(x0 + 1, y0 + 1, cellsX, cellsY, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Several octaves of noise, finer ones weaker; 0..1.
double fbm(double u, double v, int cellsX, int cellsY, int octaves, uint32_t seed)
{
    double sum = 0, weight = 0, amp = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(u, v, cellsX << i, cellsY << i, seed + 101 * i);
        weight += amp;
        amp *= 0.5;
    }
    return sum / weight;
}

// Independent value per pixel (wraps with the picture size); 0..1.
double speck(int x, int y, uint32_t seed)
{
    return hash(uint32_t(x) * 2654435761U ^ uint32_t(y) * 40503U ^ hash(seed + 7)) / 4294967295.0;
}

QRgb rgb(double r, double g, double b)
{
    auto c = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return qRgb(c(r), c(g), c(b));
}

QRgb scaled(QColor base, double k)
{
    return rgb(base.red() * k, base.green() * k, base.blue() * k);
}

QRgb mix(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return rgb(a.red() + (b.red() - a.red()) * t, a.green() + (b.green() - a.green()) * t,
               a.blue() + (b.blue() - a.blue()) * t);
}

QImage render(int size, const std::function<QRgb(int, int, double, double)>& pixel)
{
    QImage img(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = pixel(x, y, double(x) / size, double(y) / size);
    }
    return img;
}

// Card-table cloth: soft mottling, a fuzz of fibres and grain per pixel.
// `cells` must divide the size so that the lattices wrap.
QImage felt(int size, int cells, QColor base, uint32_t seed)
{
    return render(size, [=](int x, int y, double u, double v) {
        const double mottle = fbm(u, v, cells, cells, 3, seed) - 0.5;
        const double fuzz = fbm(u, v, cells * 8, cells * 8, 2, seed + 17) - 0.5;
        const double grain = speck(x % size, y % size, seed) - 0.5;
        return scaled(base, 1 + 0.22 * mottle + 0.16 * fuzz + 0.12 * grain);
    });
}

// Horizontal planks with ring figure and fibre streaks.
QImage wood()
{
    const int size = 256, plank = 64;
    const QColor dark(112, 64, 32), light(206, 150, 92);
    return render(size, [=](int x, int y, double u, double v) {
        const int row = y / plank;
        const uint32_t seed = 300 + row * 31;
        const double tint = 0.9 + 0.18 * (hash(seed) / 4294967295.0);
        // Rings bent by broad swirls; each ring fades from pale early wood
        // to a sharp dark line of late wood.
        const double bend = 3.2 * (fbm(u, v, 1, 2, 3, seed) - 0.5) + 0.6 * (noise(u, v, 4, 8, seed + 9) - 0.5);
        const double rings = v * 20 + bend * 4;
        const double phase = rings - std::floor(rings);
        const double late = phase < 0.88 ? std::pow(phase / 0.88, 4) : (1 - phase) / 0.12;
        const double tone = late + 0.2 * std::pow(phase, 1.5);
        const double streak = noise(u, v, 4, 256, seed + 5) - 0.5;
        const double pore = noise(u, v, 32, 256, seed + 6) - 0.5;
        const double grain = speck(x, y, seed) - 0.5;
        double k = tint * (1 + 0.16 * streak + 0.1 * pore + 0.05 * grain);
        const int inPlank = y % plank;
        if (inPlank == 0)
            k *= 0.45;
        else if (inPlank == 1)
            k *= 0.8;
        else if (inPlank == plank - 1)
            k *= 1.06;
        const QRgb c = mix(light, dark, 0.15 + 0.75 * tone);
        return rgb(qRed(c) * k, qGreen(c) * k, qBlue(c) * k);
    });
}

// Red-and-white gingham, woven.
QImage tablecloth()
{
    const int size = 256, check = 32;
    const QColor white(248, 244, 236), half(224, 128, 126), full(172, 28, 38);
    return render(size, [=](int x, int y, double, double) {
        const bool across = (y % check) < check / 2;
        const bool down = (x % check) < check / 2;
        const QColor base = across && down ? full : (across || down ? half : white);
        const double thread = 0.035 * ((speck(0, y, 40) - 0.5) + (speck(x, 0, 41) - 0.5));
        const double weave = ((x + y) & 1) ? 0.03 : -0.03;
        const double grain = 0.05 * (speck(x, y, 42) - 0.5);
        return scaled(base, 1 + thread + weave + grain);
    });
}

// Undyed linen: threads of uneven thickness in a plain weave.
QImage linen()
{
    const int size = 256;
    const QColor base(222, 210, 184);
    return render(size, [=](int x, int y, double u, double v) {
        const bool weftOnTop = ((x / 2 + y / 2) & 1) != 0;
        const double weft = speck(0, y / 2, 50) - 0.5 + 0.8 * (noise(u, v, 8, 128, 51) - 0.5);
        const double warp = speck(x / 2, 0, 52) - 0.5 + 0.8 * (noise(u, v, 128, 8, 53) - 0.5);
        const double thread = weftOnTop ? weft : warp;
        const double shade = ((weftOnTop ? y : x) & 1) ? -0.05 : 0.04;
        const double cloud = fbm(u, v, 4, 4, 2, 54) - 0.5;
        return scaled(base, 1 + 0.12 * thread + shade + 0.08 * cloud + 0.04 * (speck(x, y, 55) - 0.5));
    });
}

// Cork board: granules of several shades, dark pits and pale flecks. The
// lattice is warped so that the granules lose its square grid.
QImage cork()
{
    const int size = 256;
    const QColor base(182, 132, 82), pit(96, 58, 30), fleck(230, 192, 140);
    return render(size, [=](int x, int y, double u, double v) {
        const double wu = u + 0.012 * (noise(u, v, 32, 32, 64) - 0.5);
        const double wv = v + 0.012 * (noise(u, v, 32, 32, 65) - 0.5);
        const double granule = noise(wu, wv, 64, 64, 60);
        const double fine = noise(wv, wu, 128, 128, 61);
        const double cloud = fbm(u, v, 4, 4, 3, 62) - 0.5;
        QRgb c = scaled(base, 1 + 0.3 * (granule - 0.5) + 0.2 * cloud);
        if (fine < 0.2)
            c = mix(QColor(c), pit, (0.2 - fine) * 5);
        else if (granule > 0.78)
            c = mix(QColor(c), fleck, (granule - 0.78) * 3.5);
        const double grain = 1 + 0.14 * (speck(x, y, 63) - 0.5);
        return rgb(qRed(c) * grain, qGreen(c) * grain, qBlue(c) * grain);
    });
}

// White marble with grey veins: a soft halo round a thin dark core.
QImage marble()
{
    const int size = 256;
    const QColor stone(238, 236, 230), vein(96, 98, 108);
    return render(size, [=](int x, int y, double u, double v) {
        // Whole multiples of u and v keep the veins continuous across tiles.
        const double t = 2 * u + v + 1.1 * fbm(u, v, 2, 2, 4, 70);
        const double s = 1 - std::abs(std::sin(M_PI * t));
        const double veins = 0.3 * std::pow(s, 6) + 0.45 * std::pow(s, 40);
        const double t2 = u - v + 0.8 * fbm(u, v, 4, 4, 3, 71);
        const double faint = 0.3 * std::pow(1 - std::abs(std::sin(M_PI * 2 * t2)), 30);
        const double cloud = fbm(u, v, 4, 4, 4, 72) - 0.5;
        const QRgb c = mix(stone, vein, veins + faint + 0.22 * std::max(0.0, cloud));
        const double grain = 1 + 0.025 * (speck(x, y, 73) - 0.5);
        return rgb(qRed(c) * grain, qGreen(c) * grain, qBlue(c) * grain);
    });
}

} // namespace

QList<Background> drawBackgrounds()
{
    return {
        {QStringLiteral("Pano verde.jpg"), felt(256, 4, QColor(34, 112, 58), 11)},
        {QStringLiteral("Pano azul.jpg"), felt(256, 4, QColor(32, 74, 142), 12)},
        {QStringLiteral("Madera.jpg"), wood()},
        {QStringLiteral("Mantel.jpg"), tablecloth()},
        {QStringLiteral("Lino.jpg"), linen()},
        {QStringLiteral("Corcho.jpg"), cork()},
        {QStringLiteral("Marmol.jpg"), marble()},
    };
}

QImage drawBuiltinBaize()
{
    // 160 = 5 * 32: the lattices of 5, 10, 20 ... cells wrap exactly.
    return felt(160, 5, QColor(30, 102, 52), 13);
}
