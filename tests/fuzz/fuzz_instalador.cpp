// A whole installer file, as it may arrive damaged or forged: its trailer
// and directory are read and checked, and when they are accepted every piece
// is extracted with exactly the length its directory entry gives, from
// inside the file.
#include "Comprobar.h"
#include "installer/rules/Payload.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& carpeta()
{
    static const fs::path c = [] {
        std::string plantilla = (fs::temp_directory_path() / "fuzz_instalador.XXXXXX").string();
        COMPROBAR(mkdtemp(plantilla.data()) != nullptr);
        return fs::path(plantilla);
    }();
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path archivo = carpeta() / "Instalox";
    {
        std::ofstream out(archivo, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        COMPROBAR(out.good());
    }
    payload::PayloadSizes tam;
    const payload::DirectoryError e = payload::ReadPayloadDirectory(archivo.string(), tam);
    if (e == payload::DirectoryError::None) {
        COMPROBAR(tam.count >= payload::kPieces && tam.count <= payload::kSlots);
        COMPROBAR(tam.total() + payload::kTrailerSize == static_cast<std::int64_t>(size));
        for (int n = 1; n <= tam.count; ++n) {
            const std::int64_t desde = tam.offsetOf(n);
            const std::int64_t largo = tam.slot[n - 1];
            COMPROBAR(desde >= 0 && largo > 0);
            COMPROBAR(desde + largo + payload::kTrailerSize <= static_cast<std::int64_t>(size));
            const fs::path destino = carpeta() / "pieza";
            payload::CopyOptions op;
            op.block = 64;  // several blocks for most pieces
            COMPROBAR(payload::ExtractPayloadFile(archivo.string(), tam, n, destino.string(), op));
            COMPROBAR(static_cast<std::int64_t>(fs::file_size(destino)) == largo);
            std::ifstream in(destino, std::ios::binary);
            const std::string pieza((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            COMPROBAR(pieza == std::string(reinterpret_cast<const char*>(data) + desde, static_cast<std::size_t>(largo)));
        }
    }
    // The directory's reader alone, on the last 512 bytes.
    payload::PayloadSizes solo;
    const std::string_view trailer(reinterpret_cast<const char*>(data), size);
    payload::parseTrailer(trailer.substr(size > 512 ? size - 512 : 0), solo);
    COMPROBAR(solo.count >= 0 && solo.count <= payload::kMaxKeys);
    return 0;
}
