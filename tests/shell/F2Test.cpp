#include "shell/f2.h"
#include "support/TestTable.h"

#include <QCoreApplication>
#include <QEvent>
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

// Choosing flor or no flor swaps the two pictures in one place: nothing
// else in the window moves, and the window is not laid out again.
TEST(f2, TheFlorPicturesSwapInPlace)
{
    FakeServices fs;
    f2 w(fs.services);
    w.show();
    QCoreApplication::processEvents();
    struct Contador : QObject {
        int pedidos = 0;
        // Only a widget with a layout lays its children out on a request.
        bool eventFilter(QObject* o, QEvent* e) override
        {
            const auto* v = qobject_cast<QWidget*>(o);
            pedidos += e->type() == QEvent::LayoutRequest && v && v->layout();
            return false;
        }
    } contador;
    for (QWidget* v : w.findChildren<QWidget*>())
        v->installEventFilter(&contador);
    w.installEventFilter(&contador);
    const auto centro = [&](QLabel* l) { return l->mapTo(&w, l->rect().center()); };
    const QPoint conFlor = centro(w.Image1);
    const QRect marco = w.FraFlor->geometry();

    w.Option4->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.Image1->isHidden());
    EXPECT_FALSE(w.Image4->isHidden());
    EXPECT_EQ(centro(w.Image4), conFlor);
    w.Option3->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.Image1->isHidden());
    EXPECT_EQ(centro(w.Image1), conFlor);
    EXPECT_EQ(w.FraFlor->geometry(), marco);
    EXPECT_EQ(contador.pedidos, 0);
}

TEST(f2, TheVersionIsReadAsANumber)
{
    FakeServices fs;
    for (const auto& [pais, variante] : {std::pair{"01", 1}, {" 1", 1}, {"2", 2}, {"x", 1}}) {
        fs.settings.save("Truco", "Version", "Pais", QString::fromLatin1(pais));
        f2 w(fs.services);
        EXPECT_EQ(w.VarianteJuego, variante) << pais;
        EXPECT_EQ(w.OptArg->isChecked(), variante == 1) << pais;
    }
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

// The computer's level and how many play: the first offered by default, the
// other remembered once chosen, neither offered nor saved over the network.
namespace {

struct Grupo {
    const char* objeto;
    std::array<QRadioButton*, 2> f2::*opciones;
    QGroupBox* f2::*marco;
    const char* clave;
    const char* nombres[2];
    const char* valores[2];
    const char* raro;  // a value nobody wrote
    int (*elegido)(const f2::Eleccion&);
    bool nivelConLaSegunda;  // in pairs the computers play at Normal
};

void PrintTo(const Grupo& g, std::ostream* os) { *os << g.clave; }

class f2Grupo : public ::testing::TestWithParam<Grupo> {};

}  // namespace

TEST_P(f2Grupo, ElPrimeroDeEntradaElOtroSeRecuerdaYEnRedNoSeOfrece)
{
    const Grupo& g = GetParam();
    FakeServices fs;
    auto guardado = [&] { return fs.settings.get("Truco", "Config", g.clave); };
    {
        f2 w(fs.services);
        auto& o = w.*g.opciones;
        for (int i : {0, 1}) {
            EXPECT_EQ(o[i]->accessibleDescription(), QStringLiteral("%1(%2)").arg(g.objeto).arg(i));
            EXPECT_EQ(o[i]->accessibleName(), QString::fromUtf8(g.nombres[i]));
        }
        EXPECT_TRUE(o[0]->isChecked());
        EXPECT_EQ(g.elegido(w.eleccion()), QString::fromLatin1(g.valores[0]).toInt());
        EXPECT_TRUE(w.FraNivel->isEnabled());
        // Chosen and closed: nothing is kept, but the window keeps it.
        alMostrarse([&] {
            o[1]->click();
            EXPECT_EQ(w.FraNivel->isEnabled(), g.nivelConLaSegunda);
            w.close();
        });
        EXPECT_EQ(w.mostrar(0), "1");
        EXPECT_TRUE(fs.settings.values.isEmpty());
        alMostrarse([&] {
            EXPECT_TRUE(o[1]->isChecked());
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(g.elegido(w.eleccion()), QString::fromLatin1(g.valores[1]).toInt());
        EXPECT_EQ(guardado(), g.valores[1]);
    }
    {
        f2 w(fs.services);
        auto& o = w.*g.opciones;
        EXPECT_TRUE(o[1]->isChecked()) << "the next start offers it again";
        EXPECT_EQ(w.FraNivel->isEnabled(), g.nivelConLaSegunda);
        alMostrarse([&] {
            o[0]->click();
            w.Command1->click();
        });
        EXPECT_EQ(w.mostrar(0), "0");
        EXPECT_EQ(guardado(), g.valores[0]);
    }
    fs.settings.save("Truco", "Config", g.clave, QString::fromLatin1(g.raro));
    EXPECT_TRUE((f2(fs.services).*g.opciones)[0]->isChecked());

    fs.settings.save("Truco", "Config", g.clave, QString::fromLatin1(g.valores[1]));
    f2 w(fs.services);
    w.paraRed("Beto", "Ana");
    alMostrarse([&] {
        EXPECT_TRUE((w.*g.marco)->isHidden());
        (w.*g.opciones)[0]->click();
        w.Command1->click();
    });
    EXPECT_EQ(w.mostrar(0), "0");
    EXPECT_EQ(guardado(), g.valores[1]);
    w.paraMaquina();
    EXPECT_FALSE((w.*g.marco)->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Opciones, f2Grupo,
    ::testing::Values(Grupo{"OptNivel", &f2::OptNivel, &f2::FraNivel, "Nivel", {"Normal", "Difícil"}, {"0", "1"}, "7",
                            [](const f2::Eleccion& e) { return e.nivel; }, true},
                      Grupo{"OptJugadores", &f2::OptJugadores, &f2::FraJugadores, "Jugadores", {"2", "4 (en parejas)"},
                            {"2", "4"}, "3", [](const f2::Eleccion& e) { return e.jugadores; }, false}),
    [](const auto& info) { return std::string(info.param.clave); });
