#include "net/Dea4.h"

#include "net/CargadorWs.h"
#include "net/ControlAusente.h"
#include "net/Enlace.h"
#include "net/rules/Protocolo.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shell/Nombres.h"
#include "shell/rules/Caras.h"
#include "shell/rules/Invitados.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

const QString kTitulo = QStringLiteral("Truco en parejas (4 jugadores)");

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string u(const QString& s) { return s.toStdString(); }

}  // namespace

Dea4::Dea4(Services& s, MesaCuatro& mesa, QWidget* parent)
    : QDialog(parent), s_(s), mesa_(mesa), cargador_(std::make_unique<CargadorWs>(s.carpetaModulos()))
{
    setWindowTitle(kTitulo);
    nombrar(this, QStringLiteral("Dea4"), kTitulo);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Opened over "Juego en Red", which waits behind it.
    setModal(true);

    for (int i = 0; i < 4; ++i) {
        std::unique_ptr<ControlWs> c = cargador_->crear();
        if (i == 0)
            disponible_ = c != nullptr;
        if (!c)
            c = std::make_unique<ControlAusente>();
        ws_[i] = std::make_unique<Enlace>(s_, std::move(c));
        ws_[i]->ventana = this;
        if (i == 0)
            continue;
        ws_[i]->setReceptor(Enlace::Receptor::Anfitrion);
        ws_[i]->textoError = [i](const QString& dato) {
            return QStringLiteral("Error en la transmisión, por favor vuelva a conectarse da4 ") + QString::number(i) +
                   QStringLiteral("  ") + dato;
        };
        ws_[i]->alRecibir = [this, i](const QString& codigo, const QString& argumento) {
            Ws_DataArrival(i, codigo, argumento);
            return true;
        };
        connect(ws_[i].get(), &Enlace::desconectado, this, [this, i] { Ws_Close(i); });
        esperaNick_[i] = new QTimer(this);
        esperaNick_[i]->setSingleShot(true);
        connect(esperaNick_[i], &QTimer::timeout, this, [this, i] {
            if (!nick_[i] && (etapa_ == Etapa::Esperando || etapa_ == Etapa::Completo))
                liberarAsiento(i, false);
        });
        // The box was shown by the wire; the game cannot go on without him,
        // unless a computer is to take the seat of one who goes silent.
        ws_[i]->salidaSinAcuse = [this] { return etapa_ == Etapa::Jugando && !partidoGanado_ && reemplaza(); };
        connect(ws_[i].get(), &Enlace::errorTransmision, this, [this] { terminar(); });
    }
    ws_[0]->alPedirConexion = [this](long id) { Ws_ConnectionRequest(id); };

    construirControles();
}

Dea4::~Dea4()
{
    for (auto& w : ws_) {
        w->alRecibir = nullptr;
        w->disconnect(this);
    }
    ws_[0]->alPedirConexion = nullptr;
}

void Dea4::abrir(const QString& miNombre, int miCara)
{
    nombres_[0] = miNombre;
    caras_[0] = miCara;
    Form_Load();
    show();
    activateWindow();
}

void Dea4::Form_Load()
{
    terminar();
    mesaAvisada_ = false;
    partidoGanado_ = false;
    Conectados = 0;
    asientos = {};
    Repartidor = 0;
    RedCuatro = SoyServidor = RedEnJuego = false;
    pc_.fill(false);
    for (int i = 1; i < 4; ++i) {
        nombres_[i].clear();
        caras_[i] = 0;
        nick_[i] = false;
        esperaNick_[i]->stop();
    }
    {
        const QSignalBlocker callado(ChkReemplazo);
        ChkReemplazo->setChecked(
            s_.settings.getBool(QStringLiteral("Truco"), QStringLiteral("Red"), QStringLiteral("Reemplazo"), false));
    }
    ponerTitulo(kTitulo);
    for (int i = 0; i < 4; ++i) {
        Jug[i]->setAutoExclusive(false);
        Jug[i]->setChecked(false);
        Jug[i]->setAutoExclusive(true);
        Jug[i]->setText(QStringLiteral("[Jugador %1]").arg(i + 1));
        Jug[i]->setAccessibleName(Jug[i]->text());
        Jug[i]->setEnabled(false);  // until someone sits there
        car[i]->setPixmap(asientoLibre());
    }
    Jug[3]->hide();
    car[3]->hide();
    Command1->setEnabled(false);
    // Callers still waiting from a former game must not get in unseen.
    const int fijo = Enlace::puertoConfigurado(s_.settings, QCoreApplication::arguments());
    if (ws_[0]->escuchar(fijo))
        etapa_ = Etapa::Esperando;
    Completar->setEnabled(etapa_ == Etapa::Esperando);
}

void Dea4::descargar()
{
    terminar();
    hide();
}

