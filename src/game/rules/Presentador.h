#pragma once
// How the table of the game against the computer shows a match of the
// engine: which label says what, the title, the sounds, the verse window,
// the winner's box and the call panel's buttons. Plain C++: the window
// draws what it is told, and tests read it without one.
#include "motor/Partida.h"

#include <array>
#include <functional>
#include <string>

namespace mesa {

// What the table window does when told.
class Pantalla {
public:
    virtual ~Pantalla() = default;
    // A label's text: "LH"/"LC" what each side says, "JH(t)"/"JM(t)" the
    // cards played, "PuntosH"/"PuntosM" the score.
    virtual void etiqueta(const std::string& nombre, const std::string& texto) = 0;
    virtual void titulo(const std::string& texto) = 0;
    virtual void sonido(int codigo, int numero) = 0;
    // The own three cards of a new hand, face up (deck indexes).
    virtual void mano(const std::array<int, 3>& cartas) = 0;
    // A card down on the table: its picture in the trick's place.
    virtual void jugada(int asiento, int baza, int carta) = 0;
    // The other side sang flor: its verse, for the player to answer.
    virtual void verso(int numero) = 0;
    virtual void ganador(int asiento) = 0;
};

class Presentador : public motor::Observador {
public:
    // azar: the uniform draw the first verse of the run comes from.
    Presentador(const motor::Partida& p, Pantalla& pantalla, std::function<double()> azar);

    // The table waits for its player (seat 0): for an answer, or for a card
    // or a call.
    bool esperaRespuesta() const;
    bool esperaJugada() const;
    // The call panel now, as ten '0'/'1': bt(0)..bt(7), Flor, Al Mazo.
    std::string panel() const;
    // The player pressed a call button: the flor button goes off with it.
    void pulso() { flor_ = false; }
    // The move a button of the panel (0..9) makes now.
    motor::Movida movidaDelBoton(int boton) const;

    void repartida(const motor::Estado& e) override;
    void cartaJugada(int asiento, int baza, int carta) override;
    void habla(int asiento, const std::string& texto) override;
    void sonido(int asiento, int codigo, int numero) override;
    void puntos(int asiento, int total) override;
    void finDeMano(int ganador) override;

private:
    const motor::Partida& p_;
    Pantalla& pantalla_;
    std::function<double()> azar_;
    bool flor_ = false;
    bool versoElegido_ = false;
    int verso_ = 0;
};

// What a played card's label says: its code and its value.
std::string rotulo(int carta);

}  // namespace mesa
