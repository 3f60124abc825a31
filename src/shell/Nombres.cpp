#include "shell/Nombres.h"

#include <QWidget>

QString sinMnemonico(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

void nombrar(QWidget* w, const QString& control, const QString& oido)
{
    w->setObjectName(control);
    w->setAccessibleDescription(control);
    w->setAccessibleName(oido);
}
