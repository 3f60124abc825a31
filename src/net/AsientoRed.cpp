#include "net/AsientoRed.h"

#include "calls/rules/Reglas.h"
#include "game/Form1.h"
#include "net/Enlace.h"
#include "net/rules/Baza.h"
#include "net/rules/Protocolo.h"
#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "shell/f2.h"

#include <QLineEdit>
#include <QTimer>

using red::Pedido;

namespace {

std::string txt(const QString& s) { return s.toStdString(); }

bool esEnvido(Pedido p)
{
    return p == Pedido::Envido || p == Pedido::EnvidoEnvido || p == Pedido::Real || p == Pedido::Falta;
}

bool esEscalera(Pedido p) { return p == Pedido::Truco || p == Pedido::Retruco || p == Pedido::Vale4; }

int entero(const QString& s) { return s.trimmed().toInt(); }

}  // namespace

AsientoRed::AsientoRed(Form1& f, Services& s) : f_(f), s_(s) {}

// ---- Sending ------------------------------------------------------------------

bool AsientoRed::enviar(const std::string& m)
{
    if (enlace_ && enlace_->enviar(QString::fromStdString(m)))
        return true;
    f_.PuedeCantar = false;
    return false;
}

bool AsientoRed::enviarDirecto(const std::string& m)
{
    return enlace_ && enlace_->enviarDirecto(QString::fromStdString(m));
}

void AsientoRed::sonar(int codigo, int numero, bool peer)
{
    f_.Sonar(codigo, numero, peer ? voz() : f_.carTag);
}

// Points on both tables: "DARH" gives them to the sender's side there.
void AsientoRed::darPuntos(bool local, int puntos)
{
    if (puntos <= 0)
        return;
    // Here first: a match won here ends after the peer has been told too.
    f_.DarPuntos(local ? QStringLiteral("M") : QStringLiteral("H"), puntos, true);
    enviar(local ? protocolo::darh(puntos) : protocolo::darm(puntos));
}

// ---- Panels -------------------------------------------------------------------

red::Vista AsientoRed::vista(bool local) const
{
    red::Vista v;
    const bool libre = !cerrada_ && !esperandoTanteo_ && !f_.ManoTerminada && !f_.PartidoTerminado;
    if (local) {
        v.turno = libre && f_.TurnoMaquina && espero_ == Pedido::Nada && respondo_ == Pedido::Nada;
        v.responde = libre ? respondo_ : Pedido::Nada;
        v.tieneFlor = f_.FlorHumano;
        v.jugadas = f_.JugadasHumano;
    } else {
        v.turno = libre && !f_.TurnoMaquina && espero_ == Pedido::Nada && respondo_ == Pedido::Nada;
        v.responde = libre ? espero_ : Pedido::Nada;
        v.tieneFlor = f_.FlorMaquina;
        v.jugadas = f_.JugadasMaquina;
    }
    v.trucoCantado = f_.TrucoCantado;
    v.trucoQuerido = f_.TrucoQuerido;
    v.envidoCantado = f_.EnvidoCantado;
    v.envidoResuelto = f_.EnvidoResuelto;
    v.florCantada = f_.FlorCantada;
    v.conFlor = f_.ConFlor;
    return v;
}

std::string AsientoRed::panelLocal() const { return red::panel(vista(true)); }
std::string AsientoRed::panelDelPeer() const { return red::panel(vista(false)); }

// The local panel follows the state of the hand; the player may press
// something exactly when the panel offers it.
void AsientoRed::panel()
{
    const std::string m = panelLocal();
    f_.Botones(QString::fromStdString(m));
    f_.PuedeCantar = m.find('1') != std::string::npos;
}

void AsientoRed::limpiarPedidos()
{
    respondo_ = espero_ = Pedido::Nada;
    esperandoTanteo_ = cerrada_ = jugando_ = false;
    tantoAnterior_ = 1;
    falta_ = false;
}

// ---- The connection -----------------------------------------------------------------

void AsientoRed::redConectada(Enlace& enlace, bool servidor, const QString& miNombre, int miCara)
{
    enlace_ = &enlace;
    servidor_ = servidor;
    miNombre_ = miNombre;
    miCara_ = miCara;
    limpiarPedidos();
    f_.sentarEnRed(this);
    f_.Tmrparche.stop();  // the watchdog stays off in network games
    f_.RedDos = true;
    f_.enPartido = false;
    RedEnJuego = true;
    f_.PartidoTerminado = false;
    f_.ManoTerminada = true;
    f_.MaquinaEsMano = false;
    f_.VarianteJuego = 1;  // both dealers use the whole deck
    f_.PuntosM->setCaption(QStringLiteral("0"));
    f_.PuntosH->setCaption(QStringLiteral("0"));
    f_.PH->ocultarTodas();
    f_.PM->ocultarTodas();
    f_.Botones(QStringLiteral("0000000000"));
    f_.PuedeCantar = false;
    f_.Label2->setCaption(miNombre_);
    f_.carTag = QString::number(miCara_);
    f_.car[0]->setPicture(f_.opciones().Cara[miCara_], QStringLiteral("Tu cara"));
    f_.car[0]->setToolTip(miNombre_);
    f_.mostrarChat(true);
}

