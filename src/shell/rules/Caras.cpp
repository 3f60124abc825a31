#include "shell/rules/Caras.h"

// Indexes out of range (an old or edited settings file) still land on a face.
static int normalizar(int i)
{
    i %= cantidadCaras;
    return i < 0 ? i + cantidadCaras : i;
}

int caraSiguiente(int i) { return normalizar(normalizar(i) + 1); }

int caraAnterior(int i) { return normalizar(normalizar(i) - 1); }
