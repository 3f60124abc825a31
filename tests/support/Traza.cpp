#include "support/Traza.h"

#include "net/Enlace.h"
#include "support/Jugador.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>

Traza::Traza(MesaDePrueba& m)
{
    Form1& f = m.form;
    const QString carpeta = f.services().programFolder + QLatin1Char('/');
    for (Etiqueta* e : f.findChildren<Etiqueta*>())
        QObject::connect(e, &Etiqueta::captionCambiado, &contexto_, [this, e](const QString& t) {
            anotar(QStringLiteral("L %1=%2").arg(e->objectName(), t));
        });
    QObject::connect(&f, &QWidget::windowTitleChanged, &contexto_, [this](const QString& t) { anotar(QStringLiteral("T ") + t); });
    QObject::connect(&f, &Form1::ventanaModal, &contexto_, [this](QDialog* w) {
        anotar(QStringLiteral("V ") + QString::fromLatin1(w->metaObject()->className()));
    });
    m.fake.sound.alSonar = [this, carpeta](const QString& ruta) {
        anotar(QStringLiteral("S ") + (ruta.startsWith(carpeta) ? ruta.mid(carpeta.size()) : ruta));
    };
    m.fake.dialogs.alMostrar = [this](const ScriptedDialogs::Shown& s) {
        anotar(QStringLiteral("B %1|%2").arg(s.title, s.text));
    };
}

void Traza::seguir(JugadorGuionado& j)
{
    j.alActuar = [this](const QString& s) { anotar(QStringLiteral("> ") + s); };
}

void Traza::seguirCable(Enlace& e, const QString& marca)
{
    e.alEscribir = [this, marca](const QByteArray& bytes) {
        QString s = marca + QLatin1Char(' ');
        for (char c : bytes) {
            const auto u = static_cast<unsigned char>(c);
            s += u >= 0x20 && u < 0x7f && u != '\\' ? QString(QLatin1Char(c)) : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        }
        anotar(s);
    };
}

QString Traza::resumen() const
{
    const QByteArray h = QCryptographicHash::hash(texto().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(h.left(16));
}

namespace trazas {

QString carpeta() { return QStringLiteral(TRUCO_TRAZAS_DORADAS); }

bool grabando() { return qEnvironmentVariableIntValue("TRUCO_GRABAR_TRAZAS") == 1; }

QStringList leer(const QString& archivo)
{
    QFile f(carpeta() + QLatin1Char('/') + archivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void escribir(const QString& archivo, const QString& texto)
{
    QDir().mkpath(carpeta());
    QFile f(carpeta() + QLatin1Char('/') + archivo);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(texto.toUtf8());
}

void volcar(const QString& nombre, const Traza& t)
{
    const QString dir = qEnvironmentVariable("TRUCO_TRAZAS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + nombre + QStringLiteral(".txt"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(t.texto().toUtf8());
}

QString primeraDiferencia(const QString& esperado, const QString& obtenido)
{
    const QStringList a = esperado.split(QLatin1Char('\n'));
    const QStringList b = obtenido.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : QStringLiteral("<fin>");
        const QString y = i < b.size() ? b[i] : QStringLiteral("<fin>");
        if (x != y)
            return QStringLiteral("line %1: expected \"%2\", got \"%3\"").arg(i + 1).arg(x, y);
    }
    return {};
}

}  // namespace trazas
