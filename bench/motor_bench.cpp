// The engine alone: whole two-player matches between computers, no window.
#include "arena/Arena.h"

#include <benchmark/benchmark.h>

// range(0): 0 "normal" against "normal"; 1 "normal" against "azar".
static void BM_PartidoDelMotor(benchmark::State& state)
{
    const std::string rival = state.range(0) == 0 ? "normal" : "azar";
    std::uint32_t semilla = 1;
    long manos = 0;
    for (auto _ : state) {
        auto a = motor::crearJugador("normal", semilla * 2 + 1);
        auto b = motor::crearJugador(rival, semilla * 2 + 2);
        motor::Opciones o;
        o.conFlor = semilla % 2 == 0;
        o.empieza = static_cast<int>(semilla / 2 % 2);
        const auto r = motor::jugarPartido(o, semilla, *a, *b, static_cast<int>(semilla % 2));
        if (r.ganador < 0)
            state.SkipWithError("a match did not end");
        manos += r.manos;
        ++semilla;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["manos/partido"] = benchmark::Counter(static_cast<double>(manos) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PartidoDelMotor)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Copying the state, as a search does at each decision.
static void BM_CopiaDelEstado(benchmark::State& state)
{
    motor::Partida p(motor::Opciones{}, motor::azarDeReparto(1));
    p.empezar();
    for (auto _ : state) {
        motor::Estado copia = p.estado();
        benchmark::DoNotOptimize(copia);
    }
    state.counters["bytes"] = sizeof(motor::Estado);
}
BENCHMARK(BM_CopiaDelEstado);
