// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computer-turn timer of the main screen (ma1.Timer2). Each territory
// step runs three of its ticks, counted in ma1.count2: the event phase names
// the territory on the status line; the command phase hands the territory to
// the player or lets the computer act, and then applies the end-of-step
// limits; the hand-back phase gives the clock back to Timer1.

class Program;

namespace turns {

// One tick of ma1.Timer2.
void computerTurnTick(Program& program);

// At the end of every command phase: each value of territory i above its
// limit is set to the limit, and each correction adds 500 to its funds.
void endOfStepLimits(Program& program, int i);

}  // namespace turns
