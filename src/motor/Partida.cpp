#include "motor/Partida.h"

#include "motor/Jugador.h"

#include "motor/Reglas.h"

#include <algorithm>
#include <memory>
#include <random>

namespace motor {

namespace {

// Seat 1 is the side the rules call "M", seat 0 "H".
constexpr int kM = 1;

const char* const kNombreNivel[4] = {"", "Truco", "Quiero retruco", "Quiero vale 4"};
const int kSonidoNivel[4] = {-1, 3, 4, 5};
constexpr int kSonidoQuiero = 0;
constexpr int kSonidoNoQuiero = 2;
constexpr int kSonidoFinDeMano = 1;
constexpr int kSonidoTantos = 12;
constexpr int kSonidoSonBuenas = 8;
constexpr int kSonidoEnvido[3] = {6, 7, 14};  // envido, real envido, falta envido
constexpr int kSonidoFlor = 10;
constexpr int kSonidoOlor = 9;
constexpr int kSonidoContraflor = 11;
constexpr int kSonidoAtrevido = 13;
constexpr double kPausaAtrevido = 0.8;
constexpr int kPuntosFlor = 3;
constexpr int kPuntosContraflor = 6;
constexpr double kPausaEntreManos = 1.0;
constexpr double kPausaTantos = 1.0;

const char* nombreEnvido(Accion a)
{
    return a == Accion::Envido ? "Envido" : a == Accion::RealEnvido ? "Real envido" : "Falta envido";
}

int sonidoEnvido(Accion a) { return kSonidoEnvido[a == Accion::Envido ? 0 : a == Accion::RealEnvido ? 1 : 2]; }

// Points of the chain when accepted (0: a falta envido), and when its last
// call is refused.
int valorEnvite(const Envite& e, int hasta)
{
    int v = 0;
    for (int i = 0; i < hasta; ++i) {
        if (e.cadena[i] == Accion::FaltaEnvido)
            return 0;
        v += e.cadena[i] == Accion::Envido ? 2 : 3;
    }
    return v;
}
int valorRechazo(const Envite& e) { return e.n <= 1 ? 1 : valorEnvite(e, e.n - 1); }

Accion accionDeNivel(int nivel) { return nivel == 1 ? Accion::Truco : nivel == 2 ? Accion::Retruco : Accion::Vale4; }

reglas::Apuestas apuestas(const Escalera& t)
{
    return {t.cantado >= 1, t.cantado >= 2, t.cantado >= 3, t.querido >= 1, t.querido >= 2, t.querido >= 3};
}

}  // namespace

void contarTantos(Estado& e)
{
    for (int s = 0; s < kAsientos; ++s) {
        const auto& c = e.cartas[s];
        const auto t = reglas::verTantos({reglas::mazo()[c[0]], reglas::mazo()[c[1]], reglas::mazo()[c[2]]});
        e.tantos[s] = t.envido;
        e.puntosFlor[s] = t.flor ? t.puntosFlor : 0;
    }
}

int boton(Accion a)
{
    switch (a) {
    case Accion::Truco: return 0;
    case Accion::Quiero: return 1;
    case Accion::Envido: return 2;
    case Accion::NoQuiero: return 3;
    case Accion::RealEnvido: return 4;
    case Accion::Retruco: return 5;
    case Accion::FaltaEnvido: return 6;
    case Accion::Vale4: return 7;
    case Accion::Flor: return 8;
    case Accion::AlMazo: return 9;
    case Accion::SonBuenas: return 3;
    case Accion::Carta:
    case Accion::Contraflor:
    case Accion::Olor: break;
    }
    return -1;
}

Partida::Partida(Opciones o, Azar azar, Agenda agenda) : azar_(std::move(azar)), agenda_(std::move(agenda))
{
    e_.opciones = o;
    e_.mano = o.empieza;
}

Partida::Partida(const Estado& e, Azar azar, Agenda agenda) : e_(e), azar_(std::move(azar)), agenda_(std::move(agenda)) {}

void Partida::despues(double segundos, std::function<void()> f)
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

void Partida::empezar()
{
    e_.puntos = {0, 0};
    e_.terminado = false;
    e_.ganador = -1;
    e_.mano = e_.opciones.empieza;
    repartir();
}

void Partida::repartir()
{
    ++e_.numeroMano;
    std::array<bool, 40> usada{};
    const auto idx = reglas::repartirIndices(e_.opciones.variante, usada, azar_);
    for (int i = 0; i < 3; ++i) {
        e_.cartas[kM][i] = idx[i];
        e_.cartas[otro(kM)][i] = idx[i + 3];
    }
    for (int s = 0; s < kAsientos; ++s) {
        e_.enMano[s] = {true, true, true};
        e_.jugadas[s] = {-1, -1, -1};
        e_.jugadasN[s] = 0;
    }
    e_.bazas = {0, 0, 0};
    e_.truco = {};
    e_.pedido = {};
    e_.envido = {};
    e_.pedidoEnvido = {};
    e_.flor = {};
    e_.pedidoFlor = {};
    e_.concesion = {};
    e_.tantoDicho = {-1, -1};
    e_.ganaEnvido = -1;
    contarTantos(e_);
    e_.turno = e_.mano;
    e_.manoTerminada = false;
    avisar([&](Observador& o) { o.repartida(e_); });
    anunciarTurno();
}

int Partida::aQuienLeToca() const
{
    if (e_.terminado || e_.manoTerminada || e_.enPausa)
        return -1;
    if (e_.concesion.cede >= 0)
        return e_.concesion.cede;
    for (const Pedido* p : {&e_.pedidoFlor, &e_.pedidoEnvido, &e_.pedido})
        if (p->activo)
            return p->responde;
    return e_.turno;
}

bool Partida::envidoPosible(int asiento) const
{
    return !e_.envido.cantado && !e_.flor.cantada && e_.truco.querido == 0 && e_.jugadasN[asiento] == 0;
}

bool Partida::florPosible(int asiento) const
{
    return e_.opciones.conFlor && e_.puntosFlor[asiento] > 0 && !e_.flor.cantada && e_.jugadasN[asiento] == 0;
}

void Partida::envidoLegales(int asiento, std::vector<Movida>& v) const
{
    if (envidoPosible(asiento))
        for (Accion a : {Accion::Envido, Accion::RealEnvido, Accion::FaltaEnvido})
            v.push_back({a});
    if (florPosible(asiento))
        v.push_back({Accion::Flor});
}

std::vector<Movida> Partida::legales(int asiento) const
{
    std::vector<Movida> v;
    if (asiento < 0 || asiento >= kAsientos || aQuienLeToca() != asiento)
        return v;
    // Asked at every step by the panel and the computer: one allocation.
    v.reserve(12);
    const Escalera& t = e_.truco;
    if (e_.concesion.cede >= 0) {
        // Or the deck, which pays the envido first.
        v.push_back({Accion::SonBuenas});
        v.push_back({Accion::AlMazo});
        return v;
    }
    if (e_.pedidoFlor.activo) {
        v.push_back({Accion::Olor});
        if (e_.puntosFlor[asiento] > 0)
            v.push_back({Accion::Contraflor});
        return v;
    }
    if (e_.pedidoEnvido.activo) {
        v.push_back({Accion::Quiero});
        v.push_back({Accion::NoQuiero});
        // Each raise once, in the order of the ladder.
        const Accion ultimo = e_.envido.cadena[e_.envido.n - 1];
        if (e_.envido.n == 1 && ultimo == Accion::Envido)
            v.push_back({Accion::Envido});
        if (ultimo != Accion::RealEnvido && ultimo != Accion::FaltaEnvido)
            v.push_back({Accion::RealEnvido});
        if (ultimo != Accion::FaltaEnvido)
            v.push_back({Accion::FaltaEnvido});
        if (florPosible(asiento))
            v.push_back({Accion::Flor});  // a flor answers the envido
        v.push_back({Accion::AlMazo});
        return v;
    }
    if (e_.pedido.activo) {
        v.push_back({Accion::Quiero});
        v.push_back({Accion::NoQuiero});
        if (e_.pedido.nivel < 3)
            v.push_back({accionDeNivel(e_.pedido.nivel + 1)});
        // The envido goes before the truco.
        if (e_.pedido.nivel == 1)
            envidoLegales(asiento, v);
        v.push_back({Accion::AlMazo});
        return v;
    }
    for (int i = 0; i < 3; ++i)
        if (e_.enMano[asiento][i])
            v.push_back({Accion::Carta, i});
    // The first step is anyone's; each later one belongs to whoever
    // accepted the step before.
    if (t.cantado == 0)
        v.push_back({Accion::Truco});
    else if (t.cantado < 3 && t.querido == t.cantado && t.canto != asiento)
        v.push_back({accionDeNivel(t.cantado + 1)});
    envidoLegales(asiento, v);
    v.push_back({Accion::AlMazo});
    return v;
}

std::string Partida::panel(int asiento) const
{
    std::string m(10, '0');
    for (const Movida& mv : legales(asiento))
        if (const int b = boton(mv.accion); b >= 0)
            m[static_cast<std::size_t>(b)] = '1';
    return m;
}

bool Partida::mover(int asiento, const Movida& m)
{
    const auto v = legales(asiento);
    if (std::find(v.begin(), v.end(), m) == v.end())
        return false;
    switch (m.accion) {
    case Accion::Carta: jugarCarta(asiento, m.carta); break;
    case Accion::Truco:
    case Accion::Retruco:
    case Accion::Vale4: {
        const int nivel = m.accion == Accion::Truco ? 1 : m.accion == Accion::Retruco ? 2 : 3;
        if (e_.pedido.activo)
            e_.truco.querido = e_.pedido.nivel;  // raising accepts the step sung
        cantarTruco(asiento, nivel);
        break;
    }
    case Accion::Quiero:
    case Accion::NoQuiero:
        if (e_.pedidoEnvido.activo)
            responderEnvido(asiento, m.accion == Accion::Quiero);
        else
            responderTruco(asiento, m.accion == Accion::Quiero);
        break;
    case Accion::Envido:
    case Accion::RealEnvido:
    case Accion::FaltaEnvido: cantarEnvido(asiento, m.accion); break;
    case Accion::Flor: cantarFlor(asiento); break;
    case Accion::Olor:
    case Accion::Contraflor: responderFlor(asiento, m.accion == Accion::Contraflor); break;
    case Accion::SonBuenas: sonBuenas(asiento); break;
    case Accion::AlMazo: alMazo(asiento); break;
    }
    return true;
}

void Partida::jugarCarta(int asiento, int i)
{
    const int t = e_.jugadasN[asiento];
    e_.enMano[asiento][i] = false;
    e_.jugadas[asiento][t] = e_.cartas[asiento][i];
    ++e_.jugadasN[asiento];
    avisar([&](Observador& o) { o.cartaJugada(asiento, t, e_.cartas[asiento][i]); });
    if (e_.jugadasN[asiento] == e_.jugadasN[otro(asiento)])
        Analizar();
    else {
        e_.turno = otro(asiento);
        anunciarTurno();
    }
}

void Partida::Analizar()
{
    const int t = e_.jugadasN[0] - 1;
    const int h = e_.valorJugada(otro(kM), t), m = e_.valorJugada(kM, t);
    e_.bazas[t] = reglas::resultadoBaza(h, m);
    avisar([&](Observador& o) { o.baza(t, e_.bazas[t]); });
    auto sigue = reglas::despuesDeBaza(e_.bazas, t);
    if (sigue == reglas::Sigue::Mano) {
        if (t == 2) {
            terminarMano(reglas::reglaFinalGanaMaquina(e_.bazas, e_.mano == kM) ? kM : otro(kM), false);
            return;
        }
        e_.turno = e_.mano;
    } else if (sigue == reglas::Sigue::GanaMaquina || sigue == reglas::Sigue::GanaHumano) {
        terminarMano(sigue == reglas::Sigue::GanaMaquina ? kM : otro(kM), false);
        return;
    } else {
        e_.turno = sigue == reglas::Sigue::Maquina ? kM : otro(kM);
    }
    anunciarTurno();
}

void Partida::cantarTruco(int asiento, int nivel)
{
    e_.truco.cantado = nivel;
    e_.truco.canto = asiento;
    if (nivel == 1)
        e_.truco.abrio = asiento;
    e_.pedido = {true, otro(asiento), nivel};
    decir(asiento, kNombreNivel[nivel], kSonidoNivel[nivel]);
    anunciarTurno();
}

void Partida::responderTruco(int asiento, bool quiero)
{
    const int nivel = e_.pedido.nivel;
    e_.pedido = {};
    if (!quiero) {
        decir(asiento, "No Quiero", kSonidoNoQuiero);
        // Refused: the singer scores what the hand was worth before the step.
        DarPuntos(otro(asiento), nivel);
        terminarMano(otro(asiento), true);
        return;
    }
    e_.truco.querido = nivel;
    decir(asiento, "Quiero", kSonidoQuiero);
    anunciarTurno();
}

void Partida::alMazo(int asiento)
{
    // A step of the ladder answered first with an envido is not counted yet.
    Escalera t = e_.truco;
    if (e_.pedido.activo && e_.pedidoEnvido.activo)
        t.cantado = e_.pedido.nivel - 1;
    const reglas::Apuestas a = apuestas(t);
    const reglas::Escalera esc{a.trucoCantado, a.retrucoCantado, a.vale4Cantado, a.trucoQuerido, a.retrucoQuerido, a.vale4Querido};
    const bool envidoEnEspera = e_.pedidoEnvido.activo && e_.pedidoEnvido.responde == asiento;
    const int p = reglas::puntosAlMazo(esc, envidoEnEspera, e_.jugadasN[otro(asiento)]);
    const Concesion debe = e_.concesion;
    e_.pedido = {};
    e_.pedidoEnvido = {};
    e_.concesion = {};
    decir(asiento, "Me voy al mazo");
    // Envido points already won are paid before the deck's.
    if (debe.cede == asiento) {
        e_.envido.resuelto = true;
        DarPuntos(debe.gana, debe.valor > 0 ? debe.valor : reglas::puntosFalta(e_.puntos[asiento]));
    }
    DarPuntos(otro(asiento), p);
    if (e_.terminado)
        acabarPartido();
    else
        terminarMano(otro(asiento), true);
}

void Partida::DarPuntos(int asiento, int puntos)
{
    if (e_.terminado)
        return;
    e_.puntos[asiento] = std::min(e_.puntos[asiento] + puntos, static_cast<int>(reglas::kPartido));
    // Over before anyone hears of it: nothing more is played meanwhile.
    if (e_.puntos[asiento] == reglas::kPartido) {
        e_.terminado = true;
        e_.ganador = asiento;
    }
    avisar([&](Observador& o) { o.puntos(asiento, e_.puntos[asiento]); });
}

void Partida::terminarMano(int ganador, bool sinPuntos)
{
    if (e_.manoTerminada)
        return;
    e_.manoTerminada = true;
    e_.pedido = {};
    e_.pedidoEnvido = {};
    e_.pedidoFlor = {};
    e_.concesion = {};
    avisar([&](Observador& o) { o.sonido(-1, kSonidoFinDeMano, 0); });
    if (!sinPuntos)
        DarPuntos(ganador, reglas::valorMano(apuestas(e_.truco), ganador == kM));
    if (e_.flor.contraflor)
        ComparandoFlor();
    avisar([&](Observador& o) { o.finDeMano(ganador); });
    if (e_.terminado) {
        avisar([&](Observador& o) { o.finDePartido(e_.ganador); });
        return;
    }
    despues(kPausaEntreManos, [this] { siguienteMano(); });
}

void Partida::cantarEnvido(int asiento, Accion canto)
{
    if (!e_.pedidoEnvido.activo) {
        e_.envido.cantado = true;
        e_.envido.abrio = asiento;
    }
    e_.envido.cadena[e_.envido.n++] = canto;
    e_.pedidoEnvido = {true, otro(asiento), e_.envido.n};
    decir(asiento, nombreEnvido(canto), sonidoEnvido(canto));
    anunciarTurno();
}

void Partida::decir(int asiento, const std::string& texto, int sonido, int numero)
{
    avisar([&](Observador& o) { o.habla(asiento, texto); });
    if (sonido >= 0)
        avisar([&](Observador& o) { o.sonido(asiento, sonido, numero); });
}

void Partida::responderEnvido(int asiento, bool quiero)
{
    e_.pedidoEnvido = {};
    const int canto = otro(asiento);
    if (!quiero) {
        decir(asiento, "No Quiero", kSonidoNoQuiero);
        e_.envido.resuelto = true;
        DarPuntos(canto, valorRechazo(e_.envido));
        if (!e_.terminado)
            anunciarTurno();
        else
            acabarPartido();
        return;
    }
    const int valor = valorEnvite(e_.envido, e_.envido.n);
    // Who says his points first, and in which words, goes by who opened the
    // envido: the side opposite the table's player, or the player himself.
    if (e_.envido.abrio == kM) {
        if (asiento != kM)
            decir(asiento, "Quiero", kSonidoQuiero);
        compararCantoMaquina(valor, asiento == kM);
    } else if (asiento == kM) {
        decir(asiento, "Quiero", kSonidoQuiero);
        compararCantoHumano(valor);
    } else {
        decir(asiento, "Quiero", kSonidoQuiero);
        compararCantoMaquina(valor, false);
    }
}

// The side opposite opened (or accepted a raise of its own envido): it says
// its points first, and the player concedes unless he has more.
void Partida::compararCantoMaquina(int valor, bool diceQuiero)
{
    const int h = e_.tantos[otro(kM)], m = e_.tantos[kM];
    decir(kM, (diceQuiero ? "Quiero, " : "") + std::to_string(m), kSonidoTantos, m);
    e_.tantoDicho[kM] = m;
    const bool ganaH = h > m || (h == m && e_.mano != kM);
    e_.ganaEnvido = ganaH ? otro(kM) : kM;
    if (ganaH) {
        decir(otro(kM), "Yo tengo... " + std::to_string(h));
        e_.tantoDicho[otro(kM)] = h;
        despues(kPausaTantos, [this, valor] { pedirSonBuenas(kM, otro(kM), valor); });
    } else {
        pedirSonBuenas(otro(kM), kM, valor);
    }
}

// The player sang and the side opposite accepted.
void Partida::compararCantoHumano(int valor)
{
    const int h = e_.tantos[otro(kM)], m = e_.tantos[kM];
    if (e_.mano == kM) {
        decir(kM, "Quiero," + std::to_string(m), kSonidoTantos, m);
        e_.tantoDicho[kM] = m;
        e_.ganaEnvido = h <= m ? kM : otro(kM);
        if (h <= m) {
            pedirSonBuenas(otro(kM), kM, valor);
            return;
        }
        despues(kPausaTantos, [this, h, valor] {
            decir(otro(kM), "Yo tengo..." + std::to_string(h));
            e_.tantoDicho[otro(kM)] = h;
            pagarEnvido(otro(kM), valor);
        });
        return;
    }
    despues(kPausaTantos, [this, h, m, valor] {
        decir(otro(kM), "Yo tengo..." + std::to_string(h));
        e_.tantoDicho[otro(kM)] = h;
        e_.ganaEnvido = h < m ? kM : otro(kM);
        if (h < m) {
            decir(kM, std::to_string(m) + " Son mejores", kSonidoTantos, m);
            e_.tantoDicho[kM] = m;
            pagarEnvido(kM, valor);
        } else {
            decir(kM, "Son Buenas", kSonidoSonBuenas);
            pagarEnvido(otro(kM), valor);
        }
    });
}

void Partida::pedirSonBuenas(int cede, int gana, int valor)
{
    e_.concesion = {cede, gana, valor};
    anunciarTurno();
}

void Partida::sonBuenas(int asiento)
{
    const Concesion c = e_.concesion;
    e_.concesion = {};
    decir(asiento, "Son Buenas", kSonidoSonBuenas);
    pagarEnvido(c.gana, c.valor);
}

// A falta envido (valor 0) is worth what the loser lacks to 30.
void Partida::pagarEnvido(int gana, int valor)
{
    e_.envido.resuelto = true;
    DarPuntos(gana, valor > 0 ? valor : reglas::puntosFalta(e_.puntos[otro(gana)]));
    if (e_.terminado)
        acabarPartido();
    else
        anunciarTurno();
}

void Partida::cantarFlor(int asiento)
{
    const bool respondeEnvido = e_.pedidoEnvido.activo;
    // A flor answers an envido: the envido is not played.
    e_.pedidoEnvido = {};
    e_.envido.cantado = true;
    e_.flor.cantada = true;
    e_.flor.canto = asiento;
    if (asiento == kM && respondeEnvido) {
        // Over the player's envido the side opposite scores its flor at once.
        decir(asiento, "Flor por atrevido", kSonidoAtrevido);
        despues(kPausaAtrevido, [this, asiento] {
            DarPuntos(asiento, kPuntosFlor);
            if (e_.terminado)
                acabarPartido();
            else
                anunciarTurno();
        });
        return;
    }
    // The player's flor is heard at once; the opposite side's comes with
    // its verse, which the table shows.
    decir(asiento, "Flor", asiento == kM ? -1 : kSonidoFlor);
    e_.pedidoFlor = {true, otro(asiento), 1};
    anunciarTurno();
}

void Partida::responderFlor(int asiento, bool contraflor)
{
    e_.pedidoFlor = {};
    if (contraflor) {
        e_.flor.contraflor = true;
        decir(asiento, "Contraflor", kSonidoContraflor);
        anunciarTurno();
        return;
    }
    const int canto = otro(asiento);
    auto pagar = [this, canto] {
        DarPuntos(canto, kPuntosFlor);
        if (e_.terminado)
            acabarPartido();
        else
            anunciarTurno();
    };
    if (asiento == kM) {
        decir(asiento, "¡Hasta aquí llegó el olor!", kSonidoOlor);
        despues(kPausaTantos, pagar);
    } else {
        decir(asiento, "¡Hasta aquí llegó el olor!");
        pagar();
    }
}

// Both sang flor: the better one takes six; equal ones are the mano's.
void Partida::ComparandoFlor()
{
    e_.flor.contraflor = false;
    const int mano = e_.mano, pie = otro(mano);
    DarPuntos(e_.puntosFlor[pie] > e_.puntosFlor[mano] ? pie : mano, kPuntosContraflor);
}

// Points sung, not played, reached 30: the match ends where it stands.
void Partida::acabarPartido()
{
    e_.manoTerminada = true;
    e_.pedido = {};
    e_.pedidoEnvido = {};
    e_.pedidoFlor = {};
    e_.concesion = {};
    avisar([&](Observador& o) { o.finDePartido(e_.ganador); });
}

void Partida::siguienteMano()
{
    e_.mano = otro(e_.mano);
    repartir();
}

void Partida::anunciarTurno()
{
    const int s = aQuienLeToca();
    if (s < 0 || observadores_.empty())
        return;
    const std::string p = panel(s);
    avisar([&](Observador& o) { o.turno(s, p); });
}

Azar azarDeReparto(std::uint32_t semilla)
{
    auto gen = std::make_shared<std::mt19937>(semilla);
    return [gen] { return std::uniform_int_distribution<int>(0, 39)(*gen); };
}

}  // namespace motor
