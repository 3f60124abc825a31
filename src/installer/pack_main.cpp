// Builds the installer file: the Instalox program image, then the carried
// pieces, then the directory.
//   instalox_pack --url <file>                      writes the web-site shortcut
//   instalox_pack <out> <image> <piece>...          packs
#include "installer/rules/Payload.h"
#include "platform/Sitios.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--url") {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << payload::internetShortcut(sitios::hostFabricante().toStdString());
        if (!out.flush()) {
            std::fprintf(stderr, "instalox_pack: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: instalox_pack <out> <image> <piece>...\n"
                             "       instalox_pack --url <file>\n");
        return 2;
    }
    std::vector<std::string> pieces(argv + 3, argv + argc);
    std::string error;
    if (!payload::pack(argv[2], pieces, argv[1], error)) {
        std::fprintf(stderr, "instalox_pack: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
