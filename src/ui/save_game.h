// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The saved game: the whole running game as text and back. Every rule keeps
// its state in the widgets of the loaded screens, so the file holds, for
// each loaded screen, what of its widgets differs from the design (captions,
// fore colours, pictures, enabled and visible flags) and its timers, then
// the clock, the random source and the parts kept beside the screens.
//
//   gunsei-save 1              the format and its version
//   game 0.1                   the version of the game that wrote it
//   clock 123500               the virtual time, ms
//   ended 0
//   random 1234 fixed 7        the source's state; "wall" when not fixed
//   draw 0.25                  a queued draw, one a line
//   screen ma1 shown 1         a loaded screen, shown or hidden, its shows
//   caption Label33 あなたのターンです
//   fore Label33 255           a 24-bit colour or buttonface
//   picture Image11 da1.t(3)   a design-time holder, or empty for none
//   enabled Command1 1
//   visible Frame5 0
//   timer Timer1 1 124000      enabled, and when armed the moment it falls due
//   part pace 1                a part's heading and the number of its lines
//   pace 4
//   check 8c1f0e2b6a7d9f31     FNV-1a of everything before this line
//
// Texts are written with \\, \n, \r and \xHH for the bytes that are not
// printable UTF-8, so every line is one line of UTF-8 text.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/desktop.h"

namespace ui {

// A file refused: what() says what is wrong with it.
class SaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The format written; older ones are read through their migrations.
inline constexpr int kSaveFormat = 1;
// No save of a real game comes near this; a larger file is refused unread.
inline constexpr std::size_t kSaveLimit = 4 * 1024 * 1024;

// The running game as the text of a save file. Call it between events.
std::string saveGame(const Desktop& desktop);
// Replaces the running game by the one in `text`, which continues exactly as
// the saved game would have. Reads and checks all of it first: a file that
// is not sound throws SaveError and leaves the running game as it was.
void loadGame(Desktop& desktop, std::string_view text);

// Reads and checks `text` as loadGame does, changing nothing, and returns the
// lines of its part `part` (none when it has none). Throws SaveError.
std::vector<std::string> readSavePart(Desktop& desktop, std::string_view text,
                                      const std::string& part);

// The check line's value for the text before it.
std::string saveCheck(std::string_view text);

// The same on files; both throw SaveError with a reason (the caller names the
// file). The save is written atomically: to a file beside it, synced, then
// renamed over it, and the folder synced.
void saveGameFile(const Desktop& desktop, const std::string& path);
void loadGameFile(Desktop& desktop, const std::string& path);
// The bytes of a file of at most kSaveLimit bytes.
std::string readSaveFile(const std::string& path);

}  // namespace ui
