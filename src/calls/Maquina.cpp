// The machine opponent: which card it plays and when it sings the truco ladder.
#include "calls/rules/Reglas.h"
#include "game/Form1.h"
#include "game/rules/Cartas.h"
#include "platform/Clock.h"

namespace {
int entero(const QString& s) { return s.trimmed().toInt(); }
}  // namespace

// First card in hand (index order) with the lowest or highest value.
int Form1::cartaExtrema(bool mayor) const
{
    int k = -1;
    for (int i = 0; i < 3; ++i) {
        if (!CM[i].Visible)
            continue;
        const int v = entero(CM[i].Tag);
        if (k < 0 || (mayor ? v > entero(CM[k].Tag) : v < entero(CM[k].Tag)))
            k = i;
    }
    return k;
}

void Form1::jugarCarta(int k)
{
    const int t = JugadasMaquina;
    if (k < 0 || t > 2)
        return;
    mostrarCarta(IJM[t], JM[t], CM[k], ICM[k]->picture());
    CM[k].Visible = false;
    ICM[k]->hide();
    ++JugadasMaquina;
}

// True when the machine is really due to play; otherwise the turn goes back.
bool Form1::maquinaDebeJugar()
{
    if (ManoTerminada || !PuedeCantar)
        return false;
    if (JugadasMaquina > JugadasHumano) {
        TurnoMaquina = false;
        return false;
    }
    return JugadasMaquina < 3;
}

void Form1::jugar_menor(int)
{
    if (maquinaDebeJugar())
        jugarCarta(cartaExtrema(false));
}

void Form1::Jugar_mayor()
{
    if (maquinaDebeJugar())
        jugarCarta(cartaExtrema(true));
}

int Form1::PromValor() const
{
    int v[3], n = 0;
    for (const Portador& c : CM)
        if (c.Visible)
            v[n++] = entero(c.Tag);
    return reglas::promValor(v, n);
}

// The human plays next: his panel for the state of the bets.
void Form1::turnoDelHumano()
{
    TurnoMaquina = false;
    DeshBotones(true);
}

// The machine played its card: decide the trick if it was the second card.
void Form1::despuesDeJugar()
{
    if (JugadasMaquina == JugadasHumano)
        cerrarBaza();
    else
        turnoDelHumano();
}

reglas::Mesa Form1::mesa() const
{
    reglas::Mesa m;
    m.jugadasMaquina = JugadasMaquina;
    m.jugadasHumano = JugadasHumano;
    m.bazas = Bazas;
    for (int t = 0; t < 3; ++t) {
        m.jm[t] = entero(JM[t]->Tag);
        m.jh[t] = entero(JH[t]->Tag);
    }
    m.promValor = PromValor();
    m.puntosHumano = puntos(QStringLiteral("H"));
    return m;
}

void Form1::Primera_carta()
{
    if (ManoTerminada)
        return;
    const int mano = manoNumero;
    bool florCantada = false;
    if (ConFlor && FlorMaquina && !FlorCantada) {
        CantarFlor(false);
        florCantada = true;
        if (mano != manoNumero || ManoTerminada)
            return;
    }
    if (JugadasHumano == 0) {
        // The machine is mano and leads.
        Pausa(0.5);
        if (mano != manoNumero || ManoTerminada)
            return;
        if (!florCantada && !EnvidoCantado && TantosMaquina >= 20) {
            s_.clock.reseed();
            const int sorteo = static_cast<int>(2 * s_.clock.uniform());
            if (reglas::cantaEnvidoMano(TantosMaquina, EnvidoCantado, sorteo)) {
                if (envidoDeLaMaquina())
                    return;
            } else {
                // Holds its envido back and leads.
                jugar_menor(0);
                TurnoMaquina = false;
                // The human may still go to the deck, as on every turn of his.
                Botones(QStringLiteral("1010101--1"));
                return;
            }
        }
        jugar_menor(0);
        turnoDelHumano();
        return;
    }
    // The human led: the machine is pie.
    if (!florCantada && reglas::cantaEnvidoPie(TantosMaquina, EnvidoCantado)) {
        if (envidoDeLaMaquina())
            return;
    }
    if (!FlorCantada && PromValor() > 5 && !TrucoCantado) {
        if (Cantar_Truco(4, 0))
            return;
    }
    if (mano != manoNumero || ManoTerminada)
        return;
    jugar_menor(0);
    despuesDeJugar();
}

