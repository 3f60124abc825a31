// The real program started on the X platform as a first-run user. The page
// engine is loaded only when a banner shows, so the start must not make an
// OpenGL context for it: that loads a 3D driver and triples the memory of
// every start. The offscreen platform has no OpenGL and would hide it.
#include "platform/PantallaVirtual.h"
#include "support/Archivos.h"
#include "platform/Program.h"
#include "platform/Web.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const char kVarPagina[] = "TRUCO_PRUEBA_PAGINA";


}  // namespace

TEST(ArranqueEnX, LaMesaSeMuestraSinCargarOpenGL)
{
    const PantallaVirtual x;
    if (!x.activa())
        GTEST_SKIP() << "Xvfb is not installed";
    const QString truco = executableFolder() + QStringLiteral("/Truco");
    ASSERT_TRUE(QFileInfo::exists(truco)) << "the game is not built beside the tests";

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess p;
    p.setProcessEnvironment(x.entorno(home.path()));
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(truco, {});
    ASSERT_TRUE(p.waitForStarted(30000));

    // A first run marks itself in truco.ini once the table has been shown:
    // the application and its window exist by then.
    const QString ini = home.filePath(QStringLiteral(".config/truco.ini"));
    const bool mostrada = QTest::qWaitFor(
        [&] { return p.state() != QProcess::Running || leer(ini).contains("Bandera"); }, 60000);
    ASSERT_TRUE(mostrada && p.state() == QProcess::Running) << "the table did not show";

    const QStringList gl = bibliotecasOpenGL(p.processId());
    EXPECT_TRUE(gl.isEmpty()) << "OpenGL loaded at start: " << gl.join(QStringLiteral(", ")).toStdString();

    p.kill();
    p.waitForFinished(30000);
}

// Without the context made at start the engine module must make its own
// with the first page, or Qt WebEngine crashes there instead of drawing.
// The page is drawn on the X platform, so this test runs the one below in a
// copy of this program on the virtual server and reads its verdict.
TEST(ArranqueEnX, LaPrimeraPaginaSeDibujaSinContextoDeArranque)
{
    const PantallaVirtual x;
    if (!x.activa())
        GTEST_SKIP() << "Xvfb is not installed";
    if (!QFileInfo::exists(executableFolder() + QStringLiteral("/NaipexWeb.so")))
        GTEST_SKIP() << "built without Qt WebEngine";

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    // Red, with a blue square in the top-left corner.
    const QString pagina = home.filePath(QStringLiteral("pagina.html"));
    QFile f(pagina);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body style='margin:0;background:#ff0000'>"
            "<div style='width:100px;height:100px;background:#0000ff'></div></body></html>");
    f.close();

    QProcessEnvironment env = x.entorno(home.path());
    env.insert(QString::fromLatin1(kVarPagina), pagina);
    if (geteuid() == 0)  // as the game does: Chromium's sandbox refuses root
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    // In a sanitizer build: Chromium, D-Bus and fontconfig keep allocations
    // until the process ends, and their stacks cannot be told from ours.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess hijo;
    hijo.setProcessEnvironment(env);
    hijo.setProcessChannelMode(QProcess::MergedChannels);
    hijo.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=PaginaEnX.*")});
    ASSERT_TRUE(hijo.waitForStarted(30000));
    const bool termino = hijo.waitForFinished(240000);
    if (!termino) {
        hijo.kill();
        hijo.waitForFinished(30000);
    }
    const QByteArray salida = hijo.readAll();
    ASSERT_TRUE(termino) << "the page test did not end:\n" << salida.right(3000).constData();
    EXPECT_TRUE(salida.contains("[       OK ] PaginaEnX.")) << salida.right(3000).constData();
    EXPECT_EQ(hijo.exitStatus(), QProcess::NormalExit) << salida.right(3000).constData();
    EXPECT_EQ(hijo.exitCode(), 0);
}

// Run only by the test above, on the X platform: the real engine module
// shows a local page in a window, as the first banner does, and the page's
// pixels are read back from the screen.
TEST(PaginaEnX, ElModuloDibujaLaPagina)
{
    const QString pagina = qEnvironmentVariable(kVarPagina);
    if (pagina.isEmpty())
        GTEST_SKIP() << "run by ArranqueEnX.LaPrimeraPaginaSeDibujaSinContextoDeArranque";
    MotorModulo motor(executableFolder() + QStringLiteral("/NaipexWeb.so"));
    QWidget ventana;
    ventana.resize(240, 240);
    ventana.show();
    const auto p = motor.crearPagina(&ventana);
    ASSERT_TRUE(p) << "the engine module did not load";
    p->vista()->setGeometry(ventana.rect());
    p->vista()->show();
    p->navegar(QUrl::fromLocalFile(pagina));

    QImage img;
    const bool dibujada = QTest::qWaitFor(
        [&] {
            img = ventana.screen()->grabWindow(ventana.winId()).toImage();
            return img.pixel(180, 180) == qRgb(255, 0, 0) && img.pixel(40, 40) == qRgb(0, 0, 255);
        },
        120000);
    EXPECT_TRUE(dibujada) << "pixels " << std::hex << img.pixel(180, 180) << " and " << img.pixel(40, 40);
}
