#include "installer/Grupo.h"

#include "installer/Entorno.h"
#include "platform/Shortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace grupo {

namespace {

const QString kJuego = QStringLiteral("quenbro-naipex");
const QString kSitio = QStringLiteral("quenbro-sitio");
const QString kCarpeta = QStringLiteral("quenbro-quenbro");

// Escapes of a desktop-entry string value.
QString valor(const QString& s)
{
    QString out;
    for (QChar c : s) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

bool escribir(const QString& ruta, const QByteArray& bytes, QStringList* escritos)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return false;
    if (escritos)
        escritos->append(ruta);
    return true;
}

}  // namespace

QString entradaJuego(const QString& juego, const QString& icono)
{
    return QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\nName=Naipex\n"
                          "Comment=Truco argentino con naipes españoles\n")
           + QStringLiteral("Exec=") + desktopExecValue(juego) + QLatin1Char('\n')
           + QStringLiteral("Path=") + valor(QFileInfo(juego).absolutePath()) + QLatin1Char('\n')
           + QStringLiteral("Icon=") + valor(icono) + QLatin1Char('\n')
           + QStringLiteral("Terminal=false\nCategories=Game;CardGame;\n");
}

QString entradaSitio(const QString& url, const QString& icono)
{
    return QStringLiteral("[Desktop Entry]\nType=Link\nVersion=1.0\nName=Quenbro WebSite\n")
           + QStringLiteral("URL=") + valor(url) + QLatin1Char('\n')
           + QStringLiteral("Icon=") + valor(icono) + QLatin1Char('\n');
}

QString entradaCarpeta(const QString& icono)
{
    return QStringLiteral("[Desktop Entry]\nType=Directory\nVersion=1.0\nName=Quenbro\n")
           + QStringLiteral("Icon=") + valor(icono) + QLatin1Char('\n');
}

QString menu()
{
    return QStringLiteral("<Menu>\n"
                          "  <Name>Applications</Name>\n"
                          "  <Menu>\n"
                          "    <Name>Quenbro</Name>\n"
                          "    <Directory>%1.directory</Directory>\n"
                          "    <Include>\n"
                          "      <Filename>%2.desktop</Filename>\n"
                          "      <Filename>%3.desktop</Filename>\n"
                          "    </Include>\n"
                          "  </Menu>\n"
                          "</Menu>\n")
        .arg(kCarpeta, kJuego, kSitio);
}

bool crear(const Entorno& e, const QString& juego, const QString& url, QStringList* escritos)
{
    bool ok = true;
    auto icono = [&](const QString& nombre, const QString& recurso) {
        const QString ruta = QDir(e.iconos).filePath(nombre + QStringLiteral(".png"));
        QFile r(recurso);
        ok = r.open(QIODevice::ReadOnly) && escribir(ruta, r.readAll(), escritos) && ok;
        return ruta;
    };
    const QString iconoJuego = icono(kJuego, QStringLiteral(":/instalox/naipex.png"));
    const QString iconoSitio = icono(kSitio, QStringLiteral(":/instalox/sitio.png"));
    const QString iconoCarpeta = icono(kCarpeta, QStringLiteral(":/instalox/quenbro.png"));

    ok = escribir(QDir(e.aplicaciones).filePath(kJuego + QStringLiteral(".desktop")),
                  entradaJuego(juego, iconoJuego).toUtf8(), escritos) && ok;
    ok = escribir(QDir(e.aplicaciones).filePath(kSitio + QStringLiteral(".desktop")),
                  entradaSitio(url, iconoSitio).toUtf8(), escritos) && ok;
    ok = escribir(QDir(e.directorios).filePath(kCarpeta + QStringLiteral(".directory")),
                  entradaCarpeta(iconoCarpeta).toUtf8(), escritos) && ok;
    ok = escribir(QDir(e.menus).filePath(kCarpeta + QStringLiteral(".menu")), menu().toUtf8(), escritos) && ok;
    return ok;
}

}  // namespace grupo
