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

TEST(MaquinaNormal, AceptaLaSubidaYLeeLaManoDesdeSuAsiento)
{
    FuenteMaquina f{[] { return 0.9; }, [] { return 0; }};
    JugadorNormal pc(f);
    // Its truco answered with a raise is always accepted, however weak its hand.
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
