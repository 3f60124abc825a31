// A four-player client that floods the host: refused moves cost nothing,
// the host's queue stays short, and a flooder is dropped like one who left.
#include "game/AsientoCuatro.h"
#include "game/ClienteCuatro.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "net/rules/Protocolo.h"
#include "support/CaidaCuatro.h"
#include "support/PartidaCuatro.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Raw bytes on the wire of the client at seat s, as a hostile program
// would write them.
void crudo(PartidaCuatro& p, int s, const QByteArray& bytes)
{
    p.mesa(s).jred().enlace().ws().SendData(bytes);
}

// The host's wire to the client at seat s.
Enlace& alAsiento(PartidaCuatro& p, int s) { return p.dea4().Ws(p.dea4().asientos.AsientoSocket[s]); }

// Plays on until a client's card is due and nobody waits for anything.
int turnoDeCliente(PartidaCuatro& p)
{
    for (int a = 0; a < 12; ++a) {
        if (!p.calmar())
            return -1;
        const int t = p.host().mano().turno();
        if (t > 0 && p.host().mano().puedeJugar(t))
            return t;
        if (!p.actuar(t))
            return -1;
    }
    return -1;
}

TEST(CuatroInundacion, RefusedMovesCostNoPauseAndQueueNothing)
{
    PartidaCuatro p(11);
    ASSERT_TRUE(p.empezar(2, 3));
    const int turno = turnoDeCliente(p);
    ASSERT_GT(turno, 0);
    // A client whose card is not due and who is asked nothing.
    const int s = turno % 3 + 1;
    ASSERT_NE(s, p.host().mano().turno());
    ASSERT_FALSE(p.host().mano().puedeJugar(s));
    const double antes = p.enAsiento(0).m.fake.clock.now();
    QByteArray rafaga;
    const std::string ajena = p.host().mano().manos()[turno][0];
    for (int i = 0; i < 40; ++i)
        rafaga += QByteArray("4MAZ") + "4TRU" + "4QUI" + "JUGC0" + QByteArray::fromStdString(ajena);
    crudo(p, s, rafaga);
    // Then an honest face change from him: handled after the rest.
    const int cara = (p.dea4().jugadores().caras[s] + 1) % 15;
    crudo(p, s, QByteArray::fromStdString(protocolo::nick(p.enAsiento(s).nombre.toStdString(), cara)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.dea4().jugadores().caras[s] == cara; }, 10000));
    ASSERT_TRUE(p.calmar());
    EXPECT_EQ(p.enAsiento(0).m.fake.clock.now(), antes);
    EXPECT_LE(p.host().maximoEnCola(), 1);
    // The game goes on: the card due is still due, and can be played.
    EXPECT_EQ(p.host().mano().turno(), turno);
    EXPECT_TRUE(p.actuar(turno));
    EXPECT_TRUE(p.calmar());
    EXPECT_EQ(p.desacuerdo(), QString());
}

struct Inundacion : ::testing::TestWithParam<const char*> {};

TEST_P(Inundacion, AMegabyteFromTheClientOnTurnDropsHimAndEndsTheGameCleanly)
{
    PartidaCuatro p(12);
    ASSERT_TRUE(p.empezar(2, 3));
    const int s = turnoDeCliente(p);
    ASSERT_GT(s, 0);
    QByteArray uno(GetParam());
    if (uno == "JUGC")
        uno += "0" + QByteArray::fromStdString(p.host().mano().manos()[s][0]);
    // Only the queue may stop him here, not the amount received.
    alAsiento(p, s).entradaMaxima = std::size_t(1) << 30;
    const double antes = p.enAsiento(0).m.fake.clock.now();
    const QString nombre = p.enAsiento(s).nombre;
    crudo(p, s, uno.repeated((1 << 20) / uno.size()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return mostro(p.enAsiento(0), QStringLiteral("El jugador ") + nombre + QStringLiteral(" se ha desconectado")); },
        20000));
    EXPECT_LE(p.host().maximoEnCola(), AsientoCuatro::kColaPorCliente);
    // No more than a few paced moves went by on the host.
    EXPECT_LT(p.enAsiento(0).m.fake.clock.now() - antes, 10.0);
    for (int k = 1; k <= 3; ++k) {
        if (k != s) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return mostro(p.enAsiento(k), kServidor); }, 5000)) << k;
        }
    }
    todasLibres(p);
}

INSTANTIATE_TEST_SUITE_P(Clases, Inundacion, ::testing::Values("4MAZ", "JUGC", "4TRU"));

TEST(CuatroInundacion, AnOverlongChatLineIsNotRelayed)
{
    PartidaCuatro p(13);
    ASSERT_TRUE(p.empezar(1, 3));
    // Seat 1's lines go to seat 3 through the host.
    crudo(p, 1, "MENS" + QByteArray(300, 'a') + "BTON1111111111");
    ASSERT_TRUE(QTest::qWaitFor([&] { return mostro(p.enAsiento(0), QStringLiteral("Mensaje demasiado largo")); }, 5000));
    p.mesa(1).mensaje->setText(QStringLiteral("sigo"));
    p.mesa(1).enviar->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.mesa(3).LC->caption() == QStringLiteral("\"sigo\""); }, 5000));
    ASSERT_TRUE(p.calmar());
    EXPECT_EQ(p.desacuerdo(), QString());
    EXPECT_FALSE(mostro(p.enAsiento(3), QStringLiteral("error")));
}

// Counts the calls queued to an object.
struct Llamadas : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MetaCall)
            ++n;
        return false;
    }
};

TEST(CuatroInundacion, TheEndOfTheMatchWaitsForTheQueueWithoutSpinning)
{
    PartidaCuatro p(14);
    ASSERT_TRUE(p.empezar(2, 3));
    const int turno = turnoDeCliente(p);
    ASSERT_GT(turno, 0);
    int vueltas = 0;
    auto original = p.host().alTerminar;
    p.host().alTerminar = [&] { ++vueltas; };
    Llamadas llamadas;
    Form1& h = p.mesa(0);
    // The match ends while the host is inside an action that waits: a card
    // from the client on turn, relayed to the others. Meanwhile the host
    // keeps a box open for a moment, as a person would.
    bool hecho = false;
    int duranteLaEspera = -1;
    p.enAsiento(0).m.fake.clock.onWait = [&](bool) {
        if (hecho || p.host().quieto())
            return;
        hecho = true;
        p.host().partidoTerminado();
        h.installEventFilter(&llamadas);
        QTest::qWait(300);
        duranteLaEspera = llamadas.n;
        h.removeEventFilter(&llamadas);
    };
    ASSERT_TRUE(p.actuar(turno));
    ASSERT_TRUE(QTest::qWaitFor([&] { return hecho && p.host().quieto(); }, 10000));
    p.enAsiento(0).m.fake.clock.onWait = nullptr;
    EXPECT_GE(duranteLaEspera, 0);
    EXPECT_LT(duranteLaEspera, 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vueltas == 1; }, 5000));
    p.host().alTerminar = original;
}

}  // namespace
