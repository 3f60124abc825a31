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

std::vector<std::string> textos(const std::vector<Trozo>& trozos)
{
    std::vector<std::string> out;
    for (const Trozo& t : trozos)
        out.push_back(t.texto);
    return out;
}

bool todosBuenos(const std::vector<Trozo>& trozos)
{
    for (const Trozo& t : trozos) {
        if (t.clase != Clase::Mensaje)
            return false;
    }
    return true;
}

}  // namespace

TEST(Troceador, EveryPairOfFixedShapesGluedAndSplitAtEveryByte)
{
    for (const std::string& a : kFijos) {
        for (const std::string& b : kFijos) {
            const std::string junto = a + b;
            const std::vector<std::string> esperado{a, b};
            for (std::size_t corte = 0; corte <= junto.size(); ++corte) {
                auto r = trocear({junto.substr(0, corte), junto.substr(corte)});
                ASSERT_EQ(textos(r), esperado) << a << " + " << b << " cut at " << corte;
                ASSERT_TRUE(todosBuenos(r)) << a << " + " << b;
            }
        }
    }
}

TEST(Troceador, SplitFixedShapeWaitsForTheRest)
{
    Troceador t;
    t.agregar("CAM01");
    EXPECT_FALSE(t.siguiente(false));  // "1" could be "10", "11", "12"
    t.agregar("2");
    EXPECT_FALSE(t.siguiente(false));  // suit still missing
    t.agregar("E");
    auto m = t.siguiente(false);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->texto, "CAM012E");
    // Points that could still grow wait; a following code ends them.
    t.agregar("DARH2");
    EXPECT_FALSE(t.siguiente(false));
    t.agregar("5");
    EXPECT_FALSE(t.siguiente(false));
    t.agregar("OKOK");
    EXPECT_EQ(t.siguiente(false)->texto, "DARH25");
    EXPECT_EQ(t.siguiente(false)->texto, "OKOK");
    t.agregar("DARH26");  // 260 would be over 255: complete now
    EXPECT_EQ(t.siguiente(false)->texto, "DARH26");
    t.agregar("BTON01");
    EXPECT_FALSE(t.siguiente(false));
    EXPECT_TRUE(t.retiene());
}

TEST(Troceador, DigitsBeforeACodeStartingWithFour)
{
    // "4TRU" and the four-player deal start with a digit.
    EXPECT_EQ(textos(trocear({"DARH34TRU"})), (std::vector<std::string>{"DARH3", "4TRU"}));
    EXPECT_EQ(textos(trocear({"CVM014AR011E"})), (std::vector<std::string>{"CVM01", "4AR011E"}));
    EXPECT_EQ(textos(trocear({"CVM014"})), (std::vector<std::string>{"CVM014"}));
}

TEST(Troceador, FreeTextThenAnotherMessage)
{
    // Envido points spoken right before the points are given.
    EXPECT_EQ(textos(trocear({"DICE228DARM2"})), (std::vector<std::string>{"DICE228", "DARM2"}));
    // A chat line keeps whatever it says, even a code inside it.
    EXPECT_EQ(textos(trocear({"MENSvamos TRUC y FLOR"})), (std::vector<std::string>{"MENSvamos TRUC y FLOR"}));
    EXPECT_EQ(textos(trocear({"MENSyaOKOKOKOK"})), (std::vector<std::string>{"MENSya", "OKOK", "OKOK"}));
    // The code of a free-text message split inside it waits.
    for (const std::string& m : kTextos) {
        for (std::size_t corte = 1; corte < kLargoCodigo; ++corte)
            EXPECT_EQ(textos(trocear({m.substr(0, corte), m.substr(corte)})), std::vector<std::string>{m});
    }
}

TEST(Troceador, PointsOverTheLimitLeaveAStrayDigit)
{
    auto r = trocear({"DARH256"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].texto, "DARH25");
    EXPECT_EQ(r[1].clase, Clase::Desconocido);  // the stray "6"
}

TEST(Troceador, OverLongInputIsOnePieceMarkedLong)
{
    auto r = trocear({std::string(5000, 'x')});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Largo);
    r = trocear({"MENS" + std::string(4093, 'a') + "OKOK"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].clase, Clase::Largo);
    EXPECT_EQ(r[1].texto, "OKOK");
    r = trocear({"MENS" + std::string(kLargoTexto, 'a')});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Mensaje);
}

