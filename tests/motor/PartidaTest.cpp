// The match engine on its own: no window, no event loop, no Qt.
#include "arena/Arena.h"
#include "calls/Azar.h"
#include "motor/Partida.h"
#include "support/MesaMotor.h"

#include <gtest/gtest.h>

using namespace motor;

TEST(MotorReparto, SigueLosSorteosDeSiempre)
{
    // The first three cards drawn go to the seat opposite, as they always did;
    // the 22-card variant draws again over the cards it leaves out (1C, 2C).
    for (const int variante : {1, 2}) {
        const std::vector<int> sorteos{5, 5, 9, 12, 0, 1, 2, 3, 7, 39};
        std::size_t k = 0;
        Opciones o;
        o.variante = variante;
        Partida p(o, [&] { return sorteos[k++]; });
        p.empezar();
        EXPECT_EQ(p.estado().cartas[1], (std::array<int, 3>{5, 9, 12})) << variante;
        EXPECT_EQ(p.estado().cartas[0], variante == 1 ? (std::array<int, 3>{0, 1, 2}) : (std::array<int, 3>{2, 3, 7}));
    }
}

TEST(MotorMovidas, LoQueNoVaSeRechazaSinCambiarNada)
{
    Mesa m(0);
    m.cartas({"4C", "5C", "6C"}, {"1E", "1B", "7E"});
    const Estado antes = m.p.estado();
    EXPECT_FALSE(m.carta(1, 0)) << "not his turn";
    EXPECT_FALSE(m.carta(0, 3));
    EXPECT_FALSE(m.dice(0, Accion::Quiero)) << "nothing was asked";
    EXPECT_FALSE(m.dice(0, Accion::Retruco)) << "no truco yet";
    EXPECT_FALSE(m.p.mover(7, {Accion::Carta, 0}));
    EXPECT_EQ(m.p.estado(), antes);
    ASSERT_TRUE(m.carta(0, 0));
    EXPECT_FALSE(m.carta(0, 1)) << "the turn passed";
    ASSERT_TRUE(m.dice(1, Accion::Truco));
    EXPECT_FALSE(m.carta(1, 0)) << "a truco waits for its answer";
    EXPECT_FALSE(m.dice(1, Accion::Quiero)) << "the singer does not answer himself";
    EXPECT_EQ(m.p.aQuienLeToca(), 0);
}

TEST(MotorBazas, GanaQuienGanaDosYElManoDesempataLaParda)
{
    Mesa m(0);
    m.cartas({"4C", "7O", "3C"}, {"4B", "5E", "6E"});
    ASSERT_TRUE(m.carta(0, 0));  // 4C against 4B: parda
    ASSERT_TRUE(m.carta(1, 0));
    EXPECT_EQ(m.p.estado().bazas[0], reglas::Parda);
    EXPECT_EQ(m.p.aQuienLeToca(), 0) << "after a parda the mano leads";
    ASSERT_TRUE(m.carta(0, 1));  // 7O beats 5E: the hand is his
    ASSERT_TRUE(m.carta(1, 1));
    EXPECT_TRUE(m.p.estado().manoTerminada);
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{1, 0}));
    // Nobody moves during the pause; then the next hand has the other mano.
    EXPECT_EQ(m.p.aQuienLeToca(), -1);
    ASSERT_TRUE(m.seguir());
    EXPECT_EQ(m.p.estado().mano, 1);
    EXPECT_EQ(m.p.aQuienLeToca(), 1);
}

