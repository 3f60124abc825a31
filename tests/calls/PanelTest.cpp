// What the call panel offers at each step of a hand, on a real table, and
// the machine's calls along the paths that decide it.
#include "calls/AsientoMaquina.h"
#include "support/ManoDelHumano.h"

namespace {


// No envido button that would do nothing may stay enabled.
bool algunEnvido(const Form1& f) { return f.bt[2]->isEnabled() || f.bt[4]->isEnabled() || f.bt[6]->isEnabled(); }

struct Panel : ManoDelHumano {
    // The machine leads the hand with these cards (the human's hand first).
    void maquinaMano(const QStringList& humano, const QStringList& maquina)
    {
        f.MaquinaEsMano = true;
        f.TurnoMaquina = true;
        ponerCartas(f, humano, maquina);
        f.DeshBotones(false);
    }
};

}  // namespace

TEST_F(Panel, TrucoDelHumanoQueridoNoOfreceValeCuatroNiEnvido)
{
    // Strong cards and few envido points: the machine accepts without singing.
    ponerCartas(f, {"4O", "5C", "6B"}, {"1E", "1B", "7E"});
    f.TantosMaquina = 0;
    f.bt_Click(0);
    ASSERT_TRUE(f.TrucoQuerido);
    ASSERT_FALSE(f.TurnoMaquina);
    // Only going to the deck: no ladder step belongs to the human now, and
    // the accepted truco closes the envido.
    EXPECT_EQ(panel(), QStringLiteral("0000000001"));

    // His first card; the machine wins the trick and leads; his turn again.
    f.ICH_Click(0);
    ASSERT_FALSE(f.ManoTerminada);
    ASSERT_FALSE(f.TurnoMaquina);
    EXPECT_EQ(panel(), QStringLiteral("0000000001"));
}

TEST_F(Panel, TrucoDeLaMaquinaQueridoDejaSoloElMazoYLuegoNiEnvidoNiEscalera)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"3E", "3B", "2E"});
    f.TantosMaquina = 0;
    QStringList vistos;
    m.fake.clock.onWait = [&](bool enPausa) {
        if (enPausa || f.HumanoRespondio || f.ManoTerminada)
            return;
        vistos << panel();
        f.bt[1]->click();
    };
    f.ICH_Click(0);  // the machine, pie, sings truco before its card
    ASSERT_EQ(vistos.size(), 1);
    // The answer to a truco: Quiero, No Quiero, Quiero retruco, Al Mazo.
    EXPECT_EQ(vistos[0], QStringLiteral("0101010001"));
    ASSERT_TRUE(f.TrucoQuerido);
    if (!f.ManoTerminada && !f.TurnoMaquina) {
        EXPECT_FALSE(algunEnvido(f));
        EXPECT_FALSE(f.bt[5]->isEnabled());
        EXPECT_FALSE(f.bt[7]->isEnabled());
        EXPECT_TRUE(f.AlMazo->isEnabled());
    }
}

TEST_F(Panel, FaltaEnvidoDelHumanoNoDejaNingunEnvido)
{
    ponerCartas(f, {"7O", "6O", "4C"}, {"4E", "5B", "6O"});
    f.bt_Click(6);  // weak machine: it refuses
    EXPECT_EQ(puntos(f.PuntosH), 1);
    EXPECT_FALSE(algunEnvido(f));
    EXPECT_TRUE(f.bt[0]->isEnabled());
    EXPECT_TRUE(f.AlMazo->isEnabled());
    // And a second press of any of them changes nothing.
    const int sonidos = m.fake.sound.played.size();
    f.bt_Click(2);
    EXPECT_EQ(m.fake.sound.played.size(), sonidos);
}

TEST_F(Panel, MaquinaManoSorteaSuEnvidoOSeLoGuardaConElMazoHabilitado)
{
    // 26 points: below 30 the machine sings only when the draw says 1.
    maquinaMano({"4O", "5C", "6B"}, {"1E", "5E", "4B"});
    ASSERT_EQ(f.TantosMaquina, 26);
    m.fake.clock.queueUniform({0.2});  // draw 0: it keeps quiet and leads
    f.maquina().Primera_carta();
    EXPECT_FALSE(f.EnvidoCantado);
    EXPECT_EQ(f.JugadasMaquina, 1);
    EXPECT_FALSE(f.TurnoMaquina);
    EXPECT_EQ(panel(), QStringLiteral("1010101001"));

    // The next hand, draw 1: it sings envido; the human refuses.
    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    Form1& g = otra.form;
    g.MaquinaEsMano = g.TurnoMaquina = true;
    ponerCartas(g, {"4O", "5C", "6B"}, {"1E", "5E", "4B"});
    otra.fake.clock.queueUniform({0.7});
    Respuestas r(otra, {3});
    g.maquina().Primera_carta();
    EXPECT_EQ(r.esperas, 1);
    EXPECT_TRUE(g.EnvidoCantado);
    EXPECT_EQ(puntos(g.PuntosM), 1);
    EXPECT_EQ(g.JugadasMaquina, 1);  // then it led its card
    EXPECT_FALSE(algunEnvido(g));
}