TEST(Troceador, FreeTextAndNamesOverTheirLengthAreRefused)
{
    // A chat line or a phrase that could not travel in one segment.
    for (const std::string& codigo : {std::string("MENS"), std::string("CONF"), std::string("DICE1")}) {
        auto r = trocear({codigo + std::string(kLargoTexto, 'a')});
        ASSERT_EQ(r.size(), 1u) << codigo;
        EXPECT_EQ(r[0].clase, Clase::Mensaje) << codigo;
        r = trocear({codigo + std::string(kLargoTexto + 1, 'a') + "OKOK"});
        ASSERT_EQ(r.size(), 2u) << codigo;
        EXPECT_EQ(r[0].clase, Clase::Largo) << codigo;
        EXPECT_EQ(r[1].texto, "OKOK");
    }
    // A name of the length the opening message allows, and one more.
    const std::string nombre(kLargoNombre, 'n');
    EXPECT_EQ(trocear({"NICK" + nombre + "3"})[0].clase, Clase::Mensaje);
    EXPECT_EQ(trocear({"NICK" + nombre + "n3"})[0].clase, Clase::Largo);
    EXPECT_EQ(trocear({"CARA2" + nombre + "3"})[0].clase, Clase::Mensaje);
    EXPECT_EQ(trocear({"CARA2" + nombre + "n3"})[0].clase, Clase::Largo);
}

TEST(Troceador, ArgumentsFollowTheDecodingRule)
{
    // A truco value is 1 to 14: zero is no value.
    for (const char* malo : {"CVM00", "CVM10", "CA0V0", "CA2V0"}) {
        const auto r = trocear({malo});
        ASSERT_FALSE(r.empty()) << malo;
        EXPECT_EQ(r[0].clase, Clase::Malformado) << malo;
        EXPECT_EQ(r[0].texto, malo);
    }
    // Whatever the framing passes as a message, the decoding accepts, and
    // the other way round for every message of the catalogue.
    std::vector<std::string> piezas = kFijos;
    piezas.insert(piezas.end(), kTextos.begin(), kTextos.end());
    for (const char* m : {"CVM00", "DARH0", "PIES4", "IJM03", "JUGC34O", "JUGC08O", "CAM08E", "NICK", "CARA2",
                          "DICE", "BTON01-1-0-01x", "4AR013O"})
        piezas.emplace_back(m);
    for (const std::string& p : piezas) {
        for (const Trozo& t : trocear({p})) {
            if (t.clase != Clase::Mensaje)
                continue;
            const Partes partes = separar(t.texto);
            EXPECT_TRUE(argumentoValido(partes.codigo, partes.argumento)) << t.texto;
        }
        const Partes partes = separar(p);
        if (argumentoValido(partes.codigo, partes.argumento)) {
            const auto r = trocear({p});
            ASSERT_EQ(r.size(), 1u) << p;
            EXPECT_EQ(r[0].clase, Clase::Mensaje) << p;
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
        for (int k = 0; k < 50; ++k) {
            auto m = t.siguiente(false);
            if (!m)
                break;
            ASSERT_EQ(m->clase, Clase::Mensaje) << m->texto;
            cortado += m->texto;
            ++mensajes;
        }
    }
    while (t.retiene()) {
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
    auto r = trocear({"Ana3NICKAna3OKOK"}, true);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].clase, Clase::Nombre);
    EXPECT_EQ(r[0].texto, "Ana3");
    EXPECT_EQ(r[1].texto, "NICKAna3");
    EXPECT_EQ(r[2].texto, "OKOK");
    // 26 bytes or more: dispatched by its code (the host's notice).
    r = trocear({"MENSHay 2 Jugadores conectados"}, true);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Mensaje);
    r = trocear({std::string(25, 'n') + "1"}, true);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Desconocido);
    r = trocear({std::string(24, 'n') + "1"}, true);
    EXPECT_EQ(r[0].clase, Clase::Nombre);
    // An acknowledgement is never taken for a name.
    r = trocear({"OKOK"}, true);
    EXPECT_EQ(r[0].clase, Clase::Mensaje);
}
