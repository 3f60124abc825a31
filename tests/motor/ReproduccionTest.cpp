// The matches against the computer whose traces are kept in tests/golden,
// played again on the engine alone: the table's view of each one, as the
// table has always shown it, must be the kept trace, line for line.
#include "Sha1.h"
#include "motor/Maquina.h"
#include "motor/Partida.h"
#include "motor/Voces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using namespace motor;

namespace {

// The test clock's chance: one generator for the deal and the computer.
struct Reloj {
    explicit Reloj(unsigned s) : gen(s) {}
    std::mt19937_64 gen;
    double uniforme() { return std::uniform_real_distribution<double>(0.0, 1.0)(gen); }
    int entero(int lo, int hi)
    {
        const int v = lo + static_cast<int>(uniforme() * (hi - lo + 1));
        return v > hi ? hi : v;
    }
};

std::string etiquetaCarta(int carta)
{
    const std::string& c = reglas::mazo()[carta];
    return c + " (" + std::to_string(reglas::darValor(c)) + " )";
}

// The table of the game against the computer, as it shows a match: its
// labels, title, sounds, boxes and the call panel's buttons.
class VistaMesa : public Observador {
public:
    VistaMesa(const Partida& p, std::vector<std::string>& l, Reloj& r, std::string nombre)
        : p_(p), l_(l), r_(r), nombre_(std::move(nombre))
    {
        etiquetas_["PuntosH"] = etiquetas_["PuntosM"] = "0";
    }

    void poner(const std::string& nombre, const std::string& texto)
    {
        std::string& actual = etiquetas_[nombre];
        if (actual != texto) {
            actual = texto;
            l_.push_back("L " + nombre + "=" + texto);
        }
    }
    void titulo(const std::string& t)
    {
        if (t != titulo_) {
            titulo_ = t;
            l_.push_back("T " + t);
        }
    }
    void sonar(int codigo, int numero)
    {
        const char* raiz = raizDeSonido(codigo);
        if (raiz)
            l_.push_back(std::string("S Sonidos/") + raiz + (codigo == 12 ? std::to_string(numero) : "") + ".wav");
    }

    void repartida(const Estado& e) override
    {
        titulo("Naipex 2.0");
        poner("LC", "");
        poner("LH", "");
        for (int t = 0; t < 3; ++t) {
            poner("JM(" + std::to_string(t) + ")", "");
            poner("JH(" + std::to_string(t) + ")", "");
        }
        flor_ = e.opciones.conFlor && e.puntosFlor[0] > 0;
    }
    void cartaJugada(int asiento, int baza, int carta) override
    {
        if (asiento == 0) {
            poner("LC", "");
            flor_ = false;
        }
        poner((asiento == 0 ? "JH(" : "JM(") + std::to_string(baza) + ")", etiquetaCarta(carta));
    }
    void habla(int asiento, const std::string& texto) override
    {
        if (asiento == 1 && (texto == "Flor" || texto == "Flor por atrevido") && !versoElegido_) {
            r_.uniforme();  // the first verse of the run
            versoElegido_ = true;
        }
        // His flor, or his answer to the other's, puts the flor button off.
        if (asiento == 0 && (texto == "Flor" || texto == "Contraflor" || texto == "¡Hasta aquí llegó el olor!"))
            flor_ = false;
        poner(asiento == 0 ? "LH" : "LC", texto);
        if (asiento == 1 && texto == "Flor") {
            // The verse window sounds as it is made, then opens.
            sonar(p_.estado().envido.n > 0 ? 13 : 10, 0);
            l_.push_back("V FFlor");
        }
    }
    void sonido(int, int codigo, int numero) override { sonar(codigo, numero); }
    void puntos(int asiento, int total) override
    {
        poner(asiento == 0 ? "PuntosH" : "PuntosM", std::to_string(total));
        if (total == reglas::kPartido) {
            std::string ganador = asiento == 0 ? nombre_ : "Pc";
            for (char& c : ganador)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            l_.push_back("B Naipex 2.0|Ganador del partido: " + ganador);
        }
    }
    void finDeMano(int) override
    {
        flor_ = false;
        if (!p_.estado().terminado)
            titulo("Mezclando cartas...");
    }

