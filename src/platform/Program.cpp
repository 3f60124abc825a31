#include "platform/Program.h"

#include <QCoreApplication>

QString executableFolder() { return QCoreApplication::applicationDirPath(); }
