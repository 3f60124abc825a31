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
};
