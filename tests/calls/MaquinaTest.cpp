// The computer of the "Normal" level, on the engine.
#include "arena/Arena.h"
#include "calls/Maquina.h"
#include "support/MesaMotor.h"

#include <gtest/gtest.h>

using namespace motor;

TEST(MaquinaNormal, SoloJuegaLoQueVaYLeGanaClaroAlAzar)
{
    Config c;
    c.partidos = 400;
    c.semilla = 3;
    c.nivelA = "normal";
    const Resultado r = jugar(c);
    EXPECT_EQ(r.rechazadas, 0);
    EXPECT_GT(r.bajo, 0.75) << r.ganadosA << " of " << r.partidos;
    c.nivelB = "normal";
    const Resultado iguales = jugar(c);
    EXPECT_EQ(iguales.rechazadas, 0);
    EXPECT_LT(iguales.bajo, 0.5);
    EXPECT_GT(iguales.alto, 0.5);
}

TEST(MaquinaNormal, DecideComoSiempre)
{
    FuenteMaquina f{[] { return 0.9; }, [] { return 0; }};
    JugadorNormal pc(f);
    // Pie with 33 of envido: it sings envido before anything else.
    Mesa m(0);
    m.cartas({"4C", "5B", "6O"}, {"7E", "6E", "1C"});
    ASSERT_TRUE(m.carta(0, 0));
    EXPECT_EQ(pc.elegir(m.p, 1), Movida{Accion::Envido});
    // It beats a card with the weakest card that does it, singing truco first.
    Mesa n(0);
    n.cartas({"4C", "5B", "6O"}, {"1E", "7E", "3C"});
    ASSERT_TRUE(n.carta(0, 0));
    ASSERT_TRUE(n.carta(1, 2));  // 3C wins the first trick; seat 1 leads
    EXPECT_EQ(pc.elegir(n.p, 1), (Movida{Accion::Carta, 1})) << "leads its lowest";
    // Its truco answered with a raise is always accepted.
    Mesa q(1);
    q.cartas({"4C", "5B", "6O"}, {"4E", "5E", "6B"});
    ASSERT_TRUE(q.dice(1, Accion::Truco));
    ASSERT_TRUE(q.dice(0, Accion::Retruco));
    EXPECT_EQ(pc.elegir(q.p, 1), Movida{Accion::Quiero});
    // The thresholds read the hand from its side, whichever seat it has.
    Estado e = q.p.estado();
    e.jugadasN = {1, 1};
    e.bazas[0] = reglas::GanaH;
    EXPECT_EQ(JugadorNormal::mesa(e, 0).bazas[0], reglas::GanaM);
    EXPECT_EQ(JugadorNormal::mesa(e, 1).bazas[0], reglas::GanaH);
}
