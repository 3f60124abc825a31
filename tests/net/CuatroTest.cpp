#include "net/rules/Cuatro.h"
#include "net/rules/Protocolo.h"

#include "calls/rules/Reglas.h"
#include "game/rules/Cartas.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>

using namespace cuatro;
using protocolo::asientoRelativo;

namespace {

// Who the receiver of a relative digit d means, on his own table.
int absoluto(int receptor, int d) { return (receptor + d) % 4; }

// The client seats that get a message, and each one's text.
std::vector<std::pair<int, std::string>> pares(const std::vector<Envio>& envios)
{
    std::vector<std::pair<int, std::string>> v;
    for (const auto& e : envios)
        v.emplace_back(e.asiento, e.mensaje);
    return v;
}

using Pares = std::vector<std::pair<int, std::string>>;

}  // namespace

// ---- Seats ---------------------------------------------------------------------

TEST(CuatroAsientos, RelativeSeatsOverAllPairs)
{
    for (int de = 0; de < 4; ++de) {
        for (int receptor = 0; receptor < 4; ++receptor) {
            const int d = asientoRelativo(de, receptor);
            ASSERT_GE(d, 0);
            ASSERT_LE(d, 3);
            // The receiver finds the meant player again from the digit.
            EXPECT_EQ(absoluto(receptor, d), de) << de << " to " << receptor;
            // Seen from each other, two players are mirror images.
            EXPECT_EQ((d + asientoRelativo(receptor, de)) % 4, 0);
        }
        // 0 himself, 1 the right, 2 the partner, 3 the left.
        EXPECT_EQ(asientoRelativo(de, de), 0);
        EXPECT_EQ(asientoRelativo(siguiente(de), de), 1);
        EXPECT_EQ(asientoRelativo(companero(de), de), 2);
        EXPECT_EQ(asientoRelativo(anterior(de), de), 3);
        EXPECT_TRUE(mismaPareja(de, companero(de)));
        EXPECT_FALSE(mismaPareja(de, siguiente(de)));
        EXPECT_FALSE(mismaPareja(de, anterior(de)));
    }
    // The host sees every seat as it is.
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(asientoRelativo(s, 0), s);
}

TEST(CuatroAsientos, PartnerTakesSeatTwoTheOthersInSocketOrder)
{
    const auto p1 = asientos(1);
    ASSERT_TRUE(p1);
    EXPECT_EQ(p1->AsientoSocket[2], 1);
    EXPECT_EQ(p1->AsientoSocket[1], 2);
    EXPECT_EQ(p1->AsientoSocket[3], 3);

    const auto p3 = asientos(3);
    ASSERT_TRUE(p3);
    EXPECT_EQ(p3->AsientoSocket[1], 1);
    EXPECT_EQ(p3->AsientoSocket[3], 2);
    EXPECT_EQ(p3->AsientoSocket[2], 3);

    const auto p2 = asientos(2);
    ASSERT_TRUE(p2);
    EXPECT_EQ(p2->AsientoSocket, (std::array<int, 4>{0, 1, 2, 3}));

    for (int p = 1; p <= 3; ++p) {
        const Asientos a = *asientos(p);
        EXPECT_EQ(a.AsientoSocket[0], 0);
        EXPECT_EQ(a.SocketAsiento[0], 0);
        EXPECT_EQ(a.SocketAsiento[p], 2);
        EXPECT_LT(a.AsientoSocket[1], a.AsientoSocket[3]);
        std::set<int> sockets;
        for (int s = 1; s <= 3; ++s) {
            sockets.insert(a.AsientoSocket[s]);
            EXPECT_EQ(a.SocketAsiento[a.AsientoSocket[s]], s);
            EXPECT_EQ(a.AsientoSocket[a.SocketAsiento[s]], s);
        }
        EXPECT_EQ(sockets, (std::set<int>{1, 2, 3}));
        // At most two numbers swap: both tables hold the same values.
        EXPECT_EQ(a.AsientoSocket, a.SocketAsiento);
    }
}

