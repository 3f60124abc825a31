// Built with a web engine: the module among the program's modules, loaded
// on the first page.
#include "platform/Program.h"
#include "platform/Ubicacion.h"
#include "platform/Web.h"

#include <QtGlobal>
#include <unistd.h>

std::unique_ptr<MotorWeb> crearMotorWeb()
{
    return std::make_unique<MotorModulo>(ubicacionDe(executableFolder()).modulos + QStringLiteral("/NaipexWeb.so"));
}

void prepararMotorWeb()
{
    // Qt::AA_ShareOpenGLContexts is not set: it would open an OpenGL context
    // at every start for pages most starts never show. The module makes the
    // shared context with its first page.
    // Chromium's sandbox refuses to run as root; only then is it switched off.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
