#include "motor/JugadorCuatro.h"

namespace cuatro {

VistaCuatro vista(const PartidaCuatro& p, int s)
{
    const EstadoCuatro& e = p.estado();
    const ManoCuatro& m = e.mano;
    VistaCuatro v;
    v.asiento = s;
    v.repartidor = e.repartidor;
    v.numeroMano = e.numeroMano;
    v.cartas = m.manos()[s];
    for (int i = 0; i < 3; ++i)
        v.enMano[i] = m.enMano(s, v.cartas[i]);
    for (int k = 0; k < 4; ++k)
        for (int t = 0; t < 3; ++t)
            v.jugadas[k][t] = m.jugada(k, t);
    v.baza = m.baza();
    v.cartasEnBaza = m.cartasEnBaza();
    // The hand keeps tricks from the side of seats 0 and 2.
    const int decididas = m.terminada() ? 3 : m.baza();
    for (int t = 0; t < 3; ++t) {
        const int b = m.bazas()[t];
        v.bazas[t] = t >= decididas ? -1 : pareja(s) == 0 || b == reglas::Parda ? b : 2 - b;
    }
    v.pedido = m.responde() == s ? m.pedido() : Pedido::Nada;
    v.valorTruco = m.valor();
    v.trucoCantado = m.trucoCantado();
    v.tantoEnJuego = m.tantoEnJuego();
    v.falta = m.falta();
    v.puntos = {e.puntos[pareja(s)], e.puntos[1 - pareja(s)]};
    v.legales = p.legales(s);
    return v;
}

}  // namespace cuatro
