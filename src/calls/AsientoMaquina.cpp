#include "calls/AsientoMaquina.h"

#include "game/Form1.h"

void AsientoMaquina::jugar(int Index) { f_.jugarContraMaquina(Index); }
void AsientoMaquina::cantar(int Index) { f_.cantoContraMaquina(Index); }
void AsientoMaquina::flor() { f_.florContraMaquina(); }
void AsientoMaquina::alMazo() { f_.mazoContraMaquina(); }
