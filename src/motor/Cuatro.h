#pragma once
// Rules of the four-player game in pairs as plain functions. Seats are the
// host's: 0 the host, 1 his right-hand opponent, 2 his partner, 3 his
// left-hand opponent; play goes from seat s to seat s + 1. Seats 0 and 2 are
// the host's pair ("M" on the host's table), 1 and 3 the other ("H").
#include "motor/Reglas.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuatro {

// ---- Seats and turns --------------------------------------------------------

int siguiente(int asiento);
int anterior(int asiento);
int companero(int asiento);
bool mismaPareja(int a, int b);
// The mano leads the first trick: the seat after the dealer.
int mano(int repartidor);
// Each new hand the deal moves one seat on.
int siguienteRepartidor(int repartidor);
// The four seats in play order from the one who leads.
std::array<int, 4> ordenDesde(int primero);

// ---- Calls ------------------------------------------------------------------

enum class Canto { Truco, Retruco, Vale4, Envido, RealEnvido, FaltaEnvido };
// What a player says when he sings the call.
std::string_view frase(Canto c);

// The sound of a phrase said at the table: the calls and answers, "Son
// Buenas", or envido points (sound 12 with the number). codigo -1: none.
struct Sonido {
    int codigo = -1;
    int numero = 0;
};
Sonido sonidoDe(std::string_view frase);

// The opponent of `quien` who plays later in the order from the mano.
int pieContrario(int quien, int repartidor);

struct EstadoCanto {
    int repartidor = 0;
    int cartasEnBaza = 0;      // cards on the table in the current trick
    bool hostJugo = false;     // the host has played a card in this hand
    bool primerEnvido = true;  // no envido was sung before this call
    bool envidoPosible = true; // the answer to a truco may still raise an envido
};

struct Respuesta {
    int asiento = 0;  // the opponent who answers
    std::string panel;
    bool operator==(const Respuesta&) const = default;
};
// Who answers a call made at seat `quien`, and the panel he is given.
Respuesta quienResponde(Canto canto, int quien, const EstadoCanto& e);

// ---- Tricks -----------------------------------------------------------------

enum class Fin { Sigue, GanaMaquina, GanaHumano };  // from the host's side

struct Analisis {
    int resultado = 0;  // `Bazas(t)`: 2 the host's pair, 1 parda, 0 the others
    int ganador = 0;    // seat holding the highest card
    bool parda = false;
    Fin fin = Fin::Sigue;
    int lidera = -1;    // seat leading the next trick; -1 when the hand is over
    std::array<int, 3> bazas{};  // the results with this trick recorded
};
// `Analizar`: decides trick t (0..2) from the four cards' values by seat.
// A tie with one's own partner is no parda. Every complete trick is settled,
// the third included, so a hand always ends by its third trick.
Analisis analizar(const std::array<int, 4>& valores, int repartidor, const std::array<int, 3>& bazas,
                  int t);

// ---- Envido -----------------------------------------------------------------

// `TantosLado`: envido points and flor of a side player's three cards, by the
// rule of `Ver_Tantos`.
reglas::Tantos tantosLado(const std::array<std::string, 3>& cartas);

struct Anuncio {
    int asiento = 0;
    std::string frase;  // the points, or "Son Buenas"
    bool operator==(const Anuncio&) const = default;
};
struct EnvidoMesa {
    std::array<Anuncio, 4> anuncios;  // in speaking order
    int mejor = 0;                    // seat whose pair scores
};
// The four players' points spoken in turn from the mano. A player says his
// points unless he cannot beat the best the other pair has said, and then
// "Son Buenas". The best is the first strictly highest: ties go to the mano.
EnvidoMesa envidoMesa(const std::array<int, 4>& tantos, int repartidor);

}  // namespace cuatro
