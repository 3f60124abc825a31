// The rules of the game in pairs: who answers a call, tricks, the envido.
#include "motor/Cuatro.h"

#include <gtest/gtest.h>

using namespace cuatro;

TEST(CuatroCantos, TrucoLadderIsAnsweredAsTheTableStands)
{
    EstadoCanto e;
    e.repartidor = 2;  // play goes 3, 0, 1, 2
    // First trick, before the host has played.
    e.cartasEnBaza = 0;
    EXPECT_EQ(quienResponde(Canto::Truco, 3, e), (Respuesta{2, "0111111001"}));
    e.envidoPosible = false;
    e.cartasEnBaza = 3;
    EXPECT_EQ(quienResponde(Canto::Truco, 2, e), (Respuesta{1, "0101010001"}));
    // Once the host has played: the pie of the opposing pair.
    e.hostJugo = true;
    EXPECT_EQ(quienResponde(Canto::Truco, 0, e), (Respuesta{1, "010101---1"}));
}

// One trick, for every dealer: the highest card takes it and leads; a tie
// with one's partner is no parda (the walk d+3, d, d+2, d+1 gives it to the
// first of them); a tie across the pairs is parda, even with a partner's
// equal card later in the walk, and the mano leads; a tie below the top card
// is nothing.
TEST(CuatroAnalizar, WhoTakesATrick)
{
    constexpr int kMano = -1;
    struct Caso {
        std::array<int, 4> valores;
        int resultado;                // 2 the host's pair, 0 the other, 1 parda
        std::array<int, 4> ganador;   // by dealer
    };
    const Caso casos[] = {
        {{3, 14, 5, 7}, 0, {1, 1, 1, 1}},
        {{3, 4, 12, 7}, 2, {2, 2, 2, 2}},
        {{10, 9, 10, 1}, 2, {0, 0, 2, 2}},
        {{10, 10, 12, 4}, 2, {2, 2, 2, 2}},
        {{10, 10, 3, 4}, 1, {kMano, kMano, kMano, kMano}},
        {{14, 2, 14, 14}, 1, {kMano, kMano, kMano, kMano}},
    };
    for (const Caso& c : casos) {
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(::testing::Message() << c.valores[0] << " " << c.valores[1] << " " << c.valores[2] << " "
                                              << c.valores[3] << ", dealer " << r);
            const Analisis a = analizar(c.valores, r, {}, 0);
            EXPECT_EQ(a.resultado, c.resultado);
            EXPECT_EQ(a.parda, c.resultado == 1);
            EXPECT_EQ(a.fin, Fin::Sigue);
            const int g = c.ganador[static_cast<std::size_t>(r)];
            if (g != kMano) {
                EXPECT_EQ(a.ganador, g);
            }
            EXPECT_EQ(a.lidera, g == kMano ? mano(r) : g);
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
        {{2, 2}, M, 1},
        // A parda first: the second decides.
        {{1, 0}, H, 1},
        // A parda second goes to the winner of the first.
        {{2, 1}, M, 1}, {{1, 1, 2}, M, 2},
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

TEST(CuatroEnvido, PlayersSpeakFromTheManoAndConcedeWithSonBuenas)
{
    // Dealer 0: seats speak 1, 2, 3, 0.
    const EnvidoMesa m = envidoMesa({28, 30, 25, 27}, 0);
    EXPECT_EQ(m.anuncios[0], (Anuncio{1, "30"}));
    EXPECT_EQ(m.anuncios[1], (Anuncio{2, "Son Buenas"}));
    EXPECT_EQ(m.anuncios[2], (Anuncio{3, "27"}));  // his own pair leads
    EXPECT_EQ(m.anuncios[3], (Anuncio{0, "Son Buenas"}));
    EXPECT_EQ(m.mejor, 1);
}
