#pragma once
#include <QString>

// Where the game's data (cards, backgrounds, voices, help) and its modules
// (the socket control, the page engine) lie.
struct Ubicacion {
    QString datos;
    QString modulos;
};

// Found from the program's own folder. The build tree and Instalox's folder
// keep everything beside the program; a program installed in <prefix>/bin
// reads <prefix>/share/naipex and loads from <prefix>/lib/naipex. Data beside
// the program win, so a copy next to its data never reads an installed one.
Ubicacion ubicacionDe(const QString& carpetaPrograma);
