// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Games played by the random player from a few starts, saved every few moves
// and wherever the game comes to another moment (a screen opens or closes, a
// step changes hands): the saves of every state a game can be in, for the
// round-trip tests and the loader's seed corpus.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "screens/program.h"
#include "support/random_player.h"
#include "ui/save_game.h"

namespace play {

// What kind of moment the game is at: the shown screens, and whose step it is.
inline std::set<std::string> moments(Program& program) {
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

struct Start {
  unsigned seed;
  int moves, every;
  std::function<void(Program&)> setUp;
  std::vector<Move> opening;  // made before the player's own moves
};

// Players from the opening; players dropped onto the main screen of nation 9
// with a strong army, who get into fights sooner; an attack of nation 9 from
// ルーブエン街道 on ルーヴェン城 through its setup, confirmation and battle;
// and the ending, from the tick that finds nation 9 ruling everything.
inline std::vector<Start> starts() {
  std::vector<Start> all;
  for (unsigned seed = 1; seed <= 4; ++seed)
    all.push_back({seed, 400, 29, [](Program& p) { p.start(); }, {}});
  for (unsigned seed = 5; seed <= 12; ++seed)
    all.push_back({seed, 400, 23, [](Program& p) {
                     p.ma1().mm.setCaption("9");
                     p.da3().f(12).setCaption("900");
                     p.da3().w(12).setCaption("300");
                     p.ma1.show();
                   }});
  const std::vector<Move> attack = {
      {"", "", 1500},       {"ma1", "Command7"}, {"ma3", "s11"},      {"ma3", "Command5"},
      {"ma3", "Command11"}, {"", "", 100},       {"ma3", "Command1"}, {"ma4", "Command1"},
      {"", "", 700},        {"", "", 1300},
  };
  for (unsigned seed = 14; seed <= 17; ++seed)
    all.push_back({seed, 200, 5,
                   [seed](Program& p) {
                     p.ma1().mm.setCaption("9");
                     p.ma1().count1.setCaption("11");
                     p.da3().f(12).setCaption(std::to_string(100 * (seed - 12)));
                     p.ma1.show();
                   },
                   attack});
  all.push_back({13, 60, 3, [](Program& p) {
                   p.ma1().mm.setCaption("9");
                   for (int i = 0; i < 35; ++i) p.da2().m(i).setCaption("9");
                   p.ma1.show();
                 }});
  return all;
}

struct Save {
  std::size_t move;  // the number of moves made before it
  std::string text;
  std::set<std::string> moments;
};

struct Played {
  std::vector<Move> moves;
  std::vector<Save> saves;
  std::string end;  // describe() of the game after the last move
};

inline Played playAndSave(const Start& start) {
  Program game;
  game.seed(start.seed);
  game.run([&] { start.setUp(game); });
  std::mt19937 random(start.seed);
  Played played;
  std::set<std::string> last;
  for (int i = 0; i < start.moves && !game.ended(); ++i) {
    std::set<std::string> now = moments(game);
    if (i % start.every == 0 || now != last) {
      played.saves.push_back({played.moves.size(), ui::saveGame(game), now});
      last = std::move(now);
    }
    played.moves.push_back(played.moves.size() < start.opening.size()
                               ? start.opening[played.moves.size()]
                               : chooseMove(game, random));
    makeMove(game, played.moves.back());
  }
  played.end = describe(game);
  return played;
}

}  // namespace play