TEST(CuatroAsientos, NoPartnerChosenGivesNoTable)
{
    EXPECT_FALSE(asientos(0));
    EXPECT_FALSE(asientos(4));
    EXPECT_FALSE(asientos(-1));
}

TEST(CuatroAsientos, ManoFollowsTheDealerWhoMovesOnEachHand)
{
    EXPECT_EQ(mano(0), 1);
    EXPECT_EQ(mano(2), 3);
    EXPECT_EQ(mano(3), 0);  // the host leads when seat 3 deals
    EXPECT_EQ(ordenDesde(mano(2)), (std::array<int, 4>{3, 0, 1, 2}));
    EXPECT_EQ(ordenDesde(1), (std::array<int, 4>{1, 2, 3, 0}));

    // Eight hands from dealer 2: every seat deals twice, one seat on each time,
    // and the dealer always plays last.
    int r = 2;
    std::array<int, 4> veces{};
    for (int hand = 0; hand < 8; ++hand) {
        ++veces[r];
        EXPECT_EQ(ordenDesde(mano(r))[3], r);
        const int antes = r;
        r = siguienteRepartidor(r);
        EXPECT_EQ(asientoRelativo(r, antes), 1);
    }
    EXPECT_EQ(r, 2);
    EXPECT_EQ(veces, (std::array<int, 4>{2, 2, 2, 2}));
}

// ---- Messages to the clients ----------------------------------------------------

TEST(CuatroMensajes, PiesTellsEachClientTheDealerFromHisSeat)
{
    EXPECT_EQ(pares(pies(2)), (Pares{{1, "PIES1"}, {2, "PIES0"}, {3, "PIES3"}}));
    EXPECT_EQ(pares(pies(0)), (Pares{{1, "PIES3"}, {2, "PIES2"}, {3, "PIES1"}}));
    for (int r = 0; r < 4; ++r) {
        const auto v = pies(r);
        ASSERT_EQ(v.size(), 3u);
        for (const auto& e : v) {
            const protocolo::Partes p = protocolo::separar(e.mensaje);
            ASSERT_TRUE(protocolo::argumentoValido(p.codigo, p.argumento)) << e.mensaje;
            EXPECT_EQ(absoluto(e.asiento, p.argumento[0] - '0'), r) << e.mensaje;
        }
    }
}

TEST(CuatroMensajes, PlayedCardIsRelayedBySideOfEachReceiver)
{
    // Seat 1 plays: the host shows it on his right, seat 2 on his left, seat 3 in front.
    EXPECT_EQ(ladoJugada(1, 0), 'D');
    EXPECT_EQ(pares(relevoJugada(1, 0, "7E")), (Pares{{2, "JUGI07E"}, {3, "JUGM07E"}}));
    // The host plays: to his left, in front and on his right of the others.
    EXPECT_EQ(pares(relevoJugada(0, 2, "12O")), (Pares{{1, "JUGI212O"}, {2, "JUGM212O"}, {3, "JUGD212O"}}));
    EXPECT_EQ(pares(relevoJugada(3, 1, "1B")), (Pares{{1, "JUGM11B"}, {2, "JUGD11B"}}));

    for (int emisor = 0; emisor < 4; ++emisor) {
        EXPECT_FALSE(ladoJugada(emisor, emisor));
        const auto v = relevoJugada(emisor, 1, "4C");
        EXPECT_EQ(v.size(), emisor == 0 ? 3u : 2u);
        for (const auto& e : v) {
            EXPECT_NE(e.asiento, emisor);
            const protocolo::Partes p = protocolo::separar(e.mensaje);
            ASSERT_TRUE(protocolo::argumentoValido(p.codigo, p.argumento)) << e.mensaje;
            // The receiver's own table places the card at the sender's seat.
            const int d = p.codigo == "JUGD" ? 1 : p.codigo == "JUGM" ? 2 : 3;
            EXPECT_EQ(absoluto(e.asiento, d), emisor) << e.mensaje;
            EXPECT_EQ(p.argumento, "14C");
        }
    }
}