    // The panel the player sees when the table waits for him.
    std::string panel(bool respuesta) const
    {
        const Estado& e = p_.estado();
        std::string m(8, '0');
        auto on = [&](std::initializer_list<int> bs) {
            for (int b : bs)
                m[static_cast<std::size_t>(b)] = '1';
        };
        if (e.concesion.cede == 0) {
            on({3});
        } else if (e.pedidoEnvido.activo) {
            on({1, 2, 3, 4, 6});
        } else if (e.pedido.activo) {
            on({1, 3});
            if (e.pedido.nivel == 1)
                on({5});
            else if (e.pedido.nivel == 2)
                on({7});
        } else if (!respuesta) {
            if (e.truco.cantado == 0)
                on({0});
            if (!e.envido.cantado && !e.flor.cantada && e.truco.querido == 0 && e.jugadasN[0] == 0)
                on({2, 4, 6});
        }
        const bool flor = flor_ && e.concesion.cede != 0;
        return m + (flor ? "1" : "0") + "1";
    }
    // The player pressed a call button: the flor button goes off with it.
    void pulso() { flor_ = false; }

private:
    const Partida& p_;
    std::vector<std::string>& l_;
    Reloj& r_;
    std::string nombre_;
    std::map<std::string, std::string> etiquetas_;
    std::string titulo_ = "Naipex 2.0";
    bool flor_ = false;
    bool versoElegido_ = false;
};

// The scripted player of the table's tests: he presses at random what the
// panel offers, now and then a call on his turn, and otherwise a card.
class Guion {
public:
    explicit Guion(unsigned semilla) : gen_(semilla) {}

