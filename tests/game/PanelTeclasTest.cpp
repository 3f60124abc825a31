// The switch "Sin Sonido" and the keys of the call panel, on a real table.
#include "game/Form1.h"
#include "support/Jugador.h"

#include <QAction>
#include <map>
#include <vector>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Tecla {
    const char* boton;  // accessible name of the button
    Qt::Key tecla;
    Qt::KeyboardModifiers mods;
};

struct TeclaDelPanel : ::testing::TestWithParam<Tecla> {};

}  // namespace

// Each call button answers its own key, and only that key presses it: all ten
// are enabled at once, as when every call is open.
TEST_P(TeclaDelPanel, PulsaSuBotonYNingunOtro)
{
    MesaDePrueba m;
    m.form.show();
    m.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m.form));
    std::map<QString, int> pulsados;
    std::vector<QPushButton*> botones;
    for (const char* nombre : {"bt(0)", "bt(1)", "bt(2)", "bt(3)", "bt(4)", "bt(5)", "bt(6)", "bt(7)", "Flor", "AlMazo"}) {
        auto* b = m.form.findChild<QPushButton*>(QString::fromLatin1(nombre));
        ASSERT_NE(b, nullptr) << nombre;
        // Only the key is under test, not what the call does outside a match.
        QObject::disconnect(b, &QPushButton::clicked, nullptr, nullptr);
        QObject::connect(b, &QPushButton::clicked, [&pulsados, n = b->objectName()] { ++pulsados[n]; });
        b->setEnabled(true);
        botones.push_back(b);
    }
    const Tecla t = GetParam();
    const QString esperado = QString::fromLatin1(t.boton);
    // Through the window, as a key from the keyboard comes. A shortcut shows
    // its button down at once and clicks it a moment later.
    QTest::keyClick(m.form.windowHandle(), t.tecla, t.mods);
    QStringList abajo;
    for (QPushButton* b : botones)
        if (b->isDown())
            abajo << b->objectName();
    EXPECT_EQ(abajo, QStringList{esperado});
    ASSERT_TRUE(QTest::qWaitFor([&] { return pulsados[esperado] == 1; }, 5000));
    EXPECT_EQ(pulsados, (std::map<QString, int>{{esperado, 1}}));
}

INSTANTIATE_TEST_SUITE_P(Llamadas, TeclaDelPanel,
                         ::testing::Values(Tecla{"bt(0)", Qt::Key_T, Qt::NoModifier},  // Truco
                                           Tecla{"bt(1)", Qt::Key_Q, Qt::NoModifier},  // Quiero
                                           Tecla{"bt(2)", Qt::Key_E, Qt::NoModifier},  // Envido
                                           Tecla{"bt(3)", Qt::Key_N, Qt::NoModifier},  // No Quiero
                                           Tecla{"bt(4)", Qt::Key_R, Qt::NoModifier},  // Real Envido
                                           Tecla{"bt(5)", Qt::Key_R, Qt::ShiftModifier},  // Quiero retruco
                                           Tecla{"bt(6)", Qt::Key_F, Qt::NoModifier},  // Falta Envido
                                           Tecla{"bt(7)", Qt::Key_V, Qt::NoModifier},  // Quiero Vale 4
                                           Tecla{"Flor", Qt::Key_L, Qt::NoModifier},
                                           Tecla{"AlMazo", Qt::Key_M, Qt::NoModifier}));

// "Sin Sonido" is kept in the settings and silences the table at once (the
// start-up tests read it back).
TEST(SinSonido, SeGuardaYCallaLaMesa)
{
    MesaDePrueba m;
    ASSERT_FALSE(m.form.nosonido->isChecked());
    m.form.Sonar(0, 0, QStringLiteral("1"));  // "quiero"
    ASSERT_EQ(m.fake.sound.played.size(), 1);

    m.form.nosonido->trigger();
    EXPECT_EQ(m.fake.settings.get("Truco", "Sonido", "habilitado"), "-1");
    m.form.Sonar(0, 0, QStringLiteral("1"));
    EXPECT_EQ(m.fake.sound.played.size(), 1);

    m.form.nosonido->trigger();
    EXPECT_EQ(m.fake.settings.get("Truco", "Sonido", "habilitado"), "0");
    m.form.Sonar(0, 0, QStringLiteral("1"));
    EXPECT_EQ(m.fake.sound.played.size(), 2);
}

// The arrows under the player's face go round the fifteen faces: before the
// first comes the last, after the last the first; each choice is kept.
TEST(CaraDeLaMesa, LasFlechasDanLaVuelta)
{
    MesaDePrueba m;
    ASSERT_EQ(m.form.carTag, "0");
    m.form.Command5->click();
    EXPECT_EQ(m.form.carTag, "14");
    EXPECT_EQ(m.fake.settings.get("Truco", "cara", "Numero"), "14");
    m.form.Command6->click();
    EXPECT_EQ(m.form.carTag, "0");
    EXPECT_EQ(m.fake.settings.get("Truco", "cara", "Numero"), "0");
}
