// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A part of the saved game that is kept beside the screens (the record of the
// game, the desktop's pace). Each part writes its own lines under its own
// heading in the save file and reads them back.

#include <functional>
#include <string>
#include <vector>

namespace ui {

class SavePart {
 public:
  virtual ~SavePart() = default;

  // The heading of its lines in the file: lowercase ASCII letters, unique
  // among the parts of one game.
  virtual std::string partName() const = 0;
  // Its state as lines of UTF-8 text, none holding a line break.
  virtual std::vector<std::string> saveLines() const = 0;
  // Reads lines that saveLines wrote (no lines for a file without the part)
  // and changes nothing: throws std::runtime_error saying what is wrong, or
  // returns what puts them in force. That runs only once the whole file has
  // been found sound, after the screens are restored, so it may read them.
  virtual std::function<void()> readLines(const std::vector<std::string>& lines) const = 0;
};

}  // namespace ui
