#include "motor/Cartas.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

using namespace reglas;

TEST(ReglasCartas, MazoEnSuOrdenFijo)
{
    const auto& m = mazo();
    EXPECT_EQ(m[0], "1C");
    EXPECT_EQ(m[7], "1B");
    EXPECT_EQ(m[27], "7E");
    EXPECT_EQ(m[28], "10C");
    EXPECT_EQ(m[39], "12E");
    EXPECT_EQ(std::set<std::string>(m.begin(), m.end()).size(), 40u);
}

TEST(ReglasCartas, ValorDeCadaCarta)
{
    // Strength order of the game, from the strongest down.
    const std::map<std::string, int> valores = {{"1E", 14}, {"1B", 13}, {"7E", 12}, {"7O", 11}, {"3C", 10},
                                                {"1O", 8}, {"1C", 8}, {"12B", 7}, {"7C", 4}, {"4E", 1}};
    for (const auto& [c, esperado] : valores)
        EXPECT_EQ(darValor(c), esperado) << c;
    EXPECT_EQ(darValor("3O"), darValor("3E"));
    EXPECT_GT(darValor("7E"), darValor("7O"));
    EXPECT_GT(darValor("7O"), darValor("7C"));
    EXPECT_EQ(darValor(""), 0);
    EXPECT_EQ(darValor("9O"), 0);
}

TEST(ReglasCartas, VarianteEspanolaNuncaReparteExcluidas)
{
    std::mt19937 gen(7);
    std::set<std::string> vistas;
    for (int deal = 0; deal < 3000; ++deal) {
        std::array<bool, 40> usada{};
        auto idx = repartirIndices(2, usada, [&] { return static_cast<int>(gen() % 40); });
        std::set<int> distintos(idx.begin(), idx.end());
        ASSERT_EQ(distintos.size(), 6u);
        for (int k : idx) {
            const auto& c = mazo()[k];
            ASSERT_FALSE(excluidaEnVariante2(c)) << c;
            vistas.insert(c);
        }
    }
    EXPECT_EQ(vistas.size(), 22u);  // the 3s to 7s, 1E and 1B
    EXPECT_TRUE(vistas.count("1E") && vistas.count("1B"));
    EXPECT_TRUE(excluidaEnVariante2("12E"));
    EXPECT_FALSE(excluidaEnVariante2("1E"));
    for (const char* c : {"2", "10", "13O", "2X", "1O "})
        EXPECT_FALSE(excluidaEnVariante2(c)) << c;  // only whole codes
}

TEST(ReglasBazas, QuienSigueTrasCadaBaza)
{
    using S = Sigue;
    // First trick: the winner leads; after a parda, the mano.
    EXPECT_EQ(despuesDeBaza({GanaM, 0, 0}, 0), S::Maquina);
    EXPECT_EQ(despuesDeBaza({GanaH, 0, 0}, 0), S::Humano);
    EXPECT_EQ(despuesDeBaza({Parda, 0, 0}, 0), S::Mano);
    // Second trick.
    EXPECT_EQ(despuesDeBaza({GanaH, GanaH}, 1), S::GanaHumano);
    EXPECT_EQ(despuesDeBaza({GanaH, GanaM}, 1), S::Maquina);
    EXPECT_EQ(despuesDeBaza({Parda, GanaM}, 1), S::GanaMaquina);
    // Machine wins trick 1, parda in trick 2: the machine wins at once.
    EXPECT_EQ(despuesDeBaza({GanaM, Parda}, 1), S::GanaMaquina);
    EXPECT_EQ(despuesDeBaza({Parda, Parda}, 1), S::Mano);
    // Third trick by the sum of the results.
    EXPECT_EQ(despuesDeBaza({GanaH, GanaM, GanaH}, 2), S::GanaHumano);
    EXPECT_EQ(despuesDeBaza({Parda, Parda, GanaM}, 2), S::GanaMaquina);
    EXPECT_EQ(despuesDeBaza({GanaM, GanaH, Parda}, 2), S::Mano);
    // Then the final rule: one trick each and a parda third go to the winner
    // of the first trick.
    EXPECT_TRUE(reglaFinalGanaMaquina({GanaM, GanaH, Parda}, false));
    EXPECT_FALSE(reglaFinalGanaMaquina({GanaH, GanaM, Parda}, true));
    // Three pardas: the mano wins.
    EXPECT_TRUE(reglaFinalGanaMaquina({Parda, Parda, Parda}, true));
    EXPECT_FALSE(reglaFinalGanaMaquina({Parda, Parda, Parda}, false));
}

TEST(ReglasPuntos, ValorDeLaMano)
{
    Apuestas a;
    EXPECT_EQ(valorMano(a, true), 1);
    a.trucoCantado = true;  // sung, not accepted: the hand ended by cards
    EXPECT_EQ(valorMano(a, true), 2);
    EXPECT_EQ(valorMano(a, false), 1);
    a.trucoQuerido = true;
    a.retrucoCantado = true;
    EXPECT_EQ(valorMano(a, false), 2);
    a.retrucoQuerido = true;
    EXPECT_EQ(valorMano(a, true), 3);
    Apuestas v;
    v.vale4Cantado = true;
    EXPECT_EQ(valorMano(v, false), 3);
    v.vale4Querido = true;
    EXPECT_EQ(valorMano(v, true), 4);
}

TEST(ReglasPuntos, RayasFormanCuadradosConDiagonal)
{
    // Group 0 of the human: 120..840 x 120..720 twips -> 8..56 x 8..48 pixels.
    EXPECT_EQ(trazo(0, false).x1, 8);
    EXPECT_EQ(trazo(0, false).x2, 56);
    const auto diag = trazo(4, false);
    EXPECT_EQ(diag.x1, 56);  // from the top-right corner
    EXPECT_EQ(diag.y2, 48);  // to the bottom-left
    // Each group lies 840 twips (56 px) under the previous one; the machine's
    // tally is shifted 120 twips to the right.
    EXPECT_EQ(trazo(25, false).y1, (120 + 840 * 5) / 15);
    EXPECT_EQ(trazo(0, true).x1, 16);
}
