// The match of four in pairs on the engine alone: no window, no Qt.
#include "arena/ArenaCuatro.h"
#include "calls/AzarCuatro.h"
#include "motor/JugadorCuatro.h"
#include "motor/PartidaCuatro.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace cuatro;

namespace {

// Writes down what the engine tells, one line per event.
struct Libreta : ObservadorCuatro {
    std::vector<std::string> v;
    std::vector<int> repartidores;
    void repartida(const EstadoCuatro& e) override { repartidores.push_back(e.repartidor); }
    void cartaJugada(int s, int t, const std::string& c) override
    {
        v.push_back("carta " + std::to_string(s) + " " + std::to_string(t) + " " + c);
    }
    void habla(int s, const std::string& f, bool anuncio) override
    {
        v.push_back((anuncio ? "anuncia " : "dice ") + std::to_string(s) + " " + f);
    }
    void puntos(int p, int n, int total) override
    {
        v.push_back("puntos " + std::to_string(p) + " " + std::to_string(n) + " " + std::to_string(total));
    }
    void finDeMano(int p) override { v.push_back("fin de mano " + std::to_string(p)); }
    void finDePartido(int p) override { v.push_back("fin del partido " + std::to_string(p)); }
    bool dijo(const std::string& s) const { return std::find(v.begin(), v.end(), s) != v.end(); }
};

// A match set up at a chosen moment: hands, dealer and score. Pauses wait in
// a list until the test runs them.
struct Mesa4 {
    std::deque<std::function<void()>> pausas;
    std::vector<double> segundos;
    Libreta libreta;
    PartidaCuatro p;

    Mesa4(int repartidor, const ManoCuatro::Manos& manos, std::array<int, 2> puntos = {})
        : p(estado(repartidor, manos, puntos), motor::azarDeReparto(1), [this](double s, std::function<void()> f) {
              segundos.push_back(s);
              pausas.push_back(std::move(f));
          })
    {
        p.observar(&libreta);
    }
    static EstadoCuatro estado(int repartidor, const ManoCuatro::Manos& manos, std::array<int, 2> puntos)
    {
        EstadoCuatro e;
        e.repartidor = repartidor;
        e.numeroMano = 1;
        e.mano = ManoCuatro(repartidor, manos);
        e.manoTerminada = false;
        e.puntos = puntos;
        return e;
    }
    bool carta(int s, const std::string& c) { return p.mover(s, Movida::deCarta(c)); }
    bool canta(int s, Canto c) { return p.mover(s, Movida::deCanto(c)); }
    bool responde(int s, bool quiero) { return p.mover(s, Movida::de(quiero ? Jugada::Quiero : Jugada::NoQuiero)); }
    void correrPausas()
    {
        for (int n = 0; n < 100 && !pausas.empty(); ++n) {
            auto f = std::move(pausas.front());
            pausas.pop_front();
            f();
        }
    }
};

// Host 7E 6E 12O (33), right 1O 2C 3E (3), partner 5B 4B 11C (29), left
// 7C 6C 1B (33).
const ManoCuatro::Manos kManos{{{"7E", "6E", "12O"}, {"1O", "2C", "3E"}, {"5B", "4B", "11C"}, {"7C", "6C", "1B"}}};

}  // namespace

TEST(Cuatro4Reparto, DoceSorteosDeSiempreParaLosAsientosDosCeroUnoYTres)
{
    std::vector<int> sorteos{7, 7, 0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11};  // a repeated draw is drawn again
    std::size_t k = 0;
    PartidaCuatro p([&] { return sorteos[k++]; });
    Libreta l;
    p.observar(&l);
    p.empezar(3);
    const auto& m = p.mano().manos();
    const auto& mazo = reglas::mazo();
    EXPECT_EQ(m[2], (std::array<std::string, 3>{mazo[7], mazo[0], mazo[1]}));
    EXPECT_EQ(m[0], (std::array<std::string, 3>{mazo[2], mazo[3], mazo[4]}));
    EXPECT_EQ(m[1], (std::array<std::string, 3>{mazo[5], mazo[6], mazo[8]}));
    EXPECT_EQ(m[3], (std::array<std::string, 3>{mazo[9], mazo[10], mazo[11]}));
    EXPECT_EQ(l.repartidores, std::vector<int>{3});
    EXPECT_EQ(p.aQuienLeToca(), 0) << "the seat after the dealer leads";
}

TEST(Cuatro4Movidas, LoQueNoVaSeRechazaSinCambiarNada)
{
    Mesa4 m(1, kManos);  // seat 2 leads
    const EstadoCuatro antes = m.p.estado();
    EXPECT_FALSE(m.carta(3, "7C")) << "not his turn";
    EXPECT_FALSE(m.carta(2, "7E")) << "not his card";
    EXPECT_FALSE(m.responde(3, true)) << "nothing was asked";
    EXPECT_FALSE(m.canta(2, Canto::Retruco)) << "no truco to raise";
    EXPECT_FALSE(m.p.mover(2, Movida::de(Jugada::Quiero)));
    EXPECT_EQ(m.p.estado(), antes);
    EXPECT_TRUE(m.libreta.v.empty());
}

