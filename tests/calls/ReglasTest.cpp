#include "calls/rules/Reglas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

using namespace reglas;

namespace {

struct Carta {
    std::string code;
    int valor;  // counting value, derived here from the number alone
    char palo;
};

std::vector<Carta> baraja()
{
    std::vector<Carta> cartas;
    for (char p : {'O', 'C', 'E', 'B'})
        for (int n : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12})
            cartas.push_back({std::to_string(n) + p, n > 7 ? 0 : n, p});
    return cartas;
}

// Best envido grouped by suit: the two highest of any suit holding two or more
// cards, else the highest single card.
Tantos contarPorPalo(const std::array<Carta, 3>& mano)
{
    std::map<char, std::vector<int>> porPalo;
    for (const auto& c : mano)
        porPalo[c.palo].push_back(c.valor);
    Tantos t;
    for (auto& [p, valores] : porPalo) {
        std::sort(valores.rbegin(), valores.rend());
        if (valores.size() >= 2)
            t.envido = std::max(t.envido, 20 + valores[0] + valores[1]);
        if (valores.size() == 3) {
            t.flor = true;
            t.puntosFlor = 20 + valores[0] + valores[1] + valores[2];
        }
    }
    if (porPalo.size() == 3)
        for (const auto& c : mano)
            t.envido = std::max(t.envido, c.valor);
    return t;
}

Tantos tantosDe(const std::string& a, const std::string& b, const std::string& c)
{
    return verTantos({a, b, c});
}

}  // namespace

TEST(ReglasTantos, EveryHandInEveryOrderMatchesCountBySuit)
{
    const auto cartas = baraja();
    ASSERT_EQ(cartas.size(), 40u);
    int manos = 0, conFlor = 0, sinPuntos = 0, con33 = 0;
    for (std::size_t i = 0; i < cartas.size(); ++i)
        for (std::size_t j = i + 1; j < cartas.size(); ++j)
            for (std::size_t k = j + 1; k < cartas.size(); ++k) {
                std::array<Carta, 3> mano{cartas[i], cartas[j], cartas[k]};
                const Tantos esperado = contarPorPalo(mano);
                ++manos;
                conFlor += esperado.flor;
                sinPuntos += esperado.envido == 0;
                con33 += esperado.envido == 33;
                std::array<int, 3> orden{0, 1, 2};
                do {
                    const Tantos t = tantosDe(mano[orden[0]].code, mano[orden[1]].code,
                                              mano[orden[2]].code);
                    SCOPED_TRACE(mano[orden[0]].code + " " + mano[orden[1]].code + " "
                                 + mano[orden[2]].code);
                    ASSERT_EQ(t.envido, esperado.envido);
                    ASSERT_EQ(t.flor, esperado.flor);
                    ASSERT_EQ(t.puntosFlor, esperado.puntosFlor);
                    ASSERT_GE(t.envido, 0);
                    ASSERT_LE(t.envido, 33);
                    if (t.flor) {
                        ASSERT_GE(t.puntosFlor, 20);
                        ASSERT_LE(t.puntosFlor, 38);
                    }
                } while (std::next_permutation(orden.begin(), orden.end()));
            }
    EXPECT_EQ(manos, 9880);
    EXPECT_EQ(conFlor, 4 * 120);          // C(10,3) per suit
    EXPECT_EQ(sinPuntos, 4 * 3 * 3 * 3);  // three figures of three different suits
    EXPECT_EQ(con33, 4 * 38);             // 7 and 6 of a suit plus any third card
}

TEST(ReglasTantos, Examples)
{
    EXPECT_EQ(tantosDe("7O", "6O", "12C").envido, 33);
    EXPECT_EQ(tantosDe("12C", "7O", "6O").envido, 33);
    EXPECT_EQ(tantosDe("10O", "11C", "12E").envido, 0);
    EXPECT_EQ(tantosDe("1O", "2C", "3E").envido, 3);
    EXPECT_EQ(tantosDe("12O", "11O", "4C").envido, 20);

    const Tantos flor = tantosDe("7E", "6E", "5E");
    EXPECT_TRUE(flor.flor);
    EXPECT_EQ(flor.puntosFlor, 38);
    EXPECT_EQ(flor.envido, 33);

    const Tantos sinFlor = tantosDe("7E", "6E", "5B");
    EXPECT_FALSE(sinFlor.flor);
    EXPECT_EQ(sinFlor.puntosFlor, 0);
}

namespace {
std::string comoTexto(const std::array<Bit, 10>& bits)
{
    std::string s;
    for (Bit b : bits)
        s += b == Bit::On ? '1' : b == Bit::Off ? '0' : '-';
    return s;
}
}  // namespace

