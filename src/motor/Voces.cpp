#include "motor/Voces.h"

namespace motor {

const char* raizDeSonido(int codigo)
{
    static const char* const kSonidos[16] = {"quiero", "bleeb", "noquiero", "truco", "retruco", "vale4",
                                             "envido", "real", "buenas", "olor", "flor", "cflor",
                                             "T", "Atrevido", "Falta", "Cosmicl"};
    return codigo >= 0 && codigo < 16 ? kSonidos[codigo] : nullptr;
}

}  // namespace motor