void AsientoRed::saludoHecho(const QString& nombrePeer, int caraPeer)
{
    nombrePeer_ = nombrePeer;
    caraPeer_ = caraPeer;
    f_.NombreC->setCaption(nombrePeer_);
    f_.Label2->setCaption(miNombre_);
    f_.car[2]->setPicture(f_.opciones().Cara[caraPeer_], nombrePeer_);
    f_.car[2]->setToolTip(nombrePeer_);
    f_.mensaje->setToolTip(QStringLiteral("Mensaje para ") + nombrePeer_);
    if (!servidor_)
        return;

    // The server chooses who starts and whether flor is played.
    f2& o = f_.opciones();
    o.paraRed(nombrePeer_.isEmpty() ? QStringLiteral("[Anónimo]") : nombrePeer_, miNombre_);
    emit f_.ventanaModal(&o);
    o.mostrar(miCara_);
    o.paraMaquina();
    const f2::Eleccion e = o.eleccion();
    f_.ConFlor = e.conFlor;
    const bool empiezaPeer = e.computadoraEmpieza;
    if (!enviar(protocolo::confDos(txt(empiezaPeer ? nombrePeer_ : miNombre_), e.conFlor)))
        return;
    // The deal inverts the mano: start from the other side.
    f_.MaquinaEsMano = !empiezaPeer;
    if (!f_.MaquinaEsMano && !enviar("EMPT"))
        return;
    repartirRed();
    RedEnJuego = true;
}

void AsientoRed::redTerminada(bool porElPeer)
{
    const bool fin = f_.puntos(QStringLiteral("H")) >= 30 || f_.puntos(QStringLiteral("M")) >= 30;
    if (porElPeer && !fin && enlace_)
        s_.dialogs.message(&f_, Dialogs::Icon::Error, Form1::tituloPrograma(),
                           QStringLiteral("El contrincante ") + f_.NombreC->caption() + QStringLiteral(" se ha desconectado"));
    // The table stays as it is; a new game starts from the menu.
    enlace_ = nullptr;
    f_.RedDos = false;
    RedEnJuego = false;
    f_.PuedeCantar = false;
    f_.ManoTerminada = true;
    f_.Botones(QStringLiteral("0000000000"));
    f_.sentarEnRed(nullptr);
    f_.mostrarChat(false);
}

void AsientoRed::partidoTerminado()
{
    // Back to the connection window once the winner's box is closed.
    f_.MaquinaEsMano = false;
    terminarCuandoCalle();
}

// The connection closes only once no message of ours waits for its answer.
void AsientoRed::terminarCuandoCalle()
{
    QTimer::singleShot(enlace_ && enlace_->esperandoAcuse() ? 50 : 0, &f_, [this] {
        if (enlace_ && enlace_->esperandoAcuse())
            return terminarCuandoCalle();
        if (alTerminar)
            alTerminar();
    });
}

void AsientoRed::chatear(const QString& texto)
{
    if (texto.isEmpty())
        return;
    enviarDirecto(protocolo::mens(txt(texto)));
}

void AsientoRed::caraCambiada()
{
    miCara_ = f_.carTag.toInt();
    enviar(protocolo::cara(2, txt(miNombre_), miCara_));
}

// ---- The deal ---------------------------------------------------------------------

void AsientoRed::repartirRed()
{
    limpiarPedidos();
    f_.MaquinaEsMano = !f_.MaquinaEsMano;  // the mano alternates on both tables
    f_.PuedeCantar = true;
    f_.repartir(false);
    for (int i = 0; i < 3; ++i)
        if (!enviar(protocolo::cam(i, txt(f_.CH[i].Caption))))
            return;
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::cvm(i, entero(f_.CH[i].Tag)));
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::car(i, txt(f_.CM[i].Caption)));
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::caV(i, entero(f_.CM[i].Tag)));
    f_.TurnoMaquina = !f_.MaquinaEsMano;
    panel();
    enviar(protocolo::bton(panelDelPeer()));
}

// ---- Cards --------------------------------------------------------------------------

