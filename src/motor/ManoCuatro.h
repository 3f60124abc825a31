#pragma once
// One hand of the four-player game as the host keeps it: the four hands,
// the cards on the table, whose turn it is, the call waiting for its answer
// and the stakes. Seats are the host's (0 the host, 2 his partner). Every
// action says whether it is allowed now; nothing changes when it is not.
#include "motor/Cuatro.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cuatro {

enum class Pedido { Nada, Truco, Retruco, Vale4, Envido, Real, Falta };

// What settling a call, or going to the deck, gives.
struct Efecto {
    enum class Tipo {
        Sigue,         // accepted ladder step: play goes on
        Tanteo,        // accepted envido: the points are compared now
        PuntosSigue,   // refused envido: points, and play goes on
        PuntosFin,     // refused ladder step or the deck: points, the hand is over
    };
    Tipo tipo = Tipo::Sigue;
    bool paraHost = false;  // the pair of seats 0 and 2 scores
    int puntos = 0;
};

class ManoCuatro {
public:
    using Manos = std::array<std::array<std::string, 3>, 4>;

    ManoCuatro() = default;
    ManoCuatro(int repartidor, const Manos& manos);
    bool operator==(const ManoCuatro&) const = default;

    int repartidor() const { return repartidor_; }
    const Manos& manos() const { return manos_; }
    // The card of seat s in trick t, empty while not played.
    const std::string& jugada(int s, int t) const { return jugadas_[s][t]; }
    bool enMano(int s, std::string_view carta) const;
    int baza() const { return baza_; }
    int cartasEnBaza() const { return cartasEnBaza_; }
    const std::array<int, 3>& bazas() const { return bazas_; }
    // The seat whose card is due, whether or not a call holds play up.
    int turno() const { return turno_; }
    // A card may be put down now by the seat on turn.
    bool puedeJugar(int s) const;
    Pedido pedido() const { return pedido_; }
    int responde() const { return responde_; }
    bool tanteando() const { return tanteando_; }
    bool terminada() const { return terminada_; }
    bool ganaHost() const { return ganaHost_; }
    // Accepted stakes of the truco ladder: 1 to 4.
    int valor() const;
    int tantoEnJuego() const { return tanto_; }
    bool falta() const { return falta_; }
    bool trucoCantado() const { return nivel_ > 0; }

    // The panel of seat s now (bt(0)..bt(7), Flor, AlMazo). Ladder steps are
    // offered only as answers; the envido before one's first card, while
    // none was sung and no truco accepted. There is no flor among four.
    std::string panel(int s) const;

    // A card of seat s. On the fourth card of a trick, the trick's analysis.
    bool jugar(int s, std::string_view carta, std::optional<Analisis>* baza = nullptr);
    bool cantar(int s, Canto c);
    std::optional<Efecto> responder(int s, bool quiero);
    std::optional<Efecto> alMazo(int s);
    // The accepted envido was scored: play goes on.
    void tanteado();

private:
    bool puedeEnvido(int s) const;
    bool puedeSubirEnvido(Canto c) const;
    EstadoCanto estadoCanto() const;

    int repartidor_ = 0;
    Manos manos_{};
    std::array<std::array<std::string, 3>, 4> jugadas_{};
    int baza_ = 0;
    int cartasEnBaza_ = 0;
    std::array<int, 3> bazas_{};
    int turno_ = -1;
    bool hostJugo_ = false;
    bool terminada_ = false;
    bool ganaHost_ = false;

    Pedido pedido_ = Pedido::Nada;
    int responde_ = -1;
    int nivel_ = 0;     // 1 truco, 2 retruco, 3 vale cuatro called
    int querido_ = 0;   // the same, accepted
    bool envidoCantado_ = false;
    bool envidoEnvido_ = false;
    bool tanteando_ = false;
    int tanto_ = 0;     // at stake on an accepted envido
    int anterior_ = 1;  // what a refusal gives
    bool falta_ = false;
};

}  // namespace cuatro
