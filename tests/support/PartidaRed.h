#pragma once
#include <functional>
// Two tables of one test process playing each other over loopback TCP.
#include "support/Jugador.h"

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

class AsientoRed;
class Enlace;

// One side: a table whose waits let the socket events through.
struct Lado {
    Lado(unsigned seed, const QString& nombre, int cara);
    Form1& f() { return m.form; }
    AsientoRed& red();
    MesaDePrueba m;
    std::mt19937 gen;
    int manos = 0;
    // Before each action: the panel offered and the choice.
    std::function<void(const QString&)> alActuar;
};

// The first error box a table showed; empty when none.
QString errorMostrado(const FakeServices& f);

// Connects a (server) and b (client) through their connection windows and
// waits for the first deal on both. False if they did not meet in time.
// basta ends the wait for both deals early (a test that cuts the deal).
bool conectarLados(Lado& a, Lado& b, const std::function<bool()>& basta = {});
// One action of a scripted player, when his table lets him act: a card, or
// (when canta) now and then a call or the deck; any answer at random.
bool actuar(Lado& l, bool canta);
// The boxes of l stay open ms milliseconds, as a person reads them; meanwhile
// the player at the other table goes on acting, as a person there would.
void leeComoPersona(Lado& l, Lado& otro, int ms);
// Lets the events through until both tables are at rest and nothing is on
// the wire between them; false when that does not come within limiteMs.
bool calmar(Lado& a, Lado& b, int limiteMs = 10000);
// Plays until the match ends on both tables. False when it stalled.
bool jugarPartidoRed(Lado& a, Lado& b, int maxAcciones = 4000);

// A peer that is only a wire, mostly a server: the test says every message,
// and what the table answers is kept. It greets with its name as a table
// would.
struct CableCrudo {
    explicit CableCrudo(const QString& nombre = QStringLiteral("Anabel"));
    ~CableCrudo();
    // Connects the client c and waits until c has this server's name.
    bool conectar(Lado& c);
    // One message, acknowledged (decir) or not (directo).
    bool decir(const std::string& m);
    bool directo(const std::string& m);
    FakeServices f{9};
    std::unique_ptr<Enlace> e;
    QString nombre;
    QStringList recibidos;  // code and argument of each message, in order
    // Said once the client has the name (a four-player host's "DEA4").
    std::vector<std::string> trasSaludo;
};

// A server's deal as the wire carries it: its own cards first (the client's
// "CAM"), then the client's; each card with its value; then the panel.
std::vector<std::string> repartoCrudo(const std::array<const char*, 3>& delServidor,
                                      const std::array<const char*, 3>& delCliente);
