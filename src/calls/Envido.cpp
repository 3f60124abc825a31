// Envido and flor: points, the machine's envido, comparisons and scoring.
#include "motor/Reglas.h"
#include "calls/AsientoMaquina.h"
#include "game/Form1.h"
#include "platform/Clock.h"

namespace {
QString txt(int n) { return QString::number(n); }
}  // namespace

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

// Equal points go to the mano.
bool AsientoMaquina::humanoGanaEnvido(int h, int m) const { return h > m || (h == m && !f_.MaquinaEsMano); }

// Scores an envido. valor 0 is a falta envido: what the loser lacks to 30.
void AsientoMaquina::pagarEnvido(bool ganaMaquina, int valor)
{
    if (valor == 0)
        valor = reglas::puntosFalta(f_.puntos(ganaMaquina ? QStringLiteral("H") : QStringLiteral("M")));
    f_.EnvidoResuelto = true;
    f_.DarPuntos(ganaMaquina ? QStringLiteral("M") : QStringLiteral("H"), valor);
}

// The loser of the comparison concedes with "Son Buenas": the machine waits
// for the human to press it.
void AsientoMaquina::esperarSonBuenas()
{
    const int mano = f_.manoNumero;
    for (auto* b : f_.bt)
        b->setEnabled(false);
    f_.Flor->setEnabled(false);
    f_.bt[3]->setText(QStringLiteral("Son Buenas"));
    f_.bt[3]->setAccessibleName(f_.bt[3]->text());
    do {
        f_.bt[3]->setEnabled(true);
        f_.Esperar();
    } while (mano == f_.manoNumero && !f_.ManoTerminada && !f_.cerrando_ && f_.BotonPulsado != 3);
    f_.bt[3]->setText(QStringLiteral("No Quiero"));
    f_.bt[3]->setAccessibleName(f_.bt[3]->text());
}

// The machine sang (or accepted a raise of its own envido): it shows its
// points first and the human concedes unless he has more.
void AsientoMaquina::compararCantoMaquina(int valor, bool diceQuiero)
{
    const int mano = f_.manoNumero;
    const int m = f_.TantosMaquina;
    f_.decir(f_.LC, diceQuiero ? QStringLiteral("Quiero, ") + txt(m) : txt(m));
    f_.Sonar(12, m, QString());
    const int h = f_.Ver_Tantos(QStringLiteral("H"));
    if (humanoGanaEnvido(h, m)) {
        f_.decir(f_.LH, QStringLiteral("Yo tengo... ") + txt(h));
        f_.Pausa(1.0);
        if (mano != f_.manoNumero)
            return;
        f_.decir(f_.LC, QStringLiteral("Son Buenas"));
        f_.Sonar(8, 0, QString());
        pagarEnvido(false, valor);
    } else {
        esperarSonBuenas();
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
        pagarEnvido(true, valor);
    }
}

// The human sang and the machine accepted.
void AsientoMaquina::compararCantoHumano(int valor)
{
    const int mano = f_.manoNumero;
    const int m = f_.TantosMaquina;
    const int h = f_.Ver_Tantos(QStringLiteral("H"));
    if (f_.MaquinaEsMano) {
        f_.decir(f_.LC, QStringLiteral("Quiero,") + txt(m));
        f_.Sonar(12, m, QString());
        if (h <= m) {
            esperarSonBuenas();
            if (mano != f_.manoNumero || f_.ManoTerminada)
                return;
            pagarEnvido(true, valor);
        } else {
            f_.Pausa(1.0);
            if (mano != f_.manoNumero)
                return;
            f_.decir(f_.LH, QStringLiteral("Yo tengo...") + txt(h));
            pagarEnvido(false, valor);
        }
        return;
    }
    f_.Pausa(1.0);
    if (mano != f_.manoNumero)
        return;
    f_.decir(f_.LH, QStringLiteral("Yo tengo...") + txt(h));
    if (h < m) {
        f_.decir(f_.LC, txt(m) + QStringLiteral(" Son mejores"));
        f_.Sonar(12, m, QString());
        pagarEnvido(true, valor);
    } else {
        f_.decir(f_.LC, QStringLiteral("Son Buenas"));
        f_.Sonar(8, 0, QString());
        pagarEnvido(false, valor);
    }
}

