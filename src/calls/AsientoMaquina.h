#pragma once
#include "game/Asiento.h"

class Form1;

// The computer opposite: its play and its calls are the machine procedures
// of the table (Primera_carta, Cantar_Truco, ...).
class AsientoMaquina : public Asiento {
public:
    explicit AsientoMaquina(Form1& f) : f_(f) {}
    void jugar(int Index) override;
    void cantar(int Index) override;
    void flor() override;
    void alMazo() override;

private:
    Form1& f_;
};
