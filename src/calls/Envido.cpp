// Envido and flor: points, the machine's envido, comparisons and scoring.
#include "calls/rules/Reglas.h"
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

// Equal points go to the mano.
bool Form1::humanoGanaEnvido(int h, int m) const { return h > m || (h == m && !MaquinaEsMano); }

// Scores an envido. valor 0 is a falta envido: what the loser lacks to 30.
void Form1::pagarEnvido(bool ganaMaquina, int valor)
{
    if (valor == 0)
        valor = reglas::puntosFalta(puntos(ganaMaquina ? QStringLiteral("H") : QStringLiteral("M")));
    EnvidoResuelto = true;
    DarPuntos(ganaMaquina ? QStringLiteral("M") : QStringLiteral("H"), valor);
}

// The loser of the comparison concedes with "Son Buenas": the machine waits
// for the human to press it.
void Form1::esperarSonBuenas()
{
    const int mano = manoNumero;
    for (auto* b : bt)
        b->setEnabled(false);
    Flor->setEnabled(false);
    bt[3]->setText(QStringLiteral("Son Buenas"));
    bt[3]->setAccessibleName(bt[3]->text());
    do {
        bt[3]->setEnabled(true);
        Esperar();
    } while (mano == manoNumero && !ManoTerminada && !cerrando_ && BotonPulsado != 3);
    bt[3]->setText(QStringLiteral("No Quiero"));
    bt[3]->setAccessibleName(bt[3]->text());
}

// The machine sang (or accepted a raise of its own envido): it shows its
// points first and the human concedes unless he has more.
void Form1::compararCantoMaquina(int valor, bool diceQuiero)
{
    const int mano = manoNumero;
    const int m = TantosMaquina;
    decir(LC, diceQuiero ? QStringLiteral("Quiero, ") + txt(m) : txt(m));
    Sonar(12, m, QString());
    const int h = Ver_Tantos(QStringLiteral("H"));
    if (humanoGanaEnvido(h, m)) {
        decir(LH, QStringLiteral("Yo tengo... ") + txt(h));
        Pausa(1.0);
        if (mano != manoNumero)
            return;
        decir(LC, QStringLiteral("Son Buenas"));
        Sonar(8, 0, QString());
        pagarEnvido(false, valor);
    } else {
        esperarSonBuenas();
        if (mano != manoNumero || ManoTerminada)
            return;
        pagarEnvido(true, valor);
    }
}

// The human sang and the machine accepted.
void Form1::compararCantoHumano(int valor)
{
    const int mano = manoNumero;
    const int m = TantosMaquina;
    const int h = Ver_Tantos(QStringLiteral("H"));
    if (MaquinaEsMano) {
        decir(LC, QStringLiteral("Quiero,") + txt(m));
        Sonar(12, m, QString());
        if (h <= m) {
            esperarSonBuenas();
            if (mano != manoNumero || ManoTerminada)
                return;
            pagarEnvido(true, valor);
        } else {
            Pausa(1.0);
            if (mano != manoNumero)
                return;
            decir(LH, QStringLiteral("Yo tengo...") + txt(h));
            pagarEnvido(false, valor);
        }
        return;
    }
    Pausa(1.0);
    if (mano != manoNumero)
        return;
    decir(LH, QStringLiteral("Yo tengo...") + txt(h));
    if (h < m) {
        decir(LC, txt(m) + QStringLiteral(" Son mejores"));
        Sonar(12, m, QString());
        pagarEnvido(true, valor);
    } else {
        decir(LC, QStringLiteral("Son Buenas"));
        Sonar(8, 0, QString());
        pagarEnvido(false, valor);
    }
}

void Form1::Cantar_Envido()
{
    decir(LC, QStringLiteral("Envido"));
    Sonar(6, 0, QString());
    TantoEnJuego = 2;
    EnvidoCantado = true;
    for (auto* b : bt)
        b->setEnabled(false);
    for (int i : {1, 2, 3, 4, 6})
        bt[i]->setEnabled(true);
    AlMazo->setEnabled(true);
    HumanoRespondio = false;
}

