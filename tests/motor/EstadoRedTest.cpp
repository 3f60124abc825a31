// The two-player network match as one table holds it: the steps both tables
// take alike, tested without a window or a socket.
#include "motor/EstadoRed.h"

#include <gtest/gtest.h>
#include <set>

using namespace red;
using Tipo = EstadoRed::Efecto::Tipo;

namespace {

// A hand on the table with these cards, the peer as mano or not.
EstadoRed mano(const std::array<std::string, 3>& propias, const std::array<std::string, 3>& ajenas,
               bool peerEsMano = false, bool conFlor = false)
{
    EstadoRed e;
    e.peerEsMano = !peerEsMano;  // the new hand alternates it
    e.nuevaMano();
    e.conFlor = conFlor;
    for (int i = 0; i < 3; ++i) {
        e.ponerCarta(kLocal, i, propias[i]);
        e.ponerCarta(kPeer, i, ajenas[i]);
    }
    e.contarFlores();
    return e;
}

const std::array<std::string, 3> kPropias{"1E", "7O", "4C"}, kAjenas{"3B", "2C", "5O"};

}  // namespace

TEST(EstadoRed, LaManoNuevaAlternaElManoYBorraLoCantado)
{
    EstadoRed e = mano(kPropias, kAjenas);
    EXPECT_TRUE(e.turnoLocal);  // not the peer's hand: this side leads
    e.truco.trucoCantado = e.envidoCantado = true;
    e.respondo = Pedido::Truco;
    e.jugar(kLocal, 0);
    e.nuevaMano();
    EXPECT_TRUE(e.peerEsMano);
    EXPECT_FALSE(e.turnoLocal || e.truco.trucoCantado || e.envidoCantado);
    EXPECT_EQ(e.respondo, Pedido::Nada);
    EXPECT_EQ(e.jugadasN, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(e.manoNumero, 2);
    // The deal gives six different cards.
    int n = 0;
    e.repartir([&n] { return (n++ * 7) % 40; });
    std::set<std::string> vistas;
    for (int lado : {kLocal, kPeer})
        for (const CartaRed& c : e.manos[lado])
            vistas.insert(c.codigo);
    EXPECT_EQ(vistas.size(), 6u);
}

TEST(EstadoRed, LasBazasYLosPuntosHastaTreinta)
{
    EstadoRed e = mano({"1E", "4C", "7O"}, {"3B", "4O", "1B"}, true);
    e.jugar(kPeer, 0);
    e.jugar(kLocal, 0);
    EXPECT_EQ(e.cerrarBaza(0), TrasBaza::LideraLocal);  // the ace of espadas wins it
    EXPECT_EQ(e.bazas[0], 2);
    e.jugar(kLocal, 1);
    e.jugar(kPeer, 1);
    EXPECT_EQ(e.cerrarBaza(1), TrasBaza::GanaLocal);  // a parda after a win: the hand is won
    EXPECT_FALSE(e.manos[kLocal][0].enMano);

    e.puntos = {28, 10};
    e.tanto = 5;
    EXPECT_FALSE(e.darPuntos(kPeer, 4));
    EXPECT_EQ(e.tanto, 0);
    EXPECT_TRUE(e.darPuntos(kLocal, 4));
    EXPECT_EQ(e.puntos[kLocal], 30);
    EXPECT_TRUE(e.partidoTerminado);
    EXPECT_FALSE(e.darPuntos(kPeer, 1));  // nothing counts after the end
    EXPECT_EQ(e.puntos[kPeer], 14);
}

TEST(EstadoRed, QuienGanaElTantoYLaFlorYCuantoValeLaMano)
{
    EstadoRed e = mano({"7E", "6E", "4C"}, {"7O", "12O", "3B"}, true);  // 33 against 27
    EXPECT_TRUE(e.ganaTanteoLocal());
    // Equal points: the mano wins them.
    EstadoRed iguales = mano({"7E", "6E", "4C"}, {"7O", "6O", "4B"}, true);
    EXPECT_FALSE(iguales.ganaTanteoLocal());
    iguales.peerEsMano = false;
    EXPECT_TRUE(iguales.ganaTanteoLocal());
    // The falta gives what the loser lacks.
    e.falta = true;
    e.puntos = {12, 21};
    EXPECT_EQ(e.valorDelTanto(true), 9);
    e.falta = false;
    e.tanto = 5;
    EXPECT_EQ(e.valorDelTanto(false), 5);

    EstadoRed f = mano({"7E", "6E", "5E"}, {"1O", "2O", "3O"});
    EXPECT_TRUE(f.flor[kLocal] && f.flor[kPeer]);
    EXPECT_TRUE(f.ganaContraflorLocal());
    for (int valor = 1; valor <= 4; ++valor) {
        EXPECT_EQ(f.valorDeLaMano(), valor);
        (valor == 1 ? f.truco.trucoQuerido : valor == 2 ? f.truco.retrucoQuerido : f.truco.vale4Querido) = true;
    }
}

TEST(EstadoRed, LaEscaleraSeCantaYSeRespondeDesdeCualquierLado)
{
    EstadoRed e = mano(kPropias, kAjenas);
    EXPECT_EQ(e.panel(kLocal), "1010101001");
    EXPECT_EQ(e.panel(kPeer), "0000000000");
    EXPECT_FALSE(e.pulsar(kPeer, 0));  // not the peer's turn: refused, nothing changes
    ASSERT_TRUE(e.pulsar(kLocal, 0));  // truco
    EXPECT_EQ(e.panel(kLocal), "0000000000");
    EXPECT_EQ(e.panel(kPeer), "0111111001");  // quiero, no quiero, retruco, the envido first, the deck
    ASSERT_TRUE(e.pulsar(kPeer, 5));   // quiero retruco
    EXPECT_TRUE(e.truco.trucoQuerido && e.truco.retrucoCantado);
    EXPECT_EQ(e.vista(kLocal).responde, Pedido::Retruco);
    const auto no = e.pulsar(kLocal, 3);  // refused: the truco accepted is what the peer gets
    ASSERT_TRUE(no);
    EXPECT_EQ(no->tipo, Tipo::Cierre);
    EXPECT_EQ(no->puntos, 2);
    EXPECT_TRUE(e.cerrada);
    EXPECT_EQ(e.panel(kPeer), "0000000000");  // the hand is over: nobody presses anything
}

TEST(EstadoRed, ElEnvidoSeSubeYElRechazoPagaLoAnterior)
{
    EstadoRed e = mano(kPropias, kAjenas);
    ASSERT_TRUE(e.pulsar(kLocal, 0));  // truco: the envido may still go first
    ASSERT_TRUE(e.pulsar(kPeer, 2));   // envido
    EXPECT_FALSE(e.truco.trucoCantado);
    ASSERT_TRUE(e.pulsar(kLocal, 2));  // envido envido
    EXPECT_EQ(e.vista(kPeer).responde, Pedido::EnvidoEnvido);
    ASSERT_TRUE(e.pulsar(kPeer, 4));   // real envido
    EXPECT_EQ(e.tanto, 7);
    const auto no = e.pulsar(kLocal, 3);
    ASSERT_TRUE(no);
    EXPECT_EQ(no->tipo, Tipo::Rechazo);
    EXPECT_EQ(no->puntos, 4);  // the two envidos sung before
    EXPECT_TRUE(e.envidoResuelto);
    EXPECT_FALSE(e.cerrada);
    // Accepted instead: the points are compared before anyone plays.
    EstadoRed q = mano(kPropias, kAjenas);
    ASSERT_TRUE(q.pulsar(kLocal, 6));  // falta envido
    const auto si = q.pulsar(kPeer, 1);
    ASSERT_TRUE(si);
    EXPECT_EQ(si->tipo, Tipo::Tanteo);
    EXPECT_TRUE(q.falta && q.esperandoTanteo);
    EXPECT_EQ(q.panel(kLocal) + q.panel(kPeer), std::string(20, '0'));
}

TEST(EstadoRed, LaFlorYElMazo)
{
    EstadoRed e = mano({"7E", "6E", "5E"}, {"1O", "2O", "3O"}, false, true);
    ASSERT_TRUE(e.pulsar(kLocal, 2));  // envido: a flor answers it and it lapses
    const auto f = e.pulsar(kPeer, 8);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->tipo, Tipo::Contraflor);  // flor opposite
    EXPECT_TRUE(e.contraflor && e.envidoResuelto);
    EXPECT_EQ(e.vista(kLocal).responde, Pedido::Nada);

    EstadoRed sola = mano({"7E", "6E", "5E"}, {"1O", "2C", "3O"}, false, true);
    const auto g = sola.pulsar(kLocal, 8);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->tipo, Tipo::Flor);
    EXPECT_EQ(g->puntos, 3);
    EstadoRed sinFlor = mano({"7E", "6E", "5E"}, {"1O", "2C", "3O"});
    EXPECT_FALSE(sinFlor.pulsar(kLocal, 8));  // a game without flor

    // Going to the deck before the peer played its first card costs two.
    const auto m = sinFlor.pulsar(kLocal, 9);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->tipo, Tipo::Cierre);
    EXPECT_EQ(m->puntos, 2);
    EXPECT_TRUE(sinFlor.cerrada);
}
