#pragma once
#include "game/Form1.h"
#include "support/TestTable.h"

#include <QObject>
#include <functional>
#include <random>

// A table in a test process: fake services and the window, with the options
// window and the flor window answered by script.
struct MesaDePrueba {
    explicit MesaDePrueba(unsigned seed = 1);
    FakeServices fake;
    Form1 form;

    // Options for the next "Usuario Vs PC".
    bool computadoraEmpieza = false;
    bool conFlor = true;
    bool espanola = false;
    QString nombre = QStringLiteral("Ana");
    // Answer to the machine's flor: contraflor when possible.
    bool contraflor = true;
    bool cerrarOpciones = false;  // close f2 by its close box instead

    // Starts a match through the menu command, answering the options window.
    void empezar();
};

// Enabled state of bt(0..7), Flor and AlMazo as a mask of '1' and '0'.
QString mascaraDelPanel(const Form1& f);

// A scripted human: clicks cards and, if told to, presses call buttons and
// answers at random among what the panel offers. He acts when the table
// offers him a turn, as a person who waits for his turn does.
class JugadorGuionado {
public:
    JugadorGuionado(MesaDePrueba& m, unsigned seed, bool canta);
    // One action if the table is waiting for the human; false when none.
    bool actuar();
    // Lets the table run, acting on each turn it offers, until the match
    // ends; false if it stopped with nobody to act, or ran past maxAcciones.
    bool jugarPartido(int maxAcciones = 5000);
    int acciones = 0;
    // Before each action: what the table offered and what he does.
    std::function<void(const QString&)> alActuar;

private:
    void ofrecido();
    void intentar();
    bool responder();
    bool jugar();
    bool pulsar(QPushButton* b, const QString& nombre);
    void anotar(bool respuesta, const QString& que);
    QObject contexto_;  // the table's offers reach him while he lives
    bool pendiente_ = false;
    bool enBucle_ = false;  // jugarPartido runs the turns itself
    MesaDePrueba& m_;
    std::mt19937 gen_;
    bool canta_;
};
