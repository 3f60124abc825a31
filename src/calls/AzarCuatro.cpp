#include "calls/AzarCuatro.h"

namespace cuatro {

Movida JugadorAzarCuatro::elegir(const VistaCuatro& v)
{
    return v.legales[std::uniform_int_distribution<std::size_t>(0, v.legales.size() - 1)(gen_)];
}

}  // namespace cuatro
