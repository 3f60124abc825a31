#include "platform/Shortcut.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Escapes of the "string" value type of a desktop entry.
QString escapeString(const QString& s)
{
    QString out;
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

QString desktopExecValue(const QString& program)
{
    // Inside a quoted argument ", `, $ and \ take a backslash; % is the
    // field-code marker and is doubled. The result is then a string value,
    // whose own escaping doubles every backslash once more.
    QString quoted = QStringLiteral("\"");
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return escapeString(quoted);
}

bool crearAccesoDirecto(const QString& desktopFolder, const QString& name,
                        const QString& targetExecutable)
{
    if (desktopFolder.isEmpty() || name.isEmpty())
        return false;
    if (!QDir().mkpath(desktopFolder))
        return false;

    const QFileInfo target(targetExecutable);
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=") + escapeString(name) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + desktopExecValue(target.absoluteFilePath()) + QLatin1Char('\n');
    text += QStringLiteral("Path=") + escapeString(target.absolutePath()) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Categories=Game;CardGame;\n");

    const QString path = QDir(desktopFolder).filePath(name + QStringLiteral(".desktop"));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                          | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
}
