// Built without a web engine: the game shows links where pages would be.
#include "platform/Web.h"

std::unique_ptr<MotorWeb> crearMotorWeb() { return nullptr; }

void prepararMotorWeb() {}
