#include "support/TestTable.h"

#include <QDir>

static QString fold(const QString& a, const QString& s, const QString& k)
{
    return (a + QLatin1Char('/') + s + QLatin1Char('/') + k).toLower();
}

QString MemorySettings::get(const QString& app, const QString& section, const QString& key,
                            const QString& def) const
{
    return values.value(fold(app, section, key), def);
}

void MemorySettings::save(const QString& app, const QString& section, const QString& key,
                          const QString& value)
{
    values.insert(fold(app, section, key), value);
}

void MemorySettings::deleteApp(const QString& app)
{
    const QString prefix = app.toLower() + QLatin1Char('/');
    for (auto it = values.begin(); it != values.end();) {
        if (it.key().startsWith(prefix))
            it = values.erase(it);
        else
            ++it;
    }
}

FakeServices::FakeServices(unsigned seed)
    : clock(seed),
      services{clock, dialogs, sound, settings, executableFolder(), home.path() + QStringLiteral("/Desktop")}
{
    QDir().mkpath(services.desktopFolder);
}

namespace {
QtMessageHandler previo = nullptr;

void filtro(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previo)
        previo(type, ctx, msg);
}
}  // namespace

void silenciarAvisosDeDialogos() { previo = qInstallMessageHandler(filtro); }
