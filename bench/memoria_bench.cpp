// Resident memory of the game itself: the real program, started offscreen
// with an empty home, read from /proc before the first banner could show
// (the first look at the Internet comes 6 s after start).
#include "Proc.h"
#include "platform/Program.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

static void BM_MemoriaAlArrancar(benchmark::State& state)
{
    double mb = 0;
    for (auto _ : state) {
        QTemporaryDir home;
        QProcess truco;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(QString::fromLatin1(v), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        truco.setProcessEnvironment(env);
        truco.start(executableFolder() + QStringLiteral("/Truco"), {});
        if (!truco.waitForStarted(5000)) {
            state.SkipWithError("Truco did not start");
            return;
        }
        truco.waitForFinished(3000);  // settled, still before the first tick
        mb = memoriaMiB(truco.processId(), "VmRSS");
        truco.kill();
        truco.waitForFinished(5000);
    }
    state.counters["VmRSS_MB"] = mb;
}
BENCHMARK(BM_MemoriaAlArrancar)->Iterations(1)->Unit(benchmark::kSecond);
