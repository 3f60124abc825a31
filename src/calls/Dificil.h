#pragma once
// The computer of the "Difícil" level: at each decision it deals the cards it
// cannot see in every way that agrees with what its seat saw and heard, plays
// each legal move on from there with fast players, and keeps the move whose
// hands end best for the match.
#include "motor/Jugador.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace motor {

// The whole hands (played cards included) the opponent of a seat may hold,
// as deck indexes, given what the seat knows: its own cards, the cards on the
// table, the envido points said and who won it, the flor sung or not.
std::vector<std::array<int, 3>> manosPosibles(const Estado& e, int yo);

// The chance of winning the match from a score, for the seat with mis points
// against suyos, before a hand where it is mano or not. Learnt once from the
// "Normal" player's own hands.
double probabilidadDeGanar(int mis, int suyos, bool soyMano);

// Learns once what every search reads (about a tenth of a second here), so
// that a first decision need not; the searches do it themselves otherwise.
void prepararBusqueda();

// One decision: simulaciones playouts in all, spread over the legal moves.
// Reads only what seat yo may know of e; the same arguments give the same
// move. Safe to call from any thread.
Movida buscarJugada(const Estado& e, int yo, int simulaciones, std::uint64_t semilla);

class JugadorDificil : public Jugador {
public:
    // A decision near 5 ms here: what the arena plays by default.
    static constexpr int kSimulacionesArena = 15000;
    // The table's: a decision well under 300 ms, off the window's thread.
    static constexpr int kSimulacionesMesa = 100000;

    JugadorDificil(std::uint64_t semilla, int simulaciones) : gen_(semilla), simulaciones_(simulaciones) {}
    Movida elegir(const Partida& p, int yo) override;
    // The seed of the next search, for whoever runs it elsewhere.
    std::uint64_t siguienteSemilla() { return gen_(); }
    int simulaciones() const { return simulaciones_; }

private:
    std::mt19937_64 gen_;
    int simulaciones_;
};

}  // namespace motor