    // One action: the line the table's trace writes, and the move.
    std::pair<std::string, Movida> actuar(const Estado& e, VistaMesa& v, bool respuesta)
    {
        const std::string mascara = v.panel(respuesta);
        auto linea = [&](const std::string& que) {
            return std::string(respuesta ? "> responde " : "> juega ") + mascara + " H" + std::to_string(e.puntos[0]) + " M" +
                   std::to_string(e.puntos[1]) + " -> " + que;
        };
        auto boton = [&](int b) -> std::pair<std::string, Movida> {
            static const Accion kBotones[8] = {Accion::Truco, Accion::Quiero, Accion::Envido, Accion::NoQuiero,
                                               Accion::RealEnvido, Accion::Retruco, Accion::FaltaEnvido, Accion::Vale4};
            v.pulso();
            if (b == 8)
                return {linea("Flor"), {Accion::Flor}};
            if (b == 9)
                return {linea("AlMazo"), {Accion::AlMazo}};
            const Accion a = b == 3 && e.concesion.cede == 0 ? Accion::SonBuenas : kBotones[b];
            return {linea("bt(" + std::to_string(b) + ")"), {a}};
        };
        if (respuesta) {
            std::vector<int> opciones;
            for (int b = 0; b < 8; ++b)
                if (mascara[static_cast<std::size_t>(b)] == '1')
                    opciones.push_back(b);
            if (mascara[8] == '1')
                opciones.push_back(8);
            if (mascara[9] == '1' && gen_() % 8 == 0)
                opciones.push_back(9);
            return boton(opciones[gen_() % opciones.size()]);
        }
        if (gen_() % 4 == 0) {
            std::vector<int> llamadas;
            for (int b : {0, 2, 4, 5, 6, 7})
                if (mascara[static_cast<std::size_t>(b)] == '1')
                    llamadas.push_back(b);
            if (mascara[8] == '1')
                llamadas.push_back(8);
            if (mascara[9] == '1' && gen_() % 10 == 0)
                llamadas.push_back(9);
            if (!llamadas.empty())
                return boton(llamadas[gen_() % llamadas.size()]);
        }
        std::vector<int> cartas;
        for (int i = 0; i < 3; ++i)
            if (e.enMano[0][i])
                cartas.push_back(i);
        const int i = cartas[gen_() % cartas.size()];
        return {linea("ICH(" + std::to_string(i) + ")"), {Accion::Carta, i}};
    }

private:
    std::mt19937 gen_;
};

struct Caso {
    explicit Caso(unsigned s) : semilla(s), conFlor(s % 2 == 0), espanola(s % 4 >= 2), pcEmpieza(s / 4 % 2 == 1) {}
    unsigned semilla;
    bool conFlor, espanola, pcEmpieza;
};

std::vector<std::string> reproducir(const Caso& c)
{
    std::vector<std::string> l;
    Reloj reloj(c.semilla);
    std::deque<std::function<void()>> pausas;
    Opciones o;
    o.variante = c.espanola ? 2 : 1;
    o.conFlor = c.conFlor;
    o.empieza = c.pcEmpieza ? 1 : 0;
    Partida p(o, [&reloj] { return reloj.entero(0, 39); },
              [&](double, std::function<void()> f) { pausas.push_back(std::move(f)); });
    VistaMesa vista(p, l, reloj, "Ana");
    p.observar(&vista);
    JugadorNormal pc(FuenteMaquina{[&reloj] { return reloj.uniforme(); }, [] { return 0; }});
    Guion humano(c.semilla * 7919u);
    const bool contraflor = c.semilla % 3 != 0;
    l.push_back("V f2");
    vista.poner("NombreC", "Ana");
    p.empezar();
    for (int paso = 0; paso < 20000 && !p.estado().terminado; ++paso) {
        if (!pausas.empty()) {
            auto f = std::move(pausas.front());
            pausas.pop_front();
            f();
            continue;
        }
        const int s = p.aQuienLeToca();
        if (s < 0)
            break;
        const Estado& e = p.estado();
        if (s == 1) {
            if (!p.mover(1, pc.elegir(p, 1)))
                break;
            continue;
        }
        if (e.pedidoFlor.activo) {
            // The verse window: contraflor when it may, else the olor.
            p.mover(0, {contraflor && e.puntosFlor[0] > 0 ? Accion::Contraflor : Accion::Olor});
            continue;
        }
        const bool respuesta = e.concesion.cede == 0 || e.pedidoEnvido.activo || e.pedido.activo;
        const auto [linea, movida] = humano.actuar(e, vista, respuesta);
        l.push_back(linea);
        p.mover(0, movida);
    }
    return l;
}

std::string raiz() { return TRUCO_TRAZAS_DORADAS; }

std::vector<std::string> leer(const std::string& archivo)
{
    std::ifstream f(raiz() + "/" + archivo);
    std::vector<std::string> v;
    for (std::string s; std::getline(f, s);)
        if (!s.empty())
            v.push_back(s);
    return v;
}

std::string texto(const std::vector<std::string>& l)
{
    std::string t;
    for (const auto& s : l)
        t += s + "\n";
    return t;
}

std::string primeraDiferencia(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "<fin>", y = i < b.size() ? b[i] : "<fin>";
        if (x != y)
            return "line " + std::to_string(i + 1) + ": expected \"" + x + "\", got \"" + y + "\"";
    }
    return {};
}

}  // namespace

TEST(Reproduccion, LasTrazasEnterasSalenIgualesDelMotor)
{
    for (unsigned s : {1u, 6u, 15u}) {
        const auto esperada = leer("pc-" + std::to_string(s) + ".txt");
        ASSERT_FALSE(esperada.empty());
        EXPECT_EQ(primeraDiferencia(esperada, reproducir(Caso(s))), "") << "seed " << s;
    }
}

TEST(Reproduccion, LosDoscientosResumenesSalenIgualesDelMotor)
{
    const auto guardadas = leer("pc.txt");
    ASSERT_EQ(guardadas.size(), 200u);
    int iguales = 0;
    std::string primera;
    for (unsigned s = 1; s <= 200; ++s) {
        const auto l = reproducir(Caso(s));
        std::istringstream g(guardadas[s - 1]);
        std::string semilla, flor, mazo, empieza, lineas, resumen;
        g >> semilla >> flor >> mazo >> empieza >> lineas >> resumen;
        const bool igual = sha1Hex(texto(l)).substr(0, 16) == resumen;
        // TRUCO_TRAZAS=<folder> writes each replayed trace, to read a difference.
        if (const char* dir = std::getenv("TRUCO_TRAZAS"); dir && !igual)
            std::ofstream(std::string(dir) + "/motor-pc-" + std::to_string(s) + ".txt") << texto(l);
        iguales += igual;
        if (!igual && primera.empty())
            primera = "seed " + std::to_string(s);
    }
    EXPECT_EQ(iguales, 200) << "first different: " << primera;
}
