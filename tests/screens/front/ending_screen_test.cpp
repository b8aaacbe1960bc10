// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "screens/program.h"

namespace {

TEST(EndingScreen, EndsTheProgramAMinuteAfterItOpens) {
  Program program;
  program.advance(12345);
  program.en1.show();
  program.closeBox(program.en1());  // the frame cannot cut the ending short
  program.advance(59999);
  EXPECT_FALSE(program.ended());
  EXPECT_EQ(program.en1().Label1.caption(), "ゲーム クリアー");
  program.advance(1);
  EXPECT_TRUE(program.ended());
  EXPECT_FALSE(program.en1.loaded());
}

}  // namespace
