// The computer of the "Difícil" level: what it may know, what it weighs, and
// how it plays whole matches on the engine.
#include "arena/Arena.h"
#include "calls/Dificil.h"
#include "calls/Maquina.h"
#include "support/MesaMotor.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace motor;

namespace {

// Decision points of the seat "Difícil" plays, taken from seeded matches
// against the "Normal" player: every one where it had a real choice and the
// other still held a card it could not see.
std::vector<std::pair<Estado, int>> decisiones(int cuantas)
{
    std::vector<std::pair<Estado, int>> v;
    struct Anotador : Jugador {
        JugadorDificil d{5, 300};
        std::vector<std::pair<Estado, int>>* v = nullptr;
        Movida elegir(const Partida& p, int yo) override
        {
            const Estado& e = p.estado();
            const bool oculta = e.jugadasN[otro(yo)] < 3;
            if (p.legales(yo).size() > 1 && oculta)
                v->push_back({e, yo});
            return d.elegir(p, yo);
        }
    };
    for (std::uint32_t semilla = 1; static_cast<int>(v.size()) < cuantas && semilla < 40; ++semilla) {
        Anotador a;
        a.v = &v;
        auto normal = crearJugador("normal", semilla);
        Opciones o;
        o.conFlor = semilla % 2 == 1;
        o.empieza = semilla / 2 % 2;
        jugarPartido(o, semilla, a, *normal, semilla % 2);
    }
    v.resize(std::min<std::size_t>(v.size(), static_cast<std::size_t>(cuantas)));
    return v;
}

// The hand of seat el with the cards it still holds in the order of the deck,
// as the list of possible hands gives them.
std::array<int, 3> enOrden(const Estado& e, int el)
{
    std::array<int, 3> mano = e.cartas[el];
    std::vector<int> ocultas;
    for (int i = 0; i < 3; ++i)
        if (e.enMano[el][i])
            ocultas.push_back(mano[i]);
    std::sort(ocultas.begin(), ocultas.end());
    for (int i = 0, k = 0; i < 3; ++i)
        if (e.enMano[el][i])
            mano[i] = ocultas[static_cast<std::size_t>(k++)];
    return mano;
}

// The hands of seat el in hand, put in place of the cards it still holds.
Estado conOtraMano(const Estado& e, int el, const std::array<int, 3>& mano)
{
    Estado d = e;
    d.cartas[el] = mano;
    contarTantos(d);
    return d;
}

}  // namespace

TEST(Dificil, SoloSabeLoQueSuAsientoPuedeSaber)
{
    const auto puntos = decisiones(60);
    ASSERT_EQ(puntos.size(), 60u);
    int cambiadas = 0;
    for (const auto& [e, yo] : puntos) {
        const int el = otro(yo);
        const auto posibles = manosPosibles(e, yo);
        ASSERT_FALSE(posibles.empty());
        // The real hand agrees with what was seen and said.
        ASSERT_NE(std::find(posibles.begin(), posibles.end(), enOrden(e, el)), posibles.end());
        // Another hand that agrees with the same, as far from the real one as the list goes.
        const std::array<int, 3> otra = posibles.front() != enOrden(e, el) ? posibles.front() : posibles.back();
        if (otra == enOrden(e, el))
            continue;  // only one hand fits: nothing hidden to swap
        const Estado f = conOtraMano(e, el, otra);
        ASSERT_EQ(manosPosibles(f, yo), posibles) << "the swap must keep what the seat knows";
        ++cambiadas;
        const std::uint64_t semilla = 1000 + static_cast<std::uint64_t>(cambiadas);
        EXPECT_EQ(buscarJugada(e, yo, 600, semilla), buscarJugada(f, yo, 600, semilla))
            << "decision " << cambiadas << ", hand " << e.numeroMano;
    }
    EXPECT_GT(cambiadas, 40);
}

