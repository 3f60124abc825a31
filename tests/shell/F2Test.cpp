#include "shell/f2.h"
#include "shell/rules/Caras.h"
#include "support/TestTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString tag(const f2& w) { return w.Image3->property("tag").toString(); }

bool muestra(const f2& w, int cara)
{
    return !w.Cara[cara].isNull()
           && w.Image3->pixmap().toImage() == w.Cara[cara].toImage();
}

// Runs the given steps once the modal window is up.
void alMostrarse(std::function<void()> pasos) { QTimer::singleShot(0, std::move(pasos)); }

}  // namespace

TEST(f2, LoadsTheVersionAndSpanishMeansNoFlor)
{
    FakeServices fs;
    {
        f2 w(fs.services);
        EXPECT_EQ(w.windowTitle(), "Opciones del juego");
        EXPECT_TRUE(w.OptArg->isChecked());
        EXPECT_EQ(w.VarianteJuego, 1);
        EXPECT_TRUE(w.Option3->isChecked());
        EXPECT_FALSE(w.Option1->isChecked());
        EXPECT_FALSE(w.Option2->isChecked());
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Image4->isHidden());

        w.OptEsp->click();
        EXPECT_TRUE(w.Option4->isChecked());
        EXPECT_FALSE(w.Option3->isChecked());
        EXPECT_TRUE(w.Image1->isHidden());
        EXPECT_FALSE(w.Image4->isHidden());

        // The player may still ask for flor.
        w.Option3->click();
        EXPECT_TRUE(w.Option3->isChecked());
        EXPECT_TRUE(w.OptEsp->isChecked());
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Image4->isHidden());

        EXPECT_EQ(w.OptEsp->accessibleDescription(), "OptEsp");
        EXPECT_EQ(w.OptEsp->accessibleName(), "Española");
        EXPECT_EQ(w.Command1->accessibleName(), "Comenzar a jugar");
        EXPECT_TRUE(w.Command1->isDefault());
    }
    EXPECT_TRUE(fs.settings.values.isEmpty());

    fs.settings.save("Truco", "Version", "Pais", "2");
    f2 w(fs.services);
    EXPECT_TRUE(w.OptEsp->isChecked());
    EXPECT_TRUE(w.Option4->isChecked());
    EXPECT_EQ(w.VarianteJuego, 2);
}

TEST(f2, TheVersionIsReadAsANumber)
{
    FakeServices fs;
    for (const char* pais : {"01", " 1"}) {
        fs.settings.save("Truco", "Version", "Pais", QString::fromLatin1(pais));
        f2 w(fs.services);
        EXPECT_EQ(w.VarianteJuego, 1) << pais;
        EXPECT_TRUE(w.OptArg->isChecked()) << pais;
    }
    fs.settings.save("Truco", "Version", "Pais", "2");
    f2 esp(fs.services);
    EXPECT_EQ(esp.VarianteJuego, 2);
    fs.settings.save("Truco", "Version", "Pais", "x");  // unreadable: the default
    f2 def(fs.services);
    EXPECT_EQ(def.VarianteJuego, 1);
}

