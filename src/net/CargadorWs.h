#pragma once
#include "net/ControlWs.h"

#include <QString>
#include <memory>

// Loads the socket control library "Mswinsck.ocx" from the program's folder
// and makes controls from it. Without the library the game still runs; only
// network play is unavailable, and error() says why.
class CargadorWs {
public:
    static QString nombreBiblioteca() { return QStringLiteral("Mswinsck.ocx"); }
    // What "Juego en red..." shows when the library is missing.
    static QString mensajeFalta();

    explicit CargadorWs(const QString& carpetaPrograma);
    CargadorWs(const CargadorWs&) = delete;
    CargadorWs& operator=(const CargadorWs&) = delete;

    bool disponible() const { return crear_ != nullptr; }
    QString ruta() const { return ruta_; }
    QString error() const { return error_; }
    // A new closed control; null when the library is not available.
    std::unique_ptr<ControlWs> crear() const;

private:
    QString ruta_;
    QString error_;
    CrearControlWsFn crear_ = nullptr;
};
