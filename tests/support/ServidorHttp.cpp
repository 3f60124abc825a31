#include "support/ServidorHttp.h"

#include <QTcpSocket>

ServidorHttp::ServidorHttp()
{
    server_.listen(QHostAddress::LocalHost, 0);  // any free port
    connect(&server_, &QTcpServer::newConnection, this, &ServidorHttp::atender);
}

void ServidorHttp::poner(const QString& ruta, const QByteArray& cuerpo, int estado)
{
    respuestas_.insert(ruta, {estado, cuerpo});
}

void ServidorHttp::atender()
{
    while (QTcpSocket* s = server_.nextPendingConnection()) {
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        auto pedido = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, this, [this, s, pedido] {
            pedido->append(s->readAll());
            if (!pedido->contains("\r\n\r\n"))
                return;
            const QList<QByteArray> linea = pedido->left(pedido->indexOf("\r\n")).split(' ');
            const QString ruta = linea.size() >= 2 ? QString::fromLatin1(linea[1]) : QString();
            pedidos << ruta;
            if (callado)
                return;
            const auto it = respuestas_.constFind(ruta);
            const Respuesta r = it == respuestas_.constEnd() ? Respuesta{404, QByteArray("no existe")} : *it;
            QByteArray salida = "HTTP/1.0 " + QByteArray::number(r.estado) + (r.estado == 200 ? " OK" : " Error")
                                + "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(r.cuerpo.size())
                                + "\r\nConnection: close\r\n\r\n" + r.cuerpo;
            s->write(salida);
            s->disconnectFromHost();
        });
    }
}

EntornoTemporal::EntornoTemporal(const char* variable, const QByteArray& valor)
    : variable_(variable), previo_(qgetenv(variable)), habia_(qEnvironmentVariableIsSet(variable))
{
    qputenv(variable, valor);
}

EntornoTemporal::~EntornoTemporal()
{
    if (habia_)
        qputenv(variable_, previo_);
    else
        qunsetenv(variable_);
}