TEST(CuatroMensajes, CambioMensajeReachesEveryOtherClient)
{
    EXPECT_EQ(pares(cambioMensaje(1, "Truco")), (Pares{{2, "DICE3Truco"}, {3, "DICE2Truco"}}));
    EXPECT_EQ(pares(cambioMensaje(0, "Quiero")), (Pares{{1, "DICE3Quiero"}, {2, "DICE2Quiero"}, {3, "DICE1Quiero"}}));
    for (int quien = 0; quien < 4; ++quien) {
        const auto v = cambioMensaje(quien, "No Quiero");
        EXPECT_EQ(v.size(), quien == 0 ? 3u : 2u);
        for (const auto& e : v) {
            EXPECT_NE(e.asiento, quien);
            EXPECT_EQ(absoluto(e.asiento, e.mensaje[4] - '0'), quien);
            EXPECT_EQ(e.mensaje.substr(5), "No Quiero");
        }
        // An announcement also reaches the speaker himself, as "DICE0".
        const auto a = anuncio(quien, "28");
        EXPECT_EQ(a.size(), 3u);
        for (const auto& e : a)
            EXPECT_EQ(e.mensaje, "DICE" + std::to_string(asientoRelativo(quien, e.asiento)) + "28");
    }
    EXPECT_EQ(pares(anuncio(2, "Son Buenas")),
              (Pares{{1, "DICE1Son Buenas"}, {2, "DICE0Son Buenas"}, {3, "DICE3Son Buenas"}}));
}

TEST(CuatroMensajes, ChatGoesToThePartnerOnly)
{
    EXPECT_EQ(destinoChat(1), 3);  // forwarded by the host
    EXPECT_EQ(destinoChat(3), 1);
    EXPECT_EQ(destinoChat(2), 0);  // shown on the host only
    EXPECT_EQ(destinoChat(0), 2);
}

TEST(CuatroMensajes, PointsGoToEachClientFromHisOwnSide)
{
    EXPECT_EQ(pares(darPuntos(0, 2)), (Pares{{1, "DARH2"}, {2, "DARM2"}, {3, "DARH2"}}));
    EXPECT_EQ(pares(darPuntos(3, 30)), (Pares{{1, "DARM30"}, {2, "DARH30"}, {3, "DARM30"}}));
    EXPECT_EQ(ladoEnHost(0), 'M');
    EXPECT_EQ(ladoEnHost(2), 'M');
    EXPECT_EQ(ladoEnHost(1), 'H');
    EXPECT_EQ(ladoEnHost(3), 'H');
}

// ---- Calls ----------------------------------------------------------------------

TEST(CuatroCantos, CodesCarryTheirPhrases)
{
    EXPECT_EQ(fraseDe("4TRU"), "Truco");
    EXPECT_EQ(fraseDe("4RET"), "Quiero retruco");
    EXPECT_EQ(fraseDe("4VAL"), "Quiero vale 4");
    EXPECT_EQ(fraseDe("4ENV"), "Envido");
    EXPECT_EQ(fraseDe("4REA"), "Real envido");
    EXPECT_EQ(fraseDe("4FAL"), "Falta envido");
    EXPECT_EQ(fraseDe("4QUI"), "Quiero");
    EXPECT_EQ(fraseDe("4NOQ"), "No Quiero");
    EXPECT_EQ(fraseDe("TRUC"), "");
    EXPECT_EQ(cantoDe("4REA"), Canto::RealEnvido);
    EXPECT_EQ(cantoDe("4VAL"), Canto::Vale4);
    EXPECT_FALSE(cantoDe("4QUI"));
    EXPECT_FALSE(cantoDe("4NOQ"));
    EXPECT_FALSE(cantoDe("JUGC"));
}

