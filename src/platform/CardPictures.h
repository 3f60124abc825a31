#pragma once
#include <QPixmap>
#include <QString>

// The picture of a card: <folder>/cartas/<code>.jpg. A picture that cannot
// be read gives a plain face with the code written on it, so a deal goes on.
QPixmap loadCardPicture(const QString& programFolder, const QString& code);
// Size a card is shown at on the table (pictures are drawn twice as large).
QSize cardShownSize();