void AsientoMaquina::Cantar_Envido()
{
    f_.decir(f_.LC, QStringLiteral("Envido"));
    f_.Sonar(6, 0, QString());
    f_.TantoEnJuego = 2;
    f_.EnvidoCantado = true;
    for (auto* b : f_.bt)
        b->setEnabled(false);
    for (int i : {1, 2, 3, 4, 6})
        f_.bt[i]->setEnabled(true);
    f_.AlMazo->setEnabled(true);
    f_.HumanoRespondio = false;
}

// The machine sings envido and settles the human's answer. Unless it answers
// a truco first (antesDelTruco), it then plays its card. True when the hand
// has ended or moved on.
bool AsientoMaquina::envidoDeLaMaquina(bool juegaDespues)
{
    const int mano = f_.manoNumero;
    Cantar_Envido();
    f_.esperandoEnvido_ = true;
    f_.Esperar();
    f_.esperandoEnvido_ = false;
    if (mano != f_.manoNumero || f_.ManoTerminada)
        return true;
    const int h = f_.puntos(QStringLiteral("H"));
    const int T = f_.TantosMaquina;
    auto rechaza = [&] {
        f_.decir(f_.LC, QStringLiteral("No Quiero"));
        f_.Sonar(2, 0, QString());
        f_.EnvidoResuelto = true;
        f_.DarPuntos(QStringLiteral("H"), 2);
    };
    switch (f_.BotonPulsado) {
    case 1: compararCantoMaquina(2, false); break;
    case 3:
        f_.EnvidoResuelto = true;
        f_.DarPuntos(QStringLiteral("M"), 1);
        break;
    case 2:
        if (reglas::aceptaEnvidoEnvido(T, f_.MaquinaEsMano, h))
            compararCantoMaquina(4, true);
        else
            rechaza();
        break;
    case 4:
        if (reglas::aceptaRealEnvido(T, f_.MaquinaEsMano, h))
            compararCantoMaquina(5, true);
        else
            rechaza();
        break;
    case 6: {
        const bool acepta = f_.MaquinaEsMano
            ? reglas::reglaFalta(T, f_.puntos(QStringLiteral("M")), h, f_.services().clock.currentSecond())
            : reglas::reglaFaltaPie(T, h);
        if (acepta)
            compararCantoMaquina(0, true);
        else
            rechaza();
        break;
    }
    default: break;  // a flor answered it, or the human went to the deck
    }
    if (mano != f_.manoNumero || f_.ManoTerminada || f_.PartidoTerminado)
        return true;
    if (!juegaDespues)
        return false;
    // After the envido the machine plays its card.
    if (f_.JugadasHumano == 0) {
        jugar_menor(0);
        f_.turnoDelHumano();
    } else {
        if (!f_.FlorCantada && PromValor() > 5 && !f_.TrucoCantado && Cantar_Truco(4, 0))
            return true;
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return true;
        jugar_menor(0);
        despuesDeJugar();
    }
    return true;
}

// Envido, real envido or falta envido sung by the human.
void AsientoMaquina::envidoDelHumano(int Index)
{
    const int mano = f_.manoNumero;
    // One envido per hand: none of the three may stay enabled.
    for (int i : {2, 4, 6, 0})
        f_.bt[i]->setEnabled(false);
    f_.Flor->setEnabled(false);
    if (f_.EnvidoCantado)
        return;
    f_.EnvidoCantado = true;
    if (f_.FlorMaquina && f_.ConFlor) {
        CantarFlor(true);
    } else {
        const int h = f_.puntos(QStringLiteral("H"));
        const bool acepta = Index == 6
            ? reglas::reglaFalta(f_.TantosMaquina, f_.puntos(QStringLiteral("M")), h, f_.services().clock.currentSecond())
            : reglas::aceptaEnvido(f_.TantosMaquina, h);
        if (acepta) {
            quiero(QStringLiteral("Quiero"));
            compararCantoHumano(Index == 2 ? 2 : Index == 4 ? 3 : 0);
        } else {
            f_.decir(f_.LC, QStringLiteral("No Quiero"));
            f_.Sonar(2, 0, QString());
            f_.EnvidoResuelto = true;
            f_.DarPuntos(QStringLiteral("H"), 1);
        }
    }
    if (mano != f_.manoNumero || f_.ManoTerminada || f_.PartidoTerminado)
        return;
    if (!f_.TrucoCantado && !f_.TurnoMaquina)
        f_.bt[0]->setEnabled(true);
    if (!f_.TurnoMaquina)
        f_.AlMazo->setEnabled(true);
}
