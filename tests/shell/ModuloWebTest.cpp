// Without a working page module the sponsor's area falls back to a link that
// opens the page outside; the module itself is loaded on X by ArranqueEnX.
#include "platform/Web.h"
#include "shell/Navegador.h"
#include "shell/Vinculo.h"
#include "support/TestTable.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ModuloWeb : ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ModuloWeb, SinMotorLaPaginaQuedaComoEnlace)
{
    // Missing, or a library that is not the page module.
    MotorModulo motor(executableFolder() + QLatin1Char('/') + QString::fromLatin1(GetParam()));
    Navegador n(QStringLiteral("Nav"), &motor, nullptr);
    QSignalSpy fuera(&n, &Navegador::abrirFuera);
    n.Navigate(QStringLiteral("http://s1.example/oferta"));
    EXPECT_FALSE(motor.cargado());
    EXPECT_FALSE(n.paginaCreada());
    ASSERT_NE(n.enlace(), nullptr);
    EXPECT_TRUE(n.enlace()->caption().endsWith("s1.example")) << n.enlace()->caption().toStdString();
    n.enlace()->press();
    ASSERT_EQ(fuera.size(), 1);
    EXPECT_EQ(fuera.at(0).at(0).toUrl(), QUrl("http://s1.example/oferta"));
}

INSTANTIATE_TEST_SUITE_P(Modulos, ModuloWeb, ::testing::Values("NoExiste.so", "Mswinsck.ocx"));
