#include "net/Enlace.h"

#include "net/rules/Cp1252.h"
#include "net/rules/Protocolo.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Program.h"
#include "platform/Settings.h"
#include "platform/Sitios.h"

#include <QPointer>

namespace {

QByteArray aCable(const QString& texto)
{
    const QList<uint> ucs = texto.toUcs4();
    const std::u32string u(ucs.begin(), ucs.end());
    return QByteArray::fromStdString(cp1252::codificar(u));
}

QString deCable(std::string_view bytes)
{
    const std::u32string u = cp1252::decodificar(bytes);
    return QString::fromUcs4(u.data(), static_cast<qsizetype>(u.size()));
}

// A piece of a bad message, fit for a message box.
QString muestra(std::string_view bytes)
{
    QString s = deCable(bytes.substr(0, 40));
    for (QChar& c : s) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return bytes.size() > 40 ? s + QStringLiteral("...") : s;
}

}  // namespace

Enlace::Enlace(Services& s, std::unique_ptr<ControlWs> ws, QObject* parent)
    : QObject(parent), s_(s), ws_(std::move(ws))
{
    ws_->setEventos(this);
    resto_.setSingleShot(true);
    connect(&resto_, &QTimer::timeout, this, [this] {
        // Bytes the control already holds count before giving up on them.
        recibirDatos();
        if (entradaInicio_ < entrada_.size())
            return leer();
        procesar(false);
        if (troceador_.retiene())
            procesar(true);
    });
}

Enlace::~Enlace()
{
    ws_->setEventos(nullptr);
    ws_->Close();
}

int Enlace::puertoConfigurado(const Settings& ajustes, const QStringList& argumentos)
{
    std::vector<std::string> args;
    for (const QString& a : argumentos)
        args.push_back(a.toStdString());
    if (const int p = puertos::puertoDeArgumentos(args))
        return p;
    return puertos::leerPuerto(
        ajustes.get(QStringLiteral("Truco"), QStringLiteral("Red"), QStringLiteral("Puerto")).toStdString());
}

void Enlace::ponerEstado(const QString& texto)
{
    estado_ = texto;
    emit estadoCambiado(texto);
}

bool Enlace::escuchar(int puertoFijo)
{
    ws_->Close();
    puertosPorProbar_.clear();
    const std::vector<int> candidatos =
        puertoFijo > 0 ? std::vector<int>{puertoFijo} : std::vector<int>{puertoPrincipal, puertoAlternativo};
    QString motivo;
    for (int p : candidatos) {
        ws_->setLocalPort(p);
        if (ws_->Listen() == 0) {
            QString t = QStringLiteral("Esperando contrincante en el puerto ") + QString::number(ws_->LocalPort());
            if (!motivo.isEmpty())
                t += QStringLiteral(" (") + motivo + QLatin1Char(')');
            ponerEstado(t);
            return true;
        }
        if (!motivo.isEmpty())
            motivo += QStringLiteral("; ");
        motivo += QStringLiteral("el puerto ") + QString::number(p) + QStringLiteral(" fue rechazado: ") +
                  ws_->LastError();
    }
    ponerEstado(QStringLiteral("No se puede esperar contrincantes: ") + motivo);
    return false;
}

bool Enlace::conectar(const QString& destino, int puertoFijo)
{
    ws_->Close();
    const puertos::Destino d = puertos::leerDestino(destino.toStdString());
    if (!d.valido) {
        ponerEstado(QStringLiteral("Dirección no válida: ") + destino);
        return false;
    }
    host_ = QString::fromStdString(d.host);
    if (d.puerto > 0)
        puertosPorProbar_ = {d.puerto};
    else if (puertoFijo > 0)
        puertosPorProbar_ = {puertoFijo};
    else
        puertosPorProbar_ = {puertoPrincipal, puertoAlternativo};
    const int p = puertosPorProbar_.front();
    puertosPorProbar_.erase(puertosPorProbar_.begin());
    ws_->setRemoteHost(host_);
    ws_->setRemotePort(p);
    ponerEstado(QStringLiteral("Conectando con ") + host_ + QStringLiteral(", puerto ") + QString::number(p) +
                QStringLiteral("..."));
    if (const int e = ws_->Connect()) {
        ponerEstado(QStringLiteral("No se puede conectar con ") + host_ + QStringLiteral(": ") + ws_->LastError());
        emit fallo(e, ws_->LastError());
        return false;
    }
    return true;
}

