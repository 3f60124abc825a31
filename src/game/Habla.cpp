// What the players say: speech labels, voice files and the flor verses.
#include "game/FFlor.h"
#include "motor/Reglas.h"
#include "motor/Voces.h"
#include "game/Form1.h"
#include "platform/Carpetas.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"

#include <QHash>

namespace {

const char* const kVersos[4] = {
    "Por el rio Paraná venía navegando un piojo con un hachazo en el ojo y una flor en el hojal.",
    "Te vi venir desde lejos, galopando en ese flete, con tus espuelas de plata y una flor en el ojete",
    "Allá por el horizonte donde relincha el peludo salió una iguana corriendo con una flor en el culo",
    "Pintor que pintó la luna, pintó la luna y el sol, pinto una mina en pelotas y en cada teta le puso una flor",
};

}  // namespace

QString archivoDeSonido(const QString& programFolder, int codigo, int numero, const QString& jugador)
{
    const char* nombre = motor::raizDeSonido(codigo);
    if (!nombre)
        return QString();
    const bool mujer = jugador == QLatin1String("2") || jugador == QLatin1String("4");
    // Every path is made once per program folder: a sound is heard many
    // times a hand.
    static QHash<QString, QHash<int, QString>> rutas;
    QHash<int, QString>& deLaCarpeta = rutas[programFolder];
    const int clave = ((codigo == 12 ? codigo * 1000 + numero : codigo) << 1) | (mujer ? 1 : 0);
    if (const auto it = deLaCarpeta.constFind(clave); it != deLaCarpeta.cend())
        return *it;
    QString raiz = QString::fromLatin1(nombre);
    if (codigo == 12)
        raiz += QString::number(numero);
    QString carpeta = buscarCarpeta(programFolder, QStringLiteral("Sonidos"));
    if (mujer)
        carpeta = buscarCarpeta(carpeta, QStringLiteral("Mujer"));
    return *deLaCarpeta.insert(clave, carpeta + QLatin1Char('/') + raiz + QStringLiteral(".wav"));
}

QString verso(int i) { return QString::fromUtf8(kVersos[((i % 4) + 4) % 4]); }

void Form1::Sonar(int codigo, int numero, const QString& jugador)
{
    s_.clock.yieldEvents();
    reproducir(codigo, numero, jugador);
    s_.clock.yieldEvents();
}

void Form1::reproducir(int codigo, int numero, const QString& jugador)
{
    if (nosonido->isChecked())
        return;
    const QString archivo = archivoDeSonido(s_.programFolder, codigo, numero, jugador);
    if (!archivo.isEmpty())
        s_.sound.play(archivo);
}

void Form1::decir(Etiqueta* quien, const QString& texto)
{
    if (quien)
        quien->setCaption(texto);
}
