#include "game/rules/Presentador.h"

#include "motor/Reglas.h"

namespace mesa {

using motor::Accion;

namespace {
constexpr int kJugador = 0;
constexpr int kSonidoFlor = 10;
constexpr int kSonidoFlorTrasEnvido = 13;
}  // namespace

std::string rotulo(int carta)
{
    const std::string& c = reglas::mazo()[carta];
    return c + " (" + std::to_string(reglas::darValor(c)) + " )";
}

Presentador::Presentador(const motor::Partida& p, Pantalla& pantalla, std::function<double()> azar)
    : p_(p), pantalla_(pantalla), azar_(std::move(azar))
{
}

void Presentador::repartida(const motor::Estado& e)
{
    pantalla_.titulo("Naipex 2.0");
    pantalla_.etiqueta("LC", "");
    pantalla_.etiqueta("LH", "");
    for (int t = 0; t < 3; ++t) {
        pantalla_.etiqueta("JM(" + std::to_string(t) + ")", "");
        pantalla_.etiqueta("JH(" + std::to_string(t) + ")", "");
    }
    pantalla_.mano(e.cartas[kJugador]);
    flor_ = e.opciones.conFlor && e.puntosFlor[kJugador] > 0;
}

void Presentador::cartaJugada(int asiento, int baza, int carta)
{
    if (asiento == kJugador) {
        pantalla_.etiqueta("LC", "");
        flor_ = false;
    }
    pantalla_.jugada(asiento, baza, carta);
    pantalla_.etiqueta((asiento == kJugador ? "JH(" : "JM(") + std::to_string(baza) + ")", rotulo(carta));
}

void Presentador::habla(int asiento, const std::string& texto)
{
    const bool flor = texto == "Flor" || texto == "Flor por atrevido";
    if (asiento != kJugador && flor) {
        // The verses go round from one drawn at the first flor of the run.
        verso_ = versoElegido_ ? reglas::siguienteVerso(verso_) : reglas::primerVerso(azar_());
        versoElegido_ = true;
    }
    // His flor, or his answer to the other's, puts the flor button off.
    if (asiento == kJugador && (texto == "Flor" || texto == "Contraflor" || texto == "¡Hasta aquí llegó el olor!"))
        flor_ = false;
    pantalla_.etiqueta(asiento == kJugador ? "LH" : "LC", texto);
    if (asiento != kJugador && texto == "Flor") {
        // The verse window sounds as it is made, after an envido as a daring one.
        pantalla_.sonido(p_.estado().envido.n > 0 ? kSonidoFlorTrasEnvido : kSonidoFlor, 0);
        pantalla_.verso(verso_);
    }
}

void Presentador::sonido(int, int codigo, int numero) { pantalla_.sonido(codigo, numero); }

void Presentador::puntos(int asiento, int total)
{
    pantalla_.etiqueta(asiento == kJugador ? "PuntosH" : "PuntosM", std::to_string(total));
    if (total == reglas::kPartido)
        pantalla_.ganador(asiento);
}

void Presentador::finDeMano(int)
{
    flor_ = false;
    if (!p_.estado().terminado)
        pantalla_.titulo("Mezclando cartas...");
}

bool Presentador::esperaRespuesta() const
{
    const motor::Estado& e = p_.estado();
    return p_.aQuienLeToca() == kJugador && !e.pedidoFlor.activo
           && (e.concesion.cede == kJugador || e.pedidoEnvido.activo || e.pedido.activo);
}

bool Presentador::esperaJugada() const
{
    const motor::Estado& e = p_.estado();
    return p_.aQuienLeToca() == kJugador && !e.pedidoFlor.activo && !esperaRespuesta();
}

std::string Presentador::panel() const
{
    const motor::Estado& e = p_.estado();
    std::string m(8, '0');
    auto on = [&](std::initializer_list<int> bs) {
        for (int b : bs)
            m[static_cast<std::size_t>(b)] = '1';
    };
    const bool espera = p_.aQuienLeToca() == kJugador;
    if (espera && e.concesion.cede == kJugador) {
        on({3});
    } else if (espera && e.pedidoEnvido.activo) {
        on({1, 2, 3, 4, 6});
    } else if (espera && e.pedido.activo) {
        on({1, 3});
        if (e.pedido.nivel == 1)
            on({5});
        else if (e.pedido.nivel == 2)
            on({7});
    } else if (esperaJugada()) {
        if (e.truco.cantado == 0)
            on({0});
        if (!e.envido.cantado && !e.flor.cantada && e.truco.querido == 0 && e.jugadasN[kJugador] == 0)
            on({2, 4, 6});
    }
    const bool flor = espera && flor_ && e.concesion.cede != kJugador;
    return m + (flor ? "1" : "0") + (espera ? "1" : "0");
}

motor::Movida Presentador::movidaDelBoton(int boton) const
{
    static const Accion kBotones[10] = {Accion::Truco,       Accion::Quiero,      Accion::Envido, Accion::NoQuiero,
                                        Accion::RealEnvido,  Accion::Retruco,     Accion::FaltaEnvido,
                                        Accion::Vale4,       Accion::Flor,        Accion::AlMazo};
    if (boton == 3 && p_.estado().concesion.cede == kJugador)
        return {Accion::SonBuenas};
    return {kBotones[boton]};
}

}  // namespace mesa