void Enlace::cerrar()
{
    ws_->Close();
    puertosPorProbar_.clear();
    troceador_.vaciar();
    diferidos_.clear();
    cierrePendiente_ = false;
    entrada_.clear();
    entradaInicio_ = 0;
    soltando_ = false;
    resto_.stop();
    ++cierres_;
}

bool Enlace::conectado() const { return ws_->State() == ControlWs::sckConnected; }

int Enlace::puertoEscucha() const
{
    return ws_->State() == ControlWs::sckListening ? ws_->LocalPort() : 0;
}

void Enlace::nuevaConexion()
{
    troceador_.vaciar();
    diferidos_.clear();
    cierrePendiente_ = false;
    entrada_.clear();
    entradaInicio_ = 0;
    soltando_ = false;
    resto_.stop();
    puertosPorProbar_.clear();
    PuedeEnviar = true;
    LlegoOK = true;
    enviados_ = acusados_ = 0;
    ecoPendiente_ = false;
    acusesDirectos_ = 0;
    nombreEnviado_ = false;
}

void Enlace::Connect()
{
    nuevaConexion();
    ponerEstado(QStringLiteral("Conectado con ") + host_ + QStringLiteral(", puerto ") +
                QString::number(ws_->RemotePort()));
    emit conectadoComoCliente();
}

void Enlace::setReceptor(Receptor r)
{
    receptor_ = r;
    // The host answers none of a client's direct messages: nothing owed.
    if (r == Receptor::ClienteCuatro)
        acusesDirectos_ = 0;
}

bool Enlace::aceptar(long requestId)
{
    ws_->Close();
    if (const int e = ws_->Accept(requestId)) {
        emit fallo(e, ws_->LastError());
        return false;
    }
    nuevaConexion();
    return true;
}

void Enlace::ConnectionRequest(long requestId)
{
    if (alPedirConexion) {
        alPedirConexion(requestId);
        return;
    }
    // Take this one caller; the listener stops, so nobody else can join.
    if (!aceptar(requestId))
        return;
    ponerEstado(QStringLiteral("Contrincante conectado: ") + QString::number(requestId));
    emit conectadoComoServidor(requestId);
}

void Enlace::Close()
{
    ++cierres_;  // ends a pending wait
    PuedeEnviar = false;
    // What the peer said before leaving is applied before its leaving.
    if (!diferidos_.empty()) {
        cierrePendiente_ = true;
        return;
    }
    avisarCierre();
}

void Enlace::avisarCierre()
{
    QPointer<Enlace> yo(this);
    emit desconectado();
    if (yo)
        cerrar();
}

void Enlace::Error(int number, const QString& description)
{
    const bool rechazado = number == ControlWs::sckConnectionRefused;
    if (rechazado && !puertosPorProbar_.empty() && ws_->State() != ControlWs::sckConnected) {
        // The main port is refused: the peer may listen on the other one.
        const int anterior = ws_->RemotePort();
        const int p = puertosPorProbar_.front();
        puertosPorProbar_.erase(puertosPorProbar_.begin());
        ponerEstado(QStringLiteral("El puerto ") + QString::number(anterior) +
                    QStringLiteral(" rechazó la conexión; probando el puerto ") + QString::number(p) +
                    QStringLiteral("..."));
        ws_->setRemotePort(p);
        if (ws_->Connect() == 0)
            return;
    }
    if (number == ControlWs::sckConnectionReset && ws_->State() != ControlWs::sckListening) {
        // A connection cut by the other end is the peer leaving.
        Close();
        return;
    }
    ++errores_;  // ends a pending wait
    if (esperas_ == 0)
        ponerEstado(QStringLiteral("Puerto ") + QString::number(ws_->RemotePort()) + QStringLiteral(": ") +
                    description);
    emit fallo(number, description);
}

