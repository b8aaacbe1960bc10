// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game on a desktop whose clock stands still: from its opening, or at the
// player's step of the territory after `before` for nation `nation`, the start
// of the Qt tests that play a step through the windows.

#include <QCoreApplication>
#include <QKeyEvent>

#include "qt/qt_desktop.h"
#include "screens/program.h"

// A key pressed on the window of a shown screen, as the player presses it.
inline void pressKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     bool repeat = false) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
  QCoreApplication::sendEvent(window, &event);
}

// The opening as the program starts it.
struct DesktopOpening {
  Program program;
  qtview::QtDesktop desktop{program, false};

  DesktopOpening() { desktop.start(); }
};

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
  // On the attack setup: 100 soldiers and 50 armament against ルーヴェン城, then
  // on to the confirmation.
  void confirmAttack() {
    AttackSetup& ma3 = program.ma3();
    click(ma3.s(11));
    click(ma3.Command5);
    click(ma3.Command11);
    advance(100);
    click(ma3.Command1);
  }
};
