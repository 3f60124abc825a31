// The call panel and the machine's calls and answers, on a real table.
#include "calls/AsientoMaquina.h"
#include "support/ManoDelHumano.h"

namespace {

struct Cantos : ManoDelHumano {};

}  // namespace

TEST_F(Cantos, PulsarSinNadaPendienteOEnPausaNoHaceNada)
{
    const QString antes = panel();
    f.bt[1]->setEnabled(true);
    f.bt_Click(1);  // Quiero with nothing to answer: the machine does not act
    EXPECT_FALSE(f.TurnoMaquina);
    EXPECT_EQ(f.JugadasMaquina, 0);
    EXPECT_TRUE(f.LC->caption().isEmpty());
    EXPECT_FALSE(f.TrucoCantado || f.TrucoQuerido || f.EnvidoCantado);
    EXPECT_EQ(f.manoNumero, 1);
    f.Botones(antes);
    f.PausaActiva = true;
    f.bt_Click(0);
    f.AlMazo_Click();
    EXPECT_FALSE(f.TrucoCantado);
    EXPECT_FALSE(f.ManoTerminada);
    f.PausaActiva = false;
}

TEST_F(Cantos, QuieroMientrasLaMaquinaEsperaSoloRegistraLaRespuesta)
{
    f.maquina().Cantar_Envido();  // as the machine does before it waits
    ASSERT_FALSE(f.HumanoRespondio);
    f.bt_Click(1);
    EXPECT_TRUE(f.HumanoRespondio);
    EXPECT_EQ(f.BotonPulsado, 1);
    EXPECT_FALSE(f.bt[3]->isEnabled());
    EXPECT_EQ(puntos(f.PuntosH) + puntos(f.PuntosM), 0);
}

TEST_F(Cantos, TrucoDelHumanoQueridoONo)
{
    // Strong cards: the machine accepts and the hand goes on.
    ponerCartas(f, {"4O", "5C", "6B"}, {"1E", "1B", "7E"});
    f.TantosMaquina = 0;
    f.bt_Click(0);
    EXPECT_TRUE(f.TrucoQuerido);
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Quiero"));
    EXPECT_EQ(f.LH->caption(), QStringLiteral("Truco"));
    EXPECT_FALSE(f.ManoTerminada);

    // Weak cards: refused, 1 point and a new hand.
    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    ponerCartas(otra.form, {"4O", "5C", "6B"}, {"4E", "5B", "6O"});
    ASSERT_LT(otra.form.TantosMaquina, 21);  // no envido before the answer
    int alRepartir = -1;
    QObject::connect(&otra.form, &Form1::manoRepartida, [&] {
        if (alRepartir < 0)
            alRepartir = puntos(otra.form.PuntosH);
    });
    otra.form.bt_Click(0);
    EXPECT_EQ(alRepartir, 1);  // then a new hand
    EXPECT_EQ(otra.fake.sound.played.filter(QStringLiteral("noquiero.wav")).size(), 1);
}

TEST_F(Cantos, RetrucoAlTrucoDeLaMaquinaSiempreSeQuiere)
{
    // Machine pie with good cards sings truco before its first card.
    ponerCartas(f, {"4O", "5C", "6B"}, {"3E", "3B", "2E"});
    f.TantosMaquina = 0;
    Respuestas r(m, {5});
    f.ICH_Click(0);
    EXPECT_EQ(r.esperas, 1);
    EXPECT_TRUE(f.TrucoCantado && f.TrucoPorMaquina);
    EXPECT_TRUE(f.RetrucoQuerido);
    // It played its lowest card, won the trick and led the second.
    EXPECT_EQ(f.JM[0]->Tag, QStringLiteral("9"));
    EXPECT_EQ(f.JugadasMaquina, 2);
    EXPECT_EQ(m.fake.sound.played.filter(QStringLiteral("/truco.wav")).size(), 1);
}

TEST_F(Cantos, NoQuieroAlTrucoDeLaMaquinaLeDaUnPunto)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"3E", "3B", "2E"});
    f.TantosMaquina = 0;
    int alRepartir = -1;
    QObject::connect(&f, &Form1::manoRepartida, [&] {
        if (alRepartir < 0)
            alRepartir = puntos(f.PuntosM);
    });
    Respuestas r(m, {3});
    f.ICH_Click(0);
    EXPECT_EQ(alRepartir, 1);
}

TEST_F(Cantos, ValeCuatroAlRetrucoDeLaMaquinaSiempreSeQuiere)
{
    ponerCartas(f, {"4O", "5C", "6B"}, {"4E", "5B", "3E"});
    f.TantosMaquina = 0;
    f.ICH_Click(2);  // 6B (3) against the machine's lowest, 4E (1)
    ASSERT_EQ(f.Bazas[0], reglas::GanaH);
    ASSERT_FALSE(f.TrucoCantado);
    f.TrucoCantado = true;  // the human's truco, accepted earlier
    f.TrucoQuerido = true;
    Respuestas r(m, {7});
    f.ICH_Click(0);  // the machine can beat 4O: it raises to retruco
    EXPECT_TRUE(f.RetrucoCantado);
    EXPECT_TRUE(f.Vale4Querido);
    EXPECT_EQ(f.LC->caption(), QStringLiteral("Quiero"));
}

