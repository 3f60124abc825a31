#pragma once
// Seeded matches between computer players, headless: how strong a level is
// against another, and how fast the engine plays.
#include "motor/Jugador.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace motor {

// A player of a level by its name ("azar"); empty for a name it does not know.
// simulaciones: the search's playouts per decision (0: its default).
std::unique_ptr<Jugador> crearJugador(const std::string& nivel, std::uint32_t semilla, int simulaciones = 0);
bool nivelConocido(const std::string& nivel);

struct ResultadoPartido {
    int ganador = -1;  // the seat at 30
    int manos = 0;
    int movidas = 0;
    bool rechazada = false;  // a player chose a move the engine refused
};
// One whole match, pauses at zero. Side A sits at seat asientoA.
ResultadoPartido jugarPartido(const Opciones& o, std::uint32_t semilla, Jugador& a, Jugador& b, int asientoA);

struct Config {
    int partidos = 100;
    std::uint32_t semilla = 1;
    std::string nivelA = "azar", nivelB = "azar";
    int simulaciones = 0;
};
struct Resultado {
    int partidos = 0;
    int ganadosA = 0;
    double bajo = 0, alto = 0;  // 95 % Wilson interval of A's share
    double manosPorPartido = 0;
    int rechazadas = 0;  // matches cut short by a refused move
};
// Plays the matches: sides swap seats, mano, deck and flor from one match to
// the next. progreso, when given, hears after each match.
Resultado jugar(const Config& c, const std::function<void(int hechos)>& progreso = {});
// The series both arenas play: match i with its seed fills p and says
// whether side A won it; the wins, the interval and the hands are counted.
Resultado serie(const Config& c, const std::function<bool(int i, std::uint32_t semilla, ResultadoPartido& p)>& partido,
                const std::function<void(int hechos)>& progreso);

// The 95 % Wilson score interval of k successes in n.
std::pair<double, double> wilson(int k, int n);

}  // namespace motor
