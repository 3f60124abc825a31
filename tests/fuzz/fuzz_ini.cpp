// The settings file may be edited by hand or written by other programs: on
// any file, a value the game saves reads back as saved, and a value saved
// elsewhere in the file is left as it was.
#include "Comprobar.h"
#include "platform/IniSettings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Sections and keys are the program's own names, never a player's.
const char* const kNombres[] = {"Truco", "Pvez", "Bandera", "Red", "Puerto", "Ventana", "Imagen",
                                "Fondo", "Nombre", "cara", "Numero", "Sonido", "habilitado", "IP",
                                "TRUCO", "bandera", "Juego", "Flor", "Empieza", "Mazo"};

QString nombre(FuzzedDataProvider& fdp)
{
    return QString::fromLatin1(fdp.PickValueInArray(kNombres));
}

// What a value reads back as: one line, control characters as spaces,
// without blanks around it.
QString comoSeLee(QString v)
{
    for (QChar& c : v)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return v.trimmed();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    COMPROBAR(dir.isValid());
    FuzzedDataProvider fdp(data, size);
    const QString seccion = nombre(fdp);
    const QString clave = nombre(fdp);
    const QString otraSeccion = nombre(fdp);
    const QString otraClave = nombre(fdp);
    const QString valor = QString::fromUtf8(QByteArray::fromStdString(fdp.ConsumeRandomLengthString(256)));
    const std::string archivo = fdp.ConsumeRemainingBytesAsString();

    IniSettings ini(dir.path());
    {
        QFile f(ini.fileFor(QStringLiteral("Truco")));
        COMPROBAR(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        COMPROBAR(f.write(archivo.data(), static_cast<qint64>(archivo.size())) == static_cast<qint64>(archivo.size()));
    }
    const bool misma = seccion.compare(otraSeccion, Qt::CaseInsensitive) == 0 &&
                       clave.compare(otraClave, Qt::CaseInsensitive) == 0;
    const QString ajeno = QStringLiteral("\x01sin valor");
    const QString antes = ini.get(QStringLiteral("Truco"), otraSeccion, otraClave, ajeno);

    ini.save(QStringLiteral("Truco"), seccion, clave, valor);
    const QString leido = ini.get(QStringLiteral("Truco"), seccion, clave, ajeno);
    if (leido != comoSeLee(valor)) {
        std::fprintf(stderr, "saved [%s] %s=\"%s\", read back \"%s\"\n", qPrintable(seccion), qPrintable(clave),
                     qPrintable(valor), qPrintable(leido));
        COMPROBAR(!"a saved value reads back");
    }
    if (!misma)
        COMPROBAR(ini.get(QStringLiteral("Truco"), otraSeccion, otraClave, ajeno) == antes);
    return 0;
}
