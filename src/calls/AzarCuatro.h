#pragma once
// Any legal move of a seat in pairs, calls and answers included, with equal
// chance: the floor every level of four must beat.
#include "motor/JugadorCuatro.h"

#include <cstdint>
#include <random>

namespace cuatro {

class JugadorAzarCuatro : public JugadorCuatro {
public:
    explicit JugadorAzarCuatro(std::uint32_t semilla) : gen_(semilla) {}
    Movida elegir(const VistaCuatro& v) override;

private:
    std::mt19937 gen_;
};

}  // namespace cuatro