TEST(CuatroCantos, PieOfTheOpposingPairPlaysLaterFromTheMano)
{
    // Dealer 0: play goes 1, 2, 3, 0.
    EXPECT_EQ(pieContrario(1, 0), 0);
    EXPECT_EQ(pieContrario(3, 0), 0);
    EXPECT_EQ(pieContrario(0, 0), 3);
    EXPECT_EQ(pieContrario(2, 0), 3);
    // Dealer 1: play goes 2, 3, 0, 1.
    EXPECT_EQ(pieContrario(0, 1), 1);
    EXPECT_EQ(pieContrario(1, 1), 0);
}

TEST(CuatroCantos, EnvidoIsAnsweredByTheNextSeatOrBeforeTheDealer)
{
    EstadoCanto e;
    e.repartidor = 0;
    EXPECT_EQ(quienResponde(Canto::Envido, 1, e), (Respuesta{2, "0111101001"}));
    EXPECT_EQ(quienResponde(Canto::Envido, 0, e), (Respuesta{3, "0111101001"}));  // the dealer
    EXPECT_EQ(quienResponde(Canto::RealEnvido, 3, e), (Respuesta{0, "0101001001"}));
    EXPECT_EQ(quienResponde(Canto::FaltaEnvido, 2, e), (Respuesta{3, "0101000001"}));
    e.primerEnvido = false;
    EXPECT_EQ(quienResponde(Canto::Envido, 1, e).panel, "0101000001");
    EXPECT_EQ(quienResponde(Canto::RealEnvido, 1, e).panel, "0101000001");
    EXPECT_EQ(quienResponde(Canto::FaltaEnvido, 1, e).panel, "0101000001");
}

TEST(CuatroCantos, TrucoLadderIsAnsweredAsTheTableStands)
{
    EstadoCanto e;
    e.repartidor = 2;  // play goes 3, 0, 1, 2
    // First trick, before the host has played.
    e.cartasEnBaza = 0;
    EXPECT_EQ(quienResponde(Canto::Truco, 3, e), (Respuesta{2, "0111111001"}));
    e.cartasEnBaza = 1;
    EXPECT_EQ(quienResponde(Canto::Truco, 0, e), (Respuesta{1, "0111111001"}));
    e.cartasEnBaza = 2;
    e.envidoPosible = false;
    EXPECT_EQ(quienResponde(Canto::Truco, 1, e), (Respuesta{2, "0101010001"}));
    e.cartasEnBaza = 3;
    EXPECT_EQ(quienResponde(Canto::Truco, 2, e), (Respuesta{1, "0101010001"}));
    // Once the host has played: the pie of the opposing pair.
    e.hostJugo = true;
    EXPECT_EQ(quienResponde(Canto::Truco, 3, e), (Respuesta{2, "010101---1"}));
    EXPECT_EQ(quienResponde(Canto::Truco, 0, e), (Respuesta{1, "010101---1"}));
    EXPECT_EQ(quienResponde(Canto::Retruco, 1, e), (Respuesta{2, "01-1---1-1"}));
    EXPECT_EQ(quienResponde(Canto::Vale4, 2, e), (Respuesta{1, "01-1---0-1"}));
}

