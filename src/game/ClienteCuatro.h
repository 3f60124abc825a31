#pragma once
// A client's side of the four-player game: the table shows what the host
// tells it, each seat from this player's point of view (0 himself, 1 his
// right, 2 his partner, 3 his left), and sends the player's moves to the
// host, which decides them. Messages are shown in the order they came,
// each behind any card still in flight.
#include "game/Asiento.h"

#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string>

class Form1;
class Enlace;
struct Services;

class ClienteCuatro : public Asiento {
public:
    ClienteCuatro(Form1& f, Services& s, Enlace& enlace, const QString& miNombre, int miCara);

    // ---- The player's moves, to the host ---------------------------------------
    void jugar(int Index) override;
    void cantar(int Index) override;
    void flor() override {}
    void alMazo() override;
    void partidoTerminado() override;
    void caraCambiada() override;
    void abandonar() override;
    bool chatear(const QString& texto) override;
    QString voz() const override { return QString::number(caras_[2]); }
    bool enParejas() const override { return true; }
    bool esperaAlJugador(bool respuesta) const override;
    bool manoEnJuego() const override { return manoEnJuego_; }

    // A message of the host. False when it is none of the four-player game's.
    bool recibir(const QString& codigo, const QString& argumento);
    // The connection to the host ended.
    void redTerminada(bool porElPeer);

    // A card may be put down now: the host said so, and no call waits.
    bool puedeJugar() const;
    // One pair has reached the end of the match.
    bool terminado() const;
    const std::array<QString, 4>& nombres() const { return nombres_; }
    int pie() const { return pie_; }

    // The match is over: back to the connection window, once nothing of
    // ours waits for its answer.
    std::function<void()> alTerminar;
    // The player leaves: the connection window unloads.
    std::function<void()> alAbandonar;

private:
    void tratar(const QString& codigo, const QString& argumento);
    void mostrarJugadores();
    bool enviar(const std::string& m);

    Form1& f_;
    Services& s_;
    QPointer<Enlace> enlace_;
    std::array<QString, 4> nombres_;
    std::array<int, 4> caras_{};
    int pie_ = -1;
    bool miTurno_ = false;
    bool manoEnJuego_ = false;  // the host dealt this table's cards
    QString panel_;             // the host's last panel for this player
    std::array<QString, 3> cartas_;  // the own hand as the host deals it
    int jugadas_ = 0;  // own cards down in this hand
    std::array<int, 2> puntos_{};  // the own pair's ("M") and the other's
};
