#include "net/rules/Puertos.h"

namespace puertos {

namespace {

std::string_view recortar(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

int leerPuerto(std::string_view texto)
{
    texto = recortar(texto);
    if (texto.empty() || texto.size() > 5)
        return 0;
    int n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 65535 ? n : 0;
}

Destino leerDestino(std::string_view texto)
{
    texto = recortar(texto);
    Destino d;
    if (texto.empty()) {
        d.valido = false;
        return d;
    }
    if (texto.front() == '[') {
        const std::size_t cierre = texto.find(']');
        if (cierre == std::string_view::npos || cierre == 1) {
            d.valido = false;
            return d;
        }
        d.host = std::string(texto.substr(1, cierre - 1));
        const std::string_view resto = texto.substr(cierre + 1);
        if (resto.empty())
            return d;
        if (resto.front() != ':' || (d.puerto = leerPuerto(resto.substr(1))) == 0)
            d.valido = false;
        return d;
    }
    const std::size_t dos = texto.find(':');
    if (dos == std::string_view::npos || texto.find(':', dos + 1) != std::string_view::npos) {
        d.host = std::string(texto);  // a name, IPv4, or a bare IPv6 address
        return d;
    }
    d.host = std::string(recortar(texto.substr(0, dos)));
    d.puerto = leerPuerto(texto.substr(dos + 1));
    d.valido = !d.host.empty() && d.puerto != 0;
    return d;
}

int puertoDeArgumentos(const std::vector<std::string>& argumentos)
{
    const std::string opcion = "--puerto";
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == opcion && i + 1 < argumentos.size())
            return leerPuerto(argumentos[i + 1]);
        if (a.rfind(opcion + "=", 0) == 0)
            return leerPuerto(std::string_view(a).substr(opcion.size() + 1));
    }
    return 0;
}

}  // namespace puertos
