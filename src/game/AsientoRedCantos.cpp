// The two-player network game: the calls sung and answered on both tables,
// the envido settled by its caller, the flor and going to the deck.
#include "motor/Reglas.h"
#include "game/Form1.h"
#include "game/AsientoRed.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"

using red::Pedido;

namespace {

bool esEnvido(Pedido p)
{
    return p == Pedido::Envido || p == Pedido::EnvidoEnvido || p == Pedido::Real || p == Pedido::Falta;
}

}  // namespace

void AsientoRed::cantar(int Index)
{
    if (f_.PausaActiva || Index < 0 || Index > 7 || panelLocal()[Index] != '1')
        return;
    static const char* dichos[8] = {"Truco", "Quiero", "Envido", "No Quiero", "Real envido", "Quiero retruco", "Falta envido", "Quiero vale 4"};
    static const int sonidos[8] = {3, 0, 6, 2, 7, 4, 14, 5};
    f_.BotonPulsado = Index;
    f_.decir(f_.LH, QString::fromUtf8(dichos[Index]));
    sonar(sonidos[Index], 0, false);
    const Pedido pedido = respondo_;

    if (Index == 2 || Index == 4 || Index == 6) {
        if (pedido == Pedido::Truco)
            f_.TrucoCantado = false;  // the envido goes before the truco: sing it again later
        llamarEnvido(Index, esEnvido(pedido));
        return;
    }
    if (Index == 0) {
        f_.TrucoCantado = true;
        f_.TrucoPorMaquina = false;
        espero_ = Pedido::Truco;
        panel();
        enviar("TRUC");
        return;
    }
    respondo_ = Pedido::Nada;
    if (Index == 5) {  // the answer that raises the truco
        f_.TrucoQuerido = f_.RetrucoCantado = true;
        espero_ = Pedido::Retruco;
        panel();
        enviar("RETR");
        return;
    }
    if (Index == 7) {
        f_.RetrucoQuerido = f_.Vale4Cantado = true;
        espero_ = Pedido::Vale4;
        panel();
        enviar("VAL4");
        return;
    }
    if (Index == 1) {
        if (esEnvido(pedido)) {
            // The caller compares the points and scores them on both tables.
            f_.EnvidoEnJuego = false;
            esperandoTanteo_ = true;
            panel();
            enviar("QUIE");
            return;
        }
        if (pedido == Pedido::Truco)
            f_.TrucoQuerido = true;
        else if (pedido == Pedido::Retruco)
            f_.RetrucoQuerido = true;
        else if (pedido == Pedido::Vale4)
            f_.Vale4Querido = true;
        panel();
        enviar("QUIE");
        return;
    }
    // No Quiero.
    if (esEnvido(pedido)) {
        f_.EnvidoEnJuego = false;
        f_.EnvidoResuelto = true;
        panel();
        if (enviar("NOQU"))
            darPuntos(false, tantoAnterior_);
        panel();
        return;
    }
    // A refused step of the ladder ends the hand: the value reached before it.
    const int puntos = pedido == Pedido::Vale4 ? 3 : pedido == Pedido::Retruco ? 2 : 1;
    cerrada_ = true;
    panel();
    if (!enviar("NOQU"))
        return;
    darPuntos(false, puntos);
    f_.GanaHumano(true, puntos);
}

void AsientoRed::llamarEnvido(int Index, bool subida)
{
    const bool primero = !f_.EnvidoCantado;
    f_.EnvidoCantado = f_.EnvidoEnJuego = true;
    tantoAnterior_ = primero ? 1 : f_.TantoEnJuego;
    if (Index == 2) {
        f_.TantoEnJuego += 2;
        espero_ = subida ? Pedido::EnvidoEnvido : Pedido::Envido;
    } else if (Index == 4) {
        f_.TantoEnJuego += 3;
        espero_ = Pedido::Real;
    } else {
        falta_ = true;
        espero_ = Pedido::Falta;
    }
    respondo_ = Pedido::Nada;
    panel();
    enviar(Index == 2 ? "ENVI" : Index == 4 ? "REAL" : "FALT");
}

