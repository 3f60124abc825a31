#pragma once
#include "net/CargadorWs.h"
#include "net/ControlWs.h"

// Stands in for the socket control when its library is missing: every
// attempt fails, so the window still works and nothing can crash.
class ControlAusente : public ControlWs {
public:
    void setEventos(WsEventos*) override {}
    int LocalPort() const override { return 0; }
    void setLocalPort(int) override {}
    QString RemoteHost() const override { return {}; }
    void setRemoteHost(const QString&) override {}
    int RemotePort() const override { return 0; }
    void setRemotePort(int) override {}
    int Listen() override { return sckInvalidOp; }
    int Connect() override { return sckInvalidOp; }
    int Accept(long) override { return sckInvalidOp; }
    int SendData(const QByteArray&) override { return sckNotConnected; }
    QByteArray GetData() override { return {}; }
    void Close() override {}
    int State() const override { return sckClosed; }
    QString LocalIP() const override { return {}; }
    QString LastError() const override { return CargadorWs::mensajeFalta(); }
    long BytesToWrite() const override { return 0; }
};