TEST(CuatroCantos, AlwaysAnOpponentAnswersWithAValidPanel)
{
    const Canto cantos[] = {Canto::Truco, Canto::Retruco, Canto::Vale4,
                            Canto::Envido, Canto::RealEnvido, Canto::FaltaEnvido};
    for (Canto c : cantos) {
        for (int r = 0; r < 4; ++r) {
            for (int quien = 0; quien < 4; ++quien) {
                for (int cartas = 0; cartas < 4; ++cartas) {
                    for (int flags = 0; flags < 8; ++flags) {
                        EstadoCanto e{r, cartas, (flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
                        const Respuesta resp = quienResponde(c, quien, e);
                        EXPECT_FALSE(mismaPareja(resp.asiento, quien));
                        EXPECT_TRUE(protocolo::esMascara(resp.panel));
                        EXPECT_EQ(resp.panel[1], '1');  // Quiero
                        EXPECT_EQ(resp.panel[3], '1');  // No Quiero
                    }
                }
            }
        }
    }
}

// ---- Tricks ----------------------------------------------------------------------

TEST(CuatroAnalizar, HighestCardTakesTheTrickAndLeads)
{
    const std::array<int, 3> nada{};
    Analisis a = analizar({3, 14, 5, 7}, 0, nada, 0);
    EXPECT_EQ(a.ganador, 1);
    EXPECT_FALSE(a.parda);
    EXPECT_EQ(a.resultado, 0);
    EXPECT_EQ(a.fin, Fin::Sigue);
    EXPECT_EQ(a.lidera, 1);

    a = analizar({3, 4, 12, 7}, 0, nada, 0);
    EXPECT_EQ(a.ganador, 2);
    EXPECT_EQ(a.resultado, 2);  // the host's pair
    EXPECT_EQ(a.lidera, 2);
}

TEST(CuatroAnalizar, ATieWithOnesPartnerIsNoParda)
{
    const std::array<int, 3> nada{};
    // Both of the host's pair hold the top card: the walk d+3, d, d+2, d+1
    // gives the trick to the first of them it meets.
    const int ganadorPorRepartidor[4] = {0, 0, 2, 2};
    for (int r = 0; r < 4; ++r) {
        const Analisis a = analizar({10, 9, 10, 1}, r, nada, 0);
        EXPECT_FALSE(a.parda) << r;
        EXPECT_EQ(a.resultado, 2);
        EXPECT_EQ(a.ganador, ganadorPorRepartidor[r]) << r;
        EXPECT_EQ(a.lidera, a.ganador);
    }
    const Analisis b = analizar({2, 8, 1, 8}, 1, nada, 0);
    EXPECT_FALSE(b.parda);
    EXPECT_EQ(b.resultado, 0);
}

TEST(CuatroAnalizar, ATieAcrossThePairsIsPardaAndTheManoLeads)
{
    const std::array<int, 3> nada{};
    for (int r = 0; r < 4; ++r) {
        const Analisis a = analizar({10, 10, 3, 4}, r, nada, 0);
        EXPECT_TRUE(a.parda);
        EXPECT_EQ(a.resultado, 1);
        EXPECT_EQ(a.lidera, mano(r));
    }
    // A tie below the top card is nothing.
    EXPECT_FALSE(analizar({10, 10, 12, 4}, 0, nada, 0).parda);
    // A partner's equal card later in the walk does not undo the parda.
    EXPECT_TRUE(analizar({10, 10, 10, 10}, 3, nada, 0).parda);
    EXPECT_TRUE(analizar({14, 2, 14, 14}, 0, nada, 0).parda);
}

TEST(CuatroAnalizar, EveryDealOfValuesMatchesTheTopCard)
{
    std::array<int, 4> v{};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 4 * 4 * 4 * 4; ++i) {
            // Four values from a small range, so that ties are common.
            for (int s = 0, n = i; s < 4; ++s, n /= 4)
                v[s] = 10 + n % 4;
            const Analisis a = analizar(v, r, {}, 0);
            const int top = *std::max_element(v.begin(), v.end());
            const bool nuestra = v[0] == top || v[2] == top;
            const bool suya = v[1] == top || v[3] == top;
            EXPECT_EQ(v[a.ganador], top);
            EXPECT_EQ(a.parda, nuestra && suya);
            EXPECT_EQ(a.resultado, a.parda ? 1 : nuestra ? 2 : 0);
        }
    }
}

