#pragma once
#include <QIcon>

class QWidget;

// The game's icon in every size drawn for it (the same pictures the menu
// entry installs).
QIcon iconoDelJuego();

// The program's look, set once on the application: the icon on every window
// and box, keyboard focus drawn plainly on every control, and greyed-out text
// still readable (about 4.5:1 on a button's face).
void aplicarAspecto();

// Puts `ventana` over the middle of `sobre`'s window, kept inside the screen.
void centrarSobre(QWidget& ventana, const QWidget& sobre);

// Puts `ventana` in the middle of the screen's free area.
void centrarEnPantalla(QWidget& ventana);

// Centres `ventana` over its parent's window each time it is shown, where the
// window system would leave it in a corner of the screen.
void centrarAlMostrar(QWidget& ventana);
