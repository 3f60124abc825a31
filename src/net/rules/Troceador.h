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
// text runs to the end of what has arrived, less a trailing "OKOK". Every
// argument is checked with the decoding's own rule (argumentoValido).
//
// Messages are cut by moving a start offset; what was cut is dropped once
// per arrival, so a long run of short messages costs time in proportion to
// its length.
class Troceador {
public:
    void agregar(std::string_view bytes);
    // The next whole message, or nothing when the buffer is empty or what it
    // holds is still incomplete. esperandoNombre: the greeting is pending.
    std::optional<Trozo> siguiente(bool esperandoNombre);
    // The wait for the rest is over: the next message as it stands.
    std::optional<Trozo> liberar(bool esperandoNombre);
    bool retiene() const { return inicio_ < buffer_.size(); }
    std::size_t retenidos() const { return buffer_.size() - inicio_; }
    void vaciar()
    {
        buffer_.clear();
        inicio_ = 0;
    }

private:
    std::optional<Trozo> cortar(bool esperandoNombre, bool forzar);
    std::string buffer_;
    std::size_t inicio_ = 0;  // where the bytes not cut yet begin
};

}  // namespace protocolo
