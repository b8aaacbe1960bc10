// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played headless to their end by a player who clicks at random
// among what the screens offer: no crash, no sanitizer report, and the game
// never stalls with nothing left to click.

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

#include "screens/program.h"

namespace {

class RandomPlayer {
 public:
  RandomPlayer(Program& program, unsigned seed) : program_(program), pick_(seed) {}

  // One look at the screens, and at most one click on each that waits.
  void play() {
    if (program_.ma2.shown()) return fight();
    if (program_.ma5.shown()) return;
    MainScreen& ma1 = program_.ma1();
    if (ma1.Timer1.enabled() || ma1.Timer2.enabled()) return;
    ASSERT_EQ(ma1.Label33.caption(), "あなたのターンです") << "the sweep stands still";
    ++steps;
    switch (pick_() % 8) {
      case 0:
        attack();
        break;
      case 1:
        press(program_.ma1, "Command1");  // commerce, 100 if the funds allow it
        press(program_.kin, "Command1");
        press(program_.kin, "Command8");
        break;
      case 2:
        press(program_.ma1, "Command14");  // move some soldiers to the first own territory
        for (int i = 0; i < 35 && program_.ma6.shown() && program_.ma6().Label1.caption().empty();
             ++i)
          press(program_.ma6, "x" + std::to_string(i));
        program_.advance(100);
        press(program_.ma6, "Command41");  // 10 soldiers
        press(program_.ma6, "Command36");
        break;
    }
    // Whatever did not end the step, the end of turn does.
    for (ui::SlotBase* open : std::initializer_list<ui::SlotBase*>{&program_.kin, &program_.ma6,
                                                                   &program_.ma4, &program_.ma3})
      if (open->shown()) program_.closeBox(*open->loadedScreen());
    if (!program_.ma2.shown()) press(program_.ma1, "Command9");
  }

  int steps = 0, battles = 0;

 private:
  void press(ui::SlotBase& slot, const std::string& name) {
    if (!slot.shown()) return;
    if (ui::Widget* widget = slot.loadedScreen()->find(name, -1)) program_.click(*widget);
  }
  void fight() {
    static const char* const commands[] = {"Command1",  "Command2",  "Command3",  "Command4",
                                           "Command5",  "Command11", "Command12", "Command13",
                                           "Command14", "Command15"};
    press(program_.ma2, commands[pick_() % 10]);
  }
  void attack() {
    press(program_.ma1, "Command7");
    for (int i = 0; i < 35 && program_.ma3.shown(); ++i)
      press(program_.ma3, "s" + std::to_string(i));
    program_.advance(100);
    press(program_.ma3, "Command5");   // 100 soldiers
    press(program_.ma3, "Command10");  // 10 armament
    press(program_.ma3, "Command1");
    press(program_.ma4, "Command1");
    if (program_.ma2.shown()) ++battles;
  }

  Program& program_;
  std::mt19937 pick_;
};

TEST(WholeGame, RandomPlayersPlayToTheEndWithoutStalling) {
  int battles = 0, sieges = 0;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Program program;
    program.seed(seed);
    program.run([&program] { program.start(); });
    program.click(program.op1().Image1);
    program.op2().Label2.setCaption(std::to_string(seed * 7 % 26));
    program.click(program.op2().Command3);
    RandomPlayer player(program, seed);
    // Twenty years at the most; a random player usually loses long before.
    while (!program.ended() && program.now() < 20LL * 12 * 80000) {
      const bool sieging = program.ma5.shown();
      program.advance(100);
      if (!sieging && program.ma5.shown()) ++sieges;
      if (program.ended()) break;
      player.play();
      if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_GT(player.steps, 0);
    battles += player.battles;
  }
  // The games went through the player's attacks and the computer's sieges.
  EXPECT_GT(battles, 0);
  EXPECT_GT(sieges, 0);
}

}  // namespace
