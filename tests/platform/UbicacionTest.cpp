// The program finds its data and modules from its own folder in the three
// ways it is laid out: the build tree, Instalox's folder and an installed
// prefix.
#include "platform/Ubicacion.h"
#include "support/Archivos.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Disposicion {
    const char* nombre;
    const char* programa;            // the program's folder
    std::vector<const char*> hay;    // files ("x") and folders ("x/")
    const char *datos, *modulos;     // where each is looked for
};

void PrintTo(const Disposicion& d, std::ostream* os) { *os << d.nombre; }

class Ubicacion_ : public ::testing::TestWithParam<Disposicion> {};

}  // namespace

TEST_P(Ubicacion_, DatosYModulosDondeEstan)
{
    const Disposicion& d = GetParam();
    QTemporaryDir t;
    for (const char* ruta : d.hay) {
        const QString r = t.filePath(QString::fromUtf8(ruta));
        if (QByteArray(ruta).endsWith('/'))
            ASSERT_TRUE(QDir().mkpath(r));
        else
            ASSERT_TRUE(escribir(r, {}));
    }
    QDir().mkpath(t.filePath(QString::fromUtf8(d.programa)));
    const Ubicacion u = ubicacionDe(t.filePath(QString::fromUtf8(d.programa)));
    EXPECT_EQ(u.datos, t.filePath(QString::fromUtf8(d.datos)));
    EXPECT_EQ(u.modulos, t.filePath(QString::fromUtf8(d.modulos)));
}

INSTANTIATE_TEST_SUITE_P(
    Disposiciones, Ubicacion_,
    ::testing::Values(
        Disposicion{"ArbolDeCompilacion", "build/bin", {"build/bin/cartas/", "build/bin/Mswinsck.ocx"}, "build/bin", "build/bin"},
        // An unrelated installation next door does not take over.
        Disposicion{"CarpetaDeInstalox", "opt/Orvalia/Naipex", {"opt/Orvalia/Naipex/Cartas/", "opt/Orvalia/share/naipex/"},
                    "opt/Orvalia/Naipex", "opt/Orvalia/Naipex"},
        Disposicion{"SoloLaAyuda", "bin", {"bin/Truco.hlp", "share/naipex/cartas/"}, "bin", "bin"},
        Disposicion{"PrefijoInstalado", "otro prefijo/bin",
                    {"otro prefijo/bin/Truco", "otro prefijo/share/naipex/cartas/", "otro prefijo/lib/naipex/Mswinsck.ocx"},
                    "otro prefijo/share/naipex", "otro prefijo/lib/naipex"},
        Disposicion{"SinDatos", "bin", {}, "bin", "bin"}),
    [](const auto& info) { return std::string(info.param.nombre); });
