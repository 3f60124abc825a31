#pragma once
#include <QString>

// Whoever sits opposite the local player: the computer, or a person over the
// network. The table's procedures hand every local move to the seat; the seat
// answers by calling the table's procedures, the same path a click takes.
class Asiento {
public:
    virtual ~Asiento() = default;

    // The local player's moves (ICH_Click, bt_Click, Flor_Click, AlMazo_Click).
    virtual void jugar(int Index) = 0;
    virtual void cantar(int Index) = 0;
    virtual void flor() = 0;
    virtual void alMazo() = 0;

    // A match is under way with this seat: leaving it asks first.
    virtual bool jugando() const { return false; }
    // No step of the seat waits for its pause.
    virtual bool enReposo() const { return true; }
    // The seat waits for the local player: an answer (respuesta), or a card or call.
    virtual bool esperaAlJugador(bool /*respuesta*/) const { return false; }
    // A hand is dealt and not yet settled.
    virtual bool manoEnJuego() const { return false; }
    virtual void partidoTerminado() {}
    // The local player changed his face on the table.
    virtual void caraCambiada() {}
    // The local player leaves the game played with this seat.
    virtual void abandonar() {}
    // A chat line for the player opposite; false when there is nobody to read it.
    virtual bool chatear(const QString& /*texto*/) { return false; }
    // The game is played in pairs: a pair wins the match, every face keeps its
    // own name, and leaving asks first even between hands.
    virtual bool enParejas() const { return false; }
    // Voice of the player opposite (the face tag the sounds use).
    virtual QString voz() const { return QString(); }
};
