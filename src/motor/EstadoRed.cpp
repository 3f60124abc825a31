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

std::optional<EstadoRed::Efecto> EstadoRed::pulsar(int lado, int boton)
{
    if (boton < 0 || boton > 9 || panel(lado)[boton] != '1')
        return std::nullopt;
    const int otro = 1 - lado;
    const Pedido pedido = responde(lado);
    switch (boton) {
    case 0:  // truco
        truco.trucoCantado = true;
        pide(lado) = Pedido::Truco;
        return Efecto{};
    case 5:  // quiero retruco
        truco.trucoQuerido = truco.retrucoCantado = true;
        responde(lado) = Pedido::Nada;
        pide(lado) = Pedido::Retruco;
        return Efecto{};
    case 7:  // quiero vale cuatro
        truco.retrucoQuerido = truco.vale4Cantado = true;
        responde(lado) = Pedido::Nada;
        pide(lado) = Pedido::Vale4;
        return Efecto{};
    case 2:
    case 4:
    case 6:
        cantarEnvido(lado, boton);
        return Efecto{};
    case 1:  // quiero
        responde(lado) = Pedido::Nada;
        if (esEnvido(pedido)) {
            esperandoTanteo = true;  // nobody plays while the points are compared
            return Efecto{Efecto::Tanteo};
        }
        if (pedido == Pedido::Truco)
            truco.trucoQuerido = true;
        else if (pedido == Pedido::Retruco)
            truco.retrucoQuerido = true;
        else if (pedido == Pedido::Vale4)
            truco.vale4Querido = true;
        return Efecto{};
    case 3:  // no quiero
        responde(lado) = Pedido::Nada;
        if (esEnvido(pedido)) {
            envidoResuelto = true;
            return Efecto{Efecto::Rechazo, tantoAnterior};
        }
        // The value the ladder reached before the refused step.
        cerrada = true;
        return Efecto{Efecto::Cierre, pedido == Pedido::Vale4 ? 3 : pedido == Pedido::Retruco ? 2 : 1};
    case 8:  // flor
        florCantada = envidoCantado = envidoResuelto = true;
        if (esEnvido(pedido))
            responde(lado) = Pedido::Nada;  // the flor answers the envido, which lapses
        // Both hands are known: a flor opposite is a contraflor.
        contraflor = flor[otro] && conFlor;
        return Efecto{contraflor ? Efecto::Contraflor : Efecto::Flor, contraflor ? 0 : 3};
    default: {  // al mazo
        const int puntos = reglas::puntosAlMazo(truco, esEnvido(pedido), jugadasN[otro]);
        espero = respondo = Pedido::Nada;
        cerrada = true;
        return Efecto{Efecto::Cierre, puntos};
    }
    }
}

void EstadoRed::cantarEnvido(int lado, int boton)
{
    const Pedido antes = responde(lado);
    if (antes == Pedido::Truco)
        truco.trucoCantado = false;  // the truco waits: the envido goes first, sing it again later
    responde(lado) = Pedido::Nada;
    tantoAnterior = envidoCantado ? tanto : 1;
    envidoCantado = true;
    if (boton == 2) {
        tanto += 2;
        pide(lado) = antes == Pedido::Envido ? Pedido::EnvidoEnvido : Pedido::Envido;
    } else if (boton == 4) {
        tanto += 3;
        pide(lado) = Pedido::Real;
    } else {
        falta = true;
        pide(lado) = Pedido::Falta;
    }
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
