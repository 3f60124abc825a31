#include "platform/Red.h"
#include "support/Archivos.h"
#include "support/ServidorHttp.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr qint64 kLimite = DescargadorHttp::kTamanoMaximo;
}  // namespace

TEST(DescargadorHttp, StoresTheFileAndAFailureOrAnAnswerTooLargeKeepsThePreviousOneWhole)
{
    ServidorHttp srv;
    ASSERT_TRUE(srv.ok());
    QTemporaryDir dir;
    const QString destino = dir.filePath("sub/pnaipex.dat");  // the folder is made when needed
    DescargadorHttp d(5000);

    srv.poner("/pnaipex.dat", "cabecera***http://a.example/;");
    ASSERT_TRUE(d.DownloadFile(srv.direccion() + "/pnaipex.dat", destino, kLimite));
    EXPECT_EQ(leer(destino), "cabecera***http://a.example/;");

    // Not found, a server error, an empty 404 body: the old file stays.
    srv.poner("/pnaipex.dat", "pagina de error", 500);
    EXPECT_FALSE(d.DownloadFile(srv.direccion() + "/pnaipex.dat", destino, kLimite));
    EXPECT_FALSE(d.DownloadFile(srv.direccion() + "/otro.dat", destino, kLimite));
    EXPECT_EQ(leer(destino), "cabecera***http://a.example/;");

    // Nobody listening on the port any more.
    QString muerto;
    {
        ServidorHttp cerrado;
        muerto = cerrado.direccion();
    }
    EXPECT_FALSE(d.DownloadFile(muerto + "/pnaipex.dat", destino, kLimite));
    EXPECT_EQ(leer(destino), "cabecera***http://a.example/;");

    // An answer over the caller's bound is refused, the file kept; one
    // exactly at it is stored.
    const QByteArray justo(64 * 1024, 'a');
    srv.poner("/pnaipex.dat", justo);
    ASSERT_TRUE(d.DownloadFile(srv.direccion() + "/pnaipex.dat", destino, justo.size()));
    srv.poner("/pnaipex.dat", QByteArray(justo.size() + 1, 'b'));
    EXPECT_FALSE(d.DownloadFile(srv.direccion() + "/pnaipex.dat", destino, justo.size()));
    EXPECT_EQ(leer(destino), justo);

    // Only web addresses are fetched.
    EXPECT_FALSE(d.DownloadFile("file://" + destino, dir.filePath("copia"), kLimite));
    EXPECT_FALSE(QFile::exists(dir.filePath("copia")));
}

TEST(DescargadorHttp, ASilentServerTimesOutAndAHugeAnswerIsRefused)
{
    ServidorHttp srv;
    ASSERT_TRUE(srv.ok());
    QTemporaryDir dir;
    const QString destino = dir.filePath("pnaipexS.dat");

    srv.callado = true;
    DescargadorHttp rapido(300);
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(rapido.DownloadFile(srv.direccion() + "/pnaipexS.txt", destino, kLimite));
    EXPECT_LT(t.elapsed(), 5000);  // bounded: the time-out ended the wait
    EXPECT_FALSE(QFile::exists(destino));
    EXPECT_EQ(srv.pedidos, QStringList{"/pnaipexS.txt"});

    srv.callado = false;
    srv.poner("/grande", QByteArray(DescargadorHttp::kTamanoMaximo + 1, 'x'));
    DescargadorHttp d(5000);
    // A caller allowing more does not lift the bound.
    EXPECT_FALSE(d.DownloadFile(srv.direccion() + "/grande", destino, 4 * kLimite));
    EXPECT_FALSE(QFile::exists(destino));
}
