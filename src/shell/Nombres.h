#pragma once
#include <QString>

class QWidget;

// What a screen reader says for a caption: the text without its mnemonic.
QString sinMnemonico(QString caption);
// Gives a control its name (also its accessible description) and what a
// player should hear.
void nombrar(QWidget* w, const QString& control, const QString& oido);
