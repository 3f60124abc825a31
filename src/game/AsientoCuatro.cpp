#include "game/AsientoCuatro.h"

#include "motor/Reglas.h"
#include "game/Form1.h"
#include "motor/Cartas.h"
#include "net/Dea4.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"
#include "platform/Clock.h"

#include <QLineEdit>
#include <QTimer>
#include <algorithm>

using cuatro::Canto;

namespace {

const std::string kApagado = "0000000000";

std::string txt(const QString& s) { return s.toStdString(); }

}  // namespace

AsientoCuatro::AsientoCuatro(Form1& f, Services& s) : f_(f), s_(s) {}

// ---- Order of events ------------------------------------------------------------

void AsientoCuatro::hacer(std::function<void()> accion, int asiento)
{
    cola_.push_back({asiento, std::move(accion)});
    if (asiento > 0)
        maximoEnCola_ = std::max(maximoEnCola_, enCola(asiento));
    if (ocupado_)
        return;
    ocupado_ = true;
    while (!cola_.empty() && enJuego_) {
        auto a = std::move(cola_.front().hacer);
        cola_.pop_front();
        a();
    }
    cola_.clear();
    ocupado_ = false;
    if (terminarPendiente_)
        terminarAlCalmar();
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

bool AsientoCuatro::activo(int mano) const { return enJuego_ && dea4_ && mano == manoNumero_; }

bool AsientoCuatro::enviarA(int asiento, const std::string& m)
{
    return enJuego_ && dea4_ && asiento >= 1 && asiento <= 3 &&
           dea4_->enviar(QString::fromStdString(m), dea4_->asientos.AsientoSocket[asiento]);
}

// ---- The host window ------------------------------------------------------------------

void AsientoCuatro::jugadorAceptado(int) { f_.Sonar(1, 0, QString()); }

void AsientoCuatro::mesaCompleta(const QString& miNombre, int miCara)
{
    f_.entrarEnCuatro(this);
    f_.carTag = QString::number(miCara);
    f_.car[0]->setToolTip(miNombre);
}

void AsientoCuatro::partidaEmpieza(Dea4& host, const JugadoresCuatro& jugadores, int repartidor)
{
    dea4_ = &host;
    jugadores_ = jugadores;
    repartidor_ = repartidor;
    puntos_ = {0, 0};
    enJuego_ = true;
    finPartido_ = false;
    terminarPendiente_ = false;
    maximoEnCola_ = 0;
    panelDebido_.fill(false);
    panelEnviado_.fill(kApagado);
    f_.entrarEnCuatro(this);
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor_);
    f_.mensaje->setToolTip(QStringLiteral("Mensaje para ") + jugadores_.nombres[2]);
    hacer([this] { repartir4(); });
}

void AsientoCuatro::partidaTerminada()
{
    // Every connection is closed already; a game played stays on the table,
    // one that never started gives the table back its two seats.
    if (!enJuego_)
        f_.disposicionCuatro(false);
    enJuego_ = false;
    cola_.clear();
    panelDebido_.fill(false);
    diferida_.reset();
    f_.salirDeCuatro();
}

void AsientoCuatro::caraCambiada(int asiento, const QString& nombre, int cara)
{
    jugadores_.nombres[asiento] = nombre;
    jugadores_.caras[asiento] = cara;
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor_);
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

bool AsientoCuatro::cambiaLaMano(int s, const std::string& c, const QString& argumento) const
{
    if (!enJuego_)
        return false;
    cuatro::ManoCuatro prueba = mano_;
    if (c == "JUGC") {
        const int t = argumento.isEmpty() ? -1 : argumento[0].digitValue();
        const std::string carta = txt(argumento.mid(1));
        if (t != mano_.baza())
            return false;
        if (prueba.jugar(s, carta))
            return true;
        // A card due while a call waits goes down after it.
        return !mano_.terminada() && mano_.turno() == s && mano_.enMano(s, carta) &&
               diferida_ != std::make_pair(s, carta);
    }
    if (c == "4MAZ")
        return prueba.alMazo(s).has_value();
    if (c == "4QUI" || c == "4NOQ")
        return prueba.responder(s, c == "4QUI").has_value();
    if (const auto llamada = cuatro::cantoDe(c))
        return prueba.cantar(s, *llamada);
    return false;
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
            const int mano = manoNumero_;
            // What came before it may have made it pointless.
            if (cambiaLaMano(s, c, argumento)) {
                f_.Pausa(0.5);
                if (!activo(mano))
                    return;
                if (c == "JUGC")
                    jugada(s, txt(argumento.mid(1)));
                else if (c == "4MAZ")
                    mazo(s);
                else if (c == "4QUI" || c == "4NOQ")
                    respuesta(s, c == "4QUI");
                else if (const auto llamada = cuatro::cantoDe(c))
                    canto(s, *llamada, QString::fromUtf8(cuatro::fraseDe(c)));
            }
            // A move refused here gives him his panel back.
            if (activo(mano))
                paneles();
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
    if (Index < 0 || Index > 2 || !f_.CH[Index].Visible || !mano_.puedeJugar(0))
        return;
    const std::string carta = txt(f_.CH[Index].Caption);
    hacer([this, carta] { jugada(0, carta); });
}

