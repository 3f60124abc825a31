#include "game/AsientoMaquina.h"

#include "game/FFlor.h"
#include "game/Form1.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "shell/Publicidad.h"
#include "shell/f2.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <climits>

namespace {
constexpr int kJugador = 0;
constexpr int kPc = 1;
// The computer takes a moment before its card of the first trick.
constexpr double kPausaPrimeraCarta = 0.5;

QString codigo(int carta) { return QString::fromStdString(reglas::mazo()[carta]); }
}  // namespace

AsientoMaquina::AsientoMaquina(Form1& f) : f_(f) {}

AsientoMaquina::~AsientoMaquina()
{
    for (const QPointer<FFlor>& w : versos_)
        if (w)
            w->deleteLater();
}

void AsientoMaquina::empezar(const motor::Opciones& o)
{
    Services& s = f_.services();
    // A match still under way is left with its pauses and its verse window.
    if (verso_)
        verso_->retirar();
    contexto_ = std::make_unique<QObject>();
    pcEnCamino_ = false;
    QObject* contexto = contexto_.get();
    partida_ = std::make_unique<motor::Partida>(
        o, [&s] { return s.clock.uniformInt(0, 39); },
        [this, &s, contexto](double segundos, std::function<void()> f) {
            s.clock.despues(segundos, contexto, [this, f = std::move(f)] {
                f();
                seguir();
            });
        });
    vista_ = std::make_unique<mesa::Presentador>(*partida_, *this, [&s] { return s.clock.uniform(); });
    pc_ = std::make_unique<motor::JugadorNormal>(
        motor::FuenteMaquina{[&s] { return s.clock.uniform(); }, [&s] { return s.clock.currentSecond(); }});
    pensando_ = false;
    dificil_.reset();
    // The "Normal" level draws nothing more than it always did.
    if (f_.opciones().eleccion().nivel == 1) {
        dificil_ = std::make_unique<motor::JugadorDificil>(static_cast<std::uint64_t>(s.clock.uniformInt(0, INT_MAX)),
                                                           motor::JugadorDificil::kSimulacionesMesa);
        // Off this thread too, while the first cards are dealt.
        (void)QtConcurrent::run(motor::prepararBusqueda);
    }
    mostrarNivel(true);
    partida_->observar(vista_.get());
    partida_->empezar();
    seguir();
}

void AsientoMaquina::abandonar()
{
    if (verso_)
        verso_->retirar();
    contexto_.reset();
    panelSinMostrar_.reset();
    vista_.reset();
    partida_.reset();
    pcEnCamino_ = false;
    pensando_ = false;
    mostrarNivel(false);
}

bool AsientoMaquina::mover(const motor::Movida& m)
{
    if (!partida_ || !partida_->mover(kJugador, m))
        return false;
    seguir();
    return true;
}

void AsientoMaquina::jugar(int Index)
{
    if (!esperaJugada() || Index < 0 || Index > 2 || !partida_->estado().enMano[kJugador][Index])
        return;
    mover({motor::Accion::Carta, Index});
}

void AsientoMaquina::cantar(int Index)
{
    if (!vista_ || Index < 0 || Index > 9)
        return;
    // Only what the panel offers does something.
    if (vista_->panel()[static_cast<std::size_t>(Index)] != '1')
        return;
    const motor::Movida m = vista_->movidaDelBoton(Index);
    vista_->pulso();
    mover(m);
}

void AsientoMaquina::seguir()
{
    if (!partida_)
        return;
    const motor::Estado& e = partida_->estado();
    const bool sonBuenas = e.concesion.cede == kJugador;
    const int turno = partida_->aQuienLeToca();
    const bool pcAhora = !e.terminado && turno == kPc && !pcEnCamino_ && !pensando_;
    const bool primera = e.jugadasN[kPc] == 0 && !e.pedido.activo && !e.pedidoEnvido.activo && !e.pedidoFlor.activo
                         && e.concesion.cede < 0;
    if (pcAhora && !primera && !dificil_) {
        // Answers and later cards come at once, as the player's move ends,
        // before the table is drawn again: the panel of the computer's turn
        // (all off) would never be seen. Only a box opened by its move shows
        // it, and that puts it up first.
        panelSinMostrar_ = sonBuenas;
        jugarPc();
        return;
    }
    panelSinMostrar_.reset();
    f_.Botones(vista_->panel());
    f_.noQuieroOSonBuenas(sonBuenas);
    if (e.terminado)
        return;
    if (pcAhora) {
        if (!primera) {
            jugarPc();
            return;
        }
        pcEnCamino_ = true;
        f_.services().clock.despues(kPausaPrimeraCarta, contexto_.get(), [this] {
            pcEnCamino_ = false;
            if (partida_->aQuienLeToca() == kPc) {
                jugarPc();
                return;
            }
            seguir();
        });
    } else if (turno == kJugador && (esperaRespuesta() || esperaJugada())) {
        f_.ofrecerTurno(esperaRespuesta());
    }
}

