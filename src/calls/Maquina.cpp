#include "calls/Maquina.h"

namespace motor {

namespace {

Movida carta(int i) { return {Accion::Carta, i}; }
Movida di(Accion a) { return {a}; }

// First card in hand, in hand order, of the lowest or the highest value.
int extrema(const Estado& e, int yo, bool mayor)
{
    int k = -1;
    for (int i = 0; i < 3; ++i) {
        if (!e.enMano[yo][i])
            continue;
        if (k < 0 || (mayor ? e.valor(yo, i) > e.valor(yo, k) : e.valor(yo, i) < e.valor(yo, k)))
            k = i;
    }
    return k;
}

int promedio(const Estado& e, int yo)
{
    int v[3], n = 0;
    for (int i = 0; i < 3; ++i)
        if (e.enMano[yo][i])
            v[n++] = e.valor(yo, i);
    return reglas::promValor(v, n);
}

// A trick result as the thresholds read it: the computer's side is "M".
int desdeMi(int baza, int yo) { return yo == 1 || baza == reglas::Parda ? baza : 2 - baza; }

}  // namespace

reglas::Mesa JugadorNormal::mesa(const Estado& e, int yo)
{
    reglas::Mesa m;
    const int el = otro(yo);
    m.jugadasMaquina = e.jugadasN[yo];
    m.jugadasHumano = e.jugadasN[el];
    for (int t = 0; t < 3; ++t) {
        m.jm[t] = e.valorJugada(yo, t);
        m.jh[t] = e.valorJugada(el, t);
        // Only decided tricks count; the rest read as not won.
        m.bazas[t] = t < std::min(e.jugadasN[0], e.jugadasN[1]) ? desdeMi(e.bazas[t], yo) : 0;
    }
    m.promValor = promedio(e, yo);
    m.puntosHumano = e.puntos[el];
    return m;
}

Movida JugadorNormal::elegir(const Partida& p, int yo)
{
    const Estado& e = p.estado();
    if (e.concesion.cede == yo)
        return di(Accion::SonBuenas);
    if (e.pedidoFlor.activo)
        return di(e.puntosFlor[yo] > 0 && e.opciones.conFlor ? Accion::Contraflor : Accion::Olor);
    if (e.pedidoEnvido.activo)
        return responderEnvido(e, yo);
    if (e.pedido.activo)
        return responderTruco(e, yo);
    return jugar(e, yo);
}

Movida JugadorNormal::responderEnvido(const Estado& e, int yo)
{
    const int t = e.tantos[yo];
    const int h = e.puntos[otro(yo)];
    const bool soyMano = e.mano == yo;
    const Accion ultimo = e.envido.cadena[e.envido.n - 1];
    if (e.envido.abrio == yo) {
        // The other raised its envido.
        bool acepta = false;
        if (ultimo == Accion::Envido)
            acepta = reglas::aceptaEnvidoEnvido(t, soyMano, h);
        else if (ultimo == Accion::RealEnvido)
            acepta = reglas::aceptaRealEnvido(t, soyMano, h);
        else
            acepta = soyMano ? reglas::reglaFalta(t, e.puntos[yo], h, f_.segundo()) : reglas::reglaFaltaPie(t, h);
        return di(acepta ? Accion::Quiero : Accion::NoQuiero);
    }
    // With flor it answers the envido with its flor.
    if (e.opciones.conFlor && e.puntosFlor[yo] > 0 && !e.flor.cantada && e.jugadasN[yo] == 0)
        return di(Accion::Flor);
    const bool acepta = ultimo == Accion::FaltaEnvido ? reglas::reglaFalta(t, e.puntos[yo], h, f_.segundo())
                                                      : reglas::aceptaEnvido(t, h);
    return di(acepta ? Accion::Quiero : Accion::NoQuiero);
}

Movida JugadorNormal::responderTruco(const Estado& e, int yo)
{
    const int nivel = e.pedido.nivel;
    if (nivel == 1) {
        // The envido goes before the truco.
        if (e.jugadasN[yo] == 0 && !e.envido.cantado && !e.flor.cantada && e.tantos[yo] >= 21)
            return di(Accion::Envido);
        return di(reglas::aceptaTruco(mesa(e, yo)) == reglas::Respuesta::NoQuiero ? Accion::NoQuiero : Accion::Quiero);
    }
    // A raise answered to its own step is always accepted.
    if (nivel == 2 && e.truco.abrio == yo)
        return di(Accion::Quiero);
    if (nivel == 3 && e.truco.abrio != yo)
        return di(Accion::Quiero);
    const bool acepta = nivel == 2 ? reglas::aceptaRetruco(mesa(e, yo)) : reglas::aceptaVale4(mesa(e, yo));
    return di(acepta ? Accion::Quiero : Accion::NoQuiero);
}

Movida JugadorNormal::jugar(const Estado& e, int yo)
{
    const int el = otro(yo);
    const int mias = e.jugadasN[yo], suyas = e.jugadasN[el];
    const Escalera& tr = e.truco;
    // A raise of the ladder is its own only after accepting the step below.
    auto puedeSubir = [&](int nivel) { return tr.cantado == nivel - 1 && tr.querido == tr.cantado && tr.canto != yo; };
    if (mias == 0) {
        if (e.opciones.conFlor && e.puntosFlor[yo] > 0 && !e.flor.cantada)
            return di(Accion::Flor);
        const bool libre = !e.envido.cantado && !e.flor.cantada && tr.querido == 0;
        if (suyas == 0) {
            // Mano: sings envido on 30 or more, and on 20 or more half the time.
            if (libre && e.tantos[yo] >= 20) {
                const int sorteo = static_cast<int>(2 * f_.uniforme());
                if (reglas::cantaEnvidoMano(e.tantos[yo], false, sorteo))
                    return di(Accion::Envido);
            }
            return carta(extrema(e, yo, false));
        }
        if (libre && reglas::cantaEnvidoPie(e.tantos[yo], false))
            return di(Accion::Envido);
        if (!e.flor.cantada && promedio(e, yo) > 5 && tr.cantado == 0)
            return di(Accion::Truco);
        return carta(extrema(e, yo, false));
    }
    if (mias == 1) {
        if (suyas > mias) {
            // Beat its card with the weakest card that does it.
            const int suya = e.valorJugada(el, mias);
            int k = -1, cota = 15;
            for (int i = 0; i < 3; ++i)
                if (e.enMano[yo][i] && e.valor(yo, i) > suya && e.valor(yo, i) < cota) {
                    cota = e.valor(yo, i);
                    k = i;
                }
            if (k < 0)
                return carta(extrema(e, yo, false));
            if (tr.cantado == 0)
                return di(Accion::Truco);
            if (tr.abrio != yo && puedeSubir(2))
                return di(Accion::Retruco);
            return carta(k);
        }
        if (e.bazas[0] == reglas::Parda) {
            // The second trick decides: sing and lead the best card.
            if (tr.cantado == 0)
                return di(Accion::Truco);
            return carta(extrema(e, yo, true));
        }
        return carta(extrema(e, yo, false));
    }
    const int k = extrema(e, yo, false);
    // One call in the last trick, then the card, whatever the answer raised.
    if (suyas == 3 && cantoEnTercera_ != e.numeroMano && reglas::cantaEnTercera(e.valorJugada(el, 2), e.valor(yo, k))) {
        cantoEnTercera_ = e.numeroMano;
        if (tr.cantado == 0)
            return di(Accion::Truco);
        if (tr.abrio != yo && puedeSubir(2))
            return di(Accion::Retruco);
        if (tr.abrio == yo && puedeSubir(3))
            return di(Accion::Vale4);
    }
    return carta(k);
}

}  // namespace motor