TEST_F(Cantos, AlMazoSegunLaEscalera)
{
    struct Caso {
        std::function<void(Form1&)> prepara;
        int esperado;
    };
    const std::vector<Caso> casos = {
        {[](Form1&) {}, 2},
        {[](Form1& f) { f.JugadasMaquina = 1; }, 1},
        {[](Form1& f) { f.TrucoCantado = true; }, 1},
        {[](Form1& f) { f.TrucoCantado = f.TrucoQuerido = true; }, 2},
        {[](Form1& f) { f.RetrucoCantado = f.RetrucoQuerido = true; }, 3},
        {[](Form1& f) { f.Vale4Cantado = true; }, 3},
        {[](Form1& f) { f.Vale4Cantado = f.Vale4Querido = true; }, 4},
    };
    for (const auto& c : casos) {
        MesaDePrueba t(7);
        t.empezar();
        c.prepara(t.form);
        const int mano = t.form.manoNumero;
        int alRepartir = -1;
        QObject::connect(&t.form, &Form1::manoRepartida, [&] {
            if (alRepartir < 0)
                alRepartir = puntos(t.form.PuntosM);
        });
        t.form.AlMazo_Click();
        EXPECT_EQ(alRepartir, c.esperado);
        EXPECT_GT(t.form.manoNumero, mano);
    }
}

namespace {

// Both sides have played two cards, one trick each; the human leads the third.
void terceraBaza(Form1& f, const QString& cartaHumano, const QString& cartaMaquina)
{
    ponerCartas(f, {"12C", "11C", cartaHumano}, {"4E", "7B", cartaMaquina});
    f.TantosMaquina = 0;
    for (int i = 0; i < 2; ++i) {
        f.CH[i].Visible = f.CM[i].Visible = false;
        f.ICH[i]->hide();
    }
    f.JH[0]->Tag = QStringLiteral("7");
    f.JM[0]->Tag = QStringLiteral("1");
    f.JH[1]->Tag = QStringLiteral("6");
    f.JM[1]->Tag = QStringLiteral("9");
    f.Bazas = {reglas::GanaH, reglas::GanaM, 0};
    f.JugadasHumano = f.JugadasMaquina = 2;
    f.EnvidoCantado = true;
}

int puntosAlRepartir(Form1& f, Etiqueta* l, const std::function<void()>& jugada)
{
    int p = -1;
    auto c = QObject::connect(&f, &Form1::manoRepartida, [&] {
        if (p < 0)
            p = l->caption().toInt();
    });
    jugada();
    QObject::disconnect(c);
    return p;
}

}  // namespace

TEST_F(Cantos, EscaleraDelTrucoEnLaTerceraBaza)
{
    // The machine sings truco against a weak third card; refused: 1.
    terceraBaza(f, QStringLiteral("4O"), QStringLiteral("3E"));
    Respuestas r(m, {3});
    EXPECT_EQ(puntosAlRepartir(f, f.PuntosM, [&] { f.ICH_Click(2); }), 1);
    EXPECT_EQ(m.fake.sound.played.filter(QStringLiteral("/truco.wav")).size(), 1);
}

TEST_F(Cantos, RetrucoDeLaMaquinaRechazadoDaDos)
{
    terceraBaza(f, QStringLiteral("4O"), QStringLiteral("3E"));
    f.TrucoCantado = f.TrucoQuerido = true;  // the human's truco
    Respuestas r(m, {3});
    EXPECT_EQ(puntosAlRepartir(f, f.PuntosM, [&] { f.ICH_Click(2); }), 2);
    EXPECT_TRUE(m.fake.sound.played.filter(QStringLiteral("/retruco.wav")).size() == 1);
}

TEST_F(Cantos, ValeCuatroDeLaMaquinaRechazadoDaTresYQueridoValeCuatro)
{
    terceraBaza(f, QStringLiteral("4O"), QStringLiteral("3E"));
    f.TrucoCantado = f.TrucoQuerido = f.TrucoPorMaquina = true;
    f.RetrucoCantado = f.RetrucoQuerido = true;
    Respuestas r(m, {3});
    EXPECT_EQ(puntosAlRepartir(f, f.PuntosM, [&] { f.ICH_Click(2); }), 3);
    EXPECT_EQ(m.fake.sound.played.filter(QStringLiteral("/vale4.wav")).size(), 1);

    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    Form1& g = otra.form;
    terceraBaza(g, QStringLiteral("4O"), QStringLiteral("3E"));
    g.TrucoCantado = g.TrucoQuerido = g.TrucoPorMaquina = true;
    g.RetrucoCantado = g.RetrucoQuerido = true;
    Respuestas r2(otra, {1});
    // Accepted, the machine's 3 wins the third trick: the hand is worth 4.
    EXPECT_EQ(puntosAlRepartir(g, g.PuntosM, [&] { g.ICH_Click(2); }), 4);
}

TEST_F(Cantos, RetrucoYValeCuatroDelHumanoRechazados)
{
    ponerCartas(f, {"1E", "1B", "7E"}, {"4E", "5B", "6C"});
    f.TantosMaquina = 0;
    f.ICH_Click(0);  // the machine plays its 4 and loses the trick
    ASSERT_EQ(f.JugadasMaquina, 1);
    f.TrucoCantado = f.TrucoQuerido = f.TrucoPorMaquina = true;
    f.bt[5]->setEnabled(true);
    EXPECT_EQ(puntosAlRepartir(f, f.PuntosH, [&] { f.bt_Click(5); }), 2);

    MesaDePrueba otra(3);
    otra.conFlor = false;
    otra.empezar();
    Form1& g = otra.form;
    terceraBaza(g, QStringLiteral("4O"), QStringLiteral("4C"));  // a weak card left
    g.TrucoCantado = g.TrucoQuerido = g.RetrucoCantado = g.RetrucoQuerido = true;
    g.bt[7]->setEnabled(true);
    EXPECT_EQ(puntosAlRepartir(g, g.PuntosH, [&] { g.bt_Click(7); }), 3);
}
