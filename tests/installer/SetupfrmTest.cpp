// The installer's window and the installation, in-process on a temporary machine.
#include "Banco.h"
#include "installer/Borrar.h"
#include "installer/Grupo.h"
#include "installer/ModSetup.h"
#include "installer/Setupfrm.h"
#include "installer/frmporc.h"
#include "platform/IniSettings.h"
#include "platform/Sitios.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kDanado = QStringLiteral(
    "El archivo del instalador está dañado o incompleto. No se instaló nada y no se modificó ningún archivo.");
const QString kPregunta = QStringLiteral("El directorio ya existe y contiene archivos. ¿Desea sobreescribirlo?");

void instalarEn(Banco& b, Setupfrm& w, const QString& carpeta)
{
    w.Txtdir->setText(carpeta);
    w.cmdinstalar_Click();
}

}  // namespace

TEST(Setupfrm, StartsReadyWithItsNamedControls)
{
    Banco b;
    auto w = b.ventana();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Instalación de Naipex 2.0"));
    EXPECT_EQ(w->Txtdir->text(), b.e.programas + QStringLiteral("/Orvalia/Naipex/"));
    EXPECT_EQ(w->Txtdir->cursorPosition(), w->Txtdir->text().size());
    EXPECT_TRUE(w->font().family().startsWith(QStringLiteral("Comic")));
    EXPECT_EQ(w->Label1->text(), QStringLiteral("Directorio:"));
    EXPECT_EQ(w->Cmdinstalar->text(), QStringLiteral("Instalar"));
    EXPECT_TRUE(w->lblmensaje->text().startsWith(QStringLiteral("Se instalará el programa Naipex 2.0 en su Pc")));
    EXPECT_FALSE(w->imgsoft->pixmap().isNull());
    for (QWidget* c : {static_cast<QWidget*>(w->Txtdir), static_cast<QWidget*>(w->Cmdinstalar),
                       static_cast<QWidget*>(w->Label2), static_cast<QWidget*>(w->Label1)})
        EXPECT_EQ(c->accessibleDescription(), c->objectName());
    EXPECT_EQ(w->Txtdir->accessibleDescription(), QStringLiteral("Txtdir"));
    EXPECT_EQ(w->porc().lbl1->accessibleDescription(), QStringLiteral("lbl1"));

    // "Instalar" follows the text box.
    w->Txtdir->clear();
    EXPECT_FALSE(w->Cmdinstalar->isEnabled());
    QTest::keyClick(w->Txtdir, Qt::Key_A);
    EXPECT_TRUE(w->Cmdinstalar->isEnabled());

    // The link opens the maker's site, by mouse or by keyboard.
    QStringList abiertos;
    w->abrirUrl = [&](const QUrl& u) { abiertos << u.toString(); };
    EXPECT_EQ(w->Label2->text(), sitios::hostFabricante());
    QTest::mouseClick(w->Label2, Qt::LeftButton);
    QTest::keyClick(w->Label2, Qt::Key_Return);
    EXPECT_EQ(abiertos, QStringList(2, QStringLiteral("http://") + sitios::hostFabricante()));
}

TEST(Setupfrm, BackgroundRampsFromTheEdgeToTheCentre)
{
    // On a 256-pixel square box i starts at (i, i).
    QImage img(256, 256, QImage::Format_RGB32);
    QPainter p(&img);
    Setupfrm::Gradiente(p, img.size());
    p.end();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(128, 128, 0));
    EXPECT_EQ(img.pixelColor(40, 200), QColor(128, 128, 80));
    EXPECT_EQ(img.pixelColor(127, 127), QColor(128, 128, 254));
    EXPECT_EQ(img.pixelColor(128, 128), QColor(128, 128, 255));
}

