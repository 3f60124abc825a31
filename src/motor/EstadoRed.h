#pragma once
// The two-player network match as one table holds it. Both tables keep the
// whole state, each from its own side (lado 0 this table, 1 the peer), and
// compute both panels from it; the seat turns presses and the peer's
// messages into these steps, and their results into messages and drawing.
#include "motor/BazaRed.h"
#include "motor/PanelRed.h"
#include "motor/Reglas.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace red {

constexpr int kLocal = 0, kPeer = 1;

struct CartaRed {
    std::string codigo;
    int valor = 0;
    bool enMano = false;
};

struct EstadoRed {
    // ---- The match -----------------------------------------------------------
    bool conFlor = false;
    std::array<int, 2> puntos{};
    bool partidoTerminado = false;
    int manoNumero = 0;      // hands dealt: a step resumed after a pause checks it
    bool peerEsMano = false;
    std::array<bool, 40> usada{};

    // ---- The hand ------------------------------------------------------------
    bool manoTerminada = true;
    std::array<std::array<CartaRed, 3>, 2> manos{};
    std::array<std::array<CartaRed, 3>, 2> jugadas{};  // by trick
    std::array<int, 2> jugadasN{};
    std::array<int, 3> bazas{};  // this table's wins 2, the peer's 0, parda 1
    bool turnoLocal = false;
    Pedido respondo = Pedido::Nada;  // the peer waits for this answer of ours
    Pedido espero = Pedido::Nada;    // we wait for the peer's answer to this
    bool esperandoTanteo = false;    // an accepted envido is being compared
    bool cerrada = false;            // the hand is over here; the next deal comes
    reglas::Escalera truco;
    bool envidoCantado = false, envidoResuelto = false;
    int tanto = 0;          // at stake on an accepted envido
    int tantoAnterior = 1;  // what a refused envido gives
    bool falta = false;
    bool florCantada = false, contraflor = false;
    std::array<bool, 2> flor{};
    std::array<int, 2> puntosFlor{};

    Vista vista(int lado) const;
    std::string panel(int lado) const { return red::panel(vista(lado)); }

    // A new hand: nothing sung, nothing played, the mano alternates.
    void nuevaMano();
    // This table deals: the peer's three cards, then its own.
    void repartir(const std::function<int()>& azar);
    void ponerCarta(int lado, int i, const std::string& codigo);
    // Envido points of a hand; the flor of both hands.
    int tantos(int lado) const;
    void contarFlores();

    // A card of lado's hand goes to its next trick; the trick's number.
    int jugar(int lado, int i);
    // This table put down the second card of trick t: it settles it.
    TrasBaza cerrarBaza(int t);

    // A press of a side's panel (bt(0)..bt(7), Flor, Al Mazo), as the
    // panel allows it now; nothing changes otherwise.
    struct Efecto {
        enum Tipo {
            Sigue,       // a call, or an accepted step of the ladder
            Tanteo,      // an accepted envido: the side that sang it compares
            Rechazo,     // a refused envido: puntos for the other side, play goes on
            Cierre,      // a refused step or the deck: puntos for the other side, the hand is over
            Flor,        // a flor with none opposite: the other side gives the three
            Contraflor,  // flor against flor: settled when the hand ends
        } tipo = Sigue;
        int puntos = 0;
    };
    std::optional<Efecto> pulsar(int lado, int boton);

    // Points for a side, clamped at 30; true when they end the match.
    bool darPuntos(int lado, int n);
    // What the hand's tricks are worth: the step of the ladder accepted.
    int valorDeLaMano() const;
    // The accepted envido: whether this table wins it, and its value.
    bool ganaTanteoLocal() const;
    int valorDelTanto(bool ganaLocal) const;
    bool ganaContraflorLocal() const;

private:
    // What a side waits to hear answered, and what it must answer.
    Pedido& pide(int lado) { return lado == kLocal ? espero : respondo; }
    Pedido& responde(int lado) { return lado == kLocal ? respondo : espero; }
    void cantarEnvido(int lado, int boton);
};

bool esEnvido(Pedido p);

}  // namespace red
