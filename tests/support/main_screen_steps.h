// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main screen's command buttons and the end of a player's step, as the
// tests of its commands look at them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/program.h"

namespace support {

// Every command button by number, Command1 to Command15.
inline std::vector<ui::Button*> commands(MainScreen& ma1) {
  const auto buttons = ma1.commands();
  return {buttons.begin(), buttons.end()};
}

// "1" for each enabled button, "0" for each disabled one, in order.
inline std::string states(const std::vector<ui::Button*>& buttons) {
  std::string text;
  for (ui::Button* button : buttons) text += button->enabled() ? '1' : '0';
  return text;
}

// A player's step has just ended: every button is off and Timer2 runs; its
// next tick hands back to Timer1, whose tick opens the step of `next`.
inline void expectStepEndedAndSweepGoesOn(Program& program, const std::string& next) {
  MainScreen& ma1 = program.ma1();
  EXPECT_EQ(states(commands(ma1)), std::string(15, '0'));
  EXPECT_TRUE(ma1.Timer2.enabled());
  EXPECT_FALSE(ma1.Timer1.enabled());

  program.advance(500);
  EXPECT_EQ(ma1.count2.caption(), "0");
  EXPECT_TRUE(ma1.Timer1.enabled());
  EXPECT_FALSE(ma1.Timer2.enabled());
  program.advance(500);
  EXPECT_EQ(ma1.count1.caption(), next);
}

}  // namespace support