void AsientoRed::jugar(int Index)
{
    if (jugando_ || !vista(true).turno || f_.PausaActiva || Index < 0 || Index > 2 || !f_.CH[Index].Visible)
        return;
    jugando_ = true;
    f_.decir(f_.LC, QString());
    f_.Botones(QStringLiteral("0000000000"));
    const int t = f_.JugadasHumano;
    f_.mostrarCarta(f_.IJH[t], f_.JH[t], f_.CH[Index], f_.ICH[Index]->picture());
    f_.ICH[Index]->hide();
    f_.CH[Index].Visible = false;
    ++f_.JugadasHumano;
    f_.TurnoMaquina = false;
    f_.PuedeCantar = false;
    jugando_ = false;
    if (!enviar(protocolo::ijm(t, Index)) || !enviar(protocolo::posc(f_.JugadasHumano)))
        return;
    if (f_.JugadasHumano > f_.JugadasMaquina)
        pasarTurnoAlPeer();
    else
        cerrarBaza(t);
}

void AsientoRed::pasarTurnoAlPeer()
{
    f_.TurnoMaquina = false;
    panel();
    if (enviar("MANT") && enviar("JUGT"))
        enviar(protocolo::bton(panelDelPeer()));
}

// This table put down the second card of trick t: it settles the trick.
void AsientoRed::cerrarBaza(int t)
{
    const int r = red::resultado(entero(f_.JH[t]->Tag), entero(f_.JM[t]->Tag));
    f_.Bazas[t] = r;
    if (!enviar(protocolo::jug(t, 2 - r)))
        return;
    switch (red::trasBaza(f_.Bazas, t, f_.MaquinaEsMano)) {
    case red::TrasBaza::GanaLocal: f_.GanaMaquina(false); break;
    case red::TrasBaza::GanaPeer: f_.GanaHumano(false, 1); break;
    case red::TrasBaza::LideraLocal:
        f_.TurnoMaquina = true;
        panel();
        enviar("MANF");
        break;
    case red::TrasBaza::LideraPeer: pasarTurnoAlPeer(); break;
    }
}

// The hand ended here: both tables score it and this one deals the next.
bool AsientoRed::manoTerminada(bool ganaMaquina, int valor)
{
    cerrada_ = true;
    f_.TurnoMaquina = false;
    if (!enviar("JUGF"))
        return true;
    if (valor > 0) {
        // What the ladder reached, accepted.
        valor = f_.Vale4Querido ? 4 : f_.RetrucoQuerido ? 3 : f_.TrucoQuerido ? 2 : 1;
        darPuntos(ganaMaquina, valor);
    }
    if (f_.ContraflorCantada && !f_.PartidoTerminado) {
        f_.ContraflorCantada = false;
        const int propia = f_.PuntosFlorHumano, ajena = f_.PuntosFlorMaquina;
        darPuntos(propia > ajena || (propia == ajena && !f_.MaquinaEsMano), 6);
    }
    if (f_.PartidoTerminado || !enlace_)
        return true;
    f_.PuedeCantar = true;
    f_.setWindowTitle(QStringLiteral("Mezclando cartas..."));
    f_.Pausa(1);
    if (enlace_ && !f_.PartidoTerminado)
        repartirRed();
    return true;
}

// ---- Calls ---------------------------------------------------------------------------

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

// ---- Receiving --------------------------------------------------------------------

bool AsientoRed::recibir(const QString& codigo, const QString& argumento)
{
    if (codigo == QLatin1String("MENS")) {
        f_.decir(f_.LC, QLatin1Char('"') + argumento + QLatin1Char('"'));
        sonar(15, 0, true);
        return true;
    }
    if (codigo == QLatin1String("CARA")) {
        if (argumento.size() < 2 || argumento[0] != QLatin1Char('2'))
            return false;
        caraPeer_ = protocolo::caraDeDigito(argumento.back().toLatin1());
        const QString nombre = argumento.mid(1, argumento.size() - 2);
        f_.car[2]->setPicture(f_.opciones().Cara[caraPeer_], nombre);
        f_.car[2]->setToolTip(nombre);
        return true;
    }
    if (codigo == QLatin1String("NICK"))
        return true;  // for a four-player host; nothing here
    if (codigo == QLatin1String("CONF")) {
        f_.ConFlor = argumento.endsWith(QLatin1String("SI"));
        f_.Pausa(0.5);
        s_.dialogs.message(&f_, Dialogs::Icon::Information, QStringLiteral("Configuración del juego"), argumento);
        return true;
    }
    if (codigo == QLatin1String("EMPT")) {
        f_.MaquinaEsMano = true;
        return true;
    }
    if (codigo == QLatin1String("DARH") || codigo == QLatin1String("DARM"))
        return recibirPuntos(codigo, entero(argumento));
    if (codigo == QLatin1String("DICE")) {
        // The seat digit, then the phrase: the peer's own points here.
        const QString frase = argumento.mid(1);
        f_.decir(f_.LC, frase);
        bool ok = false;
        const int n = frase.toInt(&ok);
        sonar(ok ? 12 : 15, ok ? n : 0, true);
        return true;
    }
    if (codigo == QLatin1String("BTON")) {
        f_.Botones(argumento);
        f_.PuedeCantar = panelLocal().find('1') != std::string::npos;
        return true;
    }
    if (recibirCarta(codigo, argumento) || recibirJuego(codigo, argumento) || recibirCanto(codigo, argumento))
        return true;
    return false;
}

