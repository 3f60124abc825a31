// The installation over an old one, and failures half-way: nothing installed
// changes and no success is reported unless every piece arrived.
#include "Banco.h"
#include "installer/Setupfrm.h"
#include "installer/frmporc.h"
#include "platform/IniSettings.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kExito = QStringLiteral("Naipex se ha instalado satisfactoriamente en su sistema");
const QString kPregunta = QStringLiteral("El directorio ya existe y contiene archivos. ¿Desea sobreescribirlo?");
const QString kCancelada = QStringLiteral("La instalación se ha cancelado: no se modificó la instalación anterior.");

// Runs `accion` once, when the progress label is set to `porcentaje`.
class AlLlegarA : public QObject {
public:
    // Owned by the label it watches, so it goes with the window.
    AlLlegarA(QObject* etiqueta, int porcentaje, std::function<void()> accion)
        : QObject(etiqueta), porcentaje_(QString::number(porcentaje)), accion_(std::move(accion))
    {
        etiqueta->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::DynamicPropertyChange && accion_ && o->property("Tag").toString() == porcentaje_) {
            std::exchange(accion_, nullptr)();
        }
        return false;
    }

private:
    QString porcentaje_;
    std::function<void()> accion_;
};

// A machine with Naipex installed, and a newer installer in its dist folder
// whose every piece differs from what is installed.
struct Instalado : Banco {
    QString carpeta = home + QStringLiteral("/Naipex/");
    Instalado()
    {
        auto w = ventana();
        w->Txtdir->setText(carpeta);
        w->cmdinstalar_Click();
        EXPECT_TRUE(w->terminado()) << dialogs.texts().join(QLatin1Char('|')).toStdString();
        IniSettings(e.configuracion).save(QStringLiteral("Truco"), QStringLiteral("Opciones"),
                                          QStringLiteral("Nombre"), QStringLiteral("Pepe"));
        truco = patron(310000, 40);
        ayuda = patron(5100, 41);
        contenido = "Truco.cnt nuevo\r\n";
        empaquetar();
        escribir(dist + QStringLiteral("/Cartas/1O.jpg"), patron(2200, 42));
        escribir(dist + QStringLiteral("/Sonidos/Mujer/quiero.wav"), patron(4200, 43));
        dialogs.shown.clear();
    }
    // Installs again over the old installation, answering Yes.
    std::unique_ptr<Setupfrm> reinstalar(const std::function<void(Setupfrm&)>& antes = {})
    {
        dialogs.answers = {true};
        auto w = ventana();
        if (antes)
            antes(*w);
        w->Txtdir->setText(carpeta);
        w->cmdinstalar_Click();
        return w;
    }
};

// The installation stopped with one error box ending with the cancellation,
// back at choosing a folder, with nothing left behind.
void seDetuvo(Instalado& b, Setupfrm& w, const QString& comienzo)
{
    EXPECT_FALSE(w.terminado());
    ASSERT_EQ(b.dialogs.shown.size(), 2u) << b.dialogs.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(b.dialogs.shown[0].text, kPregunta);
    const auto& caja = b.dialogs.shown[1];
    EXPECT_EQ(caja.icon, Dialogs::Icon::Error);
    EXPECT_TRUE(caja.text.startsWith(comienzo)) << caja.text.toStdString();
    EXPECT_TRUE(caja.text.endsWith(QLatin1Char('\n') + kCancelada)) << caja.text.toStdString();
    EXPECT_FALSE(w.porcVisible());
    EXPECT_TRUE(w.Cmdinstalar->isEnabled());
    EXPECT_TRUE(QDir(b.e.temporal).isEmpty());
    EXPECT_FALSE(QFile::exists(b.dist + QStringLiteral("/Instalox.ini")));
}

}  // namespace

