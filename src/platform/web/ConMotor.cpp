// Built with a web engine: the module beside the program, loaded on the
// first page.
#include "platform/Program.h"
#include "platform/Web.h"

#include <QCoreApplication>
#include <unistd.h>

std::unique_ptr<MotorWeb> crearMotorWeb()
{
    return std::make_unique<MotorModulo>(executableFolder() + QStringLiteral("/NaipexWeb.so"));
}

void prepararMotorWeb()
{
    // The engine's pages share the GL context of the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Chromium's sandbox refuses to run as root; only then is it switched off.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
