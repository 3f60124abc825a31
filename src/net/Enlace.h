#pragma once
#include "net/ControlWs.h"
#include "net/rules/Protocolo.h"
#include "net/rules/Puertos.h"
#include "net/rules/Troceador.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

struct Services;
class Settings;
class QWidget;

// A receiver's refusal of a well-formed message that makes no sense at this
// point of the hand; reported like any bad input.
struct MensajeRechazado {
    int numero = 5;
    QString descripcion;
};

// The wire of the two-player game: one socket control, the stop-and-wait
// acknowledgement of `enviar`, the ports, and the receiving side that cuts
// the stream into messages and answers "OKOK".
class Enlace : public QObject, private WsEventos
{
    Q_OBJECT
public:
    // How long `enviar` waits for "OKOK" before giving the connection up.
    static constexpr int kEsperaAcuseMs = 30000;
    // How long a message cut short (or one that could still grow, like
    // "DARH1" before a possible "5") waits for its remaining bytes.
    static constexpr int kEsperaRestoMs = 30;
    // Bytes given to the framing per turn of the event loop; the rest waits
    // for the next turn, so a flood never holds the window.
    static constexpr std::size_t kLecturaPorTurno = 16 * 1024;
    // Stop-and-wait keeps a few short messages in flight. A peer with more
    // than this received and not handled yet, or that leaves more than
    // kSalidaMaxima of ours unread, is dropped as if it had left.
    static constexpr std::size_t kEntradaMaxima = 1024 * 1024;
    static constexpr long kSalidaMaxima = 64 * 1024;

    Enlace(Services& s, std::unique_ptr<ControlWs> ws, QObject* parent = nullptr);
    ~Enlace() override;

    ControlWs& ws() { return *ws_; }

    // Who answers what on this connection.
    enum class Receptor {
        // Both sides of the two-player game, and a four-player client until
        // the game starts: "OKOK" to everything but "OKOK" and the name.
        DosJugadores,
        // The four-player host on a client's connection: "OKOK" first to the
        // calls and played cards only; no opening name; unknown codes (the
        // client's name echo) are dropped without an answer.
        Anfitrion,
        // A four-player client once the game is on: receives as in the
        // two-player game, but the host answers none of its direct messages.
        ClienteCuatro,
    };
    Receptor receptor() const { return receptor_; }
    void setReceptor(Receptor r);

    // --- Ports ---------------------------------------------------------
    // The fixed port: the option "--puerto N" (or "--puerto=N"), else the
    // setting Truco/Red/Puerto; 0 when neither is set.
    static int puertoConfigurado(const Settings& ajustes, const QStringList& argumentos);
    int puertoPrincipal = puertos::kPrincipal;
    int puertoAlternativo = puertos::kAlternativo;
    // Listen on the fixed port, or on the main one and, when the system
    // refuses it, on the alternative one. True when listening.
    bool escuchar(int puertoFijo = 0);
    // Connect to "host", "host:port" or "[v6]:port". A port in the text
    // overrides the fixed one, which overrides the defaults; with the
    // defaults a refused main port is followed by the alternative one.
    // False when the text is no address; the outcome comes as a signal.
    bool conectar(const QString& destino, int puertoFijo = 0);
    void cerrar();
    // Takes a connection announced to some listener onto this control.
    bool aceptar(long requestId);
    // When set, a connection request on this control goes here and the
    // control keeps listening (the four-player host's Ws(0)); else the
    // control takes the caller itself and stops listening.
    std::function<void(long requestId)> alPedirConexion;
    bool conectado() const;
    int puertoEscucha() const;  // 0 when not listening
    QString estado() const { return estado_; }

    // --- Sending -------------------------------------------------------
    // Sends and waits for "OKOK". False when nothing was sent (PuedeEnviar
    // false), when the peer closed during the wait, or after a transmission
    // error (box shown, socket closed, errorTransmision emitted).
    bool enviar(const QString& dato);
    // One write, no wait.
    bool enviarDirecto(const QString& dato);
    bool esperandoAcuse() const { return esperas_ > 0; }
    // Messages answered but not applied yet (the flow was busy).
    std::size_t diferidos() const { return diferidos_.size(); }

