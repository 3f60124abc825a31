#include "game/AsientoCuatro.h"

#include "game/Form1.h"
#include "motor/JugadorCuatro.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"
#include "platform/Clock.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>

using cuatro::Canto;
using cuatro::Jugada;
using cuatro::Movida;

namespace {

const std::string kApagado = "0000000000";
// A computer takes a moment over each move, as a person at the table would.
constexpr double kPausaPc = 0.7;

std::string txt(const QString& s) { return s.toStdString(); }

}  // namespace

AsientoCuatro::AsientoCuatro(Form1& f, Services& s) : f_(f), s_(s) {}

// ---- Order of events ------------------------------------------------------------

void AsientoCuatro::hacer(std::function<void()> accion, int asiento)
{
    cola_.push_back({asiento, std::move(accion)});
    if (asiento > 0)
        maximoEnCola_ = std::max(maximoEnCola_, enCola(asiento));
    seguir();
}

// Runs what waits, in order, unless an action is under way (a send waits for
// its answer) or a pause holds the flow.
void AsientoCuatro::seguir()
{
    if (ocupado_ || enPausa_)
        return;
    ocupado_ = true;
    while (!cola_.empty() && enJuego_ && !enPausa_) {
        auto a = std::move(cola_.front().hacer);
        cola_.pop_front();
        cortado_ = false;
        a();
    }
    if (!enJuego_)
        cola_.clear();
    ocupado_ = false;
    if (terminarPendiente_)
        terminarAlCalmar();
    else if (!enPausa_)
        pcSigue();
}

// A pause of the flow: nothing waits inside it. The rest goes first in the
// queue when the clock calls back, if the match is still played.
void AsientoCuatro::esperar(double segundos, std::function<void()> luego)
{
    enPausa_ = true;
    const int partida = partidaNumero_;
    s_.clock.despues(segundos, &f_, [this, partida, luego = std::move(luego)] {
        if (partida != partidaNumero_)
            return;
        enPausa_ = false;
        if (!enJuego_ || !dea4_)
            return;
        cola_.push_front({0, luego});
        seguir();
    });
}

// What follows a move goes after the pauses the move began.
void AsientoCuatro::alFinal(std::function<void()> f)
{
    if (enPausa_)
        cola_.push_front({0, std::move(f)});
    else
        f();
}

int AsientoCuatro::enCola(int asiento) const
{
    return static_cast<int>(
        std::count_if(cola_.begin(), cola_.end(), [asiento](const Accion& a) { return a.asiento == asiento; }));
}

// A client with more waiting than any honest player can have is flooding:
// he goes as if he had left.
void AsientoCuatro::soltarCliente(int s)
{
    if (dea4_)
        dea4_->Ws(dea4_->asientos.AsientoSocket[s]).soltar();
}

bool AsientoCuatro::activo(int mano) const
{
    return enJuego_ && dea4_ && partida_ && mano == partida_->estado().numeroMano;
}

bool AsientoCuatro::enviarA(int asiento, const std::string& m)
{
    if (cortado_)
        return false;
    const bool ok = enJuego_ && dea4_ && asiento >= 1 && asiento <= 3 &&
                    dea4_->enviar(QString::fromStdString(m), dea4_->asientos.AsientoSocket[asiento]);
    cortado_ = !ok;
    return ok;
}

const cuatro::ManoCuatro& AsientoCuatro::mano() const
{
    static const cuatro::ManoCuatro ninguna;
    return partida_ ? partida_->mano() : ninguna;
}

// ---- The host window ------------------------------------------------------------------

void AsientoCuatro::jugadorAceptado(int) { f_.Sonar(1, 0, QString()); }

void AsientoCuatro::mesaCompleta(const QString& miNombre, int miCara)
{
    f_.entrarEnCuatro(this);
    f_.mostrarPropio(miNombre, miCara);
}

void AsientoCuatro::partidaEmpieza(Dea4& host, const JugadoresCuatro& jugadores, int repartidor)
{
    dea4_ = &host;
    jugadores_ = jugadores;
    repartidor_ = repartidor;
    enJuego_ = true;
    manoEnJuego_ = false;
    cortado_ = false;
    terminarPendiente_ = false;
    maximoEnCola_ = 0;
    panelDebido_.fill(false);
    panelEnviado_.fill(kApagado);
    f_.entrarEnCuatro(this);
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor_);
    f_.chatPara(jugadores_.nombres[2]);
    ++partidaNumero_;
    enPausa_ = false;
    pcEnCamino_ = false;
    for (int s = 1; s < 4; ++s)
        pc_[s] = std::make_unique<cuatro::MaquinaCuatro>(
            motor::FuenteMaquina{[this] { return s_.clock.uniform(); }, [this] { return s_.clock.currentSecond(); }});
    partida_.emplace([this] { return s_.clock.uniformInt(0, 39); },
                     [this](double segundos, std::function<void()> f) { esperar(segundos, std::move(f)); });
    partida_->observar(this);
    hacer([this, repartidor] { partida_->empezar(repartidor); });
}