bool Enlace::enviarDirecto(const QString& dato)
{
    const QByteArray bytes = aCable(dato);
    if (soltando_ || escribir(bytes) != 0 || desbordado())
        return false;
    if (esperaAcuse(bytes))
        ++acusesDirectos_;
    nombreEnviado_ = true;
    return true;
}

int Enlace::escribir(const QByteArray& bytes)
{
    const int e = ws_->SendData(bytes);
    if (e == 0) {
        escritos_ += static_cast<std::size_t>(bytes.size());
        if (alEscribir)
            alEscribir(bytes);
    }
    return e;
}

bool Enlace::esperaAcuse(const QByteArray& directo) const
{
    if (directo.startsWith("OKOK"))
        return false;
    switch (receptor_) {
    case Receptor::Anfitrion:
        // A client answers all but "xxxx0", which it takes for a name.
        return directo != "xxxx0";
    case Receptor::ClienteCuatro:
        return false;
    case Receptor::DosJugadores:
        break;
    }
    // The first direct message of each side is its name, which is not
    // acknowledged; the peer answers every later one (the name echoed after
    // the greeting included).
    return nombreEnviado_;
}

bool Enlace::enviar(const QString& dato)
{
    if (!PuedeEnviar)
        return false;
    LlegoOK = false;
    // A send made during another's wait (a nested event) waits for its own
    // answer: answers come in order, one per message.
    const long turno = ++enviados_;
    if (const int e = escribir(aCable(dato))) {
        --enviados_;
        // The peer has just left: its close brings the message, not this.
        if (e == ControlWs::sckNotConnected || ws_->State() != ControlWs::sckConnected) {
            PuedeEnviar = false;
            return false;
        }
        return falloTransmision(dato);
    }
    if (desbordado())
        return false;  // its close ends the game, not a transmission error

    QPointer<Enlace> yo(this);
    bool vencido = false;
    QTimer plazo;
    plazo.setSingleShot(true);
    connect(&plazo, &QTimer::timeout, [&vencido] { vencido = true; });
    plazo.start(esperaAcuseMs);
    const int cierres = cierres_;
    const int errores = errores_;
    ++esperas_;
    s_.clock.waitUntil(
        [&] { return !yo || acusados_ >= turno || vencido || cierres_ != cierres || errores_ != errores; });
    if (!yo)
        return false;
    --esperas_;
    if (acusados_ >= turno)
        return true;
    if (cierres_ != cierres)
        return false;  // the closing message comes from the close itself
    if (salidaSinAcuse && salidaSinAcuse()) {
        soltar();
        return false;
    }
    return falloTransmision(dato);
}

bool Enlace::falloTransmision(const QString& dato)
{
    PuedeEnviar = false;
    ws_->Close();
    ++cierres_;
    QPointer<Enlace> yo(this);
    s_.dialogs.message(ventana, Dialogs::Icon::Error, titulo,
                       textoError ? textoError(dato)
                                  : QStringLiteral("Error en la transmisión, por favor vuelva a conectarse"));
    if (yo)
        emit errorTransmision();
    return false;
}

void Enlace::DataArrival(long)
{
    recibirDatos();
    leer();
}

void Enlace::recibirDatos()
{
    const QByteArray d = ws_->GetData();
    leidos_ += static_cast<std::size_t>(d.size());
    if (entradaInicio_ > 0 && entradaInicio_ * 2 >= entrada_.size()) {
        entrada_.erase(0, entradaInicio_);
        entradaInicio_ = 0;
    }
    entrada_.append(d.constData(), static_cast<std::size_t>(d.size()));
    if (pendientes() > entradaMaxima)
        desbordado();
}

// A bounded piece of what arrived goes to the framing; a later turn takes
// the next one.
void Enlace::leer()
{
    if (soltando_)
        return;
    const std::size_t n = std::min(kLecturaPorTurno, entrada_.size() - entradaInicio_);
    troceador_.agregar(std::string_view(entrada_).substr(entradaInicio_, n));
    entradaInicio_ += n;
    // Asked before handling: a handler that waits lets the next piece in.
    if (entradaInicio_ < entrada_.size() && !lecturaPedida_) {
        lecturaPedida_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                lecturaPedida_ = false;
                leer();
            },
            Qt::QueuedConnection);
    }
    procesar(false);
}

