#include "net/rules/Cp1252.h"
#include "net/rules/Protocolo.h"
#include "net/rules/Puertos.h"

#include <gtest/gtest.h>
#include <set>

using namespace protocolo;

TEST(Protocolo, CardCodesAreExactlyTheFortyCards)
{
    std::set<std::string> validas;
    for (const char* n : {"1", "2", "3", "4", "5", "6", "7", "10", "11", "12"}) {
        for (char palo : {'O', 'C', 'E', 'B'})
            validas.insert(std::string(n) + palo);
    }
    int aceptadas = 0;
    const std::string alfabeto = "0123456789OCEBXo";
    for (char a : alfabeto) {
        for (char b : alfabeto) {
            const std::string dos{a, b};
            aceptadas += esCarta(dos);
            EXPECT_EQ(esCarta(dos), validas.count(dos) == 1) << dos;
            for (char c : alfabeto) {
                const std::string tres{a, b, c};
                aceptadas += esCarta(tres);
                EXPECT_EQ(esCarta(tres), validas.count(tres) == 1) << tres;
            }
        }
    }
    EXPECT_EQ(aceptadas, 40);
    EXPECT_FALSE(esCarta(""));
    EXPECT_FALSE(esCarta("112E"));
}

TEST(Protocolo, NumbersHaveTheirRangesAndNoLeadingZeros)
{
    for (int v = 0; v <= 300; ++v) {
        const std::string s = std::to_string(v);
        EXPECT_EQ(esValorTruco(s), v >= 1 && v <= 14) << s;
        EXPECT_EQ(esPuntos(s), v <= 255) << s;
    }
    for (const char* malo : {"", "01", "+3", " 3", "0255"}) {
        EXPECT_FALSE(esValorTruco(malo)) << malo;
        EXPECT_FALSE(esPuntos(malo)) << malo;
    }
}

TEST(Protocolo, NamesAndLinesAreCutToWhatTheWireCarries)
{
    const std::string largo(300, 'x');
    EXPECT_EQ(mens(largo), "MENS" + std::string(kLargoTexto, 'x'));
    EXPECT_EQ(nick(largo, 3), "NICK" + std::string(kLargoNombre, 'x') + "3");
    EXPECT_EQ(saludo(largo, 3), std::string(kLargoNombre, 'x') + "3");
    EXPECT_EQ(cara(2, largo, 3), "CARA2" + std::string(kLargoNombre, 'x') + "3");
    EXPECT_EQ(confCuatro(largo), "CONFREPARTIO: " + std::string(kLargoNombre, 'x'));
    EXPECT_EQ(dice(1, largo), "DICE1" + std::string(kLargoTexto, 'x'));
    // Characters, not bytes: each is one byte on the wire.
    std::string enies;
    for (int i = 0; i < 30; ++i)
        enies += "\xC3\xB1";
    EXPECT_EQ(recortar(enies, kLargoNombre).size(), 2 * kLargoNombre);
    EXPECT_EQ(recortar("Mu\xC3\xB1oz", 3), "Mu\xC3\xB1");
    EXPECT_EQ(recortar("Ana", 24), "Ana");
    // What is sent is what the receiver accepts.
    EXPECT_TRUE(argumentoValido("MENS", separar(mens(largo)).argumento));
    EXPECT_TRUE(argumentoValido("NICK", separar(nick(largo, 3)).argumento));
    EXPECT_TRUE(argumentoValido("CARA", separar(cara(2, largo, 3)).argumento));
    EXPECT_TRUE(saludo(largo, 3).size() < kLimiteNombre);
}

TEST(Protocolo, FacesTravelAsOneCharacter)
{
    for (int n = 0; n <= 14; ++n) {
        EXPECT_EQ(digitoCara(n), static_cast<char>('0' + n));
        EXPECT_EQ(caraDeDigito(digitoCara(n)), n);
    }
    EXPECT_EQ(digitoCara(15), '0');
    EXPECT_EQ(digitoCara(-1), '0');
}

TEST(Protocolo, AcknowledgementRule)
{
    EXPECT_FALSE(seAcusa("OKOK"));
    for (const char* c : {"TRUC", "MENS", "ZZZZ"})
        EXPECT_TRUE(seAcusa(c)) << c;
    for (const char* c : {"OKOK", "MENS", "NICK", "DICE", "Ana3"})
        EXPECT_TRUE(seEnviaDirecto(c)) << c;
    for (const char* c : {"TRUC", "CONF", "CARA"})
        EXPECT_FALSE(seEnviaDirecto(c)) << c;
    // The four-player host answers the clients' calls and cards only.
    std::set<std::string> anfitrion;
    for (const char* c : {"4QUI", "4FAL", "4REA", "4ENV", "4NOQ", "4VAL", "4RET", "4TRU", "JUGC", "NICK", "MENS",
                          "OKOK", "QUIE", "TRUC", "JUGI", "Ana3"}) {
        if (anfitrionAcusa(c))
            anfitrion.insert(c);
    }
    EXPECT_EQ(anfitrion,
              (std::set<std::string>{"4QUI", "4FAL", "4REA", "4ENV", "4NOQ", "4VAL", "4RET", "4TRU", "JUGC"}));
}

TEST(Cp1252, FullTableAndUnknownCharacters)
{
    EXPECT_EQ(cp1252::codificar(U"€"), "\x80");
    EXPECT_EQ(cp1252::codificar(U"漢😀Ā"), "???");
    EXPECT_EQ(cp1252::codificar(U"\u00A0"), "\xA0");
    // Every byte decodes to one character and back to the same byte.
    std::string todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    const std::u32string u = cp1252::decodificar(todos);
    ASSERT_EQ(u.size(), 256u);
    EXPECT_EQ(cp1252::codificar(u), todos);
    EXPECT_EQ(u[0x80], U'€');
    EXPECT_EQ(u[0x99], U'™');
}

TEST(Puertos, DestinationsWithAndWithoutPort)
{
    const struct {
        const char *escrito, *host;
        int puerto;
    } casos[] = {{"192.168.0.5", "192.168.0.5", 0}, {" casa:11001 ", "casa", 11001}, {"[::1]:2000", "::1", 2000},
                 {"[fe80::1]", "fe80::1", 0}};
    for (const auto& c : casos) {
        const auto d = puertos::leerDestino(c.escrito);
        EXPECT_TRUE(d.valido && d.host == c.host && d.puerto == c.puerto) << c.escrito;
    }
    for (const char* malo : {"", "casa:0", "casa:65536", "[::1]x", "[]:5"})
        EXPECT_FALSE(puertos::leerDestino(malo).valido) << malo;
}

TEST(Puertos, PortOption)
{
    EXPECT_EQ(puertos::puertoDeArgumentos({"Truco"}), 0);
    EXPECT_EQ(puertos::puertoDeArgumentos({"Truco", "--puerto", "2001"}), 2001);
    EXPECT_EQ(puertos::puertoDeArgumentos({"Truco", "--puerto=3001"}), 3001);
    EXPECT_EQ(puertos::puertoDeArgumentos({"Truco", "--puerto"}), 0);
    EXPECT_EQ(puertos::puertoDeArgumentos({"Truco", "--puerto=99999"}), 0);
}
