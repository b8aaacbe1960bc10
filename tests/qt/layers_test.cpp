// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "qt/help_window.h"
#include "support/desktop_game.h"
#include "support/tiny_program.h"

namespace {

using Names = std::vector<std::string>;

// The screens of the game window's layers, the bottom one first.
Names layers(const qtview::QtDesktop& desktop) {
  Names names;
  for (qtview::ScreenWindow* layer : desktop.gameWindow()->layers())
    names.push_back(layer->screen().name());
  return names;
}

// The layers a player sees.
Names visible(const qtview::QtDesktop& desktop) {
  Names names;
  for (qtview::ScreenWindow* layer : desktop.gameWindow()->layers())
    if (layer->isVisible()) names.push_back(layer->screen().name());
  return names;
}

// A click in the middle of a model widget's view, made on the game window as
// the player makes it: whatever lies there on top receives it.
void clickOn(const qtview::QtDesktop& desktop, const char* screen, const ui::Widget& widget) {
  qtview::ScreenWindow* layer = desktop.window(screen);
  ASSERT_NE(layer, nullptr) << screen;
  QWidget* view = layer->viewOf(widget);
  const QPoint at = view->mapTo(desktop.gameWindow(), view->rect().center());
  QTest::mouseClick(desktop.gameWindow()->windowHandle(), Qt::LeftButton, {}, at);
}

void type(const qtview::QtDesktop& desktop, Qt::Key key) {
  QTest::keyClick(desktop.gameWindow()->windowHandle(), key);
}

TEST(Layers, LieInTheOrderShownAndAFullOneCoversThoseBelow) {
  DesktopGame game("9", "11");
  Program& program = game.program;
  MainScreen& ma1 = program.ma1();
  qtview::GameWindow* window = game.desktop.gameWindow();
  const struct {
    const char* step;
    std::function<void()> action;
    Names layers, visible;
  } steps[] = {
      {"the main screen", [] {}, {"ma1"}, {"ma1"}},
      {"the investment over it", [&] { game.click(ma1.Command1); }, {"ma1", "kin"}, {"ma1", "kin"}},
      {"cancelled", [&] { game.click(program.kin().Command7); }, {"ma1"}, {"ma1"}},
      {"the attack setup", [&] { game.click(ma1.Command7); }, {"ma1", "ma3"}, {"ma3"}},
      {"its confirmation", [&] { game.confirmAttack(); }, {"ma1", "ma3", "ma4"}, {"ma4"}},
      {"back to the setup", [&] { game.click(program.ma4().Command2); }, {"ma1", "ma3"}, {"ma3"}},
      {"back to the main screen", [&] { game.click(program.ma3().Command2); }, {"ma1"}, {"ma1"}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.action();
    EXPECT_EQ(layers(game.desktop), step.layers);
    EXPECT_EQ(visible(game.desktop), step.visible);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->top(), game.desktop.window(step.layers.back()));
    EXPECT_EQ(window->top()->pos(), step.layers.back() == "kin" ? QPoint(307, 223) : QPoint(0, 0));
  }
}

TEST(Layers, AScreenShownAgainGoesOnTopAndOneLoadedAnewIsBuiltAnew) {
  tiny::Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  program.two.show();
  desktop.sync();
  ASSERT_EQ(layers(desktop), (Names{"one", "two"}));
  program.one().show();
  desktop.sync();
  EXPECT_EQ(layers(desktop), (Names{"two", "one"}));
  EXPECT_EQ(visible(desktop), Names{"one"});

  qtview::ScreenWindow* before = desktop.window("one");
  program.run([&] {
    program.one.unload();
    program.one.show();
  });
  desktop.sync();
  ASSERT_NE(desktop.window("one"), before);
  EXPECT_EQ(desktop.window("one")->serial(), program.one().serial());
  EXPECT_EQ(layers(desktop), (Names{"two", "one"}));
}

TEST(Layers, ClicksReachTheTopLayerOnly) {
  DesktopGame game("9", "11");
  Program& program = game.program;
  MainScreen& ma1 = program.ma1();
  game.click(ma1.Command1);
  // The end of the step lies below the investment dialog, in sight.
  QWidget* end = game.desktop.window("ma1")->viewOf(ma1.Command9);
  ASSERT_FALSE(game.desktop.window("kin")->geometry().intersects(end->geometry()));
  clickOn(game.desktop, "ma1", ma1.Command9);
  EXPECT_TRUE(ma1.Command9.enabled());
  EXPECT_TRUE(program.kin.shown());

  clickOn(game.desktop, "kin", program.kin().Command7);
  EXPECT_FALSE(program.kin.loaded());
  clickOn(game.desktop, "ma1", ma1.Command9);
  EXPECT_FALSE(ma1.Command9.enabled());
}

TEST(Layers, KeysReachTheTopLayerOnly) {
  DesktopGame game("9", "11");
  Program& program = game.program;
  game.click(program.ma1().Command7);
  game.confirmAttack();
  ASSERT_TRUE(program.ma4.shown());
  EXPECT_EQ(game.desktop.gameWindow()->focusWidget(), game.desktop.window("ma4"));

  // A covered layer takes no key, not even the pace's.
  QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier);
  QCoreApplication::sendEvent(game.desktop.window("ma3"), &plus);
  EXPECT_EQ(game.desktop.pace(), 1);

