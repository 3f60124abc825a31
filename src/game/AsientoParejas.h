#pragma once
// The game in pairs against the computer: the player (seat 0) and a computer
// partner (seat 2) against two computers (seats 1 and 3), on the table of
// four. The engine keeps the match; what it tells is drawn as the host of a
// network game draws it, and the computers' moves come from the clock after
// a pause, never from inside a step of the engine.
#include "game/Asiento.h"
#include "calls/MaquinaCuatro.h"
#include "motor/PartidaCuatro.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Form1;
struct Services;

class AsientoParejas : public Asiento, private cuatro::ObservadorCuatro {
public:
    explicit AsientoParejas(Form1& f);
    ~AsientoParejas() override;

    // Who sits where: names and faces by seat.
    struct Jugadores {
        std::array<QString, 4> nombres;
        std::array<int, 4> caras{};
    };
    // The player at seat 0 with his name and face; the three computers get
    // different faces (never his) and different Spanish first names (a
    // woman's name under a woman's face, never the player's name), drawn by
    // sorteo(n), a whole number in [0, n).
    static Jugadores sentar(const QString& nombre, int cara, const std::function<int(int)>& sorteo);

    // A new match; the first hand is dealt at once. The player leads the
    // first hand unless the computer starts.
    void empezar(const QString& nombre, int cara, bool computadoraEmpieza);
    const Jugadores& jugadores() const { return jugadores_; }
    const cuatro::PartidaCuatro* partida() const { return partida_ ? &*partida_ : nullptr; }

    // ---- The seat -------------------------------------------------------------
    void jugar(int Index) override;
    void cantar(int Index) override;
    void flor() override {}
    void alMazo() override;
    bool jugando() const override;
    bool enReposo() const override;
    bool esperaAlJugador(bool respuesta) const override;
    bool manoEnJuego() const override { return manoEnJuego_; }
    void partidoTerminado() override;
    void caraCambiada() override;
    void abandonar() override;
    QString voz() const override { return QString::number(jugadores_.caras[2]); }
    bool enParejas() const override { return true; }

private:
    bool mover(int s, const cuatro::Movida& m);
    // After every settled step: the player's panel and light, and the
    // computer whose move is due, once.
    void seguir();
    void soltarContexto();

    void repartida(const cuatro::EstadoCuatro& e) override;
    void cartaJugada(int s, int baza, const std::string& carta) override;
    void habla(int s, const std::string& frase, bool anuncio) override;
    void puntos(int pareja, int puntos, int total) override;
    void finDeMano(int pareja) override;
    void turno(const std::array<std::string, 4>& paneles, int carta) override;

    Form1& f_;
    Services& s_;
    Jugadores jugadores_;
    // Pauses and the computers' moves die with the match.
    std::unique_ptr<QObject> contexto_;
    std::optional<cuatro::PartidaCuatro> partida_;
    std::array<std::unique_ptr<cuatro::MaquinaCuatro>, 4> pc_;
    bool pcEnCamino_ = false;
    bool manoEnJuego_ = false;  // dealt and not yet settled
};
