#include "game/AsientoParejas.h"

#include "game/ColaMesa.h"
#include "game/Form1.h"
#include "motor/JugadorCuatro.h"
#include "platform/Clock.h"
#include "shell/rules/Invitados.h"

#include <algorithm>

using cuatro::Canto;
using cuatro::Jugada;
using cuatro::Movida;
using cuatro::movidaDeBoton;

namespace {

constexpr int kJugador = 0;
// A computer takes a moment over each move, as a person at the table would,
// so the player can follow the cards and the calls.
constexpr double kPausaPc = 0.7;
const QString kApagado = QStringLiteral("0000000000");

}  // namespace

AsientoParejas::AsientoParejas(Form1& f) : f_(f), s_(f.services()) {}

AsientoParejas::~AsientoParejas() = default;

AsientoParejas::Jugadores AsientoParejas::sentar(const QString& nombre, int cara,
                                                 const std::function<int(int)>& sorteo)
{
    Jugadores j;
    j.nombres[kJugador] = nombre;
    j.caras[kJugador] = cara;
    const QString propio = nombre.trimmed();
    const std::vector<Invitado> pcs = invitados(
        3, {cara},
        [&propio](const std::string& n) {
            return QString::fromStdString(n).compare(propio, Qt::CaseInsensitive) == 0;
        },
        sorteo);
    for (int s = 1; s < 4; ++s) {
        j.nombres[s] = QString::fromStdString(pcs[s - 1].nombre);
        j.caras[s] = pcs[s - 1].cara;
    }
    return j;
}

void AsientoParejas::empezar(const QString& nombre, int cara, bool computadoraEmpieza)
{
    Services& s = s_;
    // A match still under way is left with its pauses.
    soltarContexto();
    contexto_ = std::make_unique<QObject>();
    jugadores_ = sentar(nombre, cara, [&s](int n) { return s.clock.uniformInt(0, n - 1); });
    f_.entrarEnCuatro(this);
    // The partner is a computer: nobody would read the chat line.
    f_.mostrarChat(false);
    // The mano leads the first hand: the player, or the computer at his right.
    const int repartidor = computadoraEmpieza ? kJugador : cuatro::anterior(kJugador);
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, repartidor);
    QObject* contexto = contexto_.get();
    partida_.emplace([&s] { return s.clock.uniformInt(0, 39); },
                     [this, &s, contexto](double segundos, std::function<void()> f) {
                         s.clock.despues(segundos, contexto, [this, contexto, f = std::move(f)] {
                             if (contexto != contexto_.get())
                                 return;
                             f();
                             seguir();
                         });
                     });
    for (int k = 1; k < 4; ++k)
        pc_[k] = std::make_unique<cuatro::MaquinaCuatro>(motor::FuenteMaquina{
            [&s] { return s.clock.uniform(); }, [&s] { return s.clock.currentSecond(); }});
    partida_->observar(this);
    partida_->empezar(repartidor);
    seguir();
}

// The match's pauses and computer moves end with it. The context may be the
// one whose call is running now (the last points end the match): it goes
// from the event loop, and whatever it still had queued is dropped.
void AsientoParejas::soltarContexto()
{
    if (contexto_)
        contexto_.release()->deleteLater();
    pcEnCamino_ = false;
    manoEnJuego_ = false;
}

bool AsientoParejas::jugando() const { return partida_ && contexto_ && !partida_->estado().terminado; }

bool AsientoParejas::enReposo() const { return !pcEnCamino_ && !(partida_ && partida_->estado().enPausa); }

bool AsientoParejas::esperaAlJugador(bool respuesta) const
{
    if (!jugando() || !enReposo() || partida_->aQuienLeToca() != kJugador)
        return false;
    const cuatro::ManoCuatro& m = partida_->mano();
    if ((m.pedido() != cuatro::Pedido::Nada) != respuesta)
        return false;
    return respuesta || m.puedeJugar(kJugador) || m.panel(kJugador).find('1') != std::string::npos;
}

bool AsientoParejas::mover(int s, const Movida& m)
{
    if (!partida_ || !contexto_ || !partida_->mover(s, m))
        return false;
    seguir();
    return true;
}