void Form1::Segunda_carta()
{
    if (ManoTerminada)
        return;
    const int mano = manoNumero;
    if (JugadasHumano > JugadasMaquina) {
        // Beat the human's card with the weakest card that does it.
        const int h = entero(JH[JugadasMaquina]->Tag);
        int k = -1, cota = 15;
        for (int i = 0; i < 3; ++i) {
            const int v = entero(CM[i].Tag);
            if (CM[i].Visible && v > h && v < cota) {
                cota = v;
                k = i;
            }
        }
        if (k < 0) {
            jugar_menor(0);
            despuesDeJugar();
            return;
        }
        if (!TrucoCantado) {
            if (Cantar_Truco(k, 0))
                return;
        } else if (!TrucoPorMaquina && !RetrucoCantado) {
            if (retrucoDeLaMaquina())
                return;
        }
        if (mano != manoNumero || ManoTerminada)
            return;
        jugarCarta(k);
        despuesDeJugar();
        return;
    }
    if (Bazas[0] == reglas::Parda) {
        // The second trick decides the hand: sing and lead the best card.
        if (Cantar_Truco(cartaExtrema(true), 0))
            return;
        if (mano != manoNumero || ManoTerminada)
            return;
        Jugar_mayor();
    } else {
        jugar_menor(0);
    }
    turnoDelHumano();
}

void Form1::Tercera_carta()
{
    if (ManoTerminada)
        return;
    const int mano = manoNumero;
    const int k = cartaExtrema(false);
    if (k < 0)
        return;
    if (JugadasHumano < 3) {
        jugarCarta(k);
        turnoDelHumano();
        return;
    }
    if (reglas::cantaEnTercera(entero(JH[2]->Tag), entero(CM[k].Tag))) {
        if (!TrucoCantado) {
            Cantar_Truco(4, 1);
            Esperar();
            if (mano != manoNumero || ManoTerminada || respuestaAlTruco())
                return;
        } else if (!TrucoPorMaquina && !RetrucoCantado) {
            if (retrucoDeLaMaquina())
                return;
        } else if (TrucoPorMaquina && RetrucoCantado && !Vale4Cantado) {
            decir(LC, QStringLiteral("Quiero vale 4"));
            Sonar(5, 0, QString());
            Vale4Cantado = true;
            for (auto* b : bt)
                b->setEnabled(false);
            bt[1]->setEnabled(true);
            bt[3]->setEnabled(true);
            AlMazo->setEnabled(true);
            Esperar();
            if (mano != manoNumero || ManoTerminada)
                return;
            if (BotonPulsado == 3) {
                DarPuntos(QStringLiteral("M"), 3);
                GanaMaquina(true);
                return;
            }
            Vale4Querido = true;
        }
        if (mano != manoNumero || ManoTerminada)
            return;
    }
    jugarCarta(k);
    despuesDeJugar();
}

bool Form1::Cantar_Truco(int a, int b)
{
    if (TrucoCantado)
        return false;
    decir(LC, QStringLiteral("Truco"));
    Sonar(3, 0, QString());
    TantoEnJuego = 2;
    TrucoCantado = TrucoPorMaquina = true;
    for (auto* x : bt)
        x->setEnabled(false);
    for (int i : {1, 3, 5})
        bt[i]->setEnabled(true);
    AlMazo->setEnabled(true);
    if (b != 0)
        return false;  // the caller waits and reads the answer
    const int mano = manoNumero;
    Esperar();
    if (mano != manoNumero || ManoTerminada || respuestaAlTruco())
        return true;
    if (a == 4)
        return false;  // the caller plays its card
    jugarCarta(a);
    despuesDeJugar();
    return true;
}

