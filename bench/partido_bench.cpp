// Whole matches on a headless table with zero pauses.
#include "support/Jugador.h"
#include "support/PartidaCuatro.h"
#include "support/PartidaRed.h"

#include <benchmark/benchmark.h>

// range(0): 0 the human only plays cards; 1 he also sings and answers at random.
// One table, as a player who starts match after match.
static void BM_Partido(benchmark::State& state)
{
    const bool canta = state.range(0) != 0;
    MesaDePrueba m(1);
    unsigned seed = 1;
    int manos = 0;
    QObject::connect(&m.form, &Form1::manoRepartida, [&] { ++manos; });
    for (auto _ : state) {
        m.conFlor = seed % 2 == 0;
        m.espanola = seed % 4 >= 2;
        m.computadoraEmpieza = seed % 2;
        JugadorGuionado humano(m, seed * 31u, canta);
        m.empezar();
        if (!humano.jugarPartido(20000))
            state.SkipWithError("a match did not end");
        ++seed;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["manos/partido"] = benchmark::Counter(manos / double(state.iterations()));
}
BENCHMARK(BM_Partido)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A whole two-player match over loopback TCP between two tables of this
// process, zero pauses, both players singing and answering at random.
static void BM_PartidoEnRed(benchmark::State& state)
{
    unsigned seed = 1;
    int manos = 0;
    for (auto _ : state) {
        Lado a(seed, QStringLiteral("Ana"), 1), b(seed + 100, QStringLiteral("Beto"), 2);
        a.m.computadoraEmpieza = seed % 2;
        if (!conectarLados(a, b) || !jugarPartidoRed(a, b)) {
            state.SkipWithError("a network match did not end");
            return;
        }
        manos += a.manos + b.manos;
        ++seed;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["manos/partido"] = benchmark::Counter(manos / double(state.iterations()));
}
BENCHMARK(BM_PartidoEnRed)->Unit(benchmark::kMillisecond)->Iterations(10);

// A whole four-player match in pairs over loopback TCP: one host and three
// clients in this process, zero pauses, everyone singing and answering at
// random. Each step also waits until no table waits for an answer.
static void BM_PartidoEnParejas(benchmark::State& state)
{
    unsigned seed = 1;
    int manos = 0;
    for (auto _ : state) {
        PartidaCuatro p(seed);
        QObject::connect(&p.mesa(0), &Form1::manoRepartida, [&] { ++manos; });
        if (!p.empezar(seed % 3 + 1, seed % 4)) {
            state.SkipWithError("a four-player match did not start");
            return;
        }
        if (!p.jugarPartido()) {
            state.SkipWithError(("a four-player match did not end: " + p.error()).toStdString().c_str());
            return;
        }
        ++seed;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["manos/partido"] = benchmark::Counter(manos / double(state.iterations()));
}
BENCHMARK(BM_PartidoEnParejas)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
