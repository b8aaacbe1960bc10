// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's help: the rules in the game's own words, in one window that F1
// opens on every window of the game and the main screen's context menu too.

#include <QTextBrowser>

#include "qt/game_menu.h"

namespace qtview {

class HelpWindow : public QTextBrowser {
 public:
  // Shows the help window, creating it on the first request; a later request
  // raises the same window.
  static HelpWindow* open();
  // The help window while it exists, or null.
  static HelpWindow* current();
  // The game menu's entry "ヘルプ", with F1 on every window of the game.
  static GameMenu::Entry entry();

 private:
  explicit HelpWindow(QWidget* over);
};

}  // namespace qtview
