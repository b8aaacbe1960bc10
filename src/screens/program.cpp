#include "screens/program.h"

void Program::start() { ma1.show(); }
