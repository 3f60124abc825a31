// Deals and envido points as plain functions.
#include "motor/Reglas.h"
#include "motor/Cartas.h"

#include <benchmark/benchmark.h>
#include <random>

static void BM_RepartoConValores(benchmark::State& state)
{
    std::mt19937 gen(1);
    const int variante = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::array<bool, 40> usada{};
        const auto idx = reglas::repartirIndices(variante, usada, [&] { return static_cast<int>(gen() % 40); });
        int suma = 0;
        for (int k : idx)
            suma += reglas::darValor(reglas::mazo()[k]);
        const auto& m = reglas::mazo();
        suma += reglas::verTantos({m[idx[0]], m[idx[1]], m[idx[2]]}).envido;
        suma += reglas::verTantos({m[idx[3]], m[idx[4]], m[idx[5]]}).envido;
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RepartoConValores)->Arg(1)->Arg(2);

static void BM_VerTantosTodasLasManos(benchmark::State& state)
{
    const auto& m = reglas::mazo();
    for (auto _ : state) {
        int suma = 0;
        for (int a = 0; a < 40; ++a)
            for (int b = a + 1; b < 40; ++b)
                for (int c = b + 1; c < 40; ++c)
                    suma += reglas::verTantos({m[a], m[b], m[c]}).envido;
        benchmark::DoNotOptimize(suma);
    }
    state.SetItemsProcessed(state.iterations() * 9880);
}
BENCHMARK(BM_VerTantosTodasLasManos);
