// Four tables in pairs over loopback: whole matches, the chat between
// partners, and every table released when someone leaves.
#include "net/AsientoCuatro.h"
#include "net/ClienteCuatro.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "support/PartidaCuatro.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Cuatro : ::testing::TestWithParam<unsigned> {};

TEST_P(Cuatro, WholeMatchAgreesOnEveryTable)
{
    PartidaCuatro p(GetParam());
    ASSERT_TRUE(p.empezar(GetParam() % 3 + 1, GetParam() % 4));
    EXPECT_EQ(p.desacuerdo(), QString());
    // The deal moves one seat on each hand.
    std::vector<int> repartidores{p.host().repartidor()};
    QObject::connect(&p.mesa(0), &Form1::manoRepartida, [&] { repartidores.push_back(p.host().repartidor()); });
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    EXPECT_GE(repartidores.size(), 6u);
    for (std::size_t i = 1; i < repartidores.size(); ++i)
        EXPECT_EQ(repartidores[i], (repartidores[i - 1] + 1) % 4) << i;
    const int m = p.mesa(0).PuntosM->caption().toInt(), h = p.mesa(0).PuntosH->caption().toInt();
    EXPECT_TRUE((m == 30) != (h == 30)) << m << "-" << h;
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
    // Everyone goes back to the connection window, and nobody is told that
    // someone left.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (int s = 0; s < 4; ++s)
            if (!p.mesa(s).jred().isVisible() || p.mesa(s).RedCuatro)
                return false;
        return true;
    }, 5000));
    for (int s = 0; s < 4; ++s)
        for (const auto& d : p.enAsiento(s).m.fake.dialogs.shown)
            EXPECT_NE(d.icon, Dialogs::Icon::Error) << s << " " << d.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Semillas, Cuatro, ::testing::Values(1u, 4u, 7u));

}  // namespace
