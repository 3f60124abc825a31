#include "game/Form1.h"
#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Enlaces.h"
#include "platform/IniSettings.h"
#include "platform/Program.h"
#include "platform/Red.h"
#include "platform/Sound.h"
#include "platform/Ubicacion.h"
#include "platform/Web.h"
#include "shell/Publicidad.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    prepararMotorWeb();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Truco"));

    SystemClock clock;
    BoxDialogs dialogs;
    EffectSoundPlayer sound;
    IniSettings settings(IniSettings::defaultFolder());
    const Ubicacion ubicacion = ubicacionDe(executableFolder());
    Services services{clock, dialogs, sound, settings, ubicacion.datos,
                      QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)};
    services.moduleFolder = ubicacion.modulos;
    ConexionSistema conexion;
    DescargadorHttp descargador;
    EnlacesEscritorio enlaces;
    const auto motor = crearMotorWeb();  // outlives the table's pages
    services.conexion = &conexion;
    services.descargador = &descargador;
    services.enlaces = &enlaces;
    services.web = motor.get();

    Form1 mesa(services);
    mesa.publicidad->SponsorActivo = true;
    mesa.Form_Load();
    return app.exec();
}
