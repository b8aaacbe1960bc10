// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <stdexcept>

#include "qt/qt_desktop.h"
#include "screens/program.h"
#include "support/tiny_program.h"

namespace {

TEST(Windows, OpenAtTheirClientSizeWithTheModelsTexts) {
  tiny::Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  qtview::ScreenWindow* one = desktop.window("one");
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->size(), QSize(800, 600));
  EXPECT_EQ(one->windowTitle(), "One");

  auto* said = qobject_cast<QLabel*>(one->viewOf(program.one().said));
  ASSERT_NE(said, nullptr);
  EXPECT_EQ(said->text(), "兵 士 数");
  EXPECT_EQ(said->geometry(), QRect(0, 0, 100, 17));
  EXPECT_EQ(said->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  auto* go = qobject_cast<QAbstractButton*>(one->viewOf(program.one().go));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->toolTip(), "押す");
  EXPECT_EQ(go->geometry(), QRect(0, 20, 65, 57));
}

TEST(Windows, ForwardClicksAndFollowTheModel) {
  tiny::Program program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  qtview::ScreenWindow* one = desktop.window("one");
  ASSERT_NE(one, nullptr);
  auto* go = qobject_cast<QAbstractButton*>(one->viewOf(program.one().go));
  go->click();
  EXPECT_EQ(program.one().said.caption(), "clicked");
  EXPECT_EQ(qobject_cast<QLabel*>(one->viewOf(program.one().said))->text(), "clicked");

  // A disabled button's view is disabled too, so the player cannot press it.
  EXPECT_FALSE(one->viewOf(program.one().off)->isEnabled());

  program.two.show();
  desktop.sync();
  qtview::ScreenWindow* two = desktop.window("two");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->size(), QSize(185, 154));
  // The close box of a dialog is its cancel: the window goes with the screen.
  two->close();
  EXPECT_FALSE(program.two.loaded());
  EXPECT_EQ(desktop.window("two"), nullptr);
}

}  // namespace

namespace {

// A mouse press in the middle of a widget's window, as the player makes it:
// whatever lies on top there receives it.
void pressAt(QWidget* window, QWidget* view) {
  const QPoint centre = view->mapTo(window, view->rect().center());
  QWidget* target = window->childAt(centre);
  ASSERT_NE(target, nullptr);
  const QPoint local = target->mapFrom(window, centre);
  QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, target->mapToGlobal(local), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

TEST(Windows, TheAttackMapsButtonsLieAboveItsPictureAndLines) {
  Program program;
  qtview::QtDesktop desktop(program, false);
  program.ma1().mm.setCaption("9");
  program.ma1().count1.setCaption("11");
  program.ma1.show();
  program.advance(1500);  // the player's step on ルーブエン街道
  desktop.sync();
  pressAt(desktop.window("ma1"), desktop.window("ma1")->viewOf(program.ma1().Command7));
  qtview::ScreenWindow* ma3 = desktop.window("ma3");
  ASSERT_NE(ma3, nullptr);
  pressAt(ma3, ma3->viewOf(program.ma3().s(11)));
  EXPECT_EQ(program.ma3().Label10.caption(), "11");
}

}  // namespace

namespace {

// A screen whose button fails, as a handler of the game may.
class Failing : public ui::Screen {
 public:
  explicit Failing(ui::Desktop& desktop) : ui::Screen(desktop, "bad", {}) {}
  ui::Label said{this, "said", {.caption = "before"}};
  ui::Button go{this, "go", {.caption = "go"}, [this] {
                  said.setCaption("after");
                  throw std::runtime_error("no element 40 in d(0..34)");
                }};
};

class FailingProgram : public ui::Desktop {
 public:
  void start() override { bad.show(); }
  ui::Slot<Failing, FailingProgram> bad{*this, "bad"};
};

TEST(Windows, AFailedHandlerIsLoggedByItsNameAndTheGameGoesOn) {
  FailingProgram program;
  qtview::QtDesktop desktop(program, false);
  desktop.start();
  qtview::ScreenWindow* bad = desktop.window("bad");
  ASSERT_NE(bad, nullptr);
  testing::internal::CaptureStderr();
  qobject_cast<QAbstractButton*>(bad->viewOf(program.bad().go))->click();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "gunsei: bad.go_Click: no element 40 in d(0..34)\n");
  // What the handler did before it failed is shown, and the window stays.
  EXPECT_EQ(desktop.window("bad"), bad);
  EXPECT_EQ(qobject_cast<QLabel*>(bad->viewOf(program.bad().said))->text(), "after");
}

}  // namespace