// Each way an installation over an old one can fail half-way: one error box
// ending with the cancellation, and nothing installed changed. Only the test
// control's log grows, by the registration that was refused.
TEST(Extraccion, AFailureHalfWayChangesNothingInstalled)
{
    struct Caso {
        const char* nombre;
        std::function<void(Instalado&, Setupfrm&)> preparar;
        std::function<QString(const Instalado&)> error;
        bool registra = false;
    };
    const Caso casos[] = {
        {"el instalador se corta al extraer el juego",
         [](Instalado& b, Setupfrm& w) {
             new AlLlegarA(w.porc().lbl1, 10, [&b] { ASSERT_TRUE(QFile(b.e.instalador).resize(20000)); });
         },
         [](const Instalado&) { return QStringLiteral("Se produjo un error al intentar extraer Truco\n"); }},
        {"no hay carpeta privada",
         [](Instalado& b, Setupfrm&) {
             QDir(b.e.temporal).removeRecursively();
             escribir(b.e.temporal, "no es carpeta");
         },
         [](const Instalado& b) {
             return QStringLiteral("No se pudo crear una carpeta privada para extraer los archivos en ") + b.e.temporal;
         }},
        {"un destino que es una carpeta",
         [](Instalado& b, Setupfrm&) {
             const QString destino = b.carpeta + QStringLiteral("Sonidos/Mujer/quiero.wav");
             QFile::remove(destino);
             escribir(destino + QStringLiteral("/dentro"), "de otro");
         },
         [](const Instalado& b) {
             return QStringLiteral("No se pudo copiar ") + b.carpeta + QStringLiteral("Sonidos/Mujer/quiero.wav (");
         }},
        {"falta el control junto al instalador",
         [](Instalado& b, Setupfrm&) { QFile::remove(b.dist + QStringLiteral("/Mswinsck.ocx")); },
         [](const Instalado&) { return QStringLiteral("Error al instalar Mswinsck.ocx "); }},
        {"el control no se registra",
         [](Instalado&, Setupfrm&) { qputenv("INSTALOX_PRUEBA_RESULTADO", "1"); },
         [](const Instalado&) { return QStringLiteral("Registración No satisfactoria.\n"); }, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Instalado b;
        Arbol antes;
        auto w = b.reinstalar([&](Setupfrm& w) {
            c.preparar(b, w);
            antes = leerArbol(b.home);
        });
        qunsetenv("INSTALOX_PRUEBA_RESULTADO");
        seDetuvo(b, *w, c.error(b));
        Arbol despues = leerArbol(b.home);
        // The new control was asked to register where it lay, then taken back.
        const QByteArray linea = "registrar " + QFile::encodeName(b.e.sistema + QStringLiteral("/Mswinsck.ocx")) + "\n";
        EXPECT_EQ(despues[QStringLiteral("registro.txt")], antes[QStringLiteral("registro.txt")] + (c.registra ? linea : ""));
        antes.erase(QStringLiteral("registro.txt"));
        despues.erase(QStringLiteral("registro.txt"));
        EXPECT_EQ(despues, antes);
    }
}

TEST(Extraccion, AnInstallationOverAnOldOneLeavesOnlyTheNewFiles)
{
    Instalado b;
    const Arbol antes = leerArbol(b.carpeta);
    auto w = b.reinstalar();
    ASSERT_TRUE(w->terminado()) << b.dialogs.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(b.dialogs.texts(), (QStringList{kPregunta, kExito}));
    Arbol esperado = antes;
    esperado[QStringLiteral("Truco")] = b.truco;
    esperado[QStringLiteral("Truco.hlp")] = b.ayuda;
    esperado[QStringLiteral("Truco.cnt")] = b.contenido;
    esperado[QStringLiteral("Cartas/1O.jpg")] = leer(b.dist + QStringLiteral("/Cartas/1O.jpg"));
    esperado[QStringLiteral("Sonidos/Mujer/quiero.wav")] = leer(b.dist + QStringLiteral("/Sonidos/Mujer/quiero.wav"));
    // Neither the new files' drafts nor the old files stay beside them.
    EXPECT_EQ(leerArbol(b.carpeta), esperado);
    EXPECT_EQ(QDir(b.e.sistema).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Mswinsck.ocx")});
    EXPECT_EQ(QDir(b.e.windows).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Quenbro WebSite.url")});
    EXPECT_TRUE(QDir(b.e.temporal).isEmpty());
    EXPECT_EQ(IniSettings(b.e.configuracion).get(QStringLiteral("Truco"), QStringLiteral("Opciones"), QStringLiteral("Nombre")),
              QString());
}
