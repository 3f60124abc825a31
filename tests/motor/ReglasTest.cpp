#include "motor/Reglas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace reglas;

namespace {

Tantos tantosDe(const std::string& a, const std::string& b, const std::string& c)
{
    return verTantos({a, b, c});
}

}  // namespace

TEST(ReglasTantos, Examples)
{
    EXPECT_EQ(tantosDe("12C", "7O", "6O").envido, 33);
    EXPECT_EQ(tantosDe("10O", "11C", "12E").envido, 0);
    EXPECT_EQ(tantosDe("12O", "11O", "4C").envido, 20);

    const Tantos flor = tantosDe("7E", "6E", "5E");
    EXPECT_TRUE(flor.flor);
    EXPECT_EQ(flor.puntosFlor, 38);
    EXPECT_EQ(flor.envido, 33);
    EXPECT_FALSE(tantosDe("7E", "6E", "5B").flor);
}

TEST(ReglasPuntos, AlMazoLadder)
{
    const Escalera nada;
    EXPECT_EQ(puntosAlMazo(nada, false, 0), 2);
    EXPECT_EQ(puntosAlMazo(nada, false, 1), 1);
    EXPECT_EQ(puntosAlMazo(nada, true, 1), 2);

    Escalera e;
    e.trucoCantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 0), 1);
    e.trucoQuerido = true;
    e.retrucoCantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 2);
    e.retrucoQuerido = true;
    e.vale4Cantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 3);
    e.vale4Querido = true;
    EXPECT_EQ(puntosAlMazo(e, true, 0), 4);
}

TEST(ReglasEnvido, MachineSingsAndAnswers)
{
    for (int sorteo : {0, 1}) {
        EXPECT_TRUE(cantaEnvidoMano(30, false, sorteo));
        for (int t : {20, 29})
            EXPECT_EQ(cantaEnvidoMano(t, false, sorteo), sorteo == 1) << t;
        EXPECT_FALSE(cantaEnvidoMano(19, false, sorteo));
        EXPECT_FALSE(cantaEnvidoMano(33, true, sorteo));
    }
    EXPECT_TRUE(cantaEnvidoPie(21, false));
    EXPECT_FALSE(cantaEnvidoPie(20, false));
    // Its answers.
    EXPECT_TRUE(aceptaEnvido(25, 0));
    EXPECT_FALSE(aceptaEnvido(24, 27));
    EXPECT_TRUE(aceptaEnvido(24, 28));
    EXPECT_FALSE(aceptaEnvidoEnvido(25, true, 0));
    EXPECT_TRUE(aceptaRealEnvido(27, true, 0));
    EXPECT_FALSE(aceptaRealEnvido(26, true, 0));
}

TEST(ReglasEnvido, FaltaEachClauseAlone)
{
    // Machine ahead with a decent hand.
    EXPECT_TRUE(reglaFalta(21, 26, 0, 2));
    EXPECT_FALSE(reglaFalta(20, 26, 0, 2));
    // A strong hand alone.
    EXPECT_TRUE(reglaFalta(27, 0, 0, 2));
    // The human about to win.
    EXPECT_TRUE(reglaFalta(0, 0, 28, 2));
    EXPECT_FALSE(reglaFalta(0, 0, 27, 2));
    // The clock's second breaks the tie.
    EXPECT_TRUE(reglaFalta(20, 0, 0, 59));
    EXPECT_FALSE(reglaFalta(20, 0, 0, 58));

    EXPECT_TRUE(reglaFaltaPie(21, 26));
    EXPECT_FALSE(reglaFaltaPie(21, 25));
}

namespace {
Mesa mesa(int jugadasMaquina, int jugadasHumano, int primera, int prom,
          std::array<int, 3> jm = {}, std::array<int, 3> jh = {})
{
    Mesa m;
    m.jugadasMaquina = jugadasMaquina;
    m.jugadasHumano = jugadasHumano;
    m.bazas = {primera, 0, 0};
    m.jm = jm;
    m.jh = jh;
    m.promValor = prom;
    return m;
}
}  // namespace

TEST(ReglasTruco, Truco)
{
    EXPECT_EQ(aceptaTruco(mesa(0, 0, GanaH, 6)), Respuesta::Quiero);
    EXPECT_EQ(aceptaTruco(mesa(0, 1, GanaH, 5)), Respuesta::NoQuiero);
    EXPECT_EQ(aceptaTruco(mesa(2, 2, Parda, 14, {5, 8, 0})), Respuesta::QuieroParda);
    EXPECT_EQ(aceptaTruco(mesa(3, 2, Parda, 14, {5, 7, 0})), Respuesta::NoQuiero);

    // Close to losing the match the machine always plays on, plainly unless
    // a parda condition decided it.
    Mesa m = mesa(1, 1, Parda, 7);
    m.puntosHumano = 28;
    EXPECT_EQ(aceptaTruco(m), Respuesta::Quiero);
    m.promValor = 8;
    EXPECT_EQ(aceptaTruco(m), Respuesta::QuieroParda);
}

TEST(ReglasTruco, Retruco)
{
    EXPECT_TRUE(aceptaRetruco(mesa(1, 1, GanaH, 7)));
    EXPECT_FALSE(aceptaRetruco(mesa(1, 1, GanaM, 6)));

    // Two cards: the human's third card is weaker than the one kept.
    EXPECT_TRUE(aceptaRetruco(mesa(2, 3, GanaH, 5, {}, {1, 1, 4})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 3, GanaH, 5, {}, {1, 1, 5})));
    // Trick one not lost and a strong second card, human one card behind.
    EXPECT_TRUE(aceptaRetruco(mesa(2, 1, Parda, 1, {1, 8, 0})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 2, GanaM, 1, {1, 8, 0})));
    // Otherwise the remaining card decides.
    EXPECT_FALSE(aceptaRetruco(mesa(2, 2, GanaH, 6)));
}

TEST(ReglasTruco, ValeCuatro)
{
    EXPECT_FALSE(aceptaVale4(mesa(3, 3, GanaM, 14, {14, 14, 6})));
    EXPECT_TRUE(aceptaVale4(mesa(2, 2, GanaH, 1, {1, 11, 0})));
    EXPECT_FALSE(aceptaVale4(mesa(2, 2, GanaH, 1, {1, 10, 0})));
    EXPECT_TRUE(aceptaVale4(mesa(1, 1, GanaH, 1)));
}

