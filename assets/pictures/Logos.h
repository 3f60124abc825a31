#pragma once
#include <QImage>

// Pictures of the installer: the maker's logo and the menu icons.
QImage drawMakerLogo();     // 240 x 240
QImage drawGameIcon();      // 128 x 128, three fanned cards
QImage drawGroupIcon();     // 128 x 128, the maker's "Q"
QImage drawWebSiteIcon();   // 128 x 128, a globe
