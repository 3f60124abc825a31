#include "net/rules/Cuatro.h"

#include "net/rules/Protocolo.h"

namespace cuatro {

namespace {

int modulo4(int n) { return (n % 4 + 4) % 4; }

// Place of a seat in the play order of the first trick.
int posicion(int asiento, int repartidor) { return modulo4(asiento - mano(repartidor)); }

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

// The hand after trick t is recorded, from the host's side.
Fin finDeMano(const std::array<int, 3>& b, int t, int repartidor)
{
    const int suma = b[0] + b[1] + (t == 2 ? b[2] : 0);
    if (t == 1)
        return suma >= 3 ? Fin::GanaMaquina : suma <= 1 ? Fin::GanaHumano : Fin::Sigue;
    if (t != 2)
        return Fin::Sigue;
    if (suma != 3)
        return suma >= 4 ? Fin::GanaMaquina : Fin::GanaHumano;
    // One trick each and a parda third: the first trick decides, as in the
    // two-seat game. Only three pardas go to the mano's pair.
    if (b[0] != reglas::Parda)
        return b[0] == reglas::GanaM ? Fin::GanaMaquina : Fin::GanaHumano;
    return mismaPareja(mano(repartidor), 0) ? Fin::GanaMaquina : Fin::GanaHumano;
}

}  // namespace

int siguiente(int asiento) { return modulo4(asiento + 1); }
int anterior(int asiento) { return modulo4(asiento - 1); }
int companero(int asiento) { return modulo4(asiento + 2); }
bool mismaPareja(int a, int b) { return modulo4(a - b) % 2 == 0; }
int mano(int repartidor) { return siguiente(repartidor); }
int siguienteRepartidor(int repartidor) { return siguiente(repartidor); }

std::array<int, 4> ordenDesde(int primero)
{
    return {modulo4(primero), modulo4(primero + 1), modulo4(primero + 2), modulo4(primero + 3)};
}

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

Sonido sonidoDe(std::string_view frase)
{
    static constexpr std::array<std::pair<std::string_view, int>, 9> kSonidos{{
        {"Envido", 6}, {"Real envido", 7}, {"Falta envido", 14}, {"Truco", 3}, {"Quiero", 0},
        {"Quiero retruco", 4}, {"Quiero vale 4", 5}, {"No Quiero", 2}, {"Son Buenas", 8}}};
    for (const auto& [f, codigo] : kSonidos)
        if (f == frase)
            return {codigo, 0};
    if (frase.empty() || frase.size() > 2)
        return {};
    int n = 0;
    for (char c : frase) {
        if (c < '0' || c > '9')
            return {};
        n = n * 10 + (c - '0');
    }
    return {12, n};
}

std::optional<Canto> cantoDe(std::string_view codigo)
{
    const Llamada* l = llamada(codigo);
    return l ? l->canto : std::nullopt;
}

int pieContrario(int quien, int repartidor)
{
    const int a = siguiente(quien), b = anterior(quien);
    return posicion(a, repartidor) > posicion(b, repartidor) ? a : b;
}

Respuesta quienResponde(Canto canto, int quien, const EstadoCanto& e)
{
    switch (canto) {
    case Canto::Envido:
    case Canto::RealEnvido:
    case Canto::FaltaEnvido: {
        // The next seat answers, except that the dealer's call goes back to
        // the opponent before him.
        const int a = quien == e.repartidor ? anterior(quien) : siguiente(quien);
        if (canto == Canto::Envido)
            return {a, e.primerEnvido ? "0111101001" : "0101000001"};
        if (canto == Canto::RealEnvido)
            return {a, e.primerEnvido ? "0101001001" : "0101000001"};
        return {a, "0101000001"};
    }
    case Canto::Retruco: return {pieContrario(quien, e.repartidor), "01-1---1-1"};
    case Canto::Vale4: return {pieContrario(quien, e.repartidor), "01-1---0-1"};
    case Canto::Truco:
        if (e.hostJugo)
            return {pieContrario(quien, e.repartidor), "010101---1"};
        return {e.cartasEnBaza == 1 || e.cartasEnBaza == 2 ? siguiente(quien) : anterior(quien),
                e.envidoPosible ? "0111111001" : "0101010001"};
    }
    return {};
}

Analisis analizar(const std::array<int, 4>& valores, int repartidor, const std::array<int, 3>& bazas, int t)
{
    const int d = repartidor;
    const std::array<int, 4> orden{modulo4(d + 3), modulo4(d), modulo4(d + 2), modulo4(d + 1)};
    Analisis a;
    a.ganador = orden[0];
    int alto = valores[orden[0]];
    for (int i = 1; i < 4; ++i) {
        const int s = orden[i];
        if (valores[s] > alto) {
            alto = valores[s];
            a.ganador = s;
            a.parda = false;
        } else if (valores[s] == alto && !mismaPareja(s, a.ganador)) {
            a.parda = true;
        }
    }
    a.resultado = a.parda ? reglas::Parda : mismaPareja(a.ganador, 0) ? reglas::GanaM : reglas::GanaH;
    a.bazas = bazas;
    a.bazas[t] = a.resultado;
    a.fin = finDeMano(a.bazas, t, repartidor);
    if (a.fin == Fin::Sigue)
        a.lidera = a.parda ? mano(repartidor) : a.ganador;
    return a;
}

reglas::Tantos tantosLado(const std::array<std::string, 3>& cartas) { return reglas::verTantos(cartas); }

EnvidoMesa envidoMesa(const std::array<int, 4>& tantos, int repartidor)
{
    EnvidoMesa m;
    const std::array<int, 4> orden = ordenDesde(mano(repartidor));
    m.mejor = orden[0];
    for (int i = 0; i < 4; ++i) {
        const int s = orden[i];
        const bool contra = i > 0 && !mismaPareja(s, m.mejor);
        if (contra && tantos[s] <= tantos[m.mejor]) {
            m.anuncios[i] = {s, "Son Buenas"};
            continue;
        }
        m.anuncios[i] = {s, std::to_string(tantos[s])};
        if (tantos[s] > tantos[m.mejor])
            m.mejor = s;
    }
    return m;
}

}  // namespace cuatro
