#include "net/ocx/SocketWs.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <map>

namespace {

// Connections announced but not yet accepted, by request id (the socket's
// descriptor). They belong to no control: any control may accept them, the
// way any socket may take a handle the system gave out.
std::map<long, QPointer<QTcpSocket>>& pendientes()
{
    static std::map<long, QPointer<QTcpSocket>> tabla;
    return tabla;
}

// A request nobody accepts is dropped after this long.
constexpr int kVidaPendienteMs = 30000;
// A closing socket that cannot finish its goodbye is cut after this long.
constexpr int kCierreMs = 5000;

QString descripcion(int numero)
{
    switch (numero) {
    case ControlWs::sckAccessDenied: return QStringLiteral("Permiso denegado");
    case ControlWs::sckAddressInUse: return QStringLiteral("La dirección ya está en uso");
    case ControlWs::sckNetworkUnreachable: return QStringLiteral("No se puede llegar a la red");
    case ControlWs::sckConnectionReset: return QStringLiteral("La conexión fue cortada por el otro extremo");
    case ControlWs::sckTimedout: return QStringLiteral("Se agotó el tiempo de espera");
    case ControlWs::sckConnectionRefused: return QStringLiteral("Conexión rechazada");
    case ControlWs::sckHostNotFound: return QStringLiteral("No se encontró la computadora");
    case ControlWs::sckNotConnected: return QStringLiteral("El control no está conectado");
    default: return QStringLiteral("Operación no válida en este estado");
    }
}

int numeroDe(QAbstractSocket::SocketError e)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError: return ControlWs::sckConnectionRefused;
    case QAbstractSocket::HostNotFoundError: return ControlWs::sckHostNotFound;
    case QAbstractSocket::SocketAccessError: return ControlWs::sckAccessDenied;
    case QAbstractSocket::AddressInUseError: return ControlWs::sckAddressInUse;
    case QAbstractSocket::SocketTimeoutError: return ControlWs::sckTimedout;
    case QAbstractSocket::NetworkError: return ControlWs::sckNetworkUnreachable;
    default: return ControlWs::sckConnectionReset;
    }
}

void sinDemora(QTcpSocket* s) { s->setSocketOption(QAbstractSocket::LowDelayOption, 1); }

// Let a socket say goodbye on its own, then go.
void despedir(QTcpSocket* s)
{
    s->disconnect();
    s->setParent(nullptr);
    QObject::connect(s, &QAbstractSocket::disconnected, s, &QObject::deleteLater);
    QTimer::singleShot(kCierreMs, s, [s] {
        s->abort();
        s->deleteLater();
    });
    s->disconnectFromHost();
    if (s->state() == QAbstractSocket::UnconnectedState)
        s->deleteLater();
}

}  // namespace

NucleoWs::NucleoWs() = default;

NucleoWs::~NucleoWs() { close(); }

int NucleoWs::fallo(int numero, const QString& texto)
{
    ultimoError = texto.isEmpty() ? descripcion(numero) : texto;
    return numero;
}

int NucleoWs::listen()
{
    close();
    server_ = new QTcpServer(this);
    if (!server_->listen(QHostAddress::Any, static_cast<quint16>(localPort))) {
        int numero = numeroDe(server_->serverError());
        if (server_->serverError() == QAbstractSocket::UnknownSocketError)
            numero = ControlWs::sckAccessDenied;
        delete server_;
        server_ = nullptr;
        return fallo(numero, {});
    }
    localPort = server_->serverPort();
    QObject::connect(server_, &QTcpServer::newConnection, this, &NucleoWs::alPedirConexion);
    estado = ControlWs::sckListening;
    ultimoError.clear();
    return 0;
}

void NucleoWs::alPedirConexion()
{
    // Announce one request at a time, from the event loop.
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* s = server_->nextPendingConnection();
        s->setParent(nullptr);
        const long id = static_cast<long>(s->socketDescriptor());
        pendientes()[id] = s;
        auto* caducidad = new QTimer(s);
        caducidad->setObjectName(QStringLiteral("caducidad"));
        caducidad->setSingleShot(true);
        QObject::connect(caducidad, &QTimer::timeout, s, [s, id] {
            pendientes().erase(id);
            s->abort();
            s->deleteLater();
        });
        caducidad->start(kVidaPendienteMs);
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                if (eventos && pendientes().count(id))
                    eventos->ConnectionRequest(id);
            },
            Qt::QueuedConnection);
    }
}

