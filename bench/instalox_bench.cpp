// Installer: extraction throughput against cp of the same bytes, and the
// time of a whole unattended installation from the built dist/ folder.
#include "installer/Casa.h"  // tests/installer: a home of its own
#include "installer/rules/Payload.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string s(const QString& q) { return QFile::encodeName(q).toStdString(); }

bool escribirPatron(const QString& ruta, qint64 n, int semilla)
{
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray bloque(1 << 20, Qt::Uninitialized);
    quint32 x = 2166136261u ^ static_cast<quint32>(semilla);
    for (qint64 hecho = 0; hecho < n; hecho += bloque.size()) {
        for (char& c : bloque) {
            x = x * 16777619u + 12345u;
            c = static_cast<char>(x >> 24);
        }
        const qint64 w = std::min<qint64>(bloque.size(), n - hecho);
        if (f.write(bloque.constData(), w) != w)
            return false;
    }
    return true;
}

double segundos(std::chrono::steady_clock::time_point desde)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - desde).count();
}

// Piece 2 of an installer whose game is range(0) MiB, extracted the way the
// installer does it (events handled between blocks; range(1) = 0 forces the
// buffered copy instead of copy_file_range), against `cp` of a file with the
// same bytes. "ratio" is extraction throughput over cp's; cp's time includes
// starting the process, which dominates for small files.
void BM_ExtraccionContraCp(benchmark::State& state)
{
    const qint64 bytes = state.range(0) << 20;
    QTemporaryDir tmp;
    const QString imagen = tmp.filePath(QStringLiteral("imagen"));
    const QString juego = tmp.filePath(QStringLiteral("Truco"));
    const QString chico = tmp.filePath(QStringLiteral("chico"));
    const QString inst = tmp.filePath(QStringLiteral("Instalox"));
    if (!escribirPatron(imagen, 300 << 10, 1) || !escribirPatron(juego, bytes, 2) || !escribirPatron(chico, 100, 3)) {
        state.SkipWithError("cannot write the pieces");
        return;
    }
    std::string error;
    if (!payload::pack(s(imagen), {s(juego), s(chico), s(chico), s(chico), s(chico)}, s(inst), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    payload::PayloadSizes t;
    payload::ReadPayloadDirectory(s(inst), t);
    payload::CopyOptions op;
    op.kernelCopy = state.range(1) != 0;
    op.tick = [] { QCoreApplication::processEvents(); };
    const QString destino = tmp.filePath(QStringLiteral("extraido"));
    const QString copia = tmp.filePath(QStringLiteral("copia"));

    double extraccion = 0, cp = 0;
    for (auto _ : state) {
        QFile::remove(destino);
        QFile::remove(copia);
        auto t0 = std::chrono::steady_clock::now();
        if (!payload::ExtractPayloadFile(s(inst), t, 2, s(destino), op)) {
            state.SkipWithError("extraction failed");
            return;
        }
        const double e = segundos(t0);
        t0 = std::chrono::steady_clock::now();
        if (QProcess::execute(QStringLiteral("cp"), {juego, copia}) != 0) {
            state.SkipWithError("cp failed");
            return;
        }
        const double c = segundos(t0);
        extraccion += e;
        cp += c;
        state.SetIterationTime(e);
    }
    const double mib = static_cast<double>(bytes) / (1 << 20) * static_cast<double>(state.iterations());
    state.counters["extraccion_MiBps"] = mib / extraccion;
    state.counters["cp_MiBps"] = mib / cp;
    state.counters["ratio"] = cp / extraccion;
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}
BENCHMARK(BM_ExtraccionContraCp)->Args({1, 1})->Args({64, 1})->Args({64, 0})->UseManualTime()->Unit(benchmark::kMillisecond);

// The real dist/Instalox, unattended, into a fresh temporary home each time.
void BM_InstalacionCompleta(benchmark::State& state)
{
    const QString instalador = QStringLiteral(INSTALOX_DIST "/Instalox");
    if (!QFileInfo::exists(instalador)) {
        state.SkipWithError("build the dist target first");
        return;
    }
    std::vector<std::unique_ptr<QTemporaryDir>> casas;  // removed after timing
    for (auto _ : state) {
        state.PauseTiming();
        casas.push_back(std::make_unique<QTemporaryDir>());
        QTemporaryDir& casa = *casas.back();
        const QString h = casa.path();
        QProcessEnvironment env = entornoEnCasa(h);
        env.insert(QStringLiteral("INSTALOX_DESATENDIDO"), QString());
        env.insert(QStringLiteral("INSTALOX_REGISTRO"), h + QStringLiteral("/registro.txt"));
        QProcess p;
        p.setProcessEnvironment(env);
        state.ResumeTiming();
        p.start(instalador, {QStringLiteral("--usuario")});
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            state.SkipWithError("the installation failed");
            return;
        }
    }
}
BENCHMARK(BM_InstalacionCompleta)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