TEST(Dificil, LasManosPosiblesRespetanLoVistoYLoDicho)
{
    // Seat 0 mano sings envido, seat 1 accepts: the mano says 33 and wins.
    Mesa m(0, true);
    m.cartas({"7E", "6E", "4C"}, {"1C", "5B", "12O"});
    ASSERT_TRUE(m.dice(0, Accion::Envido));
    ASSERT_TRUE(m.dice(1, Accion::Quiero));
    m.asentar();
    ASSERT_TRUE(m.carta(0, 2));  // 4C on the table
    const auto paraUno = manosPosibles(m.p.estado(), 1);
    ASSERT_FALSE(paraUno.empty());
    const Estado& e = m.p.estado();
    for (const auto& mano : paraUno) {
        EXPECT_EQ(mano[2], indice("4C")) << "the card played stays where it is";
        for (int c : mano)
            EXPECT_EQ(std::count(e.cartas[1].begin(), e.cartas[1].end(), c), 0) << "never one of its own cards";
        EXPECT_EQ(reglas::verTantos({reglas::mazo()[mano[0]], reglas::mazo()[mano[1]], reglas::mazo()[mano[2]]}).envido, 33);
    }
    // 7 and 6 of one suit beside the 4 of copas: espadas, bastos or oros.
    EXPECT_EQ(paraUno.size(), 3u);

    // Seat 1, mano, says 32 and wins: seat 0 concedes without saying his,
    // so he has 32 at most.
    Mesa c(1);
    c.cartas({"1B", "5O", "12C"}, {"7E", "5E", "1C"});
    ASSERT_TRUE(c.carta(1, 2));
    ASSERT_TRUE(c.dice(0, Accion::Envido));
    ASSERT_TRUE(c.dice(1, Accion::Quiero));
    ASSERT_EQ(c.p.estado().concesion.cede, 0);
    const auto paraElMano = manosPosibles(c.p.estado(), 1);
    ASSERT_GT(paraElMano.size(), 100u);
    for (const auto& mano : paraElMano)
        EXPECT_LE(reglas::verTantos({reglas::mazo()[mano[0]], reglas::mazo()[mano[1]], reglas::mazo()[mano[2]]}).envido, 32);

    // A flor sung: every hand is a flor; none sung by a player who already
    // played his card: none is.
    Mesa f(0, true);
    f.cartas({"1C", "5C", "12C"}, {"4B", "6O", "7E"});
    ASSERT_TRUE(f.dice(0, Accion::Flor));
    for (const auto& mano : manosPosibles(f.p.estado(), 1))
        EXPECT_TRUE(reglas::verTantos({reglas::mazo()[mano[0]], reglas::mazo()[mano[1]], reglas::mazo()[mano[2]]}).flor);
    Mesa g(0, true);
    g.cartas({"1C", "5B", "12O"}, {"4B", "6O", "7E"});
    ASSERT_TRUE(g.carta(0, 0));
    for (const auto& mano : manosPosibles(g.p.estado(), 1))
        EXPECT_FALSE(reglas::verTantos({reglas::mazo()[mano[0]], reglas::mazo()[mano[1]], reglas::mazo()[mano[2]]}).flor);
}

TEST(Dificil, LaChanceDeGanarSigueAlTanteador)
{
    EXPECT_NEAR(probabilidadDeGanar(0, 0, true) + probabilidadDeGanar(0, 0, false), 1.0, 0.02);
    for (int a = 0; a < 30; a += 3)
        for (int b = 0; b < 30; b += 3) {
            // One side's chance is the other's loss, mano passing on.
            EXPECT_NEAR(probabilidadDeGanar(a, b, true) + probabilidadDeGanar(b, a, false), 1.0, 0.02) << a << "-" << b;
            if (a < 29) {
                EXPECT_GE(probabilidadDeGanar(a + 1, b, true), probabilidadDeGanar(a, b, true)) << a << "-" << b;
            }
        }
    EXPECT_GT(probabilidadDeGanar(27, 5, false), 0.9);
    EXPECT_LT(probabilidadDeGanar(5, 27, true), 0.1);
}

TEST(Dificil, PesaElPartidoYNoSoloLaMano)
{
    // A truco after losing the first trick, with little left: refused early
    // in a match, as a count of the hand's points says too. With the other at
    // 28 a refusal leaves him a point from the match, which is as good as
    // lost: the small chance of the hand is worth more than the point saved.
    auto respuesta = [](int suyos) {
        Mesa m(0);
        m.cartas({"1E", "1B", "7E"}, {"4C", "7B", "6O"});
        Estado e = m.p.estado();
        e.puntos = {suyos, 10};
        m.p = Partida(e, azarDeReparto(8));
        EXPECT_TRUE(m.carta(0, 0));
        EXPECT_TRUE(m.carta(1, 0));
        EXPECT_TRUE(m.dice(0, Accion::Truco));
        return buscarJugada(m.p.estado(), 1, 3000, 7);
    };
    const Movida alPrincipio = respuesta(0);
    EXPECT_TRUE(alPrincipio == Movida{Accion::NoQuiero} || alPrincipio == Movida{Accion::AlMazo})
        << static_cast<int>(alPrincipio.accion);
    const Movida alFinal = respuesta(28);
    EXPECT_NE(alFinal, Movida{Accion::NoQuiero});
    EXPECT_NE(alFinal, Movida{Accion::AlMazo});
}

TEST(Dificil, LeGanaAlNormal)
{
    // A small seeded sample at a small budget; the arena measures the real figure.
    Config c;
    c.partidos = 60;
    c.semilla = 2;
    c.nivelA = "dificil";
    c.nivelB = "normal";
    c.simulaciones = 300;
    const Resultado r = jugar(c);
    EXPECT_EQ(r.rechazadas, 0);
    EXPECT_GT(r.bajo, 0.5) << r.ganadosA << " of " << r.partidos;
}
