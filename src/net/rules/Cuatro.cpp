#include "net/rules/Cuatro.h"

#include "net/rules/Protocolo.h"

namespace cuatro {

namespace {

struct Llamada {
    std::string_view codigo;
    std::string_view frase;
    std::optional<Canto> canto;
};

constexpr std::array kLlamadas{
    Llamada{"4TRU", "Truco", Canto::Truco},
    Llamada{"4RET", "Quiero retruco", Canto::Retruco},
    Llamada{"4VAL", "Quiero vale 4", Canto::Vale4},
    Llamada{"4ENV", "Envido", Canto::Envido},
    Llamada{"4REA", "Real envido", Canto::RealEnvido},
    Llamada{"4FAL", "Falta envido", Canto::FaltaEnvido},
    Llamada{"4QUI", "Quiero", std::nullopt},
    Llamada{"4NOQ", "No Quiero", std::nullopt},
    Llamada{"4MAZ", "Me voy al mazo", std::nullopt},
};

const Llamada* llamada(std::string_view codigo)
{
    for (const auto& l : kLlamadas) {
        if (l.codigo == codigo)
            return &l;
    }
    return nullptr;
}

}  // namespace

std::optional<Asientos> asientos(int socketCompanero)
{
    if (socketCompanero < 1 || socketCompanero > 3)
        return std::nullopt;
    Asientos a;
    a.AsientoSocket[2] = socketCompanero;
    int libre = 1;  // the next of seats 1 and 3
    for (int socket = 1; socket <= 3; ++socket) {
        if (socket == socketCompanero)
            continue;
        a.AsientoSocket[libre] = socket;
        libre = 3;
    }
    for (int seat = 1; seat <= 3; ++seat)
        a.SocketAsiento[a.AsientoSocket[seat]] = seat;
    return a;
}

std::vector<Envio> pies(int repartidor)
{
    std::vector<Envio> v;
    for (int s = 1; s <= 3; ++s)
        v.push_back({s, protocolo::pies(protocolo::asientoRelativo(repartidor, s))});
    return v;
}

std::optional<char> ladoJugada(int emisor, int receptor)
{
    switch (protocolo::asientoRelativo(emisor, receptor)) {
    case 1: return 'D';
    case 2: return 'M';
    case 3: return 'I';
    default: return std::nullopt;
    }
}

std::vector<Envio> relevoJugada(int emisor, int baza, std::string_view carta)
{
    std::vector<Envio> v;
    for (int s = 1; s <= 3; ++s) {
        if (const auto lado = ladoJugada(emisor, s))
            v.push_back({s, protocolo::jugLado(*lado, baza, carta)});
    }
    return v;
}

std::vector<Envio> cambioMensaje(int quienSoy, std::string_view mens)
{
    std::vector<Envio> v;
    for (int s = 1; s <= 3; ++s) {
        if (s != quienSoy)
            v.push_back({s, protocolo::dice(protocolo::asientoRelativo(quienSoy, s), mens)});
    }
    return v;
}

std::vector<Envio> anuncio(int quien, std::string_view frase)
{
    std::vector<Envio> v;
    for (int s = 1; s <= 3; ++s)
        v.push_back({s, protocolo::dice(protocolo::asientoRelativo(quien, s), frase)});
    return v;
}

std::vector<Envio> darPuntos(int asientoGanador, int puntos)
{
    std::vector<Envio> v;
    for (int s = 1; s <= 3; ++s)
        v.push_back({s, mismaPareja(s, asientoGanador) ? protocolo::darm(puntos) : protocolo::darh(puntos)});
    return v;
}

char ladoEnHost(int asiento) { return mismaPareja(asiento, 0) ? 'M' : 'H'; }

int destinoChat(int emisor) { return companero(emisor); }

std::string_view fraseDe(std::string_view codigo)
{
    const Llamada* l = llamada(codigo);
    return l ? l->frase : std::string_view{};
}

std::string_view codigoDe(int boton)
{
    static constexpr std::array<std::string_view, 8> kBotones{"4TRU", "4QUI", "4ENV", "4NOQ",
                                                              "4REA", "4RET", "4FAL", "4VAL"};
    return boton >= 0 && boton < 8 ? kBotones[boton] : std::string_view{};
}

std::optional<Canto> cantoDe(std::string_view codigo)
{
    const Llamada* l = llamada(codigo);
    return l ? l->canto : std::nullopt;
}

}  // namespace cuatro
