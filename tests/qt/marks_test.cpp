// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "support/desktop_game.h"

namespace {

const QColor kGold(255, 208, 64);
const QColor kRed(255, 64, 48);

using Game = DesktopGame;

bool near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}

// The colour just left of a button, where its ring runs.
QColor leftOf(qtview::ScreenWindow& window, const ui::Widget& button) {
  QWidget* view = window.viewOf(button);
  const QPoint at = view->mapTo(&window, QPoint(-1, view->height() / 2));
  return window.grab().toImage().pixelColor(at);
}

TEST(Marks, TheAttackMapRingsTheStepsTerritoryAndTheChosenTarget) {
  Game game("9", "11");
  game.click(game.program.ma1().Command7);
  qtview::ScreenWindow* ma3 = game.desktop.window("ma3");
  ASSERT_NE(ma3, nullptr);
  AttackSetup& setup = game.program.ma3();
  EXPECT_TRUE(near(leftOf(*ma3, setup.s(12)), kGold))
      << leftOf(*ma3, setup.s(12)).name().toStdString();
  EXPECT_FALSE(near(leftOf(*ma3, setup.s(11)), kRed));

  game.click(setup.s(11));
  game.advance(100);
  EXPECT_TRUE(near(leftOf(*ma3, setup.s(11)), kRed));
  game.click(setup.s(10));
  game.advance(100);
  EXPECT_TRUE(near(leftOf(*ma3, setup.s(10)), kRed));
  EXPECT_FALSE(near(leftOf(*ma3, setup.s(11)), kRed));
  EXPECT_TRUE(near(leftOf(*ma3, setup.s(12)), kGold));
  // The rings change no caption and take no click: the button under one still does.
  EXPECT_EQ(setup.Label11.caption(), "リン教皇領に攻め込む");
  QWidget* s11 = ma3->viewOf(setup.s(11));
  EXPECT_EQ(ma3->childAt(s11->mapTo(ma3, QPoint(1, 1))), s11);
  QWidget* s10 = ma3->viewOf(setup.s(10));
  EXPECT_EQ(ma3->childAt(s10->mapTo(ma3, QPoint(1, 1))), s10);
}

TEST(Marks, TheMovementRingsTheChosenDestination) {
  Game game("18", "22");
  game.click(game.program.ma1().Command14);
  qtview::ScreenWindow* ma6 = game.desktop.window("ma6");
  ASSERT_NE(ma6, nullptr);
  MovementScreen& movement = game.program.ma6();
  EXPECT_FALSE(near(leftOf(*ma6, movement.x(24)), kRed));
  game.click(movement.x(24));
  EXPECT_TRUE(near(leftOf(*ma6, movement.x(24)), kRed));
  game.click(movement.x(23));
  EXPECT_TRUE(near(leftOf(*ma6, movement.x(23)), kRed));
  EXPECT_FALSE(near(leftOf(*ma6, movement.x(24)), kRed));
}

TEST(Marks, TheMapsAnswerTheirTerritoriesByAWholeIndex) {
  Program program;
  program.run([&] {
    program.ma1().count1.setCaption("12");
    // The player's nation rules every territory, so every destination is offered.
    for (int i = 0; i < 35; ++i) program.da2().m(i).setCaption(program.ma1().mm.caption());
    AttackSetup& ma3 = program.ma3();
    MovementScreen& ma6 = program.ma6();
    EXPECT_EQ(ma3.stepTerritory(), &ma3.s(12));
    const struct {
      const char* caption;
      int territory;  // -1 for none
    } cases[] = {{"11", 11}, {" 0", 0},  {"34", 34},    {"", -1},
                 {"35", -1}, {"-1", -1}, {"1e300", -1}, {"abc", 0}};
    for (const auto& c : cases) {
      SCOPED_TRACE(c.caption);
      ma3.Label10.setCaption(c.caption);
      ma6.Label1.setCaption(c.caption);
      EXPECT_EQ(ma3.chosenTerritory(), c.territory < 0 ? nullptr : &ma3.s(c.territory));
      EXPECT_EQ(ma6.chosenTerritory(), c.territory < 0 ? nullptr : &ma6.x(c.territory));
      // A screen without a map chooses nothing.
      EXPECT_EQ(program.ma1().chosenTerritory(), nullptr);
    }
    program.ma1().count1.setCaption("35");
    EXPECT_EQ(ma3.stepTerritory(), nullptr);
  });
}

}  // namespace
