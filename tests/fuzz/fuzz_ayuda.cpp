// The help contents file beside the program may be edited or damaged: any
// bytes read to entries with readable titles, and the code page conversion
// gives back what it was given.
#include "Comprobar.h"
#include "shell/rules/Contenido.h"

#include <string>

namespace {

bool utf8Valido(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (int k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

bool tieneIndefinidos(const std::string& s)
{
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ayuda::Contenido c = ayuda::leerContenido(bytes);
    COMPROBAR(utf8Valido(c.base));
    for (const ayuda::Entrada& e : c.entradas) {
        COMPROBAR(utf8Valido(e.titulo));
        COMPROBAR(e.contexto >= 0);
        COMPROBAR(e.titulo.find('\n') == std::string::npos);
    }
    const std::string utf8 = ayuda::cp1252AUtf8(bytes);
    COMPROBAR(utf8Valido(utf8));
    if (!tieneIndefinidos(bytes)) {
        const auto vuelta = ayuda::utf8ACp1252(utf8);
        COMPROBAR(vuelta && *vuelta == bytes);
    }
    return 0;
}