bool AsientoRed::recibirPuntos(const QString& codigo, int puntos)
{
    f_.DarPuntos(codigo == QLatin1String("DARM") ? QStringLiteral("M") : QStringLiteral("H"), puntos, true);
    if (esperandoTanteo_) {
        esperandoTanteo_ = false;
        f_.EnvidoResuelto = true;
        f_.TantoEnJuego = 0;
    }
    panel();
    return true;
}

// The deal and the cards the peer plays.
bool AsientoRed::recibirCarta(const QString& codigo, const QString& argumento)
{
    const QString raiz = codigo.left(3);
    const int i = codigo.size() == 4 ? codigo[3].digitValue() : -1;
    const QString carpeta = s_.programFolder;
    if (raiz == QLatin1String("CAM") && i >= 0 && i <= 2) {
        if (i == 0) {
            limpiarPedidos();
            f_.MaquinaEsMano = !f_.MaquinaEsMano;
            f_.repartir(true);
        }
        f_.CM[i].Caption = argumento;
        f_.ICM[i]->setPicture(loadCardPicture(carpeta, argumento), nombreDeCarta(argumento));
        return true;
    }
    if (raiz == QLatin1String("CVM") && i >= 0 && i <= 2) {
        f_.CM[i].Tag = argumento;
        return true;
    }
    if (raiz == QLatin1String("CAR") && i >= 0 && i <= 2) {
        if (i == 0)
            f_.JugadasHumano = f_.JugadasMaquina = 0;
        f_.CH[i].Caption = argumento;
        f_.CH[i].Visible = true;
        f_.ICH[i]->setPicture(loadCardPicture(carpeta, argumento), nombreDeCarta(argumento));
        f_.ICH[i]->show();
        return true;
    }
    const int j = codigo.size() == 4 && codigo.startsWith(QLatin1String("CA")) && codigo.endsWith(QLatin1Char('V'))
        ? codigo[2].digitValue() : -1;
    if (j >= 0 && j <= 2) {
        f_.CH[j].Tag = argumento;
        if (j == 2) {
            f_.Ver_Tantos(QStringLiteral("H"));
            f_.TantosMaquina = f_.Ver_Tantos(QStringLiteral("M"));
            panel();
            emit f_.manoRepartida();
        }
        return true;
    }
    if (raiz == QLatin1String("IJM") && i >= 0 && i <= 2) {
        // The peer's card k of its hand, which this table holds too.
        const int k = entero(argumento);
        if (i != f_.JugadasMaquina || k < 0 || k > 2 || !f_.CM[k].Visible || f_.TurnoMaquina || cerrada_)
            return false;
        f_.mostrarCarta(f_.IJM[i], f_.JM[i], f_.CM[k], f_.ICM[k]->picture());
        f_.CM[k].Visible = false;
        f_.decir(f_.LH, QString());
        return true;
    }
    if (codigo == QLatin1String("POSC")) {
        const int n = entero(argumento);
        if (n != f_.JugadasMaquina + 1)
            return false;
        f_.JugadasMaquina = n;
        return true;
    }
    return false;
}

// Trick results and the turn.
bool AsientoRed::recibirJuego(const QString& codigo, const QString& argumento)
{
    if (codigo.size() == 4 && codigo.startsWith(QLatin1String("JUG")) && codigo[3].isDigit()) {
        const int n = codigo[3].digitValue();
        if (n > 2 || n >= f_.JugadasHumano || n >= f_.JugadasMaquina)
            return false;
        f_.Bazas[n] = entero(argumento);
        return true;
    }
    if (codigo == QLatin1String("MANT")) {
        f_.TurnoMaquina = true;
        panel();
        return true;
    }
    if (codigo == QLatin1String("MANF")) {
        f_.TurnoMaquina = false;
        panel();
        return true;
    }
    if (codigo == QLatin1String("JUGT")) {
        RedEnJuego = true;
        panel();
        return true;
    }
    if (codigo == QLatin1String("JUGF")) {
        // The hand is over on the peer's table; its points and the next deal follow.
        cerrada_ = true;
        f_.TurnoMaquina = false;
        panel();
        return true;
    }
    return false;
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