namespace {

// Values by seat that give a trick each result, whatever the dealer.
std::array<int, 4> valoresPara(int resultado)
{
    switch (resultado) {
    case 2: return {12, 3, 5, 4};
    case 0: return {3, 4, 5, 12};
    default: return {9, 9, 1, 2};
    }
}

// Plays the results in turn; the ending of the hand and the trick it came at.
std::pair<Fin, int> jugar(const std::vector<int>& resultados, int repartidor)
{
    std::array<int, 3> b{};
    for (int t = 0; t < static_cast<int>(resultados.size()); ++t) {
        const Analisis a = analizar(valoresPara(resultados[t]), repartidor, b, t);
        EXPECT_EQ(a.resultado, resultados[t]);
        b = a.bazas;
        if (a.fin != Fin::Sigue) {
            EXPECT_EQ(a.lidera, -1);
            return {a.fin, t};
        }
        EXPECT_GE(a.lidera, 0);
    }
    return {Fin::Sigue, -1};
}

}  // namespace

TEST(CuatroAnalizar, HandEndsByTheTricks)
{
    const auto M = Fin::GanaMaquina, H = Fin::GanaHumano;
    struct Caso {
        std::vector<int> bazas;
        Fin fin;
        int en;
    };
    const Caso casos[] = {
        {{2, 2}, M, 1}, {{0, 0}, H, 1},
        // A parda second goes to the winner of the first, and the other way round.
        {{2, 1}, M, 1}, {{0, 1}, H, 1}, {{1, 2}, M, 1}, {{1, 0}, H, 1},
        {{2, 0, 2}, M, 2}, {{2, 0, 0}, H, 2}, {{0, 2, 2}, M, 2}, {{0, 2, 0}, H, 2},
        {{1, 1, 2}, M, 2}, {{1, 1, 0}, H, 2},
        // One each and a parda third: the first trick decides.
        {{2, 0, 1}, M, 2}, {{0, 2, 1}, H, 2},
    };
    for (const Caso& c : casos) {
        for (int r = 0; r < 4; ++r) {
            const auto [fin, en] = jugar(c.bazas, r);
            EXPECT_EQ(fin, c.fin) << c.bazas[0] << c.bazas[1] << " dealer " << r;
            EXPECT_EQ(en, c.en);
        }
    }
}

TEST(CuatroAnalizar, ThreePardasGoToTheManosPair)
{
    EXPECT_EQ(jugar({1, 1, 1}, 0).first, Fin::GanaHumano);   // mano 1
    EXPECT_EQ(jugar({1, 1, 1}, 1).first, Fin::GanaMaquina);  // mano 2
    EXPECT_EQ(jugar({1, 1, 1}, 2).first, Fin::GanaHumano);   // mano 3
    EXPECT_EQ(jugar({1, 1, 1}, 3).first, Fin::GanaMaquina);  // mano 0, the host
}

TEST(CuatroAnalizar, EveryThirdTrickEndsTheHand)
{
    // The host settles the third trick too: no sequence of results leaves a
    // hand running after it.
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 27; ++i) {
            const std::vector<int> b{i % 3, i / 3 % 3, i / 9};
            const auto [fin, en] = jugar(b, r);
            EXPECT_NE(fin, Fin::Sigue);
            EXPECT_LE(en, 2);
        }
    }
}

TEST(CuatroAnalizar, PardaFirstThenTheLeadFollowsTheWinner)
{
    // Dealer 3, so the host is mano. Seats 0 and 1 tie with threes and the
    // host leads again; seat 3 then takes the second trick with the ace of
    // espadas, and with it the hand.
    const int r = 3;
    Analisis a = analizar({10, 10, 2, 5}, r, {}, 0);
    EXPECT_TRUE(a.parda);
    EXPECT_EQ(a.lidera, 0);
    a = analizar({6, 3, 1, 14}, r, a.bazas, 1);
    EXPECT_EQ(a.fin, Fin::GanaHumano);

    // Two pardas, then the third: the trick decides; a third parda goes to the mano.
    a = analizar({10, 10, 2, 5}, r, {}, 0);
    a = analizar({8, 2, 1, 8}, r, a.bazas, 1);
    EXPECT_TRUE(a.parda);
    EXPECT_EQ(a.lidera, 0);
    const std::array<int, 3> dosPardas = a.bazas;
    EXPECT_EQ(analizar({4, 7, 6, 5}, r, dosPardas, 2).fin, Fin::GanaHumano);
    EXPECT_EQ(analizar({4, 7, 9, 5}, r, dosPardas, 2).fin, Fin::GanaMaquina);
    EXPECT_EQ(analizar({4, 7, 7, 5}, r, dosPardas, 2).fin, Fin::GanaMaquina);
    EXPECT_EQ(analizar({4, 7, 7, 5}, 0, dosPardas, 2).fin, Fin::GanaHumano);
}

