// The host of the game in pairs plays through the engine: its pauses are
// continuations, never a wait inside the flow.
#include "game/AsientoCuatro.h"
#include "support/PartidaCuatro.h"

#include <gtest/gtest.h>

TEST(AnfitrionCuatro, SusPausasSonContinuacionesYNoEsperasDentroDelFlujo)
{
    PartidaCuatro p(2);
    ASSERT_TRUE(p.empezar(2, 3));
    // From the first deal to the last points; the host window's set-up
    // before, and going back to it after, are not the match's.
    TestClock& reloj = p.enAsiento(0).m.fake.clock;
    int esperasDentro = 0;
    reloj.onWait = [&](bool enPausa) {
        if (enPausa && !p.mesa(0).ganadorMostrado())
            ++esperasDentro;
    };
    int manos = 1;
    QObject::connect(&p.mesa(0), &Form1::manoRepartida, [&] { ++manos; });
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    EXPECT_EQ(p.desacuerdo(), QString());
    EXPECT_EQ(esperasDentro, 0);
    // The pauses were there all the same: a second between hands at least.
    EXPECT_GE(manos, 3);
    EXPECT_GE(reloj.now(), manos - 1.0);
    const auto m = p.host().marcador();
    EXPECT_TRUE((m[0] == 30) != (m[1] == 30)) << m[0] << "-" << m[1];
    EXPECT_EQ(p.mesa(0).PuntosM->caption().toInt(), m[0]);
    EXPECT_EQ(p.mesa(0).PuntosH->caption().toInt(), m[1]);
}
