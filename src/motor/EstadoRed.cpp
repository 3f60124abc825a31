#include "motor/EstadoRed.h"

#include <algorithm>

namespace red {

bool esEnvido(Pedido p)
{
    return p == Pedido::Envido || p == Pedido::EnvidoEnvido || p == Pedido::Real || p == Pedido::Falta;
}

Vista EstadoRed::vista(int lado) const
{
    Vista v;
    const bool libre = !cerrada && !esperandoTanteo && !manoTerminada && !partidoTerminado;
    const bool mio = lado == kLocal;
    const bool nadaPendiente = espero == Pedido::Nada && respondo == Pedido::Nada;
    v.turno = libre && turnoLocal == mio && nadaPendiente;
    v.responde = libre ? (mio ? respondo : espero) : Pedido::Nada;
    v.tieneFlor = flor[lado];
    v.jugadas = jugadasN[lado];
    v.trucoCantado = truco.trucoCantado;
    v.trucoQuerido = truco.trucoQuerido;
    v.envidoCantado = envidoCantado;
    v.envidoResuelto = envidoResuelto;
    v.florCantada = florCantada;
    v.conFlor = conFlor;
    return v;
}

void EstadoRed::nuevaMano()
{
    respondo = espero = Pedido::Nada;
    esperandoTanteo = cerrada = false;
    tantoAnterior = 1;
    falta = false;
    peerEsMano = !peerEsMano;
    ++manoNumero;
    manoTerminada = false;
    partidoTerminado = false;
    manos = {};
    jugadas = {};
    jugadasN = {};
    bazas = {};
    truco = {};
    envidoCantado = envidoResuelto = false;
    tanto = 0;
    florCantada = contraflor = false;
    flor = {};
    puntosFlor = {};
    turnoLocal = !peerEsMano;
}

void EstadoRed::repartir(const std::function<int()>& azar)
{
    const auto idx = reglas::repartirIndices(1, usada, azar);  // the whole deck over the network
    for (int n = 0; n < 6; ++n)
        ponerCarta(n < 3 ? kPeer : kLocal, n % 3, reglas::mazo()[idx[n]]);
}

void EstadoRed::ponerCarta(int lado, int i, const std::string& codigo)
{
    manos[lado][i] = CartaRed{codigo, reglas::darValor(codigo), true};
}

int EstadoRed::tantos(int lado) const
{
    const auto& m = manos[lado];
    return reglas::verTantos({m[0].codigo, m[1].codigo, m[2].codigo}).envido;
}

void EstadoRed::contarFlores()
{
    for (int lado : {kLocal, kPeer}) {
        const auto& m = manos[lado];
        const auto t = reglas::verTantos({m[0].codigo, m[1].codigo, m[2].codigo});
        flor[lado] = t.flor;
        puntosFlor[lado] = t.flor ? t.puntosFlor : 0;
    }
}

int EstadoRed::jugar(int lado, int i)
{
    const int t = jugadasN[lado]++;
    jugadas[lado][t] = manos[lado][i];
    manos[lado][i].enMano = false;
    return t;
}

TrasBaza EstadoRed::cerrarBaza(int t)
{
    bazas[t] = resultado(jugadas[kLocal][t].valor, jugadas[kPeer][t].valor);
    return trasBaza(bazas, t, peerEsMano);
}

bool EstadoRed::darPuntos(int lado, int n)
{
    if (partidoTerminado || puntos[lado] >= reglas::kPartido)
        return false;
    puntos[lado] = std::min(puntos[lado] + n, reglas::kPartido);
    tanto = 0;
    if (puntos[lado] < reglas::kPartido)
        return false;
    partidoTerminado = true;
    return true;
}

int EstadoRed::valorDeLaMano() const
{
    return truco.vale4Querido ? 4 : truco.retrucoQuerido ? 3 : truco.trucoQuerido ? 2 : 1;
}

int EstadoRed::puntosAlMazo() const
{
    return reglas::puntosAlMazo(truco, esEnvido(respondo), jugadasN[kPeer]);
}

bool EstadoRed::ganaTanteoLocal() const
{
    const int propios = tantos(kLocal), ajenos = tantos(kPeer);
    return propios > ajenos || (propios == ajenos && !peerEsMano);
}

int EstadoRed::valorDelTanto(bool ganaLocal) const
{
    return falta ? reglas::puntosFalta(puntos[ganaLocal ? kPeer : kLocal]) : tanto;
}

bool EstadoRed::ganaContraflorLocal() const
{
    return puntosFlor[kLocal] > puntosFlor[kPeer] || (puntosFlor[kLocal] == puntosFlor[kPeer] && !peerEsMano);
}

}  // namespace red
