// The banner and sponsor lists come from the network: any bytes give a list
// of allowed addresses only, and the rotation and the sponsor pick stay
// inside it.
#include "Comprobar.h"
#include "shell/rules/Listas.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const double r = fdp.ConsumeProbability<double>();
    const std::string texto = fdp.ConsumeRemainingBytesAsString();
    for (const int entradas : {listas::kBanners, listas::kSponsors}) {
        const std::vector<std::string> lista = listas::leerLista(texto, entradas);
        COMPROBAR(lista.size() <= static_cast<std::size_t>(entradas));
        int llenas = 0;
        for (const std::string& e : lista) {
            COMPROBAR(e.empty() || listas::direccionPermitida(e));
            COMPROBAR(e.size() <= texto.size());
            llenas += !e.empty();
        }
        // The rotation stays inside the list and, from a first entry that is
        // there, visits only entries that are there.
        int i = -1;
        for (int paso = 0; paso < 2 * entradas + 2; ++paso) {
            i = listas::siguienteIndice(lista, i);
            COMPROBAR(i >= 0 && static_cast<std::size_t>(i) < lista.size());
            if (!lista[0].empty())
                COMPROBAR(!lista[i].empty());
        }
        COMPROBAR(llenas <= entradas);
        const int s = listas::elegirSponsor(lista, r);
        if (listas::contarSponsors(lista) == 0) {
            COMPROBAR(s == -1);
        } else {
            COMPROBAR(s >= 0 && s < 100 && static_cast<std::size_t>(s) < lista.size());
            COMPROBAR(!lista[s].empty());
        }
    }
    return 0;
}
