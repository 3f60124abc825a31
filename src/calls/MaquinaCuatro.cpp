#include "calls/MaquinaCuatro.h"

#include <algorithm>

namespace cuatro {

namespace {

int valor(const std::string& c) { return c.empty() ? 0 : reglas::darValor(c); }

bool legal(const VistaCuatro& v, const Movida& m)
{
    return std::find(v.legales.begin(), v.legales.end(), m) != v.legales.end();
}

Movida canto(Canto c) { return Movida::deCanto(c); }
Movida respuesta(bool quiero) { return Movida::de(quiero ? Jugada::Quiero : Jugada::NoQuiero); }

// The cards still in hand, weakest first.
std::vector<std::string> enMano(const VistaCuatro& v)
{
    std::vector<std::string> c;
    for (int i = 0; i < 3; ++i)
        if (v.enMano[i])
            c.push_back(v.cartas[i]);
    std::stable_sort(c.begin(), c.end(), [](const auto& a, const auto& b) { return valor(a) < valor(b); });
    return c;
}

int tantos(const VistaCuatro& v) { return tantosLado(v.cartas).envido; }

// The best card of the trick under way for each pair: [mine, theirs].
std::array<int, 2> mejores(const VistaCuatro& v)
{
    std::array<int, 2> m{};
    for (int s = 0; s < 4; ++s) {
        int& b = m[mismaPareja(s, v.asiento) ? 0 : 1];
        b = std::max(b, valor(v.jugadas[s][v.baza]));
    }
    return m;
}

// Winning the trick under way wins the hand: the third, or the second after
// the pair won or tied the first.
bool decide(const VistaCuatro& v) { return v.baza == 2 || (v.baza == 1 && v.bazas[0] >= 1); }

// The partner plays after this seat in the trick under way.
bool companeroPorJugar(const VistaCuatro& v) { return v.jugadas[companero(v.asiento)][v.baza].empty(); }

int promedio(const VistaCuatro& v)
{
    int val[3], n = 0;
    for (const std::string& c : enMano(v))
        val[n++] = valor(c);
    return reglas::promValor(val, n);
}

}  // namespace

reglas::Mesa MaquinaCuatro::mesa(const VistaCuatro& v)
{
    reglas::Mesa m;
    for (int t = 0; t < 3; ++t) {
        m.jm[t] = valor(v.jugadas[v.asiento][t]);
        int suya = 0;
        bool jugo = false;
        for (int s = 0; s < 4; ++s)
            if (!mismaPareja(s, v.asiento) && !v.jugadas[s][t].empty()) {
                suya = std::max(suya, valor(v.jugadas[s][t]));
                jugo = true;
            }
        m.jh[t] = suya;
        m.jugadasMaquina += m.jm[t] > 0;
        m.jugadasHumano += jugo;
        m.bazas[t] = std::max(v.bazas[t], 0);
    }
    m.promValor = promedio(v);
    m.puntosHumano = v.puntos[1];
    return m;
}

Movida MaquinaCuatro::carta(const VistaCuatro& v)
{
    const std::vector<std::string> mano = enMano(v);
    auto juega = [](const std::string& c) { return Movida::deCarta(c); };
    if (mano.size() == 1)
        return juega(mano[0]);
    const auto [nuestra, suya] = mejores(v);
    if (v.cartasEnBaza == 0)
        // Leading: the best card only where the trick decides.
        return juega(decide(v) ? mano.back() : mano.front());
    if (nuestra > suya)
        return juega(mano.front());  // the partner wins it: no overtaking
    const auto gana = std::find_if(mano.begin(), mano.end(), [&](const auto& c) { return valor(c) > suya; });
    if (gana == mano.end())
        return juega(mano.front());
    // The best card stays for the deciding trick while the partner may
    // still take this one.
    if (gana + 1 == mano.end() && !decide(v) && companeroPorJugar(v))
        return juega(mano.front());
    return juega(*gana);
}

Movida MaquinaCuatro::responder(const VistaCuatro& v)
{
    const int t = tantos(v);
    const int suyos = v.puntos[1];
    const bool soyMano = v.asiento == mano(v.repartidor);
    switch (v.pedido) {
    case Pedido::Truco:
        // The envido goes before the truco.
        if (t >= 21 && legal(v, canto(Canto::Envido)))
            return canto(Canto::Envido);
        return respuesta(reglas::aceptaTruco(mesa(v)) != reglas::Respuesta::NoQuiero);
    case Pedido::Retruco: return respuesta(reglas::aceptaRetruco(mesa(v)));
    case Pedido::Vale4: return respuesta(reglas::aceptaVale4(mesa(v)));
    case Pedido::Envido:
        return respuesta(v.tantoEnJuego > 2 ? reglas::aceptaEnvidoEnvido(t, soyMano, suyos)
                                            : reglas::aceptaEnvido(t, suyos));
    case Pedido::Real:
        return respuesta(v.tantoEnJuego > 3 ? reglas::aceptaRealEnvido(t, soyMano, suyos)
                                            : reglas::aceptaEnvido(t, suyos));
    case Pedido::Falta: return respuesta(reglas::reglaFalta(t, v.puntos[0], suyos, f_.segundo()));
    case Pedido::Nada: break;
    }
    return respuesta(false);
}

std::optional<Movida> MaquinaCuatro::cantar(const VistaCuatro& v)
{
    const int t = tantos(v);
    if (legal(v, canto(Canto::Envido))) {
        // Leading the hand it sings as the mano does, otherwise as the pie.
        const bool primero = v.cartasEnBaza == 0;
        const int sorteo = primero && t >= 20 ? static_cast<int>(2 * f_.uniforme()) : 0;
        if (primero ? reglas::cantaEnvidoMano(t, false, sorteo) : reglas::cantaEnvidoPie(t, false))
            return canto(Canto::Envido);
    }
    if (!legal(v, canto(Canto::Truco)))
        return std::nullopt;
    const auto [nuestra, suya] = mejores(v);
    const std::vector<std::string> mano = enMano(v);
    const int mejor = valor(mano.back());
    // First trick, after its partner: on a good hand, as the two-player pie.
    if (v.baza == 0 && !companeroPorJugar(v) && promedio(v) > 5)
        return canto(Canto::Truco);
    // The deciding trick, holding what beats the other pair's card.
    if (decide(v) && v.cartasEnBaza > 0 && std::max(nuestra, mejor) > suya && reglas::cantaEnTercera(suya, mejor))
        return canto(Canto::Truco);
    return std::nullopt;
}

Movida MaquinaCuatro::elegir(const VistaCuatro& v)
{
    const Movida m = v.pedido != Pedido::Nada ? responder(v) : cantar(v).value_or(carta(v));
    if (legal(v, m))
        return m;
    // Whatever it wanted is not allowed now: a card, or else accept.
    for (const Movida& l : v.legales)
        if (l.tipo == Jugada::Carta)
            return carta(v);
    return legal(v, respuesta(true)) ? respuesta(true) : v.legales.front();
}

}  // namespace cuatro
