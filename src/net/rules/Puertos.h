#pragma once
#include <string>
#include <string_view>
#include <vector>

// Where the game listens and connects. Ports below 1024 need privileges on
// this platform, so an ordinary user listens on the alternative port.
namespace puertos {

constexpr int kPrincipal = 1001;
constexpr int kAlternativo = 11001;

struct Destino {
    std::string host;
    int puerto = 0;  // 0: none given
    bool valido = true;
};

// "host", "host:port", "[v6]:port", "[v6]" or a bare IPv6 address.
Destino leerDestino(std::string_view texto);

// A port from text: 1..65535, or 0 when the text is not one.
int leerPuerto(std::string_view texto);

// "--puerto N" or "--puerto=N" among the program's arguments; 0 if absent.
int puertoDeArgumentos(const std::vector<std::string>& argumentos);

}  // namespace puertos
