#include "motor/PanelRed.h"

namespace red {

bool puedeEnvido(const Vista& v)
{
    return v.jugadas == 0 && !v.envidoCantado && !v.envidoResuelto && !v.florCantada && !v.trucoQuerido;
}

std::string panel(const Vista& v)
{
    //                  T  Q  E  N  R  RT F  V4 Fl Mz
    bool on[10] = {false, false, false, false, false, false, false, false, false, false};
    const bool flor = v.tieneFlor && v.conFlor && !v.florCantada && v.jugadas == 0;
    switch (v.responde) {
    case Pedido::Truco:
        on[1] = on[3] = on[5] = on[9] = true;
        // The envido goes before the truco.
        on[2] = on[4] = on[6] = puedeEnvido(v);
        on[8] = flor;
        break;
    case Pedido::Retruco:
        on[1] = on[3] = on[7] = on[9] = true;
        break;
    case Pedido::Vale4:
        on[1] = on[3] = on[9] = true;
        break;
    case Pedido::Envido:
        on[1] = on[2] = on[3] = on[4] = on[6] = on[9] = true;
        on[8] = flor;  // a flor answers an envido
        break;
    case Pedido::EnvidoEnvido:
        on[1] = on[3] = on[4] = on[6] = on[9] = true;
        on[8] = flor;
        break;
    case Pedido::Real:
        on[1] = on[3] = on[6] = on[9] = true;
        on[8] = flor;
        break;
    case Pedido::Falta:
        on[1] = on[3] = on[9] = true;
        on[8] = flor;
        break;
    case Pedido::Nada:
        if (!v.turno)
            break;  // nothing to press while the other side acts
        on[0] = !v.trucoCantado;
        on[2] = on[4] = on[6] = puedeEnvido(v);
        on[8] = flor;
        on[9] = true;
        break;
    }
    std::string m(10, '0');
    for (int i = 0; i < 10; ++i)
        m[i] = on[i] ? '1' : '0';
    return m;
}

}  // namespace red
