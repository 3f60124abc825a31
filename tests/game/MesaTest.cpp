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

int puntos(Etiqueta* l) { return l->caption().toInt(); }

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
    // Once over, further points only reset the title.
    m.form.setWindowTitle(QStringLiteral("x"));
    m.form.DarPuntos(QStringLiteral("H"), 3);
    EXPECT_EQ(puntos(m.form.PuntosH), h);
    EXPECT_EQ(m.form.windowTitle(), QStringLiteral("Naipex 2.0"));
    // A click on a card still in hand after the end is ignored.
    const int jugadas = m.form.JugadasHumano;
    const QString jh0 = m.form.JH[0]->caption();
    m.form.CH[0].Visible = true;
    m.form.ICH_Click(0);
    EXPECT_EQ(m.form.JugadasHumano, jugadas);
    EXPECT_EQ(m.form.JH[0]->caption(), jh0);
    EXPECT_TRUE(m.form.CH[0].Visible);
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
    EXPECT_FALSE(m.form.Tmrparche.isActive());
    const int h = puntos(m.form.PuntosH), pc = puntos(m.form.PuntosM);
    EXPECT_TRUE((h == 30) != (pc == 30)) << h << " " << pc;
}

TEST(Mesa, ReparteTresCartasConSuValorYEtiqueta)
{
    MesaDePrueba m(11);
    m.empezar();
    Form1& f = m.form;
    EXPECT_FALSE(f.ManoTerminada);
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

TEST(Mesa, ClicDuranteLaPausaDeLaMaquinaSeIgnora)
{
    MesaDePrueba m(5);
    m.conFlor = false;
    JugadorGuionado humano(m, 5, false);
    bool intentado = false;
    m.fake.clock.onWait = [&](bool enPausa) {
        if (enPausa && !intentado && m.form.JugadasHumano == 1 && m.form.JugadasMaquina == 0) {
            intentado = true;
            m.form.ICH[1]->press();  // during the half second before the machine plays
        } else if (!enPausa) {
            humano.actuar();
        }
    };
    m.empezar();
    m.form.ICH[0]->press();
    EXPECT_TRUE(intentado);
    EXPECT_EQ(m.form.JugadasHumano, 1);
    EXPECT_TRUE(m.form.CH[1].Visible);
}

// Two presses arriving together, by the accessible action or by the keys:
// the second reaches CH_Click while the first still shows its card.
TEST(Mesa, DosPulsacionesSeguidasJueganUnaSolaCarta)
{
    for (bool teclas : {false, true}) {
        MesaDePrueba m(5);
        m.conFlor = false;
        m.empezar();
        Form1& f = m.form;
        ASSERT_FALSE(f.TurnoMaquina);
        ponerCartas(f, {"4O", "5C", "6B"}, {"4E", "5B", "6O"});
        f.TantosMaquina = 0;  // the machine just plays
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
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(f.JugadasHumano, 1) << teclas;
        EXPECT_EQ(f.JH[0]->caption(), QStringLiteral("4O (1 )")) << teclas;
        EXPECT_TRUE(f.CH[1].Visible) << teclas;
        EXPECT_TRUE(f.CH[2].Visible) << teclas;
        EXPECT_FALSE(f.IJH[1]->hasPicture()) << teclas;
    }
}

TEST(Mesa, LaMaquinaMataConSuCartaMasBajaQueAlcanza)
{
    MesaDePrueba m(9);
    m.conFlor = false;
    JugadorGuionado humano(m, 9, false);  // accepts the machine's truco
    m.empezar();
    Form1& f = m.form;
    ASSERT_FALSE(f.TurnoMaquina);
    f.TantosMaquina = 0;  // no envido from the machine
    f.CM = {Portador{QStringLiteral("10O"), QStringLiteral("5"), true}, Portador{QStringLiteral("2C"), QStringLiteral("9"), true},
            Portador{QStringLiteral("7E"), QStringLiteral("12"), true}};
    f.CH = {Portador{QStringLiteral("12C"), QStringLiteral("7"), true}, Portador{QStringLiteral("12O"), QStringLiteral("7"), true},
            Portador{QStringLiteral("4B"), QStringLiteral("1"), true}};
    f.ICH_Click(0);
    // First trick: the pie plays its lowest card, it does not try to win.
    EXPECT_EQ(f.JM[0]->Tag, QStringLiteral("5"));
    EXPECT_EQ(f.Bazas[0], reglas::GanaH);
    f.ICH_Click(1);
    // Holding 9 and 12 against a 7, it plays the 9.
    EXPECT_EQ(f.JM[1]->Tag, QStringLiteral("9"));
    EXPECT_EQ(f.Bazas[1], reglas::GanaM);
}

TEST(Mesa, VigilanteTerminaUnaTerceraBazaQuedadaEnLaMesa)
{
    MesaDePrueba m(4);
    m.empezar();
    Form1& f = m.form;
    f.Tmrparche.stop();
    const int antes = puntos(f.PuntosH);
    const int mano = f.manoNumero;
    f.JH[0]->Tag = QStringLiteral("9");
    f.JM[0]->Tag = QStringLiteral("3");
    f.JH[1]->Tag = QStringLiteral("2");
    f.JM[1]->Tag = QStringLiteral("6");
    f.JH[2]->Tag = QStringLiteral("5");
    f.JM[2]->Tag = QStringLiteral("5");
    f.Tmrparche_Timer();  // first sight of both third cards
    EXPECT_EQ(f.manoNumero, mano);
    f.Tmrparche_Timer();  // still there: a tie goes to the human's side
    EXPECT_EQ(puntos(f.PuntosH), antes + 1);
    EXPECT_GT(f.manoNumero, mano);

    // A hand redealt before the second tick is left alone.
    f.JH[2]->Tag = QStringLiteral("5");
    f.JM[2]->Tag = QStringLiteral("9");
    f.Tmrparche_Timer();
    f.JH[2]->Tag = QStringLiteral("0");
    f.JM[2]->Tag = QStringLiteral("0");
    f.Tmrparche_Timer();
    f.JH[2]->Tag = QStringLiteral("5");
    f.JM[2]->Tag = QStringLiteral("9");
    const int mano2 = f.manoNumero;
    f.Tmrparche_Timer();
    EXPECT_EQ(f.manoNumero, mano2);
}

TEST(Mesa, NuevoPartidoEnMediaManoPreguntaYNoAbandona)
{
    MesaDePrueba m(2);
    m.empezar();
    Form1& f = m.form;
    f.DarPuntos(QStringLiteral("H"), 4);
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

TEST(Mesa, PuntosQuePasanDeTreintaQuedanEnTreinta)
{
    MesaDePrueba m(3);
    m.empezar();
    m.form.DarPuntos(QStringLiteral("M"), 28);
    EXPECT_FALSE(m.form.PartidoTerminado);
    m.form.DarPuntos(QStringLiteral("M"), 4);
    EXPECT_EQ(m.form.PuntosM->caption(), QStringLiteral("30"));
    EXPECT_EQ(m.form.PM->visibles(), 30);
    EXPECT_TRUE(m.form.PartidoTerminado);
    EXPECT_EQ(m.fake.dialogs.texts().back(), QStringLiteral("Ganador del partido: PC"));
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
    m.fake.services.programFolder = dir.path();
    m.empezar();
    EXPECT_FALSE(m.form.ManoTerminada);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(m.form.ICH[i]->hasPicture());
        EXPECT_TRUE(!m.form.ICH[i]->isHidden());
    }
    m.form.ICH[0]->press();
    EXPECT_EQ(m.form.JugadasHumano, 1);
}

