#include "shell/rules/Listas.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace listas {

namespace {

bool empiezaSinMayusculas(std::string_view s, std::string_view prefijo)
{
    if (s.size() < prefijo.size())
        return false;
    for (std::size_t i = 0; i < prefijo.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefijo[i])
            return false;
    }
    return true;
}

}  // namespace

bool direccionPermitida(std::string_view e)
{
    std::size_t resto;
    if (empiezaSinMayusculas(e, "http://"))
        resto = 7;
    else if (empiezaSinMayusculas(e, "https://"))
        resto = 8;
    else
        return false;
    if (e.size() == resto || e[resto] == '/')
        return false;  // no host
    return std::none_of(e.begin(), e.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7f;
    });
}

std::vector<std::string> leerLista(std::string_view texto, int entradas)
{
    std::vector<std::string> crudas(static_cast<std::size_t>(entradas));
    // The header runs up to and including the marker; without one, the first
    // two characters go.
    const std::size_t marca = texto.find("***");
    const std::size_t desde = marca == std::string_view::npos ? 2 : marca + 3;
    if (desde < texto.size()) {
        std::size_t k = 0;
        for (char c : texto.substr(desde)) {
            if (c == ';')
                ++k;
            else if (k < crudas.size())
                crudas[k].push_back(c);
        }
    }

    // Entries that are not web addresses are skipped; an empty one stays,
    // since it ends the rotation.
    std::vector<std::string> lista;
    lista.reserve(crudas.size());
    for (std::string& e : crudas) {
        if (e.empty() || direccionPermitida(e))
            lista.push_back(std::move(e));
    }
    lista.resize(crudas.size());
    return lista;
}

bool leerArchivoLista(const std::filesystem::path& archivo, int entradas, std::vector<std::string>& lista)
{
    std::error_code ec;
    const auto tam = std::filesystem::file_size(archivo, ec);
    if (ec || tam > kTamanoMaximo)
        return false;
    std::ifstream in(archivo, std::ios::binary);
    if (!in)
        return false;
    std::string texto((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || texto.size() > kTamanoMaximo)
        return false;
    lista = leerLista(texto, entradas);
    return true;
}

int siguienteIndice(const std::vector<std::string>& lista, int indice)
{
    const int n = indice + 1;
    if (n < 0 || n >= static_cast<int>(lista.size()) || lista[static_cast<std::size_t>(n)].empty())
        return 0;
    return n;
}

int contarSponsors(const std::vector<std::string>& lista)
{
    const std::size_t hasta = std::min<std::size_t>(lista.size(), 100);
    return static_cast<int>(std::count_if(lista.begin(), lista.begin() + static_cast<std::ptrdiff_t>(hasta),
                                          [](const std::string& e) { return !e.empty(); }));
}

int indiceSponsor(int n, double r)
{
    if (n <= 0)
        return -1;
    const int i = static_cast<int>(n * r);
    return std::clamp(i, 0, n - 1);
}

int elegirSponsor(const std::vector<std::string>& lista, double r)
{
    int k = indiceSponsor(contarSponsors(lista), r);
    if (k < 0)
        return -1;
    for (std::size_t i = 0; i < lista.size() && i < 100; ++i) {
        if (lista[i].empty())
            continue;
        if (k-- == 0)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace listas
