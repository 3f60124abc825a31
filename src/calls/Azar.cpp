#include "calls/Azar.h"

namespace motor {

Movida JugadorAzar::elegir(const Partida& p, int asiento)
{
    const auto v = p.legales(asiento);
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(gen_)];
}

}  // namespace motor
