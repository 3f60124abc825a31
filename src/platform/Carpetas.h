#pragma once
#include <QString>

// The sub-folder `nombre` of `base`, whatever its case on disk: the exact name
// when it exists, otherwise the first folder whose name differs only in case
// (in name order), otherwise base/nombre as written.
QString buscarCarpeta(const QString& base, const QString& nombre);