void AsientoRed::flor()
{
    if (f_.PausaActiva || panelLocal()[8] != '1')
        return;
    f_.BotonPulsado = 10;
    f_.FlorCantada = f_.EnvidoCantado = f_.EnvidoResuelto = true;
    f_.EnvidoEnJuego = false;
    if (esEnvido(respondo_))
        respondo_ = Pedido::Nada;  // the flor answers the envido, which lapses
    f_.decir(f_.LH, QStringLiteral("Flor"));
    sonar(10, 0, false);
    // Both hands are known here: a flor opposite is a contraflor, settled at
    // the end of the hand; otherwise the peer gives the three points.
    if (f_.FlorMaquina && f_.ConFlor)
        f_.ContraflorCantada = true;
    panel();
    enviar("FLOR");
}

void AsientoRed::alMazo()
{
    if (f_.PausaActiva || panelLocal()[9] != '1')
        return;
    f_.BotonPulsado = 15;
    const reglas::Escalera e{f_.TrucoCantado, f_.RetrucoCantado, f_.Vale4Cantado,
                             f_.TrucoQuerido, f_.RetrucoQuerido, f_.Vale4Querido};
    const int puntos = reglas::puntosAlMazo(e, esEnvido(respondo_), f_.JugadasMaquina);
    f_.decir(f_.LH, QStringLiteral("Me voy al mazo"));
    cerrada_ = true;
    panel();
    if (!enviar("MAZO"))
        return;
    darPuntos(false, puntos);
    f_.GanaHumano(true, puntos);
}

// Our call was accepted: we compare the points, the mano first.
void AsientoRed::tantear()
{
    const int mano = f_.manoNumero;
    f_.Pausa(1);
    if (mano != f_.manoNumero || !enlace_)
        return;
    const int propios = f_.Ver_Tantos(QStringLiteral("H"));
    const int ajenos = f_.Ver_Tantos(QStringLiteral("M"));
    const bool ganaLocal = propios > ajenos || (propios == ajenos && !f_.MaquinaEsMano);
    f_.decir(f_.LH, QStringLiteral("Yo tengo... ") + QString::number(propios));
    enviarDirecto(protocolo::dice(2, std::to_string(propios)));
    f_.Pausa(1);
    if (mano != f_.manoNumero || !enlace_)
        return;
    f_.decir(f_.LC, ganaLocal ? QStringLiteral("Son Buenas...") : QStringLiteral("Yo tengo.. ") + QString::number(ajenos));
    const int perdedor = f_.puntos(ganaLocal ? QStringLiteral("H") : QStringLiteral("M"));
    const int valor = falta_ ? reglas::puntosFalta(perdedor) : f_.TantoEnJuego;
    f_.EnvidoResuelto = true;
    f_.TantoEnJuego = 0;
    darPuntos(ganaLocal, valor);
    panel();
}

