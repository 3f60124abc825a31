// The computer of the game in pairs, as rules on hands set up on the engine.
#include "arena/ArenaCuatro.h"
#include "calls/MaquinaCuatro.h"

#include <gtest/gtest.h>

using namespace cuatro;

namespace {

// A hand of four from the given dealer, played up to a moment.
struct Mano4 {
    PartidaCuatro p;
    Mano4(int repartidor, const ManoCuatro::Manos& manos) : p(estado(repartidor, manos), motor::azarDeReparto(1)) {}
    static EstadoCuatro estado(int repartidor, const ManoCuatro::Manos& manos)
    {
        EstadoCuatro e;
        e.repartidor = repartidor;
        e.numeroMano = 1;
        e.mano = ManoCuatro(repartidor, manos);
        e.manoTerminada = false;
        return e;
    }
    void cartas(std::initializer_list<std::pair<int, const char*>> jugadas)
    {
        for (auto [s, c] : jugadas)
            ASSERT_TRUE(p.mover(s, Movida::deCarta(c))) << s << " " << c;
    }
    std::string carta(int s) { return MaquinaCuatro::carta(vista(p, s)).carta; }
};

MaquinaCuatro maquina(int segundo = 0)
{
    return MaquinaCuatro({[] { return 0.0; }, [segundo] { return segundo; }});
}

// Dealer 2: play goes 3, 0, 1, 2.
const ManoCuatro::Manos kManos{{{"7B", "1E", "4O"}, {"4E", "11O", "12O"}, {"5E", "6O", "10O"}, {"7C", "3C", "5B"}}};

}  // namespace

TEST(MaquinaCuatroCartas, NoPisaAlCompaneroQueGanaYTiraLaMasBaja)
{
    Mano4 m(1, {{{"1B", "3O", "4O"}, {"7C", "12B", "11O"}, {"1E", "5C", "6C"}, {"4C", "5O", "6O"}}});
    m.cartas({{2, "1E"}, {3, "4C"}});
    EXPECT_EQ(m.carta(0), "4O");
}

TEST(MaquinaCuatroCartas, GanaConLaMasBarataQueAlcanza)
{
    Mano4 m(1, {{{"1E", "2O", "3B"}, {"7C", "12B", "11O"}, {"4E", "5C", "6C"}, {"12C", "5O", "6O"}}});
    m.cartas({{2, "4E"}, {3, "12C"}});
    EXPECT_EQ(m.carta(0), "2O");
}

TEST(MaquinaCuatroCartas, GuardaLaMejorParaLaBazaQueDecide)
{
    // Only its best card wins the first trick, and its partner still plays
    // after it: it keeps the card.
    Mano4 m(2, kManos);
    m.cartas({{3, "3C"}});
    EXPECT_EQ(m.carta(0), "4O");
    // It leads low where the trick does not decide.
    Mano4 n(2, kManos);
    EXPECT_EQ(n.carta(3), "5B");
    // After a parda the second trick decides: now the best card goes.
    Mano4 d(2, kManos);
    d.cartas({{3, "7C"}, {0, "7B"}, {1, "4E"}, {2, "5E"}});
    ASSERT_EQ(d.p.mano().bazas()[0], reglas::Parda);
    EXPECT_EQ(d.carta(3), "3C") << "leading the deciding trick";
    d.cartas({{3, "3C"}});
    EXPECT_EQ(d.carta(0), "1E");
}

TEST(MaquinaCuatroCantos, ResponderConLosUmbralesDeLaPcDeDos)
{
    // Dealer 1: seat 2 leads; its envido is answered by seat 3.
    auto conTantos = [](const std::array<std::string, 3>& suyas) {
        return Mano4(1, {{{"4O", "5O", "6E"}, {"7C", "12B", "11O"}, {"1E", "5C", "6C"}, suyas}});
    };
    Mano4 m25 = conTantos({"3B", "2B", "1O"});
    ASSERT_TRUE(m25.p.mover(2, Movida::deCanto(Canto::Envido)));
    EXPECT_EQ(maquina().elegir(vista(m25.p, 3)), Movida::de(Jugada::Quiero)) << "25: above 24";
    Mano4 m24 = conTantos({"3B", "1B", "2O"});
    ASSERT_TRUE(m24.p.mover(2, Movida::deCanto(Canto::Envido)));
    EXPECT_EQ(maquina().elegir(vista(m24.p, 3)), Movida::de(Jugada::NoQuiero));

    // A truco before its first card is answered with the envido on 21 or more.
    Mano4 t(1, {{{"4O", "5O", "6E"}, {"7C", "12B", "11O"}, {"1E", "5C", "6C"}, {"3B", "1B", "2O"}}});
    ASSERT_TRUE(t.p.mover(2, Movida::deCanto(Canto::Truco)));
    EXPECT_EQ(maquina().elegir(vista(t.p, 1)), Movida::de(Jugada::NoQuiero)) << "seat 1 holds 11 and little";
    Mano4 e(1, {{{"4O", "5O", "6E"}, {"7C", "6C", "11O"}, {"1E", "5C", "12C"}, {"3B", "1B", "2O"}}});
    ASSERT_TRUE(e.p.mover(2, Movida::deCanto(Canto::Truco)));
    EXPECT_EQ(maquina().elegir(vista(e.p, 1)), Movida::deCanto(Canto::Envido)) << "7C 6C: 33";
}

TEST(MaquinaCuatroSaber, NoVeLaManoDeSuCompanero)
{
    // The same table but for the cards its partner and the others still hold.
    Mano4 a(2, kManos);
    ManoCuatro::Manos otras = kManos;
    otras[2] = {"1B", "7E", "3E"};
    otras[1] = {"4E", "2C", "2E"};
    Mano4 b(2, otras);
    a.cartas({{3, "7C"}});
    b.cartas({{3, "7C"}});
    EXPECT_EQ(vista(a.p, 0), vista(b.p, 0));
}

TEST(MaquinaCuatroFuerza, LeGanaClaroAlAzar)
{
    motor::Config c;
    c.partidos = 300;
    c.semilla = 11;
    c.nivelA = "normal";
    const motor::Resultado r = motor::jugarCuatro(c);
    EXPECT_EQ(r.rechazadas, 0) << "every move it chose was legal";
    EXPECT_GT(r.bajo, 0.6) << r.ganadosA << " of " << r.partidos;
}
