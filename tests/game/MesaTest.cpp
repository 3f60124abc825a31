// The table window played headless by a scripted human.
#include "support/Jugador.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Card-only player that answers every call by accepting (or conceding).
struct PartidoSoloCartas : ::testing::TestWithParam<unsigned> {};

}  // namespace

TEST_P(PartidoSoloCartas, SeJuegaHastaTreintaConLaRayaAlDia)
{
    const unsigned seed = GetParam();
    MesaDePrueba m(seed);
    m.computadoraEmpieza = seed % 2;
    m.conFlor = false;
    JugadorGuionado humano(m, seed, false);
    int manos = 0;
    QObject::connect(&m.form, &Form1::manoRepartida, [&] {
        ++manos;
        // The title is restored by each deal, and the tally matches the score.
        EXPECT_EQ(m.form.windowTitle(), QStringLiteral("Naipex 2.0"));
        EXPECT_EQ(m.form.PH->visibles(), puntos(m.form.PuntosH));
        EXPECT_EQ(m.form.PM->visibles(), puntos(m.form.PuntosM));
    });
    m.empezar();
    ASSERT_TRUE(humano.jugarPartido()) << "the match stopped waiting for anyone";
    EXPECT_FALSE(m.fake.clock.stuck());
    EXPECT_GT(manos, 5);
    const int h = puntos(m.form.PuntosH), pc = puntos(m.form.PuntosM);
    EXPECT_TRUE((h == 30) != (pc == 30)) << h << " " << pc;
    EXPECT_EQ(m.form.PH->visibles(), h);
    EXPECT_EQ(m.form.PM->visibles(), pc);
    ASSERT_FALSE(m.fake.dialogs.shown.empty());
    const QString ganador = h == 30 ? QStringLiteral("ANA") : QStringLiteral("PC");
    EXPECT_EQ(m.fake.dialogs.shown.back().text, QStringLiteral("Ganador del partido: ") + ganador);
    // Once over, a click on a card still in hand or a call does nothing.
    const QString jh[3] = {m.form.JH[0]->caption(), m.form.JH[1]->caption(), m.form.JH[2]->caption()};
    const int sonidos = m.fake.sound.played.size();
    for (int i = 0; i < 3; ++i)
        m.form.ICH_Click(i);
    m.form.bt_Click(0);
    m.form.AlMazo_Click();
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.form.JH[i]->caption(), jh[i]);
    EXPECT_EQ(puntos(m.form.PuntosH), h);
    EXPECT_EQ(puntos(m.form.PuntosM), pc);
    EXPECT_EQ(m.fake.sound.played.size(), sonidos);
}

INSTANTIATE_TEST_SUITE_P(Semillas, PartidoSoloCartas, ::testing::Values(1u, 2u, 3u, 4u));

// A person who takes his time over the winner's box: the match ends once, the
// watchdog leaves the last hand alone, and nothing is dealt behind the box.
TEST(Mesa, UnaCajaQueTardaNoCambiaElFinal)
{
    MesaDePrueba m(5);
    m.conFlor = true;
    m.fake.dialogs.abiertaMs = 100;
    int manosConCaja = 0;
    QObject::connect(&m.form, &Form1::manoRepartida, [&] { manosConCaja += m.fake.dialogs.flujo().ocupado(); });
    JugadorGuionado humano(m, 5, true);
    m.empezar();
    ASSERT_TRUE(humano.jugarPartido());
    EXPECT_EQ(m.fake.dialogs.texts().filter(QStringLiteral("Ganador del partido: ")).size(), 1);
    EXPECT_EQ(manosConCaja, 0);
    const int h = puntos(m.form.PuntosH), pc = puntos(m.form.PuntosM);
    EXPECT_TRUE((h == 30) != (pc == 30)) << h << " " << pc;
}

TEST(Mesa, ReparteTresCartasConSuValorYEtiqueta)
{
    MesaDePrueba m(11);
    m.empezar();
    Form1& f = m.form;
    EXPECT_TRUE(f.asiento().manoEnJuego());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(!f.ICH[i]->isHidden());
        EXPECT_TRUE(f.ICH[i]->hasPicture());
        EXPECT_EQ(f.CH[i].Tag.toInt(), reglas::darValor(f.CH[i].Caption.toStdString()));
        EXPECT_EQ(f.ICM[i]->height(), 1);  // the machine's hand is never seen
    }
    // The human plays: the card moves to the table with its text label.
    const QString code = f.CH[0].Caption, valor = f.CH[0].Tag;
    f.ICH[0]->press();
    EXPECT_EQ(f.JH[0]->caption(), code + QStringLiteral(" (") + valor + QStringLiteral(" )"));
    EXPECT_EQ(f.JH[0]->Tag, valor);
    EXPECT_FALSE(!f.ICH[0]->isHidden());
    EXPECT_TRUE(f.IJH[0]->hasPicture());
}

