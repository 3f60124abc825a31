#include "calls/Dificil.h"

#include "calls/Maquina.h"
#include "motor/Reglas.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace motor {

namespace {

// Small and fast: playouts draw a great many numbers.
struct Dado {
    std::uint64_t s;
    std::uint64_t operator()()
    {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int entero(int n) { return static_cast<int>((*this)() % static_cast<std::uint64_t>(n)); }
    double uniforme() { return static_cast<double>((*this)() >> 11) * 0x1.0p-53; }
};

// Envido and flor points of every three cards, read once.
struct Tabla {
    std::vector<std::int8_t> envido, flor;
    Tabla() : envido(40 * 40 * 40), flor(40 * 40 * 40)
    {
        const auto& m = reglas::mazo();
        for (int a = 0; a < 40; ++a)
            for (int b = a + 1; b < 40; ++b)
                for (int c = b + 1; c < 40; ++c) {
                    const auto t = reglas::verTantos({m[a], m[b], m[c]});
                    for (const auto& [x, y, z] : {std::array{a, b, c}, {a, c, b}, {b, a, c}, {b, c, a}, {c, a, b}, {c, b, a}}) {
                        envido[(x * 40 + y) * 40 + z] = static_cast<std::int8_t>(t.envido);
                        flor[(x * 40 + y) * 40 + z] = static_cast<std::int8_t>(t.flor ? t.puntosFlor : 0);
                    }
                }
    }
    static const Tabla& una()
    {
        static const Tabla t;
        return t;
    }
    static int i(const std::array<int, 3>& c) { return (c[0] * 40 + c[1]) * 40 + c[2]; }
};

// What a seat knows of the other's hand beyond the cards on the table.
struct Indicios {
    int tanto = -1;           // said out loud
    int ganaEnvido = -1;      // winner of an accepted envido
    bool tieneFlor = false;   // sung, or a contraflor
    bool sinFlor = false;     // could sing it and did not (a player with flor sings it)
};

Indicios indicios(const Estado& e, int yo)
{
    const int el = otro(yo);
    Indicios i;
    i.tanto = e.tantoDicho[el];
    i.ganaEnvido = e.ganaEnvido;
    if (!e.opciones.conFlor)
        return i;
    i.tieneFlor = e.flor.canto == el || (e.flor.contraflor && e.flor.canto == yo);
    // A flor is sung before the first card, and answered with a contraflor.
    // (An envido says nothing: a truco may be answered with one, flor or not.)
    const bool contestoOlor = e.flor.canto == yo && !e.pedidoFlor.activo && !e.flor.contraflor;
    i.sinFlor = !i.tieneFlor && (e.jugadasN[el] > 0 || contestoOlor);
    return i;
}

bool cumple(const Estado& e, int yo, const std::array<int, 3>& mano, const Indicios& i, bool conCreencias)
{
    const Tabla& t = Tabla::una();
    const int el = otro(yo);
    const int tanto = t.envido[Tabla::i(mano)];
    if (i.tanto >= 0 && tanto != i.tanto)
        return false;
    if (i.ganaEnvido >= 0) {
        const int mio = e.tantos[yo];
        const bool ganaEl = tanto > mio || (tanto == mio && e.mano == el);
        if (ganaEl != (i.ganaEnvido == el))
            return false;
    }
    if (e.opciones.conFlor) {
        const bool flor = t.flor[Tabla::i(mano)] > 0;
        if (i.tieneFlor && !flor)
            return false;
        if (conCreencias && i.sinFlor && flor)
            return false;
    }
    return true;
}

// The hand of the match as it stands, with the other's cards in hand replaced.
Estado conMano(const Estado& e, int el, const std::array<int, 3>& mano)
{
    Estado d = e;
    d.cartas[el] = mano;
    contarTantos(d);
    return d;
}

// The per-hand points of the mano's side and the pie's, as the "Normal" player
// makes them against itself, and from them the chance of winning from every score.
class Valores {
public:
    static const Valores& uno()
    {
        static const Valores v;
        return v;
    }
    double p(int mis, int suyos, bool soyMano) const
    {
        if (mis >= reglas::kPartido)
            return suyos >= reglas::kPartido ? 0.5 : 1.0;
        if (suyos >= reglas::kPartido)
            return 0.0;
        return v_[static_cast<std::size_t>((mis * 30 + suyos) * 2 + (soyMano ? 1 : 0))];
    }

private:
    struct Resultado {
        int mano, pie;
        double prob;
    };
    Valores() : v_(30 * 30 * 2)
    {
        const auto d = aprender();
        // Every hand scores, so a score depends only on greater sums.
        for (int suma = 58; suma >= 0; --suma)
            for (int mis = std::min(29, suma); mis >= 0 && suma - mis <= 29; --mis) {
                const int suyos = suma - mis;
                for (int soyMano = 0; soyMano < 2; ++soyMano) {
                    double v = 0;
                    for (const Resultado& r : d) {
                        const int a = mis + (soyMano ? r.mano : r.pie), b = suyos + (soyMano ? r.pie : r.mano);
                        v += r.prob * p(a, b, !soyMano);
                    }
                    v_[static_cast<std::size_t>((mis * 30 + suyos) * 2 + soyMano)] = v;
                }
            }
    }