// The peer sings or answers.
bool AsientoRed::recibirCanto(const QString& codigo, const QString&)
{
    if (codigo == QLatin1String("TRUC")) {
        if (!vista(false).turno || f_.TrucoCantado)
            return false;
        f_.TrucoCantado = f_.TrucoPorMaquina = true;
        f_.decir(f_.LC, QStringLiteral("Truco"));
        sonar(3, 0, true);
        respondo_ = Pedido::Truco;
        panel();
        return true;
    }
    if (codigo == QLatin1String("RETR")) {
        if (espero_ != Pedido::Truco)
            return false;
        f_.TrucoQuerido = f_.RetrucoCantado = true;
        espero_ = Pedido::Nada;
        respondo_ = Pedido::Retruco;
        f_.decir(f_.LC, QStringLiteral("Quiero retruco"));
        sonar(4, 0, true);
        panel();
        return true;
    }
    if (codigo == QLatin1String("VAL4")) {
        if (espero_ != Pedido::Retruco)
            return false;
        f_.RetrucoQuerido = f_.Vale4Cantado = true;
        espero_ = Pedido::Nada;
        respondo_ = Pedido::Vale4;
        f_.decir(f_.LC, QStringLiteral("Quiero vale 4"));
        sonar(5, 0, true);
        panel();
        return true;
    }
    if (codigo == QLatin1String("ENVI") || codigo == QLatin1String("REAL") || codigo == QLatin1String("FALT")) {
        const red::Vista peer = vista(false);
        const int Index = codigo == QLatin1String("ENVI") ? 2 : codigo == QLatin1String("REAL") ? 4 : 6;
        if (red::panel(peer)[Index] != '1')
            return false;
        recibirEnvido(codigo);
        return true;
    }
    if (codigo == QLatin1String("QUIE")) {
        const Pedido p = espero_;
        if (p == Pedido::Nada)
            return false;
        espero_ = Pedido::Nada;
        f_.decir(f_.LC, QStringLiteral("Quiero"));
        sonar(0, 0, true);
        if (p == Pedido::Truco)
            f_.TrucoQuerido = true;
        else if (p == Pedido::Retruco)
            f_.RetrucoQuerido = true;
        else if (p == Pedido::Vale4)
            f_.Vale4Querido = true;
        if (esEnvido(p)) {
            f_.EnvidoEnJuego = false;
            esperandoTanteo_ = true;  // nobody plays while the points are compared
            panel();
            tantear();
            esperandoTanteo_ = false;
        }
        panel();
        return true;
    }
    if (codigo == QLatin1String("NOQU")) {
        const Pedido p = espero_;
        if (p == Pedido::Nada)
            return false;
        espero_ = Pedido::Nada;
        f_.decir(f_.LC, QStringLiteral("No Quiero"));
        sonar(2, 0, true);
        if (esEnvido(p)) {
            f_.EnvidoEnJuego = false;
            f_.EnvidoResuelto = true;
        } else {
            cerrada_ = true;  // the peer ends the hand and deals
        }
        panel();
        return true;
    }
    if (codigo == QLatin1String("FLOR")) {
        if (red::panel(vista(false))[8] != '1')
            return false;
        recibirFlor();
        return true;
    }
    if (codigo == QLatin1String("MAZO")) {
        if (red::panel(vista(false))[9] != '1')
            return false;
        f_.decir(f_.LC, QStringLiteral("Me voy al mazo..."));
        espero_ = respondo_ = Pedido::Nada;
        cerrada_ = true;
        panel();
        return true;
    }
    return false;
}

void AsientoRed::recibirEnvido(const QString& codigo)
{
    const bool primero = !f_.EnvidoCantado;
    if (espero_ == Pedido::Truco)
        f_.TrucoCantado = false;  // our truco waits: the envido goes first
    const Pedido antes = espero_;
    espero_ = Pedido::Nada;
    f_.EnvidoCantado = f_.EnvidoEnJuego = true;
    tantoAnterior_ = primero ? 1 : f_.TantoEnJuego;
    if (codigo == QLatin1String("ENVI")) {
        f_.TantoEnJuego += 2;
        respondo_ = antes == Pedido::Envido ? Pedido::EnvidoEnvido : Pedido::Envido;
        f_.decir(f_.LC, QStringLiteral("Envido"));
        sonar(6, 0, true);
    } else if (codigo == QLatin1String("REAL")) {
        f_.TantoEnJuego += 3;
        respondo_ = Pedido::Real;
        f_.decir(f_.LC, QStringLiteral("Real Envido"));
        sonar(7, 0, true);
    } else {
        falta_ = true;
        respondo_ = Pedido::Falta;
        f_.decir(f_.LC, QStringLiteral("Falta Envido"));
        sonar(14, 0, true);
    }
    panel();
}

void AsientoRed::recibirFlor()
{
    f_.FlorCantada = f_.EnvidoCantado = f_.EnvidoResuelto = true;
    f_.EnvidoEnJuego = false;
    if (esEnvido(espero_))
        espero_ = Pedido::Nada;  // our envido lapses
    f_.decir(f_.LC, QStringLiteral("Flor"));
    sonar(10, 0, true);
    if (f_.FlorHumano && f_.ConFlor) {
        f_.ContraflorCantada = true;
        f_.decir(f_.LH, QStringLiteral("Contraflor"));
        sonar(11, 0, false);
        panel();
        return;
    }
    f_.decir(f_.LH, QStringLiteral("¡Hasta aquí llegó el olor!"));
    sonar(9, 0, false);
    panel();
    darPuntos(false, 3);
    panel();
}
