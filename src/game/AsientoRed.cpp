#include "game/AsientoRed.h"

#include "motor/Reglas.h"
#include "game/Form1.h"
#include "game/ClienteCuatro.h"
#include "net/Enlace.h"
#include "motor/BazaRed.h"
#include "net/rules/Protocolo.h"
#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "shell/f2.h"

#include <QLineEdit>
#include <QTimer>

using red::Pedido;
using red::kLocal;
using red::kPeer;

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
    puedeCantar_ = false;
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

void AsientoRed::anotar(int lado, int puntos)
{
    if (p_.partidoTerminado) {
        f_.setWindowTitle(Form1::tituloPrograma());
        return;
    }
    const bool fin = p_.darPuntos(lado, puntos);
    // This table's own side is "M" on the score.
    f_.mostrarPuntos(lado == kLocal, p_.puntos[lado]);
    if (fin)
        f_.ganaPartido(lado == kLocal);
}

// Points on both tables: "DARH" gives them to the sender's side there.
void AsientoRed::darPuntos(bool local, int puntos)
{
    if (puntos <= 0)
        return;
    // Here first: a match won here ends after the peer has been told too.
    anotar(local ? kLocal : kPeer, puntos);
    enviar(local ? protocolo::darh(puntos) : protocolo::darm(puntos));
}

void AsientoRed::despues(double segundos, std::function<void()> paso)
{
    ++pausas_;
    const int mano = p_.manoNumero;
    s_.clock.despues(segundos, &f_, [this, mano, paso = std::move(paso)] {
        --pausas_;
        if (mano == p_.manoNumero && enlace_)
            paso();
    });
}

// ---- Panels -------------------------------------------------------------------

bool AsientoRed::esperaAlJugador(bool respuesta) const
{
    const red::Vista v = p_.vista(kLocal);
    return respuesta ? v.responde != Pedido::Nada : v.turno;
}

std::string AsientoRed::panelLocal() const { return p_.panel(kLocal); }
std::string AsientoRed::panelDelPeer() const { return p_.panel(kPeer); }

// The local panel follows the state of the hand; the player may press
// something exactly when the panel offers it.
void AsientoRed::panel()
{
    const std::string m = panelLocal();
    f_.Botones(QString::fromStdString(m));
    puedeCantar_ = m.find('1') != std::string::npos;
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
    p_ = red::EstadoRed{};
    pausas_ = 0;
    jugando_ = false;
    f_.sentarEnRed(this);
    f_.salirDelPartido();
    RedEnJuego = true;
    f_.marcadorACero();
    f_.Botones(QStringLiteral("0000000000"));
    puedeCantar_ = false;
    f_.nombreEnMarcador(true, miNombre_);
    f_.mostrarPropio(miNombre_, miCara_);
    f_.mostrarChat(true);
}

void AsientoRed::saludoHecho(const QString& nombrePeer, int caraPeer)
{
    if (enCuatro_)
        return;  // the host's dummy name: the seats come with "CARA"
    nombrePeer_ = nombrePeer;
    caraPeer_ = caraPeer;
    f_.nombreEnMarcador(false, nombrePeer_);
    f_.nombreEnMarcador(true, miNombre_);
    f_.mostrarRival(nombrePeer_, caraPeer_);
    f_.chatPara(nombrePeer_);
    if (!servidor_)
        return;

    // The server chooses who starts and whether flor is played.
    f2& o = f_.opciones();
    o.paraRed(nombrePeer_.isEmpty() ? QStringLiteral("[Anónimo]") : nombrePeer_, miNombre_);
    emit f_.ventanaModal(&o);
    o.mostrar(miCara_);
    o.paraMaquina();
    const f2::Eleccion e = o.eleccion();
    p_.conFlor = e.conFlor;
    const bool empiezaPeer = e.computadoraEmpieza;
    if (!enviar(protocolo::confDos(txt(empiezaPeer ? nombrePeer_ : miNombre_), e.conFlor)))
        return;
    // The deal inverts the mano: start from the other side.
    p_.peerEsMano = !empiezaPeer;
    if (!p_.peerEsMano && !enviar("EMPT"))
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
        cuatro_->redTerminada(porElPeer);
        return;
    }
    const bool fin = p_.puntos[kLocal] >= reglas::kPartido || p_.puntos[kPeer] >= reglas::kPartido;
    if (porElPeer && !fin && enlace_)
        s_.dialogs.message(&f_, Dialogs::Icon::Error, Form1::tituloPrograma(),
                           QStringLiteral("El contrincante ") + f_.NombreC->caption() + QStringLiteral(" se ha desconectado"));
    // The table stays as it is; a new game starts from the menu.
    enlace_ = nullptr;
    RedEnJuego = false;
    puedeCantar_ = false;
    p_.manoTerminada = true;
    f_.Botones(QStringLiteral("0000000000"));
    f_.sentarEnRed(nullptr);
    f_.mostrarChat(false);
}

