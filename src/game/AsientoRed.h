#pragma once
// The person opposite over the network, in the two-player game. Every local
// move goes to the peer as a message of the catalogue; every message of the
// peer is applied through the same procedures of the table. Both tables hold
// the whole hand, so each can tell what the other may do at any moment.
#include "game/Asiento.h"
#include "net/MesaRed.h"
#include "net/rules/PanelRed.h"

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
    bool manoTerminada(bool ganaMaquina, int valor) override;
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
    bool puedeJugar() const { return vista(true).turno; }
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
    red::Vista vista(bool local) const;
    void panel();
    void limpiarPedidos();
    void repartirRed();
    void cerrarBaza(int t);
    void pasarTurnoAlPeer();
    void darPuntos(bool local, int puntos);
    void sonar(int codigo, int numero, bool peer);
    void terminarCuandoCalle();

    // Calls sung and answered.
    void llamarEnvido(int Index, bool subida);
    void recibirEnvido(const QString& codigo);
    void tantear();
    void recibirFlor();

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

    red::Pedido respondo_ = red::Pedido::Nada;  // the peer waits for this answer of ours
    red::Pedido espero_ = red::Pedido::Nada;    // we wait for the peer's answer to this
    bool esperandoTanteo_ = false;              // our Quiero to an envido: the peer settles it
    bool cerrada_ = false;                      // the hand is over here; the next deal comes
    bool jugando_ = false;                      // a card is on its way
    int tantoAnterior_ = 1;                     // what a refused envido gives
    bool falta_ = false;                        // a falta envido is at stake
    bool configurado_ = false;                  // the server's "CONF" came
    std::unique_ptr<ClienteCuatro> cuatro_;
    bool enCuatro_ = false;                     // the connection is a four-player game's
};
