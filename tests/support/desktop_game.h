// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game on a desktop whose clock stands still, at the player's step of the
// territory after `before` for nation `nation`: the start of the Qt tests that
// play a step through the windows.

#include "qt/qt_desktop.h"
#include "screens/program.h"

struct DesktopGame {
  Program program;
  qtview::QtDesktop desktop{program, false};

  DesktopGame(const char* nation, const char* before) {
    program.seed(5);
    program.ma1().mm.setCaption(nation);
    program.ma1().count1.setCaption(before);
    program.ma1.show();
    advance(1500);
  }
  void advance(int ms) {
    program.advance(ms);
    desktop.sync();
  }
  void click(ui::Widget& widget) {
    program.click(widget);
    desktop.sync();
  }
};
