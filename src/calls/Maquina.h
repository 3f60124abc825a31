#pragma once
// The computer of the "Normal" level: fixed thresholds on its own cards,
// what lies on the table and the score. It sees only what a player at its
// seat may see: its hand, the cards played, what was sung, the points.
#include "motor/Jugador.h"
#include "motor/Reglas.h"

#include <functional>

namespace motor {

// Chance and the clock the computer reads: a uniform number in [0, 1) for
// its envido as mano, and the second of the clock for its falta envido.
struct FuenteMaquina {
    std::function<double()> uniforme;
    std::function<int()> segundo;
};

class JugadorNormal : public Jugador {
public:
    explicit JugadorNormal(FuenteMaquina f) : f_(std::move(f)) {}
    Movida elegir(const Partida& p, int yo) override;

    // What it knows of the hand when it answers the truco ladder, as the
    // thresholds read it (its side as "M").
    static reglas::Mesa mesa(const Estado& e, int yo);

private:
    Movida jugar(const Estado& e, int yo);
    Movida responderTruco(const Estado& e, int yo);
    Movida responderEnvido(const Estado& e, int yo);
    FuenteMaquina f_;
    int cantoEnTercera_ = 0;  // the hand whose third trick it already sang in
};

}  // namespace motor
