// The table window played headless by a scripted human.
#include "support/Archivos.h"
#include "support/Jugador.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// A person who takes his time over the winner's box: the match ends once, the
// watchdog leaves the last hand alone, and nothing is dealt behind the box.
// Once over, a click on a card still in hand or a call does nothing.
TEST(Mesa, UnaCajaQueTardaNoCambiaElFinal)
{
    MesaDePrueba m(5);
    m.fake.dialogs.abiertaMs = 100;
    int manosConCaja = 0;
    QObject::connect(&m.form, &Form1::manoRepartida, [&] { manosConCaja += m.fake.dialogs.flujo().ocupado(); });
    JugadorGuionado humano(m, 5, true);
    m.empezar();
    ASSERT_TRUE(humano.jugarPartido());
    EXPECT_EQ(m.fake.dialogs.texts().filter(QStringLiteral("Ganador del partido: ")).size(), 1);
    EXPECT_EQ(manosConCaja, 0);
    Form1& f = m.form;
    const int h = puntos(f.PuntosH), pc = puntos(f.PuntosM);
    EXPECT_TRUE((h == 30) != (pc == 30)) << h << " " << pc;

    const QString jh[3] = {f.JH[0]->caption(), f.JH[1]->caption(), f.JH[2]->caption()};
    const auto sonidos = m.fake.sound.played.size();
    for (int i = 0; i < 3; ++i)
        f.ICH_Click(i);
    f.bt_Click(0);
    f.AlMazo_Click();
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.JH[i]->caption(), jh[i]);
    EXPECT_EQ(puntos(f.PuntosH), h);
    EXPECT_EQ(puntos(f.PuntosM), pc);
    EXPECT_EQ(m.fake.sound.played.size(), sonidos);
}

// Three cards dealt face up (the machine's never seen), and the one played
// lands on the table with its code and strength, even when every picture
// file is unreadable.
class Reparto : public ::testing::TestWithParam<bool> {};

TEST_P(Reparto, TresCartasYLaJugadaVaALaMesa)
{
    QTemporaryDir dir;
    MesaDePrueba m(6);
    if (GetParam()) {
        for (const auto& c : reglas::mazo())
            ASSERT_TRUE(escribir(dir.filePath(QStringLiteral("cartas/%1.jpg").arg(QString::fromStdString(c))), "not a picture"));
        m.fake.services.programFolder = dir.path();
    }
    m.empezar();
    Form1& f = m.form;
    EXPECT_TRUE(f.asiento().manoEnJuego());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(f.ICH[i]->isHidden());
        EXPECT_TRUE(f.ICH[i]->hasPicture());
        EXPECT_EQ(f.CH[i].Tag.toInt(), reglas::darValor(f.CH[i].Caption.toStdString()));
        EXPECT_EQ(f.ICM[i]->height(), 1);
    }
    ASSERT_TRUE(f.esperaAlJugador(false));
    const QString code = f.CH[0].Caption, valor = f.CH[0].Tag;
    f.ICH[0]->press();
    EXPECT_EQ(f.JH[0]->caption(), code + QStringLiteral(" (") + valor + QStringLiteral(" )"));
    EXPECT_EQ(f.JH[0]->Tag, valor);
    EXPECT_TRUE(f.ICH[0]->isHidden());
    EXPECT_TRUE(f.IJH[0]->hasPicture());
}

INSTANTIATE_TEST_SUITE_P(Dibujos, Reparto, ::testing::Bool(),
                         [](const auto& i) { return std::string(i.param ? "Ilegibles" : "Buenos"); });

// Two presses arriving together, directly, by the accessible action or by the
// keys: the second comes while the machine has the turn, and plays nothing.
class DosPulsaciones : public ::testing::TestWithParam<int> {};

TEST_P(DosPulsaciones, JueganUnaSolaCarta)
{
    MesaDePrueba m(5);
    m.conFlor = false;
    m.empezar();
    Form1& f = m.form;
    ASSERT_TRUE(f.esperaAlJugador(false));
    const QString primera = f.CH[0].Caption + QStringLiteral(" (") + f.CH[0].Tag + QStringLiteral(" )");
    f.show();
    QApplication::setActiveWindow(&f);
    for (int k : {0, 1}) {
        if (GetParam() == 0) {
            f.ICH[k]->press();
        } else if (GetParam() == 1) {
            // The accessible "Press" queues the click, as a screen reader's does.
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f.ICH[k]);
            ASSERT_NE(iface, nullptr);
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            QTimer::singleShot(0, &f, [&f, k] { QTest::keyClick(&f, k == 0 ? Qt::Key_1 : Qt::Key_2); });
        }
    }
    // Queued after both presses, so it runs once they have been handled.
    bool entregadas = false;
    QTimer::singleShot(0, &f, [&entregadas] { entregadas = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return entregadas && f.enReposo(); }, 5000));
    EXPECT_EQ(f.JH[0]->caption(), primera);
    EXPECT_TRUE(f.CH[1].Visible);
    EXPECT_TRUE(f.CH[2].Visible);
    EXPECT_FALSE(f.IJH[1]->hasPicture());
}

INSTANTIATE_TEST_SUITE_P(Formas, DosPulsaciones, ::testing::Values(0, 1, 2), [](const auto& i) {
    return std::string(std::array{"Directas", "Accesibles", "Teclas"}[static_cast<std::size_t>(i.param)]);
});

TEST(Mesa, NuevoPartidoEnMediaManoPreguntaYNoAbandona)
{
    MesaDePrueba m(2);
    m.empezar();
    Form1& f = m.form;
    f.mostrarPuntos(false, 4);
    const QString carta = f.CH[2].Caption;
    m.fake.dialogs.answers = {false, true};
    f.nuevo_Click();
    EXPECT_EQ(m.fake.dialogs.texts(), QStringList{"Se está jugando en este momento, ¿Desea abandonar el partdo? "});
    EXPECT_EQ(puntos(f.PuntosH), 4);
    EXPECT_EQ(f.CH[2].Caption, carta);
    // Yes starts a new match from zero.
    f.nuevo_Click();
    EXPECT_EQ(puntos(f.PuntosH), 0);
    EXPECT_EQ(f.PH->visibles(), 0);
}
