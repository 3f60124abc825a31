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

    // The hand ended on this table, worth valor to the winner. True when the
    // seat takes it from here (scores on both tables, deals the next hand).
    virtual bool manoTerminada(bool /*ganaMaquina*/, int /*valor*/) { return false; }
    // Points the table gave one side that the other table must see too.
    virtual void puntosDados(const QString& /*Quien*/, int /*Puntos*/) {}
    virtual void partidoTerminado() {}
    // The local player changed his face on the table.
    virtual void caraCambiada() {}
    // Voice of the player opposite (the face tag the sounds use).
    virtual QString voz() const { return QString(); }
};
