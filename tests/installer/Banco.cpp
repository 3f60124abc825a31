#include "Banco.h"

#include "installer/Setupfrm.h"
#include "installer/rules/Payload.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

Banco::Banco()
{
    home = raiz.filePath(QStringLiteral("home"));
    dist = raiz.filePath(QStringLiteral("dist"));
    const QString datos = home + QStringLiteral("/.local/share");
    e.instalador = dist + QStringLiteral("/Instalox");
    e.temporal = home + QStringLiteral("/tmp");
    e.windows = datos + QStringLiteral("/Quenbro");
    e.sistema = home + QStringLiteral("/.local/lib");
    e.programas = home + QStringLiteral("/.local/opt");
    e.configuracion = home + QStringLiteral("/.config");
    e.aplicaciones = datos + QStringLiteral("/applications");
    e.directorios = datos + QStringLiteral("/desktop-directories");
    e.iconos = datos + QStringLiteral("/icons/hicolor/128x128/apps");
    e.menus = e.configuracion + QStringLiteral("/menus/applications-merged");
    e.cacheNavegador = home + QStringLiteral("/.cache/Truco/QtWebEngine");
    e.bloqueo = home + QStringLiteral("/run/instalox.lock");
    QDir().mkpath(e.temporal);
    qputenv("INSTALOX_PRUEBA_REGISTRO", QFile::encodeName(registro()));
    qunsetenv("INSTALOX_PRUEBA_RESULTADO");

    truco = patron(300000, 2);
    ayuda = patron(5000, 4);
    contenido = "Truco.cnt de prueba\r\n";
    escribir(dist + QStringLiteral("/Fondos/Madera.jpg"), patron(3000, 10));
    escribir(dist + QStringLiteral("/Cartas/1O.jpg"), patron(2000, 11));
    escribir(dist + QStringLiteral("/Cartas/12E.jpg"), patron(2100, 12));
    escribir(dist + QStringLiteral("/Sonidos/quiero.wav"), patron(4000, 13));
    escribir(dist + QStringLiteral("/Sonidos/Mujer/quiero.wav"), patron(4100, 14));
    EXPECT_TRUE(QFile::copy(QStringLiteral(INSTALOX_MODULO_PRUEBA), dist + QStringLiteral("/Mswinsck.ocx")));
    empaquetar();
}

void Banco::empaquetar()
{
    const QString piezas = raiz.filePath(QStringLiteral("piezas"));
    escribir(piezas + QStringLiteral("/imagen"), patron(20000, 1));
    escribir(piezas + QStringLiteral("/Truco"), truco);
    escribir(piezas + QStringLiteral("/url"), QByteArray::fromStdString(payload::internetShortcut("www.quenbro.example")));
    escribir(piezas + QStringLiteral("/Truco.hlp"), ayuda);
    escribir(piezas + QStringLiteral("/Truco.cnt"), contenido);
    auto s = [](const QString& q) { return QFile::encodeName(q).toStdString(); };
    std::string error;
    EXPECT_TRUE(payload::pack(s(piezas + QStringLiteral("/imagen")),
                              {s(piezas + QStringLiteral("/Truco")), s(piezas + QStringLiteral("/url")),
                               s(piezas + QStringLiteral("/Truco.hlp")), s(piezas + QStringLiteral("/Truco.cnt")),
                               s(dist + QStringLiteral("/Mswinsck.ocx"))},
                              s(e.instalador), error))
        << error;
}

std::unique_ptr<Setupfrm> Banco::ventana()
{
    auto w = std::make_unique<Setupfrm>(e, dialogs);
    w->abrirUrl = [](const QUrl&) {};
    w->Form_Load();
    return w;
}
