#pragma once
// Seeded matches of four in pairs between computer players, headless. Pair A
// sits at seats 0 and 2 or at 1 and 3, pair B at the other two.
#include "arena/Arena.h"
#include "motor/JugadorCuatro.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace motor {

// A player of four of a level by its name ("azar", "normal"); empty for a
// name it does not know.
std::unique_ptr<cuatro::JugadorCuatro> crearJugadorCuatro(const std::string& nivel, std::uint32_t semilla);
bool nivelConocidoCuatro(const std::string& nivel);

// One whole match of four, pauses at zero, from the given dealer. The
// winner is a pair: 0 seats 0 and 2, 1 seats 1 and 3.
ResultadoPartido jugarPartidoCuatro(std::uint32_t semilla, const std::array<cuatro::JugadorCuatro*, 4>& jugadores,
                                    int repartidor);

// Plays the matches: the pairs swap seats and the deal moves round from one
// match to the next.
Resultado jugarCuatro(const Config& c, const std::function<void(int hechos)>& progreso = {});

}  // namespace motor
