#include "shell/rules/Contenido.h"

#include <array>
#include <charconv>

namespace ayuda {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 has none.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void ponerUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Next code point of a UTF-8 text, or nothing when the bytes are not UTF-8.
std::optional<char32_t> leerUtf8(std::string_view s, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80)
        return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) > s.size())
        return std::nullopt;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto t = static_cast<unsigned char>(s[i++]);
        if ((t & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (t & 0x3F);
    }
    return c;
}

std::string_view recortar(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::string cp1252AUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = kAltos[b - 0x80] ? kAltos[b - 0x80] : 0xFFFD;
        ponerUtf8(out, c);
    }
    return out;
}

std::optional<std::string> utf8ACp1252(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = leerUtf8(utf8, i);
        if (!c)
            return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            out.push_back(static_cast<char>(*c));
            continue;
        }
        std::size_t k = 0;
        while (k < kAltos.size() && (kAltos[k] == 0 || kAltos[k] != *c))
            ++k;
        if (k == kAltos.size())
            return std::nullopt;
        out.push_back(static_cast<char>(0x80 + k));
    }
    return out;
}

Contenido leerContenido(std::string_view bytes)
{
    Contenido c;
    const std::string texto = cp1252AUtf8(bytes);
    std::string_view resto = texto;
    while (!resto.empty()) {
        const std::size_t fin = resto.find('\n');
        std::string_view linea = recortar(resto.substr(0, fin));
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
        if (linea.empty())
            continue;
        if (linea.front() == ':') {
            constexpr std::string_view kBase = ":Base";
            if (linea.substr(0, kBase.size()) == kBase)
                c.base = std::string(recortar(linea.substr(kBase.size())));
            continue;  // other commands do not concern the window
        }
        Entrada e;
        const auto [p, ec] = std::from_chars(linea.data(), linea.data() + linea.size(), e.nivel);
        if (ec != std::errc() || e.nivel < 1 || p == linea.data() + linea.size() || *p != ' ')
            continue;
        std::string_view titulo = recortar(linea.substr(static_cast<std::size_t>(p - linea.data())));
        const std::size_t igual = titulo.rfind('=');
        if (igual != std::string_view::npos) {
            const std::string_view num = recortar(titulo.substr(igual + 1));
            int ctx = 0;
            const auto [q, ec2] = std::from_chars(num.data(), num.data() + num.size(), ctx);
            if (ec2 != std::errc() || q != num.data() + num.size() || ctx <= 0)
                continue;
            e.contexto = ctx;
            titulo = recortar(titulo.substr(0, igual));
        }
        if (titulo.empty())
            continue;
        e.titulo = std::string(titulo);
        c.entradas.push_back(std::move(e));
    }
    return c;
}

}  // namespace ayuda
