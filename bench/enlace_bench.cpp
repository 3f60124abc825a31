#include "net/CargadorWs.h"
#include "net/Enlace.h"
#include "net/rules/Troceador.h"
#include "support/TestTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

// One acknowledged message ("TRUC" until "OKOK") between two wires in this
// process over loopback TCP, with the real clock's wait.
static void BM_EnviarHastaOKOK(benchmark::State& state)
{
    FakeServices a, b;
    SystemClock reloj;
    Services sa{reloj, a.dialogs, a.sound, a.settings, a.services.programFolder, a.services.desktopFolder};
    Services sb{reloj, b.dialogs, b.sound, b.settings, b.services.programFolder, b.services.desktopFolder};
    CargadorWs cargador(executableFolder());
    if (!cargador.disponible()) {
        state.SkipWithError("Mswinsck.ocx missing");
        return;
    }
    Enlace servidor(sa, cargador.crear());
    Enlace cliente(sb, cargador.crear());
    servidor.puertoPrincipal = 0;
    servidor.escuchar();
    cliente.conectar(QStringLiteral("127.0.0.1:%1").arg(servidor.puertoEscucha()));
    QElapsedTimer t;
    t.start();
    while (!(servidor.conectado() && cliente.conectado()) && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    servidor.SaludoHecho = cliente.SaludoHecho = 1;
    cliente.alRecibir = [](const QString&, const QString&) { return true; };

    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!servidor.enviar(QStringLiteral("TRUC"))) {
            state.SkipWithError("enviar failed");
            break;
        }
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    if (us.empty())
        return;
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["p99_us"] = us[std::min(us.size() - 1, us.size() * 99 / 100)];
}
BENCHMARK(BM_EnviarHastaOKOK)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// One arrival of a run of short messages cut into messages: 1 MB and 2 MB of
// "4TRU", and of "JUGC" with a card. Linear framing shows as the same
// bytes per second for both sizes.
static void BM_TrocearRafaga(benchmark::State& state)
{
    const std::string uno = state.range(1) == 0 ? "4TRU" : "JUGC04O";
    std::string rafaga;
    while (rafaga.size() < static_cast<std::size_t>(state.range(0)))
        rafaga += uno;
    std::size_t mensajes = 0;
    for (auto _ : state) {
        protocolo::Troceador t;
        t.agregar(rafaga);
        mensajes = 0;
        while (auto m = t.siguiente(false))
            ++mensajes;
        benchmark::DoNotOptimize(mensajes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(rafaga.size()));
    state.counters["mensajes"] = static_cast<double>(mensajes);
}
BENCHMARK(BM_TrocearRafaga)
    ->Args({1 << 20, 0})
    ->Args({2 << 20, 0})
    ->Args({1 << 20, 1})
    ->Args({2 << 20, 1})
    ->Unit(benchmark::kMillisecond);