    static std::vector<Resultado> aprender()
    {
        constexpr int kPartidos = 1500;
        constexpr int kMax = 31;
        std::vector<int> cuenta(kMax * kMax, 0);
        int total = 0;
        Dado dado{12345};
        for (int n = 0; n < kPartidos; ++n) {
            FuenteMaquina f{[&dado] { return dado.uniforme(); }, [&dado] { return dado.entero(60); }};
            JugadorNormal a(f), b(f);
            Opciones o;
            o.variante = n % 4 < 2 ? 1 : 2;
            o.conFlor = n % 2 == 0;
            o.empieza = n / 4 % 2;
            std::vector<std::function<void()>> pendientes;
            Partida p(o, [&dado] { return dado.entero(40); },
                      [&pendientes](double, std::function<void()> g) { pendientes.push_back(std::move(g)); });
            p.empezar();
            auto antes = p.estado().puntos;
            auto anotar = [&] {
                const Estado& e = p.estado();
                const int m = e.mano;
                ++cuenta[static_cast<std::size_t>((e.puntos[m] - antes[m]) * kMax + (e.puntos[otro(m)] - antes[otro(m)]))];
                ++total;
                antes = e.puntos;
            };
            for (int paso = 0; paso < 5000 && !p.estado().terminado; ++paso) {
                if (!pendientes.empty()) {
                    auto g = std::move(pendientes.back());
                    pendientes.pop_back();
                    if (p.estado().manoTerminada)
                        anotar();
                    g();
                    continue;
                }
                const int s = p.aQuienLeToca();
                if (s < 0 || !p.mover(s, (s == 0 ? a : b).elegir(p, s)))
                    break;
            }
            if (p.estado().terminado)
                anotar();
        }
        std::vector<Resultado> d;
        for (int x = 0; x < kMax; ++x)
            for (int y = 0; y < kMax; ++y)
                if (const int c = cuenta[static_cast<std::size_t>(x * kMax + y)]; c > 0 && x + y > 0)
                    d.push_back({x, y, static_cast<double>(c) / total});
        // Renormalise over the hands that scored (a hand always does).
        double suma = 0;
        for (const Resultado& r : d)
            suma += r.prob;
        for (Resultado& r : d)
            r.prob /= suma;
        return d;
    }

