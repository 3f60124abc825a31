#include "shell/rules/Invitados.h"

#include "shell/rules/Caras.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 12> kHombres{"Carlos", "Jorge", "Pablo", "Diego", "Andrés", "Miguel",
                                               "Tomás", "Raúl", "Héctor", "Ramón", "Sergio", "Alberto"};
constexpr std::array<const char*, 12> kMujeres{"Marta", "Lucía", "Elena", "Rosa", "Carmen", "Julia",
                                               "Inés", "Sofía", "Pilar", "Beatriz", "Teresa", "Nora"};

}  // namespace

bool caraDeMujer(int cara) { return cara % 2 == 1; }

std::vector<Invitado> invitados(int n, const std::vector<int>& carasTomadas,
                                const std::function<bool(const std::string&)>& nombreTomado,
                                const std::function<int(int)>& sorteo)
{
    // Draws without repeating: each pick comes out of what is left.
    std::vector<int> caras;
    for (int c = 0; c < cantidadCaras; ++c)
        if (std::find(carasTomadas.begin(), carasTomadas.end(), c) == carasTomadas.end())
            caras.push_back(c);
    std::array<std::vector<std::string>, 2> nombres;  // men's, women's
    for (int k = 0; k < 2; ++k)
        for (const char* nombre : k == 0 ? kHombres : kMujeres)
            if (!nombreTomado || !nombreTomado(nombre))
                nombres[k].emplace_back(nombre);
    std::vector<Invitado> v;
    for (int i = 0; i < n; ++i) {
        if (caras.empty())
            for (int c = 0; c < cantidadCaras; ++c)
                caras.push_back(c);
        const auto c = caras.begin() + sorteo(static_cast<int>(caras.size()));
        Invitado pc;
        pc.cara = *c;
        caras.erase(c);
        std::vector<std::string>& lista = nombres[caraDeMujer(pc.cara) ? 1 : 0];
        if (lista.empty())
            for (const char* nombre : caraDeMujer(pc.cara) ? kMujeres : kHombres)
                lista.emplace_back(nombre);
        const auto nombre = lista.begin() + sorteo(static_cast<int>(lista.size()));
        pc.nombre = *nombre;
        lista.erase(nombre);
        v.push_back(std::move(pc));
    }
    return v;
}