TEST(Mesa, ClicMientrasLaMaquinaPiensaSeIgnora)
{
    MesaDePrueba m(5);
    m.conFlor = false;
    m.computadoraEmpieza = false;
    m.empezar();
    Form1& f = m.form;
    ASSERT_TRUE(f.esperaAlJugador(false));
    f.ICH[0]->press();
    // The machine takes its moment before its card; a press meanwhile is not his turn.
    ASSERT_FALSE(f.esperaAlJugador(false));
    const QString jh1 = f.JH[1]->caption();
    f.ICH[1]->press();
    EXPECT_TRUE(f.CH[1].Visible);
    EXPECT_EQ(f.JH[1]->caption(), jh1);
    EXPECT_FALSE(f.IJH[1]->hasPicture());
}

// Two presses arriving together, by the accessible action or by the keys:
// the second comes while the machine has the turn, and plays nothing.
TEST(Mesa, DosPulsacionesSeguidasJueganUnaSolaCarta)
{
    for (bool teclas : {false, true}) {
        MesaDePrueba m(5);
        m.conFlor = false;
        m.empezar();
        Form1& f = m.form;
        ASSERT_TRUE(f.esperaAlJugador(false));
        const QString primera = f.CH[0].Caption + QStringLiteral(" (") + f.CH[0].Tag + QStringLiteral(" )");
        f.show();
        QApplication::setActiveWindow(&f);
        for (int k : {0, 1}) {
            if (teclas) {
                QTimer::singleShot(0, &f, [&f, k] { QTest::keyClick(&f, k == 0 ? Qt::Key_1 : Qt::Key_2); });
            } else {
                // The accessible "Press" queues the click, as a screen reader's does.
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(f.ICH[k]);
                ASSERT_NE(iface, nullptr);
                iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            }
        }
        // Queued after both presses, so it runs once they have been handled.
        bool entregadas = false;
        QTimer::singleShot(0, &f, [&entregadas] { entregadas = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return entregadas && f.enReposo(); }, 5000)) << teclas;
        EXPECT_EQ(f.JH[0]->caption(), primera) << teclas;
        EXPECT_TRUE(f.CH[1].Visible) << teclas;
        EXPECT_TRUE(f.CH[2].Visible) << teclas;
        EXPECT_FALSE(f.IJH[1]->hasPicture()) << teclas;
    }
}

TEST(Mesa, NuevoPartidoEnMediaManoPreguntaYNoAbandona)
{
    MesaDePrueba m(2);
    m.empezar();
    Form1& f = m.form;
    f.mostrarPuntos(false, 4);
    const QString carta = f.CH[2].Caption;
    m.fake.dialogs.answers = {false};
    f.nuevo_Click();
    ASSERT_FALSE(m.fake.dialogs.shown.empty());
    EXPECT_EQ(m.fake.dialogs.shown.back().text, QStringLiteral("Se está jugando en este momento, ¿Desea abandonar el partdo? "));
    EXPECT_EQ(puntos(f.PuntosH), 4);
    EXPECT_EQ(f.CH[2].Caption, carta);
    // Yes starts a new match from zero.
    m.fake.dialogs.answers = {true};
    f.nuevo_Click();
    EXPECT_EQ(puntos(f.PuntosH), 0);
    EXPECT_EQ(f.PH->visibles(), 0);
}

TEST(Mesa, UnaCartaIlegibleNoDetieneElReparto)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/cartas"));
    // Every picture is garbage: each card shows as a plain face with its code.
    for (const auto& c : reglas::mazo()) {
        QFile file(dir.path() + QStringLiteral("/cartas/") + QString::fromStdString(c) + QStringLiteral(".jpg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    MesaDePrueba m(6);
    m.computadoraEmpieza = false;
    m.fake.services.programFolder = dir.path();
    m.empezar();
    EXPECT_TRUE(m.form.asiento().manoEnJuego());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(m.form.ICH[i]->hasPicture());
        EXPECT_TRUE(!m.form.ICH[i]->isHidden());
    }
    ASSERT_TRUE(m.form.esperaAlJugador(false));
    m.form.ICH[0]->press();
    EXPECT_TRUE(m.form.IJH[0]->hasPicture());
}

