#pragma once
#include <QString>

class Clock;
class Dialogs;
class SoundPlayer;
class Settings;

// The platform services one program instance uses. Tests hand in fakes.
struct Services {
    Clock& clock;
    Dialogs& dialogs;
    SoundPlayer& sound;
    Settings& settings;
    QString programFolder;  // where cartas/, Sonidos/, Fondos/ lie
    QString desktopFolder;  // where the first-run launcher goes
};

// Folder of the running executable.
QString executableFolder();
