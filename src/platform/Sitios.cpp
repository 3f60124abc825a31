#include "platform/Sitios.h"

#include <QUrl>

namespace {

QString desdeEntorno(const char* variable, const QString& porDefecto)
{
    const QString v = qEnvironmentVariable(variable).trimmed();
    return v.isEmpty() ? porDefecto : v;
}

QString sinBarraFinal(QString s)
{
    while (s.endsWith(QLatin1Char('/')))
        s.chop(1);
    return s;
}

QString hostDe(const QString& sitio)
{
    const QUrl u(sitio);
    if (!u.isValid() || u.host().isEmpty())
        return sitio;
    return u.port() > 0 ? u.host() + QLatin1Char(':') + QString::number(u.port()) : u.host();
}

}  // namespace

namespace sitios {

QString fabricante()
{
    return sinBarraFinal(desdeEntorno("NAIPEX_SITIO", QStringLiteral("http://www.quenbro.example")));
}

QString hostFabricante() { return hostDe(fabricante()); }

QString socio()
{
    return sinBarraFinal(desdeEntorno("NAIPEX_SITIO_SOCIO", QStringLiteral("http://www.orvalia.example")));
}

QString hostSocio() { return hostDe(socio()); }

QString correo() { return desdeEntorno("NAIPEX_CORREO", QStringLiteral("soporte@quenbro.example")); }

}  // namespace sitios
