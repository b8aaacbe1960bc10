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
#include "support/random_player.h"
#include "ui/save_game.h"

namespace {

// What kind of moment the game is at, for the moments the saves must cover.
std::set<std::string> moments(Program& program) {
  std::set<std::string> found;
  for (ui::Screen* screen : program.loadedScreens())
    if (screen->visible()) found.insert(screen->name());
  if (MainScreen* ma1 = program.ma1.get(); ma1 && program.ma1.shown()) {
    if (ma1->Label33.caption() == "あなたのターンです" && !ma1->Timer2.enabled())
      found.insert("the player's step");
    else if (ma1->Timer1.enabled() || ma1->Timer2.enabled())
      found.insert("a computer's step");
  }
  if (BattleScreen* ma2 = program.ma2.get(); ma2 && program.ma2.shown())
    found.insert(ma2->Timer1.enabled() ? "a battle's dialogue" : "a battle between turns");
  return found;
}

struct Saved {
  std::size_t move;
  std::string text;
};

// Plays `moves` random moves from `start`, saving every `every` moves and at
// every change of moment; each
// save, loaded into a fresh program, must write itself again byte for byte
// and, given the rest of the moves, end exactly where the game ended.
// The moves first made are `opening`'s, then the player's own.
void playSavingAndCompare(unsigned seed, int moves, int every,
                          const std::function<void(Program&)>& start,
                          std::set<std::string>& covered,
                          const std::vector<play::Move>& opening = {}) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  Program game;
  game.seed(seed);
  game.run([&] { start(game); });
  std::mt19937 random(seed);
  std::vector<play::Move> played;
  auto next = [&] {
    return played.size() < opening.size() ? opening[played.size()] : play::chooseMove(game, random);
  };
  std::vector<Saved> saves;
  std::set<std::string> last;
  for (int i = 0; i < moves && !game.ended(); ++i) {
    // Every few moves, and wherever the game has come to another moment.
    std::set<std::string> now = moments(game);
    if (i % every == 0 || now != last) {
      saves.push_back({played.size(), ui::saveGame(game)});
      covered.insert(now.begin(), now.end());
      last = std::move(now);
    }
    played.push_back(next());
    play::makeMove(game, played.back());
  }
  const std::string end = play::describe(game);
  for (const Saved& saved : saves) {
    SCOPED_TRACE("saved after move " + std::to_string(saved.move));
    Program loaded;
    ui::loadGame(loaded, saved.text);
    ASSERT_EQ(ui::saveGame(loaded), saved.text);
    for (std::size_t i = saved.move; i < played.size(); ++i) play::makeMove(loaded, played[i]);
    ASSERT_EQ(play::describe(loaded), end);
  }
}

TEST(SavedGames, GoOnExactlyAsTheGameThatWasNeverInterrupted) {
  std::set<std::string> covered;
  // Players from the opening, and players dropped straight onto the main
  // screen of nation 9 with a strong army, who get into fights sooner.
  for (unsigned seed = 1; seed <= 4; ++seed)
    playSavingAndCompare(
        seed, 400, 13, [](Program& p) { p.start(); }, covered);
  for (unsigned seed = 5; seed <= 12; ++seed)
    playSavingAndCompare(
        seed, 400, 23,
        [](Program& p) {
          p.ma1().mm.setCaption("9");
          p.da3().f(12).setCaption("900");
          p.da3().w(12).setCaption("300");
          p.ma1.show();
        },
        covered);
  // An attack of nation 9 from ルーブエン街道 on ルーヴェン城: the setup, its
  // confirmation and the battle, with the player's own moves in the battle.
  const std::vector<play::Move> attack = {
      {"", "", 1500},       {"ma1", "Command7"}, {"ma3", "s11"},      {"ma3", "Command5"},
      {"ma3", "Command11"}, {"", "", 100},       {"ma3", "Command1"}, {"ma4", "Command1"},
      {"", "", 700},        {"", "", 1300},
  };
  for (unsigned seed = 14; seed <= 17; ++seed)
    playSavingAndCompare(
        seed, 200, 5,
        [](Program& p) {
          p.ma1().mm.setCaption("9");
          p.ma1().count1.setCaption("11");
          p.da3().f(12).setCaption(std::to_string(100 * (p.random().state().seed - 12)));
          p.ma1.show();
        },
        covered, attack);
  // The ending, from the month's tick that finds nation 9 ruling everything.
  playSavingAndCompare(
      13, 60, 3,
      [](Program& p) {
        p.ma1().mm.setCaption("9");
        for (int i = 0; i < 35; ++i) p.da2().m(i).setCaption("9");
        p.ma1.show();
      },
      covered);
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
