#pragma once
// The computer opposite, in a match the engine keeps. The table shows what
// the engine tells (through the presenter) and hands the player's presses to
// it as moves; the computer answers with its own moves, after its pauses.
// At the "Difícil" level the computer's search runs off the window's thread
// and its move comes back as an event.
#include "game/Asiento.h"
#include "game/rules/Presentador.h"
#include "calls/Dificil.h"
#include "calls/Maquina.h"
#include "motor/Partida.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class Form1;
class FFlor;

class AsientoMaquina : public Asiento, public mesa::Pantalla {
public:
    explicit AsientoMaquina(Form1& f);
    ~AsientoMaquina() override;

    // A new match with these options, at the level chosen in the options
    // window; the first hand is dealt at once.
    void empezar(const motor::Opciones& o);
    bool dificil() const { return dificil_ != nullptr; }
    // The "Difícil" computer is thinking its move.
    bool pensando() const { return pensando_; }
    bool enJuego() const { return partida_ && !partida_->estado().terminado; }
    const motor::Partida* partida() const { return partida_.get(); }

    // The table waits for its player: an answer, or a card or a call.
    bool esperaRespuesta() const { return vista_ && vista_->esperaRespuesta(); }
    bool esperaJugada() const { return vista_ && vista_->esperaJugada(); }
    // A pause of the match is under way.
    bool enPausa() const { return partida_ && partida_->estado().enPausa; }

    // ---- The seat ------------------------------------------------------------
    void jugar(int Index) override;
    void cantar(int Index) override;
    void flor() override { cantar(8); }
    void alMazo() override { cantar(9); }
    // The match is left where it stands: no pause or move of it runs again.
    void abandonar() override;
    bool jugando() const override { return enJuego(); }
    bool enReposo() const override { return !enPausa(); }
    bool esperaAlJugador(bool respuesta) const override { return respuesta ? esperaRespuesta() : esperaJugada(); }
    bool manoEnJuego() const override { return partida_ && !partida_->estado().manoTerminada; }

    // ---- What the table shows ----------------------------------------------
    void etiqueta(const std::string& nombre, const std::string& texto) override;
    void titulo(const std::string& texto) override;
    void sonido(int codigo, int numero) override;
    void mano(const std::array<int, 3>& cartas) override;
    void jugada(int asiento, int baza, int carta) override;
    void verso(int numero) override;
    void ganador(int asiento) override;

private:
    bool mover(const motor::Movida& m);
    // After every step: the panel and the turn.
    void seguir();
    // The computer's move now: at once at "Normal", searched elsewhere at "Difícil".
    void jugarPc();
    void pensar();
    void mostrarNivel(bool visible);
    // The panel of the computer's turn, left unset while it answers at once,
    // is put up before a window of its move opens.
    void mostrarPanelPendiente();

    Form1& f_;
    std::unique_ptr<QObject> contexto_;  // pauses and the computer's moves die with the match
    std::unique_ptr<motor::Partida> partida_;
    std::unique_ptr<mesa::Presentador> vista_;
    std::unique_ptr<motor::JugadorNormal> pc_;
    std::unique_ptr<motor::JugadorDificil> dificil_;
    bool pensando_ = false;
    // The verse window of each of the four verses, made at its first flor
    // and shown again at the next ones; verso_ is the one up now.
    std::array<QPointer<FFlor>, 4> versos_;
    QPointer<FFlor> verso_;
    bool pcEnCamino_ = false;
    // The panel of the computer's turn was skipped: bt(3)'s "Son Buenas" then.
    std::optional<bool> panelSinMostrar_;
};
