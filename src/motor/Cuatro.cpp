#include "motor/Cuatro.h"

namespace cuatro {

namespace {

int modulo4(int n) { return (n % 4 + 4) % 4; }

// Place of a seat in the play order of the first trick.
int posicion(int asiento, int repartidor) { return modulo4(asiento - mano(repartidor)); }

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

std::string_view frase(Canto c)
{
    switch (c) {
    case Canto::Truco: return "Truco";
    case Canto::Retruco: return "Quiero retruco";
    case Canto::Vale4: return "Quiero vale 4";
    case Canto::Envido: return "Envido";
    case Canto::RealEnvido: return "Real envido";
    case Canto::FaltaEnvido: return "Falta envido";
    }
    return {};
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