TEST(MotorTruco, CadaEscalonValeLoSuyoYElQueQuisoSube)
{
    Mesa m(0);
    m.cartas({"1E", "1B", "7E"}, {"4C", "5C", "6C"});
    ASSERT_TRUE(m.dice(0, Accion::Truco));
    ASSERT_TRUE(m.dice(1, Accion::Quiero));
    // Only who accepted may raise; the singer plays on.
    EXPECT_FALSE(m.dice(0, Accion::Retruco));
    ASSERT_TRUE(m.carta(0, 0));
    ASSERT_TRUE(m.dice(1, Accion::Retruco));
    ASSERT_TRUE(m.dice(0, Accion::Vale4)) << "raising answers the retruco";
    EXPECT_EQ(m.p.estado().truco.querido, 2);
    ASSERT_TRUE(m.dice(1, Accion::Quiero));
    ASSERT_TRUE(m.carta(1, 0));
    ASSERT_TRUE(m.carta(0, 1));
    ASSERT_TRUE(m.carta(1, 1));
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{4, 0}));
    const std::vector<std::string> dichos{"dice 0 Truco", "dice 1 Quiero", "dice 1 Quiero retruco", "dice 0 Quiero vale 4", "dice 1 Quiero"};
    std::vector<std::string> oidos;
    for (const auto& l : m.r.v)
        if (l.rfind("dice", 0) == 0 && l != "dice -1 ")
            oidos.push_back(l);
    EXPECT_EQ(oidos, dichos);
}

TEST(MotorTruco, NoQuieroDaLoDelEscalonAnteriorYTerminaLaMano)
{
    for (int nivel = 1; nivel <= 3; ++nivel) {
        Mesa m(0);
        m.cartas({"1E", "1B", "7E"}, {"4C", "5C", "6C"});
        ASSERT_TRUE(m.dice(0, Accion::Truco));
        int canta = 0;
        for (int n = 2; n <= nivel; ++n) {
            canta = otro(canta);
            ASSERT_TRUE(m.dice(canta, n == 2 ? Accion::Retruco : Accion::Vale4)) << n;
        }
        ASSERT_TRUE(m.dice(otro(canta), Accion::NoQuiero));
        EXPECT_TRUE(m.p.estado().manoTerminada);
        EXPECT_EQ(m.p.estado().puntos[canta], nivel) << nivel;
        EXPECT_EQ(m.p.estado().puntos[otro(canta)], 0);
    }
}

TEST(MotorPartido, TerminaEnTreintaYNadieMueveDespues)
{
    Mesa m(0);
    Estado e = m.p.estado();
    e.puntos = {28, 27};
    m.p = Partida(e, azarDeReparto(3), [&](double, std::function<void()> f) { m.pausas.push_back(std::move(f)); });
    m.p.observar(&m.r);
    ASSERT_TRUE(m.dice(0, Accion::Truco));
    ASSERT_TRUE(m.dice(1, Accion::Retruco));
    ASSERT_TRUE(m.dice(0, Accion::Vale4));
    ASSERT_TRUE(m.dice(1, Accion::NoQuiero));  // three points over 28: no more than 30
    EXPECT_TRUE(m.p.estado().terminado);
    EXPECT_EQ(m.p.estado().ganador, 0);
    EXPECT_EQ(m.p.estado().puntos[0], 30);
    EXPECT_EQ(m.p.estado().puntos[1], 27);
    EXPECT_TRUE(m.pausas.empty()) << "no hand is dealt after the match";
    EXPECT_EQ(m.r.v.back(), "fin de partido 0");
    EXPECT_EQ(m.p.aQuienLeToca(), -1);
    EXPECT_TRUE(m.p.legales(0).empty() && m.p.legales(1).empty());
}

TEST(MotorPartido, UnaCopiaDelEstadoSigueIgualQueElOriginal)
{
    // A search copies the state at a decision and plays on from it.
    std::mt19937 reparto(11), juego(12);
    auto azar = [&reparto] { return std::uniform_int_distribution<int>(0, 39)(reparto); };
    Partida p(Opciones{}, azar);
    p.empezar();
    auto elegir = [](Partida& x, std::mt19937& g) {
        const int s = x.aQuienLeToca();
        const auto v = x.legales(s);
        return x.mover(s, v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(g)]);
    };
    for (int i = 0; i < 40 && !p.estado().terminado; ++i)
        ASSERT_TRUE(elegir(p, juego));
    const Estado copia = p.estado();
    std::mt19937 reparto2 = reparto, juego2 = juego;
    Partida q(copia, [&reparto2] { return std::uniform_int_distribution<int>(0, 39)(reparto2); });
    for (int i = 0; i < 5000 && !p.estado().terminado; ++i) {
        ASSERT_TRUE(elegir(p, juego));
        ASSERT_TRUE(elegir(q, juego2));
    }
    EXPECT_TRUE(p.estado().terminado);
    EXPECT_EQ(q.estado(), p.estado());
}

