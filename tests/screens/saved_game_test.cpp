// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games of the whole game: a game saved at any moment and loaded into
// a fresh program goes on exactly as the game that was never interrupted.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "drive/script.h"
#include "screens/program.h"
#include "support/saved_moments.h"
#include "ui/save_game.h"

namespace {

TEST(SavedGames, GoOnExactlyAsTheGameThatWasNeverInterrupted) {
  std::set<std::string> covered;
  for (const play::Start& start : play::starts()) {
    SCOPED_TRACE("seed " + std::to_string(start.seed));
    const play::Played played = play::playAndSave(start);
    // Each save, loaded into a fresh program, writes itself again byte for
    // byte and, given the rest of the moves, ends where the game ended.
    for (const play::Save& save : played.saves) {
      SCOPED_TRACE("saved after move " + std::to_string(save.move));
      covered.insert(save.moments.begin(), save.moments.end());
      Program loaded;
      ui::loadGame(loaded, save.text);
      ASSERT_TRUE(ui::saveGame(loaded) == save.text) << "saved again otherwise";
      for (std::size_t i = save.move; i < played.moves.size(); ++i)
        play::makeMove(loaded, played.moves[i]);
      ASSERT_TRUE(play::describe(loaded) == played.end) << "went on otherwise";
    }
  }
  for (const char* moment :
       {"op1", "op2", "the player's step", "a computer's step", "kin", "ma3", "ma4", "ma6", "ma5",
        "a battle's dialogue", "a battle between turns", "en1"})
    EXPECT_TRUE(covered.count(moment)) << "no save at " << moment;
}

struct Driven {
  std::string out, err;
  int status;
};

Driven drive(const std::string& script) {
  Program program;
  std::ostringstream out, err;
  std::istringstream in(script);
  drive::Script interpreter(program, out, err);
  const int status = interpreter.run(in);
  return {out.str(), err.str(), status};
}

std::string readFile(const std::filesystem::path& path) { return ui::readSaveFile(path.string()); }

TEST(SavedGames, TheDriverSavesAndLoadsThemAndLoadsFirstOfAll) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("gunsei-saved-" + std::to_string(::getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::create_directories(folder);
  const std::string first = (folder / "first.save").string();
  const std::string again = (folder / "again.save").string();
  const std::string queries =
      "get ma1 Label33\nget ma1 count1\nget da3 f(12)\nenabled ma1 Timer2\nnow\n";
  const std::string playing = "seed 3\nset ma1 mm 9\nshow ma1\ntick 1700\nrnd 0.5 0.25\n";
  const std::string rest = "tick 20000\nclick ma1 Command9\ntick 45000\n" + queries;

  const Driven whole = drive(playing + "save " + first + "\n" + rest);
  ASSERT_EQ(whole.status, 0) << whole.err;
  // A seed given before the load is replaced by the saved one.
  const Driven loaded = drive("load " + first + "\nsave " + again + "\n" + rest);
  ASSERT_EQ(loaded.status, 0) << loaded.err;
  EXPECT_EQ(loaded.out, whole.out);
  EXPECT_EQ(readFile(again), readFile(first));
  const Driven reseeded = drive("seed 99\nload " + first + "\n" + rest);
  EXPECT_EQ(reseeded.out, whole.out);

  for (const std::string& script : {"load " + (folder / "none.save").string() + "\n",
                                    "save " + (folder / "no" / "such.save").string() + "\n"}) {
    const Driven refused = drive(script + "echo after\n");
    EXPECT_EQ(refused.status, 2) << script;
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err.rfind("error: " + folder.string(), 0), 0u) << refused.err;
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