void AsientoCuatro::partidaTerminada()
{
    // Every connection is closed already; a game played stays on the table,
    // one that never started gives the table back its two seats.
    if (!enJuego_)
        f_.disposicionCuatro(false);
    enJuego_ = false;
    manoEnJuego_ = false;
    // A pause under way ends with the match, and so does a computer's move.
    ++partidaNumero_;
    enPausa_ = false;
    pcEnCamino_ = false;
    cola_.clear();
    panelDebido_.fill(false);
    f_.salirDeCuatro();
}

// The others hear it at the seat of the one who left, where the computer
// now plays, in turn with what they are being sent.
void AsientoCuatro::jugadorRelevado(int asiento, const QString& nombre)
{
    if (!enJuego_ || asiento < 1 || asiento > 3)
        return;
    const QString texto = QStringLiteral("El jugador ") + nombre + QStringLiteral(" se ha desconectado; la PC juega por él");
    hacer([this, asiento, texto] {
        const int cara = jugadores_.caras[asiento];
        f_.enCola([this, asiento, texto, cara] { f_.decirCuatro(asiento, texto, cara); });
        if (dea4_)
            dea4_->CambioMensaje(asiento, texto);
    });
}

bool AsientoCuatro::esPC(int asiento) const { return dea4_ && dea4_->pcEnAsiento(asiento); }

void AsientoCuatro::pcSigue()
{
    if (pcEnCamino_ || !enJuego_ || !partida_)
        return;
    const int t = partida_->aQuienLeToca();
    if (t < 1 || !esPC(t))
        return;
    pcEnCamino_ = true;
    const int partida = partidaNumero_;
    const int mano = partida_->estado().numeroMano;
    s_.clock.despues(kPausaPc, &f_, [this, partida, mano, t] {
        // Its move starts from the event loop itself rather than from inside
        // the handling of another event: a wait for a client's answer begun
        // there can miss the answer (tables in one process showed it, with
        // that client's own send waiting under it).
        QTimer::singleShot(0, &f_, [this, partida, mano, t] {
            if (partida != partidaNumero_)
                return;
            // In turn with what the clients sent meanwhile.
            hacer([this, mano, t] {
                pcEnCamino_ = false;
                if (!activo(mano) || partida_->aQuienLeToca() != t || !esPC(t))
                    return;
                mover(t, pc_[t]->elegir(cuatro::vista(*partida_, t)));
                alFinal([this, mano] {
                    if (activo(mano))
                        paneles();
                });
            });
        });
    });
}

void AsientoCuatro::caraCambiada(int asiento, const QString& nombre, int cara)
{
    jugadores_.nombres[asiento] = nombre;
    jugadores_.caras[asiento] = cara;
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor());
    contarCara(asiento);
}

// Every other client hears of a face change, each from his side.
void AsientoCuatro::contarCara(int asiento)
{
    if (asiento > 0 && enCola(asiento) >= kColaPorCliente)
        return soltarCliente(asiento);
    hacer(
        [this, asiento] {
            for (int s = 1; s <= 3; ++s)
                if (s != asiento)
                    enviarA(s, protocolo::cara(protocolo::asientoRelativo(asiento, s),
                                               txt(jugadores_.nombres[asiento]), jugadores_.caras[asiento]));
        },
        asiento);
}

void AsientoCuatro::recibir(int asiento, const QString& codigo, const QString& argumento)
{
    if (!enJuego_ || asiento < 1 || asiento > 3)
        return;
    if (codigo == QLatin1String("MENS")) {
        // Partners only: the host reads his own partner and passes the
        // opponents' lines between them, in turn with what he sends them.
        const int destino = cuatro::destinoChat(asiento);
        if (destino == 0) {
            f_.decir(f_.LC, QLatin1Char('"') + argumento + QLatin1Char('"'));
            f_.Sonar(15, 0, voz());
            return;
        }
        if (enCola(asiento) >= kColaPorCliente)
            return soltarCliente(asiento);
        const std::string m = protocolo::mens(txt(argumento));
        hacer([this, destino, m] { enviarA(destino, m); }, asiento);
        return;
    }
    moverCliente(asiento, txt(codigo), argumento);
}