    std::vector<double> v_;
};

// Plays a move and the rest of its hand with the "Normal" player in both
// seats; what the hand's end is worth to seat yo.
double jugarMano(const Estado& d, int yo, const Movida& m, std::uint64_t semilla)
{
    Dado dado{semilla};
    std::vector<std::function<void()>> pendientes;
    Partida p(d, [&dado] { return dado.entero(40); },
              [&pendientes](double, std::function<void()> g) { pendientes.push_back(std::move(g)); });
    if (!p.mover(yo, m))
        return 0.0;
    FuenteMaquina f{[&dado] { return dado.uniforme(); }, [&dado] { return dado.entero(60); }};
    JugadorNormal mio(f), suyo(f);
    for (int paso = 0; paso < 200; ++paso) {
        const Estado& e = p.estado();
        if (e.terminado)
            return e.ganador == yo ? 1.0 : 0.0;
        if (e.manoTerminada)
            return Valores::uno().p(e.puntos[yo], e.puntos[otro(yo)], e.mano != yo);
        if (!pendientes.empty()) {
            auto g = std::move(pendientes.back());
            pendientes.pop_back();
            g();
            continue;
        }
        const int s = p.aQuienLeToca();
        if (s < 0 || !p.mover(s, (s == yo ? mio : suyo).elegir(p, s)))
            break;
    }
    const Estado& e = p.estado();
    return Valores::uno().p(e.puntos[yo], e.puntos[otro(yo)], e.mano == yo);
}

}  // namespace

std::vector<std::array<int, 3>> manosPosibles(const Estado& e, int yo)
{
    const int el = otro(yo);
    std::array<bool, 40> vista{};
    for (int c : e.cartas[yo])
        vista[static_cast<std::size_t>(c)] = true;
    std::array<int, 3> mano{};
    std::vector<int> libres;  // the places of its cards still in hand
    for (int i = 0; i < 3; ++i) {
        if (e.enMano[el][i])
            libres.push_back(i);
        else {
            mano[static_cast<std::size_t>(i)] = e.cartas[el][i];
            vista[static_cast<std::size_t>(e.cartas[el][i])] = true;
        }
    }
    std::vector<int> ocultas;
    for (int c = 0; c < 40; ++c)
        if (!vista[static_cast<std::size_t>(c)] && !(e.opciones.variante == 2 && reglas::excluidaEnVariante2(reglas::mazo()[c])))
            ocultas.push_back(c);
    const Indicios ind = indicios(e, yo);
    const int n = static_cast<int>(ocultas.size()), k = static_cast<int>(libres.size());
    std::vector<std::array<int, 3>> v;
    // A person with flor may keep quiet about it: then only what was said
    // binds; and should nothing fit even that, any hand does.
    for (int pasada = 0; pasada < 3 && v.empty(); ++pasada) {
        std::array<int, 3> idx{0, 1, 2};
        auto probar = [&] {
            for (int j = 0; j < k; ++j)
                mano[static_cast<std::size_t>(libres[static_cast<std::size_t>(j)])] = ocultas[static_cast<std::size_t>(idx[static_cast<std::size_t>(j)])];
            if (pasada == 2 || cumple(e, yo, mano, ind, pasada == 0))
                v.push_back(mano);
        };
        if (k == 0) {
            probar();
            continue;
        }
        for (idx[0] = 0; idx[0] < n; ++idx[0]) {
            if (k == 1) {
                probar();
                continue;
            }
            for (idx[1] = idx[0] + 1; idx[1] < n; ++idx[1]) {
                if (k == 2) {
                    probar();
                    continue;
                }
                for (idx[2] = idx[1] + 1; idx[2] < n; ++idx[2])
                    probar();
            }
        }
    }
    return v;
}

double probabilidadDeGanar(int mis, int suyos, bool soyMano) { return Valores::uno().p(mis, suyos, soyMano); }

void prepararBusqueda()
{
    Tabla::una();
    Valores::uno();
}

Movida buscarJugada(const Estado& e, int yo, int simulaciones, std::uint64_t semilla)
{
    const std::vector<Movida> candidatas = Partida(e, {}, {}).legales(yo);
    if (candidatas.empty())
        return {};
    if (candidatas.size() == 1)
        return candidatas.front();
    const auto manos = manosPosibles(e, yo);
    const int el = otro(yo);
    const int rondas = std::max(1, simulaciones / static_cast<int>(candidatas.size()));
    std::vector<double> valor(candidatas.size(), 0.0);
    Dado dado{semilla};
    for (int r = 0; r < rondas; ++r) {
        // Every move is tried on the same deal and the same later chance, so
        // the comparison sees the moves and not the luck.
        const Estado d = conMano(e, el, manos[static_cast<std::size_t>(dado.entero(static_cast<int>(manos.size())))]);
        const std::uint64_t s = dado();
        for (std::size_t c = 0; c < candidatas.size(); ++c)
            valor[c] += jugarMano(d, yo, candidatas[c], s);
    }
    const auto mejor = std::max_element(valor.begin(), valor.end());
    return candidatas[static_cast<std::size_t>(mejor - valor.begin())];
}

Movida JugadorDificil::elegir(const Partida& p, int yo) { return buscarJugada(p.estado(), yo, simulaciones_, gen_()); }

}  // namespace motor
