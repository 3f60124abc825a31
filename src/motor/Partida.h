#pragma once
// The match of two players as a plain value and the steps that change it.
// No window and no clock: the table shows what the engine tells, every seat
// (the local player, the computer, a peer over the network) plays through
// mover(), and pauses are continuations handed to an injected scheduler.
//
// Seat 0 is the table's own player ("H" in the score), seat 1 the one
// opposite ("M"). The steps keep the names the game's procedures have always
// had (repartir, Analizar, DarPuntos, ...).
#include "motor/Cartas.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace motor {

constexpr int kAsientos = 2;
inline int otro(int asiento) { return 1 - asiento; }

// What a seat may do. The panel's buttons: bt(0) Truco, bt(1) Quiero,
// bt(2) Envido, bt(3) No Quiero, bt(4) Real envido, bt(5) Quiero retruco,
// bt(6) Falta envido, bt(7) Quiero vale 4, then Flor and Al Mazo.
enum class Accion : std::uint8_t {
    Carta,
    Truco,
    Quiero,
    Envido,
    NoQuiero,
    RealEnvido,
    Retruco,
    FaltaEnvido,
    Vale4,
    Flor,
    AlMazo,
    // Not on the panel: the verse window's answers to a flor, and the
    // concession of envido points.
    Contraflor,
    Olor,
    SonBuenas,
};
struct Movida {
    Accion accion = Accion::Carta;
    int carta = -1;  // Carta: the place in the hand, 0..2
    bool operator==(const Movida&) const = default;
};
// The button of an action, as the panel's mask counts them (0..9).
int boton(Accion a);

struct Opciones {
    int variante = 1;         // 1 the whole deck, 2 the 22-card Spanish one
    bool conFlor = true;
    int empieza = 0;          // the mano of the first hand
    bool operator==(const Opciones&) const = default;
};

// The truco ladder of a hand.
struct Escalera {
    int cantado = 0;   // 0 none, 1 truco, 2 retruco, 3 vale cuatro
    int querido = 0;   // the highest step accepted
    int canto = -1;    // the seat that sang the last step
    int abrio = -1;    // the seat that sang the truco
    bool operator==(const Escalera&) const = default;
};

// A call waiting for its answer.
struct Pedido {
    bool activo = false;
    int responde = -1;  // the seat that must answer
    int nivel = 0;      // the step of the ladder it waits on
    bool operator==(const Pedido&) const = default;
};

// The envido of a hand: the chain of calls sung, each answered by raising.
struct Envite {
    std::array<Accion, 4> cadena{};
    int n = 0;
    int abrio = -1;
    bool cantado = false;   // an envido or a flor was sung: no other this hand
    bool resuelto = false;
    bool operator==(const Envite&) const = default;
};

struct Flor {
    bool cantada = false;
    int canto = -1;
    bool contraflor = false;  // settled when the hand ends
    bool operator==(const Flor&) const = default;
};

// Envido points conceded: the winner waits for the loser's "Son Buenas".
struct Concesion {
    int cede = -1;  // the seat that must concede, -1 none
    int gana = -1;
    int valor = 0;  // 0 a falta envido
    bool operator==(const Concesion&) const = default;
};



struct Estado {
    Opciones opciones;
    std::array<int, kAsientos> puntos{};
    bool terminado = false;
    int ganador = -1;
    int numeroMano = 0;

    // The hand under way.
    int mano = 0;                                      // who leads the first trick
    std::array<std::array<int, 3>, kAsientos> cartas{};  // deck indexes
    std::array<std::array<bool, 3>, kAsientos> enMano{};
    std::array<std::array<int, 3>, kAsientos> jugadas{};  // deck index per trick, -1 none
    std::array<int, kAsientos> jugadasN{};
    std::array<int, 3> bazas{};  // per trick: reglas::GanaH, Parda or GanaM
    int turno = 0;               // whose card is due
    Escalera truco;
    Pedido pedido;        // a step of the truco ladder waits for its answer
    Envite envido;
    Pedido pedidoEnvido;  // the envido's last call waits for its answer
    Flor flor;
    Pedido pedidoFlor;    // a flor waits for olor or contraflor
    Concesion concesion;
    std::array<int, kAsientos> tantos{};      // envido points of each hand
    std::array<int, kAsientos> puntosFlor{};  // 0 without flor
    // What the envido showed of the hands: the points each seat said out
    // loud (-1 unsaid) and the winner of an accepted envido (-1 none).
    std::array<int, kAsientos> tantoDicho{-1, -1};
    int ganaEnvido = -1;
    bool manoTerminada = true;
    bool enPausa = false;  // a continuation is scheduled: nobody moves

