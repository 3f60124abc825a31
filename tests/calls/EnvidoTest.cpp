// Envido and flor announced, compared and scored on a real table.
#include "calls/AsientoMaquina.h"
#include "support/Jugador.h"

#include <gtest/gtest.h>

namespace {

int puntos(Etiqueta* l) { return l->caption().toInt(); }

// The human is mano and has the turn of the first trick.
struct Envido : ::testing::Test {
    MesaDePrueba m{3};
    Form1& f = m.form;
    bool conFlor = false;
    void empezar()
    {
        m.conFlor = conFlor;
        m.empezar();
        ASSERT_FALSE(f.TurnoMaquina);
    }
    void SetUp() override { empezar(); }
};

struct Flor : Envido {
    Flor() { conFlor = true; }
};

}  // namespace

TEST_F(Envido, ElHumanoCantaYGanaConMasPuntos)
{
    ponerCartas(f, {"7O", "6O", "4C"}, {"7E", "5E", "4B"});  // 33 against 32
    f.bt_Click(2);
    EXPECT_EQ(f.LH->caption(), QStringLiteral("Yo tengo...33"));
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Son Buenas"));
    EXPECT_EQ(puntos(f.PuntosH), 2);
    EXPECT_TRUE(f.EnvidoCantado);
    f.bt_Click(2);  // a second envido in the same hand does nothing
    EXPECT_EQ(puntos(f.PuntosH), 2);
}

TEST_F(Envido, EmpateParaElManoYPuntosMejoresDeLaMaquina)
{
    ponerCartas(f, {"7O", "5O", "4C"}, {"7E", "5E", "4B"});  // 32 each: the mano wins
    f.bt_Click(4);  // real envido
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Son Buenas"));
    EXPECT_EQ(puntos(f.PuntosH), 3);

    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    ponerCartas(otra.form, {"4O", "5C", "6B"}, {"7E", "5E", "4B"});
    otra.form.bt_Click(2);
    EXPECT_EQ(otra.form.LC->caption(), QStringLiteral("32 Son mejores"));
    EXPECT_EQ(puntos(otra.form.PuntosM), 2);
    EXPECT_TRUE(otra.fake.sound.played.last().endsWith(QStringLiteral("/T32.wav")));
}

TEST_F(Envido, MaquinaManoDiceSusPuntosYElHumanoConcedeElEmpate)
{
    f.MaquinaEsMano = true;
    ponerCartas(f, {"7O", "5O", "4C"}, {"7E", "5E", "4B"});
    Respuestas r(m, {});  // presses "Son Buenas"
    f.bt_Click(2);
    EXPECT_EQ(r.esperas, 1);
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Quiero,32"));
    EXPECT_EQ(f.LH->caption(), QStringLiteral("Son Buenas"));
    EXPECT_EQ(f.bt[3]->text(), QStringLiteral("No Quiero"));
    EXPECT_EQ(puntos(f.PuntosM), 2);
}

TEST_F(Envido, LaMaquinaAceptaDesdeVeinticinco)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"4E", "12E", "1C"});  // 24
    f.bt_Click(2);
    EXPECT_EQ(f.LC->caption(), QStringLiteral("No Quiero"));
    EXPECT_EQ(puntos(f.PuntosH), 1);

    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    ponerCartas(otra.form, {"4O", "5C", "6B"}, {"5E", "12E", "1C"});  // 25
    otra.form.bt_Click(2);
    EXPECT_EQ(puntos(otra.form.PuntosM), 2);
}

TEST_F(Envido, FaltaEnvidoValeLoQueLeFaltaAlPerdedor)
{
    f.DarPuntos(QStringLiteral("H"), 12);
    f.DarPuntos(QStringLiteral("M"), 5);
    ponerCartas(f, {"4O", "5C", "6B"}, {"7E", "6E", "4B"});  // 33: accepted
    f.bt_Click(6);
    EXPECT_EQ(puntos(f.PuntosM), 5 + (30 - 12));
    EXPECT_EQ(f.PM->visibles(), 23);
}

