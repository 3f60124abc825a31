// The two-player network game: the calls sung and answered on both tables,
// the envido settled by its caller, the flor and going to the deck.
#include "motor/Reglas.h"
#include "game/Form1.h"
#include "game/AsientoRed.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"

using red::Pedido;

using red::esEnvido;
using red::kLocal;
using red::kPeer;

void AsientoRed::cantar(int Index)
{
    if (pausas_ > 0 || Index < 0 || Index > 7 || panelLocal()[Index] != '1')
        return;
    static const char* dichos[8] = {"Truco", "Quiero", "Envido", "No Quiero", "Real envido", "Quiero retruco", "Falta envido", "Quiero vale 4"};
    static const int sonidos[8] = {3, 0, 6, 2, 7, 4, 14, 5};
    f_.decir(f_.LH, QString::fromUtf8(dichos[Index]));
    sonar(sonidos[Index], 0, false);
    const Pedido pedido = p_.respondo;

    if (Index == 2 || Index == 4 || Index == 6) {
        if (pedido == Pedido::Truco)
            p_.truco.trucoCantado = false;  // the envido goes before the truco: sing it again later
        llamarEnvido(Index, esEnvido(pedido));
        return;
    }
    if (Index == 0) {
        p_.truco.trucoCantado = true;
        p_.espero = Pedido::Truco;
        panel();
        enviar("TRUC");
        return;
    }
    p_.respondo = Pedido::Nada;
    if (Index == 5) {  // the answer that raises the truco
        p_.truco.trucoQuerido = p_.truco.retrucoCantado = true;
        p_.espero = Pedido::Retruco;
        panel();
        enviar("RETR");
        return;
    }
    if (Index == 7) {
        p_.truco.retrucoQuerido = p_.truco.vale4Cantado = true;
        p_.espero = Pedido::Vale4;
        panel();
        enviar("VAL4");
        return;
    }
    if (Index == 1) {
        if (esEnvido(pedido)) {
            // The caller compares the points and scores them on both tables.
            p_.esperandoTanteo = true;
            panel();
            enviar("QUIE");
            return;
        }
        if (pedido == Pedido::Truco)
            p_.truco.trucoQuerido = true;
        else if (pedido == Pedido::Retruco)
            p_.truco.retrucoQuerido = true;
        else if (pedido == Pedido::Vale4)
            p_.truco.vale4Querido = true;
        panel();
        enviar("QUIE");
        return;
    }
    // No Quiero.
    if (esEnvido(pedido)) {
        p_.envidoResuelto = true;
        panel();
        if (enviar("NOQU"))
            darPuntos(false, p_.tantoAnterior);
        panel();
        return;
    }
    // A refused step of the ladder ends the hand: the value reached before it.
    const int puntos = pedido == Pedido::Vale4 ? 3 : pedido == Pedido::Retruco ? 2 : 1;
    p_.cerrada = true;
    panel();
    if (!enviar("NOQU"))
        return;
    darPuntos(false, puntos);
    finDeMano(false, true);
}

void AsientoRed::llamarEnvido(int Index, bool subida)
{
    const bool primero = !p_.envidoCantado;
    p_.envidoCantado = true;
    p_.tantoAnterior = primero ? 1 : p_.tanto;
    if (Index == 2) {
        p_.tanto += 2;
        p_.espero = subida ? Pedido::EnvidoEnvido : Pedido::Envido;
    } else if (Index == 4) {
        p_.tanto += 3;
        p_.espero = Pedido::Real;
    } else {
        p_.falta = true;
        p_.espero = Pedido::Falta;
    }
    p_.respondo = Pedido::Nada;
    panel();
    enviar(Index == 2 ? "ENVI" : Index == 4 ? "REAL" : "FALT");
}

void AsientoRed::flor()
{
    if (pausas_ > 0 || panelLocal()[8] != '1')
        return;
    p_.florCantada = p_.envidoCantado = p_.envidoResuelto = true;
    if (esEnvido(p_.respondo))
        p_.respondo = Pedido::Nada;  // the flor answers the envido, which lapses
    f_.decir(f_.LH, QStringLiteral("Flor"));
    sonar(10, 0, false);
    // Both hands are known here: a flor opposite is a contraflor, settled at
    // the end of the hand; otherwise the peer gives the three points.
    if (p_.flor[kPeer] && p_.conFlor)
        p_.contraflor = true;
    panel();
    enviar("FLOR");
}

void AsientoRed::alMazo()
{
    if (pausas_ > 0 || panelLocal()[9] != '1')
        return;
    const int puntos = p_.puntosAlMazo();
    f_.decir(f_.LH, QStringLiteral("Me voy al mazo"));
    p_.cerrada = true;
    panel();
    if (!enviar("MAZO"))
        return;
    darPuntos(false, puntos);
    finDeMano(false, true);
}

// Our call was accepted: we compare the points, the mano first. Nobody
// plays meanwhile.
void AsientoRed::tantear()
{
    despues(1, [this] {
        const int propios = p_.tantos(kLocal), ajenos = p_.tantos(kPeer);
        const bool ganaLocal = p_.ganaTanteoLocal();
        f_.decir(f_.LH, QStringLiteral("Yo tengo... ") + QString::number(propios));
        enviarDirecto(protocolo::dice(2, std::to_string(propios)));
        despues(1, [this, ganaLocal, ajenos] {
            f_.decir(f_.LC, ganaLocal ? QStringLiteral("Son Buenas...") : QStringLiteral("Yo tengo.. ") + QString::number(ajenos));
            const int valor = p_.valorDelTanto(ganaLocal);
            p_.envidoResuelto = true;
            p_.tanto = 0;
            darPuntos(ganaLocal, valor);
            panel();
            p_.esperandoTanteo = false;
            panel();
        });
    });
}