namespace {

// A client's card, call, answer or deck as a move; nothing for other codes.
std::optional<Movida> movidaDe(const std::string& c, const QString& argumento)
{
    if (c == "JUGC")
        return Movida::deCarta(argumento.mid(1).toStdString());
    if (c == "4MAZ")
        return Movida::de(Jugada::AlMazo);
    if (c == "4QUI" || c == "4NOQ")
        return Movida::de(c == "4QUI" ? Jugada::Quiero : Jugada::NoQuiero);
    if (const auto llamada = cuatro::cantoDe(c))
        return Movida::deCanto(*llamada);
    return std::nullopt;
}

}  // namespace

bool AsientoCuatro::cambiaLaMano(int s, const std::string& c, const QString& argumento) const
{
    if (!enJuego_ || !partida_)
        return false;
    const auto m = movidaDe(c, argumento);
    if (!m)
        return false;
    // A card names the trick it was played in.
    if (c == "JUGC" && (argumento.isEmpty() ? -1 : argumento[0].digitValue()) != partida_->mano().baza())
        return false;
    return partida_->permitida(s, *m);
}

// A client's card, call, answer or deck. Only a move that changes the hand
// is queued and paced; one refused costs nothing but his panel back.
void AsientoCuatro::moverCliente(int s, const std::string& c, const QString& argumento)
{
    // The client put his panel out when he played.
    panelEnviado_[s] = kApagado;
    if (!cambiaLaMano(s, c, argumento))
        return devolverPanel(s);
    if (enCola(s) >= kColaPorCliente)
        return soltarCliente(s);
    hacer(
        [this, s, c, argumento] {
            panelEnviado_[s] = kApagado;
            const int mano = partida_->estado().numeroMano;
            // What came before it may have made it pointless; a move refused
            // here gives him his panel back.
            if (!cambiaLaMano(s, c, argumento))
                return paneles();
            // Half a second, as if he were at the table.
            esperar(0.5, [this, s, c, argumento, mano] {
                if (!activo(mano))
                    return;
                mover(s, *movidaDe(c, argumento));
                alFinal([this, mano] {
                    if (activo(mano))
                        paneles();
                });
            });
        },
        s);
}

void AsientoCuatro::devolverPanel(int s)
{
    if (panelDebido_[s])
        return;
    panelDebido_[s] = true;
    hacer(
        [this, s] {
            panelDebido_[s] = false;
            paneles();
        },
        s);
}

// ---- The host's own moves ---------------------------------------------------------

void AsientoCuatro::jugar(int Index)
{
    if (Index < 0 || Index > 2 || !f_.CH[Index].Visible || !mano().puedeJugar(0))
        return;
    const std::string carta = txt(f_.CH[Index].Caption);
    hacer([this, carta] { mover(0, Movida::deCarta(carta)); });
}

void AsientoCuatro::cantar(int Index)
{
    if (Index < 0 || Index > 7 || enPausa_ || !f_.bt[Index]->isEnabled())
        return;
    const std::string c(cuatro::codigoDe(Index));
    f_.Botones(QString::fromStdString(kApagado));
    hacer([this, c] {
        if (const auto m = movidaDe(c, QString()))
            mover(0, *m);
        alFinal([this] { paneles(); });
    });
}

void AsientoCuatro::alMazo()
{
    if (enPausa_ || !f_.AlMazo->isEnabled())
        return;
    f_.Botones(QString::fromStdString(kApagado));
    hacer([this] { mover(0, Movida::de(Jugada::AlMazo)); });
}

void AsientoCuatro::caraCambiada()
{
    jugadores_.caras[0] = f_.carTag.toInt();
    contarCara(0);
}

bool AsientoCuatro::chatear(const QString& texto)
{
    if (texto.isEmpty() || !enJuego_)
        return false;
    const std::string m = protocolo::mens(txt(texto));
    hacer([this, m] { enviarA(2, m); });
    return true;
}

void AsientoCuatro::abandonar()
{
    if (alAbandonar)
        alAbandonar();
}

void AsientoCuatro::partidoTerminado()
{
    // Back to the connection window once nothing is left to relay: now, or
    // when the queue says it is done.
    terminarPendiente_ = true;
    if (quieto())
        terminarAlCalmar();
}

void AsientoCuatro::terminarAlCalmar()
{
    // From the event loop, not from inside the action that ended the match.
    QTimer::singleShot(0, &f_, [this] {
        if (!terminarPendiente_ || !quieto())
            return;  // the queue calls again when it is done
        terminarPendiente_ = false;
        if (alTerminar)
            alTerminar();
    });
}

// ---- The match --------------------------------------------------------------------------

void AsientoCuatro::mover(int s, const Movida& m)
{
    if (partida_)
        partida_->mover(s, m);
}

