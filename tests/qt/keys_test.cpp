// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keys.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <map>
#include <set>

#include "qt/help_window.h"
#include "qt/map_marks.h"
#include "support/desktop_game.h"

namespace {

struct Game : DesktopGame {
  using DesktopGame::DesktopGame;
  void press(const char* screen, int key, bool repeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* window = desktop.window(screen);
    ASSERT_NE(window, nullptr) << screen;
    pressKey(window, key, modifiers, repeat);
  }
  QString tooltip(const char* screen, const ui::Widget& widget) {
    return desktop.window(screen)->viewOf(widget)->toolTip();
  }
  const ui::Button* focused(const char* screen) { return desktop.window(screen)->focused(); }
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
  game.press("kin", Qt::Key_3);
  EXPECT_EQ(game.program.kin().Label4.caption(), "500");
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

// A computer nation, ルーヴェン帝国 on ルーヴェン城, attacks the player's
// ルーブエン街道; its opening dialogue has run, the player's row waits.
struct Defence {
  Program program;
  qtview::QtDesktop desktop{program, false};

  Defence() {
    program.seed(1);
    MainScreen& ma1 = program.ma1();
    ma1.Timer1.setEnabled(false);
    ma1.mm.setCaption("9");
    ma1.count2.setCaption("2");
    ma1.Label34.setCaption("2");
    ma1.count1.setCaption("11");
    ma1.ai.setCaption("12");
    ma1.t.setCaption("150");
    ma1.Label35.setCaption("90");
    // Enough armament and soldiers for every command of the defender.
    program.da3().w(12).setCaption("100");
    program.da3().f(12).setCaption("200");
    program.ma2.show();
    program.advance(12000);
    desktop.sync();
  }
};

TEST(Keys, OneToFivePressTheDefendersRowWhileThePlayerDefends) {
  for (int command = 1; command <= 5; ++command) {
    SCOPED_TRACE(command);
    Defence defence;
    BattleScreen& ma2 = defence.program.ma2();
    const std::array<ui::Button*, 5> row = {&ma2.Command11, &ma2.Command12, &ma2.Command13,
                                            &ma2.Command14, &ma2.Command15};
    for (ui::Button* button : row) ASSERT_TRUE(button->enabled()) << button->name();
    ASSERT_FALSE(ma2.Command1.enabled());
    pressKey(defence.desktop.window("ma2"), Qt::Key_0 + command);
    EXPECT_EQ(ma2.ko.caption(), std::to_string(command));
    EXPECT_TRUE(ma2.Timer5.enabled());
    EXPECT_FALSE(ma2.Timer2.enabled());
    EXPECT_FALSE(row[static_cast<std::size_t>(command - 1)]->enabled());
  }
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
  DesktopOpening opening;
  Program& program = opening.program;
  auto press = [&](const char* screen, int key) { pressKey(opening.desktop.window(screen), key); };
  // A modifier alone is no key press; F1 belongs to the help.
  press("op1", Qt::Key_Shift);
  press("op1", Qt::Key_F1);
  EXPECT_TRUE(program.op1.shown());
  press("op1", Qt::Key_A);
  EXPECT_FALSE(program.op1.loaded());
  ASSERT_TRUE(program.op2.shown());

  NationSelection& op2 = program.op2();
  EXPECT_EQ(opening.desktop.window("op2")->viewOf(op2.Command1)->toolTip(), "上へ [↑/→]");
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

// A button's key is its Qt shortcut, so that a screen reader tells it; a key
// pressed through Qt's shortcut map still presses the button once.
TEST(Keys, AShortcutPressesItsButtonOnce) {
  DesktopOpening opening;
  Program& program = opening.program;
  pressKey(opening.desktop.window("op1"), Qt::Key_Space);
  ASSERT_TRUE(program.op2.shown());
  qtview::ScreenWindow* op2 = opening.desktop.window("op2");
  op2->activateWindow();
  QApplication::processEvents();
  auto* up = qobject_cast<QAbstractButton*>(op2->viewOf(program.op2().Command1));
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(up->shortcut(), QKeySequence(Qt::Key_Up));
  QTest::keyClick(op2, Qt::Key_Up);
  QApplication::processEvents();
  EXPECT_EQ(program.op2().Label2.caption(), "1");
  QTest::qWait(150);  // longer than a shortcut's animated click
  EXPECT_EQ(program.op2().Label2.caption(), "1");
}

// The keys a screen declares, and those its window answers besides.
std::map<std::string, std::vector<QKeySequence>> declaredKeys(const ui::Screen& screen) {
  std::map<std::string, std::vector<QKeySequence>> keys;
  for (const ui::Widget* widget : screen.widgets())
    if (widget->kind() == ui::Kind::Button)
      for (const QKeySequence& key : qtview::keysOf(static_cast<const ui::Button&>(*widget)))
        keys[widget->name()].push_back(key);
  return keys;
}

TEST(Keys, EveryDeclaredKeyIsAKeyOfAWidgetThatExists) {
  Program program;
  int declared = 0;
  program.run([&] {
    for (ui::SlotBase* slot : program.slots()) {
      ui::Screen& screen = slot->reference();
      SCOPED_TRACE(screen.name());
      if (const std::string& any = screen.design().anyKey; !any.empty()) {
        EXPECT_NE(screen.find(any), nullptr) << any;
      }
      for (const ui::Widget* widget : screen.widgets()) {
        if (widget->kind() != ui::Kind::Button) continue;
        const std::string& text = static_cast<const ui::Button*>(widget)->design().keys;
        if (text.empty()) continue;
        ++declared;
        const QStringList names = QString::fromStdString(text).split("; ");
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromStdString(text));
        ASSERT_EQ(keys.size(), names.size()) << text;
        for (const QKeySequence& key : keys) {
          EXPECT_EQ(key.count(), 1) << text;
          EXPECT_NE(key[0].key(), Qt::Key_unknown) << text;
        }
      }
    }
  });
  EXPECT_GT(declared, 0);
}

TEST(Keys, NoKeyDoesTwoThingsOnOneWindow) {
  // The game menu's keys: the help's on every window, saving, loading and the
  // chronicle on the window that carries the menu.
  const QKeySequence everywhere[] = {qtview::HelpWindow::entry().key, QKeySequence(Qt::Key_Plus),
                                     QKeySequence(Qt::Key_Minus)};
  const QKeySequence onTheMenu[] = {QKeySequence("Ctrl+S"), QKeySequence("Ctrl+O"),
                                    QKeySequence("Ctrl+H")};
  Program program;
  program.run([&] {
    for (ui::SlotBase* slot : program.slots()) {
      ui::Screen& screen = slot->reference();
      SCOPED_TRACE(screen.name());
      std::map<QKeySequence, std::vector<std::string>> uses;
      for (const auto& [widget, keys] : declaredKeys(screen))
        for (const QKeySequence& key : keys) uses[key].push_back(widget);
      for (const QKeySequence& key : qtview::focusKeys(screen)) uses[key].push_back("focus mark");
      for (const QKeySequence& key : everywhere) uses[key].push_back("game");
      if (screen.design().menu)
        for (const QKeySequence& key : onTheMenu) uses[key].push_back("menu");
      for (const auto& [key, users] : uses) {
        // The battle's two rows share 1 to 5: only the player's row is ever
        // enabled (the defence test above shows the keys find it).
        if (screen.name() == "ma2" && users.size() == 2) {
          EXPECT_NE(screen.find(users[0])->container(), screen.find(users[1])->container());
          continue;
        }
        EXPECT_EQ(users.size(), 1u)
            << key.toString().toStdString() << " on " << users.front() << " and " << users.back();
      }
    }
  });
}

QString fileText(const char* path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return QString::fromUtf8(file.readAll());
}

TEST(Keys, EachCommandOfTheMainScreenHasItsOwnKeyShownInItsTooltipTheHelpAndTheManual) {
  Game game("9", "11");
  MainScreen& ma1 = game.program.ma1();
  const QString help = fileText(":/assets/help.html");
  const QString manual = fileText(GUNSEI_SOURCE_DIR "/assets/gunsei.6");
  std::set<QString> keys;
  for (ui::Button* button : ma1.commands()) {
    if (!button->visible()) continue;
    SCOPED_TRACE(button->name());
    const QString key = qtview::keyName(*button);
    ASSERT_FALSE(key.isEmpty());
    EXPECT_TRUE(keys.insert(key).second) << key.toStdString();
    EXPECT_TRUE(game.tooltip("ma1", *button).endsWith(" [" + key + "]"));
    const QString name = qtview::spoken(QString::fromStdString(
        button->caption().empty() ? button->design().spoken : button->caption()));
    EXPECT_TRUE(help.contains("<td class=\"key\">" + key + "</td><td>" + name))
        << key.toStdString() << " " << name.toStdString();
    EXPECT_TRUE(manual.contains(".B " + key + "\n")) << key.toStdString();
  }
  EXPECT_EQ(keys.size(), 14u);

  // The end of a turn, the command given most, shares its key with nothing
  // on any screen.
  const QList<QKeySequence> endTurn = qtview::keysOf(ma1.Command9);
  ASSERT_EQ(endTurn.size(), 1);
  game.program.run([&] {
    for (ui::SlotBase* slot : game.program.slots())
      for (const auto& [widget, declared] : declaredKeys(slot->reference()))
        for (const QKeySequence& key : declared)
          if (key == endTurn.front()) {
            EXPECT_TRUE(slot->name() == "ma1" && widget == "Command9") << slot->name() << widget;
          }
  });

  // The key presses its command as a click does: ターン終了 ends the step.
  game.press("ma1", Qt::Key_E);
  EXPECT_FALSE(ma1.Command9.enabled());
  EXPECT_TRUE(ma1.Timer2.enabled());
}

// The colour at a point of a window as it is drawn.
QColor colourAt(QWidget* window, QPoint at) { return window->grab().toImage().pixelColor(at); }

bool blue(QColor c) { return c.blue() > 200 && c.red() < 100 && c.green() > 100; }

TEST(Focus, TabAndShiftTabMoveAVisibleMarkAmongTheEnabledButtonsAndSpacePresses) {
  Game game("9", "11");
  MainScreen& ma1 = game.program.ma1();
  qtview::ScreenWindow* window = game.desktop.window("ma1");
  // The enabled commands, line by line from the top left.
  std::vector<const ui::Button*> expected;
  for (ui::Button* button : ma1.commands())
    if (button->showing() && button->enabled()) expected.push_back(button);
  std::sort(expected.begin(), expected.end(), [](const ui::Button* a, const ui::Button* b) {
    return std::pair(a->at().top, a->at().left) < std::pair(b->at().top, b->at().left);
  });
  ASSERT_GT(expected.size(), 5u);
  ASSERT_FALSE(ma1.Command3.enabled());  // no port here: Tab passes it by
  EXPECT_EQ(game.focused("ma1"), nullptr);

  std::vector<const ui::Button*> visited;
  for (std::size_t i = 0; i <= expected.size(); ++i) {
    game.press("ma1", Qt::Key_Tab);
    visited.push_back(game.focused("ma1"));
  }
  std::vector<const ui::Button*> round = expected;
  round.push_back(expected.front());
  EXPECT_EQ(visited, round);
  game.press("ma1", Qt::Key_Backtab, false, Qt::ShiftModifier);
  EXPECT_EQ(game.focused("ma1"), expected.back());
  game.press("ma1", Qt::Key_Tab, false, Qt::ShiftModifier);
  EXPECT_EQ(game.focused("ma1"), expected[expected.size() - 2]);

  // The mark is drawn in blue just inside the marked button's edge.
  game.press("ma1", Qt::Key_Tab);
  game.press("ma1", Qt::Key_Tab);
  ASSERT_EQ(game.focused("ma1"), &ma1.Command1);
  QWidget* view = window->viewOf(ma1.Command1);
  const QPoint edge = view->mapTo(window, QPoint(3, view->height() / 2));
  EXPECT_TRUE(blue(colourAt(window, edge))) << colourAt(window, edge).name().toStdString();
  QWidget* other = window->viewOf(ma1.Command2);
  EXPECT_FALSE(blue(colourAt(window, other->mapTo(window, QPoint(3, other->height() / 2)))));

  // Space presses the marked button, and so does Enter while there is a mark.
  game.press("ma1", Qt::Key_Space);
  ASSERT_TRUE(game.program.kin.shown());
  EXPECT_EQ(ma1.com.caption(), "1");
  game.press("kin", Qt::Key_Escape);
  game.press("ma1", Qt::Key_Tab);
  game.press("ma1", Qt::Key_Return);
  ASSERT_TRUE(game.program.kin.shown());
  EXPECT_EQ(ma1.com.caption(), "2");
  game.press("kin", Qt::Key_Escape);

  // A disabled button takes no mark and no press: after ターン終了 all are off.
  while (game.focused("ma1") != &ma1.Command9) game.press("ma1", Qt::Key_Tab);
  game.press("ma1", Qt::Key_Space);
  EXPECT_FALSE(ma1.Command9.enabled());
  EXPECT_FALSE(blue(colourAt(window, window->viewOf(ma1.Command9)->mapTo(window, QPoint(3, 20)))));
  const std::string status = ma1.Label33.caption();
  game.press("ma1", Qt::Key_Space);
  game.press("ma1", Qt::Key_Tab);
  EXPECT_EQ(ma1.Label33.caption(), status);
}

TEST(Focus, TheArrowsMoveAmongTheTerritoriesThatCanBeChosenAndEnterChooses) {
  Game game("9", "11");
  game.click(game.program.ma1().Command7);
  AttackSetup& ma3 = game.program.ma3();
  qtview::ScreenWindow* window = game.desktop.window("ma3");
  auto centre = [&](const ui::Widget& w) {
    QWidget* view = window->viewOf(w);
    return view->mapTo(window, view->rect().center());
  };
  const struct {
    int key;
    QPoint direction;
  } arrows[] = {{Qt::Key_Left, {-1, 0}},
                {Qt::Key_Up, {0, -1}},
                {Qt::Key_Right, {1, 0}},
                {Qt::Key_Down, {0, 1}}};
  // From the step's territory, then from each marked place in turn.
  const ui::Widget* from = ma3.stepTerritory();
  ASSERT_EQ(from, &ma3.s(12));
  int moves = 0;
  for (int round = 0; round < 3; ++round) {
    for (const auto& arrow : arrows) {
      game.press("ma3", arrow.key);
      const ui::Button* at = game.focused("ma3");
      if (at == nullptr || at == from) continue;
      ++moves;
      ASSERT_TRUE(at->enabled()) << at->fullName();
      ASSERT_TRUE(at->design().place) << at->fullName();
      const QPoint step = centre(*at) - centre(*from);
      EXPECT_GT(QPoint::dotProduct(step, arrow.direction), 0) << at->fullName();
      from = at;
    }
  }
  EXPECT_GT(moves, 1);
  // Enter chooses the marked territory, and the red ring follows.
  ASSERT_NE(game.focused("ma3"), nullptr);
  const ui::Button* chosen = game.focused("ma3");
  game.press("ma3", Qt::Key_Return);
  game.advance(100);
  EXPECT_EQ(ma3.chosenTerritory(), chosen);
  EXPECT_EQ(ma3.Label10.caption(), chosen->name().substr(1));
}

}  // namespace
