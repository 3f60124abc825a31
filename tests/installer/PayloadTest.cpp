// The installer file: trailer, directory reader, extraction and packer.
#include "Arbol.h"
#include "installer/rules/Payload.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace payload;

namespace {

const std::vector<std::int64_t> kTamanosEnviados = {67072, 687104, 49, 111031, 153, 106768};

std::string s(const QString& q) { return QFile::encodeName(q).toStdString(); }

// Pieces of the given sizes written into `dir`, image first.
std::vector<QString> piezas(const QString& dir, const std::vector<std::int64_t>& tamanos)
{
    std::vector<QString> rutas;
    for (std::size_t i = 0; i < tamanos.size(); ++i) {
        const QString r = QDir(dir).filePath(QStringLiteral("pieza%1").arg(i + 1));
        escribir(r, patron(tamanos[i], static_cast<int>(i)));
        rutas.push_back(r);
    }
    return rutas;
}

QString empaquetar(const QString& dir, const std::vector<QString>& p)
{
    const QString out = QDir(dir).filePath(QStringLiteral("Instalox"));
    std::vector<std::string> resto;
    for (std::size_t i = 1; i < p.size(); ++i)
        resto.push_back(s(p[i]));
    std::string error;
    EXPECT_TRUE(pack(s(p[0]), resto, s(out), error)) << error;
    return out;
}

std::string cola(const std::string& lineas)
{
    std::string t = "[GRANDE]\r\n" + lineas;
    t.append(510 - t.size(), ' ');
    return t + "\r\n";
}

}  // namespace

TEST(Payload, EveryPieceRoundTripsByteForByteOverWhateverIsThere)
{
    QTemporaryDir tmp;
    const auto p = piezas(tmp.path(), kTamanosEnviados);
    const QString inst = empaquetar(tmp.path(), p);
    EXPECT_TRUE(QFileInfo(inst).isExecutable());

    PayloadSizes t;
    bool ini = false;
    ASSERT_EQ(ReadPayloadDirectory(s(inst), t, &ini), DirectoryError::None);
    for (std::size_t k = 0; k < kTamanosEnviados.size(); ++k)
        EXPECT_EQ(t.slot[k], kTamanosEnviados[k]);
    EXPECT_EQ(t.offsetOf(6), 865409);

    // The settings file holds the trailer and CR LF, under the installer's name.
    EXPECT_TRUE(ini);
    const QByteArray guardado = leer(QDir(tmp.path()).filePath(QStringLiteral("Instalox.ini")));
    EXPECT_EQ(guardado, QByteArray::fromStdString(buildTrailer(kTamanosEnviados)) + "\r\n");

    for (int n = 1; n <= 6; ++n) {
        const QString dest = QDir(tmp.path()).filePath(QStringLiteral("salida%1").arg(n));
        CopyOptions op;
        op.block = 4096 * 3;  // several blocks per piece
        op.kernelCopy = n % 2 == 0;
        int ticks = 0;
        op.tick = [&] { ++ticks; };
        ASSERT_TRUE(ExtractPayloadFile(s(inst), t, n, s(dest), op)) << n;
        EXPECT_EQ(leer(dest), leer(p[static_cast<std::size_t>(n - 1)])) << "pieza " << n;
        EXPECT_GE(ticks, (kTamanosEnviados[static_cast<std::size_t>(n - 1)] + 12287) / 12288) << n;
    }
    // A number outside the table fails; one inside but unused gives an empty file.
    EXPECT_FALSE(ExtractPayloadFile(s(inst), t, 0, s(tmp.filePath("x"))));
    EXPECT_FALSE(ExtractPayloadFile(s(inst), t, 52, s(tmp.filePath("x"))));
    ASSERT_TRUE(ExtractPayloadFile(s(inst), t, 9, s(tmp.filePath("vacia"))));
    EXPECT_EQ(QFileInfo(tmp.filePath("vacia")).size(), 0);

    // A longer file at the destination is replaced exactly.
    const QString largo = tmp.filePath(QStringLiteral("largo"));
    escribir(largo, QByteArray(1000000, 'x'));
    ASSERT_TRUE(ExtractPayloadFile(s(inst), t, 3, s(largo)));
    EXPECT_EQ(leer(largo), leer(p[2]));
    // A link at the destination is replaced, never written through, and no
    // temporary file is left beside it.
    const QString victima = tmp.filePath(QStringLiteral("victima"));
    escribir(victima, "intacto");
    const QString enlace = tmp.filePath(QStringLiteral("enlace"));
    ASSERT_TRUE(QFile::link(victima, enlace));
    ASSERT_TRUE(ExtractPayloadFile(s(inst), t, 2, s(enlace)));
    EXPECT_EQ(leer(victima), QByteArray("intacto"));
    EXPECT_FALSE(QFileInfo(enlace).isSymLink());
    EXPECT_EQ(leer(enlace), leer(p[1]));
    EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("enlace.*")}, QDir::Files).size(), 0);
}

TEST(Payload, BadInstallerFilesAreRefused)
{
    QTemporaryDir tmp;
    const auto p = piezas(tmp.path(), {4000, 300, 49, 20, 10, 70});
    const QString bueno = empaquetar(tmp.path(), p);
    const QByteArray bytes = leer(bueno);
    PayloadSizes t;

    struct Caso {
        const char* nombre;
        QByteArray contenido;
        DirectoryError esperado;
    };
    const std::string seis = "1=4000\r\n2=300\r\n3=49\r\n4=20\r\n5=10\r\n";
    const Caso casos[] = {
        {"sin cola", bytes.left(bytes.size() - 512), DirectoryError::NoTrailer},
        // Cut short: whatever the last 512 bytes now hold, it is refused.
        {"cortado", bytes.left(bytes.size() - 100), DirectoryError::None},
        {"no suman", bytes.left(bytes.size() - 512) + QByteArray::fromStdString(cola(seis + "6=71\r\n")),
         DirectoryError::DoNotAddUp},
    };
    for (const Caso& c : casos) {
        const QString r = tmp.filePath(QString::fromLatin1(c.nombre));
        escribir(r, c.contenido);
        bool ini = true;
        const DirectoryError e = ReadPayloadDirectory(s(r), t, &ini);
        EXPECT_NE(e, DirectoryError::None) << c.nombre;
        if (c.esperado != DirectoryError::None) {
            EXPECT_EQ(e, c.esperado) << c.nombre;
        }
        EXPECT_EQ(t.count, 0) << c.nombre;
        // No settings file is left for a directory that was refused.
        EXPECT_FALSE(ini) << c.nombre;
        EXPECT_FALSE(QFile::exists(r + QStringLiteral(".ini"))) << c.nombre;
    }
    EXPECT_EQ(ReadPayloadDirectory(s(tmp.filePath("no existe")), t), DirectoryError::NoTrailer);
}

