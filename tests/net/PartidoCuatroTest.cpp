// Four tables in pairs over loopback: whole matches, the chat between
// partners, and every table released when someone leaves.
#include "game/AsientoCuatro.h"
#include "game/ClienteCuatro.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "support/CaidaCuatro.h"
#include "support/PartidaCuatro.h"
#include "support/Traza.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Cuatro : ::testing::TestWithParam<unsigned> {};

TEST_P(Cuatro, WholeMatchAgreesOnEveryTable)
{
    const unsigned seed = GetParam();
    PartidaCuatro p(seed);
    p.trazar();
    ASSERT_TRUE(p.empezar(seed % 3 + 1, seed % 4));
    EXPECT_EQ(p.desacuerdo(), QString());
    // The deal moves one seat on each hand.
    std::vector<int> repartidores{p.host().repartidor()};
    QObject::connect(&p.mesa(0), &Form1::manoRepartida, [&] { repartidores.push_back(p.host().repartidor()); });
    // The host's pauses are continuations on the clock, never waits inside
    // the match's flow.
    TestClock& reloj = p.enAsiento(0).m.fake.clock;
    int esperasDentro = 0;
    reloj.onWait = [&](bool enPausa) { esperasDentro += enPausa && !p.mesa(0).ganadorMostrado(); };
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    reloj.onWait = nullptr;
    for (auto& tr : p.trazas)
        tr->cerrar();
    EXPECT_EQ(esperasDentro, 0);
    EXPECT_GE(reloj.now(), repartidores.size() - 1.0) << "a second between hands";
    EXPECT_GE(repartidores.size(), 6u);
    for (std::size_t i = 1; i < repartidores.size(); ++i)
        EXPECT_EQ(repartidores[i], (repartidores[i - 1] + 1) % 4) << i;
    const int m = p.mesa(0).PuntosM->caption().toInt(), h = p.mesa(0).PuntosH->caption().toInt();
    EXPECT_TRUE((m == 30) != (h == 30)) << m << "-" << h;
    EXPECT_EQ(p.host().marcador(), (std::array<int, 2>{m, h}));
    for (int s = 0; s < 4; ++s) {
        const auto& dlg = p.enAsiento(s).m.fake.dialogs.shown;
        ASSERT_FALSE(dlg.empty());
        const bool ganaMiPareja = (s % 2 == 0) == (m == 30);
        const Form1& f = p.mesa(s);
        EXPECT_EQ(dlg.back().text, QStringLiteral("Ganadores del partido: \n") +
                                       (ganaMiPareja ? f.Label2 : f.NombreC)->caption().toUpper())
            << s;
        EXPECT_FALSE(p.enAsiento(s).m.fake.clock.stuck()) << s;
    }
    // Each seat speaks with the voice of its face: only Beto's is a woman's.
    const QStringList sonidos = p.enAsiento(0).m.fake.sound.played;
    EXPECT_FALSE(sonidos.filter(QStringLiteral("/Mujer/")).isEmpty());
    EXPECT_LT(sonidos.filter(QStringLiteral("/Mujer/")).size(), sonidos.size());
    // Everyone goes back to the connection window, and nobody is told that
    // someone left.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (int s = 0; s < 4; ++s)
            if (!p.mesa(s).jred().isVisible() || p.mesa(s).asiento().enParejas())
                return false;
        return true;
    }, 5000));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(errorMostrado(p.enAsiento(s).m.fake), QString()) << s;

    // What each of the four perceived, chose and sent is as it always was.
    QString clave = QString::number(seed);
    for (int k = 0; k < 4; ++k) {
        const Traza& tr = *p.trazas[k];
        clave += QStringLiteral(" %1 %2").arg(tr.lineas.size()).arg(tr.resumen());
        const QString entera = QStringLiteral("cuatro-%1-%2.txt").arg(seed).arg(k);
        trazas::volcar(entera.chopped(4), tr);
        if (seed != 1)
            continue;
        if (trazas::grabando())
            trazas::escribir(entera, tr.texto());
        else
            EXPECT_EQ(trazas::primeraDiferencia(trazas::leer(entera).join(QLatin1Char('\n')) + QLatin1Char('\n'), tr.texto()), QString()) << k;
    }
    const QString guardada = QStringLiteral("cuatro-%1.txt").arg(seed);
    if (trazas::grabando())
        trazas::escribir(guardada, clave + QLatin1Char('\n'));
    else
        EXPECT_EQ(clave, trazas::leer(guardada).value(0)) << "TRUCO_TRAZAS=<folder> writes the traces";
}

INSTANTIATE_TEST_SUITE_P(Semillas, Cuatro, ::testing::Values(1u, 4u, 7u));

// Also the partner on the third socket and a client dealing first: every
// table shows each seat where the host has it.
TEST(CuatroPersonas, BoxesReadSlowlyStopNobodyAndOpenOnce)
{
    PartidaCuatro p(3);
    p.comoPersonas(150);
    ASSERT_TRUE(p.empezar(3, 1));
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    EXPECT_EQ(p.desacuerdo(), QString());
    for (int s = 0; s < 4; ++s) {
        const ScriptedDialogs& d = p.enAsiento(s).m.fake.dialogs;
        EXPECT_EQ(d.texts().filter(QStringLiteral("Ganadores del partido: ")).size(), 1) << s;
        EXPECT_EQ(errorMostrado(p.enAsiento(s).m.fake), QString()) << s;
        EXPECT_FALSE(p.enAsiento(s).m.fake.clock.stuck()) << s;
    }
}

}  // namespace