TEST_F(Envido, LaMaquinaCantaYElHumanoQuiere)
{
    // As pie with 32 the machine sings envido on the human's first card.
    ponerCartas(f, {"7O", "6O", "4C"}, {"7E", "5E", "4B"});
    Respuestas r(m, {1});
    f.ICH_Click(2);
    EXPECT_EQ(r.esperas, 1);
    EXPECT_TRUE(m.fake.sound.played.filter(QStringLiteral("/envido.wav")).size() == 1);
    EXPECT_EQ(f.LH->caption(), QStringLiteral("Yo tengo... 33"));
    EXPECT_EQ(puntos(f.PuntosH), 2);
    EXPECT_EQ(f.JugadasMaquina, 1);  // then it plays its card
}

TEST_F(Envido, SubidasDelHumanoAlEnvidoDeLaMaquina)
{
    // Envido envido: the pie machine wants it above 27.
    ponerCartas(f, {"7O", "6O", "4C"}, {"7E", "5E", "4B"});
    Respuestas r(m, {2});
    f.ICH_Click(2);
    EXPECT_TRUE(m.fake.sound.played.filter(QStringLiteral("/T32.wav")).size() == 1);
    EXPECT_EQ(puntos(f.PuntosH), 4);

    // Real envido against 26: refused, 2 points to the human.
    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    ponerCartas(otra.form, {"7O", "6O", "4C"}, {"6E", "12E", "4B"});
    Respuestas r2(otra, {4});
    otra.form.ICH_Click(2);
    EXPECT_EQ(otra.form.LC->caption(), QStringLiteral("No Quiero"));
    EXPECT_EQ(puntos(otra.form.PuntosH), 2);
    EXPECT_EQ(puntos(otra.form.PuntosM), 0);
}

TEST_F(Flor, SinFlorDeLaMaquinaHastaAquiLlegoElOlor)
{
    ponerCartas(f, {"7O", "6O", "5O"}, {"4E", "5B", "6C"});
    ASSERT_TRUE(f.Flor->isEnabled());
    f.Flor_Click();
    EXPECT_EQ(f.LC->caption(), QStringLiteral("¡Hasta aquí llegó el olor!"));
    EXPECT_EQ(puntos(f.PuntosH), 3);
    EXPECT_TRUE(f.EnvidoCantado);
    EXPECT_FALSE(f.bt[2]->isEnabled());
}

TEST_F(Flor, ContraflorSeComparaAlFinalDeLaMano)
{
    ponerCartas(f, {"7O", "6O", "5O"}, {"1E", "2E", "3E"});  // 38 against 26
    f.Flor_Click();
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Contraflor"));
    EXPECT_TRUE(f.ContraflorCantada);
    EXPECT_EQ(puntos(f.PuntosH), 0);
    int alRepartir = -1;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        if (alRepartir < 0)
            alRepartir = puntos(f.PuntosH);
    });
    JugadorGuionado humano(m, 1, false);
    while (alRepartir < 0 && humano.actuar()) {
    }
    // The machine's aces win the hand by cards; the flor is the human's.
    EXPECT_EQ(alRepartir, 6);
    EXPECT_FALSE(f.ContraflorCantada);
}

TEST_F(Flor, LaMaquinaCantaFlorConVersoYElHumanoSeVaAlOlor)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"1E", "2E", "3E"});
    f.ICH_Click(0);  // the machine answers with its flor: the verse window
    EXPECT_EQ(puntos(f.PuntosM), 3);
    EXPECT_TRUE(f.FlorCantada);
    EXPECT_TRUE(m.fake.sound.played.filter(QStringLiteral("/flor.wav")).size() == 1);
    // Then it plays its lowest card, wins the trick and leads the next.
    EXPECT_EQ(f.JM[0]->Tag, QStringLiteral("9"));
    EXPECT_EQ(f.JugadasMaquina, 2);
}

TEST_F(Flor, FlorPorAtrevido)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"1E", "2E", "3E"});
    const qsizetype antes = m.fake.sound.played.size();
    f.bt_Click(2);
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Flor por atrevido"));
    EXPECT_EQ(puntos(f.PuntosM), 3);
    // The human's envido, then the machine's answer, once.
    QStringList oidos;
    for (const QString& s : m.fake.sound.played.mid(antes))
        oidos << s.section(QLatin1Char('/'), -1);
    EXPECT_EQ(oidos, QStringList({"envido.wav", "Atrevido.wav"}));
}

