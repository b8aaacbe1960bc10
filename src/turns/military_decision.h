// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computer's military decision for its territory in the command phase,
// after its domestic action: a territory short of armament buys some; one
// with enough draws a neighbour from its target list and attacks it when the
// neighbour belongs to another nation and the odds in soldiers are good. The
// attack force leaves the territory at once; an attack on the player opens
// the battle screen, one on another computer nation the siege screen, and
// both stop the computer-turn timer until the fight is over.

class Program;

namespace turns {

void militaryDecision(Program& program, int territory);

}  // namespace turns
