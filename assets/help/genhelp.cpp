// Writes the help files beside the program: the topics as HTML ("Truco.hlp")
// and the contents in Windows-1252 with CR LF ("Truco.cnt"). Every topic the
// contents name must have its anchor in the help, or the build fails.
// Usage: truco_genhelp <topics.html> <contents.txt, UTF-8> <program folder>
#include "shell/rules/Contenido.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

bool leer(const char* ruta, std::string& out)
{
    std::ifstream in(ruta, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool escribir(const std::filesystem::path& ruta, const std::string& datos)
{
    std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
    out << datos;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: truco_genhelp <topics.html> <contents.txt> <program folder>\n");
        return 2;
    }
    std::string html, contenido;
    if (!leer(argv[1], html) || !leer(argv[2], contenido)) {
        std::fprintf(stderr, "truco_genhelp: cannot read the sources\n");
        return 1;
    }

    std::string cnt;
    std::istringstream lineas(contenido);
    for (std::string l; std::getline(lineas, l);) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        const auto bytes = ayuda::utf8ACp1252(l);
        if (!bytes) {
            std::fprintf(stderr, "truco_genhelp: not in Windows-1252: %s\n", l.c_str());
            return 1;
        }
        cnt += *bytes + "\r\n";
    }

    const ayuda::Contenido leido = ayuda::leerContenido(cnt);
    for (const ayuda::Entrada& e : leido.entradas) {
        if (e.contexto == 0)
            continue;
        const std::string ancla = "<a name=\"tema" + std::to_string(e.contexto) + "\">";
        if (html.find(ancla) == std::string::npos) {
            std::fprintf(stderr, "truco_genhelp: topic %d has no anchor in the help\n", e.contexto);
            return 1;
        }
    }

    const std::filesystem::path carpeta(argv[3]);
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    if (!escribir(carpeta / "Truco.hlp", html) || !escribir(carpeta / "Truco.cnt", cnt)) {
        std::fprintf(stderr, "truco_genhelp: cannot write into %s\n", argv[3]);
        return 1;
    }
    return 0;
}
