#include "net/rules/Cp1252.h"

#include <array>

namespace cp1252 {

namespace {

// 0x80..0x9F. The five bytes the code page leaves unassigned map to the
// control characters of the same number, as Windows itself converts them.
constexpr std::array<char32_t, 32> kAltos{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kAltos.size(); ++i) {
        if (kAltos[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string codificar(std::u32string_view texto)
{
    std::string out;
    out.reserve(texto.size());
    for (char32_t c : texto)
        out += byteDe(c);
    return out;
}

std::u32string decodificar(std::string_view bytes)
{
    std::u32string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out += (u >= 0x80 && u < 0xA0) ? kAltos[u - 0x80] : static_cast<char32_t>(u);
    }
    return out;
}

}  // namespace cp1252
