#include "screens/program.h"

void Program::start() { op1.show(); }
