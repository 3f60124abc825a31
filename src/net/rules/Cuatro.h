#pragma once
// The four-player game on the wire: who sits on which socket, and the
// messages the host sends each client from his own seat.
#include "motor/Cuatro.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuatro {

// ---- Who sits where ---------------------------------------------------------

// `AsientoSocket(seat)` gives the socket of the client in that seat and
// `SocketAsiento(socket)` the seat of the client on that socket. The host has
// no socket: entry 0 of both is 0.
struct Asientos {
    std::array<int, 4> AsientoSocket{};
    std::array<int, 4> SocketAsiento{};
    bool operator==(const Asientos&) const = default;
};
// The partner (socket 1..3) takes seat 2; the two other clients take seats 1
// and 3 in socket order. Nothing when no partner was chosen.
std::optional<Asientos> asientos(int socketCompanero);

// ---- Messages to the clients ------------------------------------------------

// One message for the client in a seat (1..3).
struct Envio {
    int asiento = 0;
    std::string mensaje;
    bool operator==(const Envio&) const = default;
};

// "PIES" to each client: the dealer's seat relative to him.
std::vector<Envio> pies(int repartidor);

// A played card relayed to one receiver: 'D' from his right, 'M' from his
// partner, 'I' from his left; nothing to the player himself.
std::optional<char> ladoJugada(int emisor, int receptor);
// "JUGD"/"JUGM"/"JUGI" + trick + card to every client except the one who
// played it.
std::vector<Envio> relevoJugada(int emisor, int baza, std::string_view carta);

// `CambioMensaje(QuienSoy, Mens)`: "DICE" + the speaker's seat relative to
// each receiver + the phrase, to every client except the speaker.
std::vector<Envio> cambioMensaje(int quienSoy, std::string_view mens);
// As `CambioMensaje`, and the speaker himself (a client) gets "DICE0": the
// envido announcements, which the speaker's own table does not show itself.
std::vector<Envio> anuncio(int quien, std::string_view frase);

// Points to a pair: each client's "DARM" (his own pair) or "DARH" (the other).
std::vector<Envio> darPuntos(int asientoGanador, int puntos);
// The host's score side for a seat's pair: 'M' seats 0 and 2, 'H' 1 and 3.
char ladoEnHost(int asiento);

// The chat line goes to the sender's partner only. The host sends to seat 2;
// a client's line reaches the host, which shows it when it comes from seat 2
// (partner 0) and forwards it between seats 1 and 3.
int destinoChat(int emisor);

// ---- Codes of the calls ------------------------------------------------------

// The phrase shown and relayed for a client's call or answer code ("4TRU"
// "Truco" ... "4NOQ" "No Quiero"); empty for any other code.
std::string_view fraseDe(std::string_view codigo);
// The code a button of the panel sends to the host (bt(0)..bt(7)).
std::string_view codigoDe(int boton);
// The call of a code, nothing for the answers "4QUI", "4NOQ" and others.
std::optional<Canto> cantoDe(std::string_view codigo);

}  // namespace cuatro