// The human's answer to the machine's truco. True when the hand has ended.
bool Form1::respuestaAlTruco()
{
    switch (BotonPulsado) {
    case 3:
        DarPuntos(QStringLiteral("M"), 1);
        GanaMaquina(true);
        return true;
    case 5:
        // A retruco answered to the machine's truco is always accepted.
        TrucoQuerido = RetrucoCantado = true;
        quiero(QStringLiteral("Quiero"));
        RetrucoQuerido = true;
        return false;
    default:
        TrucoQuerido = true;
        return ManoTerminada;
    }
}

void Form1::Cantar_retruco()
{
    decir(LC, QStringLiteral("Quiero retruco"));
    Sonar(4, 0, QString());
    TrucoQuerido = RetrucoCantado = true;
    TrucoPorMaquina = false;
    for (int i : {1, 3, 7})
        bt[i]->setEnabled(true);
    AlMazo->setEnabled(true);
    Esperar();
}

// The machine raises the human's truco. True when the hand has ended.
bool Form1::retrucoDeLaMaquina()
{
    const int mano = manoNumero;
    Cantar_retruco();
    if (mano != manoNumero || ManoTerminada)
        return true;
    switch (BotonPulsado) {
    case 3:
        DarPuntos(QStringLiteral("M"), 2);
        GanaMaquina(true);
        return true;
    case 7:
        // A vale cuatro answered to the machine's retruco is always accepted.
        Vale4Cantado = true;
        quiero(QStringLiteral("Quiero"));
        Vale4Querido = true;
        RetrucoQuerido = true;
        return false;
    default:
        RetrucoQuerido = true;
        return false;
    }
}

// ---- Answers to the human's truco ladder ----------------------------------------

void Form1::quiero(const QString& dicho)
{
    decir(LC, dicho);
    Sonar(0, 0, QString());
}

// The machine refuses: the human scores what the hand was worth before.
void Form1::noQuiero(int puntosHumano)
{
    decir(LC, QStringLiteral("No Quiero"));
    Sonar(2, 0, QString());
    DarPuntos(QStringLiteral("H"), puntosHumano);
    GanaHumano(true, 1);
}

void Form1::responderTrucoHumano()
{
    const int mano = manoNumero;
    if (JugadasMaquina == 0 && !EnvidoCantado && TantosMaquina >= 21) {
        // The envido goes before the truco.
        if (envidoDeLaMaquina(false))
            return;
        if (mano != manoNumero || ManoTerminada)
            return;
    }
    TrucoCantado = true;
    TrucoPorMaquina = false;
    const auto r = reglas::aceptaTruco(mesa());
    if (r == reglas::Respuesta::NoQuiero)
        return noQuiero(1);
    quiero(r == reglas::Respuesta::QuieroParda ? QStringLiteral("Quiero ") : QStringLiteral("Quiero"));
    TrucoQuerido = true;
    continuarMaquina();
}

void Form1::responderRetrucoHumano()
{
    RetrucoCantado = true;
    if (!reglas::aceptaRetruco(mesa()))
        return noQuiero(2);
    quiero(QStringLiteral("Quiero"));
    RetrucoQuerido = true;
    continuarMaquina();
}

void Form1::responderVale4Humano()
{
    Vale4Cantado = true;
    if (!reglas::aceptaVale4(mesa()))
        return noQuiero(3);
    quiero(QStringLiteral("Quiero"));
    Vale4Querido = true;
    continuarMaquina();
}

// After an accepted call, the machine plays if the trick waits for its
// card; otherwise the human goes on.
void Form1::continuarMaquina()
{
    if (ManoTerminada)
        return;
    if (JugadasHumano <= JugadasMaquina) {
        turnoDelHumano();
        return;
    }
    TurnoMaquina = true;
    if (JugadasMaquina == 0)
        Primera_carta();
    else if (JugadasMaquina == 1)
        Segunda_carta();
    else
        Tercera_carta();
}
