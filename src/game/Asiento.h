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

    // The hand ended on this table (the network games), worth valor to the
    // winner: the seat scores it on both tables and deals the next hand. True
    // when it did.
    virtual bool manoTerminada(bool /*ganaMaquina*/, int /*valor*/) { return false; }
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
