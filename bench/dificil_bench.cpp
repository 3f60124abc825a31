// One decision of the "Difícil" computer, at the table's budget and at the
// arena's, from the hardest moment: the first card of a hand, every call open.
#include "calls/Dificil.h"

#include <benchmark/benchmark.h>

// range(0): the playouts of one decision.
static void BM_DecisionDificil(benchmark::State& state)
{
    const int simulaciones = static_cast<int>(state.range(0));
    std::uint64_t semilla = 1;
    for (auto _ : state) {
        // A new deal each time, flor played: every call is a candidate.
        state.PauseTiming();
        motor::Opciones o;
        o.empieza = 1;
        motor::Partida p(o, motor::azarDeReparto(static_cast<std::uint32_t>(semilla)));
        p.empezar();
        state.ResumeTiming();
        benchmark::DoNotOptimize(motor::buscarJugada(p.estado(), 1, simulaciones, semilla));
        ++semilla;
    }
    state.counters["simulaciones/s"] = benchmark::Counter(static_cast<double>(simulaciones) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecisionDificil)
    ->Arg(motor::JugadorDificil::kSimulacionesMesa)
    ->Arg(motor::JugadorDificil::kSimulacionesArena)
    ->Unit(benchmark::kMillisecond);
