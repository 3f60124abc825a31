// The game against the computer on the engine: what the panel offers at each
// step, and the computer's calls and answers along the paths that decide them.
// (The computer's own choices are held by the recorded games.)
#include "support/MesaMotor.h"

#include <gtest/gtest.h>

using namespace motor;

namespace {
bool algunEnvido(const std::string& panel) { return panel[2] == '1' || panel[4] == '1' || panel[6] == '1'; }
}  // namespace

TEST(ContraPcPanel, TrucoDelJugadorQueridoDejaSoloElMazo)
{
    ContraPc t(0, false, {"4O", "5C", "6B"}, {"1E", "1B", "7E"});
    t.tantosPc(0);  // no envido to sing first
    ASSERT_TRUE(t.pulsar(0));
    ASSERT_EQ(t.e().truco.querido, 1);
    // No ladder step is his now, and the accepted truco closes the envido.
    EXPECT_EQ(t.panel(), "0000000001");
    ASSERT_TRUE(t.carta(0));  // the computer wins the trick and leads; his turn again
    EXPECT_FALSE(t.e().manoTerminada);
    EXPECT_EQ(t.panel(), "0000000001");
}

TEST(ContraPcPanel, TrucoDelPcSeRespondeConQuieroNoQuieroRetrucoOMazo)
{
    ContraPc t(0, false, {"4O", "5C", "6B"}, {"3E", "3B", "2E"});
    t.tantosPc(0);
    ASSERT_TRUE(t.carta(0));  // the computer, pie, sings truco before its card
    EXPECT_EQ(t.dijo(), "Truco");
    EXPECT_EQ(t.panel(), "0101010001");
    ASSERT_TRUE(t.pulsar(1));
    EXPECT_EQ(t.e().truco.querido, 1);
    // After the answer the computer plays its card; then it is his turn again.
    ASSERT_FALSE(t.e().manoTerminada);
    ASSERT_EQ(t.mesa.p.aQuienLeToca(), 0);
    EXPECT_EQ(t.panel(), "0000000001");
}

TEST(ContraPcPanel, FaltaEnvidoRechazadoNoDejaOtroEnvido)
{
    ContraPc t(0, false, {"7O", "6O", "4C"}, {"4E", "5B", "6O"});
    ASSERT_TRUE(t.pulsar(6));
    EXPECT_EQ(t.dijo(), "No Quiero");
    EXPECT_EQ(t.h(), 1);
    EXPECT_FALSE(algunEnvido(t.panel()));
    EXPECT_EQ(t.panel()[0], '1');
    EXPECT_EQ(t.panel()[9], '1');
    EXPECT_FALSE(t.mover(Accion::Envido)) << "a second envido does nothing";
    EXPECT_EQ(t.h(), 1);
}

TEST(ContraPcPanel, ElPcManoSorteaSuEnvido)
{
    // 26 points: below 30 it sings only when its draw says 1.
    for (double sorteo : {0.2, 0.7}) {
        ContraPc t(1, false, {"4O", "5C", "6B"}, {"1E", "5E", "4B"});
        ASSERT_EQ(t.e().tantos[1], 26);
        t.sorteo = sorteo;
        t.correr();
        if (sorteo < 0.5) {
            EXPECT_FALSE(t.e().envido.cantado);
            EXPECT_EQ(t.e().jugadasN[1], 1);
            EXPECT_EQ(t.panel(), "1010101001");
        } else {
            EXPECT_EQ(t.dijo(), "Envido");
            EXPECT_EQ(t.panel(), "0111101001");
            ASSERT_TRUE(t.pulsar(3));
            EXPECT_EQ(t.m(), 1);
            EXPECT_EQ(t.e().jugadasN[1], 1) << "then it leads its card";
            EXPECT_FALSE(algunEnvido(t.panel()));
        }
    }
}

