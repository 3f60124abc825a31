#include "platform/IniSettings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <vector>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Bytes 0x80 to 0x9F in Windows-1252; the rest of the upper half is Latin-1.
// The five bytes the code page leaves unassigned make the line unreadable.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Older versions and other programs wrote the file in the Windows code page,
// so a line that is not UTF-8 ("Mu\xf1oz") is taken as Windows-1252.
// `indefinidos` tells whether a byte had no character at all; a U+FFFD
// written as UTF-8 is a character like any other.
QString decodificar(const QByteArray& crudo, bool& indefinidos)
{
    indefinidos = false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(crudo);
    if (!utf8.hasError())
        return texto;
    texto.clear();
    texto.reserve(crudo.size());
    for (char c : crudo) {
        const auto b = static_cast<unsigned char>(c);
        texto += (b >= 0x80 && b < 0xA0) ? QChar(kWindows1252[b - 0x80]) : QChar(b);
        indefinidos = indefinidos || ((b >= 0x80 && b < 0xA0) && kWindows1252[b - 0x80] == 0xFFFD);
    }
    return texto;
}

bool esControl(QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); }

// A line carrying control characters or undecodable bytes cannot have been
// written by us or by a person: it is not read, only carried along.
bool looksLikeText(const QString& line, bool indefinidos)
{
    return !indefinidos && std::none_of(line.begin(), line.end(), esControl);
}

// One line of the file as it is there, with what it means. A save rewrites
// only the line of the key it writes; every other line (comments, lines
// nobody can read) goes back byte for byte.
struct Linea {
    enum class Tipo { Otra, Seccion, Clave };
    QByteArray crudo;  // without the '\n'
    Tipo tipo = Tipo::Otra;
    QString seccion;   // a header's name, or the section a key is in
    QString clave;
    QString valor;
    bool legible = true;

    static Linea cruda(QByteArray bytes)
    {
        Linea l;
        l.crudo = std::move(bytes);
        return l;
    }
};

std::vector<Linea> analizar(const QByteArray& bytes)
{
    std::vector<Linea> lineas;
    QString actual;  // empty outside any section
    for (const QByteArray& crudo : bytes.split('\n')) {
        Linea l = Linea::cruda(crudo);
        bool indefinidos = false;
        QString texto = decodificar(crudo, indefinidos);
        if (texto.endsWith(QLatin1Char('\r')))
            texto.chop(1);
        l.legible = looksLikeText(texto, indefinidos);
        const QString t = texto.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) {
            lineas.push_back(std::move(l));
            continue;
        }
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            // An unreadable header leaves its keys in the section before it.
            if (l.legible) {
                actual = t.mid(1, t.size() - 2).trimmed();
                if (!actual.isEmpty()) {
                    l.tipo = Linea::Tipo::Seccion;
                    l.seccion = actual;
                }
            }
            lineas.push_back(std::move(l));
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        const QString key = eq > 0 ? t.left(eq).trimmed() : QString();
        if (!actual.isEmpty() && !key.isEmpty()) {  // not outside a section, not without a key
            l.tipo = Linea::Tipo::Clave;
            l.seccion = actual;
            l.clave = key;
            // Like the Windows profile functions: blanks around a value do not count.
            l.valor = t.mid(eq + 1).trimmed();
        }
        lineas.push_back(std::move(l));
    }
    return lineas;
}

bool esDe(const Linea& l, const QString& section)
{
    return l.tipo != Linea::Tipo::Otra && sameName(l.seccion, section);
}

bool esClave(const Linea& l, const QString& section, const QString& key)
{
    return l.tipo == Linea::Tipo::Clave && sameName(l.seccion, section) && sameName(l.clave, key);
}

// What a save writes: one line, and no control character that would make
// the reader skip it, so that what is saved reads back.
QString oneLine(QString s)
{
    std::replace_if(s.begin(), s.end(), esControl, QLatin1Char(' '));
    return s.trimmed();
}

std::vector<Linea> readDocument(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return analizar(QByteArray());
    return analizar(f.readAll());
}

QByteArray unir(const std::vector<Linea>& lineas)
{
    QByteArray out;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += lineas[i].crudo;
    }
    return out;
}

// A new line takes the line end of the line it is put after.
QByteArray conFinal(const QString& texto, const QByteArray& vecina)
{
    return texto.toUtf8() + (vecina.endsWith('\r') ? "\r" : "");
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
    QString value = def;
    for (const Linea& l : readDocument(fileFor(app))) {
        if (l.legible && esClave(l, section, key))
            value = l.valor;  // the last one written wins
    }
    return value;
}

void IniSettings::save(const QString& app, const QString& section, const QString& key,
                       const QString& value)
{
    const QString sec = oneLine(section);
    const QString k = oneLine(key).remove(QLatin1Char('='));
    if (sec.isEmpty() || k.isEmpty())
        return;
    const QString path = fileFor(app);
    const std::vector<Linea> antes = readDocument(path);

    // The key's first line is rewritten in place, keeping its spelling; any
    // later copy goes, readable or not, since it would be read instead.
    std::vector<Linea> lineas;
    lineas.reserve(antes.size() + 4);
    bool escrita = false;
    std::ptrdiff_t ultimaDeSeccion = -1;
    for (const Linea& l : antes) {
        if (esClave(l, sec, k)) {
            if (escrita)
                continue;
            Linea nueva = l;
            nueva.crudo = conFinal(l.clave + QLatin1Char('=') + oneLine(value), l.crudo);
            lineas.push_back(std::move(nueva));
            escrita = true;
        } else {
            lineas.push_back(l);
        }
        if (esDe(lineas.back(), sec))
            ultimaDeSeccion = static_cast<std::ptrdiff_t>(lineas.size()) - 1;
    }
    if (!escrita) {
        if (!lineas.back().crudo.isEmpty())
            lineas.push_back({});  // the file ends with a line end
        const QString nueva = k + QLatin1Char('=') + oneLine(value);
        if (ultimaDeSeccion >= 0) {
            const auto en = lineas.begin() + ultimaDeSeccion + 1;
            lineas.insert(en, Linea::cruda(conFinal(nueva, lineas[static_cast<std::size_t>(ultimaDeSeccion)].crudo)));
        } else {
            std::vector<Linea> agregado;
            if (lineas.size() > 1 && !lineas[lineas.size() - 2].crudo.trimmed().isEmpty())
                agregado.push_back({});  // a blank line before a new section
            agregado.push_back(Linea::cruda((QLatin1Char('[') + sec + QLatin1Char(']')).toUtf8()));
            agregado.push_back(Linea::cruda(nueva.toUtf8()));
            lineas.insert(lineas.end() - 1, agregado.begin(), agregado.end());
        }
    }

    // Failing to save must never stop a game: every error is dropped here.
    QDir().mkpath(folder_);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    const QByteArray bytes = unir(lineas);
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