  type(game.desktop, Qt::Key_Escape);
  EXPECT_FALSE(program.ma4.loaded());
  EXPECT_TRUE(program.ma3.shown());
  EXPECT_EQ(game.desktop.gameWindow()->focusWidget(), game.desktop.window("ma3"));
  // Without the focus anywhere the top layer takes the keys all the same.
  game.desktop.window("ma3")->clearFocus();
  type(game.desktop, Qt::Key_Escape);
  EXPECT_FALSE(program.ma3.loaded());
  EXPECT_EQ(layers(game.desktop), Names{"ma1"});
}

TEST(Layers, TheKeysOfTheButtonsBelowTheTopLayerDoNothing) {
  DesktopGame game("9", "11");
  Program& program = game.program;
  game.click(program.ma1().Command1);
  ASSERT_TRUE(program.kin.shown());
  // E ends the step on the main screen, whose buttons stay enabled and in
  // sight below the investment dialog; there it is no key at all.
  ASSERT_TRUE(program.ma1().Command9.enabled());
  type(game.desktop, Qt::Key_E);
  QTest::qWait(200);
  EXPECT_TRUE(program.ma1().Command9.enabled());
  EXPECT_TRUE(program.kin.shown());
}

TEST(Layers, TheWindowCarriesTheTopScreensTitleAndCloseBox) {
  tiny::Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  qtview::GameWindow* window = desktop.gameWindow();
  EXPECT_EQ(window->windowTitle(), "One");
  desktop.setPace(2);
  EXPECT_EQ(window->windowTitle(), "One ×2");
  // Minimised, never maximised: the screens have one size.
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  window->showMaximized();
  QApplication::processEvents();
  EXPECT_FALSE(window->isMaximized());
  EXPECT_EQ(window->size(), QSize(800, 600));

  program.two.show();
  desktop.sync();
  EXPECT_EQ(window->windowTitle(), "×2");
  // The dialog's close box is its cancel; the main one's ends the game.
  window->close();
  EXPECT_FALSE(program.two.loaded());
  EXPECT_EQ(window->windowTitle(), "One ×2");
  EXPECT_TRUE(window->isVisible());
  window->close();
  EXPECT_TRUE(program.ended());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->layers().empty());
}

TEST(Layers, TheSiegeLiesAtItsPlaceOverTheMainScreenUntilItIsDecided) {
  DesktopGame game("9", "11");
  Program& program = game.program;
  MainScreen& ma1 = program.ma1();
  ma1.ai.setCaption("10");
  ma1.t.setCaption("300");
  ma1.Label35.setCaption("90");
  program.ma5.show();
  game.desktop.sync();
  qtview::GameWindow* window = game.desktop.gameWindow();
  ASSERT_EQ(layers(game.desktop), (Names{"ma1", "ma5"}));
  EXPECT_EQ(visible(game.desktop), (Names{"ma1", "ma5"}));
  EXPECT_EQ(window->top()->geometry(), QRect(209, 122, 489, 280));
  // Without a colour of its own a layer is drawn in the system's, as a window is.
  EXPECT_EQ(window->top()->grab().toImage().pixelColor(3, 3),
            QApplication::palette().color(QPalette::Window));
  EXPECT_EQ(window->size(), QSize(800, 600));
  EXPECT_EQ(window->windowTitle(), "Form1");
  // No one may close a siege before it is decided.
  window->close();
  EXPECT_TRUE(program.ma5.shown());

  for (int i = 0; i < 1000 && program.ma5.loaded(); ++i) game.advance(400);
  EXPECT_FALSE(program.ma5.loaded());
  EXPECT_EQ(layers(game.desktop), Names{"ma1"});
}

TEST(Layers, TheHelpIsAWindowOfItsOwnOverTheGameWindow) {
  tiny::Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  qtview::HelpWindow* help = qtview::HelpWindow::open();
  EXPECT_TRUE(help->isWindow());
  EXPECT_EQ(help->windowHandle()->transientParent(), desktop.gameWindow()->windowHandle());
  help->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
