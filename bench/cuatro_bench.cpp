// The engine alone: whole matches of four in pairs between computers, no window.
#include "arena/ArenaCuatro.h"

#include <benchmark/benchmark.h>

// range(0): 0 "normal" against "normal"; 1 "normal" against "azar"; 2 "azar" against "azar".
static void BM_PartidoDeCuatro(benchmark::State& state)
{
    const char* niveles[3][2] = {{"normal", "normal"}, {"normal", "azar"}, {"azar", "azar"}};
    const auto& n = niveles[state.range(0)];
    std::uint32_t semilla = 1;
    long manos = 0;
    for (auto _ : state) {
        std::array<std::unique_ptr<cuatro::JugadorCuatro>, 4> js;
        std::array<cuatro::JugadorCuatro*, 4> asientos{};
        for (int s = 0; s < 4; ++s) {
            js[s] = motor::crearJugadorCuatro(n[s % 2], semilla * 4 + static_cast<std::uint32_t>(s));
            asientos[s] = js[s].get();
        }
        const auto r = motor::jugarPartidoCuatro(semilla, asientos, static_cast<int>(semilla % 4));
        if (r.ganador < 0 || r.rechazada)
            state.SkipWithError("a match did not end");
        manos += r.manos;
        ++semilla;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["manos/partido"] = benchmark::Counter(static_cast<double>(manos) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PartidoDeCuatro)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Copying the state of four, as a search does at each decision.
static void BM_CopiaDelEstadoDeCuatro(benchmark::State& state)
{
    cuatro::PartidaCuatro p(motor::azarDeReparto(1));
    p.empezar(0);
    for (auto _ : state) {
        cuatro::EstadoCuatro copia = p.estado();
        benchmark::DoNotOptimize(copia);
    }
    state.counters["bytes"] = sizeof(cuatro::EstadoCuatro);
}
BENCHMARK(BM_CopiaDelEstadoDeCuatro);
