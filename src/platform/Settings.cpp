#include "platform/Settings.h"

int leerEntero(const QString& valor, int porDefecto)
{
    bool ok = false;
    const int n = valor.trimmed().toInt(&ok, 10);
    return ok ? n : porDefecto;
}

bool leerBooleano(const QString& valor, bool porDefecto)
{
    const QString v = valor.trimmed();
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int n = v.toInt(&ok, 10);
    return ok ? n != 0 : porDefecto;
}

int Settings::getInt(const QString& app, const QString& section, const QString& key, int def) const
{
    return leerEntero(get(app, section, key), def);
}

bool Settings::getBool(const QString& app, const QString& section, const QString& key, bool def) const
{
    return leerBooleano(get(app, section, key), def);
}
