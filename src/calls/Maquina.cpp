// The machine opponent: which card it plays and when it sings the truco ladder.
#include "motor/Reglas.h"
#include "calls/AsientoMaquina.h"
#include "game/Form1.h"
#include "motor/Cartas.h"
#include "platform/Clock.h"

namespace {
int entero(const QString& s) { return s.trimmed().toInt(); }
}  // namespace

// First card in hand (index order) with the lowest or highest value.
int AsientoMaquina::cartaExtrema(bool mayor) const
{
    int k = -1;
    for (int i = 0; i < 3; ++i) {
        if (!f_.CM[i].Visible)
            continue;
        const int v = entero(f_.CM[i].Tag);
        if (k < 0 || (mayor ? v > entero(f_.CM[k].Tag) : v < entero(f_.CM[k].Tag)))
            k = i;
    }
    return k;
}

void AsientoMaquina::jugarCarta(int k)
{
    const int t = f_.JugadasMaquina;
    if (k < 0 || t > 2)
        return;
    f_.mostrarCarta(f_.IJM[t], f_.JM[t], f_.CM[k], f_.ICM[k]->picture());
    f_.CM[k].Visible = false;
    f_.ICM[k]->hide();
    ++f_.JugadasMaquina;
}

// True when the machine is really due to play; otherwise the turn goes back.
bool AsientoMaquina::maquinaDebeJugar()
{
    if (f_.ManoTerminada || !f_.PuedeCantar)
        return false;
    if (f_.JugadasMaquina > f_.JugadasHumano) {
        f_.TurnoMaquina = false;
        f_.ofrecerTurno(false);
        return false;
    }
    return f_.JugadasMaquina < 3;
}

void AsientoMaquina::jugar_menor(int)
{
    if (maquinaDebeJugar())
        jugarCarta(cartaExtrema(false));
}

void AsientoMaquina::Jugar_mayor()
{
    if (maquinaDebeJugar())
        jugarCarta(cartaExtrema(true));
}

int AsientoMaquina::PromValor() const
{
    int v[3], n = 0;
    for (const Portador& c : f_.CM)
        if (c.Visible)
            v[n++] = entero(c.Tag);
    return reglas::promValor(v, n);
}

// The machine played its card: decide the trick if it was the second card.
void AsientoMaquina::despuesDeJugar()
{
    if (f_.JugadasMaquina == f_.JugadasHumano)
        f_.cerrarBaza();
    else
        f_.turnoDelHumano();
}

reglas::Mesa AsientoMaquina::mesa() const
{
    reglas::Mesa m;
    m.jugadasMaquina = f_.JugadasMaquina;
    m.jugadasHumano = f_.JugadasHumano;
    m.bazas = f_.Bazas;
    for (int t = 0; t < 3; ++t) {
        m.jm[t] = entero(f_.JM[t]->Tag);
        m.jh[t] = entero(f_.JH[t]->Tag);
    }
    m.promValor = PromValor();
    m.puntosHumano = f_.puntos(QStringLiteral("H"));
    return m;
}

void AsientoMaquina::Primera_carta()
{
    if (f_.ManoTerminada)
        return;
    const int mano = f_.manoNumero;
    bool florCantada = false;
    if (f_.ConFlor && f_.FlorMaquina && !f_.FlorCantada) {
        CantarFlor(false);
        florCantada = true;
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
    }
    if (f_.JugadasHumano == 0) {
        // The machine is mano and leads.
        f_.Pausa(0.5);
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
        if (!florCantada && !f_.EnvidoCantado && f_.TantosMaquina >= 20) {
            f_.services().clock.reseed();
            const int sorteo = static_cast<int>(2 * f_.services().clock.uniform());
            if (reglas::cantaEnvidoMano(f_.TantosMaquina, f_.EnvidoCantado, sorteo)) {
                if (envidoDeLaMaquina())
                    return;
            } else {
                // Holds its envido back and leads.
                jugar_menor(0);
                f_.TurnoMaquina = false;
                // The human may still go to the deck, as on every turn of his.
                f_.Botones(QStringLiteral("1010101--1"));
                f_.ofrecerTurno(false);
                return;
            }
        }
        jugar_menor(0);
        f_.turnoDelHumano();
        return;
    }
    // The human led: the machine is pie.
    if (!florCantada && reglas::cantaEnvidoPie(f_.TantosMaquina, f_.EnvidoCantado)) {
        if (envidoDeLaMaquina())
            return;
    }
    if (!f_.FlorCantada && PromValor() > 5 && !f_.TrucoCantado) {
        if (Cantar_Truco(4, 0))
            return;
    }
    if (mano != f_.manoNumero || f_.ManoTerminada)
        return;
    jugar_menor(0);
    despuesDeJugar();
}

