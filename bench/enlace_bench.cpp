#include "net/CargadorWs.h"
#include "net/Enlace.h"
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
