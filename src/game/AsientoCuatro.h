#pragma once
// The host's side of the four-player game. The host's computer deals every
// hand, decides every card, call and trick, keeps the score of both pairs
// and tells each client what to show from his own seat. Events are handled
// one at a time in arrival order: one that comes while another is being
// relayed (the sends wait for their answers) waits for it to finish.
#include "game/Asiento.h"
#include "net/MesaCuatro.h"
#include "motor/ManoCuatro.h"

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
    bool activo(int mano) const;
    // A client's move: would it change the hand now?
    bool cambiaLaMano(int s, const std::string& codigo, const QString& argumento) const;
    void moverCliente(int s, const std::string& codigo, const QString& argumento);
    void devolverPanel(int s);
    void soltarCliente(int s);
    void terminarAlCalmar();

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

    struct Accion {
        int asiento = 0;
        std::function<void()> hacer;
    };
    std::deque<Accion> cola_;
    bool ocupado_ = false;
    int maximoEnCola_ = 0;
    // A client's panel is owed him after a refused move (one entry each).
    std::array<bool, 4> panelDebido_{};
    // The match is over: go back once nothing is left to relay.
    bool terminarPendiente_ = false;
    // What each client's panel shows, and the seat told its card is due.
    std::array<std::string, 4> panelEnviado_;
    int turnoAvisado_ = -1;
    // A card that came while a call held play up; it goes down once the
    // call is settled, if the hand goes on.
    std::optional<std::pair<int, std::string>> diferida_;
};
