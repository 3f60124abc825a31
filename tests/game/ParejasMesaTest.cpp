// Playing in pairs against the computer: the player and a computer partner
// against two computers, a whole match at the table with a scripted player.
#include "game/AsientoParejas.h"
#include "shell/f2.h"
#include "support/Jugador.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QRadioButton>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(Parejas, PartidoEnteroContraLaPcHasta30)
{
    const unsigned seed = 1;
    MesaDePrueba m(seed);
    Form1& f = m.form;
    f.Form_Load();
    // Chosen in an earlier game: the options window offers four again.
    m.fake.settings.save("Truco", "Config", "Jugadores", "4");
    m.fake.settings.save("Truco", "cara", "Numero", "5");
    JugadorGuionado humano(m, seed, true);
    // Seats whose cards lay on the table at some moment the player acted.
    QSet<int> jugaron;
    int respuestas = 0;  // calls the table waited for him to answer
    humano.alActuar = [&](const QString& que) {
        respuestas += que.startsWith(QStringLiteral("responde"));
        for (int t = 0; t < 3; ++t) {
            if (!f.JD[t]->caption().isEmpty())
                jugaron.insert(1);
            if (!f.JM[t]->caption().isEmpty())
                jugaron.insert(2);
            if (!f.JI[t]->caption().isEmpty())
                jugaron.insert(3);
        }
        if (humano.acciones == 20)
            captura(&f, QStringLiteral("parejas-%1").arg(seed));
    };
    m.empezar();
    ASSERT_TRUE(f.esDisposicionCuatro());
    ASSERT_TRUE(f.asiento().enParejas());
    EXPECT_TRUE(f.mensaje->isHidden()) << "nobody reads a chat line";

    const AsientoParejas::Jugadores j = f.parejas().jugadores();
    EXPECT_EQ(j.nombres[0], QStringLiteral("Ana"));
    EXPECT_EQ(j.caras[0], 5);
    // Four faces and four names, none of the computers with the player's.
    EXPECT_EQ(QSet<int>(j.caras.begin(), j.caras.end()).size(), 4);
    EXPECT_EQ(QSet<QString>(j.nombres.begin(), j.nombres.end()).size(), 4);
    for (int s = 0; s < 4; ++s) {
        EXPECT_FALSE(j.nombres[s].isEmpty());
        EXPECT_EQ(f.car[s]->toolTip(), j.nombres[s]) << s;
        EXPECT_TRUE(f.Nomb[s]->caption().startsWith(j.nombres[s])) << s;
    }
    EXPECT_EQ(f.Label2->caption(), j.nombres[0] + QLatin1Char('\n') + j.nombres[2]);
    EXPECT_EQ(f.NombreC->caption(), j.nombres[1] + QLatin1Char('\n') + j.nombres[3]);

    ASSERT_TRUE(humano.jugarPartido()) << "acciones " << humano.acciones;
    EXPECT_FALSE(m.fake.clock.stuck());
    EXPECT_TRUE(f.ganadorMostrado());
    const int nuestros = f.PuntosM->caption().toInt(), suyos = f.PuntosH->caption().toInt();
    ASSERT_TRUE((nuestros == 30) != (suyos == 30)) << nuestros << "-" << suyos;
    const auto* p = f.parejas().partida();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->estado().puntos, (std::array<int, 2>{nuestros, suyos}));
    EXPECT_GE(p->estado().numeroMano, 3);
    ASSERT_FALSE(m.fake.dialogs.shown.empty());
    EXPECT_EQ(m.fake.dialogs.shown.back().text,
              QStringLiteral("Ganadores del partido: \n") + (nuestros == 30 ? f.Label2 : f.NombreC)->caption().toUpper());
    EXPECT_EQ(m.fake.dialogs.texts().filter(QStringLiteral("Ganadores del partido:")).size(), 1);
    // The partner and both opponents put their cards down by themselves.
    EXPECT_EQ(jugaron, (QSet<int>{1, 2, 3}));
    EXPECT_GT(respuestas, 0) << "the computers' calls wait for the player's answer";
    // The computers speak with the voices of their faces.
    EXPECT_FALSE(m.fake.sound.played.isEmpty());
    // Over: the next "Usuario Vs PC" asks nothing and the table is released.
    EXPECT_FALSE(f.asiento().enParejas());
    EXPECT_FALSE(f.esperaAlJugador(false));
}

TEST(Parejas, AbandonarYVolverADosDejaLaMesaDeDos)
{
    MesaDePrueba m(3);
    Form1& f = m.form;
    f.Form_Load();
    m.fake.settings.save("Truco", "Config", "Jugadores", "4");
    m.empezar();
    ASSERT_TRUE(f.esDisposicionCuatro());
    // "Usuario Vs PC" again, mid-match: it asks, then two play as always.
    m.fake.dialogs.answers.push_back(true);
    f.opciones().OptJugadores[0]->setChecked(true);
    m.empezar();
    EXPECT_EQ(m.fake.dialogs.texts().filter(QStringLiteral("¿Desea abandonar el partdo?")).size(), 1);
    EXPECT_FALSE(f.esDisposicionCuatro());
    EXPECT_FALSE(f.asiento().enParejas());
    EXPECT_EQ(f.Label2->caption(), QStringLiteral("Pc"));
    EXPECT_TRUE(f.asiento().jugando());
}

// The player leads: key 1 plays his first card, and a key pressed while the
// computers hold the turn plays nothing; the three computers answer.
TEST(Parejas, TeclasJueganComoEnLasOtrasMesas)
{
    MesaDePrueba m(4);
    Form1& f = m.form;
    f.Form_Load();
    m.fake.settings.save("Truco", "Config", "Jugadores", "4");
    m.empezar();
    ASSERT_TRUE(f.esperaAlJugador(false));
    EXPECT_TRUE(f.SemV->isVisibleTo(&f)) << "the turn light";
    EXPECT_EQ(f.SemV->accessibleName(), QStringLiteral("Tu turno"));
    const QString primera = f.CH[0].Caption + QStringLiteral(" (") + f.CH[0].Tag + QStringLiteral(" )");
    f.show();
    QApplication::setActiveWindow(&f);
    QTimer::singleShot(0, &f, [&f] { QTest::keyClick(&f, Qt::Key_1); });
    QTimer::singleShot(0, &f, [&f] { QTest::keyClick(&f, Qt::Key_2); });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !f.JI[0]->caption().isEmpty() || !f.asiento().manoEnJuego() || f.esperaAlJugador(true); }, 5000));
    EXPECT_EQ(f.JH[0]->caption(), primera);
    EXPECT_TRUE(f.CH[1].Visible);
    EXPECT_FALSE(f.IJH[1]->hasPicture());
    // Seats 1, 2 and 3 follow in turn, unless a call waits for the player.
    if (!f.JI[0]->caption().isEmpty()) {
        EXPECT_FALSE(f.JD[0]->caption().isEmpty());
        EXPECT_FALSE(f.JM[0]->caption().isEmpty());
    }
}

}  // namespace
