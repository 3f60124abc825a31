#pragma once
#include "platform/Program.h"

#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class CargadorWs;
class Enlace;
class MesaRed;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Juego en Red": meets one other computer running the game. Both users type
// the other's address and press "Conectar"; each side alternates between
// listening and connecting until they meet. The side that accepts becomes
// the server. The window owns the connection and hands it to the table.
class JRed : public QDialog {
    Q_OBJECT
public:
    JRed(Services& s, MesaRed& mesa, QWidget* parent = nullptr);
    ~JRed() override;

    // False when the socket control library is missing; network play is then
    // unavailable and mensajeFalta() says so.
    bool disponible() const;
    static QString mensajeFalta();

    Enlace& enlace() { return *enlace_; }

    // Loads the window (Form_Load) and shows it; a new greeting each time.
    void abrir();
    // Unloads the window: the connection ends, the face is kept.
    void descargar();

    // Timer1 at run time and Tmrtimeout; tests shorten them.
    int intervaloIntento = 10000;
    int intervaloRendirse = 40000;

    // Opens the four-player host window ("Truco en parejas").
    std::function<void()> abrirDea4;

    QGroupBox* Frame3;
    QLineEdit* MiNombre;
    QLabel* Image3;
    QPushButton* Command3;
    QPushButton* Command4;
    QLabel* Label1;
    QLineEdit* IPContrincante;
    QPushButton* Command1;
    QGroupBox* Frame1;
    QLineEdit* NombrePC;
    QGroupBox* Frame2;
    QLineEdit* DireccionIP;
    QPushButton* Command5;
    QPushButton* Cancelar = nullptr;  // shown while connecting: gives the attempt up
    QLabel* lblestado;
    QLabel* lblstate;
    QLabel* l2;
    QTimer Timer1;
    QTimer Tmrtimeout;

    // The next attempt listens when true, connects when false.
    bool TocaEscuchar = false;
    bool SoyServidor = false;
    // The table holds a connection from this window.
    bool RedDos = false;
    // The last address "Conectar" was pressed with; kept for the whole run.
    QString hostRecordado;

    int cara() const;

public slots:
    void Form_Load();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Timer1_Timer();
    void Tmrtimeout_Timer();
    void Reintentar();
    void Cancelar_Click();

    // The close box and Escape: Form_QueryUnload, then hide.
    void reject() override;

private:
    void Form_QueryUnload();
    void ponerCara(int cara);
    void habilitarEntradas(bool si);
    void dejarDeIntentar();
    void guardarCara();
    void Ws_ConnectionRequest(long requestId);
    void Ws_Connect();
    void Ws_Close();
    void errorTransmision();
    void saludar(const QString& nombrePeer, int caraPeer);
    void terminar(bool porElPeer);

    Services& s_;
    MesaRed& mesa_;
    std::unique_ptr<CargadorWs> cargador_;
    std::unique_ptr<Enlace> enlace_;
    bool disponible_ = false;
};
