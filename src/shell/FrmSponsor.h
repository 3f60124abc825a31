#pragma once
#include <QWidget>

class MotorWeb;
class Navegador;

// "Sponsor - Naipex": one sponsor page at the end of a match. The player
// cannot close it; the game hides it at the next new game.
class FrmSponsor : public QWidget {
    Q_OBJECT
public:
    FrmSponsor(MotorWeb* motor, QWidget* owner);
    static constexpr int kAncho = 728;
    static constexpr int kAlto = 110;
    Navegador* Wb2 = nullptr;
    // The program is ending: from now on the window may close.
    void terminar() { terminando_ = true; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    bool terminando_ = false;
};