// ---- Envido ------------------------------------------------------------------------

TEST(CuatroEnvido, TantosLadoAgreesWithTheEnvidoRuleOverEveryHand)
{
    const auto& mazo = reglas::mazo();
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) {
            for (int k = 0; k < 40; ++k) {
                if (i == j || i == k || j == k)
                    continue;
                const std::array<std::string, 3> cartas{mazo[i], mazo[j], mazo[k]};
                // Independently: the best pair of one suit, else the best card.
                int esperado = 0;
                for (const auto& c : cartas)
                    esperado = std::max(esperado, reglas::valorTanto(c));
                const int pares[3][2] = {{0, 1}, {0, 2}, {1, 2}};
                for (const auto& p : pares) {
                    if (cartas[p[0]].back() == cartas[p[1]].back())
                        esperado = std::max(esperado, 20 + reglas::valorTanto(cartas[p[0]]) +
                                                          reglas::valorTanto(cartas[p[1]]));
                }
                const bool flor = cartas[0].back() == cartas[1].back() && cartas[1].back() == cartas[2].back();
                const reglas::Tantos t = tantosLado(cartas);
                ASSERT_EQ(t.envido, esperado) << cartas[0] << cartas[1] << cartas[2];
                ASSERT_EQ(t.flor, flor);
                ASSERT_EQ(t.envido, reglas::verTantos(cartas).envido);
            }
        }
    }
    EXPECT_EQ(tantosLado({"7E", "6E", "12O"}).envido, 33);
    EXPECT_EQ(tantosLado({"10O", "11C", "12E"}).envido, 0);
    EXPECT_EQ(tantosLado({"1O", "2C", "3E"}).envido, 3);
    const reglas::Tantos flor = tantosLado({"7O", "6O", "5O"});
    EXPECT_TRUE(flor.flor);
    EXPECT_EQ(flor.envido, 33);
    EXPECT_EQ(flor.puntosFlor, 38);
}

TEST(CuatroEnvido, PlayersSpeakFromTheManoAndConcedeWithSonBuenas)
{
    // Dealer 0: seats speak 1, 2, 3, 0.
    const EnvidoMesa m = envidoMesa({28, 30, 25, 27}, 0);
    EXPECT_EQ(m.anuncios[0], (Anuncio{1, "30"}));
    EXPECT_EQ(m.anuncios[1], (Anuncio{2, "Son Buenas"}));
    EXPECT_EQ(m.anuncios[2], (Anuncio{3, "27"}));  // his own pair leads
    EXPECT_EQ(m.anuncios[3], (Anuncio{0, "Son Buenas"}));
    EXPECT_EQ(m.mejor, 1);

    // The mano's 33 stands; his partner still says his own points.
    const EnvidoMesa n = envidoMesa({33, 20, 27, 31}, 3);  // seats speak 0, 1, 2, 3
    EXPECT_EQ(n.anuncios[0], (Anuncio{0, "33"}));
    EXPECT_EQ(n.anuncios[1], (Anuncio{1, "Son Buenas"}));
    EXPECT_EQ(n.anuncios[2], (Anuncio{2, "27"}));
    EXPECT_EQ(n.anuncios[3], (Anuncio{3, "Son Buenas"}));
    EXPECT_EQ(n.mejor, 0);

    const EnvidoMesa o = envidoMesa({21, 23, 25, 30}, 1);  // seats speak 2, 3, 0, 1
    EXPECT_EQ(o.anuncios[0], (Anuncio{2, "25"}));
    EXPECT_EQ(o.anuncios[1], (Anuncio{3, "30"}));
    EXPECT_EQ(o.anuncios[2], (Anuncio{0, "Son Buenas"}));
    EXPECT_EQ(o.anuncios[3], (Anuncio{1, "23"}));
    EXPECT_EQ(o.mejor, 3);
}