void AsientoRed::partidoTerminado()
{
    // Back to the connection window once the winner's box is closed.
    p_.peerEsMano = false;
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
    p_.nuevaMano();
    f_.limpiarManoDos();
    s_.clock.reseed();
    p_.repartir([this] { return s_.clock.uniformInt(0, 39); });
    for (int i = 0; i < 3; ++i) {
        f_.ponerCartaDos(false, i, p_.manos[kPeer][i].codigo, p_.manos[kPeer][i].valor);
    }
    for (int i = 0; i < 3; ++i)
        f_.ponerCartaDos(true, i, p_.manos[kLocal][i].codigo, p_.manos[kLocal][i].valor);
    f_.Botones(QStringLiteral("-----0----"));
    p_.contarFlores();
    f_.mostrarManoPropia();
    emit f_.manoRepartida();

    for (int i = 0; i < 3; ++i)
        if (!enviar(protocolo::cam(i, p_.manos[kLocal][i].codigo)))
            return;
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::cvm(i, p_.manos[kLocal][i].valor));
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::car(i, p_.manos[kPeer][i].codigo));
    for (int i = 0; i < 3; ++i)
        enviar(protocolo::caV(i, p_.manos[kPeer][i].valor));
    panel();
    enviar(protocolo::bton(panelDelPeer()));
}

// ---- Cards --------------------------------------------------------------------------

void AsientoRed::jugar(int Index)
{
    if (jugando_ || !p_.vista(kLocal).turno || pausas_ > 0 || Index < 0 || Index > 2 || !p_.manos[kLocal][Index].enMano)
        return;
    jugando_ = true;
    f_.decir(f_.LC, QString());
    f_.Botones(QStringLiteral("0000000000"));
    const int t = p_.jugar(kLocal, Index);
    f_.jugarCartaDos(true, t, Index);
    p_.turnoLocal = false;
    puedeCantar_ = false;
    jugando_ = false;
    if (!enviar(protocolo::ijm(t, Index)) || !enviar(protocolo::posc(p_.jugadasN[kLocal])))
        return;
    if (p_.jugadasN[kLocal] > p_.jugadasN[kPeer])
        pasarTurnoAlPeer();
    else
        cerrarBaza(t);
}

void AsientoRed::pasarTurnoAlPeer()
{
    p_.turnoLocal = false;
    panel();
    if (enviar("MANT") && enviar("JUGT"))
        enviar(protocolo::bton(panelDelPeer()));
}

// This table put down the second card of trick t: it settles the trick.
void AsientoRed::cerrarBaza(int t)
{
    const red::TrasBaza sigue = p_.cerrarBaza(t);
    if (!enviar(protocolo::jug(t, 2 - p_.bazas[t])))
        return;
    switch (sigue) {
    case red::TrasBaza::GanaLocal: finDeMano(true, false); break;
    case red::TrasBaza::GanaPeer: finDeMano(false, false); break;
    case red::TrasBaza::LideraLocal:
        p_.turnoLocal = true;
        panel();
        enviar("MANF");
        break;
    case red::TrasBaza::LideraPeer: pasarTurnoAlPeer(); break;
    }
}

// The hand ended here: both tables score it and this one deals the next.
void AsientoRed::finDeMano(bool ganaLocal, bool sinPuntos)
{
    if (p_.manoTerminada)
        return;
    f_.cerrarManoDos();
    puedeCantar_ = false;
    p_.manoTerminada = true;
    p_.bazas = {0, 0, 0};
    p_.jugadasN = {0, 0};
    p_.cerrada = true;
    p_.turnoLocal = false;
    if (!enviar("JUGF"))
        return;
    if (!sinPuntos)
        darPuntos(ganaLocal, p_.valorDeLaMano());
    if (p_.contraflor && !p_.partidoTerminado) {
        p_.contraflor = false;
        darPuntos(p_.ganaContraflorLocal(), 6);
    }
    if (p_.partidoTerminado || !enlace_)
        return;
    puedeCantar_ = true;
    f_.setWindowTitle(QStringLiteral("Mezclando cartas..."));
    despues(1, [this] {
        if (!p_.partidoTerminado)
            repartirRed();
    });
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
        f_.mostrarRival(nombre, caraPeer_);
        return true;
    }
    if (codigo == QLatin1String("NICK"))
        return true;  // for a four-player host; nothing here
    if (codigo == QLatin1String("CONF")) {
        // The server configures the match once; a repeat is no new box.
        if (configurado_)
            return true;
        configurado_ = true;
        p_.conFlor = argumento.endsWith(QLatin1String("SI"));
        ++pausas_;
        s_.clock.despues(0.5, &f_, [this, argumento] {
            --pausas_;
            s_.dialogs.message(&f_, Dialogs::Icon::Information, QStringLiteral("Configuración del juego"), argumento);
        });
        return true;
    }
    if (codigo == QLatin1String("EMPT")) {
        p_.peerEsMano = true;
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
        puedeCantar_ = panelLocal().find('1') != std::string::npos;
        return true;
    }
    if (recibirCarta(codigo, argumento) || recibirJuego(codigo, argumento) || recibirCanto(codigo, argumento))
        return true;
    return false;
}