TEST(Setupfrm, ProgressMilestonesAndTicks)
{
    Banco b;
    auto w = b.ventana();
    frmporc& f = w->porc();
    EXPECT_EQ(f.lbl1->text(), QStringLiteral("Copiando..."));
    EXPECT_TRUE(f.Timer1.isActive());
    EXPECT_EQ(f.Timer1.interval(), 6000);
    f.Timer1_Timer();  // no milestone yet: nothing happens
    EXPECT_EQ(f.lbl1->text(), QStringLiteral("Copiando..."));
    w->Porcentaje(45);
    EXPECT_EQ(f.lbl1->text(), QStringLiteral("Copiando...45 %"));
    f.Timer1_Timer();
    f.Timer1_Timer();
    f.Timer1_Timer();
    f.Timer1_Timer();
    EXPECT_EQ(f.lbl1->text(), QStringLiteral("Copiando...53 %"));
    EXPECT_EQ(f.lbl1->accessibleName(), f.lbl1->text());
    w->Porcentaje(45);  // the next milestone sets it back
    EXPECT_EQ(f.porcentaje(), 45);
}

TEST(Setupfrm, InstallsEverything)
{
    Banco b;
    IniSettings ajustes(b.e.configuracion);
    ajustes.save(QStringLiteral("Truco"), QStringLiteral("Opciones"), QStringLiteral("Nombre"), QStringLiteral("Pepe"));
    escribir(b.e.cacheNavegador + QStringLiteral("/Cache/data_0"), "x");
    escribir(b.e.cacheNavegador + QStringLiteral("/Visited Links"), "y");
    auto w = b.ventana();
    const QString carpeta = b.home + QStringLiteral("/Juegos/Naipex");
    instalarEn(b, *w, carpeta);

    ASSERT_TRUE(w->terminado()) << b.dialogs.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(w->Txtdir->text(), carpeta + QLatin1Char('/'));
    ASSERT_EQ(b.dialogs.shown.size(), 1u);
    EXPECT_EQ(b.dialogs.shown[0].title, QStringLiteral("Instalación"));
    EXPECT_EQ(b.dialogs.shown[0].text, QStringLiteral("Naipex se ha instalado satisfactoriamente en su sistema"));
    EXPECT_EQ(b.dialogs.shown[0].icon, Dialogs::Icon::Information);
    EXPECT_FALSE(w->porcVisible());
    EXPECT_FALSE(w->isVisible());

    const QDir c(carpeta);
    EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco"))), b.truco);
    EXPECT_TRUE(QFileInfo(c.filePath(QStringLiteral("Truco"))).isExecutable());
    EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco.hlp"))), b.ayuda);
    EXPECT_EQ(leer(c.filePath(QStringLiteral("Truco.cnt"))), b.contenido);
    EXPECT_EQ(leer(c.filePath(QStringLiteral("Mswinsck.ocx"))), leer(b.dist + QStringLiteral("/Mswinsck.ocx")));
    EXPECT_EQ(leer(b.e.windows + QStringLiteral("/Quenbro WebSite.url")),
              QByteArray("[InternetShortcut]\r\nURL=HTTP://www.quenbro.example"));
    for (const char* f : {"Fondos/Madera.jpg", "Cartas/1O.jpg", "Cartas/12E.jpg", "Sonidos/quiero.wav",
                          "Sonidos/Mujer/quiero.wav"})
        EXPECT_EQ(leer(c.filePath(QLatin1String(f))), leer(b.dist + QLatin1Char('/') + QLatin1String(f))) << f;

    // The control went to the system folder and was registered there.
    const QString control = b.e.sistema + QStringLiteral("/Mswinsck.ocx");
    EXPECT_EQ(leer(control), leer(b.dist + QStringLiteral("/Mswinsck.ocx")));
    EXPECT_EQ(leer(b.registro()), ("registrar " + QFile::encodeName(control) + "\n"));

    // Settings: the game's are gone, the markers are written.
    EXPECT_FALSE(QFile::exists(ajustes.fileFor(QStringLiteral("Truco"))));
    const QString q = QStringLiteral("Quenbro"), n = QStringLiteral("Naipex");
    EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Esta")), QStringLiteral("SI"));
    EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Ruta")), carpeta + QStringLiteral("/Truco"));
    EXPECT_EQ(ajustes.get(q, n, QStringLiteral("Version")), QStringLiteral("1"));

    // Clean-up: the extracted game, the settings file beside the installer and the browser cache.
    EXPECT_FALSE(QFile::exists(b.e.temporal + QStringLiteral("/Truco")));
    EXPECT_TRUE(QFile::exists(b.e.temporal + QStringLiteral("/Truco.hlp")));
    EXPECT_FALSE(QFile::exists(b.dist + QStringLiteral("/Instalox.ini")));
    EXPECT_TRUE(QDir(b.e.cacheNavegador).isEmpty());
    EXPECT_EQ(w->List1.size(), 2);

    // The program group.
    const QByteArray juego = leer(b.e.aplicaciones + QStringLiteral("/quenbro-naipex.desktop"));
    EXPECT_TRUE(juego.contains("Name=Naipex\n"));
    EXPECT_TRUE(juego.contains("Exec=\"" + QFile::encodeName(carpeta) + "/Truco\"\n"));
    const QByteArray sitio = leer(b.e.aplicaciones + QStringLiteral("/quenbro-sitio.desktop"));
    EXPECT_TRUE(sitio.contains("Type=Link\n"));
    EXPECT_TRUE(sitio.contains("URL=http://" + sitios::hostFabricante().toUtf8() + "\n"));
    EXPECT_TRUE(leer(b.e.menus + QStringLiteral("/quenbro-quenbro.menu")).contains("<Name>Quenbro</Name>"));
    EXPECT_FALSE(QImage(b.e.iconos + QStringLiteral("/quenbro-naipex.png")).isNull());
}

