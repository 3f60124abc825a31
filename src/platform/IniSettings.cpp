#include "platform/IniSettings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <vector>

namespace {

struct Entry {
    QString key;
    QString value;
};

struct Section {
    QString name;
    std::vector<Entry> entries;
};

using Document = std::vector<Section>;

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line carrying control characters or bytes that are not UTF-8 cannot
// have been written by us or by a person; it is dropped.
bool looksLikeText(const QString& line)
{
    for (QChar c : line) {
        if (c == QChar::ReplacementCharacter)
            return false;
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

Document parse(const QByteArray& bytes)
{
    Document doc;
    const QString text = QString::fromUtf8(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    Section* current = nullptr;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!looksLikeText(line))
            continue;
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
            continue;
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            const QString name = t.mid(1, t.size() - 2).trimmed();
            if (name.isEmpty()) {
                current = nullptr;
                continue;
            }
            current = nullptr;
            for (auto& s : doc) {
                if (sameName(s.name, name)) {
                    current = &s;
                    break;
                }
            }
            if (!current) {
                doc.push_back({name, {}});
                current = &doc.back();
            }
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;  // keys outside a section, or no key at all
        const QString key = t.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        // Like the Windows profile functions: blanks around a value do not count.
        const QString value = t.mid(eq + 1).trimmed();
        bool found = false;
        for (auto& e : current->entries) {
            if (sameName(e.key, key)) {
                e.value = value;  // the last one written wins
                found = true;
                break;
            }
        }
        if (!found)
            current->entries.push_back({key, value});
    }
    return doc;
}

QByteArray serialize(const Document& doc)
{
    QString out;
    bool first = true;
    for (const auto& s : doc) {
        if (s.entries.empty())
            continue;
        if (!first)
            out += QLatin1Char('\n');
        first = false;
        out += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const auto& e : s.entries)
            out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
    }
    return out.toUtf8();
}

QString oneLine(QString s)
{
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s.trimmed();
}

Document readDocument(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return parse(f.readAll());
}

}  // namespace

IniSettings::IniSettings(const QString& folder) : folder_(folder) {}

QString IniSettings::defaultFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString IniSettings::fileFor(const QString& app) const
{
    QString name = app.toLower();
    // An application name is never a path.
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QDir(folder_).filePath(name + QStringLiteral(".ini"));
}

QString IniSettings::get(const QString& app, const QString& section, const QString& key,
                         const QString& def) const
{
    const Document doc = readDocument(fileFor(app));
    for (const auto& s : doc) {
        if (!sameName(s.name, section))
            continue;
        for (const auto& e : s.entries) {
            if (sameName(e.key, key))
                return e.value;
        }
    }
    return def;
}

void IniSettings::save(const QString& app, const QString& section, const QString& key,
                       const QString& value)
{
    const QString sec = oneLine(section);
    const QString k = oneLine(key).remove(QLatin1Char('='));
    if (sec.isEmpty() || k.isEmpty())
        return;
    const QString path = fileFor(app);
    Document doc = readDocument(path);

    Section* target = nullptr;
    for (auto& s : doc) {
        if (sameName(s.name, sec)) {
            target = &s;
            break;
        }
    }
    if (!target) {
        doc.push_back({sec, {}});
        target = &doc.back();
    }
    bool found = false;
    for (auto& e : target->entries) {
        if (sameName(e.key, k)) {
            e.value = oneLine(value);
            found = true;
            break;
        }
    }
    if (!found)
        target->entries.push_back({k, oneLine(value)});

    // Failing to save must never stop a game: every error is dropped here.
    QDir().mkpath(folder_);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    const QByteArray bytes = serialize(doc);
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return;
    }
    out.commit();
}

void IniSettings::deleteApp(const QString& app)
{
    QFile::remove(fileFor(app));
}
