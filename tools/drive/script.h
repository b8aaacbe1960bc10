// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The script driver's interpreter: runs a program's model on the virtual
// clock and answers the line protocol (start, show, click, tick, get, ...).

#include <iosfwd>
#include <string>
#include <vector>

#include "ui/desktop.h"

namespace chronicle {
class Record;
}

namespace drive {

class Script {
 public:
  // Answers go to `out`, errors to `err`. The random source is seeded with 0
  // until the script seeds it.
  Script(ui::Desktop& desktop, std::ostream& out, std::ostream& err);

  // Runs every line; returns the exit status: 0 at the end of the input or
  // when the program ends, 2 after a mistake of the script, 3 after a handler
  // of the game failed.
  int run(std::istream& in);
  // Runs one line; false when the script must stop (error or ended).
  bool line(const std::string& text);
  int status() const { return status_; }

 private:
  void execute(const std::vector<std::string>& words);
  ui::Screen& screen(const std::string& name);
  ui::Widget& widget(ui::Screen& screen, const std::string& spec);
  // The record of the game, for history and messages.
  const chronicle::Record& record() const;

  ui::Desktop& desktop_;
  std::ostream& out_;
  std::ostream& err_;
  int status_ = 0;
};

// Splits a line into words; a word in double quotes may hold blanks, with \"
// for a quote and \\ for a backslash. Throws std::invalid_argument.
std::vector<std::string> words(const std::string& line);

}  // namespace drive
