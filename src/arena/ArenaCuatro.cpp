#include "arena/ArenaCuatro.h"

#include "calls/AzarCuatro.h"
#include "calls/MaquinaCuatro.h"

#include <deque>

namespace motor {

bool nivelConocidoCuatro(const std::string& nivel) { return nivel == "azar" || nivel == "normal"; }

std::unique_ptr<cuatro::JugadorCuatro> crearJugadorCuatro(const std::string& nivel, std::uint32_t semilla)
{
    if (nivel == "azar")
        return std::make_unique<cuatro::JugadorAzarCuatro>(semilla);
    if (nivel == "normal") {
        auto gen = std::make_shared<std::mt19937>(semilla);
        FuenteMaquina f{[gen] { return std::uniform_real_distribution<double>(0.0, 1.0)(*gen); },
                        [gen] { return std::uniform_int_distribution<int>(0, 59)(*gen); }};
        return std::make_unique<cuatro::MaquinaCuatro>(std::move(f));
    }
    return nullptr;
}

ResultadoPartido jugarPartidoCuatro(std::uint32_t semilla, const std::array<cuatro::JugadorCuatro*, 4>& jugadores,
                                    int repartidor)
{
    // Continuations run from this loop, not inside the step that made them.
    std::deque<std::function<void()>> pendientes;
    cuatro::PartidaCuatro p(azarDeReparto(semilla),
                            [&](double, std::function<void()> f) { pendientes.push_back(std::move(f)); });
    p.empezar(repartidor);
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
        if (!p.mover(s, jugadores[s]->elegir(cuatro::vista(p, s)))) {
            r.rechazada = true;
            break;
        }
        ++r.movidas;
    }
    r.ganador = p.estado().ganador;
    r.manos = p.estado().numeroMano;
    return r;
}

Resultado jugarCuatro(const Config& c, const std::function<void(int)>& progreso)
{
    return serie(c, [&c](int i, std::uint32_t semilla, ResultadoPartido& p) {
        const int parejaA = i % 2;
        std::array<std::unique_ptr<cuatro::JugadorCuatro>, 4> js;
        std::array<cuatro::JugadorCuatro*, 4> asientos{};
        for (int s = 0; s < 4; ++s) {
            const bool deA = cuatro::pareja(s) == parejaA;
            js[s] = crearJugadorCuatro(deA ? c.nivelA : c.nivelB, semilla * 4 + static_cast<std::uint32_t>(s));
            asientos[s] = js[s].get();
        }
        p = jugarPartidoCuatro(semilla, asientos, i / 2 % 4);
        return p.ganador == parejaA;
    }, progreso);
}

}  // namespace motor
