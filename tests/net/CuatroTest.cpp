#include "net/rules/Cuatro.h"
#include "net/rules/Protocolo.h"

#include <gtest/gtest.h>

using namespace cuatro;
using protocolo::asientoRelativo;

namespace {

using Pares = std::vector<std::pair<int, std::string>>;

// The client seats that get a message, and each one's text.
Pares pares(const std::vector<Envio>& envios)
{
    Pares v;
    for (const auto& e : envios)
        v.emplace_back(e.asiento, e.mensaje);
    return v;
}

}  // namespace

// ---- Seats ---------------------------------------------------------------------

TEST(CuatroAsientos, PartnerTakesSeatTwoTheOthersInSocketOrder)
{
    const auto p3 = asientos(3);
    ASSERT_TRUE(p3);
    EXPECT_EQ(p3->AsientoSocket[1], 1);
    EXPECT_EQ(p3->AsientoSocket[3], 2);

    const auto p2 = asientos(2);
    ASSERT_TRUE(p2);
    EXPECT_EQ(p2->AsientoSocket, (std::array<int, 4>{0, 1, 2, 3}));
    // At most two numbers swap: both tables hold the same values.
    EXPECT_EQ(p3->AsientoSocket, p3->SocketAsiento);

    // No partner chosen: no table.
    EXPECT_FALSE(asientos(0));
    EXPECT_FALSE(asientos(4));
}

TEST(CuatroAsientos, ManoFollowsTheDealerWhoMovesOnEachHand)
{
    EXPECT_EQ(mano(3), 0);  // the host leads when seat 3 deals
    EXPECT_EQ(ordenDesde(mano(2)), (std::array<int, 4>{3, 0, 1, 2}));

    // Four hands from dealer 2: the deal moves one seat on each time and
    // comes back, and the dealer always plays last.
    int r = 2;
    for (int hand = 0; hand < 4; ++hand) {
        EXPECT_EQ(ordenDesde(mano(r))[3], r);
        const int antes = r;
        r = siguienteRepartidor(r);
        EXPECT_EQ(asientoRelativo(r, antes), 1);
    }
    EXPECT_EQ(r, 2);
}

// ---- Messages to the clients, each from the receiver's seat --------------------

TEST(CuatroMensajes, EachClientHearsFromHisOwnSeat)
{
    // Seat 2 deals.
    EXPECT_EQ(pares(pies(2)), (Pares{{1, "PIES1"}, {2, "PIES0"}, {3, "PIES3"}}));
    // Seat 1 plays: the host shows it on his right, seat 2 on his left, seat 3 in front.
    EXPECT_EQ(ladoJugada(1, 0), 'D');
    EXPECT_EQ(pares(relevoJugada(1, 0, "7E")), (Pares{{2, "JUGI07E"}, {3, "JUGM07E"}}));
    EXPECT_EQ(pares(cambioMensaje(0, "Quiero")), (Pares{{1, "DICE3Quiero"}, {2, "DICE2Quiero"}, {3, "DICE1Quiero"}}));
    // An announcement also reaches the speaker himself, as "DICE0".
    EXPECT_EQ(pares(anuncio(2, "Son Buenas")),
              (Pares{{1, "DICE1Son Buenas"}, {2, "DICE0Son Buenas"}, {3, "DICE3Son Buenas"}}));
    EXPECT_EQ(pares(darPuntos(0, 2)), (Pares{{1, "DARH2"}, {2, "DARM2"}, {3, "DARH2"}}));
    EXPECT_EQ(ladoEnHost(2), 'M');
    // Chat goes to the partner only: forwarded by the host, or shown on it.
    EXPECT_EQ(destinoChat(1), 3);
    EXPECT_EQ(destinoChat(2), 0);
}