TEST(f2, ClosingKeepsTheChoicesAndSavesNothing)
{
    FakeServices fs;
    f2 w(fs.services);
    alMostrarse([&] {
        EXPECT_TRUE(w.isVisible());
        w.OptEsp->click();
        w.Option1->click();
        w.Command2->click();
        w.Nombre->setText("Pepe");
        w.close();
    });
    EXPECT_EQ(w.mostrar(3), "1");
    EXPECT_EQ(w.tag(), "1");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fs.settings.values.isEmpty());

    bool visto = false;
    alMostrarse([&] {
        visto = true;
        EXPECT_TRUE(w.OptEsp->isChecked());
        EXPECT_TRUE(w.Option4->isChecked());
        EXPECT_TRUE(w.Option1->isChecked());
        EXPECT_EQ(tag(w), "4");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(w.mostrar(4), "1");
    EXPECT_TRUE(visto);
    EXPECT_TRUE(fs.settings.values.isEmpty());
}

TEST(f2, StartingSavesTheChoicesAndReportsThem)
{
    FakeServices fs;
    f2 w(fs.services);
    alMostrarse([&] {
        w.OptEsp->click();
        w.Option3->click();
        w.Option2->click();
        w.Command2->click();
        QTest::keyClicks(w.Nombre, "Ana");
        w.Command1->click();
    });
    EXPECT_EQ(w.mostrar(5), "0");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.VarianteJuego, 2);
    EXPECT_EQ(fs.settings.get("Truco", "Version", "Pais"), "2");
    EXPECT_EQ(fs.settings.get("Truco", "cara", "Numero"), "6");
    EXPECT_EQ(fs.settings.get("Truco", "Config", "nombre"), "Ana");

    const f2::Eleccion e = w.eleccion();
    EXPECT_EQ(e.variante, 2);
    EXPECT_TRUE(e.conFlor);
    EXPECT_FALSE(e.computadoraEmpieza);
    EXPECT_EQ(e.cara, 6);
    EXPECT_EQ(e.nombre, "Ana");

    // Next time: the saved name comes back selected, ready to be typed over;
    // Enter starts the game with the South American deck.
    alMostrarse([&] {
        EXPECT_EQ(w.Nombre->text(), "Ana");
        EXPECT_EQ(w.Nombre->selectedText(), "Ana");
        EXPECT_EQ(w.focusWidget(), w.Nombre);
        w.OptArg->click();
        w.Option1->click();
        QTest::keyClicks(w.Nombre, "Eva");
        QTest::keyClick(w.Nombre, Qt::Key_Return);
    });
    EXPECT_EQ(w.mostrar(14), "0");
    EXPECT_EQ(fs.settings.get("Truco", "Version", "Pais"), "1");
    EXPECT_EQ(fs.settings.get("Truco", "Config", "nombre"), "Eva");
    EXPECT_EQ(fs.settings.get("Truco", "cara", "Numero"), "14");
    EXPECT_EQ(w.VarianteJuego, 1);
    EXPECT_TRUE(w.eleccion().computadoraEmpieza);
    EXPECT_EQ(w.eleccion().variante, 1);
}

TEST(f2, FaceButtonsWrapAndShowTheFace)
{
    FakeServices fs;
    f2 w(fs.services);
    for (int i = 0; i < cantidadCaras; ++i) {
        EXPECT_FALSE(w.Cara[i].isNull()) << "face " << i;
        EXPECT_EQ(w.Cara[i].size(), QSize(128, 128));
    }
    EXPECT_EQ(w.Image3->size(), QSize(64, 64));
    EXPECT_EQ(w.Command2->toolTip(), "Cambiar cara");
    EXPECT_EQ(w.Command3->toolTip(), "Cambiar cara");

    EXPECT_EQ(tag(w), "0");
    w.Command3->click();
    EXPECT_EQ(tag(w), "14");
    EXPECT_TRUE(muestra(w, 14));
    w.Command2->click();
    EXPECT_EQ(tag(w), "0");
    EXPECT_TRUE(muestra(w, 0));
    w.Command2->click();
    w.Command2->click();
    EXPECT_EQ(tag(w), "2");
    EXPECT_TRUE(muestra(w, 2));
    EXPECT_TRUE(fs.settings.values.isEmpty());
}

TEST(f2, EveryShowReadsTheSavedName)
{
    FakeServices fs;
    fs.settings.save("truco", "config", "NOMBRE", "Lucía");
    f2 w(fs.services);
    w.show();
    EXPECT_EQ(w.Nombre->text(), "Lucía");
    EXPECT_EQ(w.Nombre->selectedText(), "Lucía");
    w.hide();
    fs.settings.save("Truco", "Config", "nombre", "Otro");
    w.show();
    EXPECT_EQ(w.Nombre->text(), "Otro");
    EXPECT_EQ(w.focusWidget(), w.Nombre);
    w.hide();
}
