#pragma once
#include <QString>
#include <array>

class Dea4;

// The four players as the host seats them: 0 the host, 2 his partner.
struct JugadoresCuatro {
    std::array<QString, 4> nombres;
    std::array<int, 4> caras{};
};

// What the host window needs of the host's table in a four-player game. The
// window owns the connections; the table plays over Dea4::enviar.
class MesaCuatro {
public:
    virtual ~MesaCuatro() = default;
    // A client was accepted (conectados 1..3): the table plays sound 1.
    virtual void jugadorAceptado(int conectados) = 0;
    // Three clients are in: the table takes the four-player layout, calls
    // off, the chat box shown, the score reset.
    virtual void mesaCompleta(const QString& miNombre, int miCara) = 0;
    // Seats and dealer are chosen and every client has been told its seats,
    // the pie and the start. The table shows the names (" [PIE]" on the
    // dealer) and deals the first hand.
    virtual void partidaEmpieza(Dea4& host, const JugadoresCuatro& jugadores, int repartidor) = 0;
    // A client's call, played card or chat line, from the seat it sits in.
    // Sent after the "OKOK" (none to a chat line).
    virtual void recibir(int asiento, const QString& codigo, const QString& argumento) = 0;
    // A player in a game changed his face; the table tells the others.
    virtual void caraCambiada(int asiento, const QString& nombre, int cara) = 0;
    // The game over the network ended: a player left or a send failed. Every
    // connection is already closed.
    virtual void partidaTerminada() = 0;
    // The client at this seat left during the match and a computer plays for
    // him from now on, with his cards, his pair's points and his turn. The
    // table tells everyone still there.
    virtual void jugadorRelevado(int asiento, const QString& nombre) = 0;
};
