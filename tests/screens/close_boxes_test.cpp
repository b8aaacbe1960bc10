// SPDX-License-Identifier: GPL-3.0-or-later
// What the close box of each window does: the main and front-end windows quit
// the game, the battle, siege and ending windows cannot be closed, because
// closing them would strand the game. Dialogs and setup screens cancel; their
// own tests show it.

#include <gtest/gtest.h>

#include "screens/program.h"

namespace {

TEST(CloseBoxes, QuitOrRefuseAsTheWindowRequires) {
  struct Case {
    const char* screen;
    bool quits;
  };
  const Case cases[] = {{"op1", true},  {"op2", true},  {"ma1", true},
                        {"ma2", false}, {"ma5", false}, {"en1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen);
    Program program;
    ui::SlotBase& slot = *program.slot(c.screen);
    program.run([&slot] { slot.show(); });
    program.closeBox(*slot.loadedScreen());
    EXPECT_EQ(program.ended(), c.quits);
    EXPECT_EQ(slot.shown(), !c.quits);
  }
}

}  // namespace
