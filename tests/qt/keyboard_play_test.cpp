// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "support/desktop_game.h"

namespace {

// A game played through its windows with the keys alone, from the opening on;
// only the clock is moved by hand.
struct KeyboardGame : DesktopOpening {
  KeyboardGame() { program.seed(5); }

  qtview::ScreenWindow* window(const char* screen) {
    qtview::ScreenWindow* shown = desktop.window(screen);
    EXPECT_NE(shown, nullptr) << screen;
    return shown;
  }
  void press(const char* screen, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (qtview::ScreenWindow* shown = window(screen)) pressKey(shown, key, modifiers);
  }
  // Tab until the mark stands on `button`.
  void tabTo(const char* screen, const ui::Button& button) {
    for (int i = 0; i < 100 && window(screen) && window(screen)->focused() != &button; ++i)
      press(screen, Qt::Key_Tab);
    ASSERT_EQ(window(screen)->focused(), &button) << button.fullName();
  }
  // Lets the game run until `done`, at most `limit` milliseconds.
  bool runUntil(const std::function<bool()>& done, int limit = 120'000) {
    for (int waited = 0; waited < limit; waited += 100) {
      if (done()) return true;
      program.advance(100);
      desktop.sync();
    }
    return done();
  }
  bool playersStep() {
    return program.ma1.shown() && program.ma1().Label33.caption() == "あなたのターンです" &&
           program.ma1().Command9.enabled();
  }
};

TEST(KeyboardPlay, FromTheOpeningThroughAnInvestmentAMovementAnAttackAndItsBattle) {
  KeyboardGame game;
  Program& program = game.program;

  // The opening, then the nation: nine steps up to カイ武装団, Enter starts.
  game.press("op1", Qt::Key_Space);
  ASSERT_TRUE(program.op2.shown());
  for (int i = 0; i < 9; ++i) game.press("op2", Qt::Key_Up);
  game.press("op2", Qt::Key_Return);
  ASSERT_TRUE(program.ma1.shown());
  MainScreen& ma1 = program.ma1();
  EXPECT_EQ(ma1.mm.caption(), "9");

  // An investment of 100 in commerce: C, 1, Enter.
  ASSERT_TRUE(game.runUntil([&] { return game.playersStep(); }));
  const int invested = ui::CInt(ma1.count1.caption());
  const double funds = ui::Val(program.da3().d(invested).caption());
  game.press("ma1", Qt::Key_C);
  ASSERT_TRUE(program.kin.shown());
  game.press("kin", Qt::Key_1);
  game.press("kin", Qt::Key_Return);
  EXPECT_FALSE(program.kin.loaded());
  EXPECT_EQ(ma1.Label33.caption().text().rfind("商業価値が", 0), 0u) << ma1.Label33.caption();
  EXPECT_EQ(ui::Val(program.da3().d(invested).caption()), funds - 100);

  // A movement: M, a destination by the arrows, +10 soldiers, 移動開始.
  ASSERT_TRUE(game.runUntil([&] { return game.playersStep(); }));
  const int source = ui::CInt(ma1.count1.caption());
  const double soldiers = ui::Val(program.da3().f(source).caption());
  game.press("ma1", Qt::Key_M);
  ASSERT_TRUE(program.ma6.shown());
  MovementScreen& ma6 = program.ma6();
  game.press("ma6", Qt::Key_Down);
  const ui::Button* destination = game.window("ma6")->focused();
  ASSERT_NE(destination, nullptr);
  game.press("ma6", Qt::Key_Space);
  EXPECT_EQ(ma6.chosenTerritory(), destination);
  const int moved = std::stoi(destination->name().substr(1));
  game.tabTo("ma6", ma6.Command41);
  game.press("ma6", Qt::Key_Space);
  EXPECT_EQ(ma6.Label4.caption(), "10");
  ASSERT_TRUE(game.runUntil([&] { return ma6.Command36.enabled(); }, 100));
  game.tabTo("ma6", ma6.Command36);
  game.press("ma6", Qt::Key_Return);
  EXPECT_FALSE(program.ma6.loaded());
  if (moved != source) {
    EXPECT_EQ(ui::Val(program.da3().f(source).caption()), soldiers - 10);
  }

  // An attack: W, a target by the arrows, soldiers and armament, O K, then
  // the confirmation's Enter.
  ASSERT_TRUE(game.runUntil([&] { return game.playersStep(); }));
  game.press("ma1", Qt::Key_W);
  ASSERT_TRUE(program.ma3.shown());
  AttackSetup& ma3 = program.ma3();
  for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
    if (game.window("ma3")->focused()) break;
    game.press("ma3", key);
  }
  const ui::Button* target = game.window("ma3")->focused();
  ASSERT_NE(target, nullptr);
  ASSERT_TRUE(target->enabled());
  game.press("ma3", Qt::Key_Return);
  EXPECT_EQ(ma3.chosenTerritory(), target);
  game.tabTo("ma3", ma3.Command3);
  game.press("ma3", Qt::Key_Space);
  game.tabTo("ma3", ma3.Command9);
  game.press("ma3", Qt::Key_Space);
  EXPECT_EQ(ma3.Label3.caption(), "10");
  EXPECT_EQ(ma3.Label4.caption(), "5");
  ASSERT_TRUE(game.runUntil([&] { return ma3.Command1.enabled(); }, 100));
  game.tabTo("ma3", ma3.Command1);
  game.press("ma3", Qt::Key_Space);
  ASSERT_TRUE(program.ma4.shown());
  game.press("ma4", Qt::Key_Return);
  ASSERT_TRUE(program.ma2.shown());

  // The battle: a normal attack, then a retreat, each once the row is open.
  BattleScreen& ma2 = program.ma2();
  ASSERT_TRUE(game.runUntil([&] { return ma2.Command1.enabled(); }));
  game.press("ma2", Qt::Key_1);
  EXPECT_EQ(ma2.ko.caption(), "1");
  ASSERT_TRUE(game.runUntil([&] { return !program.ma2.loaded() || ma2.Command5.enabled(); }));
  if (program.ma2.loaded()) game.press("ma2", Qt::Key_5);
  ASSERT_TRUE(game.runUntil([&] { return !program.ma2.loaded(); }));
  EXPECT_FALSE(program.ma3.loaded());
  EXPECT_FALSE(program.ma4.loaded());

  // A few steps ended with E.
  for (int step = 0; step < 3; ++step) {
    ASSERT_TRUE(game.runUntil([&] { return game.playersStep(); }));
    game.press("ma1", Qt::Key_E);
    EXPECT_FALSE(ma1.Command9.enabled());
    EXPECT_TRUE(ma1.Timer2.enabled());
  }
}

}  // namespace
