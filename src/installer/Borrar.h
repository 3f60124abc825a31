#pragma once
#include <QString>
#include <QStringList>

// Empties the cache folder of the game's embedded browser: every entry is
// first listed in List1, then deleted. Errors are skipped. A cache folder that
// is a symbolic link is left alone, so nothing outside it is ever removed.
void ClearUrlCache(const QString& cacheFolder, QStringList& List1);
