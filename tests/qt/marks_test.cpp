// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "qt/map_marks.h"
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

TEST(Marks, ACaptionNamesATerritoryButtonOnlyByAWholeIndex) {
  Program program;
  const ui::Screen& ma3 = program.ma3();
  const struct {
    const char* caption;
    const ui::Widget* button;
  } cases[] = {{"11", &program.ma3().s(11)},
               {" 0", &program.ma3().s(0)},
               {"34", &program.ma3().s(34)},
               {"", nullptr},
               {"35", nullptr},
               {"-1", nullptr},
               {"1e300", nullptr},
               {"abc", &program.ma3().s(0)}};
  for (const auto& c : cases)
    EXPECT_EQ(qtview::territoryButton(ma3, "s", c.caption), c.button) << c.caption;
}

}  // namespace