    bool PuedeEnviar = true;
    bool LlegoOK = true;
    int SaludoHecho = 0;
    int esperaAcuseMs = kEsperaAcuseMs;
    // When it says so, a peer that lets a message go unanswered is let go
    // as one that left, without the transmission error's box.
    std::function<bool()> salidaSinAcuse;
    int esperaRestoMs = kEsperaRestoMs;
    std::size_t entradaMaxima = kEntradaMaxima;
    long salidaMaxima = kSalidaMaxima;
    // Treats the peer as gone (the close path, from the event loop): a
    // flooder, or one that does not read what is sent to it.
    void soltar();
    bool soltando() const { return soltando_; }
    // Bytes written to and read from the wire so far: two ends that agree
    // have nothing in flight.
    std::size_t escritos() const { return escritos_; }
    std::size_t leidos() const { return leidos_; }
    // Every write as it goes on the wire.
    std::function<void(const QByteArray&)> alEscribir;
    // Received bytes not handled yet.
    std::size_t pendientes() const { return entrada_.size() - entradaInicio_ + troceador_.retenidos(); }

    // --- Receiving -----------------------------------------------------
    // A message of the catalogue, decoded. Return false (or throw
    // MensajeRechazado) to refuse it: it is acknowledged and reported.
    std::function<bool(const QString& codigo, const QString& argumento)> alRecibir;
    // The opening name message; SaludoHecho is already 1.
    std::function<void(const QString& nombre, int cara)> alSaludar;

    // The transmission error's text for a message; unset, the two-player one.
    std::function<QString(const QString& dato)> textoError;

    // Window that owns the message boxes, and their title.
    QWidget* ventana = nullptr;
    QString titulo = QStringLiteral("Naipex 2.0");

signals:
    void conectadoComoCliente();
    void conectadoComoServidor(long requestId);
    void desconectado();  // the peer closed the connection
    void fallo(int numero, const QString& descripcion);
    void errorTransmision();  // JRed must unload
    void estadoCambiado(const QString& texto);

private:
    void Connect() override;
    void ConnectionRequest(long requestId) override;
    void DataArrival(long bytesTotal) override;
    void Close() override;
    void Error(int number, const QString& description) override;

    void procesar(bool liberar);
    void tratar(const protocolo::Trozo& t, bool& informado, bool diferido);
    void tratarEnAnfitrion(const protocolo::Partes& p, bool acusar);
    bool seAcusa(const protocolo::Trozo& t) const;
    static bool esAcuse(const protocolo::Trozo& t);
    void diferir(protocolo::Trozo t);
    void avisarCierre();
    void recibirDatos();
    void leer();
    bool desbordado();
    void informar(int numero, const QString& descripcion, bool& informado);
    bool falloTransmision(const QString& dato);
    bool esperaAcuse(const QByteArray& directo) const;
    int escribir(const QByteArray& bytes);
    void ponerEstado(const QString& texto);
    void nuevaConexion();

    Services& s_;
    std::unique_ptr<ControlWs> ws_;
    protocolo::Troceador troceador_;
    // Pieces that came while the flow was busy, already answered.
    static constexpr std::size_t kMaxDiferidos = 64;
    std::deque<protocolo::Trozo> diferidos_;
    bool cierrePendiente_ = false;  // the peer left behind what is still to apply
    bool esperandoFlujo_ = false;   // procesar runs again once the flow is free
    // What the control gave and the framing has not taken yet.
    std::string entrada_;
    std::size_t entradaInicio_ = 0;
    bool lecturaPedida_ = false;
    bool soltando_ = false;
    QTimer resto_;
    QString estado_;
    QString host_;
    std::vector<int> puertosPorProbar_;
    int esperas_ = 0;
    std::size_t escritos_ = 0;
    std::size_t leidos_ = 0;
    // Acknowledged sends made and answers received on this connection.
    long enviados_ = 0;
    long acusados_ = 0;
    int cierres_ = 0;
    int errores_ = 0;
    bool informando_ = false;
    bool ecoPendiente_ = false;
    // The peer answers "OKOK" to most direct messages too. Those answers are
    // counted here, so that none is taken for the answer to a later enviar.
    int acusesDirectos_ = 0;
    bool nombreEnviado_ = false;
    Receptor receptor_ = Receptor::DosJugadores;
};
