#pragma once
// Any legal move, calls and answers included, with equal chance: the floor
// every level must beat.
#include "motor/Jugador.h"

#include <random>

namespace motor {

class JugadorAzar : public Jugador {
public:
    explicit JugadorAzar(std::uint32_t semilla) : gen_(semilla) {}
    Movida elegir(const Partida& p, int asiento) override;

private:
    std::mt19937 gen_;
};

}  // namespace motor