// The peer sings or answers.
bool AsientoRed::recibirCanto(const QString& codigo, const QString&)
{
    if (codigo == QLatin1String("TRUC")) {
        if (!p_.vista(kPeer).turno || p_.truco.trucoCantado)
            return false;
        p_.truco.trucoCantado = true;
        f_.decir(f_.LC, QStringLiteral("Truco"));
        sonar(3, 0, true);
        p_.respondo = Pedido::Truco;
        panel();
        return true;
    }
    if (codigo == QLatin1String("RETR")) {
        if (p_.espero != Pedido::Truco)
            return false;
        p_.truco.trucoQuerido = p_.truco.retrucoCantado = true;
        p_.espero = Pedido::Nada;
        p_.respondo = Pedido::Retruco;
        f_.decir(f_.LC, QStringLiteral("Quiero retruco"));
        sonar(4, 0, true);
        panel();
        return true;
    }
    if (codigo == QLatin1String("VAL4")) {
        if (p_.espero != Pedido::Retruco)
            return false;
        p_.truco.retrucoQuerido = p_.truco.vale4Cantado = true;
        p_.espero = Pedido::Nada;
        p_.respondo = Pedido::Vale4;
        f_.decir(f_.LC, QStringLiteral("Quiero vale 4"));
        sonar(5, 0, true);
        panel();
        return true;
    }
    if (codigo == QLatin1String("ENVI") || codigo == QLatin1String("REAL") || codigo == QLatin1String("FALT")) {
        const red::Vista peer = p_.vista(kPeer);
        const int Index = codigo == QLatin1String("ENVI") ? 2 : codigo == QLatin1String("REAL") ? 4 : 6;
        if (red::panel(peer)[Index] != '1')
            return false;
        recibirEnvido(codigo);
        return true;
    }
    if (codigo == QLatin1String("QUIE")) {
        const Pedido p = p_.espero;
        if (p == Pedido::Nada)
            return false;
        p_.espero = Pedido::Nada;
        f_.decir(f_.LC, QStringLiteral("Quiero"));
        sonar(0, 0, true);
        if (p == Pedido::Truco)
            p_.truco.trucoQuerido = true;
        else if (p == Pedido::Retruco)
            p_.truco.retrucoQuerido = true;
        else if (p == Pedido::Vale4)
            p_.truco.vale4Querido = true;
        if (esEnvido(p)) {
            p_.esperandoTanteo = true;  // nobody plays while the points are compared
            panel();
            tantear();
            return true;
        }
        panel();
        return true;
    }
    if (codigo == QLatin1String("NOQU")) {
        const Pedido p = p_.espero;
        if (p == Pedido::Nada)
            return false;
        p_.espero = Pedido::Nada;
        f_.decir(f_.LC, QStringLiteral("No Quiero"));
        sonar(2, 0, true);
        if (esEnvido(p)) {
            p_.envidoResuelto = true;
        } else {
            p_.cerrada = true;  // the peer ends the hand and deals
        }
        panel();
        return true;
    }
    if (codigo == QLatin1String("FLOR")) {
        if (red::panel(p_.vista(kPeer))[8] != '1')
            return false;
        recibirFlor();
        return true;
    }
    if (codigo == QLatin1String("MAZO")) {
        if (red::panel(p_.vista(kPeer))[9] != '1')
            return false;
        f_.decir(f_.LC, QStringLiteral("Me voy al mazo..."));
        p_.espero = p_.respondo = Pedido::Nada;
        p_.cerrada = true;
        panel();
        return true;
    }
    return false;
}

void AsientoRed::recibirEnvido(const QString& codigo)
{
    const bool primero = !p_.envidoCantado;
    if (p_.espero == Pedido::Truco)
        p_.truco.trucoCantado = false;  // our truco waits: the envido goes first
    const Pedido antes = p_.espero;
    p_.espero = Pedido::Nada;
    p_.envidoCantado = true;
    p_.tantoAnterior = primero ? 1 : p_.tanto;
    if (codigo == QLatin1String("ENVI")) {
        p_.tanto += 2;
        p_.respondo = antes == Pedido::Envido ? Pedido::EnvidoEnvido : Pedido::Envido;
        f_.decir(f_.LC, QStringLiteral("Envido"));
        sonar(6, 0, true);
    } else if (codigo == QLatin1String("REAL")) {
        p_.tanto += 3;
        p_.respondo = Pedido::Real;
        f_.decir(f_.LC, QStringLiteral("Real Envido"));
        sonar(7, 0, true);
    } else {
        p_.falta = true;
        p_.respondo = Pedido::Falta;
        f_.decir(f_.LC, QStringLiteral("Falta Envido"));
        sonar(14, 0, true);
    }
    panel();
}

void AsientoRed::recibirFlor()
{
    p_.florCantada = p_.envidoCantado = p_.envidoResuelto = true;
    if (esEnvido(p_.espero))
        p_.espero = Pedido::Nada;  // our envido lapses
    f_.decir(f_.LC, QStringLiteral("Flor"));
    sonar(10, 0, true);
    if (p_.flor[kLocal] && p_.conFlor) {
        p_.contraflor = true;
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