// The peer floods us or does not read what we send: it goes the way of a
// peer that left, from the event loop, not from inside the send or the
// handler that found it.
bool Enlace::desbordado()
{
    if (soltando_)
        return true;
    const bool salida = ws_->BytesToWrite() > salidaMaxima;
    if (!salida && pendientes() <= entradaMaxima)
        return false;
    soltar();
    return true;
}

void Enlace::soltar()
{
    if (soltando_ || !conectado())
        return;
    soltando_ = true;
    PuedeEnviar = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!soltando_)
                return;
            soltando_ = false;
            if (conectado())
                Close();
        },
        Qt::QueuedConnection);
}

void Enlace::procesar(bool liberar)
{
    QPointer<Enlace> yo(this);
    bool informado = false;
    bool lleno = false;
    while (yo) {
        const bool ocupado = s_.dialogs.flujo().ocupado();
        if (!ocupado && !diferidos_.empty()) {
            const protocolo::Trozo t = std::move(diferidos_.front());
            diferidos_.pop_front();
            tratar(t, informado, true);
            continue;
        }
        // No honest peer says this much while the flow is stopped: it
        // floods, and goes the way of a peer that left.
        if (ocupado && diferidos_.size() >= kMaxDiferidos) {
            lleno = true;
            soltar();
            break;
        }
        // The host never takes a message for a name.
        const bool nombre = SaludoHecho == 0 && receptor_ != Receptor::Anfitrion;
        auto t = liberar ? troceador_.liberar(nombre) : troceador_.siguiente(nombre);
        liberar = false;
        if (!t)
            break;
        if (ocupado && !esAcuse(*t))
            diferir(std::move(*t));
        else
            tratar(*t, informado, false);
    }
    if (!yo)
        return;
    if (diferidos_.empty() && cierrePendiente_) {
        cierrePendiente_ = false;
        avisarCierre();
        return;
    }
    if (troceador_.retiene() && !lleno)
        resto_.start(esperaRestoMs);
    else
        resto_.stop();
}

// Whether the peer gets an "OKOK" for this piece.
bool Enlace::seAcusa(const protocolo::Trozo& t) const
{
    using protocolo::Clase;
    const bool anfitrion = receptor_ == Receptor::Anfitrion;
    switch (t.clase) {
    case Clase::Nombre: return false;
    case Clase::Mensaje: {
        const auto codigo = protocolo::separar(t.texto).codigo;
        if (codigo == "OKOK")
            return false;
        return !anfitrion || protocolo::anfitrionAcusa(codigo);
    }
    case Clase::Desconocido:
    case Clase::Largo: return !anfitrion;
    case Clase::Malformado: return !anfitrion || protocolo::anfitrionAcusa(protocolo::separar(t.texto).codigo);
    }
    return false;
}

bool Enlace::esAcuse(const protocolo::Trozo& t)
{
    return t.clase == protocolo::Clase::Mensaje && protocolo::separar(t.texto).codigo == "OKOK";
}

// The flow is busy: the peer gets its answer now, so its stop-and-wait goes
// on, and the piece is applied once the flow is free, in arrival order.
void Enlace::diferir(protocolo::Trozo t)
{
    if (t.clase == protocolo::Clase::Nombre) {
        if (t.texto.empty())
            return;
        // What follows the name is cut as messages from now on.
        SaludoHecho = 1;
        ecoPendiente_ = true;
    }
    if (seAcusa(t))
        enviarDirecto(QStringLiteral("OKOK"));
    diferidos_.push_back(std::move(t));
    if (!esperandoFlujo_) {
        esperandoFlujo_ = true;
        s_.dialogs.flujo().cuandoLibre(this, [this] {
            esperandoFlujo_ = false;
            procesar(false);
        });
    }
}