void Dea4::reject()
{
    // Closing the window before the game starts gives the table up.
    if (etapa_ != Etapa::Jugando)
        terminar();
    QDialog::reject();
}

bool Dea4::enviarDirecto(const QString& dato, int aQuien)
{
    return aQuien >= 1 && aQuien <= 3 && ws_[aQuien]->conectado() && ws_[aQuien]->enviarDirecto(dato);
}

bool Dea4::enviar(const QString& Dato, int AQuien)
{
    if (AQuien < 1 || AQuien > 3 || etapa_ == Etapa::Cerrado)
        return false;
    if (pc_[AQuien])
        return true;
    if (ws_[AQuien]->enviar(Dato))
        return true;
    // He has just left, or is being let go, and the computer is to take his
    // seat (his going is handled once what he said before it is): the others
    // still get theirs.
    return pc_[AQuien] || (etapa_ == Etapa::Jugando && reemplaza() && !partidoGanado_ &&
                           (!ws_[AQuien]->conectado() || ws_[AQuien]->soltando()));
}

bool Dea4::reemplaza() const { return ChkReemplazo->isChecked(); }

bool Dea4::ocupado(int socket) const { return pc_[socket] || ws_[socket]->conectado(); }

int Dea4::ocupados() const
{
    int n = 0;
    for (int k = 1; k <= 3; ++k)
        n += ocupado(k) ? 1 : 0;
    return n;
}

void Dea4::CambioMensaje(int QuienSoy, const QString& Mens)
{
    for (const cuatro::Envio& e : cuatro::cambioMensaje(QuienSoy, u(Mens))) {
        if (!enviar(q(e.mensaje), asientos.AsientoSocket[e.asiento]))
            return;
    }
}

void Dea4::Ws_ConnectionRequest(long requestId)
{
    if (etapa_ == Etapa::Cerrado)
        return;
    if (ocupados() >= 3) {
        // The table is full: take the caller and hang up at once, so he does
        // not believe he is in.
        std::unique_ptr<ControlWs> c = cargador_->crear();
        if (c) {
            c->Accept(requestId);
            c->Close();
        }
        return;
    }
    // The first free seat: one who left before the game frees his.
    int i = 1;
    while (i < 3 && ocupado(i))
        ++i;
    if (!ws_[i]->aceptar(requestId))
        return;
    nombres_[i].clear();
    caras_[i] = 0;
    nick_[i] = false;
    esperaNick_[i]->start(esperaNickMs);
    Conectados = 0;
    for (int k = 1; k <= 3; ++k)
        Conectados += ws_[k]->conectado() ? 1 : 0;
    mesa_.jugadorAceptado(Conectados);
    avisarConectados();
}

// The title, and the notice of how many are in to every client, the newest
// first.
void Dea4::avisarConectados()
{
    ponerTitulo(QString::number(Conectados) +
                (Conectados == 1 ? QStringLiteral(" contrincante conectado") : QStringLiteral(" contrincantes conectados")));
    QPointer<Dea4> yo(this);
    const int conectados = Conectados;
    const QString aviso =
        q(protocolo::mens("Hay " + std::to_string(conectados + 1) + " Jugadores conectados"));
    for (int k = 3; k >= 1; --k) {
        if (!ws_[k]->conectado())
            continue;
        enviarDirecto(aviso, k);
        s_.clock.pause(0.5);
        if (!yo || etapa_ == Etapa::Cerrado || Conectados != conectados)
            return;
    }
    if (ocupados() == 3 && etapa_ == Etapa::Esperando)
        mesaLlena();
}

// Every seat is taken: the host picks his partner.
void Dea4::mesaLlena()
{
    etapa_ = Etapa::Completo;
    ponerTitulo(QStringLiteral("¿Quién es mi compañero?"));
    lblestado->setText(QStringLiteral("Mesa completa"));
    Command1->setEnabled(true);
    Completar->setEnabled(false);
    mesaAvisada_ = true;
    mesa_.mesaCompleta(nombres_[0], caras_[0]);
}

// Computers take the seats still empty, with names and faces nobody at the
// table has, and the game goes on as with a full table.
void Dea4::Completar_Click()
{
    if (etapa_ != Etapa::Esperando)
        return;
    std::vector<int> libres;
    std::vector<int> caras{caras_[0]};
    std::vector<QString> nombres{nombres_[0].trimmed()};
    for (int k = 1; k <= 3; ++k) {
        if (!ocupado(k)) {
            libres.push_back(k);
        } else if (nick_[k]) {
            caras.push_back(caras_[k]);
            nombres.push_back(nombres_[k].trimmed());
        }
    }
    const auto tomado = [&nombres](const std::string& n) {
        const QString nombre = QString::fromStdString(n);
        return std::any_of(nombres.begin(), nombres.end(),
                           [&nombre](const QString& t) { return t.compare(nombre, Qt::CaseInsensitive) == 0; });
    };
    const std::vector<Invitado> pcs = invitados(static_cast<int>(libres.size()), caras, tomado,
                                                [this](int n) { return s_.clock.uniformInt(0, n - 1); });
    for (std::size_t i = 0; i < libres.size(); ++i) {
        const int k = libres[i];
        pc_[k] = true;
        nick_[k] = true;
        esperaNick_[k]->stop();
        nombres_[k] = QString::fromStdString(pcs[i].nombre);
        caras_[k] = pcs[i].cara;
        Jug[k - 1]->setText(nombres_[k]);
        Jug[k - 1]->setAccessibleName(nombres_[k]);
        ponerCara(k - 1, caras_[k]);
    }
    mesaLlena();
}

