#pragma once
// A two-player match for engine tests: known hands, and pauses that wait
// until the test runs them.
#include "motor/Arena.h"
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
