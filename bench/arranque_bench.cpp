// Start-up on the X platform: the real program, started as a first-run user
// (a home of its own, no lists, the banner site unreachable) under a virtual
// X server, against a bare Qt Widgets window of the table's size (and the
// same window with menus and a line of text, for what words cost). Each is
// read at the moment its window first shows painted: peak memory (VmHWM) and
// CPU time (user + system, every thread); the medians of a few alternated
// runs are printed with their ratios. The offscreen platform has no
// OpenGL and would hide what the X platform costs.
#include "platform/PantallaVirtual.h"  // tests/platform
#include "Proc.h"
#include "platform/Program.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

// Every wait of a run ends by this bound at the latest.
constexpr int kEsperaMs = 60000;

// A client of the virtual server that sees top-level windows mapped and
// reads their pixels.
class ObservadorX {
public:
    explicit ObservadorX(const QString& display)
    {
        int pantalla = 0;
        c_ = xcb_connect(display.toLocal8Bit().constData(), &pantalla);
        if (xcb_connection_has_error(c_))
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < pantalla && it.rem; ++i)
            xcb_screen_next(&it);
        raiz_ = it.data->root;
        const uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, raiz_, XCB_CW_EVENT_MASK, &mascara);
        xcb_flush(c_);
    }
    ~ObservadorX() { xcb_disconnect(c_); }
    ObservadorX(const ObservadorX&) = delete;
    ObservadorX& operator=(const ObservadorX&) = delete;

    bool conectado() const { return xcb_connection_has_error(c_) == 0; }

    // The next top-level window mapped, or 0 when none comes in time.
    xcb_window_t esperarVentana(const QDeadlineTimer& limite)
    {
        while (!limite.hasExpired()) {
            while (xcb_generic_event_t* ev = xcb_poll_for_event(c_)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> guarda(ev, &std::free);
                if ((ev->response_type & 0x7f) != XCB_MAP_NOTIFY)
                    continue;
                const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev);
                if (!m->override_redirect)
                    return m->window;
            }
            if (!conectado())
                return 0;
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            ::poll(&p, 1, int(std::min<qint64>(limite.remainingTime(), 100)));
        }
        return 0;
    }

    QSize tamano(xcb_window_t w)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> g(
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr), &std::free);
        return g ? QSize(g->width, g->height) : QSize();
    }

    // Whether the window shows anything but the black root beneath it: a
    // row and a column through its middle are enough, since a Qt window's
    // first paint reaches the screen in one piece.
    bool pintada(xcb_window_t w, QSize t)
    {
        return hayColor(w, 0, t.height() / 2, t.width(), 1) || hayColor(w, t.width() / 2, 0, 1, t.height());
    }

private:
    bool hayColor(xcb_window_t w, int x, int y, int ancho, int alto)
    {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> img(
            xcb_get_image_reply(c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, w, int16_t(x), int16_t(y),
                                                  uint16_t(ancho), uint16_t(alto), ~0u),
                                nullptr),
            &std::free);
        if (!img)
            return false;
        const uint8_t* d = xcb_get_image_data(img.get());
        const int n = xcb_get_image_data_length(img.get());
        return std::any_of(d, d + n, [](uint8_t b) { return b != 0; });
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t raiz_ = 0;
};

struct Medida {
    bool ok = false;
    const char* fallo = "";
    double picoMiB = 0;  // VmHWM
    double cpuMs = 0;    // utime + stime
    QSize ventana;
};