TEST(CuatroEnvido, EqualPointsGoToTheMano)
{
    // The dealer (pie) matches the mano: the mano keeps it.
    const EnvidoMesa m = envidoMesa({30, 30, 0, 0}, 0);
    EXPECT_EQ(m.mejor, 1);
    EXPECT_EQ(m.anuncios[3], (Anuncio{0, "Son Buenas"}));
    EXPECT_EQ(envidoMesa({29, 0, 29, 29}, 1).mejor, 2);

    // Over every table of a few values: the best is the first of the top points
    // from the mano, and he always says his points.
    const int valores[] = {7, 27, 28, 33};
    std::array<int, 4> t{};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 256; ++i) {
            for (int s = 0, n = i; s < 4; ++s, n /= 4)
                t[s] = valores[n % 4];
            const EnvidoMesa e = envidoMesa(t, r);
            const int top = *std::max_element(t.begin(), t.end());
            int primero = -1;
            for (int s : ordenDesde(mano(r))) {
                if (t[s] == top && primero < 0)
                    primero = s;
            }
            EXPECT_EQ(e.mejor, primero);
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(e.anuncios[k].asiento, ordenDesde(mano(r))[k]);
                if (e.anuncios[k].asiento == e.mejor)
                    EXPECT_EQ(e.anuncios[k].frase, std::to_string(top));
                const int s = e.anuncios[k].asiento;
                if (e.anuncios[k].frase != "Son Buenas") {
                    EXPECT_EQ(e.anuncios[k].frase, std::to_string(t[s]));
                    continue;
                }
                // He concedes only to points the other pair has already said.
                bool superado = false;
                for (int j = 0; j < k; ++j) {
                    const Anuncio& antes = e.anuncios[j];
                    if (!mismaPareja(antes.asiento, s) && antes.frase != "Son Buenas" &&
                        std::stoi(antes.frase) >= t[s])
                        superado = true;
                }
                EXPECT_TRUE(superado);
            }
        }
    }
}

TEST(CuatroEnvido, FourDealtHandsScoreThePairWithTheBestPoints)
{
    // Host 7E 6E 12O (33), right 1O 2C 3E (3), partner 5B 4B 11C (29),
    // left 7C 6C 1B (33). Dealer 1: seats speak 2, 3, 0, 1, and the
    // left-hand player's 33 comes before the host's equal 33.
    const std::array<std::array<std::string, 3>, 4> manos{{
        {"7E", "6E", "12O"}, {"1O", "2C", "3E"}, {"5B", "4B", "11C"}, {"7C", "6C", "1B"}}};
    std::array<int, 4> tantos{};
    for (int s = 0; s < 4; ++s)
        tantos[s] = tantosLado(manos[s]).envido;
    EXPECT_EQ(tantos, (std::array<int, 4>{33, 3, 29, 33}));
    const EnvidoMesa m = envidoMesa(tantos, 1);
    EXPECT_EQ(m.mejor, 3);
    EXPECT_EQ(ladoEnHost(m.mejor), 'H');
    EXPECT_EQ(m.anuncios[2], (Anuncio{0, "Son Buenas"}));
    EXPECT_EQ(pares(darPuntos(m.mejor, 2)), (Pares{{1, "DARM2"}, {2, "DARH2"}, {3, "DARM2"}}));
}
