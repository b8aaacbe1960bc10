// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's help: the rules in the game's own words, in one window that F1
// opens on every window of the game and the main screen's context menu too.

#include <QTextBrowser>

namespace qtview {

class HelpWindow : public QTextBrowser {
 public:
  // Shows the help window, creating it on the first request; a later request
  // raises the same window.
  static HelpWindow* open();
  // The help window while it exists, or null.
  static HelpWindow* current();
  // Lets F1 on any window of the application, and the entry "ヘルプ" of the
  // main screen's context menu, open the help.
  static void install();

 private:
  HelpWindow();
};

}  // namespace qtview