bool AsientoRed::recibirPuntos(const QString& codigo, int puntos)
{
    anotar(codigo == QLatin1String("DARM") ? kLocal : kPeer, puntos);
    if (p_.esperandoTanteo) {
        p_.esperandoTanteo = false;
        p_.envidoResuelto = true;
        p_.tanto = 0;
    }
    panel();
    return true;
}

// The deal and the cards the peer plays.
bool AsientoRed::recibirCarta(const QString& codigo, const QString& argumento)
{
    const QString raiz = codigo.left(3);
    const int i = codigo.size() == 4 ? codigo[3].digitValue() : -1;
    if (raiz == QLatin1String("CAM") && i >= 0 && i <= 2) {
        if (i == 0) {
            p_.nuevaMano();
            f_.limpiarManoDos();
        }
        p_.ponerCarta(kPeer, i, txt(argumento));
        f_.ponerCartaDos(false, i, p_.manos[kPeer][i].codigo, 0);
        return true;
    }
    if (raiz == QLatin1String("CVM") && i >= 0 && i <= 2) {
        // The peer's word for the value of its card: the table shows it.
        p_.manos[kPeer][i].valor = entero(argumento);
        f_.valorDeCarta(false, i, argumento);
        return true;
    }
    if (raiz == QLatin1String("CAR") && i >= 0 && i <= 2) {
        if (i == 0)
            p_.jugadasN = {0, 0};
        p_.ponerCarta(kLocal, i, txt(argumento));
        f_.ponerCartaDos(true, i, p_.manos[kLocal][i].codigo, 0);
        f_.mostrarCartaPropia(i);
        return true;
    }
    const int j = codigo.size() == 4 && codigo.startsWith(QLatin1String("CA")) && codigo.endsWith(QLatin1Char('V'))
        ? codigo[2].digitValue() : -1;
    if (j >= 0 && j <= 2) {
        p_.manos[kLocal][j].valor = entero(argumento);
        f_.valorDeCarta(true, j, argumento);
        if (j == 2) {
            p_.contarFlores();
            panel();
            emit f_.manoRepartida();
        }
        return true;
    }
    if (raiz == QLatin1String("IJM") && i >= 0 && i <= 2) {
        // The peer's card k of its hand, which this table holds too.
        const int k = entero(argumento);
        if (i != p_.jugadasN[kPeer] || k < 0 || k > 2 || !p_.manos[kPeer][k].enMano || p_.turnoLocal || p_.cerrada)
            return false;
        p_.jugadas[kPeer][i] = p_.manos[kPeer][k];
        p_.manos[kPeer][k].enMano = false;
        f_.jugarCartaDos(false, i, k);
        f_.decir(f_.LH, QString());
        return true;
    }
    if (codigo == QLatin1String("POSC")) {
        // The count follows the card: the trick is the peer's once it says so.
        const int n = entero(argumento);
        if (n != p_.jugadasN[kPeer] + 1)
            return false;
        p_.jugadasN[kPeer] = n;
        return true;
    }
    return false;
}

// Trick results and the turn.
bool AsientoRed::recibirJuego(const QString& codigo, const QString& argumento)
{
    if (codigo.size() == 4 && codigo.startsWith(QLatin1String("JUG")) && codigo[3].isDigit()) {
        const int n = codigo[3].digitValue();
        if (n > 2 || n >= p_.jugadasN[kLocal] || n >= p_.jugadasN[kPeer])
            return false;
        p_.bazas[n] = entero(argumento);
        return true;
    }
    if (codigo == QLatin1String("MANT")) {
        p_.turnoLocal = true;
        panel();
        return true;
    }
    if (codigo == QLatin1String("MANF")) {
        p_.turnoLocal = false;
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
        p_.cerrada = true;
        p_.turnoLocal = false;
        panel();
        return true;
    }
    return false;
}
