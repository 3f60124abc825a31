#pragma once
// Whoever plays a seat of the game in pairs without a person at it. It is
// given only what a player at that seat may know: its own cards, the cards
// played, the calls under way, the score, and the moves it may make now.
// Never its partner's hand.
#include "motor/PartidaCuatro.h"

#include <array>
#include <string>
#include <vector>

namespace cuatro {

struct VistaCuatro {
    int asiento = 0;
    int repartidor = 0;
    int numeroMano = 0;
    std::array<std::string, 3> cartas;  // its own hand as dealt
    std::array<bool, 3> enMano{};       // still held
    std::array<std::array<std::string, 3>, 4> jugadas;  // by seat and trick, empty while not played
    int baza = 0;          // the trick under way
    int cartasEnBaza = 0;  // cards down in it
    // Tricks from this seat's pair: 2 won, 1 parda, 0 lost, -1 not decided.
    std::array<int, 3> bazas{};
    Pedido pedido = Pedido::Nada;  // the call waiting, if this seat answers it
    int valorTruco = 1;            // what the hand is worth as accepted
    bool trucoCantado = false;
    int tantoEnJuego = 0;  // points of the envido chain sung
    bool falta = false;
    std::array<int, 2> puntos{};  // its own pair's, then the other's
    std::vector<Movida> legales;
    bool operator==(const VistaCuatro&) const = default;
};

// What a seat may know now.
VistaCuatro vista(const PartidaCuatro& p, int asiento);

class JugadorCuatro {
public:
    virtual ~JugadorCuatro() = default;
    // One of v.legales.
    virtual Movida elegir(const VistaCuatro& v) = 0;
};

}  // namespace cuatro
