// A test stand-in for a self-registering control: each call appends
// "<entry> <own path>" to the file named by INSTALOX_PRUEBA_REGISTRO and
// returns INSTALOX_PRUEBA_RESULTADO (0 when unset).
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

int anotar(const char* entrada, void* simbolo)
{
    Dl_info info{};
    const char* ruta = dladdr(simbolo, &info) && info.dli_fname ? info.dli_fname : "?";
    if (const char* registro = std::getenv("INSTALOX_PRUEBA_REGISTRO")) {
        if (FILE* f = std::fopen(registro, "a")) {
            std::fprintf(f, "%s %s\n", entrada, ruta);
            std::fclose(f);
        }
    }
    const char* r = std::getenv("INSTALOX_PRUEBA_RESULTADO");
    return r ? std::atoi(r) : 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int DllRegisterServer(void)
{
    return anotar("registrar", reinterpret_cast<void*>(&DllRegisterServer));
}

extern "C" __attribute__((visibility("default"))) int DllUnregisterServer(void)
{
    return anotar("desregistrar", reinterpret_cast<void*>(&DllUnregisterServer));
}
