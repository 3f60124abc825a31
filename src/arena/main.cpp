// truco_arena: seeded matches between computer players, without windows.
#include "arena/Arena.h"
#include "arena/ArenaCuatro.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int uso()
{
    std::fprintf(stderr,
                 "uso: truco_arena --jugadores 2|4 --partidos N --semilla S --nivel-a L --nivel-b L [--simulaciones N] [--json]\n"
                 "niveles: normal, azar; dificil con dos jugadores\n");
    return 2;
}

bool entero(const char* s, long& v)
{
    char* fin = nullptr;
    v = std::strtol(s, &fin, 10);
    return fin && *fin == '\0' && fin != s;
}

}  // namespace

int main(int argc, char** argv)
{
    motor::Config c;
    long jugadores = 2;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            json = true;
            continue;
        }
        if (i + 1 >= argc)
            return uso();
        const char* v = argv[++i];
        long n = 0;
        if (a == "--jugadores" && entero(v, n))
            jugadores = n;
        else if (a == "--partidos" && entero(v, n) && n > 0)
            c.partidos = static_cast<int>(n);
        else if (a == "--semilla" && entero(v, n) && n >= 0)
            c.semilla = static_cast<std::uint32_t>(n);
        else if (a == "--nivel-a")
            c.nivelA = v;
        else if (a == "--nivel-b")
            c.nivelB = v;
        else if (a == "--simulaciones" && entero(v, n) && n > 0)
            c.simulaciones = static_cast<int>(n);
        else
            return uso();
    }
    if (jugadores != 2 && jugadores != 4) {
        std::fprintf(stderr, "truco_arena: se juega de a 2 o de a 4\n");
        return 2;
    }
    const bool cuatro = jugadores == 4;
    for (const std::string& n : {c.nivelA, c.nivelB})
        if (!(cuatro ? motor::nivelConocidoCuatro(n) : motor::nivelConocido(n))) {
            std::fprintf(stderr, "truco_arena: nivel desconocido: %s\n", n.c_str());
            return uso();
        }

    using Reloj = std::chrono::steady_clock;
    const auto inicio = Reloj::now();
    auto ultimo = inicio;
    const motor::Resultado r = (cuatro ? motor::jugarCuatro : motor::jugar)(c, [&](int hechos) {
        // Progress about once a second on long runs, on the error stream.
        if (const auto ahora = Reloj::now(); ahora - ultimo >= std::chrono::seconds(1)) {
            ultimo = ahora;
            std::fprintf(stderr, "%d/%d partidos\n", hechos, c.partidos);
        }
    });
    if (r.rechazadas > 0)
        std::fprintf(stderr, "truco_arena: %d partidos cortados por una jugada rechazada\n", r.rechazadas);
    const double segundos = std::chrono::duration<double>(Reloj::now() - inicio).count();
    const double porSegundo = segundos > 0 ? r.partidos / segundos : 0.0;
    if (json) {
        std::printf("{\"partidos\": %d, \"ganados_a\": %d, \"ganados_b\": %d, \"intervalo_a\": [%.4f, %.4f], "
                    "\"manos_por_partido\": %.2f, \"partidos_por_segundo\": %.0f}\n",
                    r.partidos, r.ganadosA, r.partidos - r.ganadosA, r.bajo, r.alto, r.manosPorPartido, porSegundo);
    } else {
        std::printf("A (%s) ganó %d de %d contra B (%s): %.1f %% (IC 95 %%: %.1f-%.1f %%), %.2f manos por partido, "
                    "%.0f partidos/s\n",
                    c.nivelA.c_str(), r.ganadosA, r.partidos, c.nivelB.c_str(), 100.0 * r.ganadosA / r.partidos,
                    100.0 * r.bajo, 100.0 * r.alto, r.manosPorPartido, porSegundo);
    }
    return r.rechazadas > 0 ? 1 : 0;
}
