// One hand of four as the host keeps it: turns, tricks to the third, the
// truco ladder, the envido and the deck.
#include "motor/ManoCuatro.h"

#include <gtest/gtest.h>

using namespace cuatro;

namespace {

// Plays the four cards of a trick in the order given (seat, card).
void baza(ManoCuatro& m, std::initializer_list<std::pair<int, const char*>> jugadas)
{
    for (const auto& [s, c] : jugadas)
        ASSERT_TRUE(m.jugar(s, c)) << s << " " << c;
}

TEST(ManoCuatro, ThreePardasGoToTheManosPair)
{
    // Dealer 3: the host is mano and leads every trick after a parda.
    ManoCuatro m(3, {{{"3E", "2E", "3B"}, {"3O", "2O", "3C"}, {"4B", "4C", "6B"}, {"5B", "5C", "6C"}}});
    EXPECT_EQ(m.turno(), 0);
    EXPECT_FALSE(m.jugar(1, "3O"));  // not his turn
    EXPECT_FALSE(m.jugar(0, "3O"));  // not his card
    baza(m, {{0, "3E"}, {1, "3O"}, {2, "4B"}, {3, "5B"}});
    EXPECT_EQ(m.turno(), 0);
    baza(m, {{0, "2E"}, {1, "2O"}, {2, "4C"}, {3, "5C"}});
    EXPECT_EQ(m.turno(), 0);
    EXPECT_FALSE(m.terminada());
    std::optional<Analisis> a;
    for (const auto& [s, c] : {std::pair{0, "3B"}, {1, "3C"}, {2, "6B"}})
        ASSERT_TRUE(m.jugar(s, c));
    ASSERT_TRUE(m.jugar(3, "6C", &a));
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->parda);
    EXPECT_TRUE(m.terminada());
    EXPECT_TRUE(m.ganaHost());
    EXPECT_EQ(m.bazas(), (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(m.valor(), 1);
    EXPECT_EQ(m.panel(0), "0000000000");
}

const ManoCuatro::Manos kManos{{{"4O", "5O", "6O"}, {"4E", "5E", "6E"}, {"4B", "5B", "6B"}, {"4C", "5C", "6C"}}};

TEST(ManoCuatro, TrucoLadderIsRaisedOnlyByTheAnswerAndRefusalsPayWhatWasReached)
{
    for (const bool quiere : {false, true}) {
        ManoCuatro m(3, kManos);
        EXPECT_EQ(m.panel(0), "1010101001");
        EXPECT_FALSE(m.cantar(1, Canto::Truco));  // not his turn
        ASSERT_TRUE(m.cantar(0, Canto::Truco));
        EXPECT_EQ(m.responde(), 3);  // nobody has played: the seat before
        EXPECT_EQ(m.panel(3), "0111111001");
        EXPECT_EQ(m.panel(0), "0000000000");
        EXPECT_FALSE(m.puedeJugar(0));
        EXPECT_FALSE(m.jugar(0, "4O"));
        ASSERT_TRUE(m.cantar(3, Canto::Retruco));
        EXPECT_EQ(m.responde(), 2);  // the pie of the host's pair
        EXPECT_EQ(m.panel(2), "0101000101");
        ASSERT_TRUE(m.cantar(2, Canto::Vale4));
        EXPECT_EQ(m.responde(), 3);
        EXPECT_EQ(m.panel(3), "0101000001");
        const auto e = m.responder(3, quiere);
        ASSERT_TRUE(e);
        if (!quiere) {
            EXPECT_EQ(e->tipo, Efecto::Tipo::PuntosFin);
            EXPECT_TRUE(e->paraHost);
            EXPECT_EQ(e->puntos, 3);
            EXPECT_TRUE(m.terminada());
            continue;
        }
        EXPECT_EQ(e->tipo, Efecto::Tipo::Sigue);
        EXPECT_EQ(m.valor(), 4);
        EXPECT_EQ(m.panel(0), "0000000001");  // nothing left to raise
        EXPECT_TRUE(m.jugar(0, "4O"));
    }
}

TEST(ManoCuatro, EnvidoStakesAndWhoAnswers)
{
    ManoCuatro m(3, kManos);
    ASSERT_TRUE(m.cantar(0, Canto::Envido));
    EXPECT_EQ(m.responde(), 1);
    EXPECT_EQ(m.panel(1), "0111101001");
    ASSERT_TRUE(m.cantar(1, Canto::Envido));
    EXPECT_EQ(m.responde(), 2);
    EXPECT_EQ(m.panel(2), "0101101001");  // one envido on another, no more
    EXPECT_FALSE(m.cantar(2, Canto::Envido));
    ASSERT_TRUE(m.cantar(2, Canto::RealEnvido));
    EXPECT_EQ(m.tantoEnJuego(), 7);
    const auto e = m.responder(3, false);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->tipo, Efecto::Tipo::PuntosSigue);
    EXPECT_TRUE(e->paraHost);
    EXPECT_EQ(e->puntos, 4);  // the stake before the refused raise
    EXPECT_TRUE(m.puedeJugar(0));
    EXPECT_EQ(m.panel(0), "1000000001");  // one envido a hand
}

TEST(ManoCuatro, EnvidoAnsweringATrucoGoesFirstAndTheTrucoMaySoundAgain)
{
    ManoCuatro m(3, kManos);
    ASSERT_TRUE(m.cantar(0, Canto::Truco));
    ASSERT_TRUE(m.cantar(3, Canto::FaltaEnvido));
    EXPECT_FALSE(m.trucoCantado());
    EXPECT_EQ(m.responde(), 2);  // the dealer's call goes to the seat before him
    const auto e = m.responder(2, true);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->tipo, Efecto::Tipo::Tanteo);
    EXPECT_TRUE(m.falta());
    EXPECT_FALSE(m.puedeJugar(0));  // nobody plays while the points are told
    m.tanteado();
    EXPECT_TRUE(m.puedeJugar(0));
    EXPECT_EQ(m.panel(0), "1000000001");
}

TEST(ManoCuatro, EnvidoOnlyBeforeOnesFirstCard)
{
    ManoCuatro m(3, kManos);
    ASSERT_TRUE(m.jugar(0, "4O"));
    EXPECT_EQ(m.panel(1), "1010101001");
    ASSERT_TRUE(m.jugar(1, "4E"));
    ASSERT_TRUE(m.jugar(2, "4B"));
    ASSERT_TRUE(m.jugar(3, "4C"));
    // All four pardas at 1: the mano leads again, and nobody may sing envido.
    EXPECT_EQ(m.turno(), 0);
    EXPECT_EQ(m.panel(0), "1000000001");
    EXPECT_FALSE(m.cantar(0, Canto::Envido));
}

TEST(ManoCuatro, TheDeckGivesTheOtherPairWhatTheLadderReached)
{
    ManoCuatro antes(3, kManos);
    auto e = antes.alMazo(0);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->paraHost);
    EXPECT_EQ(e->puntos, 2);  // the others had not played yet
    EXPECT_TRUE(antes.terminada());

    ManoCuatro despues(3, kManos);
    ASSERT_TRUE(despues.jugar(0, "4O"));
    ASSERT_TRUE(despues.jugar(1, "4E"));
    ASSERT_TRUE(despues.cantar(2, Canto::Truco));
    EXPECT_FALSE(despues.alMazo(2));  // the caller waits for the answer
    ASSERT_TRUE(despues.responder(despues.responde(), true));
    e = despues.alMazo(2);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->paraHost);
    EXPECT_EQ(e->puntos, 2);
}

}  // namespace
