#pragma once
#include <QByteArray>
#include <QString>

// The socket control, shared by the game and the plug-in library
// "Mswinsck.ocx" that implements it. Only this header crosses the library
// boundary: plain virtual calls, no signals, no exceptions.

// What a control reports. Every call comes from the user-interface thread,
// from the event loop (never from inside another call on the control), so a
// handler may close the control, wait, or start a nested wait.
class WsEventos {
public:
    virtual ~WsEventos() = default;
    virtual void Connect() = 0;
    virtual void ConnectionRequest(long requestId) = 0;
    virtual void DataArrival(long bytesTotal) = 0;
    virtual void Close() = 0;
    virtual void Error(int number, const QString& description) = 0;
};

class ControlWs {
public:
    // Values of State().
    enum Estado {
        sckClosed = 0,
        sckOpen = 1,
        sckListening = 2,
        sckConnectionPending = 3,
        sckResolvingHost = 4,
        sckHostResolved = 5,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,  // the peer closed; call Close()
        sckError = 9,
    };
    // Error numbers, as the platform's sockets number them.
    enum Error {
        sckAccessDenied = 10013,
        sckAddressInUse = 10048,
        sckNetworkUnreachable = 10051,
        sckConnectionReset = 10054,
        sckTimedout = 10060,
        sckConnectionRefused = 10061,
        sckHostNotFound = 11001,
        sckInvalidOp = 40020,
        sckNotConnected = 40006,
    };

    virtual ~ControlWs() = default;

    // Who hears the events; may be null. Not owned.
    virtual void setEventos(WsEventos* eventos) = 0;

    virtual int LocalPort() const = 0;  // after Listen: the port listened on
    virtual void setLocalPort(int port) = 0;
    virtual QString RemoteHost() const = 0;
    virtual void setRemoteHost(const QString& host) = 0;
    virtual int RemotePort() const = 0;
    virtual void setRemotePort(int port) = 0;

    // Listen on LocalPort (every address). 0 on success, else an error
    // number; LastError() describes it. A listening control keeps listening
    // until it accepts a connection itself or is closed.
    virtual int Listen() = 0;
    // Connect to RemoteHost:RemotePort; the outcome comes as Connect or Error.
    virtual int Connect() = 0;
    // Take the connection a ConnectionRequest announced. Any control may take
    // it (the listener itself, after Close, or another one); a listening
    // control that accepts stops listening.
    virtual int Accept(long requestId) = 0;
    // One write; Nagle's delay is off on every connected socket.
    virtual int SendData(const QByteArray& data) = 0;
    // Everything received so far.
    virtual QByteArray GetData() = 0;
    virtual void Close() = 0;
    virtual int State() const = 0;
    // This computer's first IPv4 address that is up and not loopback.
    virtual QString LocalIP() const = 0;
    virtual QString LastError() const = 0;
    // Bytes written and not yet taken by the system: they pile up when the
    // peer does not read.
    virtual long BytesToWrite() const = 0;
};

// The library's factory. Each call makes a new, closed control; the caller
// owns it and deletes it (never from inside one of its own events).
extern "C" ControlWs* CrearControlWs();
using CrearControlWsFn = ControlWs* (*)();
