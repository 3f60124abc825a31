#pragma once
#include "platform/Settings.h"

#include <QString>

// Settings kept as one INI file per application (<folder>/<app in lower
// case>.ini). The file is read again on every get, because the game and its
// installer may both write it; a save rewrites it whole through a temporary
// file, so an interrupted save never leaves half a file behind.
class IniSettings : public Settings {
public:
    explicit IniSettings(const QString& folder);

    // $XDG_CONFIG_HOME, or ~/.config when it is unset or empty.
    static QString defaultFolder();

    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void deleteApp(const QString& app) override;

    QString folder() const { return folder_; }
    QString fileFor(const QString& app) const;

private:
    QString folder_;
};
