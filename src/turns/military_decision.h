#pragma once

// The computer's military decision for its territory in the command phase,
// after its domestic action; an attack opens the battle or siege screen.

class Program;

namespace turns {

void militaryDecision(Program& program, int territory);

}  // namespace turns