TEST(Setupfrm, OverwriteQuestionWithBothAnswers)
{
    Banco b;
    const QString carpeta = b.home + QStringLiteral("/Naipex/");
    escribir(carpeta + QStringLiteral("Truco"), "juego viejo");
    const Arbol antes = leerArbol(b.raiz.path());
    {
        auto w = b.ventana();
        b.dialogs.answers = {false};
        instalarEn(b, *w, carpeta);
        EXPECT_FALSE(w->terminado());
        EXPECT_EQ(b.dialogs.texts(), QStringList{kPregunta});
        EXPECT_EQ(b.dialogs.shown[0].title, QStringLiteral("Confirmar"));
        EXPECT_EQ(leerArbol(b.raiz.path()), antes);
        EXPECT_TRUE(w->Cmdinstalar->isEnabled());
    }
    b.dialogs.shown.clear();
    b.dialogs.answers = {true};
    auto w = b.ventana();
    instalarEn(b, *w, carpeta);
    EXPECT_TRUE(w->terminado());
    EXPECT_EQ(b.dialogs.texts().first(), kPregunta);
    EXPECT_EQ(leer(carpeta + QStringLiteral("Truco")), b.truco);

    // A folder holding only folders is used without asking.
    b.dialogs.shown.clear();
    QDir().mkpath(b.home + QStringLiteral("/Otra/sub"));
    auto w2 = b.ventana();
    instalarEn(b, *w2, b.home + QStringLiteral("/Otra"));
    EXPECT_TRUE(w2->terminado());
    EXPECT_FALSE(b.dialogs.texts().contains(kPregunta));
}