// Every state of the ladder on the human's turn: each step only to the side
// that may raise it, as an answer; the envido only while it may be sung.
TEST(ReglasPanel, EveryLadderStateOnTheHumansTurn)
{
    for (int bits = 0; bits < (1 << 8); ++bits) {
        for (int jugadas = 0; jugadas < 3; ++jugadas) {
            EstadoPanel e;
            e.respuestaPendiente = bits & 1;
            e.trucoCantado = bits & 2;
            e.retrucoCantado = bits & 4;
            e.vale4Cantado = bits & 8;
            e.trucoQuerido = bits & 16;
            e.trucoPorMaquina = bits & 32;
            e.envidoCantado = bits & 64;
            e.florCantada = bits & 128;
            e.jugadasHumano = jugadas;
            const std::string m = panelDelHumano(e);
            ASSERT_EQ(m.size(), 10u);
            SCOPED_TRACE(m + " bits " + std::to_string(bits) + " jugadas " + std::to_string(jugadas));
            EXPECT_EQ(m[0] == '1', !e.trucoCantado);
            EXPECT_EQ(m[1] == '1', e.respuestaPendiente);
            EXPECT_EQ(m[3] == '1', e.respuestaPendiente);
            // Retruco answers the machine's truco; vale cuatro its retruco.
            EXPECT_EQ(m[5] == '1', e.respuestaPendiente && e.trucoCantado && !e.retrucoCantado && e.trucoPorMaquina);
            EXPECT_EQ(m[7] == '1', e.respuestaPendiente && e.retrucoCantado && !e.vale4Cantado && !e.trucoPorMaquina);
            const bool envido = jugadas == 0 && !e.envidoCantado && !e.florCantada && !e.trucoQuerido;
            for (int i : {2, 4, 6})
                EXPECT_EQ(m[i] == '1', envido);
            EXPECT_EQ(m[8], '-');  // Flor is decided elsewhere
            EXPECT_EQ(m[9], '1');  // the deck is always open on his turn
        }
    }
    // The fault that was: the human's own truco accepted offered vale cuatro.
    EstadoPanel aceptado;
    aceptado.trucoCantado = aceptado.trucoQuerido = true;
    EXPECT_EQ(panelDelHumano(aceptado), "00000000-1");
}

TEST(ReglasMascara, ShortOddAndLongMasks)
{
    EXPECT_EQ(comoTexto(leerMascara("10")), "10--------");
    EXPECT_EQ(comoTexto(leerMascara("")), "----------");
    EXPECT_EQ(comoTexto(leerMascara("1x0 ?1")), "1-0--1----");
    EXPECT_EQ(comoTexto(leerMascara("000000000011")), "0000000000");
}

TEST(ReglasVerso, FirstVerseBoundaries)
{
    EXPECT_EQ(primerVerso(0.0), 0);
    EXPECT_EQ(primerVerso(0.2499), 0);
    EXPECT_EQ(primerVerso(0.25), 0);
    EXPECT_EQ(primerVerso(0.2501), 1);
    EXPECT_EQ(primerVerso(0.5), 1);
    EXPECT_EQ(primerVerso(0.7499), 1);
    EXPECT_EQ(primerVerso(0.75), 2);
    EXPECT_EQ(primerVerso(0.9999999), 2);
}

TEST(ReglasPuntos, FaltaAndAverage)
{
    EXPECT_EQ(puntosFalta(0), 30);
    EXPECT_EQ(puntosFalta(29), 1);
    EXPECT_EQ(puntosFalta(30), 0);
    EXPECT_EQ(puntosFalta(33), 0);

    const int valores[] = {14, 13, 1};
    EXPECT_EQ(promValor(valores, 3), 9);
    EXPECT_EQ(promValor(valores, 2), 13);  // 27 / 2
    EXPECT_EQ(promValor(valores, 1), 14);
    EXPECT_EQ(promValor(valores, 0), 0);
}

TEST(ReglasPuntos, AlMazoLadder)
{
    const Escalera nada;
    EXPECT_EQ(puntosAlMazo(nada, false, 0), 2);
    EXPECT_EQ(puntosAlMazo(nada, false, 1), 1);
    EXPECT_EQ(puntosAlMazo(nada, false, 2), 1);
    EXPECT_EQ(puntosAlMazo(nada, true, 1), 2);

    Escalera e;
    e.trucoCantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 0), 1);
    e.trucoQuerido = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 2);
    e.retrucoCantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 2);
    e.retrucoQuerido = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 3);
    e.vale4Cantado = true;
    EXPECT_EQ(puntosAlMazo(e, false, 1), 3);
    e.vale4Querido = true;
    EXPECT_EQ(puntosAlMazo(e, true, 0), 4);
}