void AsientoMaquina::Segunda_carta()
{
    if (f_.ManoTerminada)
        return;
    const int mano = f_.manoNumero;
    if (f_.JugadasHumano > f_.JugadasMaquina) {
        // Beat the human's card with the weakest card that does it.
        const int h = entero(f_.JH[f_.JugadasMaquina]->Tag);
        int k = -1, cota = 15;
        for (int i = 0; i < 3; ++i) {
            const int v = entero(f_.CM[i].Tag);
            if (f_.CM[i].Visible && v > h && v < cota) {
                cota = v;
                k = i;
            }
        }
        if (k < 0) {
            jugar_menor(0);
            despuesDeJugar();
            return;
        }
        if (!f_.TrucoCantado) {
            if (Cantar_Truco(k, 0))
                return;
        } else if (!f_.TrucoPorMaquina && !f_.RetrucoCantado) {
            if (retrucoDeLaMaquina())
                return;
        }
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
        jugarCarta(k);
        despuesDeJugar();
        return;
    }
    if (f_.Bazas[0] == reglas::Parda) {
        // The second trick decides the hand: sing and lead the best card.
        if (Cantar_Truco(cartaExtrema(true), 0))
            return;
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
        Jugar_mayor();
    } else {
        jugar_menor(0);
    }
    f_.turnoDelHumano();
}

void AsientoMaquina::Tercera_carta()
{
    if (f_.ManoTerminada)
        return;
    const int mano = f_.manoNumero;
    const int k = cartaExtrema(false);
    if (k < 0)
        return;
    if (f_.JugadasHumano < 3) {
        jugarCarta(k);
        f_.turnoDelHumano();
        return;
    }
    if (reglas::cantaEnTercera(entero(f_.JH[2]->Tag), entero(f_.CM[k].Tag))) {
        if (!f_.TrucoCantado) {
            Cantar_Truco(4, 1);
            f_.Esperar();
            if (mano != f_.manoNumero || f_.ManoTerminada || respuestaAlTruco())
                return;
        } else if (!f_.TrucoPorMaquina && !f_.RetrucoCantado) {
            if (retrucoDeLaMaquina())
                return;
        } else if (f_.TrucoPorMaquina && f_.RetrucoCantado && !f_.Vale4Cantado) {
            f_.decir(f_.LC, QStringLiteral("Quiero vale 4"));
            f_.Sonar(5, 0, QString());
            f_.Vale4Cantado = true;
            for (auto* b : f_.bt)
                b->setEnabled(false);
            f_.bt[1]->setEnabled(true);
            f_.bt[3]->setEnabled(true);
            f_.AlMazo->setEnabled(true);
            f_.Esperar();
            if (mano != f_.manoNumero || f_.ManoTerminada)
                return;
            if (f_.BotonPulsado == 3) {
                f_.DarPuntos(QStringLiteral("M"), 3);
                f_.GanaMaquina(true);
                return;
            }
            f_.Vale4Querido = true;
        }
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
    }
    jugarCarta(k);
    despuesDeJugar();
}

bool AsientoMaquina::Cantar_Truco(int a, int b)
{
    if (f_.TrucoCantado)
        return false;
    f_.decir(f_.LC, QStringLiteral("Truco"));
    f_.Sonar(3, 0, QString());
    f_.TantoEnJuego = 2;
    f_.TrucoCantado = f_.TrucoPorMaquina = true;
    for (auto* x : f_.bt)
        x->setEnabled(false);
    for (int i : {1, 3, 5})
        f_.bt[i]->setEnabled(true);
    f_.AlMazo->setEnabled(true);
    if (b != 0)
        return false;  // the caller waits and reads the answer
    const int mano = f_.manoNumero;
    f_.Esperar();
    if (mano != f_.manoNumero || f_.ManoTerminada || respuestaAlTruco())
        return true;
    if (a == 4)
        return false;  // the caller plays its card
    jugarCarta(a);
    despuesDeJugar();
    return true;
}

