#pragma once
// Names and faces for the computers that take seats at a table: each a face
// nobody there wears, and a Spanish first name nobody there has (a woman's
// name under a face drawn as a woman).
#include <functional>
#include <string>
#include <vector>

struct Invitado {
    std::string nombre;  // UTF-8
    int cara = 0;
};

// The faces of odd number are drawn as women.
bool caraDeMujer(int cara);

// n computers for a table where the faces `carasTomadas` are worn and the
// names for which `nombreTomado` holds are taken. sorteo(k) draws a whole
// number in [0, k); each computer draws its face, then its name. When every
// face (or name) is taken they may repeat.
std::vector<Invitado> invitados(int n, const std::vector<int>& carasTomadas,
                                const std::function<bool(const std::string&)>& nombreTomado,
                                const std::function<int(int)>& sorteo);
