// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "support/desktop_game.h"

namespace {

struct Game : DesktopGame {
  using DesktopGame::DesktopGame;
  void press(const char* screen, int key, bool repeat = false) {
    QWidget* window = desktop.window(screen);
    ASSERT_NE(window, nullptr) << screen;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
    QCoreApplication::sendEvent(window, &event);
  }
  QString tooltip(const char* screen, const ui::Widget& widget) {
    return desktop.window(screen)->viewOf(widget)->toolTip();
  }
};

TEST(Keys, EnterExecutesAndEscCancelsTheInvestment) {
  Game game("9", "11");
  MainScreen& ma1 = game.program.ma1();
  ASSERT_EQ(ma1.Label33.caption(), "あなたのターンです");
  game.click(ma1.Command1);
  game.press("kin", Qt::Key_Escape);
  EXPECT_FALSE(game.program.kin.loaded());
  EXPECT_EQ(ma1.com.caption(), "0");
  EXPECT_TRUE(ma1.Command1.enabled());

  game.click(ma1.Command1);
  game.press("kin", Qt::Key_Enter);  // the keypad's
  EXPECT_FALSE(game.program.kin.loaded());
  EXPECT_EQ(ma1.Label33.caption().text().rfind("商業価値が", 0), 0u) << ma1.Label33.caption();
  EXPECT_FALSE(ma1.Command1.enabled());
}

TEST(Keys, TheAttackGoesByKeysOnlyWhereTheButtonsAreEnabled) {
  Game game("9", "11");
  game.click(game.program.ma1().Command7);
  AttackSetup& ma3 = game.program.ma3();
  // No target yet: "O  K" is disabled and Enter does nothing.
  game.press("ma3", Qt::Key_Return);
  EXPECT_FALSE(game.program.ma4.loaded());

  game.click(ma3.s(11));
  game.click(ma3.Command5);
  game.click(ma3.Command11);
  game.advance(100);
  ASSERT_TRUE(ma3.Command1.enabled());
  // A held Enter presses once, not on into the dialog it opens.
  game.press("ma3", Qt::Key_Return, true);
  EXPECT_FALSE(game.program.ma4.loaded());
  game.press("ma3", Qt::Key_Return);
  ASSERT_TRUE(game.program.ma4.shown());
  game.press("ma4", Qt::Key_Escape);
  EXPECT_FALSE(game.program.ma4.loaded());
  EXPECT_TRUE(game.program.ma3.shown());
  EXPECT_EQ(ma3.Label10.caption(), "11");
  game.press("ma3", Qt::Key_Return);
  game.press("ma4", Qt::Key_Return);
  ASSERT_TRUE(game.program.ma2.shown());

  BattleScreen& ma2 = game.program.ma2();
  // The view's tooltip names the key after the rules' text; the rules' own stays.
  EXPECT_EQ(game.tooltip("ma2", ma2.Command1), "攻撃します [1]");
  EXPECT_EQ(game.tooltip("ma2", ma2.Command15), "この戦いから退きます [5]");
  EXPECT_EQ(ma2.Command1.design().tooltip, "攻撃します");
  EXPECT_EQ(game.tooltip("ma3", ma3.s(11)), "ルーヴェン城");

  // While the opening dialogue runs both rows are off: 1 presses nothing.
  game.press("ma2", Qt::Key_1);
  EXPECT_EQ(ma2.ko.caption(), "0");
  game.advance(10000);
  ASSERT_TRUE(ma2.Command1.enabled());
  game.press("ma2", Qt::Key_6);
  EXPECT_EQ(ma2.ko.caption(), "0");
  game.press("ma2", Qt::Key_1);
  EXPECT_EQ(ma2.ko.caption(), "1");
  EXPECT_FALSE(ma2.Command1.enabled());
  EXPECT_TRUE(ma2.Timer2.enabled());
}

TEST(Keys, EscLeavesTheAttackSetup) {
  Game game("9", "11");
  game.click(game.program.ma1().Command7);
  game.press("ma3", Qt::Key_Escape);
  EXPECT_FALSE(game.program.ma3.loaded());
  EXPECT_TRUE(game.program.ma1().Command7.enabled());
}

TEST(Keys, TheMovementStartsOnEnterOnceADestinationIsChosen) {
  Game game("18", "22");
  MainScreen& ma1 = game.program.ma1();
  game.click(ma1.Command14);
  // The movement has no cancel: Esc leaves it open.
  game.press("ma6", Qt::Key_Escape);
  EXPECT_TRUE(game.program.ma6.shown());
  game.press("ma6", Qt::Key_Return);
  EXPECT_TRUE(game.program.ma6.shown());

  game.click(game.program.ma6().x(24));
  game.advance(100);
  game.press("ma6", Qt::Key_Return);
  EXPECT_FALSE(game.program.ma6.loaded());
  EXPECT_TRUE(ma1.Timer2.enabled());
}

TEST(Keys, AnyKeyLeavesTheOpeningAndTheArrowsChooseTheNation) {
  Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  auto press = [&](const char* screen, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(desktop.window(screen), &event);
  };
  // A modifier alone is no key press; F1 belongs to the help.
  press("op1", Qt::Key_Shift);
  press("op1", Qt::Key_F1);
  EXPECT_TRUE(program.op1.shown());
  press("op1", Qt::Key_A);
  EXPECT_FALSE(program.op1.loaded());
  ASSERT_TRUE(program.op2.shown());

  NationSelection& op2 = program.op2();
  EXPECT_EQ(desktop.window("op2")->viewOf(op2.Command1)->toolTip(), "上へ [↑/→]");
  const struct {
    int key;
    const char* index;
  } steps[] = {{Qt::Key_Up, "1"},   {Qt::Key_Right, "2"}, {Qt::Key_Down, "1"},
               {Qt::Key_Left, "0"}, {Qt::Key_Down, "25"}, {Qt::Key_Space, "25"}};
  for (const auto& step : steps) {
    press("op2", step.key);
    EXPECT_EQ(op2.Label2.caption(), step.index);
  }
  press("op2", Qt::Key_Return);
  EXPECT_FALSE(program.op2.loaded());
  ASSERT_TRUE(program.ma1.shown());
  EXPECT_EQ(program.ma1().mm.caption(), "25");
}

}  // namespace
