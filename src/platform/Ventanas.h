#pragma once
#include <QIcon>

class QWidget;

// The game's icon in every size drawn for it (the same pictures the menu
// entry installs).
QIcon iconoDelJuego();

// Puts `ventana` over the middle of `sobre`'s window, kept inside the screen.
void centrarSobre(QWidget& ventana, const QWidget& sobre);

// Puts `ventana` in the middle of the screen's free area.
void centrarEnPantalla(QWidget& ventana);

// Centres `ventana` over its parent's window each time it is shown, where the
// window system would leave it in a corner of the screen.
void centrarAlMostrar(QWidget& ventana);
