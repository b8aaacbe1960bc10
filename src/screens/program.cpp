// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

void Program::start() { op1.show(); }