TEST_F(Panel, FaltaEnvidoDeLaMaquinaLoDecideElSegundoDelReloj)
{
    // The machine is mano with 21: it accepts the human's falta only on an
    // odd second of the clock.
    for (int segundo : {2, 3}) {
        MesaDePrueba t(3);
        t.conFlor = false;
        t.empezar();
        Form1& g = t.form;
        g.MaquinaEsMano = true;
        ponerCartas(g, {"7O", "6O", "4C"}, {"1E", "12E", "4B"});
        ASSERT_EQ(g.TantosMaquina, 21);
        t.fake.clock.setSecond(segundo);
        g.bt_Click(6);
        if (segundo % 2) {
            // Accepted: 33 against 21, the human wins what the machine lacks.
            EXPECT_EQ(puntos(g.PuntosH), 30) << segundo;
        } else {
            EXPECT_EQ(g.LC->caption(), QStringLiteral("No Quiero"));
            EXPECT_EQ(puntos(g.PuntosH), 1) << segundo;
        }
    }
}

TEST_F(Panel, EnvidoDeLaMaquinaAntesDeResponderElTruco)
{
    // 26 points and no card played: the envido goes before the truco.
    ponerCartas(f, {"4O", "5C", "6B"}, {"1E", "5E", "4B"});
    ASSERT_GE(f.TantosMaquina, 21);
    QStringList dichos;
    int alRepartir = -1, maquina = -1, negativas = -1;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        if (alRepartir >= 0)
            return;
        alRepartir = puntos(f.PuntosH);
        maquina = puntos(f.PuntosM);
        negativas = m.fake.sound.played.filter(QStringLiteral("/noquiero.wav")).size();
    });
    const int mano = f.manoNumero;
    m.fake.clock.onWait = [&](bool enPausa) {
        if (enPausa || f.HumanoRespondio || f.ManoTerminada)
            return;
        if (f.manoNumero == mano)
            dichos << f.LC->caption();
        (f.bt[3]->isEnabled() ? f.bt[3] : f.bt[1])->click();  // no quiero al envido
    };
    f.bt_Click(0);
    ASSERT_EQ(dichos.size(), 1);
    EXPECT_EQ(dichos[0], QStringLiteral("Envido"));
    EXPECT_EQ(maquina, 1);
    // Then it answered the truco: average 5 with no card played, refused.
    EXPECT_EQ(alRepartir, 1);
    // Two refusals heard: the human's to the envido, the machine's to the truco.
    EXPECT_EQ(negativas, 2);
}

TEST_F(Panel, FlorComoRespuestaAlEnvidoDeLaMaquina)
{
    MesaDePrueba t(3);
    t.conFlor = true;
    t.empezar();
    Form1& g = t.form;
    // The machine, mano with 33, sings envido; the human answers with his flor.
    g.MaquinaEsMano = g.TurnoMaquina = true;
    ponerCartas(g, {"1O", "5O", "6O"}, {"7E", "6E", "4B"});
    ASSERT_TRUE(g.FlorHumano);
    ASSERT_TRUE(g.Flor->isEnabled());
    g.DeshBotones(false);
    Respuestas r(t, {10});
    g.maquina().Primera_carta();
    EXPECT_TRUE(g.FlorCantada);
    EXPECT_EQ(g.LC->caption(), QStringLiteral("¡Hasta aquí llegó el olor!"));
    EXPECT_EQ(puntos(g.PuntosH), 3);  // the flor's three points; the envido lapses
    EXPECT_EQ(puntos(g.PuntosM), 0);
    EXPECT_EQ(g.JugadasMaquina, 1);  // then the machine leads
    EXPECT_FALSE(algunEnvido(g));
}

TEST_F(Panel, AlMazoConUnEnvidoSinResponderValeDos)
{
    // The machine, pie with 32, sings envido on the human's first card and
    // the human goes to the deck instead of answering.
    ponerCartas(f, {"7O", "6O", "4C"}, {"7E", "5E", "4B"});
    int alRepartir = -1;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        if (alRepartir < 0)
            alRepartir = puntos(f.PuntosM);
    });
    Respuestas r(m, {15});
    f.ICH_Click(2);
    EXPECT_GE(r.esperas, 1);
    EXPECT_EQ(alRepartir, 2);
}