void AsientoCuatro::cantar(int Index)
{
    if (Index < 0 || Index > 7 || f_.PausaActiva || !f_.bt[Index]->isEnabled())
        return;
    const std::string c(cuatro::codigoDe(Index));
    f_.Botones(QString::fromStdString(kApagado));
    hacer([this, Index, c] {
        if (Index == 1 || Index == 3)
            respuesta(0, Index == 1);
        else if (const auto llamada = cuatro::cantoDe(c))
            canto(0, *llamada, QString::fromUtf8(cuatro::fraseDe(c)));
        paneles();
    });
}

void AsientoCuatro::alMazo()
{
    if (f_.PausaActiva || !f_.AlMazo->isEnabled())
        return;
    f_.Botones(QString::fromStdString(kApagado));
    hacer([this] { mazo(0); });
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

// ---- The hand ---------------------------------------------------------------------------

void AsientoCuatro::repartir4()
{
    const int mano = ++manoNumero_;
    diferida_.reset();
    turnoAvisado_ = -1;
    f_.setWindowTitle(Form1::tituloPrograma());
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor_);
    for (const cuatro::Envio& e : cuatro::pies(repartidor_))
        if (!enviarA(e.asiento, e.mensaje))
            return;
    for (int s = 1; s <= 3; ++s)
        if (!enviarA(s, "PON0"))
            return;
    f_.turnoCuatro(false, QString::fromStdString(kApagado));
    for (int s = 1; s <= 3; ++s) {
        if (panelEnviado_[s] != kApagado && !enviarA(s, protocolo::bton(kApagado)))
            return;
        panelEnviado_[s] = kApagado;
    }

    // Three cards each: the partner, the host, the right-hand and the
    // left-hand player.
    s_.clock.reseed();
    std::array<bool, 40> usada{};
    const auto idx = reglas::repartirIndices<12>(1, usada, [this] { return s_.clock.uniformInt(0, 39); });
    cuatro::ManoCuatro::Manos manos;
    int n = 0;
    for (int s : {2, 0, 1, 3})
        for (int i = 0; i < 3; ++i)
            manos[s][i] = reglas::mazo()[idx[n++]];
    mano_ = cuatro::ManoCuatro(repartidor_, manos);
    f_.ManoTerminada = false;
    f_.manoCuatro({QString::fromStdString(manos[0][0]), QString::fromStdString(manos[0][1]),
                   QString::fromStdString(manos[0][2])});
    for (int s = 1; s <= 3; ++s)
        for (int i = 0; i < 3; ++i)
            if (!enviarA(s, protocolo::ar4(i, manos[s][i])))
                return;
    if (activo(mano))
        paneles();
}

// Each client's panel as the hand stands, and the card due told to its
// player; the host's own panel and turn light.
void AsientoCuatro::paneles()
{
    const int mano = manoNumero_;
    for (int s = 1; s <= 3; ++s) {
        const std::string p = mano_.panel(s);
        if (p == panelEnviado_[s])
            continue;
        if (!enviarA(s, protocolo::bton(p)) || !activo(mano))
            return;
        panelEnviado_[s] = p;
    }
    const int t = mano_.turno();
    if (t > 0 && mano_.puedeJugar(t) && turnoAvisado_ != t) {
        if (!enviarA(t, "JUGT") || !activo(mano))
            return;
        turnoAvisado_ = t;
    }
    f_.turnoCuatro(mano_.puedeJugar(0), QString::fromStdString(mano_.panel(0)));
}

void AsientoCuatro::jugada(int s, const std::string& carta)
{
    const int mano = manoNumero_;
    const int t = mano_.baza();
    std::optional<cuatro::Analisis> analisis;
    if (!mano_.jugar(s, carta, &analisis)) {
        // A card due while a call waits for its answer goes down after it.
        if (!mano_.terminada() && mano_.turno() == s && mano_.enMano(s, carta))
            diferida_ = std::make_pair(s, carta);
        return;
    }
    turnoAvisado_ = -1;
    const QString c = QString::fromStdString(carta);
    if (s == 0) {
        for (int i = 0; i < 3; ++i) {
            if (f_.CH[i].Caption == c && f_.CH[i].Visible) {
                f_.CH[i].Visible = false;
                f_.ICH[i]->hide();
            }
        }
        f_.turnoCuatro(false, QString::fromStdString(mano_.panel(0)));
    }
    f_.enCola([this, s] { f_.decir(f_.habla(s), QString()); });
    f_.jugadaCuatro(s, t, c);
    for (const cuatro::Envio& e : cuatro::relevoJugada(s, t, carta))
        if (!enviarA(e.asiento, e.mensaje))
            return;
    if (!activo(mano))
        return;
    if (mano_.terminada()) {
        darPuntos(mano_.ganaHost(), mano_.valor());
        finDeMano();
        return;
    }
    paneles();
}

