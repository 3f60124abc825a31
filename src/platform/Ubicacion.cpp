#include "platform/Ubicacion.h"

#include "platform/Carpetas.h"

#include <QDir>
#include <QFileInfo>

// The installed folders relative to the installed program, from the
// installation directories the build was configured with.
#ifndef TRUCO_DATOS_INSTALADOS
#define TRUCO_DATOS_INSTALADOS "../share/naipex"
#endif
#ifndef TRUCO_MODULOS_INSTALADOS
#define TRUCO_MODULOS_INSTALADOS "../lib/naipex"
#endif

namespace {

bool hayDatosEn(const QString& carpeta)
{
    return QFileInfo::exists(QDir(carpeta).filePath(QStringLiteral("Truco.hlp"))) ||
           QFileInfo(buscarCarpeta(carpeta, QStringLiteral("cartas"))).isDir();
}

}  // namespace

Ubicacion ubicacionDe(const QString& carpetaPrograma)
{
    const QDir programa(carpetaPrograma);
    const QString datos = QDir::cleanPath(programa.filePath(QStringLiteral(TRUCO_DATOS_INSTALADOS)));
    if (!hayDatosEn(carpetaPrograma) && QFileInfo(datos).isDir())
        return {datos, QDir::cleanPath(programa.filePath(QStringLiteral(TRUCO_MODULOS_INSTALADOS)))};
    return {carpetaPrograma, carpetaPrograma};
}
