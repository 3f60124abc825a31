// Names and faces for the computers that fill a table.
#include "shell/rules/Caras.h"
#include "shell/rules/Invitados.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

TEST(Invitados, NobodysFaceNorNameAndAWomansNameUnderAWomansFace)
{
    std::mt19937 gen(3);
    auto sorteo = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    std::set<std::string> mujeres;
    for (int vuelta = 0; vuelta < 200; ++vuelta) {
        // Three people took faces and names; one computer is left to seat.
        const std::vector<int> tomadas{vuelta % 15, (vuelta + 4) % 15, (vuelta + 9) % 15};
        const std::set<std::string> nombres{"Carlos", "Marta", "Julia"};
        const auto v = invitados(3, tomadas, [&](const std::string& n) { return nombres.count(n) > 0; }, sorteo);
        ASSERT_EQ(v.size(), 3u);
        std::set<int> caras(tomadas.begin(), tomadas.end());
        std::set<std::string> vistos(nombres);
        for (const Invitado& i : v) {
            caras.insert(i.cara);
            vistos.insert(i.nombre);
            if (caraDeMujer(i.cara))
                mujeres.insert(i.nombre);
        }
        EXPECT_EQ(caras.size(), 6u);
        EXPECT_EQ(vistos.size(), 6u);
    }
    // Only women's names were seen under women's faces.
    for (const char* hombre : {"Carlos", "Jorge", "Pablo", "Diego", "Sergio", "Alberto"})
        EXPECT_EQ(mujeres.count(hombre), 0u) << hombre;
    EXPECT_GT(mujeres.size(), 3u);
}

TEST(Invitados, WhenEveryFaceIsWornTheyMayRepeat)
{
    std::vector<int> todas;
    for (int c = 0; c < cantidadCaras; ++c)
        todas.push_back(c);
    int siguiente = 0;
    const auto v = invitados(3, todas, nullptr, [&](int n) { return siguiente++ % n; });
    ASSERT_EQ(v.size(), 3u);
    for (const Invitado& i : v) {
        EXPECT_GE(i.cara, 0);
        EXPECT_LT(i.cara, cantidadCaras);
        EXPECT_FALSE(i.nombre.empty());
    }
}

}  // namespace