void AsientoCuatro::repartida(const cuatro::EstadoCuatro& e)
{
    turnoAvisado_ = -1;
    f_.setWindowTitle(Form1::tituloPrograma());
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, e.repartidor);
    for (const cuatro::Envio& m : cuatro::pies(e.repartidor))
        if (!enviarA(m.asiento, m.mensaje))
            return;
    for (int s = 1; s <= 3; ++s)
        if (!enviarA(s, "PON0"))
            return;
    turnoPropio(false, kApagado);
    for (int s = 1; s <= 3; ++s) {
        if (panelEnviado_[s] != kApagado && !enviarA(s, protocolo::bton(kApagado)))
            return;
        panelEnviado_[s] = kApagado;
    }
    const auto& manos = e.mano.manos();
    manoEnJuego_ = true;
    f_.manoCuatro({QString::fromStdString(manos[0][0]), QString::fromStdString(manos[0][1]),
                   QString::fromStdString(manos[0][2])});
    for (int s = 1; s <= 3; ++s)
        for (int i = 0; i < 3; ++i)
            if (!enviarA(s, protocolo::ar4(i, manos[s][i])))
                return;
}

void AsientoCuatro::turnoPropio(bool mio, const std::string& panel)
{
    panelEnviado_[0] = panel;
    f_.turnoCuatro(mio, QString::fromStdString(panel));
}

bool AsientoCuatro::esperaAlJugador(bool respuesta) const
{
    // The host's player may press what his panel offers, once the hand is dealt.
    return !respuesta && manoEnJuego_ && partida_ && !partida_->estado().terminado &&
           panelEnviado_[0].find('1') != std::string::npos;
}

void AsientoCuatro::turno(const std::array<std::string, 4>&, int)
{
    if (activo(partida_->estado().numeroMano))
        paneles();
    pcSigue();
}

// Each client's panel as the hand stands, and the card due told to its
// player; the host's own panel and turn light.
void AsientoCuatro::paneles()
{
    const cuatro::ManoCuatro& m = mano();
    const int numero = partida_->estado().numeroMano;
    for (int s = 1; s <= 3; ++s) {
        const std::string p = m.panel(s);
        if (p == panelEnviado_[s])
            continue;
        if (!enviarA(s, protocolo::bton(p)) || !activo(numero))
            return;
        panelEnviado_[s] = p;
    }
    const int t = m.turno();
    if (t > 0 && m.puedeJugar(t) && turnoAvisado_ != t) {
        if (!enviarA(t, "JUGT") || !activo(numero))
            return;
        turnoAvisado_ = t;
    }
    turnoPropio(m.puedeJugar(0), m.panel(0));
}

void AsientoCuatro::cartaJugada(int s, int t, const std::string& carta)
{
    turnoAvisado_ = -1;
    const QString c = QString::fromStdString(carta);
    if (s == 0) {
        f_.quitarDeLaMano(c);
        turnoPropio(false, mano().panel(0));
    }
    f_.enCola([this, s] { f_.decir(f_.habla(s), QString()); });
    f_.jugadaCuatro(s, t, c);
    for (const cuatro::Envio& e : cuatro::relevoJugada(s, t, carta))
        if (!enviarA(e.asiento, e.mensaje))
            return;
}

// A call or an answer goes to everyone else; the envido points said in turn
// reach the speaker too, whose own table does not show them by itself.
void AsientoCuatro::habla(int s, const std::string& texto, bool anuncio)
{
    const QString frase = QString::fromStdString(texto);
    const int cara = jugadores_.caras[s];
    f_.enCola([this, s, frase, cara] { f_.decirCuatro(s, frase, cara); });
    if (!anuncio) {
        if (enJuego_ && dea4_)
            dea4_->CambioMensaje(s, frase);
        return;
    }
    for (const cuatro::Envio& e : cuatro::anuncio(s, texto))
        if (!enviarA(e.asiento, e.mensaje))
            return;
}

void AsientoCuatro::puntos(int pareja, int puntos, int total)
{
    if (!enJuego_)
        return;
    // The clients leave on their own once they have the last points.
    if (partida_->estado().terminado && dea4_)
        dea4_->partidoGanado();
    for (const cuatro::Envio& e : cuatro::darPuntos(pareja, puntos))
        enviarA(e.asiento, e.mensaje);
    f_.enCola([this, pareja, total] { f_.marcador(pareja == 0, total); });
}

void AsientoCuatro::finDeMano(int)
{
    manoEnJuego_ = false;
    f_.Sonar(1, 0, QString());
    turnoPropio(false, kApagado);
    if (partida_->estado().terminado || !activo(partida_->estado().numeroMano))
        return;
    f_.setWindowTitle(QStringLiteral("Mezclando cartas..."));
}