void Enlace::tratar(const protocolo::Trozo& t, bool& informado, bool diferido)
{
    using protocolo::Clase;
    QPointer<Enlace> yo(this);
    const QString okok = QStringLiteral("OKOK");
    const bool acusar = !diferido && seAcusa(t);
    switch (t.clase) {
    case Clase::Nombre: {
        if (t.texto.empty())
            return;
        const QString texto = deCable(t.texto);
        SaludoHecho = 1;
        if (!diferido)
            ecoPendiente_ = true;
        Flujo::Paso paso(s_.dialogs.flujo());
        if (alSaludar)
            alSaludar(texto.left(texto.size() - 1), protocolo::caraDeDigito(t.texto.back()));
        return;
    }
    case Clase::Mensaje: {
        const protocolo::Partes p = protocolo::separar(t.texto);
        if (p.codigo == "OKOK") {
            if (acusesDirectos_ > 0)
                --acusesDirectos_;  // the answer to a direct message
            else if (acusados_ < enviados_ && ++acusados_ == enviados_)
                LlegoOK = true;
            return;
        }
        if (receptor_ == Receptor::Anfitrion) {
            tratarEnAnfitrion(p, acusar);
            return;
        }
        const bool antes = protocolo::acusaAntes(p.codigo);
        if (acusar && antes)
            enviarDirecto(okok);
        bool aceptado = true;
        MensajeRechazado motivo{5, QStringLiteral("Mensaje fuera de lugar: ") + muestra(t.texto)};
        try {
            Flujo::Paso paso(s_.dialogs.flujo());
            if (alRecibir)
                aceptado = alRecibir(QString::fromLatin1(p.codigo.data(), 4), deCable(p.argumento));
        } catch (const MensajeRechazado& m) {
            aceptado = false;
            motivo = m;
        }
        if (!yo)
            return;
        if (acusar && !antes)
            enviarDirecto(okok);
        if (!aceptado)
            informar(motivo.numero, motivo.descripcion, informado);
        return;
    }
    case Clase::Desconocido:
        // On the host: a client's name echo, or noise; nobody waits for it.
        if (receptor_ == Receptor::Anfitrion)
            return;
        if (acusar)
            enviarDirecto(okok);
        // The client answers the server's name with its own once more; that
        // echo is acknowledged like any unknown code, but it is no fault.
        if (ecoPendiente_ && t.texto.size() < protocolo::kLimiteNombre) {
            ecoPendiente_ = false;
            return;
        }
        informar(5, QStringLiteral("Mensaje desconocido: ") + muestra(t.texto), informado);
        return;
    case Clase::Malformado:
        if (acusar)
            enviarDirecto(okok);
        informar(13, QStringLiteral("No coinciden los tipos: ") + muestra(t.texto), informado);
        return;
    case Clase::Largo:
        if (acusar)
            enviarDirecto(okok);
        informar(7, QStringLiteral("Mensaje demasiado largo (") + QString::number(t.texto.size()) +
                        QStringLiteral(" bytes)"),
                 informado);
        return;
    }
}

void Enlace::tratarEnAnfitrion(const protocolo::Partes& p, bool acusar)
{
    const bool acusa = protocolo::anfitrionAcusa(p.codigo);
    if (!acusa && p.codigo != "NICK" && p.codigo != "MENS")
        return;  // the host reads nothing else from a client
    // Released first: the host's handling may wait on other clients.
    if (acusar)
        enviarDirecto(QStringLiteral("OKOK"));
    Flujo::Paso paso(s_.dialogs.flujo());
    if (alRecibir)
        alRecibir(QString::fromLatin1(p.codigo.data(), 4), deCable(p.argumento));
}

void Enlace::informar(int numero, const QString& descripcion, bool& informado)
{
    // One box at a time, and one per arrival: a hostile peer cannot pile
    // boxes up.
    if (informando_ || informado)
        return;
    informado = true;
    informando_ = true;
    QPointer<Enlace> yo(this);
    s_.dialogs.message(ventana, Dialogs::Icon::Error, titulo,
                       QStringLiteral("Se produjo el siguiente error ") + QString::number(numero) +
                           QLatin1Char(' ') + descripcion + QLatin1Char('\n') +
                           QStringLiteral("POR FAVOR COMUNIQUEMELO!!!") + QStringLiteral("  ") +
                           sitios::correo());
    if (yo)
        informando_ = false;
}
