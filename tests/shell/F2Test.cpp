#include "shell/f2.h"
#include "support/TestTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString tag(const f2& w) { return w.Image3->property("tag").toString(); }

// Runs the given steps once the modal window is up.
void alMostrarse(std::function<void()> pasos) { QTimer::singleShot(0, std::move(pasos)); }

}  // namespace

TEST(f2, LoadsTheVersionAndSpanishMeansNoFlor)
{
    FakeServices fs;
    {
        f2 w(fs.services);
        EXPECT_TRUE(w.Option3->isChecked());

        w.OptEsp->click();
        EXPECT_TRUE(w.Option4->isChecked());
        EXPECT_TRUE(w.Image1->isHidden());
        EXPECT_FALSE(w.Image4->isHidden());

        // The player may still ask for flor.
        w.Option3->click();
        EXPECT_TRUE(w.Option3->isChecked());
        EXPECT_TRUE(w.OptEsp->isChecked());
        EXPECT_FALSE(w.Image1->isHidden());
        EXPECT_TRUE(w.Image4->isHidden());
    }
    EXPECT_TRUE(fs.settings.values.isEmpty());
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
        w.OptEsp->click();
        w.Option1->click();
        w.Command2->click();
        w.Nombre->setText("Pepe");
        w.close();
    });
    EXPECT_EQ(w.mostrar(3), "1");
    EXPECT_EQ(w.result(), QDialog::Rejected);

    bool visto = false;
    alMostrarse([&] {
        visto = true;
        EXPECT_TRUE(w.OptEsp->isChecked());
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
    EXPECT_EQ(fs.settings.get("Truco", "Version", "Pais"), "2");
    EXPECT_EQ(fs.settings.get("Truco", "cara", "Numero"), "6");
    EXPECT_EQ(fs.settings.get("Truco", "Config", "nombre"), "Ana");

    const f2::Eleccion e = w.eleccion();
    EXPECT_EQ(e.variante, 2);
    EXPECT_TRUE(e.conFlor);

    // Next time: the saved name comes back selected, ready to be typed over;
    // Enter starts the game with the South American deck.
    alMostrarse([&] {
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
    EXPECT_TRUE(w.eleccion().computadoraEmpieza);
}

// The options window's arrows go round the fifteen faces both ways.
TEST(f2, LasFlechasDeLaCaraDanLaVuelta)
{
    FakeServices fs;
    f2 w(fs.services);
    QStringList vistas;
    alMostrarse([&] {
        w.Command3->click();  // before the first
        vistas << tag(w);
        w.Command2->click();  // after the last
        vistas << tag(w);
        w.Command3->click();
        w.Command1->click();
    });
    EXPECT_EQ(w.mostrar(0), "0");
    EXPECT_EQ(vistas, (QStringList{"14", "0"}));
    EXPECT_EQ(fs.settings.get("Truco", "cara", "Numero"), "14");
}

TEST(f2, EveryFrameIsAsTallAsWhatItHolds)
{
    FakeServices fs;
    f2 w(fs.services);
    w.show();
    captura(&w, QStringLiteral("f2"));
    // "¿Quién empieza?" holds the face, 64 high: no band of empty frame.
    for (QGroupBox* marco : {w.FraEmpieza, w.FraVersion}) {
        SCOPED_TRACE(marco->objectName().toStdString());
        EXPECT_LE(marco->height(), marco->sizeHint().height() + 2);
    }
    EXPECT_LE(w.FraEmpieza->height(), w.Image3->height() + 2 * QFontMetrics(w.font()).lineSpacing() + 24);
}
