// Envido and flor points of the hands on the table, and the contraflor's six.
#include "motor/Reglas.h"
#include "game/Form1.h"
#include "platform/Clock.h"

int Form1::Ver_Tantos(const QString& Quien)
{
    const bool maquina = Quien == QLatin1String("M");
    const auto& mano = maquina ? CM : CH;
    const auto t = reglas::verTantos({mano[0].Caption.toStdString(), mano[1].Caption.toStdString(), mano[2].Caption.toStdString()});
    if (maquina) {
        FlorMaquina = t.flor;
        if (t.flor)
            PuntosFlorMaquina = t.puntosFlor;
    } else {
        FlorHumano = t.flor;
        if (t.flor)
            PuntosFlorHumano = t.puntosFlor;
    }
    return t.envido;
}

void Form1::ComparandoFlor()
{
    ContraflorCantada = false;
    const bool ganaHumano = PuntosFlorHumano > PuntosFlorMaquina || (PuntosFlorHumano == PuntosFlorMaquina && !MaquinaEsMano);
    DarPuntos(ganaHumano ? QStringLiteral("H") : QStringLiteral("M"), 6);
}
