#include "motor/PartidaCuatro.h"

#include "motor/Cartas.h"

#include <algorithm>

namespace cuatro {

namespace {

constexpr double kPausaTantos = 1.5;      // before each player says his points
constexpr double kPausaEntreManos = 1.0;  // the cards are shuffled
constexpr int kSonidoFinDeMano = 1;

}  // namespace

// The panel's buttons, bt(0)..bt(7) and Al Mazo, as moves.
Movida movidaDeBoton(int b)
{
    switch (b) {
    case 0: return Movida::deCanto(Canto::Truco);
    case 1: return Movida::de(Jugada::Quiero);
    case 2: return Movida::deCanto(Canto::Envido);
    case 3: return Movida::de(Jugada::NoQuiero);
    case 4: return Movida::deCanto(Canto::RealEnvido);
    case 5: return Movida::deCanto(Canto::Retruco);
    case 6: return Movida::deCanto(Canto::FaltaEnvido);
    case 7: return Movida::deCanto(Canto::Vale4);
    default: return Movida::de(Jugada::AlMazo);
    }
}

PartidaCuatro::PartidaCuatro(motor::Azar azar, motor::Agenda agenda)
    : azar_(std::move(azar)), agenda_(std::move(agenda))
{
}

PartidaCuatro::PartidaCuatro(const EstadoCuatro& e, motor::Azar azar, motor::Agenda agenda)
    : e_(e), azar_(std::move(azar)), agenda_(std::move(agenda))
{
}

void PartidaCuatro::despues(double segundos, std::function<void()> f)
{
    if (!agenda_) {
        f();
        return;
    }
    e_.enPausa = true;
    agenda_(segundos, [this, f = std::move(f)] {
        e_.enPausa = false;
        f();
    });
}

void PartidaCuatro::empezar(int repartidor)
{
    e_.puntos = {0, 0};
    e_.terminado = false;
    e_.ganador = -1;
    e_.repartidor = repartidor;
    repartir();
}

// Twelve cards of the whole deck: the partner's, the host's, the right-hand
// and the left-hand player's, in the order they were always drawn.
void PartidaCuatro::repartir()
{
    ++e_.numeroMano;
    e_.diferida.reset();
    std::array<bool, 40> usada{};
    const auto idx = reglas::repartirIndices<12>(1, usada, azar_);
    ManoCuatro::Manos manos;
    int n = 0;
    for (int s : {2, 0, 1, 3})
        for (int i = 0; i < 3; ++i)
            manos[s][i] = reglas::mazo()[idx[n++]];
    e_.mano = ManoCuatro(e_.repartidor, manos);
    e_.manoTerminada = false;
    avisar([&](ObservadorCuatro& o) { o.repartida(e_); });
    anunciarTurno();
}

int PartidaCuatro::aQuienLeToca() const
{
    const ManoCuatro& m = e_.mano;
    if (e_.terminado || e_.manoTerminada || e_.enPausa || m.terminada() || m.tanteando())
        return -1;
    return m.pedido() != Pedido::Nada ? m.responde() : m.turno();
}

bool PartidaCuatro::permitida(int s, const Movida& m) const
{
    if (e_.terminado || e_.manoTerminada || e_.enPausa)
        return false;
    ManoCuatro prueba = e_.mano;
    switch (m.tipo) {
    case Jugada::Carta:
        if (prueba.jugar(s, m.carta))
            return true;
        // A card due while a call waits goes down after it.
        return !e_.mano.terminada() && e_.mano.turno() == s && e_.mano.enMano(s, m.carta) &&
               e_.diferida != std::make_pair(s, m.carta);
    case Jugada::Canto: return prueba.cantar(s, m.canto);
    case Jugada::Quiero:
    case Jugada::NoQuiero: return prueba.responder(s, m.tipo == Jugada::Quiero).has_value();
    case Jugada::AlMazo: return prueba.alMazo(s).has_value();
    }
    return false;
}

std::vector<Movida> PartidaCuatro::legales(int s) const
{
    std::vector<Movida> v;
    if (s < 0 || s > 3 || aQuienLeToca() != s)
        return v;
    const ManoCuatro& m = e_.mano;
    if (m.puedeJugar(s))
        for (const std::string& c : m.manos()[s])
            if (m.enMano(s, c))
                v.push_back(Movida::deCarta(c));
    const std::string p = m.panel(s);
    for (int b : {0, 1, 2, 3, 4, 5, 6, 7, 9})
        if (p[b] == '1')
            v.push_back(movidaDeBoton(b));
    return v;
}

bool PartidaCuatro::mover(int s, const Movida& m)
{
    if (!permitida(s, m))
        return false;
    ManoCuatro& mano = e_.mano;
    switch (m.tipo) {
    case Jugada::Carta: return jugarCarta(s, m.carta);
    case Jugada::Canto:
        mano.cantar(s, m.canto);
        decir(s, std::string(frase(m.canto)));
        anunciarTurno();
        return true;
    case Jugada::Quiero:
    case Jugada::NoQuiero: {
        const bool quiero = m.tipo == Jugada::Quiero;
        const Efecto ef = *mano.responder(s, quiero);
        decir(s, quiero ? "Quiero" : "No Quiero");
        efecto(ef);
        return true;
    }
    case Jugada::AlMazo: {
        const Efecto ef = *mano.alMazo(s);
        decir(s, "Me voy al mazo");
        efecto(ef);
        return true;
    }
    }
    return false;
}

bool PartidaCuatro::jugarCarta(int s, const std::string& carta)
{
    ManoCuatro& mano = e_.mano;
    const int t = mano.baza();
    std::optional<Analisis> analisis;
    if (!mano.jugar(s, carta, &analisis)) {
        e_.diferida = std::make_pair(s, carta);
        return true;
    }
    avisar([&](ObservadorCuatro& o) { o.cartaJugada(s, t, carta); });
    if (analisis)
        avisar([&](ObservadorCuatro& o) { o.baza(t, analisis->resultado); });
    if (mano.terminada()) {
        const int gana = mano.ganaHost() ? 0 : 1;
        DarPuntos(gana, mano.valor());
        terminarMano(gana);
        return true;
    }
    anunciarTurno();
    return true;
}

void PartidaCuatro::sigueDiferida()
{
    if (!e_.diferida)
        return;
    const auto [s, carta] = *e_.diferida;
    e_.diferida.reset();
    if (e_.mano.puedeJugar(s))
        jugarCarta(s, carta);
}

void PartidaCuatro::decir(int s, const std::string& texto, bool anuncio)
{
    avisar([&](ObservadorCuatro& o) { o.habla(s, texto, anuncio); });
    const Sonido son = sonidoDe(texto);
    if (son.codigo >= 0)
        avisar([&](ObservadorCuatro& o) { o.sonido(s, son.codigo, son.numero); });
}

void PartidaCuatro::efecto(const Efecto& ef)
{
    const int pareja = ef.paraHost ? 0 : 1;
    switch (ef.tipo) {
    case Efecto::Tipo::Sigue: break;
    case Efecto::Tipo::Tanteo:
        anunciarTurno();
        tantear(0);
        return;
    case Efecto::Tipo::PuntosSigue: DarPuntos(pareja, ef.puntos); break;
    case Efecto::Tipo::PuntosFin:
        DarPuntos(pareja, ef.puntos);
        terminarMano(pareja);
        return;
    }
    if (e_.terminado)
        return;
    anunciarTurno();
    sigueDiferida();
}

// An accepted envido: each player's points in turn from the mano, a pause
// before each, then the stake to the pair with the best.
void PartidaCuatro::tantear(int i)
{
    despues(kPausaTantos, [this, i] { Ver_Tantos(i); });
}

void PartidaCuatro::Ver_Tantos(int i)
{
    std::array<int, 4> tantos{};
    for (int s = 0; s < 4; ++s)
        tantos[s] = tantosLado(e_.mano.manos()[s]).envido;
    const EnvidoMesa m = envidoMesa(tantos, e_.repartidor);
    decir(m.anuncios[i].asiento, m.anuncios[i].frase, true);
    if (i < 3)
        return tantear(i + 1);
    const int gana = pareja(m.mejor);
    const int puntos = e_.mano.falta() ? reglas::puntosFalta(e_.puntos[1 - gana]) : e_.mano.tantoEnJuego();
    DarPuntos(gana, puntos);
    e_.mano.tanteado();
    if (e_.terminado)
        return;
    anunciarTurno();
    sigueDiferida();
}

void PartidaCuatro::DarPuntos(int p, int puntos)
{
    if (puntos <= 0 || e_.terminado)
        return;
    int& total = e_.puntos[p];
    total = std::min(total + puntos, static_cast<int>(reglas::kPartido));
    if (total >= reglas::kPartido) {
        e_.terminado = true;
        e_.ganador = p;
    }
    avisar([&](ObservadorCuatro& o) { o.puntos(p, puntos, total); });
    if (e_.terminado)
        avisar([&](ObservadorCuatro& o) { o.finDePartido(p); });
}

void PartidaCuatro::terminarMano(int p)
{
    e_.manoTerminada = true;
    avisar([&](ObservadorCuatro& o) { o.finDeMano(p); });
    avisar([&](ObservadorCuatro& o) { o.sonido(-1, kSonidoFinDeMano, 0); });
    if (e_.terminado)
        return;
    despues(kPausaEntreManos, [this] { siguienteMano(); });
}

void PartidaCuatro::siguienteMano()
{
    e_.repartidor = siguienteRepartidor(e_.repartidor);
    repartir();
}

void PartidaCuatro::anunciarTurno()
{
    const ManoCuatro& m = e_.mano;
    std::array<std::string, 4> paneles;
    for (int s = 0; s < 4; ++s)
        paneles[s] = m.panel(s);
    const int carta = m.turno() >= 0 && m.puedeJugar(m.turno()) ? m.turno() : -1;
    avisar([&](ObservadorCuatro& o) { o.turno(paneles, carta); });
}

}  // namespace cuatro