void AsientoParejas::seguir()
{
    if (!partida_ || !contexto_)
        return;
    const cuatro::EstadoCuatro& e = partida_->estado();
    if (e.terminado || e.manoTerminada)
        return;
    const int t = partida_->aQuienLeToca();
    if (t > kJugador && !pcEnCamino_) {
        pcEnCamino_ = true;
        const int mano = e.numeroMano;
        QObject* contexto = contexto_.get();
        s_.clock.despues(kPausaPc, contexto, [this, contexto, t, mano] {
            if (contexto != contexto_.get())
                return;
            pcEnCamino_ = false;
            if (partida_->estado().numeroMano == mano && partida_->aQuienLeToca() == t)
                mover(t, pc_[t]->elegir(cuatro::vista(*partida_, t)));
            seguir();
        });
    } else if (t == kJugador && (esperaAlJugador(true) || esperaAlJugador(false))) {
        f_.ofrecerTurno(esperaAlJugador(true));
    }
}

// ---- The player's moves -----------------------------------------------------------

void AsientoParejas::jugar(int Index)
{
    if (!jugando() || Index < 0 || Index > 2 || !f_.CH[Index].Visible || !partida_->mano().puedeJugar(kJugador))
        return;
    mover(kJugador, Movida::deCarta(f_.CH[Index].Caption.toStdString()));
}

void AsientoParejas::cantar(int Index)
{
    if (!jugando() || Index < 0 || Index > 7 || !f_.bt[Index]->isEnabled())
        return;
    mover(kJugador, movidaDeBoton(Index));
}

void AsientoParejas::alMazo()
{
    if (!jugando() || !f_.AlMazo->isEnabled())
        return;
    mover(kJugador, Movida::de(Jugada::AlMazo));
}

void AsientoParejas::caraCambiada()
{
    const int nueva = f_.carTag.toInt();
    // No computer wears the player's face: one that had it takes his old one.
    for (int s = 1; s < 4; ++s)
        if (jugadores_.caras[s] == nueva)
            jugadores_.caras[s] = jugadores_.caras[kJugador];
    jugadores_.caras[kJugador] = nueva;
    if (partida_)
        f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, partida_->estado().repartidor);
}

void AsientoParejas::partidoTerminado()
{
    soltarContexto();
    f_.salirDeCuatro();
}

void AsientoParejas::abandonar()
{
    soltarContexto();
    partida_.reset();
    // What the match left to draw (a score behind a card in flight) would
    // land on the next one.
    f_.vaciarCola();
    f_.salirDeCuatro();
    f_.disposicionCuatro(false);
}

// ---- What the engine tells ----------------------------------------------------------

void AsientoParejas::repartida(const cuatro::EstadoCuatro& e)
{
    f_.setWindowTitle(Form1::tituloPrograma());
    f_.jugadoresCuatro(jugadores_.nombres, jugadores_.caras, e.repartidor);
    f_.turnoCuatro(false, kApagado);
    const auto& manos = e.mano.manos();
    manoEnJuego_ = true;
    f_.manoCuatro({QString::fromStdString(manos[kJugador][0]), QString::fromStdString(manos[kJugador][1]),
                   QString::fromStdString(manos[kJugador][2])});
}

void AsientoParejas::turno(const std::array<std::string, 4>& paneles, int carta)
{
    f_.turnoCuatro(carta == kJugador, QString::fromStdString(paneles[kJugador]));
}

void AsientoParejas::cartaJugada(int s, int t, const std::string& carta)
{
    const QString c = QString::fromStdString(carta);
    if (s == kJugador) {
        f_.quitarDeLaMano(c);
        f_.turnoCuatro(false, QString::fromStdString(partida_->mano().panel(kJugador)));
    }
    f_.enCola([this, s] { f_.decir(f_.habla(s), QString()); });
    f_.jugadaCuatro(s, t, c);
}

void AsientoParejas::habla(int s, const std::string& texto, bool)
{
    const QString frase = QString::fromStdString(texto);
    const int cara = jugadores_.caras[s];
    f_.enCola([this, s, frase, cara] { f_.decirCuatro(s, frase, cara); });
}

void AsientoParejas::puntos(int pareja, int, int total)
{
    // The player's pair scores on the right, under their names.
    f_.enCola([this, pareja, total] { f_.marcador(pareja == 0, total); });
}

void AsientoParejas::finDeMano(int)
{
    manoEnJuego_ = false;
    f_.Sonar(1, 0, QString());
    f_.turnoCuatro(false, kApagado);
    if (!partida_->estado().terminado)
        f_.setWindowTitle(QStringLiteral("Mezclando cartas..."));
}
