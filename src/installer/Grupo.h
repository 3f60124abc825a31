#pragma once
#include <QString>
#include <QStringList>

struct Entorno;

// The program group as freedesktop menu entries: a "Quenbro" sub-menu holding
// the launcher "Naipex" for the installed game and the link "Quenbro WebSite".
namespace grupo {

QString entradaJuego(const QString& juego, const QString& icono);
QString entradaSitio(const QString& url, const QString& icono);
QString entradaCarpeta(const QString& icono);
QString menu();

// Writes the entries, their icons and the merged menu file; the paths written
// are added to `escritos`. False when any of them could not be written.
bool crear(const Entorno& e, const QString& juego, const QString& url, QStringList* escritos = nullptr);

}  // namespace grupo
