#include "platform/Enlaces.h"

#include <QDesktopServices>

// Reports nothing when no program takes the address.
void EnlacesEscritorio::abrir(const QUrl& url) { QDesktopServices::openUrl(url); }
