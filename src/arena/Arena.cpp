#include "arena/Arena.h"

#include "calls/Azar.h"
#include "calls/Dificil.h"
#include "calls/Maquina.h"

#include <cmath>
#include <deque>

namespace motor {

bool nivelConocido(const std::string& nivel) { return nivel == "azar" || nivel == "normal" || nivel == "dificil"; }

std::unique_ptr<Jugador> crearJugador(const std::string& nivel, std::uint32_t semilla, int simulaciones)
{
    if (nivel == "dificil")
        return std::make_unique<JugadorDificil>(semilla, simulaciones > 0 ? simulaciones : JugadorDificil::kSimulacionesArena);
    if (nivel == "azar")
        return std::make_unique<JugadorAzar>(semilla);
    if (nivel == "normal") {
        auto gen = std::make_shared<std::mt19937>(semilla);
        FuenteMaquina f{[gen] { return std::uniform_real_distribution<double>(0.0, 1.0)(*gen); },
                        [gen] { return std::uniform_int_distribution<int>(0, 59)(*gen); }};
        return std::make_unique<JugadorNormal>(std::move(f));
    }
    return nullptr;
}

ResultadoPartido jugarPartido(const Opciones& o, std::uint32_t semilla, Jugador& a, Jugador& b, int asientoA)
{
    // Continuations run from this loop, not inside the step that made them.
    std::deque<std::function<void()>> pendientes;
    Partida p(o, azarDeReparto(semilla), [&](double, std::function<void()> f) { pendientes.push_back(std::move(f)); });
    p.empezar();
    ResultadoPartido r;
    while (!p.estado().terminado) {
        if (!pendientes.empty()) {
            auto f = std::move(pendientes.front());
            pendientes.pop_front();
            f();
            continue;
        }
        const int s = p.aQuienLeToca();
        if (s < 0)
            break;  // nobody to act and nothing pending: cannot happen in a sound engine
        Jugador& j = s == asientoA ? a : b;
        if (!p.mover(s, j.elegir(p, s))) {
            r.rechazada = true;
            break;
        }
        ++r.movidas;
    }
    r.ganador = p.estado().ganador;
    r.manos = p.estado().numeroMano;
    return r;
}

std::pair<double, double> wilson(int k, int n)
{
    if (n <= 0)
        return {0.0, 1.0};
    const double z = 1.959963984540054;
    const double ph = static_cast<double>(k) / n;
    const double d = 1 + z * z / n;
    const double centro = (ph + z * z / (2.0 * n)) / d;
    const double margen = z * std::sqrt(ph * (1 - ph) / n + z * z / (4.0 * n * n)) / d;
    return {std::max(0.0, centro - margen), std::min(1.0, centro + margen)};
}

Resultado serie(const Config& c, const std::function<bool(int i, std::uint32_t semilla, ResultadoPartido& p)>& partido,
                const std::function<void(int)>& progreso)
{
    Resultado r;
    long manos = 0;
    for (int i = 0; i < c.partidos; ++i) {
        const std::uint32_t semilla = c.semilla * 1000003u + static_cast<std::uint32_t>(i);
        ResultadoPartido p;
        r.ganadosA += partido(i, semilla, p);
        r.rechazadas += p.rechazada;
        manos += p.manos;
        ++r.partidos;
        if (progreso)
            progreso(r.partidos);
    }
    std::tie(r.bajo, r.alto) = wilson(r.ganadosA, r.partidos);
    r.manosPorPartido = r.partidos > 0 ? static_cast<double>(manos) / r.partidos : 0.0;
    return r;
}

Resultado jugar(const Config& c, const std::function<void(int)>& progreso)
{
    return serie(c, [&c](int i, std::uint32_t semilla, ResultadoPartido& p) {
        auto a = crearJugador(c.nivelA, semilla * 2 + 1, c.simulaciones);
        auto b = crearJugador(c.nivelB, semilla * 2 + 2, c.simulaciones);
        Opciones o;
        o.variante = i / 4 % 2 == 0 ? 1 : 2;
        o.conFlor = i / 8 % 2 == 0;
        o.empieza = i / 2 % 2;
        const int asientoA = i % 2;
        p = jugarPartido(o, semilla, *a, *b, asientoA);
        return p.ganador == asientoA;
    }, progreso);
}

}  // namespace motor
