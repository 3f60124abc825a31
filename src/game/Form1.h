#pragma once
// The game table. It shows the match its seat tells (the computer's
// AsientoMaquina, the network's AsientoRed, the four-player host or client)
// and hands the player's presses to that seat; whether a hand or a match is
// under way, and whether it waits for the player, the seat answers.
#include "motor/Reglas.h"
#include "game/Asiento.h"
#include "game/Controles.h"
#include "platform/Program.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QDialog;
class f2;
class FFlor;
class MesaEscalable;
class AsientoMaquina;
class AsientoRed;
class AsientoCuatro;
class AsientoParejas;
class Dea4;
class JRed;
class QLineEdit;
class Publicidad;
class Avisos;
class ColaMesa;
class QVariantAnimation;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    static QString tituloPrograma() { return QStringLiteral("Naipex 2.0"); }

    // ---- Start-up and menu --------------------------------------------------
    void Form_Load();
    void nuevo_Click();
    void red_Click();
    void salir_Click();
    void Nosonido_Click();
    void cambiarfondo_Click();
    void Command5_Click();  // previous face
    void Command6_Click();  // next face
    void PintarFondo();
    void car_MouseMove(int Index);

    // ---- Deal and hand flow -------------------------------------------------
    void Dar_Valor(Portador& C);
    void ICH_Click(int Index);
    // Runs paso after a pause of the table's own; the table is not at rest
    // meanwhile, and nothing waits inside the flow.
    void despues(double segundos, std::function<void()> paso);
    // A side's score as its seat counts it ("M" this table's side); at 30
    // the winner is shown.
    void marcador(bool maquina, int total);
    // Both scores back to 0, strokes hidden: a new match.
    void marcadorACero();
    // A side's score and its tally strokes.
    void mostrarPuntos(bool maquina, int total);
    // The table waits for its player now: for an answer (respuesta), or for
    // a card or a call.
    bool esperaAlJugador(bool respuesta) const;
    // A match is under way: leaving it asks first.
    bool seJuega() const;
    // No step of the flow is under way, or the one under way waits for the
    // player's answer.
    bool enReposo() const;

    // ---- Call panel ----------------------------------------------------------
    void bt_Click(int Index);
    void AlMazo_Click();
    void Flor_Click();
    void Botones(const QString& Valor);
    void Botones(std::string_view Valor);
    // bt(3) answers an envido's points with "Son Buenas" instead of refusing.
    void noQuieroOSonBuenas(bool sonBuenas);

    // ---- Speech and sound ------------------------------------------------------
    void Sonar(int codigo, int numero, const QString& jugador);
    // The same sound, without letting other events in around it.
    void reproducir(int codigo, int numero, const QString& jugador);
    void decir(Etiqueta* quien, const QString& texto);

    // ---- Controls (public: tests and assistive technologies reach them) ----
    std::array<Portador, 3> CH, CM;
    std::array<Naipe*, 3> ICH{}, ICM{}, IJH{}, IJM{};
    std::array<Etiqueta*, 3> JH{}, JM{};
    std::array<Naipe*, 4> car{};
    Etiqueta* PuntosH = nullptr;
    Etiqueta* PuntosM = nullptr;
    Etiqueta* NombreC = nullptr;
    Etiqueta* Label2 = nullptr;
    Etiqueta* Label1 = nullptr;
    Etiqueta* LH = nullptr;
    Etiqueta* LC = nullptr;
    Rayas* PH = nullptr;
    Rayas* PM = nullptr;
    std::array<QPushButton*, 8> bt{};
    QPushButton* Flor = nullptr;
    QPushButton* AlMazo = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QLineEdit* mensaje = nullptr;
    QPushButton* enviar = nullptr;
    QAction* nuevo = nullptr;
    QAction* red = nullptr;
    QAction* salir = nullptr;
    QAction* nosonido = nullptr;
    QAction* cambiarfondo = nullptr;
    QAction* como = nullptr;
    QAction* Descargargratis = nullptr;
    QAction* acerca = nullptr;
    Publicidad* publicidad = nullptr;
    Avisos* avisos = nullptr;
    QPushButton* otraVez = nullptr;  // after a match against the computer: play again  // "+N" by a score, the trick's winning card framed  // banners, sponsor, links, about and help
    QString carTag = QStringLiteral("0");  // face index of car(0)
    QPixmap P1;                           // the background picture tiled over the table

    // The match on the table has been won: its winner's box was shown.
    bool ganadorMostrado() const { return ganadorMostrado_; }
    // The match against the machine is left where it stands.
    void salirDelPartido();

    // Verse cursor: lives for the whole run.
    bool versoElegido = false;
    int versoActual = 0;

    Services& services() { return s_; }
    // Whoever sits opposite now: the computer, or the network peer.
    Asiento& asiento();
    const Asiento& asiento() const;
    // The computer's seat (the game against it, and tests of its play).
    AsientoMaquina& maquina() { return *maquina_; }
    // The seat of the game in pairs against the computer.
    AsientoParejas& parejas();
    void sentarEnRed(Asiento* red) { enRed_ = red; }
    // The seat of the two-player network game and its connection window.
    AsientoRed& asientoRed();
    JRed& jred();
    // The host's side of a four-player game and its host window.
    AsientoCuatro& anfitrion();
    Dea4& dea4();
    // The chat line of the network games.
    void mostrarChat(bool visible);
    void enviar_Click();
    f2& opciones();

    // ---- The two-player network hand, as its seat tells it ------------------
    // A new hand: nothing played, nothing said, the own cards hidden.
    void limpiarManoDos();
    // A card of a hand, dealt or received: the own (propia) or the peer's.
    void ponerCartaDos(bool propia, int i, const std::string& codigo, int valor);
    void mostrarManoPropia();
    // Card i of a hand goes down in trick t.
    void jugarCartaDos(bool propia, int t, int i);
    // The hand is over: its sound, the own cards hidden, the panel off.
    void cerrarManoDos();
    // A card's value as its holder said it (kept in the card's tag).
    void valorDeCarta(bool propia, int i, const QString& valor);
    void mostrarCartaPropia(int i);

    // ---- What every seat shows -------------------------------------------------
    // A hand against the computer: the own three cards face up, nothing down.
    void manoPropia(const std::array<QString, 3>& cartas);
    // A card down in trick t: the own one (propia) leaves the hand.
    void cartaEnBaza(bool propia, int baza, const QString& carta);
    // The own card with this code leaves the hand (it went down).
    void quitarDeLaMano(const QString& carta);
    // The own face and name, and the player opposite's.
    void mostrarPropio(const QString& nombre, int cara);
    void mostrarRival(const QString& nombre, int cara);
    // Whom a chat line goes to.
    void chatPara(const QString& nombre);
    // The computer's level under its score; empty hides it.
    void mostrarNivel(const QString& nivel);
    // A name over one column of the score ("M" is the computer's side).
    void nombreEnMarcador(bool maquina, const QString& nombre) { (maquina ? Label2 : NombreC)->setCaption(nombre); }
    // The match is won: the winner's box, and the table waits for a new game.
    void ganaPartido(bool maquina);
    // The player may act now: an answer (respuesta), or a card or call.
    void ofrecerTurno(bool respuesta) { emit turnoOfrecido(respuesta); }
    // What the table still had to draw is dropped.
    void vaciarCola();

    // ---- The four-player table (DisposicionCuatro.cpp) --------------------------
    // Seats are relative: 0 this player (bottom), 1 right, 2 partner (top), 3 left.
    // The table becomes one of four in a network game played through seat
    // (the host's or a client's): four-player layout, score at 0, no flor,
    // calls off, the chat line shown.
    void entrarEnCuatro(Asiento* seat);
    // The game of four ended: nothing can be played, the seat is left; what
    // lies on the table stays.
    void salirDeCuatro();
    // Switches between the two-player layout and the four-player one.
    void disposicionCuatro(bool cuatro);
    bool esDisposicionCuatro() const { return cuatro_; }
    // The played-card place of a seat in a trick (IJH, IJD, IJM, IJI).
    Naipe* lugarJugada(int asiento, int baza) const;
    // Where the played cards lie on the screen (global coordinates): a window
    // the flow opens keeps clear of it.
    QRect zonaDeBazas() const;
    // A card played by another seat flies from its side to its place in that
    // trick, then alLlegar runs. It waits behind the flights and steps queued
    // before it, so the table shows events in the order they came.
    void VolarCarta(int asiento, int baza, const QPixmap& carta, const QString& nombre, std::function<void()> alLlegar = {});
    // Runs paso once every flight and step queued before it is over.
    void enCola(std::function<void()> paso);
    bool colaOcupada() const;
    // What a seat says: its speech label, and its voice (the face number).
    Etiqueta* habla(int asiento) const;
    void decirCuatro(int asiento, const QString& frase, int cara);
    // The four players by seat: faces, name labels (" [PIE]" on the dealer)
    // and each pair's names on its side of the score, the own pair as "M".
    void jugadoresCuatro(const std::array<QString, 4>& nombres, const std::array<int, 4>& caras, int pie);
    // A new hand: the played cards and what was said are cleared, and the
    // own three cards are dealt face up.
    void manoCuatro(const std::array<QString, 3>& cartas);
    // A card down in a trick: the own one at once, another seat's in flight,
    // each behind what is already queued.
    void jugadaCuatro(int asiento, int baza, const QString& carta);
    // The turn light, and the panel with it.
    void turnoCuatro(bool mio, const QString& panel);
    void luzDeTurno(bool mio) { SemV->setVisible(mio); }
    std::array<Naipe*, 3> IJD{}, IJI{};
    std::array<Etiqueta*, 3> JD{}, JI{};
    std::array<Etiqueta*, 4> Nomb{};
    Etiqueta* LD = nullptr;
    Etiqueta* LI = nullptr;
    Naipe* SemV = nullptr;  // the turn light
    int duracionVuelo = 400;  // ms of a card's flight; tests set 0 (lands at once)

