#include "net/rules/Protocolo.h"
#include "net/rules/Troceador.h"

#include <gtest/gtest.h>
#include <vector>

using namespace protocolo;

namespace {

// One message of every code with a fixed shape, several argument lengths.
const std::vector<std::string> kFijos{
    "OKOK", "TRUC", "4TRU", "CAM012E", "CAM11O", "CAR010C", "4AR011E", "CVM01", "CVM114", "CA1V1",
    "PIES3", "IJM02", "JUG11", "BTON01-1-0-01-", "DARH0", "DARH15", "DARH255", "JUGM210C",
};

// Codes whose argument is free text: they run to the end of a read.
const std::vector<std::string> kTextos{"MENShola che", "CONFEmpieza Ana\n\xBF" "Con flor? SI", "DICE228"};

// Feeds the pieces one by one, then gives up waiting once at the end.
std::vector<Trozo> trocear(const std::vector<std::string>& piezas, bool nombre = false)
{
    Troceador t;
    std::vector<Trozo> out;
    for (const std::string& p : piezas) {
        t.agregar(p);
        while (auto m = t.siguiente(nombre))
            out.push_back(*m);
    }
    while (t.retiene()) {
        if (auto m = t.liberar(nombre))
            out.push_back(*m);
        while (auto m = t.siguiente(nombre))
            out.push_back(*m);
    }
    return out;
}

// Each piece as "text" for a message, "?text" otherwise (Largo "L", Malformado
// "M", Desconocido "D", Nombre "N" before the text).
std::vector<std::string> leer(const std::vector<std::string>& piezas, bool nombre = false)
{
    std::vector<std::string> out;
    for (const Trozo& t : trocear(piezas, nombre)) {
        const char* marca = t.clase == Clase::Mensaje ? "" : t.clase == Clase::Largo ? "L:" : t.clase == Clase::Malformado ? "M:"
                            : t.clase == Clase::Nombre ? "N:" : "D:";
        out.push_back(marca + (t.clase == Clase::Largo ? std::to_string(t.texto.size()) : t.texto));
    }
    return out;
}

using Piezas = std::vector<std::string>;

}  // namespace

TEST(Troceador, EveryPairOfFixedShapesGluedAndSplitAtEveryByte)
{
    for (const std::string& a : kFijos) {
        for (const std::string& b : kFijos) {
            const std::string junto = a + b;
            for (std::size_t corte = 0; corte <= junto.size(); ++corte)
                ASSERT_EQ(leer({junto.substr(0, corte), junto.substr(corte)}), (Piezas{a, b})) << a << " + " << b << " cut at " << corte;
        }
    }
    // The code of a free-text message split inside it waits.
    for (const std::string& m : kTextos)
        for (std::size_t corte = 1; corte < kLargoCodigo; ++corte)
            EXPECT_EQ(leer({m.substr(0, corte), m.substr(corte)}), Piezas{m});
}

TEST(Troceador, SplitFixedShapeWaitsForTheRest)
{
    Troceador t;
    auto siguiente = [&] {
        auto m = t.siguiente(false);
        return m ? m->texto : std::string("-");
    };
    t.agregar("CAM01");
    EXPECT_EQ(siguiente(), "-");  // "1" could be "10", "11", "12"
    t.agregar("2");
    EXPECT_EQ(siguiente(), "-");  // suit still missing
    t.agregar("E");
    EXPECT_EQ(siguiente(), "CAM012E");
    // Points that could still grow wait; a following code ends them.
    t.agregar("DARH2");
    EXPECT_EQ(siguiente(), "-");
    t.agregar("5");
    EXPECT_EQ(siguiente(), "-");
    t.agregar("OKOK");
    EXPECT_EQ(siguiente(), "DARH25");
    EXPECT_EQ(siguiente(), "OKOK");
    t.agregar("DARH26");  // 260 would be over 255: complete now
    EXPECT_EQ(siguiente(), "DARH26");
    t.agregar("BTON01");
    EXPECT_EQ(siguiente(), "-");
    EXPECT_TRUE(t.retiene());
}

