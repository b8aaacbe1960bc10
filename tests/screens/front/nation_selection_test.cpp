// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "screens/program.h"

namespace {

// The selection as the player reaches it: the opening clicked away at once.
NationSelection& openSelection(Program& program) {
  program.start();
  program.click(program.op1().Image1);
  return program.op2();
}

TEST(NationSelection, UpAndDownCycleThroughTheNations) {
  struct Case {
    const char* from;
    std::string clicks;  // u up, d down
    const char* to;
  };
  const Case cases[] = {
      {"0", "u", "1"},
      {"24", "u", "25"},
      {"25", "u", "0"},
      {"0", "d", "25"},
      {"25", "d", "24"},
      {"1", "dd", "25"},
      {"24", "uuu", "1"},
      {"0", "ud", "0"},
      {"0", std::string(26, 'u'), "0"},
      {"0", std::string(26, 'd'), "0"},
      {"7", std::string(27, 'd'), "6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " " + c.clicks);
    Program program;
    NationSelection& op2 = openSelection(program);
    op2.Label2.setCaption(c.from);
    for (char click : c.clicks) program.click(click == 'u' ? op2.Command1 : op2.Command2);
    EXPECT_EQ(op2.Label2.caption(), c.to);
  }
}

TEST(NationSelection, NameAndPortraitFollowTheIndexOnTheNextTick) {
  Program program;
  NationSelection& op2 = openSelection(program);
  program.advance(100);  // just after a tick of Timer1

  program.click(op2.Command2);
  program.advance(99);
  EXPECT_EQ(op2.Label3.caption(), "グラドウェン騎士団");
  EXPECT_EQ(op2.Image1.picture(), "da1.t(0)");
  program.advance(1);
  EXPECT_EQ(op2.Label3.caption(), "孤高の朋友会");
  EXPECT_EQ(op2.Image1.picture(), "da1.t(25)");

  // Every nation once, upwards from 0.
  for (int j = 0; j < 26; ++j) {
    SCOPED_TRACE("nation " + std::to_string(j));
    program.click(op2.Command1);
    program.advance(100);
    EXPECT_EQ(op2.Label2.caption(), std::to_string(j));
    EXPECT_EQ(op2.Label3.caption(), program.da1().tt(j).caption());
    EXPECT_EQ(op2.Image1.picture(), program.da1().t(j).picture());
  }
}

TEST(NationSelection, StartPlaysTheIndexInTheCounter) {
  for (int j = 0; j < 26; ++j) {
    SCOPED_TRACE("nation " + std::to_string(j));
    Program program;
    NationSelection& op2 = openSelection(program);
    for (int i = 0; i < j; ++i) {
      program.click(op2.Command1);
      program.advance(100);
    }
    program.click(op2.Command3);
    EXPECT_TRUE(program.ma1.shown());
    EXPECT_EQ(program.ma1().mm.caption(), std::to_string(j));
    EXPECT_FALSE(program.op2.loaded());
  }
}

TEST(NationSelection, StartWithinATickOfAClickPlaysTheClickedNation) {
  Program program;
  NationSelection& op2 = openSelection(program);
  program.click(op2.Command2);
  program.click(op2.Command2);
  program.click(op2.Command2);
  EXPECT_EQ(op2.Label3.caption(), "グラドウェン騎士団");  // not redrawn yet
  program.click(op2.Command3);
  EXPECT_EQ(program.ma1().mm.caption(), "23");
}

}  // namespace
