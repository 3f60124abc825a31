#pragma once
#include <string>
#include <string_view>

// Text on the wire is Windows-1252, one byte a character, the code page of
// the platform the protocol comes from.
namespace cp1252 {

// A character the code page lacks is sent as '?'.
std::string codificar(std::u32string_view texto);
std::u32string decodificar(std::string_view bytes);

}  // namespace cp1252
