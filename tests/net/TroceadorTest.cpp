#include "net/rules/Protocolo.h"
#include "net/rules/Troceador.h"

#include <gtest/gtest.h>
#include <vector>

using namespace protocolo;

namespace {

// One message of every code with a fixed shape, several argument lengths.
const std::vector<std::string> kFijos{
    "OKOK", "DEA4", "YORE", "PON0", "EMPT", "MANT", "MANF", "JUGT", "JUGF", "TRUC", "RETR",
    "VAL4", "ENVI", "REAL", "FALT", "QUIE", "NOQU", "FLOR", "MAZO", "4TRU", "4RET", "4VAL",
    "4ENV", "4REA", "4FAL", "4QUI", "4NOQ", "CAM012E", "CAM11O", "CAM27B", "CAR010C",
    "CAR14E", "CAR21B", "4AR011E", "4AR13O", "4AR22C", "CVM01", "CVM114", "CVM27", "CA0V10",
    "CA1V1", "CA2V3", "PIES3", "PIES0", "IJM02", "IJM10", "IJM21", "POSC2", "JUG00", "JUG11",
    "JUG22", "BTON01-1-0-01-", "DARH0", "DARH1", "DARH15", "DARH255", "DARM7", "DARM30",
    "DARM26", "JUGC012E", "JUGI13O", "JUGM210C", "JUGD01B",
};

// Codes whose argument is free text: they run to the end of a read.
const std::vector<std::string> kTextos{
    "MENShola che", "MENS", "CONFEmpieza Ana\n\xBF" "Con flor? SI", "NICKAna3", "DICE2Truco",
    "DICE228", "CARA2Ana:",
};

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

TEST(Troceador, EveryShapeIsCoveredAndWellFormed)
{
    for (const std::string& m : kFijos) {
        const Partes p = separar(m);
        EXPECT_TRUE(argumentoValido(p.codigo, p.argumento)) << m;
    }
    for (const std::string& m : kTextos)
        EXPECT_TRUE(esCodigo(separar(m).codigo)) << m;
}

TEST(Troceador, EveryCodeGluedBeforeAndAfterOKOK)
{
    for (const auto* lista : {&kFijos, &kTextos}) {
        for (const std::string& m : *lista) {
            auto a = trocear({"OKOK" + m});
            EXPECT_EQ(textos(a), (std::vector<std::string>{"OKOK", m})) << m;
            EXPECT_TRUE(todosBuenos(a)) << m;
            auto b = trocear({m + "OKOK"});
            EXPECT_EQ(textos(b), (std::vector<std::string>{m, "OKOK"})) << m;
            EXPECT_TRUE(todosBuenos(b)) << m;
        }
    }
}

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

TEST(Troceador, WaitingGivesUpWithWhatCame)
{
    auto r = trocear({"DARH1"});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].texto, "DARH1");
    EXPECT_EQ(r[0].clase, Clase::Mensaje);
    r = trocear({"CAM0"});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Malformado);
    r = trocear({"BTON0101"});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Malformado);
    r = trocear({"OK"});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Desconocido);
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

TEST(Troceador, BadPiecesRunToTheNextCode)
{
    auto r = trocear({"CAM0ZZOKOK"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].texto, "CAM0ZZ");
    EXPECT_EQ(r[0].clase, Clase::Malformado);
    EXPECT_EQ(r[1].texto, "OKOK");
    r = trocear({"BTON0120000000TRUC"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].clase, Clase::Malformado);
    EXPECT_EQ(r[1].texto, "TRUC");
    r = trocear({"JUG05", "IJM03"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].clase, Clase::Malformado);
    EXPECT_EQ(r[1].clase, Clase::Malformado);
    r = trocear({"HOLATRUC"});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].texto, "HOLA");
    EXPECT_EQ(r[0].clase, Clase::Desconocido);
    EXPECT_EQ(r[1].texto, "TRUC");
    r = trocear({"DARH256"});
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
    r = trocear({"MENS" + std::string(4092, 'a')});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Mensaje);
}

TEST(Troceador, OpeningNameWhileTheGreetingIsPending)
{
    auto r = trocear({"Ana3"}, true);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Nombre);
    EXPECT_EQ(r[0].texto, "Ana3");
    r = trocear({"xxxx0"}, true);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].clase, Clase::Nombre);
    // Name, then "NICK" or an acknowledgement glued to it.
    r = trocear({"Ana3NICKAna3OKOK"}, true);
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
