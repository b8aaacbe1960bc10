// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <vector>

#include "support/desktop_game.h"

namespace {

using Game = DesktopGame;

QAccessibleInterface* accessible(QWidget* view) {
  return view ? QAccessible::queryAccessibleInterface(view) : nullptr;
}

QString nameOf(QWidget* view) {
  QAccessibleInterface* face = accessible(view);
  return face ? face->text(QAccessible::Name) : QString();
}

// What a screen reader finds on a window: every button and label it shows.
void expectEveryShownWidgetNamed(qtview::ScreenWindow& window) {
  SCOPED_TRACE(window.screen().name());
  int buttons = 0;
  for (const ui::Widget* widget : window.screen().widgets()) {
    QWidget* view = window.viewOf(*widget);
    if (!view || !view->isVisibleTo(&window)) continue;
    if (widget->kind() == ui::Kind::Button) {
      ++buttons;
      EXPECT_FALSE(nameOf(view).isEmpty()) << widget->fullName();
    } else if (widget->kind() == ui::Kind::Label) {
      if (!qtview::captionOf(*widget).empty()) {
        EXPECT_FALSE(nameOf(view).isEmpty()) << widget->fullName();
      }
    }
  }
  EXPECT_GT(buttons, 0);
}

TEST(Accessible, EveryShownButtonAndLabelHasAName) {
  Game game("9", "11");
  expectEveryShownWidgetNamed(*game.desktop.window("ma1"));
  game.click(game.program.ma1().Command7);
  expectEveryShownWidgetNamed(*game.desktop.window("ma3"));
  game.confirmAttack();
  expectEveryShownWidgetNamed(*game.desktop.window("ma4"));
  game.click(game.program.ma4().Command1);
  expectEveryShownWidgetNamed(*game.desktop.window("ma2"));
}

TEST(Accessible, ButtonsAreNamedForTheirCommandsAndTellTheirKeys) {
  Game game("9", "11");
  qtview::ScreenWindow* ma1 = game.desktop.window("ma1");
  MainScreen& main = game.program.ma1();
  const struct {
    const ui::Button* button;
    const char* name;
    const char* description;
    const char* key;
  } cases[] = {
      {&main.Command1, "商業投資", "商業を盛んにさせます", "C"},
      {&main.Command3, "港投資", "港に投資して交易を盛んにさせます", "P"},
      {&main.Command9, "ターン終了", "このターンは何もしません", "E"},
      // A picture without a caption is called by its command.
      {&main.Command11, "終了", "群星の年代記を終了します", "Ctrl+Q"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QAccessibleInterface* face = accessible(ma1->viewOf(*c.button));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), c.name);
    EXPECT_EQ(face->text(QAccessible::Description), c.description);
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{c.key});
  }

  // The territories of the attack map read by their names.
  game.click(main.Command7);
  qtview::ScreenWindow* ma3 = game.desktop.window("ma3");
  AttackSetup& setup = game.program.ma3();
  for (int i = 0; i < 35; ++i)
    EXPECT_EQ(nameOf(ma3->viewOf(setup.s(i))).toStdString(), setup.s(i).design().tooltip) << i;
  EXPECT_EQ(nameOf(ma3->viewOf(setup.s(11))), "ルーヴェン城");
  EXPECT_EQ(nameOf(ma3->viewOf(setup.Command2)), "キャンセル");
  EXPECT_EQ(accessible(ma3->viewOf(setup.Command2))
                ->actionInterface()
                ->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
            QStringList{"Esc"});
}

TEST(Accessible, WindowsAreNamedForTheirScreensAndKeepTheirTitles) {
  Game game("9", "11");
  game.click(game.program.ma1().Command1);
  const struct {
    const char* screen;
    const char* name;
    const char* title;
  } cases[] = {{"ma1", "群星の年代記", "Form1"}, {"kin", "投資", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.screen);
    qtview::ScreenWindow* window = game.desktop.window(c.screen);
    ASSERT_NE(window, nullptr);
    QAccessibleInterface* face = accessible(window);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), c.name);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(window->windowTitle(), c.title);
  }
}

TEST(Accessible, AValueReadsWithItsHeading) {
  Game game("9", "11");
  qtview::ScreenWindow* ma1 = game.desktop.window("ma1");
  MainScreen& main = game.program.ma1();
  const std::string commerce = main.Label18.caption();
  ASSERT_FALSE(commerce.empty());
  EXPECT_EQ(nameOf(ma1->viewOf(main.Label18)).toStdString(), "商業価値 " + commerce);
  EXPECT_EQ(nameOf(ma1->viewOf(main.Label32)).toStdString(), "兵士数 " + main.Label32.caption());
  // What a sighted player sees stays as it was.
  EXPECT_EQ(qobject_cast<QLabel*>(ma1->viewOf(main.Label18))->text().toStdString(), commerce);

  // A heading that changes is read with its value: the dialog's heading
  // follows the command.
  game.click(main.Command2);
  InvestmentDialog& kin = game.program.kin();
  EXPECT_EQ(nameOf(game.desktop.window("kin")->viewOf(kin.Label3)).toStdString(),
            "現在農業価値 " + kin.Label3.caption());
}

}  // namespace
