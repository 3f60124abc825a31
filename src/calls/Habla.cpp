// What the players say: speech labels, voice files and the flor verses.
#include "calls/FFlor.h"
#include "motor/Reglas.h"
#include "motor/Voces.h"
#include "calls/AsientoMaquina.h"
#include "game/Form1.h"
#include "platform/Carpetas.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Sound.h"

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
    QString raiz = QString::fromLatin1(nombre);
    if (codigo == 12)
        raiz += QString::number(numero);
    QString carpeta = buscarCarpeta(programFolder, QStringLiteral("Sonidos"));
    if (jugador == QLatin1String("2") || jugador == QLatin1String("4"))
        carpeta = buscarCarpeta(carpeta, QStringLiteral("Mujer"));
    return carpeta + QLatin1Char('/') + raiz + QStringLiteral(".wav");
}

QString verso(int i) { return QString::fromUtf8(kVersos[((i % 4) + 4) % 4]); }

void Form1::Sonar(int codigo, int numero, const QString& jugador)
{
    if (nosonido->isChecked())
        return;
    const QString archivo = archivoDeSonido(s_.programFolder, codigo, numero, jugador);
    if (archivo.isEmpty())
        return;
    s_.clock.yieldEvents();
    s_.sound.play(archivo);
    s_.clock.yieldEvents();
}

void Form1::decir(Etiqueta* quien, const QString& texto)
{
    if (quien)
        quien->setCaption(texto);
}

void AsientoMaquina::CantarFlor(bool Atrevido)
{
    if (!f_.versoElegido) {
        f_.versoActual = reglas::primerVerso(f_.services().clock.uniform());
        f_.versoElegido = true;
    } else {
        f_.versoActual = reglas::siguienteVerso(f_.versoActual);
    }
    if (Atrevido) {
        f_.decir(f_.LC, QStringLiteral("Flor por atrevido"));
        f_.Sonar(13, 0, QString());
        f_.FlorCantada = f_.EnvidoCantado = true;
        f_.Pausa(0.8);
        f_.DarPuntos(QStringLiteral("M"), 3);
        return;
    }
    f_.decir(f_.LC, QStringLiteral("Flor"));
    FFlor w(f_, QLatin1Char('"') + verso(f_.versoActual) + QLatin1Char('"'));
    emit f_.ventanaModal(&w);
    Flujo::Paso paso(f_.services().dialogs.flujo());
    w.exec();
}