// The machine sings envido and settles the human's answer. Unless it answers
// a truco first (antesDelTruco), it then plays its card. True when the hand
// has ended or moved on.
bool Form1::envidoDeLaMaquina(bool juegaDespues)
{
    const int mano = manoNumero;
    Cantar_Envido();
    esperandoEnvido_ = true;
    Esperar();
    esperandoEnvido_ = false;
    if (mano != manoNumero || ManoTerminada)
        return true;
    const int h = puntos(QStringLiteral("H"));
    const int T = TantosMaquina;
    auto rechaza = [&] {
        decir(LC, QStringLiteral("No Quiero"));
        Sonar(2, 0, QString());
        EnvidoResuelto = true;
        DarPuntos(QStringLiteral("H"), 2);
    };
    switch (BotonPulsado) {
    case 1: compararCantoMaquina(2, false); break;
    case 3:
        EnvidoResuelto = true;
        DarPuntos(QStringLiteral("M"), 1);
        break;
    case 2:
        if (reglas::aceptaEnvidoEnvido(T, MaquinaEsMano, h))
            compararCantoMaquina(4, true);
        else
            rechaza();
        break;
    case 4:
        if (reglas::aceptaRealEnvido(T, MaquinaEsMano, h))
            compararCantoMaquina(5, true);
        else
            rechaza();
        break;
    case 6: {
        const bool acepta = MaquinaEsMano
            ? reglas::reglaFalta(T, puntos(QStringLiteral("M")), h, s_.clock.currentSecond())
            : reglas::reglaFaltaPie(T, h);
        if (acepta)
            compararCantoMaquina(0, true);
        else
            rechaza();
        break;
    }
    default: break;  // a flor answered it, or the human went to the deck
    }
    if (mano != manoNumero || ManoTerminada || PartidoTerminado)
        return true;
    if (!juegaDespues)
        return false;
    // After the envido the machine plays its card.
    if (JugadasHumano == 0) {
        jugar_menor(0);
        turnoDelHumano();
    } else {
        if (!FlorCantada && PromValor() > 5 && !TrucoCantado && Cantar_Truco(4, 0))
            return true;
        if (mano != manoNumero || ManoTerminada)
            return true;
        jugar_menor(0);
        despuesDeJugar();
    }
    return true;
}

// Envido, real envido or falta envido sung by the human.
void Form1::envidoDelHumano(int Index)
{
    const int mano = manoNumero;
    // One envido per hand: none of the three may stay enabled.
    for (int i : {2, 4, 6, 0})
        bt[i]->setEnabled(false);
    Flor->setEnabled(false);
    if (EnvidoCantado)
        return;
    EnvidoCantado = true;
    if (FlorMaquina && ConFlor) {
        CantarFlor(true);
    } else {
        const int h = puntos(QStringLiteral("H"));
        const bool acepta = Index == 6
            ? reglas::reglaFalta(TantosMaquina, puntos(QStringLiteral("M")), h, s_.clock.currentSecond())
            : reglas::aceptaEnvido(TantosMaquina, h);
        if (acepta) {
            quiero(QStringLiteral("Quiero"));
            compararCantoHumano(Index == 2 ? 2 : Index == 4 ? 3 : 0);
        } else {
            decir(LC, QStringLiteral("No Quiero"));
            Sonar(2, 0, QString());
            EnvidoResuelto = true;
            DarPuntos(QStringLiteral("H"), 1);
        }
    }
    if (mano != manoNumero || ManoTerminada || PartidoTerminado)
        return;
    if (!TrucoCantado && !TurnoMaquina)
        bt[0]->setEnabled(true);
    if (!TurnoMaquina)
        AlMazo->setEnabled(true);
}

void Form1::ComparandoFlor()
{
    ContraflorCantada = false;
    const bool ganaHumano = PuntosFlorHumano > PuntosFlorMaquina || (PuntosFlorHumano == PuntosFlorMaquina && !MaquinaEsMano);
    const QString lado = ganaHumano ? QStringLiteral("H") : QStringLiteral("M");
    DarPuntos(lado, 6);
    asiento().puntosDados(lado, 6);
}