void AsientoCuatro::sigueDiferida()
{
    if (!diferida_)
        return;
    const auto [s, carta] = *diferida_;
    diferida_.reset();
    if (mano_.puedeJugar(s))
        jugada(s, carta);
}

void AsientoCuatro::hablar(int s, const QString& frase)
{
    const int cara = jugadores_.caras[s];
    f_.enCola([this, s, frase, cara] { f_.decirCuatro(s, frase, cara); });
    if (enJuego_ && dea4_)
        dea4_->CambioMensaje(s, frase);
}

void AsientoCuatro::canto(int s, Canto c, const QString& frase)
{
    const int mano = manoNumero_;
    if (!mano_.cantar(s, c))
        return;  // not for this player now: nothing is said
    hablar(s, frase);
    if (activo(mano))
        paneles();
}

void AsientoCuatro::respuesta(int s, bool quiero)
{
    const int mano = manoNumero_;
    const auto e = mano_.responder(s, quiero);
    if (!e)
        return;
    hablar(s, quiero ? QStringLiteral("Quiero") : QStringLiteral("No Quiero"));
    if (activo(mano))
        efecto(*e);
}

void AsientoCuatro::mazo(int s)
{
    const int mano = manoNumero_;
    const auto e = mano_.alMazo(s);
    if (!e)
        return;
    hablar(s, QStringLiteral("Me voy al mazo"));
    if (activo(mano))
        efecto(*e);
}

void AsientoCuatro::efecto(const cuatro::Efecto& e)
{
    const int mano = manoNumero_;
    switch (e.tipo) {
    case cuatro::Efecto::Tipo::Sigue: break;
    case cuatro::Efecto::Tipo::Tanteo:
        paneles();
        tantear();
        if (!activo(mano))
            return;
        mano_.tanteado();
        break;
    case cuatro::Efecto::Tipo::PuntosSigue:
        darPuntos(e.paraHost, e.puntos);
        break;
    case cuatro::Efecto::Tipo::PuntosFin:
        darPuntos(e.paraHost, e.puntos);
        finDeMano();
        return;
    }
    if (!activo(mano) || finPartido_)
        return;
    paneles();
    sigueDiferida();
}

// An accepted envido: each player's points in turn from the mano, and the
// stake to the pair with the best.
void AsientoCuatro::tantear()
{
    const int mano = manoNumero_;
    std::array<int, 4> tantos{};
    for (int s = 0; s < 4; ++s)
        tantos[s] = cuatro::tantosLado(mano_.manos()[s]).envido;
    const cuatro::EnvidoMesa m = cuatro::envidoMesa(tantos, repartidor_);
    for (const cuatro::Anuncio& a : m.anuncios) {
        f_.Pausa(1.5);
        if (!activo(mano))
            return;
        const QString frase = QString::fromStdString(a.frase);
        const int cara = jugadores_.caras[a.asiento];
        f_.enCola([this, a, frase, cara] { f_.decirCuatro(a.asiento, frase, cara); });
        for (const cuatro::Envio& e : cuatro::anuncio(a.asiento, a.frase))
            if (!enviarA(e.asiento, e.mensaje))
                return;
    }
    const bool paraHost = cuatro::mismaPareja(m.mejor, 0);
    const int perdedor = puntos_[paraHost ? 1 : 0];
    darPuntos(paraHost, mano_.falta() ? reglas::puntosFalta(perdedor) : mano_.tantoEnJuego());
}

void AsientoCuatro::darPuntos(bool paraHost, int puntos)
{
    if (puntos <= 0 || finPartido_ || !enJuego_)
        return;
    int& total = puntos_[paraHost ? 0 : 1];
    total = std::min(total + puntos, static_cast<int>(reglas::kPartido));
    if (total >= reglas::kPartido) {
        // The clients leave on their own once they have the last points.
        finPartido_ = true;
        if (dea4_)
            dea4_->partidoGanado();
    }
    for (const cuatro::Envio& e : cuatro::darPuntos(paraHost ? 0 : 1, puntos))
        enviarA(e.asiento, e.mensaje);
    const QString lado = paraHost ? QStringLiteral("M") : QStringLiteral("H");
    f_.enCola([this, lado, puntos] { f_.DarPuntos(lado, puntos); });
}

void AsientoCuatro::finDeMano()
{
    const int mano = manoNumero_;
    f_.ManoTerminada = true;
    f_.Sonar(1, 0, QString());
    f_.turnoCuatro(false, QString::fromStdString(kApagado));
    if (finPartido_ || !activo(mano))
        return;
    f_.setWindowTitle(QStringLiteral("Mezclando cartas..."));
    f_.Pausa(1);
    if (!activo(mano) || finPartido_)
        return;
    repartidor_ = cuatro::siguienteRepartidor(repartidor_);
    repartir4();
}