    bool operator==(const Estado&) const = default;

    // Truco value of a card in a seat's hand or on the table.
    int valor(int asiento, int i) const { return reglas::darValor(reglas::mazo()[cartas[asiento][i]]); }
    int valorJugada(int asiento, int baza) const
    {
        return jugadas[asiento][baza] < 0 ? 0 : reglas::darValor(reglas::mazo()[jugadas[asiento][baza]]);
    }
};

// The envido and flor points of both hands, from their cards.
void contarTantos(Estado& e);

// What happened, for whoever shows or records it.
class Observador {
public:
    virtual ~Observador() = default;
    virtual void repartida(const Estado&) {}
    virtual void cartaJugada(int /*asiento*/, int /*baza*/, int /*carta*/) {}
    // What a seat says (its speech line), and a sound of the table's codes
    // (numero: the points a "T" sound says); seat -1 is the table itself.
    virtual void habla(int /*asiento*/, const std::string& /*texto*/) {}
    virtual void sonido(int /*asiento*/, int /*codigo*/, int /*numero*/) {}
    virtual void baza(int /*t*/, int /*resultado*/) {}
    virtual void puntos(int /*asiento*/, int /*total*/) {}
    virtual void finDeMano(int /*ganador*/) {}
    virtual void finDePartido(int /*ganador*/) {}
    // A seat may act now, with this panel (mask of ten '0'/'1').
    virtual void turno(int /*asiento*/, const std::string& /*panel*/) {}
};

// Chance for the deal: a uniform whole number in [0, 39].
using Azar = std::function<int()>;
// Runs f after the given seconds (zero in tests and in the arena).
using Agenda = std::function<void(double segundos, std::function<void()> f)>;

class Partida {
public:
    Partida(Opciones o, Azar azar, Agenda agenda = {});
    // Goes on from a state, as a search plays on from a copy.
    Partida(const Estado& e, Azar azar, Agenda agenda = {});

    const Estado& estado() const { return e_; }
    void observar(Observador* o) { observadores_.push_back(o); }

    // Deals the first hand.
    void empezar();
    // Applies a legal move of a seat; refuses any other and changes nothing.
    bool mover(int asiento, const Movida& m);
    // Every move the seat may make now.
    std::vector<Movida> legales(int asiento) const;
    // The seat that must act now, or -1 (a pause, the end).
    int aQuienLeToca() const;
    // The panel of a seat now, as a mask of ten '0'/'1'.
    std::string panel(int asiento) const;

private:
    void repartir();
    void jugarCarta(int asiento, int i);
    void Analizar();  // both cards of a trick are down
    void cantarTruco(int asiento, int nivel);
    void responderTruco(int asiento, bool quiero);
    void alMazo(int asiento);
    void cantarEnvido(int asiento, Accion canto);
    void responderEnvido(int asiento, bool quiero);
    void cantarFlor(int asiento);
    void responderFlor(int asiento, bool contraflor);
    void sonBuenas(int asiento);
    void decir(int asiento, const std::string& texto, int sonido = -1, int numero = 0);
    void pagarEnvido(int gana, int valor);
    void compararCantoMaquina(int valor, bool diceQuiero);
    void compararCantoHumano(int valor);
    void pedirSonBuenas(int cede, int gana, int valor);
    void ComparandoFlor();
    bool envidoPosible(int asiento) const;
    bool florPosible(int asiento) const;
    void envidoLegales(int asiento, std::vector<Movida>& v) const;
    void DarPuntos(int asiento, int puntos);
    void terminarMano(int ganador, bool sinPuntos);
    void acabarPartido();
    void siguienteMano();
    void anunciarTurno();
    void despues(double segundos, std::function<void()> f);
    template <class F>
    void avisar(F&& f)
    {
        for (Observador* o : observadores_)
            f(*o);
    }

    Estado e_;
    Azar azar_;
    Agenda agenda_;
    std::vector<Observador*> observadores_;
};

}  // namespace motor