TEST(Arena, PartidosAlAzarTerminanLasMismasSemillasDanLoMismoYElIntervaloEsElDeWilson)
{
    JugadorAzar a(1), b(2);
    for (std::uint32_t s = 1; s <= 1000; ++s) {
        Opciones o{1 + static_cast<int>(s % 2), s % 3 == 0, static_cast<int>(s / 2 % 2)};
        const ResultadoPartido r = jugarPartido(o, s, a, b, static_cast<int>(s % 2));
        ASSERT_TRUE(r.ganador == 0 || r.ganador == 1) << s;
        ASSERT_GT(r.manos, 0);
    }
    Config c;
    c.partidos = 200;
    c.semilla = 5;
    const Resultado r1 = jugar(c), r2 = jugar(c);
    EXPECT_EQ(r1.ganadosA, r2.ganadosA);
    EXPECT_EQ(r1.partidos, 200);
    EXPECT_LE(r1.bajo, static_cast<double>(r1.ganadosA) / 200);
    EXPECT_GE(r1.alto, static_cast<double>(r1.ganadosA) / 200);
    c.semilla = 6;
    EXPECT_NE(jugar(c).manosPorPartido, r1.manosPorPartido);
    const auto [bajo, alto] = wilson(50, 100);
    EXPECT_NEAR(bajo, 0.4038, 1e-4);
    EXPECT_NEAR(alto, 0.5962, 1e-4);
    EXPECT_EQ(wilson(0, 10).first, 0.0);
    EXPECT_FALSE(crearJugador("desconocido", 1));
}

TEST(MotorEnvido, CadaCadenaValeLoQueSuma)
{
    struct Caso {
        std::vector<Accion> cantos;
        bool quiere;
        int valor;  // to the winner of the points, or to the last singer when refused
    };
    // Seat 0 (mano) has 33, seat 1 has 7.
    const std::vector<Caso> casos{
        {{Accion::Envido}, true, 2},
        {{Accion::Envido}, false, 1},
        {{Accion::Envido, Accion::Envido}, true, 4},
        {{Accion::Envido, Accion::Envido}, false, 2},
        {{Accion::Envido, Accion::RealEnvido}, true, 5},
        {{Accion::RealEnvido}, false, 1},
        {{Accion::Envido, Accion::Envido, Accion::RealEnvido}, false, 4},
        {{Accion::Envido, Accion::FaltaEnvido}, true, 30},
    };
    for (const Caso& c : casos) {
        Mesa m(0);
        m.cartas({"7E", "6E", "1C"}, {"4C", "7B", "12O"});
        int s = 0;
        for (Accion a : c.cantos) {
            ASSERT_TRUE(m.dice(s, a)) << c.valor;
            s = otro(s);
        }
        ASSERT_TRUE(m.dice(s, c.quiere ? Accion::Quiero : Accion::NoQuiero));
        if (c.quiere) {
            EXPECT_EQ(m.p.estado().puntos[0], 0) << "the points are said before they are paid";
            m.asentar();
            EXPECT_EQ(m.p.estado().puntos[0], c.valor);
        } else {
            EXPECT_EQ(m.p.estado().puntos[otro(s)], c.valor);
        }
        // The hand goes on where it was, and no second envido is sung.
        if (!m.p.estado().terminado) {
            EXPECT_EQ(m.p.aQuienLeToca(), 0);
            EXPECT_FALSE(m.dice(0, Accion::Envido));
            EXPECT_TRUE(m.carta(0, 0));
        }
    }
}

