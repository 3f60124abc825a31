#pragma once
// A two-player match for engine tests: known hands, and pauses that wait
// until the test runs them.
#include "game/rules/Presentador.h"
#include "motor/Jugador.h"
#include "calls/Maquina.h"
#include "motor/Partida.h"

#include <deque>
#include <string>
#include <vector>

namespace motor {

inline int indice(const std::string& codigo)
{
    for (int i = 0; i < 40; ++i)
        if (reglas::mazo()[i] == codigo)
            return i;
    return -1;
}

// What the observers heard, one line per event.
struct Registro : Observador {
    std::vector<std::string> v;
    void cartaJugada(int a, int b, int c) override { v.push_back("carta " + std::to_string(a) + " " + std::to_string(b) + " " + reglas::mazo()[c]); }
    void habla(int a, const std::string& t) override { v.push_back("dice " + std::to_string(a) + " " + t); }
    void puntos(int a, int t) override { v.push_back("puntos " + std::to_string(a) + " " + std::to_string(t)); }
    void finDeMano(int g) override { v.push_back("fin de mano " + std::to_string(g)); }
    void finDePartido(int g) override { v.push_back("fin de partido " + std::to_string(g)); }
    void turno(int a, const std::string& p) override { v.push_back("turno " + std::to_string(a) + " " + p); }
};

// A match whose pauses wait until the test runs them, with known hands.
struct Mesa {
    explicit Mesa(int empieza = 0, bool conFlor = false)
        : p(Opciones{1, conFlor, empieza}, azarDeReparto(7), [this](double, std::function<void()> f) { pausas.push_back(std::move(f)); })
    {
        p.empezar();
    }
    // Replaces both hands of the hand under way (seat 0's, seat 1's).
    void cartas(const std::array<std::string, 3>& h, const std::array<std::string, 3>& m)
    {
        Estado e = p.estado();
        for (int i = 0; i < 3; ++i) {
            e.cartas[0][i] = indice(h[i]);
            e.cartas[1][i] = indice(m[i]);
        }
        contarTantos(e);
        p = Partida(e, azarDeReparto(8), [this](double, std::function<void()> f) { pausas.push_back(std::move(f)); });
        p.observar(&r);
    }
    bool seguir()
    {
        if (pausas.empty())
            return false;
        auto f = std::move(pausas.front());
        pausas.pop_front();
        f();
        return true;
    }
    // Runs the pauses and the concessions of envido points until someone
    // must really choose.
    void asentar()
    {
        for (int i = 0; i < 8; ++i) {
            if (seguir())
                continue;
            const int s = p.aQuienLeToca();
            if (s < 0 || p.legales(s).front() != Movida{Accion::SonBuenas})
                return;
            p.mover(s, {Accion::SonBuenas});
        }
    }
    bool carta(int s, int i) { return p.mover(s, {Accion::Carta, i}); }
    bool dice(int s, Accion a) { return p.mover(s, {a}); }
    std::deque<std::function<void()>> pausas;
    Partida p;
    Registro r;
};

}  // namespace motor


namespace motor {

// A table that draws nothing.
struct PantallaMuda : mesa::Pantalla {
    void etiqueta(const std::string&, const std::string&) override {}
    void titulo(const std::string&) override {}
    void sonido(int, int) override {}
    void mano(const std::array<int, 3>&) override {}
    void jugada(int, int, int) override {}
    void verso(int) override {}
    void ganador(int) override {}
};

// The player at seat 0 against the Normal computer at seat 1, with known
// hands. The computer acts at once; the test plays seat 0 through the
// table's panel, as the player does.
struct ContraPc {
    ContraPc(int empieza, bool conFlor, const std::array<std::string, 3>& h, const std::array<std::string, 3>& m)
        : mesa(empieza, conFlor), vista(mesa.p, pantalla, [] { return 0.0; }),
          pc(FuenteMaquina{[this] { return sorteo; }, [this] { return segundo; }})
    {
        mesa.cartas(h, m);
        mesa.p.observar(&vista);
        vista.repartida(mesa.p.estado());  // the table shows the hands put
    }
    // The computer's envido points, when a test needs others than its cards'.
    void tantosPc(int t)
    {
        Estado e = mesa.p.estado();
        e.tantos[1] = t;
        mesa.p = Partida(e, azarDeReparto(8), [this](double, std::function<void()> f) { mesa.pausas.push_back(std::move(f)); });
        mesa.p.observar(&mesa.r);
        mesa.p.observar(&vista);
    }
    // Pauses and the computer's moves, until the player must act or the hand ends.
    void correr()
    {
        for (int i = 0; i < 50 && !e().manoTerminada; ++i) {
            if (mesa.seguir())
                continue;
            if (mesa.p.aQuienLeToca() != 1)
                return;
            mesa.p.mover(1, pc.elegir(mesa.p, 1));
        }
    }
    // A press on the panel: only an enabled button does something.
    bool pulsar(int boton)
    {
        if (vista.panel()[static_cast<std::size_t>(boton)] != '1')
            return false;
        const Movida m = vista.movidaDelBoton(boton);
        vista.pulso();
        const bool hecho = mesa.p.mover(0, m);
        correr();
        return hecho;
    }
    bool carta(int i)
    {
        const bool hecho = mesa.p.mover(0, {Accion::Carta, i});
        correr();
        return hecho;
    }
    bool mover(Accion a)
    {
        const bool hecho = mesa.p.mover(0, {a});
        correr();
        return hecho;
    }
    const Estado& e() const { return mesa.p.estado(); }
    std::string panel() const { return vista.panel(); }
    int h() const { return e().puntos[0]; }
    int m() const { return e().puntos[1]; }
    // What the computer said last.
    std::string dijo() const
    {
        for (auto it = mesa.r.v.rbegin(); it != mesa.r.v.rend(); ++it)
            if (it->rfind("dice 1 ", 0) == 0)
                return it->substr(7);
        return {};
    }

    Mesa mesa;
    PantallaMuda pantalla;
    mesa::Presentador vista;
    double sorteo = 0.9;
    int segundo = 0;
    JugadorNormal pc;
};

}  // namespace motor
