#pragma once

// The faces a player can pick for the computer, numbered 0..cantidadCaras-1.
inline constexpr int cantidadCaras = 15;

// Next face, back to the first after the last.
int caraSiguiente(int i);
// Previous face, on to the last before the first.
int caraAnterior(int i);
