#pragma once
// The host's side of the four-player game. The host's computer deals every
// hand, decides every card, call and trick, keeps the score of both pairs
// and tells each client what to show from his own seat. Events are handled
// one at a time in arrival order: one that comes while another is being
// relayed (the sends wait for their answers) waits for it to finish.
#include "game/Asiento.h"
#include "net/MesaCuatro.h"
#include "net/rules/ManoCuatro.h"

#include <QPointer>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>

class Form1;
class Dea4;
struct Services;

class AsientoCuatro : public Asiento, public MesaCuatro {
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

    // ---- The host window (MesaCuatro) ----------------------------------------
    void jugadorAceptado(int conectados) override;
    void mesaCompleta(const QString& miNombre, int miCara) override;
    void partidaEmpieza(Dea4& host, const JugadoresCuatro& jugadores, int repartidor) override;
    void recibir(int asiento, const QString& codigo, const QString& argumento) override;
    void caraCambiada(int asiento, const QString& nombre, int cara) override;
    void partidaTerminada() override;

    const cuatro::ManoCuatro& mano() const { return mano_; }
    int repartidor() const { return repartidor_; }
    // Points of the host's pair (0) and of the other (1).
    const std::array<int, 2>& marcador() const { return puntos_; }
    bool enJuego() const { return enJuego_; }
    // Nothing waits to be handled.
    bool quieto() const { return !ocupado_ && cola_.empty(); }

    // The match is over: back to the connection window.
    std::function<void()> alTerminar;
    // The host leaves the game: the host window and the connection window
    // unload, which tells every client.
    std::function<void()> alAbandonar;

private:
    void hacer(std::function<void()> accion);
    bool activo(int mano) const;

    void repartir4();
    void paneles();
    void jugada(int s, const std::string& carta);
    void canto(int s, cuatro::Canto c, const QString& frase);
    void respuesta(int s, bool quiero);
    void mazo(int s);
    void efecto(const cuatro::Efecto& e);
    void tantear();
    void finDeMano();
    void sigueDiferida();

    void hablar(int s, const QString& frase);
    void contarCara(int asiento);
    void darPuntos(bool paraHost, int puntos);
    bool enviarA(int asiento, const std::string& m);

    Form1& f_;
    Services& s_;
    QPointer<Dea4> dea4_;
    JugadoresCuatro jugadores_;
    cuatro::ManoCuatro mano_;
    int repartidor_ = 0;
    int manoNumero_ = 0;
    std::array<int, 2> puntos_{};
    bool enJuego_ = false;
    bool finPartido_ = false;

    std::deque<std::function<void()>> cola_;
    bool ocupado_ = false;
    // What each client's panel shows, and the seat told its card is due.
    std::array<std::string, 4> panelEnviado_;
    int turnoAvisado_ = -1;
    // A card that came while a call held play up; it goes down once the
    // call is settled, if the hand goes on.
    std::optional<std::pair<int, std::string>> diferida_;
};