void Dea4::nick(int indice, const QString& argumento)
{
    if (argumento.isEmpty())
        return;
    nick_[indice] = true;
    esperaNick_[indice]->stop();
    const QString nombre = argumento.left(argumento.size() - 1);
    const int cara = protocolo::caraDeDigito(argumento.back().toLatin1());
    nombres_[indice] = nombre;
    caras_[indice] = cara;
    if (etapa_ != Etapa::Jugando) {
        Jug[indice - 1]->setText(nombre);
        Jug[indice - 1]->setAccessibleName(nombre);
        Jug[indice - 1]->setEnabled(true);
        ponerCara(indice - 1, cara);
        return;
    }
    const int asiento = asientos.SocketAsiento[indice];
    jugadores_.nombres[asiento] = nombre;
    jugadores_.caras[asiento] = cara;
    // The table tells the others, in turn with what it is sending them.
    mesa_.caraCambiada(asiento, nombre, cara);
}

void Dea4::Ws_DataArrival(int indice, const QString& codigo, const QString& argumento)
{
    if (codigo == QLatin1String("NICK")) {
        nick(indice, argumento);
        return;
    }
    // Before the seats are known nothing else means anything.
    if (etapa_ != Etapa::Jugando)
        return;
    mesa_.recibir(asientos.SocketAsiento[indice], codigo, argumento);
}

void Dea4::Ws_Close(int indice)
{
    if (etapa_ == Etapa::Cerrado)
        return;
    if (partidoGanado_) {
        ws_[indice]->cerrar();
        return;
    }
    const QString nombre = nombres_[indice];
    if (etapa_ != Etapa::Jugando) {
        // Before the game only his seat is freed; the others stay.
        liberarAsiento(indice, true);
        return;
    }
    if (reemplaza())
        return relevar(indice);
    // Nobody plays on with three: every other client is released first, so
    // none of them is left waiting behind the box.
    terminar();
    s_.dialogs.message(this, Dialogs::Icon::Error, ws_[indice]->titulo,
                       QStringLiteral("El jugador ") + nombre + QStringLiteral(" se ha desconectado"));
}

// One who leaves during the match with the box ticked: a computer takes his
// seat and nobody else is told to stop.
void Dea4::relevar(int indice)
{
    ws_[indice]->cerrar();
    esperaNick_[indice]->stop();
    pc_[indice] = true;
    if (!mesaJuega_) {
        relevadosAntes_.push_back(indice);
        return;
    }
    mesa_.jugadorRelevado(asientos.SocketAsiento[indice], nombres_[indice]);
}

// One who leaves, or never says his name, before the game: his seat is free
// again and the table waits for a third player once more.
void Dea4::liberarAsiento(int indice, bool avisar)
{
    const QString nombre = nombres_[indice];
    ws_[indice]->cerrar();
    esperaNick_[indice]->stop();
    nombres_[indice].clear();
    caras_[indice] = 0;
    nick_[indice] = false;
    Conectados = 0;
    for (int k = 1; k <= 3; ++k)
        Conectados += ws_[k]->conectado() ? 1 : 0;
    if (etapa_ == Etapa::Completo || etapa_ == Etapa::EligeRepartidor) {
        etapa_ = Etapa::Esperando;
        Command1->setEnabled(false);
        Completar->setEnabled(true);
        Jug[3]->hide();
        car[3]->hide();
        if (mesaAvisada_) {
            mesaAvisada_ = false;
            mesa_.partidaTerminada();
        }
    }
    for (int i = 0; i < 4; ++i) {
        Jug[i]->setAutoExclusive(false);
        Jug[i]->setChecked(false);
        Jug[i]->setAutoExclusive(true);
    }
    Jug[indice - 1]->setText(QStringLiteral("[Jugador %1]").arg(indice));
    Jug[indice - 1]->setAccessibleName(Jug[indice - 1]->text());
    Jug[indice - 1]->setEnabled(false);
    car[indice - 1]->setPixmap(asientoLibre());
    const QString texto = QStringLiteral("El jugador ") + nombre + QStringLiteral(" se ha desconectado");
    lblestado->setText(texto);
    QPointer<Dea4> yo(this);
    if (avisar && !nombre.isEmpty())
        s_.dialogs.message(this, Dialogs::Icon::Error, ws_[indice]->titulo, texto);
    if (yo && etapa_ == Etapa::Esperando)
        avisarConectados();
}

