#pragma once
#include <QString>

// Where the installer reads and writes. Taken from the running system
// (XDG folders, root or not); tests build one pointing into a temporary folder.
struct Entorno {
    QString instalador;      // the installer's own file
    QString temporal;        // where each run makes its private extraction folder
    QString windows;         // folder of the web-site shortcut
    QString sistema;         // folder of the shared socket control
    QString programas;       // base of the default installation folder
    QString configuracion;   // folder of the settings store
    QString aplicaciones;    // menu entries (.desktop)
    QString directorios;     // menu folder descriptions (.directory)
    QString menus;           // merged menu files
    QString iconos;          // icons of the menu entries
    QString cacheNavegador;  // cache of the game's embedded browser
    QString bloqueo;         // single-instance lock file

    // `todos`: install for every user (root's default) into the system's
    // folders instead of the user's own.
    static Entorno delSistema(bool todos);
    // Folder the installer lies in; its Fondos, Cartas and Sonidos are copied.
    QString carpetaInstalador() const;
    // Default for Txtdir: <programas>/Orvalia/Naipex/
    QString carpetaPorDefecto() const;
};
