// Whole matches with a human who presses every enabled call or answer at random.
#include "support/Jugador.h"

#include <QString>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Resultado {
    bool termino = false;
    int h = 0, m = 0;
};

// How often each voice file was asked for, over all matches.
std::map<QString, int> oido;

Resultado jugar(unsigned seed, bool conFlor, bool espanola)
{
    MesaDePrueba mesa(seed);
    mesa.conFlor = conFlor;
    mesa.espanola = espanola;
    mesa.computadoraEmpieza = seed % 2;
    mesa.contraflor = seed % 3 != 0;
    JugadorGuionado humano(mesa, seed * 7919u, true);
    Form1& f = mesa.form;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        EXPECT_LE(f.PuntosH->caption().toInt(), 30);
        EXPECT_LE(f.PuntosM->caption().toInt(), 30);
        EXPECT_EQ(f.PH->visibles(), f.PuntosH->caption().toInt());
        EXPECT_EQ(f.PM->visibles(), f.PuntosM->caption().toInt());
    });
    mesa.empezar();
    Resultado r;
    r.termino = humano.jugarPartido(20000);
    EXPECT_FALSE(mesa.fake.clock.stuck()) << "seed " << seed;
    for (const QString& s : mesa.fake.sound.played)
        oido[s.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0)]++;
    r.h = f.PuntosH->caption().toInt();
    r.m = f.PuntosM->caption().toInt();
    EXPECT_EQ(f.PH->visibles(), r.h);
    EXPECT_EQ(f.PM->visibles(), r.m);
    return r;
}

}  // namespace

TEST(Soak, DoscientosPartidosTerminanConUnGanador)
{
    int ganaH = 0, ganaM = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const bool conFlor = seed % 2 == 0;
        const bool espanola = seed % 4 >= 2;
        const Resultado r = jugar(seed, conFlor, espanola);
        ASSERT_TRUE(r.termino) << "seed " << seed << " flor " << conFlor << " espanola " << espanola << " score " << r.h << "-" << r.m;
        ASSERT_TRUE((r.h == 30) != (r.m == 30)) << "seed " << seed << ": " << r.h << "-" << r.m;
        (r.h == 30 ? ganaH : ganaM)++;
    }
    // Every call of the game was sung at some point, by one side or the other.
    for (const char* s : {"truco", "retruco", "vale4", "quiero", "noquiero", "envido", "real", "Falta", "buenas", "flor", "olor", "cflor", "Atrevido"})
        EXPECT_GT(oido[QString::fromLatin1(s)], 0) << s;
    // A random player loses most matches, but not every one.
    EXPECT_GT(ganaM, ganaH);
    EXPECT_GT(ganaH, 0);
}
