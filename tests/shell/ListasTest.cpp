#include "shell/rules/Listas.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using listas::leerLista;

namespace {

std::string A = "http://a.example/1", B = "https://b.example/2", C = "http://c.example:8080/3";

std::vector<std::string> lista(std::string_view texto) { return leerLista(texto, listas::kBanners); }

std::vector<int> rotacion(const std::vector<std::string>& l, int vueltas)
{
    std::vector<int> out;
    int i = 0;
    for (int k = 0; k < vueltas; ++k) {
        out.push_back(i);
        i = listas::siguienteIndice(l, i);
    }
    return out;
}

}  // namespace

TEST(LeerLista, HeaderUpToTheMarkerThenEntriesSplitAtSemicolons)
{
    const auto l = lista("Lista de banners\r\nversion 3***" + A + ";" + B + ";" + C);
    ASSERT_EQ(l.size(), 51u);
    EXPECT_EQ(l[0], A);
    EXPECT_EQ(l[1], B);
    EXPECT_EQ(l[2], C);
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(rotacion(l, 7), (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
}

TEST(LeerLista, OnlyWebAddressesAreKept)
{
    const auto l = lista("***javascript:alert(1);" + A + ";file:///etc/passwd;data:text/html,x;HTTPS://MAYUS.example/;"
                         "http://;http:///x;ftp://f.example/;" + B + ";" + C + "\r\n");
    EXPECT_EQ(l[0], A);
    EXPECT_EQ(l[1], "HTTPS://MAYUS.example/");
    EXPECT_EQ(l[2], B);
    // A line break after the last entry makes it no address at all.
    EXPECT_EQ(l[3], "");
    EXPECT_FALSE(listas::direccionPermitida(" http://a.example/"));
    EXPECT_TRUE(listas::direccionPermitida("http://127.0.0.1:8080/p?q=1"));
}

TEST(LeerArchivoLista, ASecondReadingReplacesAndBigFilesAreRefused)
{
    QTemporaryDir dir;
    const std::filesystem::path f = dir.filePath("pnaipex.dat").toStdString();
    auto escribir = [&](const std::string& s) { std::ofstream(f, std::ios::binary) << s; };

    std::vector<std::string> l(51);
    escribir("***" + A + ";" + B);
    ASSERT_TRUE(listas::leerArchivoLista(f, listas::kBanners, l));
    EXPECT_EQ(l[1], B);

    // After a reconnection: the new list alone, not the old entries joined to it.
    escribir("***" + C);
    ASSERT_TRUE(listas::leerArchivoLista(f, listas::kBanners, l));
    EXPECT_EQ(l[0], C);
    EXPECT_EQ(l[1], "");

    // Over 64 KB: not read, the list stays.
    escribir("***" + A + ";" + std::string(listas::kTamanoMaximo, 'x'));
    EXPECT_FALSE(listas::leerArchivoLista(f, listas::kBanners, l));
    EXPECT_EQ(l[0], C);
    // Exactly 64 KB is still a list.
    std::string justo = "***" + A + ";";
    justo += std::string(listas::kTamanoMaximo - justo.size(), 'x');
    escribir(justo);
    EXPECT_TRUE(listas::leerArchivoLista(f, listas::kBanners, l));
    EXPECT_EQ(l[0], A);
}

TEST(Sponsor, UniformOverEveryNonEmptyEntry)
{
    std::vector<std::string> l(101);
    EXPECT_EQ(listas::elegirSponsor(l, 0.7), -1);

    l[0] = A;
    for (double r : {0.0, 0.999999})
        EXPECT_EQ(listas::elegirSponsor(l, r), 0);

    l[1] = B;
    l[2] = C;
    EXPECT_EQ(listas::elegirSponsor(l, 0.0), 0);
    EXPECT_EQ(listas::elegirSponsor(l, 0.34), 1);
    EXPECT_EQ(listas::elegirSponsor(l, 0.999999), 2);  // the last one is reachable
}
