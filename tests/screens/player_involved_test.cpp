// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the player takes part in what runs: the desktop's fastest pace
// runs everything else without waiting.

#include <gtest/gtest.h>

#include <functional>

#include "screens/program.h"

namespace {

TEST(PlayerInvolved, TheScreensThePlayerPlaysInAndThePlayersOwnStep) {
  const struct {
    const char* what;
    std::function<void(Program&)> set;
    bool involved;
  } cases[] = {
      {"the opening", [](Program& p) { p.op1.show(); }, true},
      {"the selection", [](Program& p) { p.op2.show(); }, true},
      {"the ending", [](Program& p) { p.en1.show(); }, true},
      {"a computer's step", [](Program&) {}, false},
      {"the close of a month", [](Program& p) { p.ma1().count1.setCaption("36"); }, false},
      {"the player's step", [](Program& p) { p.ma1().count1.setCaption("12"); }, true},
      {"a territory the player took",
       [](Program& p) {
         p.ma1().count1.setCaption("20");
         p.da2().m(20).setCaption("9");
       },
       true},
      {"a siege between computer nations", [](Program& p) { p.ma5.show(); }, false},
      {"a battle", [](Program& p) { p.ma2.show(); }, true},
      {"the investment dialog", [](Program& p) { p.kin.show(); }, true},
      {"the attack setup", [](Program& p) { p.ma3.show(); }, true},
      {"the attack confirmation", [](Program& p) { p.ma4.show(); }, true},
      {"the movement screen", [](Program& p) { p.ma6.show(); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    program.ma1.show();
    program.ma1().mm.setCaption("9");  // ルーブエン街道, territory 12
    program.ma1().count1.setCaption("13");
    program.da2();
    program.run([&] { c.set(program); });
    EXPECT_EQ(program.playerInvolved(), c.involved);
  }
}

}  // namespace
