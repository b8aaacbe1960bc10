// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "qt/qt_desktop.h"
#include "screens/program.h"
#include "support/desktop_game.h"
#include "support/tiny_program.h"

namespace {

constexpr std::int64_t kMs = 1'000'000;

void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(window, &event);
}

// The tiny program on a desktop whose real clock is `real` nanoseconds, with
// its timers of 250 and 500 ms running from the start.
struct Paced {
  tiny::Program program;
  std::int64_t real = 0;
  qtview::QtDesktop desktop{program, [this] { return real; }};

  explicit Paced(int pace) {
    desktop.start();
    desktop.setPace(pace);
    program.one().fast.setEnabled(true);
    program.one().half.setEnabled(true);
    program.one().slow.setEnabled(true);
    desktop.wake();
  }
  // The real time passes until the timer fires, as the event loop would have it.
  void waitForTimer() {
    ASSERT_TRUE(desktop.timer().isActive());
    real += desktop.timer().interval() * kMs;
    desktop.wake();
  }
};

TEST(Pace, TheModelsClockRunsAtThePaceTimesTheRealOne) {
  for (int pace : {1, 2, 4, 8}) {
    SCOPED_TRACE(pace);
    Paced paced(pace);
    while (paced.real < 3000 * kMs) paced.waitForTimer();
    // The timer waits whole milliseconds; what it overshoots is kept, so the
    // model lags by less than one of them and never drifts further.
    const std::int64_t expected = paced.real / kMs * pace;
    EXPECT_LE(paced.program.now(), expected);
    EXPECT_GT(paced.program.now(), expected - pace);

    // Every tick fired, one at a time and in order, as the model alone fires them.
    tiny::Program alone;
    alone.one.show();
    alone.one().fast.setEnabled(true);
    alone.one().half.setEnabled(true);
    alone.one().slow.setEnabled(true);
    alone.advance(paced.program.now());
    EXPECT_EQ(paced.program.one().order, alone.one().order);
    EXPECT_EQ(paced.program.one().ticks.caption(), alone.one().ticks.caption());
  }
}

TEST(Pace, TheTimerWaitsTheNextDueMomentDividedByThePace) {
  Paced paced(4);
  EXPECT_EQ(paced.desktop.timer().interval(), 63);  // 250 ms at ×4, rounded up
  paced.real = 100 * kMs;
  paced.desktop.wake();
  EXPECT_EQ(paced.program.now(), 250);
  EXPECT_EQ(paced.program.one().order, "f");
  EXPECT_EQ(paced.desktop.timer().interval(), 63);
  // Back to ×1 halfway: the time so far counted at ×4, the rest counts at ×1.
  paced.real = 110 * kMs;
  paced.desktop.setPace(1);
  EXPECT_EQ(paced.program.now(), 290);
  EXPECT_EQ(paced.desktop.timer().interval(), 210);
}

TEST(Pace, TicksNeverPileUpAfterAStall) {
  Paced paced(4);
  paced.waitForTimer();
  ASSERT_EQ(paced.program.one().order, "f");
  // Ten seconds without the event loop: the clock goes to the next due
  // moment only, its ticks fire once, and the rest of the stall is dropped.
  paced.real += 10'000 * kMs;
  paced.desktop.wake();
  EXPECT_EQ(paced.program.now(), 500);
  EXPECT_EQ(paced.program.one().order, "ffh");
  EXPECT_EQ(paced.program.one().ticks.caption(), "1");
  EXPECT_EQ(paced.desktop.timer().interval(), 63);
  paced.waitForTimer();
  EXPECT_EQ(paced.program.now(), 750);
  EXPECT_EQ(paced.program.one().order, "ffhf");
}

TEST(Pace, OnlyTheGamesPacesAreTaken) {
  Paced paced(4);
  for (int pace : {0, -1, 3, 16}) {
    paced.desktop.setPace(pace);
    EXPECT_EQ(paced.desktop.pace(), 4) << pace;
  }
  paced.waitForTimer();
  EXPECT_EQ(paced.program.now(), 250);
}

TEST(Pace, WithNothingDueTheTimerStops) {
  Paced paced(8);
  paced.program.one().fast.setEnabled(false);
  paced.program.one().half.setEnabled(false);
  paced.program.one().slow.setEnabled(false);
  paced.desktop.wake();
  EXPECT_FALSE(paced.desktop.timer().isActive());
}

TEST(Pace, PlusAndMinusStepThePaceOnAnyWindowAndTheMainTitleShowsIt) {
  DesktopOpening opening;
  Program& program = opening.program;
  qtview::QtDesktop& desktop = opening.desktop;
  QWidget* op1 = desktop.window("op1");
  ASSERT_NE(op1, nullptr);
  // On the opening any key is a click, but not the pace's.
  press(op1, Qt::Key_Plus);
  EXPECT_EQ(desktop.pace(), 2);
  EXPECT_TRUE(program.op1.shown());

  program.ma1.show();
  desktop.sync();
  QWidget* ma1 = desktop.window("ma1");
  ASSERT_NE(ma1, nullptr);
  EXPECT_EQ(ma1->windowTitle(), "Form1 ×2");
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int pace;
    const char* title;
  } steps[] = {
      {Qt::Key_Plus, Qt::KeypadModifier, 4, "Form1 ×4"},
      {Qt::Key_Plus, Qt::NoModifier, 8, "Form1 ×8"},
      {Qt::Key_Plus, Qt::NoModifier, 8, "Form1 ×8"},
      {Qt::Key_Minus, Qt::KeypadModifier, 4, "Form1 ×4"},
      {Qt::Key_Minus, Qt::NoModifier, 2, "Form1 ×2"},
      {Qt::Key_Minus, Qt::NoModifier, 1, "Form1"},
      {Qt::Key_Minus, Qt::NoModifier, 1, "Form1"},
  };
  for (const auto& step : steps) {
    press(ma1, step.key, step.modifiers);
    EXPECT_EQ(desktop.pace(), step.pace);
    EXPECT_EQ(ma1->windowTitle(), step.title);
  }
  // Only the main screen carries the pace.
  press(op1, Qt::Key_Plus);
  EXPECT_EQ(op1->windowTitle(), "Form1");
}

}  // namespace