TEST(Troceador, OneReadCutIntoItsMessages)
{
    const std::string nombre(kLargoNombre, 'n'), texto(kLargoTexto, 'a');
    const struct {
        Piezas entra, sale;
    } casos[] = {
        // "4TRU" and the four-player deal start with a digit.
        {{"DARH34TRU"}, {"DARH3", "4TRU"}},
        {{"CVM014AR011E"}, {"CVM01", "4AR011E"}},
        {{"CVM014"}, {"CVM014"}},
        // Envido points spoken right before the points are given.
        {{"DICE228DARM2"}, {"DICE228", "DARM2"}},
        // A chat line keeps whatever it says, even a code inside it.
        {{"MENSvamos TRUC y FLOR"}, {"MENSvamos TRUC y FLOR"}},
        {{"MENSyaOKOKOKOK"}, {"MENSya", "OKOK", "OKOK"}},
        // Points over the limit leave a stray digit.
        {{"DARH256"}, {"DARH25", "D:6"}},
        // Over-long input is one piece; free text and names up to their length.
        {{std::string(5000, 'x')}, {"L:5000"}},
        {{"MENS" + std::string(4093, 'a') + "OKOK"}, {"L:4097", "OKOK"}},
        {{"MENS" + texto}, {"MENS" + texto}},
        {{"MENS" + texto + "a" + "OKOK"}, {"L:" + std::to_string(kLargoTexto + 5), "OKOK"}},
        {{"CONF" + texto + "a" + "OKOK"}, {"L:" + std::to_string(kLargoTexto + 5), "OKOK"}},
        {{"DICE1" + texto + "a" + "OKOK"}, {"L:" + std::to_string(kLargoTexto + 6), "OKOK"}},
        {{"NICK" + nombre + "3"}, {"NICK" + nombre + "3"}},
        {{"NICK" + nombre + "n3"}, {"L:" + std::to_string(kLargoNombre + 6)}},
        {{"CARA2" + nombre + "3"}, {"CARA2" + nombre + "3"}},
        {{"CARA2" + nombre + "n3"}, {"L:" + std::to_string(kLargoNombre + 7)}},
        // A truco value is 1 to 14: zero is no value.
        {{"CVM00"}, {"M:CVM00"}},
        {{"CA2V0"}, {"M:CA2V0"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(leer(c.entra), c.sale) << c.entra[0].substr(0, 30);
}

TEST(Troceador, WhatTheFramingPassesTheDecodingAccepts)
{
    std::vector<std::string> piezas = kFijos;
    piezas.insert(piezas.end(), kTextos.begin(), kTextos.end());
    for (const char* m : {"CVM00", "DARH0", "PIES4", "IJM03", "JUGC34O", "JUGC08O", "CAM08E", "NICK", "CARA2",
                          "DICE", "BTON01-1-0-01x", "4AR013O", "CVM10", "CA0V0"})
        piezas.emplace_back(m);
    for (const std::string& p : piezas) {
        for (const Trozo& t : trocear({p})) {
            if (t.clase == Clase::Mensaje) {
                EXPECT_TRUE(argumentoValido(separar(t.texto).codigo, separar(t.texto).argumento)) << t.texto;
            }
        }
        if (argumentoValido(separar(p).codigo, separar(p).argumento)) {
            EXPECT_EQ(leer({p}), Piezas{p});
        }
    }
}

TEST(Troceador, ALongRunOfShortMessagesFedInPieces)
{
    // Cut from the front while more keeps coming: every message once, in
    // order, whatever the pieces.
    std::string todo;
    for (int i = 0; i < 20000; ++i)
        todo += i % 3 == 0 ? "4TRU" : i % 3 == 1 ? "JUGC04O" : "DARH12";
    Troceador t;
    std::string cortado;
    int mensajes = 0;
    for (std::size_t desde = 0; desde < todo.size(); desde += 997) {
        t.agregar(std::string_view(todo).substr(desde, 997));
        for (auto m = t.siguiente(false); m && mensajes < 20000; m = t.siguiente(false)) {
            ASSERT_EQ(m->clase, Clase::Mensaje) << m->texto;
            cortado += m->texto;
            ++mensajes;
        }
    }
    for (int k = 0; k < 10 && t.retiene(); ++k) {
        auto m = t.siguiente(false);
        if (!m)
            m = t.liberar(false);
        ASSERT_TRUE(m);
        cortado += m->texto;
        ++mensajes;
    }
    EXPECT_EQ(mensajes, 20000);
    EXPECT_EQ(cortado, todo);
    EXPECT_EQ(t.retenidos(), 0u);
}

TEST(Troceador, OpeningNameWhileTheGreetingIsPending)
{
    // Name, then "NICK" or an acknowledgement glued to it.
    EXPECT_EQ(leer({"Ana3NICKAna3OKOK"}, true), (Piezas{"N:Ana3", "N:NICKAna3", "OKOK"}));
    // 26 bytes or more: dispatched by its code (the host's notice).
    EXPECT_EQ(leer({"MENSHay 2 Jugadores conectados"}, true), Piezas{"MENSHay 2 Jugadores conectados"});
    EXPECT_EQ(leer({std::string(25, 'n') + "1"}, true), Piezas{"D:" + std::string(25, 'n') + "1"});
    EXPECT_EQ(leer({std::string(24, 'n') + "1"}, true), Piezas{"N:" + std::string(24, 'n') + "1"});
    // An acknowledgement is never taken for a name.
    EXPECT_EQ(leer({"OKOK"}, true), Piezas{"OKOK"});
}
