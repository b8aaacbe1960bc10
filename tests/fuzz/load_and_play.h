// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the loader's fuzzer does with every input, and the corpus test with
// every saved game: load it into a fresh program and, when it is accepted,
// play on for half a minute of virtual time with the random player.

#include <random>
#include <string>
#include <string_view>

#include "screens/program.h"
#include "support/random_player.h"
#include "ui/save_game.h"

namespace fuzz {

// True when the text was accepted; a refusal is an answer, not a failure.
inline bool loadAndPlay(std::string_view text) {
  Program program;
  try {
    ui::loadGame(program, text);
  } catch (const ui::SaveError&) {
    return false;
  }
  std::mt19937 random(static_cast<unsigned>(text.size()));
  for (int move = 0; move < 40 && !program.ended(); ++move)
    play::makeMove(program, play::chooseMove(program, random));
  try {
    program.advance(30000);
  } catch (const std::exception&) {
  }
  return true;
}

// The text with its last line replaced by the check that fits the rest, so
// that what lies before the check is read.
inline std::string withGoodCheck(std::string_view text) {
  std::string body(text);
  if (!body.empty() && body.back() == '\n') body.pop_back();
  const std::size_t last = body.rfind('\n');
  if (last != std::string::npos && body.compare(last + 1, 6, "check ") == 0)
    body.erase(last + 1);
  else
    body += '\n';
  return body + "check " + ui::saveCheck(body) + "\n";
}

}  // namespace fuzz