// utime + stime of every thread, read from the scheduler's own count in
// nanoseconds (/proc/PID/stat counts in 10 ms ticks, too coarse for a start
// of some 50 ms). Only threads that ended before the reading are missed.
double cpuMs(qint64 pid)
{
    double ns = 0;
    const QDir tareas(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& t : tareas.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tareas.filePath(t + QStringLiteral("/schedstat")));
        if (f.open(QIODevice::ReadOnly))
            ns += f.readAll().split(' ').value(0).toDouble();
    }
    if (ns > 0)
        return ns / 1e6;
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = f.readAll();
    // The fields after the command name, which may hold spaces itself:
    // utime is field 14, stime 15.
    const QList<QByteArray> campos = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (campos.size() < 13)
        return -1;
    return (campos[11].toDouble() + campos[12].toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Starts `programa` in a fresh first-run home, waits for its window to show
// painted and reads it there.
Medida medir(const PantallaVirtual& x, const QString& programa, const QStringList& args)
{
    Medida m;
    QTemporaryDir home;
    ObservadorX obs(x.display());
    if (!home.isValid() || !obs.conectado()) {
        m.fallo = "no home or no connection to Xvfb";
        return m;
    }
    QProcess p;
    p.setProcessEnvironment(x.entorno(home.path()));
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(programa, args);
    const QDeadlineTimer limite(kEsperaMs);
    m.fallo = "did not start";
    if (p.waitForStarted(kEsperaMs)) {
        m.fallo = "mapped no window";
        if (const xcb_window_t w = obs.esperarVentana(limite)) {
            m.fallo = "its window was not painted";
            m.ventana = obs.tamano(w);
            while (!m.ok && !limite.hasExpired() && p.state() == QProcess::Running) {
                if (obs.pintada(w, m.ventana)) {
                    m.picoMiB = memoriaMiB(p.processId(), "VmHWM");
                    m.cpuMs = cpuMs(p.processId());
                    m.ok = m.picoMiB > 0 && m.cpuMs >= 0;
                } else {
                    p.waitForFinished(2);  // ends at once if the program dies
                }
            }
        }
    }
    p.kill();
    p.waitForFinished(kEsperaMs);
    return m;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

static void BM_ArranqueEnX(benchmark::State& state)
{
    const PantallaVirtual x;
    if (!x.activa()) {
        std::fprintf(stderr, "BM_ArranqueEnX: Xvfb is not installed (apt-get install xvfb); skipped\n");
        state.SkipWithError("Xvfb not installed: skipped");
        return;
    }
    const QString truco = executableFolder() + QStringLiteral("/Truco");
    const QString vacia = executableFolder() + QStringLiteral("/truco_ventana_vacia");
    std::vector<double> memT, memV, cpuT, cpuV, memX, cpuX;
    QSize mesa;
    for (auto _ : state) {
        // Alternated, so that a busy moment of the machine falls on all.
        for (int i = 0; i < state.range(0); ++i) {
            const Medida t = medir(x, truco, {});
            if (!t.ok) {
                std::fprintf(stderr, "BM_ArranqueEnX: Truco %s\n", t.fallo);
                state.SkipWithError("Truco did not show its window");
                return;
            }
            mesa = t.ventana;
            const QStringList tamano{QString::number(mesa.width()), QString::number(mesa.height())};
            const Medida v = medir(x, vacia, tamano);
            const Medida c = medir(x, vacia, tamano + QStringList{QStringLiteral("--texto")});
            if (!v.ok || !c.ok) {
                std::fprintf(stderr, "BM_ArranqueEnX: the bare window %s\n", v.ok ? c.fallo : v.fallo);
                state.SkipWithError("the bare window did not show");
                return;
            }
            memT.push_back(t.picoMiB);
            cpuT.push_back(t.cpuMs);
            memV.push_back(v.picoMiB);
            cpuV.push_back(v.cpuMs);
            memX.push_back(c.picoMiB);
            cpuX.push_back(c.cpuMs);
        }
    }
    const double mt = mediana(memT), mv = mediana(memV), ct = mediana(cpuT), cv = mediana(cpuV);
    const double mx = mediana(memX), cx = mediana(cpuX);
    state.counters["Truco_VmHWM_MiB"] = mt;
    state.counters["Vacia_VmHWM_MiB"] = mv;
    state.counters["Memoria_x"] = mt / mv;
    state.counters["Truco_CPU_ms"] = ct;
    state.counters["Vacia_CPU_ms"] = cv;
    state.counters["CPU_x"] = ct / cv;
    state.counters["ConTexto_VmHWM_MiB"] = mx;
    state.counters["ConTexto_CPU_ms"] = cx;
    std::printf("Start-up on X (%dx%d window, median of %zu runs each):\n"
                "  Truco                        %6.1f MiB  %4.0f ms CPU\n"
                "  bare window                  %6.1f MiB  %4.0f ms CPU   Truco: memory %.2fx, CPU %.2fx\n"
                "  bare window, menus and text  %6.1f MiB  %4.0f ms CPU   Truco: memory %.2fx, CPU %.2fx\n",
                mesa.width(), mesa.height(), memT.size(), mt, ct, mv, cv, mt / mv, ct / cv, mx, cx, mt / mx,
                ct / cx);
}
BENCHMARK(BM_ArranqueEnX)->Arg(7)->Iterations(1)->Unit(benchmark::kSecond);
