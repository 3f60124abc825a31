// The wire as it arrives: one byte stream cut into arrivals at random
// points, split back into messages by the framing and read by the protocol.
// Every byte must come out in exactly one piece, in order; every piece taken
// as a message must be one the decoding accepts.
#include "Comprobar.h"
#include "net/rules/Protocolo.h"
#include "net/rules/Troceador.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>

using namespace protocolo;

namespace {

void revisar(const Trozo& t, bool esperandoNombre, std::string& salida)
{
    COMPROBAR(!t.texto.empty());  // no progress would hang the receiver
    salida += t.texto;
    switch (t.clase) {
    case Clase::Mensaje: {
        COMPROBAR(t.texto.size() <= kLargoMaximo);
        const Partes p = separar(t.texto);
        COMPROBAR(esCodigo(p.codigo));
        COMPROBAR(argumentoValido(p.codigo, p.argumento));
        COMPROBAR(p.argumento.size() <= largoMaximoArgumento(p.codigo));
        break;
    }
    case Clase::Nombre:
        COMPROBAR(esperandoNombre);
        COMPROBAR(t.texto.size() < kLimiteNombre);
        break;
    case Clase::Malformado: COMPROBAR(t.texto.size() <= kLargoMaximo); break;
    case Clase::Desconocido:
    case Clase::Largo: break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    bool esperandoNombre = fdp.ConsumeBool();
    const auto cortes = fdp.ConsumeIntegralInRange<std::size_t>(0, 16);
    std::vector<std::size_t> largos;
    for (std::size_t i = 0; i < cortes; ++i)
        largos.push_back(fdp.ConsumeIntegralInRange<std::size_t>(0, 64));
    const std::string flujo = fdp.ConsumeRemainingBytesAsString();

    Troceador t;
    std::string salida;
    std::size_t pos = 0;
    std::size_t k = 0;
    auto tomar = [&](bool forzar) {
        // Bounded: each piece takes at least one byte.
        for (std::size_t vueltas = 0; vueltas <= flujo.size(); ++vueltas) {
            const auto trozo = forzar ? t.liberar(esperandoNombre) : t.siguiente(esperandoNombre);
            if (!trozo)
                return;
            revisar(*trozo, esperandoNombre, salida);
            if (trozo->clase == Clase::Nombre || trozo->clase == Clase::Mensaje)
                esperandoNombre = false;
        }
        COMPROBAR(!"the framing keeps giving pieces");
    };
    while (pos < flujo.size()) {
        // The last cut length repeats, so a long stream still arrives in pieces.
        const std::size_t n = largos.empty() ? flujo.size() : largos[std::min(k++, largos.size() - 1)];
        const std::size_t trozo = std::min(std::max<std::size_t>(n, 1), flujo.size() - pos);
        t.agregar(std::string_view(flujo).substr(pos, trozo));
        pos += trozo;
        tomar(false);
        COMPROBAR(salida.size() + t.retenidos() == pos);
    }
    // The peer went quiet: whatever is held comes out as it stands.
    tomar(true);
    COMPROBAR(!t.retiene());
    COMPROBAR(salida == flujo);
    return 0;
}
