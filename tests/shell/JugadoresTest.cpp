// How many play, in "Opciones del juego": two by default, four in pairs when
// chosen, remembered, and not offered over the network.
#include "shell/f2.h"
#include "support/TestTable.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void alMostrarse(std::function<void()> pasos) { QTimer::singleShot(0, std::move(pasos)); }
}  // namespace

TEST(f2Jugadores, DosDeEntradaCuatroSeRecuerda)
{
    FakeServices fs;
    {
        f2 w(fs.services);
        EXPECT_EQ(w.OptJugadores[0]->accessibleDescription(), "OptJugadores(0)");
        EXPECT_EQ(w.OptJugadores[1]->accessibleDescription(), "OptJugadores(1)");
        EXPECT_EQ(w.OptJugadores[0]->accessibleName(), "2");
        EXPECT_EQ(w.OptJugadores[1]->accessibleName(), "4 (en parejas)");
        EXPECT_TRUE(w.OptJugadores[0]->isChecked());
        EXPECT_EQ(w.eleccion().jugadores, 2);
        EXPECT_TRUE(w.FraNivel->isEnabled());

        alMostrarse([&] {
            w.OptJugadores[1]->click();
            // In pairs the computers play at Normal: no level to choose.
            EXPECT_FALSE(w.FraNivel->isEnabled());
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(w.eleccion().jugadores, 4);
        EXPECT_EQ(fs.settings.get("Truco", "Config", "Jugadores"), "4");
    }
    {
        f2 w(fs.services);
        EXPECT_TRUE(w.OptJugadores[1]->isChecked()) << "the next start offers four again";
        EXPECT_FALSE(w.FraNivel->isEnabled());
        alMostrarse([&] {
            w.OptJugadores[0]->click();
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(fs.settings.get("Truco", "Config", "Jugadores"), "2");
    }
    fs.settings.save("Truco", "Config", "Jugadores", "3");
    f2 rara(fs.services);
    EXPECT_TRUE(rara.OptJugadores[0]->isChecked()) << "a value nobody wrote reads as two";
}

TEST(f2Jugadores, EnRedNoSeOfreceNiSeGuarda)
{
    FakeServices fs;
    fs.settings.save("Truco", "Config", "Jugadores", "4");
    f2 w(fs.services);
    w.paraRed("Beto", "Ana");
    alMostrarse([&] {
        EXPECT_TRUE(w.FraJugadores->isHidden());
        w.OptJugadores[0]->click();
        w.Command1->click();
    });
    EXPECT_EQ(w.mostrar(0), "0");
    EXPECT_EQ(fs.settings.get("Truco", "Config", "Jugadores"), "4");
    w.paraMaquina();
    EXPECT_FALSE(w.FraJugadores->isHidden());
}
