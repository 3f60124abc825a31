#pragma once
#include <QString>

class Enlace;

// What the connection window needs of the table in a two-player game. The
// window owns the connection; the table plays over it.
class MesaRed {
public:
    virtual ~MesaRed() = default;
    // The connection exists. The table turns into a network table (score
    // reset, calls off) and sends through enlace from now on.
    virtual void redConectada(Enlace& enlace, bool servidor, const QString& miNombre, int miCara) = 0;
    // The opening names were exchanged (the reply already went out). The
    // table shows the names and faces; the server chooses the options and
    // deals the first hand.
    virtual void saludoHecho(const QString& nombrePeer, int caraPeer) = 0;
    // A message of the peer, decoded. False (or MensajeRechazado thrown)
    // when it makes no sense at this point: it is then reported and dropped.
    virtual bool recibir(const QString& codigo, const QString& argumento) = 0;
    // The game over the network ended: the peer closed (porElPeer), or the
    // wire failed, or the user closed the connection window.
    virtual void redTerminada(bool porElPeer) = 0;
};
