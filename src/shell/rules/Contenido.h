#pragma once
// The help contents file: six lines in Windows-1252 with CR LF, a base line
// ":Base Truco.hlp", then "level title" for a book or "level title=context"
// for a topic.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ayuda {

struct Entrada {
    int nivel = 1;
    std::string titulo;  // UTF-8
    int contexto = 0;    // 0 for a book heading
};

struct Contenido {
    std::string base;  // help file named by ":Base"
    std::vector<Entrada> entradas;
};

// Windows-1252 bytes to UTF-8 (bytes it leaves undefined become U+FFFD).
std::string cp1252AUtf8(std::string_view bytes);
// UTF-8 to Windows-1252; nothing when a character has no byte there.
std::optional<std::string> utf8ACp1252(std::string_view utf8);

// Reads the contents file; lines it cannot read are skipped.
Contenido leerContenido(std::string_view bytes);

}  // namespace ayuda
