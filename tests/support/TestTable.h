#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Program.h"
#include "platform/Settings.h"
#include "platform/Sound.h"

#include <QHash>
#include <ostream>
#include <QTemporaryDir>

// Settings kept in memory, names folded to lower case like the real store.
class MemorySettings : public Settings {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void deleteApp(const QString& app) override;
    QHash<QString, QString> values;
};

// Fake services for one program instance: zero pauses, fixed seed, scripted
// message boxes, recorded sounds, settings in memory, a temporary desktop.
struct FakeServices {
    explicit FakeServices(unsigned seed = 1);
    TestClock clock;
    ScriptedDialogs dialogs;
    RecordingSoundPlayer sound;
    MemorySettings settings;
    QTemporaryDir home;
    Services services;
};

// The offscreen platform warns about every dialog; nothing a test needs.
void silenciarAvisosDeDialogos();

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
