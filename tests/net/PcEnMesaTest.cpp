// The game in pairs over loopback with computers at the host: in the seats
// nobody took, and in the seat of a client who leaves mid-match.
#include "game/AsientoCuatro.h"
#include "game/ClienteCuatro.h"
#include "net/ControlWs.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/JRed.h"
#include "support/PartidaCuatro.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

// Every table of a person saw the end of the match, with the right winners
// and no error.
void terminaBienParaTodos(PartidaCuatro& p)
{
    const int m = p.mesa(0).PuntosM->caption().toInt(), h = p.mesa(0).PuntosH->caption().toInt();
    EXPECT_TRUE((m == 30) != (h == 30)) << m << "-" << h;
    for (int s = 0; s < 4; ++s) {
        if (!p.persona(s))
            continue;
        MesaCuatroDePrueba& t = p.enAsiento(s);
        const Form1& f = t.f();
        const bool ganaMiPareja = (s % 2 == 0) == (m == 30);
        EXPECT_EQ(t.m.fake.dialogs.texts().filter(QStringLiteral("Ganadores del partido: \n") +
                                                  (ganaMiPareja ? f.Label2 : f.NombreC)->caption().toUpper())
                      .size(),
                  1)
            << s;
        EXPECT_EQ(errorMostrado(t.m.fake), QString()) << s;
        EXPECT_FALSE(t.m.fake.clock.stuck()) << s;
    }
}

// People (the host and `GetParam()` clients) and computers in the others.
struct CuatroConPc : ::testing::TestWithParam<int> {};

TEST_P(CuatroConPc, ComputersFillTheEmptySeatsAndTheMatchIsPlayedToTheEnd)
{
    const int personas = GetParam();
    PartidaCuatro p(11 + personas, personas);
    // With a client, he is the partner; alone, the host deals.
    ASSERT_TRUE(p.empezar(personas >= 1 ? 1 : 2, personas >= 1 ? 0 : 3));
    for (int s = 1; s < 4; ++s)
        EXPECT_EQ(p.persona(s), p.dea4().asientos.AsientoSocket[s] <= personas) << s;
    // Each client sees every seat's name and face as the host does.
    Form1& h = p.mesa(0);
    std::set<QString> caras;
    for (int s = 0; s < 4; ++s) {
        caras.insert(QString::number(p.dea4().jugadores().caras[s]));
        if (s == 0 || !p.persona(s))
            continue;
        for (int d = 1; d < 4; ++d) {
            const int otro = (s + d) % 4;
            EXPECT_EQ(p.mesa(s).car[d]->toolTip(), h.car[otro]->toolTip()) << s << " " << d;
            EXPECT_EQ(p.mesa(s).car[d]->picture().toImage(), h.car[otro]->picture().toImage()) << s << " " << d;
        }
    }
    std::set<QString> nombres;
    for (int s = 0; s < 4; ++s)
        nombres.insert(h.car[s]->toolTip());
    EXPECT_EQ(nombres.size(), 4u) << "the computers' names are nobody else's";
    EXPECT_EQ(caras.size(), 4u) << "nor their faces";
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    EXPECT_EQ(p.desacuerdo(), QString());
    terminaBienParaTodos(p);
    // Every person goes back to the connection window.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        for (int s = 0; s < 4; ++s)
            if (p.persona(s) && (!p.mesa(s).jred().isVisible() || p.mesa(s).asiento().enParejas()))
                return false;
        return true;
    }, 5000));
}

INSTANTIATE_TEST_SUITE_P(Personas, CuatroConPc, ::testing::Values(0, 1, 2));

// Everything a table showed at the speech label of one seat.
struct Oido {
    QStringList dicho;
    Oido(Form1& f, int asiento)
    {
        QObject::connect(f.habla(asiento), &Etiqueta::captionCambiado, &contexto,
                         [this](const QString& t) { dicho << t; });
    }
    QObject contexto;
};

QString aviso(const QString& nombre)
{
    return QStringLiteral("El jugador ") + nombre + QStringLiteral(" se ha desconectado; la PC juega por él");
}

// When the client at seat 3 leaves: after so many moves, or (-1) just as
// it is his turn to play a card; `personas` keep every box open a while,
// acting at the other tables meanwhile; `calla`: he does not quit, his
// program stops reading and answering.
struct Relevo {
    int acciones;
    bool personas;
    bool calla = false;
};

// A connection whose program no longer reads it.
struct Sordo : WsEventos {
    void Connect() override {}
    void ConnectionRequest(long) override {}
    void DataArrival(long) override {}
    void Close() override {}
    void Error(int, const QString&) override {}
};

struct CuatroRelevo : ::testing::TestWithParam<Relevo> {};

TEST_P(CuatroRelevo, AClientWhoLeavesIsPlayedByTheComputerAndTheMatchEndsForTheOthers)
{
    const Relevo r = GetParam();
    Sordo sordo;
    PartidaCuatro p(21);
    p.mesa(0).dea4().ChkReemplazo->setChecked(true);
    if (r.personas)
        p.comoPersonas(120);
    ASSERT_TRUE(p.empezar(2, 0));
    const int sale = 3;
    auto leToca = [&] { return p.host().mano().turno() == sale && p.host().mano().puedeJugar(sale); };
    ASSERT_TRUE(r.acciones < 0 ? p.avanzar(400, leToca) : p.avanzar(r.acciones));
    // What the others show at his seat from now on.
    std::vector<std::unique_ptr<Oido>> oidos;
    for (int s = 0; s < 3; ++s)
        oidos.push_back(std::make_unique<Oido>(p.mesa(s), (sale - s + 4) % 4));
    MesaCuatroDePrueba& seVa = p.enAsiento(sale);
    const int socket = p.dea4().asientos.AsientoSocket[sale];
    if (r.calla) {
        p.dea4().Ws(socket).esperaAcuseMs = 300;
        seVa.f().jred().enlace().ws().setEventos(&sordo);
        // The others play on until the host sends him something.
        p.avanzar(40, [&] { return p.dea4().esPC(socket); });
    } else {
        seVa.m.fake.dialogs.answers.push_back(true);
        seVa.f().red_Click();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.dea4().esPC(socket); }, 5000));
    EXPECT_FALSE(p.persona(sale));
    ASSERT_TRUE(p.jugarPartido()) << p.error().toStdString();
    terminaBienParaTodos(p);
    for (int s = 0; s < 3; ++s)
        EXPECT_TRUE(oidos[s]->dicho.contains(aviso(seVa.nombre))) << s << " " << oidos[s]->dicho.join(QLatin1Char('|')).toStdString();
    // The one who left heard nothing more from the table he left.
    EXPECT_EQ(errorMostrado(seVa.m.fake), QString());
}

INSTANTIATE_TEST_SUITE_P(Momentos, CuatroRelevo,
                         ::testing::Values(Relevo{0, false}, Relevo{9, false}, Relevo{-1, false}, Relevo{30, true},
                                           Relevo{9, false, true}));

}  // namespace
