#pragma once
// The computer opposite: which card it plays, when it sings, how it answers.
// It reads and moves the table only through the table's own procedures and
// state; the table reaches it only through the seat.
#include "motor/Reglas.h"
#include "game/Asiento.h"

#include <QString>

class Form1;

class AsientoMaquina : public Asiento {
public:
    explicit AsientoMaquina(Form1& f) : f_(f) {}

    // ---- The seat ------------------------------------------------------------
    void jugar(int Index) override { jugarContraMaquina(Index); }
    void cantar(int Index) override { cantoContraMaquina(Index); }
    void flor() override { florContraMaquina(); }
    void alMazo() override { mazoContraMaquina(); }
    void juega() override;

    // ---- Card play -----------------------------------------------------------
    void jugar_menor(int);
    void Jugar_mayor();
    int PromValor() const;
    void Primera_carta();
    void Segunda_carta();
    void Tercera_carta();

    // ---- Calls ---------------------------------------------------------------
    void Cantar_Envido();
    bool Cantar_Truco(int a, int b);
    void Cantar_retruco();
    void CantarFlor(bool Atrevido);

private:
    // The human's moves against the computer.
    void jugarContraMaquina(int Index);
    void cantoContraMaquina(int Index);
    void florContraMaquina();
    void mazoContraMaquina();
    void decirHumano(int Index, bool sonBuenas);

    int cartaExtrema(bool mayor) const;
    void jugarCarta(int k);
    bool maquinaDebeJugar();
    void despuesDeJugar();
    reglas::Mesa mesa() const;
    bool respuestaAlTruco();
    bool retrucoDeLaMaquina();
    void responderTrucoHumano();
    void responderRetrucoHumano();
    void responderVale4Humano();
    void continuarMaquina();
    void quiero(const QString& dicho);
    void noQuiero(int puntosHumano);

    // Envido and flor.
    bool humanoGanaEnvido(int h, int m) const;
    void pagarEnvido(bool ganaMaquina, int valor);
    void esperarSonBuenas();
    void compararCantoMaquina(int valor, bool diceQuiero);
    void compararCantoHumano(int valor);
    bool envidoDeLaMaquina(bool juegaDespues = true);
    void envidoDelHumano(int Index);

    Form1& f_;
};
