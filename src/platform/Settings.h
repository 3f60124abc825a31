#pragma once
#include <QString>

// Per-user settings: text values by application, section and key. Names
// match without regard to case. Reading never fails (a default comes back);
// writing never stops the program.
class Settings {
public:
    virtual ~Settings() = default;
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& def = QString()) const = 0;
    virtual void save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
    virtual void deleteApp(const QString& app) = 0;

    // Typed reads; a value that cannot be read gives the default.
    int getInt(const QString& app, const QString& section, const QString& key, int def) const;
    bool getBool(const QString& app, const QString& section, const QString& key, bool def) const;
};

// A whole number written in decimal (surrounding blanks allowed).
int leerEntero(const QString& valor, int porDefecto);
// A boolean as the store writes it (-1 true, 0 false; any other whole number
// is true), or the words true and false in any case.
bool leerBooleano(const QString& valor, bool porDefecto);