TEST(ContraPcPanel, SuFaltaEnvidoLaDecideElSegundoDelReloj)
{
    for (int segundo : {2, 3}) {
        ContraPc t(1, false, {"7O", "6O", "4C"}, {"1E", "12E", "4B"});
        ASSERT_EQ(t.e().tantos[1], 21);
        t.segundo = segundo;
        // The computer leads first (21: it keeps its envido), then he sings falta.
        t.sorteo = 0.2;
        t.correr();
        ASSERT_TRUE(t.pulsar(6));
        t.mesa.asentar();
        // Accepted: 33 against 21, he wins what the computer lacks; else one point.
        EXPECT_EQ(t.h(), segundo % 2 ? 30 : 1) << segundo;
    }
}

TEST(ContraPcPanel, SuFlorRespondeAlEnvidoDelPc)
{
    ContraPc t(1, true, {"1O", "5O", "6O"}, {"7E", "6E", "4B"});
    t.correr();  // mano with 33, the computer sings envido
    ASSERT_EQ(t.dijo(), "Envido");
    EXPECT_EQ(t.panel(), "0111101011") << "his flor may answer";
    ASSERT_TRUE(t.pulsar(8));
    EXPECT_EQ(t.dijo(), "¡Hasta aquí llegó el olor!");
    t.correr();
    EXPECT_EQ(t.h(), 3) << "the flor's three points; the envido lapses";
    EXPECT_EQ(t.m(), 0);
    EXPECT_EQ(t.e().jugadasN[1], 1) << "then the computer leads";
}

TEST(ContraPcPanel, AlMazoConUnEnvidoSinResponderValeDos)
{
    ContraPc t(0, false, {"7O", "6O", "4C"}, {"7E", "5E", "4B"});
    ASSERT_TRUE(t.carta(2));  // the computer, pie with 32, sings envido
    ASSERT_EQ(t.dijo(), "Envido");
    ASSERT_TRUE(t.pulsar(9));
    EXPECT_EQ(t.m(), 2);
}

TEST(ContraPcEnvido, QuienDicePrimeroYQuienConcede)
{
    // He sings and wins with more: he says his points, the computer concedes.
    ContraPc a(0, false, {"7O", "6O", "4C"}, {"1E", "5E", "4B"});
    ASSERT_TRUE(a.pulsar(2));
    a.correr();
    EXPECT_EQ(a.dijo(), "Son Buenas");
    EXPECT_EQ(a.h(), 2);
    // The computer mano says its points first; an equal count is his to concede.
    ContraPc b(1, false, {"7O", "12O", "4C"}, {"7E", "12E", "4B"});
    b.sorteo = 0.2;  // 27: below 30 it keeps its envido and leads
    b.correr();
    ASSERT_TRUE(b.pulsar(2));
    EXPECT_EQ(b.dijo(), "Quiero,27");
    EXPECT_EQ(b.panel(), "0001000001") << "only Son Buenas, or the deck";
    ASSERT_TRUE(b.pulsar(3));
    EXPECT_EQ(b.m(), 2);
}

TEST(ContraPcFlor, OlorContraflorYAtrevido)
{
    // His flor against none: the computer gives up the olor, three points.
    ContraPc a(0, true, {"1O", "5O", "6O"}, {"4E", "5B", "6C"});
    ASSERT_TRUE(a.pulsar(8));
    EXPECT_EQ(a.dijo(), "¡Hasta aquí llegó el olor!");
    a.correr();
    EXPECT_EQ(a.h(), 3);
    // Against its flor: contraflor, settled for six when the hand ends.
    ContraPc b(0, true, {"1O", "5O", "6O"}, {"1C", "2C", "3C"});
    ASSERT_TRUE(b.pulsar(8));
    EXPECT_EQ(b.dijo(), "Contraflor");
    ASSERT_TRUE(b.pulsar(9));
    EXPECT_EQ(b.h(), 6) << "32 against 26: his flor is better";
    // Its flor over his envido: three points at once, his envido lapses.
    ContraPc c(0, true, {"7O", "6B", "4C"}, {"1C", "2C", "3C"});
    ASSERT_TRUE(c.pulsar(2));
    EXPECT_EQ(c.dijo(), "Flor por atrevido");
    c.correr();
    EXPECT_EQ(c.m(), 3);
}
