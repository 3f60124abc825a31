// The two-player network panels and trick decisions, as plain rules.
#include "motor/BazaRed.h"
#include "motor/PanelRed.h"

#include <gtest/gtest.h>

using red::Pedido;

TEST(PanelRed, CadaLadoSoloPuedeLoQueLeToca)
{
    red::Vista v;
    EXPECT_EQ(red::panel(v), "0000000000");  // the other side acts: nothing to press
    v.turno = true;
    EXPECT_EQ(red::panel(v), "1010101001");  // his turn, first card: truco, the envidos, the deck
    v.jugadas = 1;
    EXPECT_EQ(red::panel(v), "1000000001");  // the envido only before the first card
    v.trucoCantado = v.trucoQuerido = true;
    EXPECT_EQ(red::panel(v), "0000000001");
    v = red::Vista{};
    v.turno = true;
    v.tieneFlor = v.conFlor = true;
    EXPECT_EQ(red::panel(v), "1010101011");
    v.conFlor = false;  // a game without flor
    EXPECT_EQ(red::panel(v), "1010101001");
}

TEST(PanelRed, LasRespuestas)
{
    red::Vista v;
    v.responde = Pedido::Truco;
    // Quiero, No Quiero, Quiero retruco, the deck, and the envido goes first.
    EXPECT_EQ(red::panel(v), "0111111001");
    v.envidoResuelto = true;
    EXPECT_EQ(red::panel(v), "0101010001");
    v.responde = Pedido::Retruco;
    EXPECT_EQ(red::panel(v), "0101000101");
    v.responde = Pedido::Vale4;
    EXPECT_EQ(red::panel(v), "0101000001");
    v = red::Vista{};
    v.responde = Pedido::Envido;
    EXPECT_EQ(red::panel(v), "0111101001");
    v.responde = Pedido::EnvidoEnvido;
    EXPECT_EQ(red::panel(v), "0101101001");
    v.responde = Pedido::Real;
    EXPECT_EQ(red::panel(v), "0101001001");
    v.responde = Pedido::Falta;
    EXPECT_EQ(red::panel(v), "0101000001");
    v.tieneFlor = v.conFlor = true;  // a flor answers any envido
    EXPECT_EQ(red::panel(v), "0101000011");
}

TEST(BazaRed, ResultadosYQuienSigue)
{
    using red::TrasBaza;
    EXPECT_EQ(red::resultado(10, 3), 2);
    EXPECT_EQ(red::resultado(3, 10), 0);
    EXPECT_EQ(red::resultado(7, 7), 1);
    // The winner of a trick leads the next; after a parda, the mano.
    EXPECT_EQ(red::trasBaza({2, 0, 0}, 0, true), TrasBaza::LideraLocal);
    EXPECT_EQ(red::trasBaza({0, 0, 0}, 0, false), TrasBaza::LideraPeer);
    EXPECT_EQ(red::trasBaza({1, 0, 0}, 0, true), TrasBaza::LideraPeer);
    EXPECT_EQ(red::trasBaza({1, 0, 0}, 0, false), TrasBaza::LideraLocal);
    // Two tricks won end the hand; a parda after a won trick too.
    EXPECT_EQ(red::trasBaza({2, 2, 0}, 1, true), TrasBaza::GanaLocal);
    EXPECT_EQ(red::trasBaza({0, 0, 0}, 1, true), TrasBaza::GanaPeer);
    EXPECT_EQ(red::trasBaza({2, 1, 0}, 1, true), TrasBaza::GanaLocal);
    EXPECT_EQ(red::trasBaza({1, 0, 0}, 1, false), TrasBaza::GanaPeer);
    // One each: the third decides; a parda third goes to the first trick's winner.
    EXPECT_EQ(red::trasBaza({2, 0, 0}, 1, true), TrasBaza::LideraPeer);
    EXPECT_EQ(red::trasBaza({2, 0, 2}, 2, true), TrasBaza::GanaLocal);
    EXPECT_EQ(red::trasBaza({2, 0, 1}, 2, true), TrasBaza::GanaLocal);
    EXPECT_EQ(red::trasBaza({0, 2, 1}, 2, false), TrasBaza::GanaPeer);
    // Three pardas: the mano's side.
    EXPECT_EQ(red::trasBaza({1, 1, 1}, 2, true), TrasBaza::GanaPeer);
    EXPECT_EQ(red::trasBaza({1, 1, 1}, 2, false), TrasBaza::GanaLocal);
}