// The human's answer to the machine's truco. True when the hand has ended.
bool AsientoMaquina::respuestaAlTruco()
{
    switch (f_.BotonPulsado) {
    case 3:
        f_.DarPuntos(QStringLiteral("M"), 1);
        f_.GanaMaquina(true);
        return true;
    case 5:
        // A retruco answered to the machine's truco is always accepted.
        f_.TrucoQuerido = f_.RetrucoCantado = true;
        quiero(QStringLiteral("Quiero"));
        f_.RetrucoQuerido = true;
        return false;
    default:
        f_.TrucoQuerido = true;
        return f_.ManoTerminada;
    }
}

void AsientoMaquina::Cantar_retruco()
{
    f_.decir(f_.LC, QStringLiteral("Quiero retruco"));
    f_.Sonar(4, 0, QString());
    f_.TrucoQuerido = f_.RetrucoCantado = true;
    f_.TrucoPorMaquina = false;
    for (int i : {1, 3, 7})
        f_.bt[i]->setEnabled(true);
    f_.AlMazo->setEnabled(true);
    f_.Esperar();
}

// The machine raises the human's truco. True when the hand has ended.
bool AsientoMaquina::retrucoDeLaMaquina()
{
    const int mano = f_.manoNumero;
    Cantar_retruco();
    if (mano != f_.manoNumero || f_.ManoTerminada)
        return true;
    switch (f_.BotonPulsado) {
    case 3:
        f_.DarPuntos(QStringLiteral("M"), 2);
        f_.GanaMaquina(true);
        return true;
    case 7:
        // A vale cuatro answered to the machine's retruco is always accepted.
        f_.Vale4Cantado = true;
        quiero(QStringLiteral("Quiero"));
        f_.Vale4Querido = true;
        f_.RetrucoQuerido = true;
        return false;
    default:
        f_.RetrucoQuerido = true;
        return false;
    }
}

// ---- Answers to the human's truco ladder ----------------------------------------

void AsientoMaquina::quiero(const QString& dicho)
{
    f_.decir(f_.LC, dicho);
    f_.Sonar(0, 0, QString());
}

// The machine refuses: the human scores what the hand was worth before.
void AsientoMaquina::noQuiero(int puntosHumano)
{
    f_.decir(f_.LC, QStringLiteral("No Quiero"));
    f_.Sonar(2, 0, QString());
    f_.DarPuntos(QStringLiteral("H"), puntosHumano);
    f_.GanaHumano(true, 1);
}

void AsientoMaquina::responderTrucoHumano()
{
    const int mano = f_.manoNumero;
    if (f_.JugadasMaquina == 0 && !f_.EnvidoCantado && f_.TantosMaquina >= 21) {
        // The envido goes before the truco.
        if (envidoDeLaMaquina(false))
            return;
        if (mano != f_.manoNumero || f_.ManoTerminada)
            return;
    }
    f_.TrucoCantado = true;
    f_.TrucoPorMaquina = false;
    const auto r = reglas::aceptaTruco(mesa());
    if (r == reglas::Respuesta::NoQuiero)
        return noQuiero(1);
    quiero(r == reglas::Respuesta::QuieroParda ? QStringLiteral("Quiero ") : QStringLiteral("Quiero"));
    f_.TrucoQuerido = true;
    continuarMaquina();
}

void AsientoMaquina::responderRetrucoHumano()
{
    f_.RetrucoCantado = true;
    if (!reglas::aceptaRetruco(mesa()))
        return noQuiero(2);
    quiero(QStringLiteral("Quiero"));
    f_.RetrucoQuerido = true;
    continuarMaquina();
}

void AsientoMaquina::responderVale4Humano()
{
    f_.Vale4Cantado = true;
    if (!reglas::aceptaVale4(mesa()))
        return noQuiero(3);
    quiero(QStringLiteral("Quiero"));
    f_.Vale4Querido = true;
    continuarMaquina();
}

// After an accepted call, the machine plays if the trick waits for its
// card; otherwise the human goes on.
void AsientoMaquina::continuarMaquina()
{
    if (f_.ManoTerminada)
        return;
    if (f_.JugadasHumano <= f_.JugadasMaquina) {
        f_.turnoDelHumano();
        return;
    }
    f_.TurnoMaquina = true;
    juega();
}
