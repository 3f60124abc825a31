#pragma once
#include "Arbol.h"
#include "installer/Entorno.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <memory>

class Setupfrm;

// A machine in a temporary folder: a home with its XDG folders, and a
// distribution folder holding a packed installer made of synthetic pieces
// (the control is the test module, so registration really runs).
struct Banco {
    Banco();
    QTemporaryDir raiz;
    QString home;
    QString dist;
    Entorno e;
    ScriptedDialogs dialogs;
    QByteArray truco;      // piece 2
    QByteArray ayuda;      // piece 4
    QByteArray contenido;  // piece 5

    std::unique_ptr<Setupfrm> ventana();
    QString registro() const { return home + QStringLiteral("/registro.txt"); }
    // Packs the installer again from its pieces.
    void empaquetar();
};