signals:
    // A hand has been dealt and shown.
    void manoRepartida();
    // A modal window is about to be shown (tests answer it).
    void ventanaModal(QDialog* w);
    void partidoTerminado();
    // The player at this table may act now: answer a call (respuesta), or
    // play a card or call.
    void turnoOfrecido(bool respuesta);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void crearControles();
    void crearControlesCuatro();
    void crearMenu();
    void mostrarCarta(Naipe* img, Etiqueta* texto, const Portador& c, const QPixmap& pm);
    // The text under a played card: its code and its value.
    void rotularJugada(Etiqueta* texto, const Portador& c);
    // The match against the computer is over: what was played stays, veiled,
    // and a button under the tallies offers the next one.
    void ofrecerOtraVez();
    void aplicarOpciones();
    void guardarTamano();


    Services& s_;
    MesaEscalable* mesa_ = nullptr;
    std::unique_ptr<f2> f2_;
    std::unique_ptr<AsientoMaquina> maquina_;
    std::unique_ptr<AsientoParejas> parejas_;
    std::unique_ptr<AsientoRed> red_;
    std::unique_ptr<JRed> jred_;
    std::unique_ptr<AsientoCuatro> anfitrion_;
    std::unique_ptr<Dea4> dea4_;
    Asiento* enRed_ = nullptr;
    bool cerrando_ = false;
    bool cuatro_ = false;
    bool ganadorMostrado_ = false;
    QLabel* nivel_ = nullptr;  // the computer's level, made when first shown
    int pasos_ = 0;  // steps of the flow under way (the player's input)
    int pausas_ = 0;  // the table's own pauses under way
    struct Paso {
        explicit Paso(int& n) : n_(++n) {}
        ~Paso() { --n_; }
        int& n_;
    };
    std::unique_ptr<ColaMesa> cola_;
    QVariantAnimation* vuelo_ = nullptr;
    Naipe* volando_ = nullptr;  // the picture that crosses the table
    struct Lugar {
        QWidget* w;
        QRect logico;
        int letra;
    };
    std::vector<Lugar> lugaresDos_;  // the two-player places of what moves
};