namespace {

// A line typed in the chat box of one seat's table.
void charlar(PartidaCuatro& p, int asiento, const QString& texto)
{
    Form1& f = p.mesa(asiento);
    f.mensaje->setText(texto);
    f.enviar->click();
}

TEST(CuatroCharla, LinesGoBetweenPartnersOnly)
{
    PartidaCuatro p(3);
    ASSERT_TRUE(p.empezar(1, 3));
    for (int s = 0; s < 4; ++s) {
        EXPECT_TRUE(p.mesa(s).mensaje->isVisibleTo(&p.mesa(s))) << s;
        EXPECT_EQ(p.mesa(s).mensaje->toolTip(), QStringLiteral("Mensaje para ") + p.enAsiento((s + 2) % 4).nombre);
    }
    // Seat 1 reaches seat 3 alone; seat 2 reaches the host alone.
    charlar(p, 1, QStringLiteral("vamos bien"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.mesa(3).LC->caption() == QStringLiteral("\"vamos bien\""); }, 3000));
    charlar(p, 2, QStringLiteral("soy tu pareja"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.mesa(0).LC->caption() == QStringLiteral("\"soy tu pareja\""); }, 3000));
    charlar(p, 0, QStringLiteral("dale"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.mesa(2).LC->caption() == QStringLiteral("\"dale\""); }, 3000));
    ASSERT_TRUE(p.calmar());
    for (int s = 0; s < 4; ++s)
        for (Etiqueta* l : {p.mesa(s).LD, p.mesa(s).LI, p.mesa(s).LH})
            EXPECT_FALSE(l->caption().startsWith(QLatin1Char('"'))) << s;
    EXPECT_EQ(p.mesa(1).LC->caption(), QString());
    EXPECT_EQ(p.desacuerdo(), QString());

    // A face changed at seat 1 reaches every other table; his partner (seat
    // 3) hears it in his voice.
    const int antes = p.cliente(3)->voz().toInt();
    p.mesa(1).Command6->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.cliente(3)->voz().toInt() == (antes + 1) % 15; }, 3000));
    EXPECT_TRUE(p.calmar());
    EXPECT_EQ(p.mesa(0).car[1]->picture().toImage(), p.mesa(1).car[0]->picture().toImage());
    EXPECT_EQ(p.mesa(2).car[3]->picture().toImage(), p.mesa(1).car[0]->picture().toImage());
    // A few moves, to look at the four tables in the middle of a hand.
    ASSERT_TRUE(p.avanzar(7));
    ASSERT_TRUE(p.calmar());
    for (int s = 0; s < 4; ++s)
        captura(&p.mesa(s), QStringLiteral("cuatro-asiento%1").arg(s));
}

struct CuatroCaida : ::testing::TestWithParam<int> {};

TEST_P(CuatroCaida, AClientLeavingReleasesEveryTable)
{
    PartidaCuatro p(5);
    ASSERT_TRUE(p.empezar(2, 0));
    ASSERT_TRUE(p.avanzar(GetParam()));
    // Seat 3 leaves from the menu at once, whatever is under way.
    MesaCuatroDePrueba& sale = p.enAsiento(3);
    sale.m.fake.dialogs.answers.push_back(true);
    sale.f().red_Click();
    EXPECT_TRUE(sale.f().jred().isVisible());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return mostro(p.enAsiento(0), QStringLiteral("El jugador ") + sale.nombre + QStringLiteral(" se ha desconectado")); },
        5000));
    for (int s : {1, 2})
        EXPECT_TRUE(QTest::qWaitFor([&] { return mostro(p.enAsiento(s), kServidor); }, 5000)) << s;
    EXPECT_FALSE(mostro(sale, kServidor));
    todasLibres(p);
}

INSTANTIATE_TEST_SUITE_P(Momentos, CuatroCaida, ::testing::Values(0, 5, 23));

TEST(CuatroCaida, TheHostLeavingFromTheMenuReleasesEveryTable)
{
    PartidaCuatro p(6);
    ASSERT_TRUE(p.empezar(3, 1));
    ASSERT_TRUE(p.actuar(p.host().mano().turno()));
    Form1& h = p.mesa(0);
    p.enAsiento(0).m.fake.dialogs.answers.push_back(true);
    h.red_Click();
    EXPECT_TRUE(p.enAsiento(0).m.fake.dialogs.texts().contains(
        QStringLiteral("Se está jugando en este momento, ¿Desea abandonar el partdo? ")));
    EXPECT_TRUE(h.dea4().isHidden());
    EXPECT_TRUE(h.jred().isVisible());
    for (int s = 1; s <= 3; ++s)
        EXPECT_TRUE(QTest::qWaitFor([&] { return mostro(p.enAsiento(s), kServidor); }, 5000)) << s;
    todasLibres(p);
    // The table goes back to two seats for the next game.
    h.jred().hide();
    p.enAsiento(0).m.empezar();
    EXPECT_FALSE(h.esDisposicionCuatro());
    EXPECT_TRUE(h.asiento().manoEnJuego());
}

}  // namespace
