#pragma once
#include "net/MesaCuatro.h"
#include "net/rules/Cuatro.h"
#include "platform/Program.h"

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class CargadorWs;
class Enlace;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The host of the four-player game: listens on Ws(0), takes three clients on
// Ws(1)..Ws(3), lets the host pick his partner and the first dealer, and
// tells every client its seats. Each client talks only to the host. Seats
// nobody took can be given to computers, which live in the host: their
// sockets stay closed and nothing is sent to them.
class Dea4 : public QDialog {
    Q_OBJECT
public:
    Dea4(Services& s, MesaCuatro& mesa, QWidget* parent = nullptr);
    ~Dea4() override;

    // False when the socket control library is missing.
    bool disponible() const { return disponible_; }

    // Ws(0) listens; Ws(1)..Ws(3) are the clients' connections.
    Enlace& Ws(int indice) { return *ws_[indice]; }

    // Form_Load with the host's name and face (from JRed), then shown.
    void abrir(const QString& miNombre, int miCara);
    // Every connection closed, the window hidden.
    void descargar();

    // Sends on socket AQuien (1..3) and waits for its "OKOK". False when
    // nothing was acknowledged; a failed send shows the "da4" box and ends
    // the game. A computer's seat needs nothing sent: true. So is a send to
    // one who has just left when the computer is to take his seat.
    bool enviar(const QString& Dato, int AQuien);
    // A computer plays socket i (1..3), or the seat.
    bool esPC(int socket) const { return socket >= 1 && socket <= 3 && pc_[socket]; }
    bool pcEnAsiento(int asiento) const { return asiento >= 1 && asiento <= 3 && esPC(asientos.AsientoSocket[asiento]); }
    // "Si alguien se va, la PC juega por él" is ticked.
    bool reemplaza() const;
    // The match is won: the clients leave on their own, and their going is
    // no longer news.
    void partidoGanado() { partidoGanado_ = true; }
    // Relays a phrase said at seat QuienSoy to the other clients.
    void CambioMensaje(int QuienSoy, const QString& Mens);

    // A caller who has not said his name ("NICK") this long after taking a
    // seat loses it; honest clients say it 1.5 s after connecting.
    static constexpr int kEsperaNickMs = 6000;
    int esperaNickMs = kEsperaNickMs;

    // Hidden when the game starts (JRed, under Dea4); may be null.
    QWidget* ventanaRed = nullptr;

    std::array<QRadioButton*, 4> Jug{};
    std::array<QLabel*, 4> car{};
    QPushButton* Command1;
    // "Completar con la PC": computers take the seats still empty.
    QPushButton* Completar;
    QCheckBox* ChkReemplazo;
    QLabel* lblestado;
    // Where the others connect, and what they do.
    QLabel* lbldireccion = nullptr;
    // The picture of a seat nobody has taken yet.
    static QPixmap asientoLibre();

    // State of the game, as the table reads it.
    int Conectados = 0;
    cuatro::Asientos asientos;  // AsientoSocket / SocketAsiento
    int Repartidor = 0;
    bool RedCuatro = false;
    bool SoyServidor = false;
    bool RedEnJuego = false;
    const JugadoresCuatro& jugadores() const { return jugadores_; }

public slots:
    void Command1_Click();
    void Completar_Click();
    void reject() override;

private:
    enum class Etapa { Cerrado, Esperando, Completo, EligeRepartidor, Jugando };

    void Form_Load();
    void Ws_ConnectionRequest(long requestId);
    void Ws_DataArrival(int indice, const QString& codigo, const QString& argumento);
    void Ws_Close(int indice);
    void nick(int indice, const QString& argumento);
    void empezar();
    void terminar();
    bool enviarDirecto(const QString& dato, int aQuien);
    void construirControles();
    void ponerCara(int opcion, int cara);
    void ponerTitulo(const QString& t);
    void liberarAsiento(int indice, bool avisar);
    void avisarConectados();
    bool ocupado(int socket) const;
    int ocupados() const;
    void mesaLlena();
    void relevar(int indice);

    Services& s_;
    MesaCuatro& mesa_;
    std::unique_ptr<CargadorWs> cargador_;
    std::array<std::unique_ptr<Enlace>, 4> ws_;
    bool disponible_ = false;
    Etapa etapa_ = Etapa::Cerrado;
    bool mesaAvisada_ = false;
    bool partidoGanado_ = false;
    // Name and face of socket i (0: the host).
    std::array<QString, 4> nombres_;
    std::array<int, 4> caras_{};
    std::array<bool, 4> nick_{};
    std::array<QTimer*, 4> esperaNick_{};
    // Sockets played by a computer: seats filled before the game, or whose
    // client left during it.
    std::array<bool, 4> pc_{};
    // The table has the match; clients who left before it had it.
    bool mesaJuega_ = false;
    std::vector<int> relevadosAntes_;
    JugadoresCuatro jugadores_;
};
