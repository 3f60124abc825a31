#pragma once
// The host's side of the four-player game. The host's computer runs the
// match (the engine's PartidaCuatro): the host's clicks and the clients'
// messages become moves, and what the engine tells becomes the host's table
// and the messages that let each client show it from his own seat. Events are handled
// one at a time in arrival order: one that comes while another is being
// relayed (the sends wait for their answers), or while a pause holds the
// flow, waits for it to finish. No pause waits inside the flow: it is a
// continuation the clock calls back. A seat without a person (filled by the
// host window, or left by its client) is played by the computer, which sees
// only what that seat may know and moves after a moment on the clock.
#include "game/Asiento.h"
#include "calls/MaquinaCuatro.h"
#include "net/MesaCuatro.h"
#include "motor/PartidaCuatro.h"

#include <QPointer>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Form1;
class Dea4;
struct Services;

class AsientoCuatro : public Asiento, public MesaCuatro, private cuatro::ObservadorCuatro {
public:
    AsientoCuatro(Form1& f, Services& s);

    // ---- The host's own moves (Asiento) -------------------------------------
    void jugar(int Index) override;
    void cantar(int Index) override;
    void flor() override {}
    void alMazo() override;
    void partidoTerminado() override;
    void caraCambiada() override;
    void abandonar() override;
    bool chatear(const QString& texto) override;
    QString voz() const override { return QString::number(jugadores_.caras[2]); }
    bool enParejas() const override { return true; }
    bool esperaAlJugador(bool respuesta) const override;
    bool manoEnJuego() const override { return manoEnJuego_; }

    // ---- The host window (MesaCuatro) ----------------------------------------
    void jugadorAceptado(int conectados) override;
    void mesaCompleta(const QString& miNombre, int miCara) override;
    void partidaEmpieza(Dea4& host, const JugadoresCuatro& jugadores, int repartidor) override;
    void recibir(int asiento, const QString& codigo, const QString& argumento) override;
    void caraCambiada(int asiento, const QString& nombre, int cara) override;
    void partidaTerminada() override;
    void jugadorRelevado(int asiento, const QString& nombre) override;

    const cuatro::ManoCuatro& mano() const;
    int repartidor() const { return partida_ ? partida_->estado().repartidor : repartidor_; }
    // Points of the host's pair (0) and of the other (1).
    std::array<int, 2> marcador() const { return partida_ ? partida_->estado().puntos : std::array<int, 2>{}; }
    bool enJuego() const { return enJuego_; }
    // Nothing waits to be handled, no pause holds the flow, and no
    // computer's move is on its way.
    bool quieto() const { return !ocupado_ && !enPausa_ && cola_.empty() && !pcEnCamino_; }
    // A computer plays this seat.
    bool esPC(int asiento) const;
    // Entries a client may have waiting; one more and he is dropped.
    static constexpr int kColaPorCliente = 4;
    // Waiting entries that came from seat s, and the most seen at once.
    int enCola(int asiento) const;
    int maximoEnCola() const { return maximoEnCola_; }

    // The match is over: back to the connection window.
    std::function<void()> alTerminar;
    // The host leaves the game: the host window and the connection window
    // unload, which tells every client.
    std::function<void()> alAbandonar;

private:
    // An action in the order of events; `asiento` is the seat it came from
    // (0 for the host's own and for the game's).
    void hacer(std::function<void()> accion, int asiento = 0);
    void seguir();
    void esperar(double segundos, std::function<void()> luego);
    void alFinal(std::function<void()> f);
    bool activo(int mano) const;
    // A client's move: would it change the hand now?
    bool cambiaLaMano(int s, const std::string& codigo, const QString& argumento) const;
    void moverCliente(int s, const std::string& codigo, const QString& argumento);
    void devolverPanel(int s);
    // The host's own panel and turn light on his table.
    void turnoPropio(bool mio, const std::string& panel);
    void soltarCliente(int s);
    // The computer whose move is due makes it after its pause.
    void pcSigue();
    void terminarAlCalmar();

    void paneles();
    // A move of a seat, as the engine takes it.
    void mover(int s, const cuatro::Movida& m);

    // What the engine tells.
    void repartida(const cuatro::EstadoCuatro& e) override;
    void cartaJugada(int s, int baza, const std::string& carta) override;
    void habla(int s, const std::string& frase, bool anuncio) override;
    void puntos(int pareja, int puntos, int total) override;
    void finDeMano(int pareja) override;
    void turno(const std::array<std::string, 4>& paneles, int carta) override;

    void contarCara(int asiento);
    bool enviarA(int asiento, const std::string& m);

    Form1& f_;
    Services& s_;
    QPointer<Dea4> dea4_;
    JugadoresCuatro jugadores_;
    // The match; made anew for each one.
    std::optional<cuatro::PartidaCuatro> partida_;
    int repartidor_ = 0;  // the first dealer
    bool enJuego_ = false;
    bool manoEnJuego_ = false;  // dealt and not yet settled
    // A send failed: nothing more goes out in this action.
    bool cortado_ = false;

    struct Accion {
        int asiento = 0;
        std::function<void()> hacer;
    };
    std::deque<Accion> cola_;
    bool ocupado_ = false;
    bool enPausa_ = false;
    int partidaNumero_ = 0;  // a continuation of an earlier match is dropped
    int maximoEnCola_ = 0;
    // A client's panel is owed him after a refused move (one entry each).
    std::array<bool, 4> panelDebido_{};
    // The match is over: go back once nothing is left to relay.
    bool terminarPendiente_ = false;
    // What each seat's panel shows (the host's own at 0), and the seat told
    // its card is due.
    std::array<std::string, 4> panelEnviado_;
    int turnoAvisado_ = -1;
    // The computers, by seat (used only where a computer plays), and one
    // move of theirs scheduled at a time.
    std::array<std::unique_ptr<cuatro::MaquinaCuatro>, 4> pc_;
    bool pcEnCamino_ = false;
};