void Dea4::terminar()
{
    const bool avisar = mesaAvisada_;
    etapa_ = Etapa::Cerrado;
    mesaAvisada_ = false;
    mesaJuega_ = false;
    relevadosAntes_.clear();
    RedEnJuego = false;
    RedCuatro = false;
    Command1->setEnabled(false);
    Completar->setEnabled(false);
    for (auto& w : ws_)
        w->cerrar();
    Conectados = 0;
    if (avisar)
        mesa_.partidaTerminada();
}

void Dea4::Command1_Click()
{
    if (etapa_ == Etapa::Completo) {
        int elegido = -1;
        for (int i = 0; i < 3; ++i) {
            if (Jug[i]->isChecked())
                elegido = i;
        }
        const auto a = cuatro::asientos(elegido + 1);
        if (!a)
            return;  // no partner chosen yet
        asientos = *a;
        etapa_ = Etapa::EligeRepartidor;
        ponerTitulo(QStringLiteral("Quién reparte primero?"));
        Jug[3]->setText(nombres_[0]);
        Jug[3]->setAccessibleName(nombres_[0]);
        Jug[3]->setEnabled(true);
        ponerCara(3, caras_[0]);
        Jug[3]->show();
        car[3]->show();
        Jug[elegido]->setAutoExclusive(false);
        Jug[elegido]->setChecked(false);
        Jug[elegido]->setAutoExclusive(true);
        return;
    }
    if (etapa_ != Etapa::EligeRepartidor)
        return;
    int elegido = -1;
    for (int i = 0; i < 4; ++i) {
        if (Jug[i]->isChecked())
            elegido = i;
    }
    if (elegido < 0)
        return;
    Repartidor = elegido == 3 ? 0 : asientos.SocketAsiento[elegido + 1];
    empezar();
}

void Dea4::empezar()
{
    etapa_ = Etapa::Jugando;
    Command1->setEnabled(false);
    Completar->setEnabled(false);
    hide();
    if (ventanaRed)
        ventanaRed->hide();
    for (int s = 0; s < 4; ++s) {
        const int socket = asientos.AsientoSocket[s];
        jugadores_.nombres[s] = nombres_[socket];
        jugadores_.caras[s] = caras_[socket];
    }
    QPointer<Dea4> yo(this);
    auto sigue = [&] { return yo && etapa_ == Etapa::Jugando; };

    // Each client's name exchange, completed with a dummy host name.
    for (int k = 1; k <= 3; ++k) {
        if (pc_[k])
            continue;
        enviarDirecto(QStringLiteral("xxxx0"), k);
        s_.clock.pause(0.3);
        if (!sigue())
            return;
    }
    SoyServidor = true;
    for (int k = 1; k <= 3; ++k) {
        if (!enviar(QStringLiteral("DEA4"), k) || !sigue())
            return;
    }
    RedCuatro = true;
    if (Repartidor != 0 && (!enviar(QStringLiteral("YORE"), asientos.AsientoSocket[Repartidor]) || !sigue()))
        return;
    for (int s = 1; s <= 3; ++s) {
        for (int t = 0; t < 4; ++t) {
            if (t == s)
                continue;
            const auto m = protocolo::cara(protocolo::asientoRelativo(t, s), u(jugadores_.nombres[t]),
                                           jugadores_.caras[t]);
            if (!enviar(q(m), asientos.AsientoSocket[s]) || !sigue())
                return;
        }
    }
    for (const cuatro::Envio& e : cuatro::pies(Repartidor)) {
        if (pc_[asientos.AsientoSocket[e.asiento]])
            continue;
        enviarDirecto(q(e.mensaje), asientos.AsientoSocket[e.asiento]);
        s_.clock.pause(0.5);
        if (!sigue())
            return;
    }
    RedEnJuego = true;
    s_.clock.pause(0.5);
    if (!sigue())
        return;
    // The first deal follows at once: waiting for each answer keeps this
    // free text from running into the next message.
    const QString conf = q(protocolo::confCuatro(u(jugadores_.nombres[Repartidor])));
    for (int k = 1; k <= 3; ++k)
        if (!enviar(conf, k) || !sigue())
            return;
    mesaJuega_ = true;
    mesa_.partidaEmpieza(*this, jugadores_, Repartidor);
    for (const int k : std::exchange(relevadosAntes_, {}))
        if (yo && mesaJuega_)
            mesa_.jugadorRelevado(asientos.SocketAsiento[k], nombres_[k]);
}