TEST(Cuatro4Envido, SeDiceEnTurnoTrasUnaPausaCadaUnoYCobraLaMejorPareja)
{
    Mesa4 m(1, kManos);
    ASSERT_TRUE(m.canta(2, Canto::Envido));
    EXPECT_EQ(m.p.aQuienLeToca(), 3);
    ASSERT_TRUE(m.responde(3, true));
    // Nobody moves while the points are said.
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(m.pausas.size(), 1u) << i;
        EXPECT_FALSE(m.carta(2, "5B"));
        auto f = std::move(m.pausas.front());
        m.pausas.pop_front();
        f();
    }
    EXPECT_EQ(m.segundos, (std::vector<double>{1.5, 1.5, 1.5, 1.5}));
    const std::vector<std::string> esperado{"dice 2 Envido",     "dice 3 Quiero",          "anuncia 2 29",
                                            "anuncia 3 33",      "anuncia 0 Son Buenas",   "anuncia 1 3",
                                            "puntos 1 2 2"};
    EXPECT_EQ(m.libreta.v, esperado);
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{0, 2}));
    // Play goes on from the mano.
    EXPECT_EQ(m.p.aQuienLeToca(), 2);
    EXPECT_TRUE(m.carta(2, "5B"));
}

TEST(Cuatro4Envido, LaFaltaDaLoQueLeFaltaAlQuePierdeYTerminaElPartido)
{
    Mesa4 m(1, kManos, {18, 3});
    ASSERT_TRUE(m.canta(2, Canto::FaltaEnvido));
    ASSERT_TRUE(m.responde(3, true));
    m.correrPausas();
    EXPECT_TRUE(m.libreta.dijo("puntos 1 12 15")) << "30 - 18";

    // Past 30 the score stops at 30, and the match is over.
    Mesa4 fin(1, kManos, {25, 27});
    ASSERT_TRUE(fin.canta(2, Canto::FaltaEnvido));
    ASSERT_TRUE(fin.responde(3, true));
    fin.correrPausas();
    EXPECT_EQ(fin.libreta.v.back(), "fin del partido 1");
    EXPECT_TRUE(fin.libreta.dijo("puntos 1 5 30"));
    EXPECT_TRUE(fin.p.estado().terminado);
    EXPECT_FALSE(fin.carta(2, "5B"));
}

TEST(Cuatro4Partido, TerminaEnTreintaYNadieMueveDespues)
{
    Mesa4 m(1, kManos, {29, 27});
    ASSERT_TRUE(m.canta(2, Canto::Truco));
    EXPECT_EQ(m.p.aQuienLeToca(), 1) << "the opponent before him answers";
    ASSERT_TRUE(m.responde(1, false));  // the truco refused: 1 to seats 0 and 2
    EXPECT_EQ(m.p.estado().puntos, (std::array<int, 2>{30, 27}));
    EXPECT_TRUE(m.p.estado().terminado);
    EXPECT_EQ(m.p.estado().ganador, 0);
    EXPECT_TRUE(m.libreta.dijo("fin del partido 0"));
    EXPECT_TRUE(m.pausas.empty()) << "no next hand";
    EXPECT_EQ(m.p.aQuienLeToca(), -1);
    EXPECT_TRUE(m.p.legales(2).empty());
}

TEST(Cuatro4Mano, AlTerminarPausaYReparteElSiguiente)
{
    Mesa4 m(1, kManos, {4, 6});
    ASSERT_TRUE(m.p.mover(2, Movida::de(Jugada::AlMazo)));
    // Before his first card the deck costs two.
    EXPECT_EQ(m.libreta.v, (std::vector<std::string>{"dice 2 Me voy al mazo", "puntos 1 2 8", "fin de mano 1"}));
    ASSERT_EQ(m.pausas.size(), 1u);
    EXPECT_EQ(m.segundos.back(), 1.0);
    EXPECT_EQ(m.p.aQuienLeToca(), -1);
    m.correrPausas();
    EXPECT_EQ(m.libreta.repartidores, std::vector<int>{2});
    EXPECT_EQ(m.p.estado().numeroMano, 2);
    EXPECT_EQ(m.p.aQuienLeToca(), 3);
}

TEST(Cuatro4Mano, LaCartaQueLlegaMientrasEsperaUnCantoBajaDespues)
{
    Mesa4 m(1, kManos);
    ASSERT_TRUE(m.canta(2, Canto::Truco));
    ASSERT_TRUE(m.carta(2, "5B")) << "his card, while the truco waits";
    EXPECT_FALSE(m.carta(2, "5B")) << "once";
    EXPECT_EQ(m.p.mano().cartasEnBaza(), 0);
    ASSERT_TRUE(m.responde(1, true));
    EXPECT_EQ(m.libreta.v.back(), "carta 2 0 5B");
    EXPECT_EQ(m.p.aQuienLeToca(), 3);

    // Refused, the hand is over and the card stays in hand.
    Mesa4 n(1, kManos);
    ASSERT_TRUE(n.canta(2, Canto::Truco));
    ASSERT_TRUE(n.carta(2, "5B"));
    ASSERT_TRUE(n.responde(1, false));
    EXPECT_FALSE(n.libreta.dijo("carta 2 0 5B"));
}

