#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace protocolo {

// What a piece cut from the stream turned out to be.
enum class Clase {
    Mensaje,     // a code of the catalogue with a well-formed argument
    Nombre,      // the opening name message (no code)
    Malformado,  // a known code whose argument does not fit its shape
    Desconocido, // not a code of the catalogue
    Largo,       // over the longest message accepted
};

struct Trozo {
    Clase clase;
    std::string texto;
};

// Recovers message boundaries from a byte stream that has none, using the
// fixed shapes of the catalogue. A message whose shape is not complete yet
// (or could still grow, like "DARH1" before a possible "5") is held until
// more bytes come or the caller gives up waiting and calls liberar(). Free
// text runs to the end of what has arrived, less a trailing "OKOK".
class Troceador {
public:
    void agregar(std::string_view bytes) { buffer_.append(bytes); }
    // The next whole message, or nothing when the buffer is empty or what it
    // holds is still incomplete. esperandoNombre: the greeting is pending.
    std::optional<Trozo> siguiente(bool esperandoNombre);
    // The wait for the rest is over: the next message as it stands.
    std::optional<Trozo> liberar(bool esperandoNombre);
    bool retiene() const { return !buffer_.empty(); }
    std::size_t retenidos() const { return buffer_.size(); }
    void vaciar() { buffer_.clear(); }

private:
    std::optional<Trozo> cortar(bool esperandoNombre, bool forzar);
    std::string buffer_;
};

}  // namespace protocolo