TEST(Setupfrm, FolderThatCannotBeCreatedStopsAtOnce)
{
    Banco b;
    escribir(b.home + QStringLiteral("/archivo"), "no es carpeta");
    const Arbol antes = leerArbol(b.raiz.path());
    auto w = b.ventana();
    w->Cmdinstalar->setFocus();
    instalarEn(b, *w, b.home + QStringLiteral("/archivo/Naipex"));
    ASSERT_EQ(b.dialogs.shown.size(), 1u);
    EXPECT_EQ(b.dialogs.shown[0].text, QStringLiteral("No se puede crear el directorio"));
    EXPECT_EQ(b.dialogs.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(b.dialogs.shown[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(w->focusWidget(), w->Txtdir);
    EXPECT_EQ(leerArbol(b.raiz.path()), antes);
}

TEST(Setupfrm, CorruptInstallersTouchAnExistingInstallationNot)
{
    Banco b;
    const QString carpeta = b.home + QStringLiteral("/Naipex/");
    {
        auto w = b.ventana();
        instalarEn(b, *w, carpeta);
        ASSERT_TRUE(w->terminado());
    }
    IniSettings(b.e.configuracion).save(QStringLiteral("Truco"), QStringLiteral("Opciones"),
                                        QStringLiteral("Nombre"), QStringLiteral("Pepe"));
    const QByteArray bueno = leer(b.e.instalador);
    const QByteArray cuerpo = bueno.left(bueno.size() - 512);
    auto cola = [](const QByteArray& lineas) {
        QByteArray t = "[GRANDE]\r\n" + lineas;
        return t + QByteArray(510 - t.size(), ' ') + "\r\n";
    };
    const QByteArray tamanos = "1=20000\r\n2=300000\r\n3=49\r\n4=5000\r\n5=21\r\n";
    const std::pair<const char*, QByteArray> rotos[] = {
        {"sin cola", cuerpo},
        {"truncado", bueno.left(bueno.size() / 2)},
        {"basura", cuerpo + patron(512, 7)},
        {"no suman", cuerpo + cola(tamanos + "6=12\r\n")},
        {"enorme", cuerpo + cola(tamanos + "6=2000000000\r\n")},
    };
    const Arbol antes = leerArbol(b.home);
    for (const auto& [nombre, bytes] : rotos) {
        escribir(b.e.instalador, bytes);
        b.dialogs.shown.clear();
        b.dialogs.answers = {true};
        auto w = b.ventana();
        instalarEn(b, *w, carpeta);
        EXPECT_FALSE(w->terminado()) << nombre;
        EXPECT_EQ(b.dialogs.texts(), (QStringList{kPregunta, kDanado})) << nombre;
        EXPECT_FALSE(w->porcVisible()) << nombre;
        EXPECT_TRUE(w->Cmdinstalar->isEnabled()) << nombre;
        EXPECT_TRUE(leerArbol(b.home) == antes) << nombre;
        EXPECT_FALSE(QFile::exists(b.dist + QStringLiteral("/Instalox.ini"))) << nombre;
    }
}

TEST(ModSetup, RegistrationAndSharedFileFailuresAreReported)
{
    Banco b;
    const QString modulo = QStringLiteral(INSTALOX_MODULO_PRUEBA);
    ModSetup::RegisterServer(b.dialogs, nullptr, modulo, true);
    ModSetup::RegisterServer(b.dialogs, nullptr, modulo, false);
    EXPECT_TRUE(b.dialogs.shown.empty());
    EXPECT_EQ(leer(b.registro()), "registrar " + QFile::encodeName(modulo) + "\ndesregistrar "
                                      + QFile::encodeName(modulo) + "\n");

    qputenv("INSTALOX_PRUEBA_RESULTADO", "3");
    ModSetup::RegisterServer(b.dialogs, nullptr, modulo, true);
    ModSetup::RegisterServer(b.dialogs, nullptr, modulo, false);
    qunsetenv("INSTALOX_PRUEBA_RESULTADO");
    EXPECT_EQ(b.dialogs.texts(), (QStringList{QStringLiteral("Registración No satisfactoria."),
                                              QStringLiteral("Unregistration No satisfactoria.")}));
    EXPECT_EQ(b.dialogs.shown[0].title, QStringLiteral("Setup"));

    // Not a library: nothing is called and nothing is said.
    b.dialogs.shown.clear();
    ModSetup::RegisterServer(b.dialogs, nullptr, b.dist + QStringLiteral("/Cartas/1O.jpg"), true);
    EXPECT_TRUE(b.dialogs.shown.empty());

    // A control missing beside the installer.
    EXPECT_FALSE(ModSetup::InstallSharedFile(b.dialogs, nullptr, b.home, QStringLiteral("Mswinsck.ocx"),
                                             b.e.sistema + QStringLiteral("/Mswinsck.ocx")));
    ASSERT_EQ(b.dialogs.shown.size(), 1u);
    EXPECT_TRUE(b.dialogs.shown[0].text.startsWith(QStringLiteral("Error al instalar Mswinsck.ocx ")));
    EXPECT_GT(b.dialogs.shown[0].text.size(), 31);
}

TEST(ModSetup, ReplaceFileNeverLosesTheSource)
{
    QTemporaryDir t;
    const QString a = t.filePath(QStringLiteral("a")), d = t.filePath(QStringLiteral("d"));
    escribir(a, "nuevo");
    escribir(d, "viejo y largo");
    EXPECT_TRUE(ModSetup::ReplaceFile(t.filePath(QStringLiteral("falta")), d));
    EXPECT_EQ(leer(d), QByteArray("viejo y largo"));
    EXPECT_TRUE(ModSetup::ReplaceFile(a, d));
    EXPECT_EQ(leer(d), QByteArray("nuevo"));
    // Installing into the installer's own folder copies a file onto itself.
    EXPECT_TRUE(ModSetup::ReplaceFile(a, t.path() + QStringLiteral("/./a")));
    EXPECT_EQ(leer(a), QByteArray("nuevo"));
}

TEST(ModSetup, OnlyOneInstallerRunsAtATime)
{
    QTemporaryDir t;
    const QString lock = t.filePath(QStringLiteral("run/instalox.lock"));
    EXPECT_TRUE(ModSetup::PrimeraInstancia(lock));
    EXPECT_FALSE(ModSetup::PrimeraInstancia(lock));
}

TEST(Borrar, ClearUrlCacheListsThenDeletesOnlyTheCache)
{
    QTemporaryDir t;
    const QString cache = t.filePath(QStringLiteral("cache"));
    const QString fuera = t.filePath(QStringLiteral("fuera/importante"));
    escribir(fuera, "no tocar");
    escribir(cache + QStringLiteral("/Cache/index"), "1");
    escribir(cache + QStringLiteral("/.oculto"), "2");
    QFile::link(t.filePath(QStringLiteral("fuera")), cache + QStringLiteral("/enlace"));
    QStringList List1;
    ClearUrlCache(cache, List1);
    EXPECT_EQ(List1.size(), 3);
    EXPECT_TRUE(QDir(cache).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    EXPECT_EQ(leer(fuera), QByteArray("no tocar"));

    // A cache folder that is a link is not followed.
    QFile::link(t.filePath(QStringLiteral("fuera")), t.filePath(QStringLiteral("cache2")));
    QStringList otra;
    ClearUrlCache(t.filePath(QStringLiteral("cache2")), otra);
    EXPECT_TRUE(otra.isEmpty());
    EXPECT_EQ(leer(fuera), QByteArray("no tocar"));
}

TEST(Grupo, MenuEntriesAreValidDesktopFiles)
{
    Banco b;
    QStringList escritos;
    ASSERT_TRUE(grupo::crear(b.e, b.home + QStringLiteral("/Mis juegos/Naipex \"2\"/Truco"),
                             QStringLiteral("http://www.quenbro.example"), &escritos));
    EXPECT_EQ(escritos.size(), 7);
    const QString juego = leer(b.e.aplicaciones + QStringLiteral("/quenbro-naipex.desktop"));
    EXPECT_TRUE(juego.contains(QStringLiteral("Exec=\"") + b.home + QStringLiteral("/Mis juegos/Naipex \\\\\"2\\\\\"/Truco\"")))
        << juego.toStdString();
    const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validador.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    for (const QString& f : escritos) {
        if (f.endsWith(QStringLiteral(".png")) || f.endsWith(QStringLiteral(".menu")))
            continue;
        QProcess p;
        p.start(validador, {f});
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 0) << f.toStdString() << ": " << p.readAllStandardOutput().toStdString();
    }
}
