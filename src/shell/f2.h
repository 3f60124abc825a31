#pragma once
#include "platform/Program.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Opciones del juego": version (Spanish or South American deck), the
// player's name, playing with flor, who starts, the computer's face, its
// level and how many play (two, or four in pairs).
class f2 : public QDialog {
    Q_OBJECT
public:
    explicit f2(Services& s, QWidget* parent = nullptr);

    // What the table applies after "Comenzar a jugar".
    struct Eleccion {
        int variante;  // 1 South American, 2 Spanish
        bool conFlor;
        bool computadoraEmpieza;
        int cara;
        QString nombre;
        int nivel;  // 0 "Normal", 1 "Difícil"
        int jugadores;  // 2, or 4 in pairs
    };
    Eleccion eleccion() const;

    // "0" after "Comenzar a jugar", "1" after closing the window.
    QString tag() const { return tag_; }

    // Shows the window modally with the given face and returns tag().
    QString mostrar(int cara);

    // Before a network game: the two choices of who starts carry the peer's
    // name and one's own, and the faces are not chosen here.
    void paraRed(const QString& peer, const QString& propio);
    // Back to the game against the computer.
    void paraMaquina();

    // Face index kept on Image3 as decimal text.
    int caraElegida() const;

    int VarianteJuego = 1;

    QGroupBox* FraVersion;
    QRadioButton* OptEsp;
    QRadioButton* OptArg;
    QLabel* Image5;
    QLabel* Image6;

    QGroupBox* FraNombre;
    QLineEdit* Nombre;

    QGroupBox* FraFlor;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QLabel* Image1;
    QLabel* Image4;

    QGroupBox* FraEmpieza;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Image3;
    QPushButton* Command3;
    QPushButton* Command2;

    std::array<QPixmap, 15> Cara;

    QGroupBox* FraNivel;
    std::array<QRadioButton*, 2> OptNivel{};  // Normal, Difícil

    QGroupBox* FraJugadores;
    std::array<QRadioButton*, 2> OptJugadores{};  // 2, 4 (en parejas)

    QPushButton* Command1;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void ponerCara(int cara);
    void mostrarFlor();
    void mostrarNivel();

    Services& s_;
    QString tag_;
    QButtonGroup* grupoVersion_;
    QButtonGroup* grupoFlor_;
    QButtonGroup* grupoEmpieza_;
    QButtonGroup* grupoNivel_;
    QButtonGroup* grupoJugadores_;
};