TEST(ReglasEnvido, MachineSings)
{
    for (int sorteo : {0, 1}) {
        for (int t = 30; t <= 33; ++t)
            EXPECT_TRUE(cantaEnvidoMano(t, false, sorteo));
        for (int t = 20; t <= 29; ++t)
            EXPECT_EQ(cantaEnvidoMano(t, false, sorteo), sorteo == 1) << t;
        EXPECT_FALSE(cantaEnvidoMano(19, false, sorteo));
        EXPECT_FALSE(cantaEnvidoMano(33, true, sorteo));
    }
    EXPECT_TRUE(cantaEnvidoPie(21, false));
    EXPECT_FALSE(cantaEnvidoPie(20, false));
    EXPECT_FALSE(cantaEnvidoPie(33, true));
}

TEST(ReglasEnvido, MachineAnswers)
{
    EXPECT_TRUE(aceptaEnvido(25, 0));
    EXPECT_FALSE(aceptaEnvido(24, 27));
    EXPECT_TRUE(aceptaEnvido(24, 28));

    EXPECT_TRUE(aceptaEnvidoEnvido(26, true, 0));
    EXPECT_FALSE(aceptaEnvidoEnvido(25, true, 0));
    EXPECT_TRUE(aceptaEnvidoEnvido(28, false, 0));
    EXPECT_FALSE(aceptaEnvidoEnvido(27, false, 27));
    EXPECT_TRUE(aceptaEnvidoEnvido(0, false, 28));

    EXPECT_TRUE(aceptaRealEnvido(27, true, 0));
    EXPECT_FALSE(aceptaRealEnvido(26, true, 0));
    EXPECT_TRUE(aceptaRealEnvido(28, false, 0));
    EXPECT_FALSE(aceptaRealEnvido(27, false, 27));
    EXPECT_TRUE(aceptaRealEnvido(0, true, 28));
}

TEST(ReglasEnvido, FaltaEachClauseAlone)
{
    // Machine ahead with a decent hand.
    EXPECT_TRUE(reglaFalta(21, 26, 0, 2));
    EXPECT_FALSE(reglaFalta(21, 25, 0, 2));
    EXPECT_FALSE(reglaFalta(20, 26, 0, 2));
    // A strong hand alone.
    EXPECT_TRUE(reglaFalta(27, 0, 0, 2));
    EXPECT_FALSE(reglaFalta(26, 0, 0, 2));
    // The human about to win.
    EXPECT_TRUE(reglaFalta(0, 0, 28, 2));
    EXPECT_FALSE(reglaFalta(0, 0, 27, 2));
    // The clock's second breaks the tie.
    EXPECT_TRUE(reglaFalta(20, 0, 0, 1));
    EXPECT_TRUE(reglaFalta(20, 0, 0, 59));
    EXPECT_FALSE(reglaFalta(20, 0, 0, 58));
    EXPECT_FALSE(reglaFalta(19, 0, 0, 1));

    EXPECT_TRUE(reglaFaltaPie(21, 26));
    EXPECT_FALSE(reglaFaltaPie(20, 26));
    EXPECT_FALSE(reglaFaltaPie(21, 25));
    EXPECT_TRUE(reglaFaltaPie(28, 0));
    EXPECT_FALSE(reglaFaltaPie(27, 0));
    EXPECT_TRUE(reglaFaltaPie(0, 28));
}

namespace {
Mesa mesa(int jugadasMaquina, int jugadasHumano, int primera, int prom,
          std::array<int, 3> jm = {}, std::array<int, 3> jh = {})
{
    Mesa m;
    m.jugadasMaquina = jugadasMaquina;
    m.jugadasHumano = jugadasHumano;
    m.bazas = {primera, 0, 0};
    m.jm = jm;
    m.jh = jh;
    m.promValor = prom;
    return m;
}
}  // namespace

TEST(ReglasTruco, Truco)
{
    EXPECT_EQ(aceptaTruco(mesa(0, 0, GanaH, 6)), Respuesta::Quiero);
    EXPECT_EQ(aceptaTruco(mesa(0, 1, GanaH, 5)), Respuesta::NoQuiero);

    EXPECT_EQ(aceptaTruco(mesa(1, 1, GanaM, 7)), Respuesta::Quiero);
    EXPECT_EQ(aceptaTruco(mesa(1, 1, GanaM, 6)), Respuesta::NoQuiero);
    EXPECT_EQ(aceptaTruco(mesa(1, 1, GanaH, 7)), Respuesta::NoQuiero);
    EXPECT_EQ(aceptaTruco(mesa(1, 1, Parda, 8)), Respuesta::QuieroParda);
    EXPECT_EQ(aceptaTruco(mesa(1, 1, Parda, 7)), Respuesta::NoQuiero);

    for (int jugadas : {2, 3}) {
        EXPECT_EQ(aceptaTruco(mesa(jugadas, 2, GanaM, 7)), Respuesta::Quiero);
        EXPECT_EQ(aceptaTruco(mesa(jugadas, 2, Parda, 14, {5, 8, 0})), Respuesta::QuieroParda);
        EXPECT_EQ(aceptaTruco(mesa(jugadas, 2, Parda, 14, {5, 7, 0})), Respuesta::NoQuiero);
        EXPECT_EQ(aceptaTruco(mesa(jugadas, 2, GanaH, 14, {5, 14, 0})), Respuesta::NoQuiero);
    }

    // Close to losing the match the machine always plays on, plainly unless
    // a parda condition decided it.
    Mesa m = mesa(1, 1, Parda, 7);
    m.puntosHumano = 28;
    EXPECT_EQ(aceptaTruco(m), Respuesta::Quiero);
    m.promValor = 8;
    EXPECT_EQ(aceptaTruco(m), Respuesta::QuieroParda);
}

