#include "game/AsientoRed.h"

#include "motor/Reglas.h"
#include "game/Form1.h"
#include "game/ClienteCuatro.h"
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

int entero(const QString& s) { return s.trimmed().toInt(); }

}  // namespace

AsientoRed::AsientoRed(Form1& f, Services& s) : f_(f), s_(s) {}

AsientoRed::~AsientoRed() = default;

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
    enCuatro_ = false;
    f_.disposicionCuatro(false);
    servidor_ = servidor;
    miNombre_ = miNombre;
    miCara_ = miCara;
    configurado_ = false;
    limpiarPedidos();
    f_.sentarEnRed(this);
    f_.RedDos = true;
    f_.salirDelPartido();
    RedEnJuego = true;
    f_.PartidoTerminado = false;
    f_.ManoTerminada = true;
    f_.MaquinaEsMano = false;
    f_.VarianteJuego = 1;  // both dealers use the whole deck
    f_.marcadorACero();
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
    if (enCuatro_)
        return;  // the host's dummy name: the seats come with "CARA"
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
    if (enCuatro_) {
        enCuatro_ = false;
        enlace_ = nullptr;
        RedEnJuego = false;
        f_.RedDos = false;
        cuatro_->redTerminada(porElPeer);
        return;
    }
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

bool AsientoRed::chatear(const QString& texto)
{
    return !texto.isEmpty() && enviarDirecto(protocolo::mens(txt(texto)));
}

void AsientoRed::abandonar()
{
    if (alAbandonar)
        alAbandonar();
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

// ---- Receiving --------------------------------------------------------------------

bool AsientoRed::recibir(const QString& codigo, const QString& argumento)
{
    if (enCuatro_)
        return cuatro_->recibir(codigo, argumento);
    if (codigo == QLatin1String("DEA4") && enlace_ && !servidor_) {
        // The other side is the host of a four-player game.
        enCuatro_ = true;
        cuatro_ = std::make_unique<ClienteCuatro>(f_, s_, *enlace_, miNombre_, miCara_);
        cuatro_->alTerminar = [this] { terminarCuandoCalle(); };
        cuatro_->alAbandonar = [this] { abandonar(); };
        return true;
    }
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
        // The server configures the match once; a repeat is no new box.
        if (configurado_)
            return true;
        configurado_ = true;
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

