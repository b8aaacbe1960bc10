// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "screens/program.h"

namespace {

TEST(OpeningScreen, AClickAtAnyMomentOpensTheNationSelection) {
  // At the start, during the credit, in the middle of the prologue, while the
  // prompt is hidden and while it shows.
  for (int at : {0, 2500, 27500, 56250, 56750}) {
    SCOPED_TRACE("click at " + std::to_string(at) + " ms");
    Program program;
    program.start();
    program.advance(at);
    program.click(program.op1().Image1);
    EXPECT_TRUE(program.op2.shown());
    EXPECT_FALSE(program.op1.loaded());
    EXPECT_EQ(program.op2().Label2.caption(), "0");
    EXPECT_EQ(program.op2().Label3.caption(), "グラドウェン騎士団");

    // Nothing of the opening runs any more.
    program.advance(120000);
    EXPECT_FALSE(program.op1.loaded());
    EXPECT_TRUE(program.op2.shown());
  }
}

TEST(OpeningScreen, TheScheduleComparesTheCounterAsText) {
  struct Case {
    const char* before;  // the counter before the tick
    const char* after;
    const char* caption;  // Label1 after the tick
    ui::Color fore;
    bool running;  // Timer1 after the tick
  };
  const ui::Color white{ui::kWhite};
  const char* credit = "そよぎの丘プロデュース";
  const Case cases[] = {
      {"5", "6", "群星の年代記", white, true},
      {" 5", "6", "群星の年代記", white, true},  // blanks are no part of a number
      {"30", "31", credit, white, true},
      {"29", "30", credit, white, true},
      {"2", "3", credit, ui::Color::ButtonFace(), true},
      {"59", "60", credit, white, true},  // "60" selects nothing
      {"5.5", "6.5", credit, white, true},
      {"abc", "1", credit, white, true},
      {"55", "56", credit, white, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("counter \"") + c.before + "\"");
    Program program;
    program.start();
    OpeningScreen& op1 = program.op1();
    op1.Label2.setCaption(c.before);
    program.advance(1000);
    EXPECT_EQ(op1.Label2.caption(), c.after);
    EXPECT_EQ(op1.Label1.caption(), c.caption);
    EXPECT_EQ(op1.Label1.foreColor(), c.fore);
    EXPECT_EQ(op1.Timer1.enabled(), c.running);
    EXPECT_EQ(op1.Timer2.enabled(), !c.running);
  }
}

}  // namespace
