#pragma once
// Four tables of one test process playing in pairs over loopback TCP: one
// hosts from "Truco en parejas", three connect through "Juego en Red". With
// fewer people the host fills the other seats with "Completar con la PC".
#include "support/PartidaRed.h"

#include <array>
#include <functional>
#include <memory>
#include <random>

class AsientoCuatro;
class Traza;
class ClienteCuatro;
class Dea4;

struct MesaCuatroDePrueba {
    MesaCuatroDePrueba(unsigned seed, const QString& nombre, int cara);
    Form1& f() { return m.form; }
    MesaDePrueba m;
    std::mt19937 gen;
    QString nombre;
};

// Whether a box at that table said something containing texto.
bool mostro(const MesaCuatroDePrueba& m, const QString& texto);

class PartidaCuatro {
public:
    // The host and `personas` clients (0..3).
    explicit PartidaCuatro(unsigned seed, int personas = 3);
    ~PartidaCuatro();

    // The host opens "Truco en parejas", the three others connect in turn,
    // the host picks the client on socket `companero` (1..3) as partner and
    // the player of `opcionRepartidor` (0..2 a client, 3 himself) to deal.
    // False when the first hand did not reach every table in time.
    bool empezar(int companero = 2, int opcionRepartidor = 3);

    // A person plays this seat (the host numbers them, 0 the host): not a
    // computer the host seated, nor one that took a leaver's seat.
    bool persona(int asiento);
    // The table of a seat as the host numbers them (0 the host).
    MesaCuatroDePrueba& enAsiento(int asiento);
    Form1& mesa(int asiento) { return enAsiento(asiento).f(); }
    AsientoCuatro& host();
    Dea4& dea4();
    ClienteCuatro* cliente(int asiento);

    // Every box stays open ms milliseconds, as people read them, while the
    // players at the other tables go on acting.
    void comoPersonas(int ms);
    // One action of a scripted player at a table that lets him act: a card
    // or, now and then, a call, an answer or the deck. False when none.
    bool actuar(int asiento);
    // Plays n actions, each once the tables rest; with hasta, until it holds
    // (false when it did not within n). False when nobody could act.
    bool avanzar(int n, const std::function<bool()>& hasta = {});
    // Lets the events through until no table waits for an answer.
    bool calmar(int limiteMs = 5000);
    // What each table shows agrees with the host's: score (each pair's own
    // as "M"), the dealer's "[PIE]", and every card on the table by seat.
    // Empty when they agree, else what differs.
    QString desacuerdo();
    // Plays until the match ends on all four tables; false when it stalled
    // or the tables disagreed (see error()).
    bool jugarPartido(int maxAcciones = 6000);
    QString error() const { return error_; }
    int manos = 0;
    // Keeps what every table perceives, its choices and the wire writes
    // (the host's as "W<socket>"); call before empezar.
    void trazar();
    std::array<std::unique_ptr<Traza>, 4> trazas;  // by t[]

    // t[0] hosts, t[k] on socket k; none where a computer was seated.
    std::array<std::unique_ptr<MesaCuatroDePrueba>, 4> t;
private:
    // The table on socket k still plays (the host's always does).
    bool enJuego(int k);
    QString error_;
};
