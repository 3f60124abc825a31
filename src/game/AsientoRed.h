#pragma once
// The person opposite over the network, in the two-player game. Every local
// move goes to the peer as a message of the catalogue; every message of the
// peer becomes the same step of the match. Both tables hold the whole hand
// (red::EstadoRed), so each can tell what the other may do at any moment;
// the table only draws what happens.
#include "game/Asiento.h"
#include "motor/EstadoRed.h"
#include "net/MesaRed.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class ClienteCuatro;
class Form1;
class Enlace;
struct Services;

class AsientoRed : public Asiento, public MesaRed {
public:
    AsientoRed(Form1& f, Services& s);
    ~AsientoRed() override;

    // ---- The table's moves (Asiento) ------------------------------------
    void jugar(int Index) override;  // CH_Click in the two-player game
    void cantar(int Index) override;
    void flor() override;
    void alMazo() override;
    void partidoTerminado() override;
    void caraCambiada() override;
    QString voz() const override { return QString::number(caraPeer_); }

    // ---- The connection (MesaRed) -----------------------------------------
    void redConectada(Enlace& enlace, bool servidor, const QString& miNombre, int miCara) override;
    void saludoHecho(const QString& nombrePeer, int caraPeer) override;
    bool recibir(const QString& codigo, const QString& argumento) override;
    void redTerminada(bool porElPeer) override;

    // The chat line: "MENS" and the text, straight to the peer.
    bool chatear(const QString& texto) override;
    void abandonar() override;

    bool SoyServidor() const { return servidor_; }
    // The local player may put down a card now.
    bool puedeJugar() const { return p_.vista(red::kLocal).turno; }
    bool jugando() const override { return puedeCantar_; }
    bool enReposo() const override { return pausas_ == 0; }
    bool esperaAlJugador(bool respuesta) const override;
    const red::EstadoRed& estado() const { return p_; }
    bool RedEnJuego = false;
    // The table leaves the network game (match over, or the window closed).
    std::function<void()> alTerminar;
    // The connection window unloads (the player left the game).
    std::function<void()> alAbandonar;
    // What the other side may press now, as the mask it is sent.
    std::string panelDelPeer() const;
    std::string panelLocal() const;
    // This table's side of a four-player game, once the host said "DEA4".
    ClienteCuatro* cuatro() const { return cuatro_.get(); }

private:
    bool enviar(const std::string& m);
    bool enviarDirecto(const std::string& m);
    void panel();
    void repartirRed();
    void cerrarBaza(int t);
    void pasarTurnoAlPeer();
    // Points on this table only, as the score shows them; the match may end.
    void anotar(int lado, int puntos);
    // ... and on the peer's too.
    void darPuntos(bool local, int puntos);
    // The hand is over on this table: it scores it and deals the next.
    void finDeMano(bool ganaLocal, bool sinPuntos);
    void sonar(int codigo, int numero, bool peer);
    void terminarCuandoCalle();
    // A step of the flow after a pause; input waits meanwhile. It runs only
    // if the hand it belongs to is still on the table.
    void despues(double segundos, std::function<void()> paso);

    // Calls sung and answered.
    void pulsar(int boton);
    void tantear();

    // Receivers of the catalogue.
    bool recibirCarta(const QString& codigo, const QString& argumento);
    bool recibirJuego(const QString& codigo, const QString& argumento);
    bool recibirCanto(const QString& codigo, const QString& argumento);
    bool recibirPuntos(const QString& codigo, int puntos);

    Form1& f_;
    Services& s_;
    QPointer<Enlace> enlace_;
    bool servidor_ = false;
    QString miNombre_, nombrePeer_;
    int miCara_ = 0, caraPeer_ = 0;

    red::EstadoRed p_;
    bool jugando_ = false;      // a card is on its way
    bool puedeCantar_ = false;  // the local panel offers something
    int pausas_ = 0;            // steps waiting for their pause
    bool configurado_ = false;  // the server's "CONF" came
    std::unique_ptr<ClienteCuatro> cuatro_;
    bool enCuatro_ = false;     // the connection is a four-player game's
};
