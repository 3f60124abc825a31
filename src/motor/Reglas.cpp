#include "motor/Reglas.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace reglas {

int valorTanto(std::string_view code)
{
    if (code.size() < 2)
        return 0;
    const std::string_view numero = code.substr(0, code.size() - 1);
    int n = 0;
    const auto [ptr, ec] = std::from_chars(numero.data(), numero.data() + numero.size(), n);
    if (ec != std::errc() || ptr != numero.data() + numero.size())
        return 0;
    // Figures (10, 11, 12) count nothing.
    return (n >= 1 && n <= 7) ? n : 0;
}

char palo(std::string_view code)
{
    return code.empty() ? '\0' : code.back();
}

Tantos verTantos(const std::array<std::string, 3>& codes)
{
    const std::array<int, 3> v{valorTanto(codes[0]), valorTanto(codes[1]), valorTanto(codes[2])};
    const std::array<char, 3> p{palo(codes[0]), palo(codes[1]), palo(codes[2])};

    Tantos t;
    if (p[0] == p[1] && p[1] == p[2]) {
        t.flor = true;
        t.puntosFlor = 20 + v[0] + v[1] + v[2];
        const int menor = std::min({v[0], v[1], v[2]});
        t.envido = 20 + v[0] + v[1] + v[2] - menor;
        return t;
    }
    // At most one pair can share a suit here, so the order only picks it.
    constexpr int pares[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& par : pares) {
        if (p[par[0]] == p[par[1]]) {
            t.envido = 20 + v[par[0]] + v[par[1]];
            return t;
        }
    }
    t.envido = std::max({v[0], v[1], v[2]});
    return t;
}

std::array<Bit, 10> leerMascara(std::string_view valor)
{
    std::array<Bit, 10> bits;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const char c = i < valor.size() ? valor[i] : '-';
        bits[i] = c == '1' ? Bit::On : c == '0' ? Bit::Off : Bit::Keep;
    }
    return bits;
}

int primerVerso(double r)
{
    // Halves go to even regardless of the current floating-point rounding mode.
    const double x = 2.0 * r;
    double entero = std::floor(x);
    const double resto = x - entero;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(entero, 2.0) != 0.0))
        entero += 1.0;
    return std::clamp(static_cast<int>(entero), 0, 2);
}

int siguienteVerso(int actual)
{
    return ((actual + 1) % 4 + 4) % 4;
}

int puntosFalta(int puntosPerdedor)
{
    return std::max(0, kPartido - puntosPerdedor);
}

int puntosAlMazo(const Escalera& e, bool envidoEsperandoRespuesta, int jugadasMaquina)
{
    if (e.vale4Querido)
        return 4;
    if (e.vale4Cantado || e.retrucoQuerido)
        return 3;
    if (e.retrucoCantado || e.trucoQuerido)
        return 2;
    if (e.trucoCantado)
        return 1;
    if (envidoEsperandoRespuesta)
        return 2;
    if (jugadasMaquina == 0)
        return 2;
    return 1;
}

int promValor(const int* valores, int cuantos)
{
    int suma = 0;
    for (int i = 0; i < cuantos; ++i)
        suma += valores[i];
    return suma / std::max(cuantos, 1);
}

bool cantaEnvidoMano(int tantos, bool envidoCantado, int sorteo)
{
    if (envidoCantado || tantos < 20)
        return false;
    return tantos >= 30 || sorteo == 1;
}

bool cantaEnvidoPie(int tantos, bool envidoCantado)
{
    return !envidoCantado && tantos >= 21;
}

namespace {
bool humanoCerca(int puntosHumano)
{
    // With the human about to win, the machine has nothing to lose.
    return puntosHumano >= 28;
}
}  // namespace

bool aceptaEnvido(int tantos, int puntosHumano)
{
    return tantos > 24 || humanoCerca(puntosHumano);
}

bool aceptaEnvidoEnvido(int tantos, bool maquinaMano, int puntosHumano)
{
    return tantos > (maquinaMano ? 25 : 27) || humanoCerca(puntosHumano);
}

bool aceptaRealEnvido(int tantos, bool maquinaMano, int puntosHumano)
{
    return tantos > (maquinaMano ? 26 : 27) || humanoCerca(puntosHumano);
}

bool reglaFalta(int tantos, int puntosMaquina, int puntosHumano, int segundo)
{
    return (tantos > 20 && puntosMaquina > 25) || tantos >= 27 || humanoCerca(puntosHumano)
        || (tantos >= 20 && segundo % 2 != 0);
}

bool reglaFaltaPie(int tantos, int puntosHumano)
{
    return (tantos > 20 && puntosHumano > 25) || tantos >= 28 || humanoCerca(puntosHumano);
}

Respuesta aceptaTruco(const Mesa& m)
{
    const bool ganoPrimera = m.bazas[0] == GanaM;
    const bool pardaPrimera = m.bazas[0] == Parda;
    if (m.jugadasMaquina <= 0) {
        if (m.promValor > 5)
            return Respuesta::Quiero;
    } else if (m.jugadasMaquina == 1) {
        if (m.promValor > 6 && ganoPrimera)
            return Respuesta::Quiero;
        if (m.promValor > 7 && pardaPrimera)
            return Respuesta::QuieroParda;
    } else {
        if (m.promValor > 6 && ganoPrimera)
            return Respuesta::Quiero;
        if (m.jm[1] > 7 && pardaPrimera)
            return Respuesta::QuieroParda;
    }
    return humanoCerca(m.puntosHumano) ? Respuesta::Quiero : Respuesta::NoQuiero;
}

bool aceptaRetruco(const Mesa& m)
{
    if (humanoCerca(m.puntosHumano))
        return true;
    if (m.jugadasMaquina <= 1)
        return m.promValor > 6;
    if (m.jugadasMaquina >= 3)
        return m.jm[2] > 7;
    // The human's last card already lost to the one the machine keeps.
    if (m.jugadasHumano == 3 && m.jh[2] < m.promValor)
        return true;
    if (m.bazas[0] != GanaH && m.jm[1] > 7 && m.jugadasHumano == 1)
        return true;
    return m.promValor > 6;
}

bool aceptaVale4(const Mesa& m)
{
    if (humanoCerca(m.puntosHumano))
        return true;
    if (m.jugadasMaquina >= 3)
        return m.jm[2] > 6;
    if (m.jugadasMaquina == 2)
        return (m.promValor > 6 && m.bazas[0] == GanaM) || m.jm[1] > 10;
    return true;
}

bool cantaEnTercera(int cartaHumano, int cartaMaquina)
{
    return cartaHumano < cartaMaquina || cartaHumano < 8;
}

}  // namespace reglas
