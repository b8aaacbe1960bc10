// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/pace.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
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
  QWidget* window = desktop.gameWindow();
  EXPECT_EQ(window->windowTitle(), "Form1 ×2");
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int pace;
    const char* title;
  } steps[] = {
      {Qt::Key_Plus, Qt::KeypadModifier, 4, "Form1 ×4"},
      {Qt::Key_Plus, Qt::NoModifier, 8, "Form1 ×8"},
      {Qt::Key_Plus, Qt::NoModifier, qtview::kFastest, "Form1 即"},
      {Qt::Key_Plus, Qt::NoModifier, qtview::kFastest, "Form1 即"},
      {Qt::Key_Minus, Qt::NoModifier, 8, "Form1 ×8"},
      {Qt::Key_Minus, Qt::KeypadModifier, 4, "Form1 ×4"},
      {Qt::Key_Minus, Qt::NoModifier, 2, "Form1 ×2"},
      {Qt::Key_Minus, Qt::NoModifier, 1, "Form1"},
      {Qt::Key_Minus, Qt::NoModifier, 1, "Form1"},
  };
  for (const auto& step : steps) {
    press(ma1, step.key, step.modifiers);
    EXPECT_EQ(desktop.pace(), step.pace);
    EXPECT_EQ(window->windowTitle(), step.title);
  }
}

// A screen with a quick timer, as the battle polls, a slow one, as the
// sweep steps, and a button; and a program that says whether the player
// takes part in what runs.
class Quick : public ui::Screen {
 public:
  template <class Owner>
  explicit Quick(Owner& owner) : ui::Screen(owner, "quick", {.width = 3000, .height = 2000}) {}
  ui::Timer poll{this, "poll", {.interval = 10}, [this] { order += "p"; }};
  ui::Timer step{this, "step", {.interval = 400}, [this] { order += "S"; }};
  ui::Button press{
      this, "press", {.at = {0, 0, 1500, 500}, .caption = "press"}, [this] { order += "c"; }};
  std::string order;
};

struct QuickProgram : ui::Desktop {
  ui::Slot<Quick, QuickProgram> quick{*this, "quick"};
  bool involved = true;
  void start() override { quick.show(); }
  bool playerInvolved() const override { return involved; }
};

// The order of ticks the model fires on its own up to `ms`.
std::string alone(std::int64_t ms) {
  QuickProgram program;
  program.run([&program] { program.start(); });
  program.advance(ms);
  return program.quick().order;
}

struct QuickDesktop {
  QuickProgram program;
  std::int64_t real = 0;
  std::int64_t perLook = 0;  // real time that passes at every look at the clock
  qtview::QtDesktop desktop{program, [this] { return real += perLook; }};
  int wakes = 0;

  explicit QuickDesktop(int pace, bool involved = true) {
    program.involved = involved;
    desktop.start();
    desktop.setPace(pace);
  }
  // The real time runs on, and the timer wakes the desktop when it is due.
  void runFor(std::int64_t ns) {
    const std::int64_t end = real + ns;
    while (desktop.timer().isActive() && real + desktop.timer().interval() * kMs <= end) {
      real += desktop.timer().interval() * kMs;
      desktop.wake();
      ++wakes;
    }
  }
};

TEST(Pace, WakesFollowTheScreenAndFireEveryTickInOrder) {
  for (int pace : {1, 8}) {
    SCOPED_TRACE(pace);
    QuickDesktop quick(pace);
    quick.runFor(1000 * kMs);
    // A 10 ms timer at ×8 falls due 800 times a second; the desktop wakes
    // about 60 times and fires them all, in order, as the model alone would.
    EXPECT_LE(quick.wakes, 61);
    EXPECT_GE(quick.wakes, 55);
    // The model lags the real time by at most a frame and a tick.
    EXPECT_GE(quick.program.now(), (1000 - 17) * pace - 10);
    EXPECT_EQ(quick.program.quick().order, alone(quick.program.now()));
  }
}

TEST(Pace, AClickLandsAtItsExactMomentBetweenWakes) {
  QuickDesktop quick(8);
  quick.runFor(100 * kMs);
  ASSERT_TRUE(quick.desktop.timer().isActive());
  // 5 ms after the last wake, before the next: the clock is brought up to
  // that moment, the ticks due by then fire first, then the click.
  const std::int64_t at = quick.program.now() + 40;
  quick.real += 5 * kMs;
  auto* button = qobject_cast<QAbstractButton*>(
      quick.desktop.window("quick")->viewOf(quick.program.quick().press));
  ASSERT_NE(button, nullptr);
  button->click();
  EXPECT_EQ(quick.program.now(), at);
  EXPECT_EQ(quick.program.quick().order, alone(at) + "c");
}

TEST(Pace, TheFastestRunsWhatThePlayerTakesNoPartInWithoutWaiting) {
  QuickDesktop quick(8, false);
  quick.desktop.setPace(qtview::kFastest);
  // Every look at the clock takes a millisecond: the desktop runs the ticks
  // for one frame's time, then lets the windows catch up and goes on at once.
  quick.perLook = kMs;
  quick.desktop.wake();
  const std::int64_t first = quick.program.now();
  EXPECT_GT(first, 100);
  EXPECT_LE(quick.real, 20 * kMs);
  EXPECT_TRUE(quick.desktop.timer().isActive());
  EXPECT_EQ(quick.desktop.timer().interval(), 0);
  quick.desktop.wake();
  EXPECT_GT(quick.program.now(), first);
  EXPECT_EQ(quick.program.quick().order, alone(quick.program.now()));

  // Once the player takes part, the game waits again, at ×8 from then on.
  quick.perLook = 0;
  quick.program.involved = true;
  quick.desktop.wake();
  const std::int64_t then = quick.program.now();
  quick.runFor(500 * kMs);
  EXPECT_GT(quick.program.now() - then, 3900);
  EXPECT_LE(quick.program.now() - then, 4000);
  EXPECT_LE(quick.wakes, 31);
  EXPECT_EQ(quick.program.quick().order, alone(quick.program.now()));
  EXPECT_EQ(quick.desktop.pace(), qtview::kFastest);
}

}  // namespace
