// The plug-in's exported functions: the factory and the registration.
#include "net/ocx/SocketWs.h"
#include "platform/IniSettings.h"

#include <QFileInfo>
#include <dlfcn.h>

namespace {

const QString kAplicacion = QStringLiteral("Mswinsck");
const QString kSeccion = QStringLiteral("Registro");
const QString kClave = QStringLiteral("Ruta");

}  // namespace

extern "C" __attribute__((visibility("default"))) ControlWs* CrearControlWs()
{
    return new SocketWs;
}

// Records this library's own path in the settings store. 0 on success.
extern "C" __attribute__((visibility("default"))) int DllRegisterServer(void)
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return 1;
    const QString ruta = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    IniSettings ajustes(IniSettings::defaultFolder());
    ajustes.save(kAplicacion, kSeccion, kClave, ruta);
    return ajustes.get(kAplicacion, kSeccion, kClave) == ruta ? 0 : 1;
}

extern "C" __attribute__((visibility("default"))) int DllUnregisterServer(void)
{
    IniSettings ajustes(IniSettings::defaultFolder());
    ajustes.deleteApp(kAplicacion);
    return ajustes.get(kAplicacion, kSeccion, kClave).isEmpty() ? 0 : 1;
}
