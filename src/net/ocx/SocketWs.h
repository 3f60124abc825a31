#pragma once
#include "net/ControlWs.h"

#include <QObject>
#include <QPointer>

class QTcpServer;
class QTcpSocket;

// The state behind one control. It outlives the control by one turn of the
// event loop, so a handler may delete the control from inside an event.
class NucleoWs : public QObject
{
    Q_OBJECT
public:
    NucleoWs();
    ~NucleoWs() override;

    WsEventos* eventos = nullptr;
    int localPort = 0;
    QString remoteHost;
    int remotePort = 0;
    int estado = ControlWs::sckClosed;
    QString ultimoError;

    int listen();
    int connect();
    int accept(long requestId);
    int sendData(const QByteArray& data);
    QByteArray getData();
    long bytesToWrite() const;
    void close();

private:
    void adoptar(QTcpSocket* s);
    void soltarSocket();
    void alLlegar();
    void alConectar();
    void alCerrar();
    void alFallar(int numero, const QString& descripcion);
    void alPedirConexion();
    int fallo(int numero, const QString& descripcion);

    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
    QByteArray recibido_;
    bool llegadaAvisada_ = false;
};

class SocketWs : public ControlWs {
public:
    SocketWs();
    ~SocketWs() override;

    void setEventos(WsEventos* eventos) override { n_->eventos = eventos; }
    int LocalPort() const override { return n_->localPort; }
    void setLocalPort(int port) override { n_->localPort = port; }
    QString RemoteHost() const override { return n_->remoteHost; }
    void setRemoteHost(const QString& host) override { n_->remoteHost = host; }
    int RemotePort() const override { return n_->remotePort; }
    void setRemotePort(int port) override { n_->remotePort = port; }
    int Listen() override { return n_->listen(); }
    int Connect() override { return n_->connect(); }
    int Accept(long requestId) override { return n_->accept(requestId); }
    int SendData(const QByteArray& data) override { return n_->sendData(data); }
    QByteArray GetData() override { return n_->getData(); }
    void Close() override { n_->close(); }
    int State() const override { return n_->estado; }
    QString LocalIP() const override;
    QString LastError() const override { return n_->ultimoError; }
    long BytesToWrite() const override { return n_->bytesToWrite(); }

private:
    NucleoWs* n_;
};
