#include "platform/Program.h"
#include "platform/Web.h"

namespace {
using Crear = MotorWeb* (*)(const QString& cache, const QString& datos);
}

MotorModulo::MotorModulo(const QString& ruta) : modulo_(ruta) {}

// The module's code stays mapped to the end: its pages are gone by then.
MotorModulo::~MotorModulo() = default;

std::unique_ptr<PaginaWeb> MotorModulo::crearPagina(QWidget* padre)
{
    if (!intentado_) {
        intentado_ = true;
        if (auto crear = reinterpret_cast<Crear>(modulo_.resolve("naipex_crear_motor_web")))
            motor_.reset(crear(carpetaCacheWeb(), carpetaWindows() + QStringLiteral("/Naipex/Web")));
    }
    return motor_ ? motor_->crearPagina(padre) : nullptr;
}
