#pragma once
// The call panel of one side of a two-player network hand, from that side's
// own point of view. Both tables hold the whole state of the hand, so each
// side's panel is a plain function of it: the mask a table applies to
// itself and the one it sends the other side ("BTON") agree by construction.
#include <string>

namespace red {

// What a side is asked to answer.
enum class Pedido { Nada, Truco, Retruco, Vale4, Envido, EnvidoEnvido, Real, Falta };

struct Vista {
    bool turno = false;          // this side may play a card now
    Pedido responde = Pedido::Nada;  // the other side called and waits for this one
    bool trucoCantado = false, trucoQuerido = false;
    bool envidoCantado = false, envidoResuelto = false, florCantada = false;
    bool tieneFlor = false, conFlor = false;
    int jugadas = 0;             // cards this side has played in the hand
};

// Ten characters for bt(0)..bt(7), Flor and AlMazo.
std::string panel(const Vista& v);

// The envido may still be sung by this side.
bool puedeEnvido(const Vista& v);

}  // namespace red
