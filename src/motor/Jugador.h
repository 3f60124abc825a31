#pragma once
// Whoever plays a seat without a person at it: given the match and its seat,
// one of the moves the engine allows.
#include "motor/Partida.h"

#include <cstdint>

namespace motor {

class Jugador {
public:
    virtual ~Jugador() = default;
    virtual Movida elegir(const Partida& p, int asiento) = 0;
};

// A seeded draw for the deal of one match (matches played without a table).
Azar azarDeReparto(std::uint32_t semilla);

}  // namespace motor