TEST(MotorEnvido, VaAntesDelTrucoYLosIgualesSonDelMano)
{
    Mesa m(1);  // seat 1 is mano
    m.cartas({"7E", "6E", "1C"}, {"7B", "6B", "4C"});  // 33 each
    ASSERT_TRUE(m.dice(1, Accion::Truco));
    ASSERT_TRUE(m.dice(0, Accion::Envido)) << "the envido goes before the truco";
    ASSERT_TRUE(m.dice(1, Accion::Quiero));
    // The loser concedes before the points are paid, or goes to the deck.
    EXPECT_EQ(m.p.legales(0), (std::vector<Movida>{{Accion::SonBuenas}, {Accion::AlMazo}}));
    EXPECT_EQ(m.p.estado().puntos[1], 0);
    ASSERT_TRUE(m.dice(0, Accion::SonBuenas));
    EXPECT_EQ(m.p.estado().puntos[1], 2);
    // The truco still waits for seat 0's answer.
    EXPECT_EQ(m.p.aQuienLeToca(), 0);
    EXPECT_FALSE(m.dice(0, Accion::RealEnvido));
    ASSERT_TRUE(m.dice(0, Accion::Quiero));
    EXPECT_EQ(m.p.estado().truco.querido, 1);
    EXPECT_EQ(m.p.aQuienLeToca(), 1);
}

TEST(MotorFlor, OlorDaTresContraflorSeisAlFinal)
{
    for (bool contraflor : {false, true}) {
        Mesa m(1, true);
        m.cartas({"1E", "2E", "3E"}, {"5C", "6C", "7C"});
        ASSERT_EQ(m.p.estado().puntosFlor, (std::array<int, 2>{26, 38}));
        ASSERT_TRUE(m.dice(1, Accion::Flor));
        EXPECT_FALSE(m.dice(0, Accion::Quiero)) << "a flor is answered with olor or contraflor";
        ASSERT_TRUE(m.dice(0, contraflor ? Accion::Contraflor : Accion::Olor));
        EXPECT_EQ(m.p.estado().puntos[1], contraflor ? 0 : 3);
        EXPECT_FALSE(m.dice(0, Accion::Flor)) << "one flor per hand";
        ASSERT_TRUE(m.carta(1, 0));
        ASSERT_TRUE(m.dice(0, Accion::AlMazo));
        // Going to the deck pays 1 here; the contraflor is settled with the hand.
        EXPECT_EQ(m.p.estado().puntos[1], contraflor ? 1 + 6 : 3 + 1);
    }
}

TEST(MotorFlor, LaFlorDelLadoOpuestoSobreUnEnvidoSumaTresEnSeguida)
{
    Mesa m(0, true);
    m.cartas({"4C", "5B", "6O"}, {"5C", "6C", "7C"});
    ASSERT_TRUE(m.dice(0, Accion::Envido));
    ASSERT_TRUE(m.dice(1, Accion::Flor));
    EXPECT_EQ(m.p.aQuienLeToca(), -1);
    ASSERT_TRUE(m.seguir());
    EXPECT_EQ(m.p.estado().puntos[1], 3);
    EXPECT_EQ(m.p.aQuienLeToca(), 0) << "the hand goes on";
    EXPECT_FALSE(m.dice(0, Accion::Envido));
}


TEST(MotorMazo, PagaDosAntesDeQueElOtroJuegueYElEnvidoDebidoPrimero)
{
    Mesa m(0);
    m.cartas({"1E", "1B", "7E"}, {"4C", "5C", "6C"});
    ASSERT_TRUE(m.dice(0, Accion::AlMazo));
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{0, 2}));
    ASSERT_TRUE(m.seguir());
    // Seat 1 is mano now; it plays, then seat 0 goes: one point.
    m.cartas({"1E", "1B", "7E"}, {"4C", "5C", "6C"});
    ASSERT_TRUE(m.carta(1, 0));
    ASSERT_TRUE(m.dice(0, Accion::AlMazo));
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{0, 3}));

    Mesa n(1);  // seat 1 is mano
    n.cartas({"4C", "5B", "6O"}, {"7E", "6E", "1C"});  // 7 against 33
    ASSERT_TRUE(n.dice(1, Accion::Envido));
    ASSERT_TRUE(n.dice(0, Accion::Quiero));
    ASSERT_EQ(n.p.legales(0), (std::vector<Movida>{{Accion::SonBuenas}, {Accion::AlMazo}}));
    ASSERT_TRUE(n.dice(0, Accion::AlMazo));
    // Two of the envido, then two of the deck: seat 1 had played no card.
    EXPECT_EQ(n.p.estado().puntos[1], 4);
    EXPECT_TRUE(n.p.estado().manoTerminada);
}
