// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game at the player's step on one territory, with the attack setup one
// click away: the fixture of the attack screens' tests.

#include <string>

#include "screens/program.h"
#include "world/scenario.h"

namespace attack {

// The player rules territory `source` (and whatever else its nation rules);
// Timer1 opens its step and Timer2 hands it to the player.
struct Step {
  explicit Step(int source) : src(source) {
    program.seed(1);
    program.ma1.show();
    ma1.mm.setCaption(program.da2().m(src).caption());
    ma1.count1.setCaption(src - 1);
    program.advance(1500);
  }

  // Military action on the main screen.
  AttackSetup& openSetup() {
    program.click(ma1.Command7);
    return program.ma3();
  }
  // Opens the setup, picks the target, waits for the setup's poll and sets
  // the amounts with the step buttons; "O  K" then opens the confirmation.
  AttackConfirmation& confirm(int target, ui::Button AttackSetup::*soldiers,
                              ui::Button AttackSetup::*armament) {
    AttackSetup& ma3 = openSetup();
    program.click(ma3.s(target));
    program.advance(100);
    program.click(ma3.*soldiers);
    program.click(ma3.*armament);
    program.click(ma3.Command1);
    return program.ma4();
  }

  // The territory buttons s0 to s34: "1" for each enabled one, "0" for the others.
  static std::string offered(AttackSetup& ma3) {
    std::string text;
    for (int i = 0; i < world::kTerritories; ++i) text += ma3.s(i).enabled() ? '1' : '0';
    return text;
  }

  int src;
  Program program;
  MainScreen& ma1 = program.ma1();
};

}  // namespace attack
