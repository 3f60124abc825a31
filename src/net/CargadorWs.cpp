#include "net/CargadorWs.h"

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

QString CargadorWs::mensajeFalta()
{
    return QStringLiteral("No se encontró el componente de red (") + nombreBiblioteca() +
           QStringLiteral(").\nEl juego en red no está disponible; vuelva a instalar el programa.");
}

CargadorWs::CargadorWs(const QString& carpetaPrograma)
    : ruta_(QDir(carpetaPrograma).filePath(nombreBiblioteca()))
{
    if (!QFileInfo::exists(ruta_)) {
        error_ = QStringLiteral("No existe ") + ruta_;
        return;
    }
    // The library stays loaded for the rest of the run: controls made from
    // it may outlive this object, and their code must stay mapped.
    void* h = dlopen(QFile::encodeName(ruta_).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!h) {
        const char* e = dlerror();
        error_ = QString::fromLocal8Bit(e ? e : "dlopen");
        return;
    }
    crear_ = reinterpret_cast<CrearControlWsFn>(dlsym(h, "CrearControlWs"));
    if (!crear_)
        error_ = ruta_ + QStringLiteral(": falta CrearControlWs");
}

std::unique_ptr<ControlWs> CargadorWs::crear() const
{
    if (!crear_)
        return nullptr;
    return std::unique_ptr<ControlWs>(crear_());
}