void AsientoMaquina::jugarPc()
{
    if (dificil_) {
        pensar();
        return;
    }
    partida_->mover(kPc, pc_->elegir(*partida_, kPc));
    seguir();
}

void AsientoMaquina::pensar()
{
    pensando_ = true;
    const motor::Estado visto = partida_->estado();
    const std::uint64_t semilla = dificil_->siguienteSemilla();
    const int simulaciones = dificil_->simulaciones();
    // The watcher dies with the match: a search still running then is never heard.
    auto* w = new QFutureWatcher<motor::Movida>(contexto_.get());
    QObject::connect(w, &QFutureWatcherBase::finished, contexto_.get(), [this, w, visto] {
        w->deleteLater();
        pensando_ = false;
        // A move thought for a moment that has passed is dropped.
        if (partida_ && partida_->estado() == visto && partida_->aQuienLeToca() == kPc)
            partida_->mover(kPc, w->result());
        seguir();
    });
    w->setFuture(QtConcurrent::run([visto, semilla, simulaciones] {
        return motor::buscarJugada(visto, kPc, simulaciones, semilla);
    }));
}

void AsientoMaquina::mostrarNivel(bool visible)
{
    f_.mostrarNivel(!visible ? QString() : dificil_ ? QStringLiteral("Difícil") : QStringLiteral("Normal"));
}

// ---- What the table shows ------------------------------------------------------

void AsientoMaquina::etiqueta(const std::string& nombre, const std::string& texto)
{
    const QString t = QString::fromStdString(texto);
    Etiqueta* l = nullptr;
    if (nombre == "LC")
        l = f_.LC;
    else if (nombre == "LH")
        l = f_.LH;
    else if (nombre == "PuntosH" || nombre == "PuntosM") {
        f_.mostrarPuntos(nombre == "PuntosM", t.toInt());
        return;
    } else if (nombre.size() == 5 && (nombre.rfind("JH(", 0) == 0 || nombre.rfind("JM(", 0) == 0)) {
        const int baza = nombre[3] - '0';
        l = (nombre[1] == 'H' ? f_.JH : f_.JM)[static_cast<std::size_t>(baza)];
        // The value stays in the label's tag, as on every table.
        const qsizetype abre = t.indexOf(QLatin1Char('('));
        const qsizetype fin = abre < 0 ? -1 : t.indexOf(QLatin1Char(' '), abre + 1);
        l->Tag = t.isEmpty() ? QStringLiteral("0") : abre < 0 ? QString() : t.mid(abre + 1, fin < 0 ? -1 : fin - abre - 1);
    }
    if (l)
        f_.decir(l, t);
}

void AsientoMaquina::titulo(const std::string& texto) { f_.setWindowTitle(QString::fromStdString(texto)); }

void AsientoMaquina::sonido(int codigo, int numero) { f_.reproducir(codigo, numero, QString()); }

void AsientoMaquina::mano(const std::array<int, 3>& cartas)
{
    f_.manoPropia({codigo(cartas[0]), codigo(cartas[1]), codigo(cartas[2])});
    emit f_.manoRepartida();
}

void AsientoMaquina::jugada(int asiento, int baza, int carta) { f_.cartaEnBaza(asiento == kJugador, baza, codigo(carta)); }

void AsientoMaquina::mostrarPanelPendiente()
{
    if (!panelSinMostrar_)
        return;
    f_.Botones(std::string_view("0000000000"));
    f_.noQuieroOSonBuenas(*panelSinMostrar_);
    panelSinMostrar_.reset();
}

void AsientoMaquina::verso(int numero)
{
    mostrarPanelPendiente();
    const bool conFlor = partida_->estado().puntosFlor[kJugador] > 0;
    const QString texto = QLatin1Char('"') + ::verso(numero) + QLatin1Char('"');
    auto responder = [this](bool contraflor) { mover({contraflor ? motor::Accion::Contraflor : motor::Accion::Olor}); };
    // Each verse keeps its window, hidden between flors: made anew, or laid
    // out again for another verse, it cost several times what showing it
    // costs.
    QPointer<FFlor>& w = versos_[static_cast<std::size_t>(((numero % 4) + 4) % 4)];
    if (w)
        w->preparar(texto, conFlor, responder);
    else
        w = new FFlor(f_, texto, conFlor, responder);
    verso_ = w;
    emit f_.ventanaModal(verso_);
    verso_->open();
}

void AsientoMaquina::ganador(int asiento)
{
    mostrarPanelPendiente();
    mostrarNivel(false);
    f_.ganaPartido(asiento == kPc);
}