TEST(ReglasTruco, Retruco)
{
    for (int jugadas : {0, 1}) {
        EXPECT_TRUE(aceptaRetruco(mesa(jugadas, 1, GanaH, 7)));
        EXPECT_FALSE(aceptaRetruco(mesa(jugadas, 1, GanaM, 6)));
    }
    EXPECT_TRUE(aceptaRetruco(mesa(3, 3, GanaH, 0, {1, 1, 8})));
    EXPECT_FALSE(aceptaRetruco(mesa(3, 3, GanaM, 14, {14, 14, 7})));

    // Two cards: the human's third card is weaker than the one kept.
    EXPECT_TRUE(aceptaRetruco(mesa(2, 3, GanaH, 5, {}, {1, 1, 4})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 3, GanaH, 5, {}, {1, 1, 5})));
    // Trick one not lost and a strong second card, human one card behind.
    EXPECT_TRUE(aceptaRetruco(mesa(2, 1, Parda, 1, {1, 8, 0})));
    EXPECT_TRUE(aceptaRetruco(mesa(2, 1, GanaM, 1, {1, 8, 0})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 2, GanaM, 1, {1, 8, 0})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 1, GanaH, 1, {1, 8, 0})));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 1, GanaM, 1, {1, 7, 0})));
    // Otherwise the remaining card decides.
    EXPECT_TRUE(aceptaRetruco(mesa(2, 2, GanaH, 7)));
    EXPECT_FALSE(aceptaRetruco(mesa(2, 2, GanaH, 6)));
}

TEST(ReglasTruco, ValeCuatro)
{
    EXPECT_TRUE(aceptaVale4(mesa(3, 3, GanaH, 0, {1, 1, 7})));
    EXPECT_FALSE(aceptaVale4(mesa(3, 3, GanaM, 14, {14, 14, 6})));

    EXPECT_TRUE(aceptaVale4(mesa(2, 2, GanaM, 7)));
    EXPECT_FALSE(aceptaVale4(mesa(2, 2, Parda, 7)));
    EXPECT_FALSE(aceptaVale4(mesa(2, 2, GanaM, 6)));
    EXPECT_TRUE(aceptaVale4(mesa(2, 2, GanaH, 1, {1, 11, 0})));
    EXPECT_FALSE(aceptaVale4(mesa(2, 2, GanaH, 1, {1, 10, 0})));

    EXPECT_TRUE(aceptaVale4(mesa(0, 0, GanaH, 1)));
    EXPECT_TRUE(aceptaVale4(mesa(1, 1, GanaH, 1)));
}

TEST(ReglasTruco, EveryAnswerAcceptedWithHumanAt28)
{
    const std::vector<Mesa> malas = {
        mesa(0, 0, GanaH, 1),
        mesa(1, 1, GanaH, 1),
        mesa(2, 2, GanaH, 1, {1, 1, 0}, {14, 14, 0}),
        mesa(2, 3, GanaH, 1, {1, 1, 0}, {14, 14, 14}),
        mesa(3, 3, GanaH, 1, {1, 1, 1}, {14, 14, 14}),
    };
    for (Mesa m : malas) {
        EXPECT_EQ(aceptaTruco(m), Respuesta::NoQuiero);
        EXPECT_FALSE(aceptaRetruco(m));
        for (int puntos : {28, 29}) {
            m.puntosHumano = puntos;
            EXPECT_EQ(aceptaTruco(m), Respuesta::Quiero);
            EXPECT_TRUE(aceptaRetruco(m));
            EXPECT_TRUE(aceptaVale4(m));
        }
        m.puntosHumano = 0;
        if (m.jugadasMaquina >= 2) {
            EXPECT_FALSE(aceptaVale4(m));
        }
    }
}

TEST(ReglasTruco, ThirdTrick)
{
    EXPECT_TRUE(cantaEnTercera(9, 10));
    EXPECT_FALSE(cantaEnTercera(10, 10));
    EXPECT_TRUE(cantaEnTercera(7, 1));
    EXPECT_FALSE(cantaEnTercera(8, 8));
}
