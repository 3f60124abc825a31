#include "game/Form1.h"
#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/IniSettings.h"
#include "platform/Program.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Truco"));

    SystemClock clock;
    BoxDialogs dialogs;
    EffectSoundPlayer sound;
    IniSettings settings(IniSettings::defaultFolder());
    Services services{clock, dialogs, sound, settings, executableFolder(),
                      QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)};

    Form1 mesa(services);
    mesa.Form_Load();
    return app.exec();
}