int NucleoWs::connect()
{
    close();
    if (remoteHost.trimmed().isEmpty() || remotePort <= 0 || remotePort > 65535)
        return fallo(ControlWs::sckHostNotFound, {});
    auto* s = new QTcpSocket(this);
    adoptar(s);
    QObject::connect(s, &QAbstractSocket::connected, this, [this] {
        sinDemora(socket_);
        QMetaObject::invokeMethod(this, &NucleoWs::alConectar, Qt::QueuedConnection);
    });
    estado = ControlWs::sckConnecting;
    s->connectToHost(remoteHost.trimmed(), static_cast<quint16>(remotePort));
    return 0;
}

int NucleoWs::accept(long requestId)
{
    auto it = pendientes().find(requestId);
    if (it == pendientes().end() || !it->second)
        return fallo(ControlWs::sckInvalidOp, {});
    QTcpSocket* s = it->second;
    pendientes().erase(it);
    close();  // a listener that accepts stops listening
    delete s->findChild<QTimer*>(QStringLiteral("caducidad"));
    adoptar(s);
    sinDemora(s);
    estado = ControlWs::sckConnected;
    remoteHost = s->peerAddress().toString();
    remotePort = s->peerPort();
    if (s->bytesAvailable() > 0)
        alLlegar();
    if (s->state() != QAbstractSocket::ConnectedState)
        QMetaObject::invokeMethod(this, &NucleoWs::alCerrar, Qt::QueuedConnection);
    return 0;
}

void NucleoWs::adoptar(QTcpSocket* s)
{
    s->setParent(this);
    socket_ = s;
    recibido_.clear();
    llegadaAvisada_ = false;
    QObject::connect(s, &QIODevice::readyRead, this, &NucleoWs::alLlegar);
    QObject::connect(s, &QAbstractSocket::disconnected, this, [this] {
        QMetaObject::invokeMethod(this, &NucleoWs::alCerrar, Qt::QueuedConnection);
    });
    QObject::connect(s, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError)
            return;  // reported as a close
        const int numero = numeroDe(e);
        const QString texto = socket_ ? socket_->errorString() : QString();
        QMetaObject::invokeMethod(
            this, [this, numero, texto] { alFallar(numero, texto); }, Qt::QueuedConnection);
    });
}

void NucleoWs::alLlegar()
{
    // Read at once and report later: the socket does not signal again while
    // its own signal is being handled, and handlers here may wait.
    if (!socket_)
        return;
    recibido_ += socket_->readAll();
    if (llegadaAvisada_ || recibido_.isEmpty())
        return;
    llegadaAvisada_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            llegadaAvisada_ = false;
            if (!recibido_.isEmpty() && eventos)
                eventos->DataArrival(static_cast<long>(recibido_.size()));
        },
        Qt::QueuedConnection);
}

void NucleoWs::alConectar()
{
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState)
        return;
    estado = ControlWs::sckConnected;
    if (eventos)
        eventos->Connect();
}

void NucleoWs::alCerrar()
{
    if (!socket_ || estado != ControlWs::sckConnected)
        return;
    estado = ControlWs::sckClosing;
    if (eventos)
        eventos->Close();
}

void NucleoWs::alFallar(int numero, const QString& texto)
{
    if (!socket_)
        return;
    estado = ControlWs::sckError;
    fallo(numero, numero == ControlWs::sckConnectionRefused || numero == ControlWs::sckHostNotFound
                      ? QString()
                      : texto);
    if (eventos)
        eventos->Error(numero, ultimoError);
}

int NucleoWs::sendData(const QByteArray& data)
{
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState)
        return fallo(ControlWs::sckNotConnected, {});
    if (socket_->write(data) != data.size())
        return fallo(ControlWs::sckConnectionReset, socket_->errorString());
    socket_->flush();  // one message, one segment, now
    return 0;
}

QByteArray NucleoWs::getData()
{
    if (socket_)
        recibido_ += socket_->readAll();
    QByteArray out;
    out.swap(recibido_);
    return out;
}

long NucleoWs::bytesToWrite() const
{
    return socket_ ? static_cast<long>(socket_->bytesToWrite()) : 0;
}

void NucleoWs::soltarSocket()
{
    if (!socket_)
        return;
    QTcpSocket* s = socket_;
    socket_ = nullptr;
    despedir(s);
}

void NucleoWs::close()
{
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    soltarSocket();
    recibido_.clear();
    estado = ControlWs::sckClosed;
}

SocketWs::SocketWs() : n_(new NucleoWs) {}

SocketWs::~SocketWs()
{
    n_->eventos = nullptr;
    n_->close();
    n_->deleteLater();
}

QString SocketWs::LocalIP() const
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) ||
            (f & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return e.ip().toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}
