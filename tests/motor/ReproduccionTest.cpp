// The matches against the computer whose traces are kept in tests/golden,
// played again on the engine alone: the table's view of each one, as the
// table has always shown it, must be the kept trace, line for line.
#include "Sha1.h"
#include "calls/Maquina.h"
#include "motor/Partida.h"
#include "motor/Voces.h"
#include "game/rules/Presentador.h"

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

// The table's window as trace lines: a label or the title only when it
// changes, the sound files, the verse window and the winner's box.
class PantallaDeTraza : public mesa::Pantalla {
public:
    explicit PantallaDeTraza(std::vector<std::string>& l) : l_(l) { etiquetas_["PuntosH"] = etiquetas_["PuntosM"] = "0"; }
    void etiqueta(const std::string& nombre, const std::string& texto) override
    {
        std::string& actual = etiquetas_[nombre];
        if (actual != texto) {
            actual = texto;
            l_.push_back("L " + nombre + "=" + texto);
        }
    }
    void titulo(const std::string& t) override
    {
        if (t != titulo_) {
            titulo_ = t;
            l_.push_back("T " + t);
        }
    }
    void sonido(int codigo, int numero) override
    {
        if (const char* raiz = raizDeSonido(codigo))
            l_.push_back(std::string("S Sonidos/") + raiz + (codigo == 12 ? std::to_string(numero) : "") + ".wav");
    }
    void mano(const std::array<int, 3>&) override {}
    void jugada(int, int, int) override {}
    void verso(int) override { l_.push_back("V FFlor"); }
    void ganador(int asiento) override { l_.push_back(std::string("B Naipex 2.0|Ganador del partido: ") + (asiento == 0 ? "ANA" : "PC")); }

private:
    std::vector<std::string>& l_;
    std::map<std::string, std::string> etiquetas_;
    std::string titulo_ = "Naipex 2.0";
};

// The scripted player of the table's tests: he presses at random what the
// panel offers, now and then a call on his turn, and otherwise a card.
class Guion {
public:
    explicit Guion(unsigned semilla) : gen_(semilla) {}

    // One action: the line the table's trace writes, and the move.
    std::pair<std::string, Movida> actuar(const Estado& e, mesa::Presentador& v, bool respuesta)
    {
        const std::string mascara = v.panel();
        auto linea = [&](const std::string& que) {
            return std::string(respuesta ? "> responde " : "> juega ") + mascara + " H" + std::to_string(e.puntos[0]) + " M" +
                   std::to_string(e.puntos[1]) + " -> " + que;
        };
        auto boton = [&](int b) -> std::pair<std::string, Movida> {
            const Movida m = v.movidaDelBoton(b);
            v.pulso();
            return {linea(b == 8 ? "Flor" : b == 9 ? "AlMazo" : "bt(" + std::to_string(b) + ")"), m};
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
    PantallaDeTraza pantalla(l);
    mesa::Presentador vista(p, pantalla, [&reloj] { return reloj.uniforme(); });
    p.observar(&vista);
    JugadorNormal pc(FuenteMaquina{[&reloj] { return reloj.uniforme(); }, [] { return 0; }});
    Guion humano(c.semilla * 7919u);
    const bool contraflor = c.semilla % 3 != 0;
    l.push_back("V f2");
    pantalla.etiqueta("NombreC", "Ana");
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
        const auto [linea, movida] = humano.actuar(e, vista, vista.esperaRespuesta());
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
