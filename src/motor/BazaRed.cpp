#include "motor/BazaRed.h"

#include "motor/Cartas.h"

namespace red {

int resultado(int valorLocal, int valorPeer)
{
    return valorLocal > valorPeer ? 2 : valorLocal < valorPeer ? 0 : 1;
}

TrasBaza trasBaza(const std::array<int, 3>& bazas, int t, bool peerEsMano)
{
    // The rules of the game against the machine, with the peer as the machine.
    std::array<int, 3> b{};
    for (int i = 0; i < 3; ++i)
        b[i] = 2 - bazas[i];
    using reglas::Sigue;
    Sigue s = reglas::despuesDeBaza(b, t);
    if (s == Sigue::Mano) {
        if (t == 2)
            return reglas::reglaFinalGanaMaquina(b, peerEsMano) ? TrasBaza::GanaPeer : TrasBaza::GanaLocal;
        return peerEsMano ? TrasBaza::LideraPeer : TrasBaza::LideraLocal;
    }
    switch (s) {
    case Sigue::Maquina: return TrasBaza::LideraPeer;
    case Sigue::Humano: return TrasBaza::LideraLocal;
    case Sigue::GanaMaquina: return TrasBaza::GanaPeer;
    default: return TrasBaza::GanaLocal;
    }
}

}  // namespace red
