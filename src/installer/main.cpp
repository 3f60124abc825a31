// Instalox: installs Naipex from the pieces carried in its own file and the
// folders beside it.
#include "installer/Entorno.h"
#include "installer/ModSetup.h"
#include "installer/Setupfrm.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// Unattended runs (INSTALOX_DESATENDIDO): questions are answered from
// INSTALOX_RESPUESTAS ("si,no,..."; Yes when the list runs out) and every
// message is written as "icon<TAB>title<TAB>text" to INSTALOX_REGISTRO.
class RegistroDialogs : public Dialogs {
public:
    RegistroDialogs()
    {
        for (const QString& r : qEnvironmentVariable("INSTALOX_RESPUESTAS").split(QLatin1Char(','), Qt::SkipEmptyParts))
            respuestas_.append(r.trimmed().compare(QStringLiteral("no"), Qt::CaseInsensitive) != 0);
    }
    void message(QWidget*, Icon icon, const QString& title, const QString& text) override
    {
        anotar(icon, title, text);
    }
    bool ask(QWidget*, const QString& title, const QString& text) override
    {
        anotar(Icon::Question, title, text);
        return respuestas_.isEmpty() ? true : respuestas_.takeFirst();
    }

private:
    void anotar(Icon icon, const QString& title, const QString& text)
    {
        static const char* const nombres[] = {"informacion", "error", "pregunta", "aviso"};
        const QString linea = QString::fromLatin1(nombres[static_cast<int>(icon)]) + QLatin1Char('\t') + title
                              + QLatin1Char('\t') + text + QLatin1Char('\n');
        QFile f(qEnvironmentVariable("INSTALOX_REGISTRO"));
        if (!f.fileName().isEmpty() && f.open(QIODevice::Append))
            f.write(linea.toUtf8());
        else
            std::fputs(linea.toLocal8Bit().constData(), stderr);
    }
    QList<bool> respuestas_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Instalox"));
    // As root the game is installed for everyone unless --usuario asks for
    // root's own folders.
    const bool usuario = QCoreApplication::arguments().contains(QStringLiteral("--usuario"));
    const Entorno entorno = Entorno::delSistema(::geteuid() == 0 && !usuario);
    if (!ModSetup::PrimeraInstancia(entorno.bloqueo))
        return 0;

    const bool desatendido = qEnvironmentVariableIsSet("INSTALOX_DESATENDIDO");
    BoxDialogs cajas;
    RegistroDialogs registro;
    Dialogs& dialogs = desatendido ? static_cast<Dialogs&>(registro) : cajas;

    Setupfrm setup(entorno, dialogs);
    setup.show();
    setup.Form_Load();
    if (desatendido) {
        QTimer::singleShot(0, &setup, [&] {
            const QString carpeta = qEnvironmentVariable("INSTALOX_DESATENDIDO");
            if (!carpeta.isEmpty())
                setup.Txtdir->setText(carpeta);
            setup.cmdinstalar_Click();
            app.exit(setup.terminado() ? 0 : 1);
        });
    }
    return app.exec();
}
