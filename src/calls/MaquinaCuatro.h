#pragma once
// The computer in the game in pairs. It reads only what its seat may know
// (its hand, the cards played, the call it must answer, the score) and plays
// for its pair:
// - it does not overtake a partner who already wins the trick, and then it
//   plays its lowest card;
// - otherwise it wins the trick with the cheapest card that does it;
// - it keeps its best card for the trick that decides the hand: a trick that
//   does not decide is led low, and not won with the best card while the
//   partner still plays after it;
// - calls and answers use the two-player computer's thresholds, on its own
//   cards and what lies on the table.
#include "calls/Maquina.h"
#include "motor/JugadorCuatro.h"

#include <optional>

namespace cuatro {

class MaquinaCuatro : public JugadorCuatro {
public:
    explicit MaquinaCuatro(motor::FuenteMaquina f) : f_(std::move(f)) {}
    Movida elegir(const VistaCuatro& v) override;

    // What it knows of the hand when it answers the truco ladder, as the
    // thresholds read it: its own cards against the best of the other pair.
    static reglas::Mesa mesa(const VistaCuatro& v);
    // The card it puts down now, when it may.
    static Movida carta(const VistaCuatro& v);

private:
    Movida responder(const VistaCuatro& v);
    std::optional<Movida> cantar(const VistaCuatro& v);
    motor::FuenteMaquina f_;
};

}  // namespace cuatro
