// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computer's domestic action on its territory in the command phase.

class Program;

namespace turns {

void domesticAction(Program& program, int territory);

}  // namespace turns
