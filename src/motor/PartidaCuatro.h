#pragma once
// The match of four players in pairs as a plain value and the steps that
// change it. The host's table runs it with three seats over the network; the
// arena runs it with four computer players. Seats are the host's (0 and 2 one
// pair, 1 and 3 the other); pair 0 is seats 0 and 2 ("M" on the host's table).
// No window and no clock: pauses are continuations handed to the injected
// scheduler, chance comes from the injected draw.
#include "motor/ManoCuatro.h"
#include "motor/Partida.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cuatro {

enum class Jugada : std::uint8_t { Carta, Canto, Quiero, NoQuiero, AlMazo };

struct Movida {
    Jugada tipo = Jugada::Carta;
    Canto canto = Canto::Truco;  // Canto: which
    std::string carta;           // Carta: its code, "7E"
    bool operator==(const Movida&) const = default;

    static Movida de(Jugada j) { return {j, Canto::Truco, {}}; }
    static Movida deCanto(Canto c) { return {Jugada::Canto, c, {}}; }
    static Movida deCarta(std::string c) { return {Jugada::Carta, Canto::Truco, std::move(c)}; }
};

// The panel's buttons, bt(0)..bt(7) and Al Mazo (9), as moves.
Movida movidaDeBoton(int boton);

// The pair of a seat: 0 for seats 0 and 2, 1 for 1 and 3.
inline int pareja(int asiento) { return asiento % 2; }

struct EstadoCuatro {
    std::array<int, 2> puntos{};  // by pair
    bool terminado = false;
    int ganador = -1;             // the pair that reached 30
    int repartidor = 0;
    int numeroMano = 0;
    ManoCuatro mano;
    bool manoTerminada = true;
    // A card put down by the seat on turn while a call waits for its answer:
    // it goes down once the call is settled, if the hand goes on.
    std::optional<std::pair<int, std::string>> diferida;
    bool enPausa = false;  // a continuation is scheduled: nobody moves
    bool operator==(const EstadoCuatro&) const = default;
};

class ObservadorCuatro {
public:
    virtual ~ObservadorCuatro() = default;
    virtual void repartida(const EstadoCuatro&) {}
    virtual void cartaJugada(int /*asiento*/, int /*baza*/, const std::string& /*carta*/) {}
    // A seat says something. anuncio: its envido points (or "Son Buenas"),
    // said in turn after an accepted envido.
    virtual void habla(int /*asiento*/, const std::string& /*frase*/, bool /*anuncio*/) {}
    // A sound of the table's codes (numero: the points a "T" sound says);
    // seat -1 is the table itself.
    virtual void sonido(int /*asiento*/, int /*codigo*/, int /*numero*/) {}
    virtual void baza(int /*t*/, int /*resultado*/) {}
    // Points to a pair; total is its score after them. When they end the
    // match the state already says so.
    virtual void puntos(int /*pareja*/, int /*puntos*/, int /*total*/) {}
    virtual void finDeMano(int /*pareja*/) {}
    virtual void finDePartido(int /*pareja*/) {}
    // The state settled: every seat's panel (mask of ten '0'/'1') and the
    // seat whose card may go down now (-1 none).
    virtual void turno(const std::array<std::string, 4>& /*paneles*/, int /*carta*/) {}
};

class PartidaCuatro {
public:
    PartidaCuatro(motor::Azar azar, motor::Agenda agenda = {});
    // Goes on from a state, as a search plays on from a copy.
    PartidaCuatro(const EstadoCuatro& e, motor::Azar azar, motor::Agenda agenda = {});

    const EstadoCuatro& estado() const { return e_; }
    const ManoCuatro& mano() const { return e_.mano; }
    void observar(ObservadorCuatro* o) { observadores_.push_back(o); }

    // Deals the first hand from the given dealer.
    void empezar(int repartidor);
    // Applies a legal move of a seat; refuses any other and changes nothing.
    bool mover(int asiento, const Movida& m);
    // Would mover() take it now? Nothing changes.
    bool permitida(int asiento, const Movida& m) const;
    // Every move the seat may make now.
    std::vector<Movida> legales(int asiento) const;
    // The seat that must act now, or -1 (a pause, the end).
    int aQuienLeToca() const;

private:
    void repartir();
    bool jugarCarta(int s, const std::string& carta);
    void decir(int s, const std::string& frase, bool anuncio = false);
    void efecto(const Efecto& e);
    void tantear(int i);
    void Ver_Tantos(int i);
    void DarPuntos(int pareja, int puntos);
    void terminarMano(int pareja);
    void siguienteMano();
    void sigueDiferida();
    void anunciarTurno();
    void despues(double segundos, std::function<void()> f);
    template <class F>
    void avisar(F&& f)
    {
        for (ObservadorCuatro* o : observadores_)
            f(*o);
    }

    EstadoCuatro e_;
    motor::Azar azar_;
    motor::Agenda agenda_;
    std::vector<ObservadorCuatro*> observadores_;
};

}  // namespace cuatro
