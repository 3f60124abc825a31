#pragma once
// A tiny HTTP/1.0 server on 127.0.0.1 for download tests: fixed answers by
// path, 404 for the rest, and a silent mode that never answers.
#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

class ServidorHttp : public QObject {
    Q_OBJECT
public:
    ServidorHttp();
    bool ok() const { return server_.isListening(); }
    quint16 puerto() const { return server_.serverPort(); }
    QString direccion() const { return QStringLiteral("http://127.0.0.1:%1").arg(puerto()); }

    void poner(const QString& ruta, const QByteArray& cuerpo, int estado = 200);
    bool callado = false;    // read requests and never answer
    QStringList pedidos;     // paths asked for, in order

private:
    void atender();
    struct Respuesta {
        int estado;
        QByteArray cuerpo;
    };
    QTcpServer server_;
    QHash<QString, Respuesta> respuestas_;
};

// Points NAIPEX_SITIO (or another variable) somewhere for one test.
class EntornoTemporal {
public:
    EntornoTemporal(const char* variable, const QByteArray& valor);
    ~EntornoTemporal();

private:
    const char* variable_;
    QByteArray previo_;
    bool habia_;
};
