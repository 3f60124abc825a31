#include "calls/AsientoMaquina.h"

#include "game/Form1.h"

// The machine's card is due: the first, second or third of the hand.
void AsientoMaquina::juega()
{
    if (f_.JugadasMaquina == 0)
        Primera_carta();
    else if (f_.JugadasMaquina == 1)
        Segunda_carta();
    else
        Tercera_carta();
}

void AsientoMaquina::jugarContraMaquina(int Index)
{
    if (f_.PausaActiva || f_.ManoTerminada || !f_.PuedeCantar)
        return;
    if (f_.JugadasMaquina > f_.JugadasHumano && f_.TurnoMaquina)
        f_.TurnoMaquina = false;  // the machine already played to this trick
    f_.CH_Click(Index);
}