TEST(Cuatro4Vista, CadaParejaVeLasBazasDesdeSuLado)
{
    Mesa4 m(1, kManos);
    for (auto [s, c] : std::vector<std::pair<int, std::string>>{{2, "5B"}, {3, "1B"}, {0, "7E"}, {1, "1O"}})
        ASSERT_TRUE(m.carta(s, c)) << c;
    const VistaCuatro suya = vista(m.p, 3), mia = vista(m.p, 0);
    EXPECT_EQ(suya.bazas, (std::array<int, 3>{2, -1, -1}));
    EXPECT_EQ(mia.bazas, (std::array<int, 3>{0, -1, -1}));
    EXPECT_EQ(suya.jugadas[0][0], "7E");
    EXPECT_EQ(suya.cartas, kManos[3]);
    EXPECT_EQ(suya.enMano, (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(suya.puntos, (std::array<int, 2>{0, 0}));
    // Seat 3 won the trick and leads: only he has moves.
    EXPECT_FALSE(suya.legales.empty());
    EXPECT_TRUE(mia.legales.empty());
}

TEST(Cuatro4Partido, PartidosEnterosAlAzarSinVentanasYLaArenaLosRepite)
{
    for (std::uint32_t semilla = 1; semilla <= 200; ++semilla) {
        std::deque<std::function<void()>> pendientes;
        PartidaCuatro p(motor::azarDeReparto(semilla),
                        [&](double, std::function<void()> f) { pendientes.push_back(std::move(f)); });
        Libreta l;
        p.observar(&l);
        std::array<JugadorAzarCuatro, 4> j{JugadorAzarCuatro(semilla), JugadorAzarCuatro(semilla + 1000),
                                           JugadorAzarCuatro(semilla + 2000), JugadorAzarCuatro(semilla + 3000)};
        p.empezar(static_cast<int>(semilla % 4));
        for (int paso = 0; paso < 20000 && !p.estado().terminado; ++paso) {
            if (!pendientes.empty()) {
                auto f = std::move(pendientes.front());
                pendientes.pop_front();
                f();
                continue;
            }
            const int s = p.aQuienLeToca();
            ASSERT_GE(s, 0) << "nobody to act, semilla " << semilla;
            ASSERT_TRUE(p.mover(s, j[s].elegir(vista(p, s)))) << "semilla " << semilla;
        }
        const auto& e = p.estado();
        ASSERT_TRUE(e.terminado) << semilla;
        EXPECT_EQ(e.puntos[e.ganador], 30);
        EXPECT_LT(e.puntos[1 - e.ganador], 30);
        // The deal moves one seat on every hand.
        for (std::size_t i = 1; i < l.repartidores.size(); ++i)
            ASSERT_EQ(l.repartidores[i], (l.repartidores[i - 1] + 1) % 4) << semilla;
    }
    // The arena plays the same matches from the same seeds.
    motor::Config c;
    c.partidos = 40;
    c.semilla = 3;
    const auto r1 = motor::jugarCuatro(c), r2 = motor::jugarCuatro(c);
    EXPECT_EQ(r1.ganadosA, r2.ganadosA);
    EXPECT_EQ(r1.manosPorPartido, r2.manosPorPartido);
    EXPECT_EQ(r1.rechazadas, 0);
    EXPECT_GT(r1.manosPorPartido, 1.0);
}

TEST(Cuatro4Partido, UnaCopiaDelEstadoSigueIgualQueElOriginal)
{
    PartidaCuatro p(motor::azarDeReparto(9));
    p.empezar(2);
    JugadorAzarCuatro a(1);
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(p.mover(p.aQuienLeToca(), a.elegir(vista(p, p.aQuienLeToca()))));
    // The copy draws its own next deal: compare them to the end of this hand.
    PartidaCuatro copia(p.estado(), motor::azarDeReparto(5));
    JugadorAzarCuatro b(3), c(3);
    const int mano = p.estado().numeroMano;
    int pasos = 0;
    for (; pasos < 40 && p.estado().numeroMano == mano && !p.estado().terminado; ++pasos) {
        ASSERT_TRUE(p.mover(p.aQuienLeToca(), b.elegir(vista(p, p.aQuienLeToca()))));
        ASSERT_TRUE(copia.mover(copia.aQuienLeToca(), c.elegir(vista(copia, copia.aQuienLeToca()))));
        if (p.estado().numeroMano == mano) {
            ASSERT_EQ(copia.estado(), p.estado()) << pasos;
        }
    }
    EXPECT_GT(pasos, 1);
}
