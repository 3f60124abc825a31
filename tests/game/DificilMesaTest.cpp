// Whole matches against the "Difícil" computer on a headless table: its
// search runs off the window's thread and its moves come back as events.
#include "game/AsientoMaquina.h"
#include "support/Jugador.h"

#include <QLabel>
#include <QTest>
#include <QThreadPool>
#include <gtest/gtest.h>

namespace {

struct Final {
    bool termino = false;
    int h = 0, m = 0;
    int acciones = 0;
    int pensadas = 0;  // the computer's moves that came from another thread
};

// The level as an earlier game left it in the settings.
void nivelGuardado(MesaDePrueba& mesa, int nivel)
{
    mesa.fake.settings.save("Truco", "Config", "Nivel", QString::number(nivel));
}

Final jugarContraDificil(unsigned seed)
{
    MesaDePrueba mesa(seed);
    mesa.conFlor = seed % 2 == 0;
    mesa.computadoraEmpieza = seed % 4 >= 2;
    nivelGuardado(mesa, 1);
    JugadorGuionado humano(mesa, seed * 7919u, true);
    Form1& f = mesa.form;
    AsientoMaquina& pc = f.maquina();
    Final r;
    QLabel* nivel = nullptr;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        nivel = f.findChild<QLabel*>(QStringLiteral("NivelPc"));
        EXPECT_TRUE(nivel && nivel->isVisibleTo(&f) && nivel->text() == QStringLiteral("Nivel: Difícil"));
    });
    // Right after the player's move the computer is still thinking: its move
    // was not made inside the player's.
    humano.alActuar = [&](const QString&) {
        QMetaObject::invokeMethod(&f, [&] { r.pensadas += pc.pensando(); }, Qt::QueuedConnection);
    };
    mesa.empezar();
    EXPECT_TRUE(pc.dificil());
    for (int vuelta = 0; vuelta < 2000 && !f.ganadorMostrado(); ++vuelta) {
        humano.jugarPartido(5000);
        if (mesa.fake.clock.stuck())
            break;
        // The table rests while the computer thinks; its move is the next event.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !pc.pensando(); }, 30000));
    }
    r.termino = f.ganadorMostrado();
    r.h = f.PuntosH->caption().toInt();
    r.m = f.PuntosM->caption().toInt();
    r.acciones = humano.acciones;
    EXPECT_FALSE(mesa.fake.clock.stuck());
    EXPECT_TRUE(nivel && nivel->isHidden()) << "the level goes with the match";
    return r;
}

}  // namespace

TEST(MesaDificil, PartidosEnterosConSemillaTerminanIgualCadaVez)
{
    int ganaPc = 0;
    for (unsigned seed : {1u, 2u}) {
        const Final a = jugarContraDificil(seed);
        ASSERT_TRUE(a.termino) << "seed " << seed;
        EXPECT_TRUE((a.h == 30) != (a.m == 30)) << a.h << "-" << a.m;
        ganaPc += a.m == 30;
        // Long matches: the computer thought many moves while the table ran on.
        EXPECT_GT(a.acciones, 30) << "seed " << seed;
        EXPECT_GT(a.pensadas, 10) << "seed " << seed;
        // The same seed plays the same match, whenever each search ends.
        if (seed == 1) {
            const Final b = jugarContraDificil(seed);
            EXPECT_EQ(b.h, a.h);
            EXPECT_EQ(b.m, a.m);
            EXPECT_EQ(b.acciones, a.acciones);
        }
    }
    EXPECT_GT(ganaPc, 0);
}

TEST(MesaDificil, SinNivelGuardadoJuegaElNormal)
{
    MesaDePrueba mesa(5);
    mesa.empezar();
    EXPECT_FALSE(mesa.form.maquina().dificil());
    QLabel* nivel = mesa.form.findChild<QLabel*>(QStringLiteral("NivelPc"));
    ASSERT_NE(nivel, nullptr);
    EXPECT_EQ(nivel->text(), QStringLiteral("Nivel: Normal"));
    EXPECT_EQ(nivel->accessibleName(), QStringLiteral("Nivel Normal"));
}

TEST(MesaDificil, DejarElPartidoMientrasPiensaNoDejaNadaColgado)
{
    MesaDePrueba mesa(11);
    mesa.computadoraEmpieza = true;
    nivelGuardado(mesa, 1);
    Form1& f = mesa.form;
    AsientoMaquina& pc = f.maquina();
    mesa.empezar();
    // The computer leads: after its pause it starts thinking its first move.
    ASSERT_TRUE(QTest::qWaitFor([&] { return pc.pensando(); }, 30000));
    const motor::Estado antes = pc.partida()->estado();
    // The player leaves for a new match while it thinks.
    mesa.computadoraEmpieza = false;
    mesa.fake.dialogs.answers.push_back(true);  // "¿Desea abandonar el partdo?"
    mesa.empezar();
    ASSERT_NE(pc.partida(), nullptr);
    const motor::Estado nuevo = pc.partida()->estado();
    EXPECT_FALSE(pc.pensando());
    // Every search has ended and whatever it posted has been handled.
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(30000));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(pc.partida()->estado(), nuevo) << "the old match's move never reaches the new one";
    EXPECT_NE(antes.numeroMano, 0);
}
