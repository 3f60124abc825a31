// The computer's level in "Opciones del juego": offered, chosen, remembered.
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

TEST(f2Nivel, NormalDeEntradaYLaEleccionSeRecuerda)
{
    FakeServices fs;
    {
        f2 w(fs.services);
        EXPECT_EQ(w.OptNivel[0]->accessibleDescription(), "OptNivel(0)");
        EXPECT_EQ(w.OptNivel[1]->accessibleDescription(), "OptNivel(1)");
        EXPECT_EQ(w.OptNivel[0]->accessibleName(), "Normal");
        EXPECT_EQ(w.OptNivel[1]->accessibleName(), "Difícil");
        EXPECT_TRUE(w.OptNivel[0]->isChecked());
        EXPECT_EQ(w.eleccion().nivel, 0);

        // Chosen and closed: nothing is kept.
        alMostrarse([&] {
            w.OptNivel[1]->click();
            w.close();
        });
        EXPECT_EQ(w.mostrar(0), "1");
        EXPECT_TRUE(fs.settings.values.isEmpty());

        alMostrarse([&] {
            EXPECT_TRUE(w.OptNivel[1]->isChecked()) << "the window keeps what was chosen";
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(w.eleccion().nivel, 1);
        EXPECT_EQ(fs.settings.get("Truco", "Config", "Nivel"), "1");
    }
    // The next start of the game offers it again.
    {
        f2 w(fs.services);
        EXPECT_TRUE(w.OptNivel[1]->isChecked());
        EXPECT_FALSE(w.OptNivel[0]->isChecked());
        alMostrarse([&] {
            w.OptNivel[0]->click();
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(fs.settings.get("Truco", "Config", "Nivel"), "0");
    }
    f2 otra(fs.services);
    EXPECT_TRUE(otra.OptNivel[0]->isChecked());
    // A value nobody wrote reads as the default.
    fs.settings.save("Truco", "Config", "Nivel", "7");
    f2 rara(fs.services);
    EXPECT_TRUE(rara.OptNivel[0]->isChecked());
}

TEST(f2Nivel, EnRedNoSeOfreceNiSeGuarda)
{
    FakeServices fs;
    fs.settings.save("Truco", "Config", "Nivel", "1");
    f2 w(fs.services);
    w.paraRed("Beto", "Ana");
    alMostrarse([&] {
        EXPECT_TRUE(w.FraNivel->isHidden());
        w.OptNivel[0]->click();
        w.Command1->click();
    });
    EXPECT_EQ(w.mostrar(0), "0");
    EXPECT_EQ(fs.settings.get("Truco", "Config", "Nivel"), "1");
    w.paraMaquina();
    EXPECT_FALSE(w.FraNivel->isHidden());
}
