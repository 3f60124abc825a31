#pragma once
#include <QString>

class Clock;
class Dialogs;
class SoundPlayer;
class Settings;
class Conexion;
class Descargador;
class Enlaces;
class MotorWeb;

// Folder of the running executable.
QString executableFolder();
// $XDG_DATA_HOME/Quenbro (default ~/.local/share/Quenbro); made when needed.
QString carpetaWindows();
// Cache folder of the game's embedded-browser profile.
QString carpetaCacheWeb();

// The platform services one program instance uses. Tests hand in fakes.
struct Services {
    Clock& clock;
    Dialogs& dialogs;
    SoundPlayer& sound;
    Settings& settings;
    QString programFolder;  // where cartas/, Sonidos/, Fondos/ lie
    QString desktopFolder;  // where the first-run launcher goes
    // The Internet, links and pages. Without them the table stays offline,
    // opens nothing and shows links where pages would be.
    Conexion* conexion = nullptr;
    Descargador* descargador = nullptr;
    Enlaces* enlaces = nullptr;
    MotorWeb* web = nullptr;
    QString windowsFolder = carpetaWindows();  // the downloaded lists
    QString moduleFolder{};  // the socket control and the page engine; empty: programFolder

    QString carpetaModulos() const { return moduleFolder.isEmpty() ? programFolder : moduleFolder; }
};
