// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "support/tiny_program.h"

using tiny::Program;

TEST(Screens, LoadOnFirstReferenceAndStartFreshAfterUnload) {
  Program program;
  EXPECT_FALSE(program.one.loaded());
  program.one().said.setCaption("changed");
  program.one().ticks.setCaption("7");
  EXPECT_EQ(program.one().loads.caption(), "1");  // Form_Load ran once
  EXPECT_FALSE(program.one().visible());

  program.one.unload();
  EXPECT_EQ(program.unloads, 1);
  EXPECT_FALSE(program.one.loaded());
  EXPECT_EQ(program.one().said.caption(), "兵 士 数");
  EXPECT_EQ(program.one().ticks.caption(), "0");
  EXPECT_EQ(program.one().loads.caption(), "1");
  program.one.unload();
  program.one.unload();  // unloading what is not loaded does nothing
  EXPECT_EQ(program.unloads, 2);
}

TEST(Screens, AHandlerMayUnloadItsOwnScreen) {
  Program program;
  program.start();
  program.two.show();
  program.click(program.two().close);
  EXPECT_FALSE(program.two.loaded());
  EXPECT_EQ(program.one().said.caption(), "still safe");
  EXPECT_EQ(program.two().note.caption(), "design");
}

TEST(Screens, ClicksReachOnlyShownEnabledShowingWidgets) {
  Program program;
  program.click(program.one().go);  // loaded but not shown
  EXPECT_EQ(program.one().said.caption(), "兵 士 数");
  program.start();
  program.click(program.one().off);
  program.click(program.one().inner);  // inside a hidden frame
  EXPECT_EQ(program.one().said.caption(), "兵 士 数");
  program.click(program.one().go);
  EXPECT_EQ(program.one().said.caption(), "clicked");
  program.one().box.setVisible(true);
  program.click(program.one().inner);
  EXPECT_EQ(program.one().said.caption(), "inner");
}

TEST(Screens, EndStopsTheHandlerAndClosesEverything) {
  Program program;
  program.start();
  program.two.show();
  program.click(program.two().quit);
  EXPECT_TRUE(program.ended());
  EXPECT_FALSE(program.one.loaded());
  EXPECT_FALSE(program.two.loaded());
  EXPECT_EQ(program.unloads, 0);  // the end runs no unload handler
}

TEST(Screens, CloseBoxFollowsTheScreensDesign) {
  Program program;
  program.start();
  program.two.show();
  program.two().note.setCaption("x");
  program.closeBox(program.two());  // Cancel: the screen's own cancel unloads it
  EXPECT_FALSE(program.two.loaded());
  EXPECT_FALSE(program.ended());
  program.closeBox(program.one());  // Quit
  EXPECT_TRUE(program.ended());
}

TEST(Timers, FireEveryIntervalWhileEnabled) {
  Program program;
  auto& one = program.one();
  program.advance(200);
  one.slow.setEnabled(true);  // due at 700
  program.advance(499);
  EXPECT_EQ(one.ticks.caption(), "0");
  program.advance(1);
  EXPECT_EQ(one.ticks.caption(), "1");
  one.slow.setEnabled(true);  // enabling an enabled timer changes nothing
  program.advance(500);
  EXPECT_EQ(one.ticks.caption(), "2");
  program.advance(1000);  // two more, one at a time, no pile-up
  EXPECT_EQ(one.ticks.caption(), "4");
  EXPECT_EQ(program.now(), 2200);
}

TEST(Timers, ReenablingStartsAFreshInterval) {
  Program program;
  auto& one = program.one();
  one.slow.setEnabled(true);
  program.advance(400);
  one.slow.setEnabled(false);
  program.advance(100);
  EXPECT_EQ(one.ticks.caption(), "0");
  one.slow.setEnabled(true);  // due 500 from now
  program.advance(499);
  EXPECT_EQ(one.ticks.caption(), "0");
  program.advance(1);
  EXPECT_EQ(one.ticks.caption(), "1");
  EXPECT_EQ(program.nextDue(), 1500);
}

TEST(Timers, SimultaneousTicksFireInDeclarationOrder) {
  Program program;
  auto& one = program.one();
  one.half.setEnabled(true);
  one.fast.setEnabled(true);
  program.advance(1000);
  EXPECT_EQ(one.order, "ffhffh");  // at 500 and 1000 `fast` is declared first
}

TEST(Timers, StopWhenTheirScreenIsUnloaded) {
  Program program;
  program.one().slow.setEnabled(true);
  program.one.unload();
  EXPECT_EQ(program.nextDue(), std::nullopt);
  program.advance(5000);
  EXPECT_EQ(program.one().ticks.caption(), "0");
}

TEST(WidgetArrays, AreIndexedAndRefuseOtherIndexes) {
  Program program;
  EXPECT_EQ(program.one().cells(1).caption(), "b");
  EXPECT_EQ(program.one().cells(1).fullName(), "cells(1)");
  EXPECT_THROW(program.one().cells(2), std::out_of_range);
  EXPECT_THROW(program.one().cells(-1), std::out_of_range);
}

TEST(Random, QueuedDrawsComeFirstAndFixedSeedsReplay) {
  ui::Random a, b;
  a.fix(7, [] { return 0; });
  b.fix(7, [] { return 0; });
  a.queue(0.25f);
  EXPECT_EQ(a.Rnd(), 0.25f);
  for (int i = 0; i < 100; ++i) {
    float x = a.Rnd();
    EXPECT_EQ(x, b.Rnd());
    EXPECT_GE(x, 0.0f);
    EXPECT_LT(x, 1.0f);
  }
  a.queue(0.5f);
  a.Randomize();  // a reseed keeps the queue
  EXPECT_EQ(a.Rnd(), 0.5f);
  a.queue(1.0f);  // clamped below 1
  EXPECT_LT(a.Rnd(), 1.0f);
}

TEST(Clock, StopsAtItsEndWhateverItIsGiven) {
  Program program;
  auto& one = program.one();
  program.advance(-5);
  EXPECT_EQ(program.now(), 0);
  program.advance(ui::Desktop::kEndOfTime - 600);
  one.slow.setEnabled(true);  // due 100 ms before the end
  program.advance(INT64_MAX);
  EXPECT_EQ(program.now(), ui::Desktop::kEndOfTime);
  EXPECT_EQ(program.timeLeft(), 0);
  EXPECT_EQ(one.ticks.caption(), "1");
  // Due past the end: the time still fits, the tick never comes.
  EXPECT_EQ(program.nextDue(), ui::Desktop::kEndOfTime + 400);
  one.slow.setEnabled(false);
  one.fast.setEnabled(true);
  program.advance(INT64_MAX);
  EXPECT_EQ(program.now(), ui::Desktop::kEndOfTime);
  EXPECT_EQ(one.ticks.caption(), "1");
  EXPECT_EQ(one.order, "");
}

namespace failing {

// Screens whose handlers fail as the game's own can, by a conversion that
// does not fit; `other` fails in its Form_Load.
class Program;

void fail() { ui::CInt("40000"); }

class Bad : public ui::Screen {
 public:
  explicit Bad(Program& program);
  void Form_Load() override;
  void Form_Unload() override;
  void cancel() override { fail(); }

  ui::Label said{this, "said", {.caption = ""}};
  ui::Button go{this, "go", {.caption = "go"}, [] { fail(); }};
  ui::Button fine{this, "fine", {.caption = "fine"}, [this] { said.setCaption("fine"); }};
  ui::Button open{this, "open", {.caption = "open"}, [this] { openOther(); }};
  ui::WidgetArray<ui::Button> row{this, "row",
                                  std::vector<ui::ButtonDesign>{{.caption = "a"}, {.caption = "b"}},
                                  [](int) { fail(); }};
  ui::Timer Timer1{this, "Timer1", {.interval = 100, .enabled = false}, [] { fail(); }};

 private:
  void openOther();
  Program& program_;
};

class Other : public ui::Screen {
 public:
  explicit Other(Program& program);
  void Form_Load() override { fail(); }
};

class Program : public ui::Desktop {
 public:
  void start() override { bad.show(); }
  ui::Slot<Bad, Program> bad{*this, "bad"};
  ui::Slot<Other, Program> other{*this, "other"};
  bool loadFails = false, unloadFails = false;
};

Bad::Bad(Program& program)
    : ui::Screen(program, "bad", {.close = ui::CloseBox::Cancel}), program_(program) {}
Other::Other(Program& program) : ui::Screen(program, "other", {}) {}
void Bad::Form_Load() {
  if (program_.loadFails) fail();
}
void Bad::Form_Unload() {
  if (program_.unloadFails) fail();
}
void Bad::openOther() {
  said.setCaption("opening");
  program_.other.show();
}

}  // namespace failing

TEST(Handlers, AFailureGoesOnUnchangedAndNamesItsHandler) {
  struct Case {
    const char* handler;
    std::function<void(failing::Program&)> act;
  };
  const Case cases[] = {
      {"bad.go_Click", [](failing::Program& p) { p.click(p.bad().go); }},
      {"bad.row_Click(1)", [](failing::Program& p) { p.click(p.bad().row(1)); }},
      {"bad.Timer1_Timer",
       [](failing::Program& p) {
         p.bad().Timer1.setEnabled(true);
         p.advance(250);
       }},
      {"bad.cancel", [](failing::Program& p) { p.closeBox(p.bad()); }},
      {"other.Form_Load", [](failing::Program& p) { p.click(p.bad().open); }},
      {"bad.Form_Load",
       [](failing::Program& p) {
         p.bad.unload();
         p.loadFails = true;
         p.run([&p] { p.bad.show(); });
       }},
      {"bad.Form_Unload",
       [](failing::Program& p) {
         p.unloadFails = true;
         p.run([&p] { p.bad.unload(); });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    failing::Program program;
    program.run([&program] { program.start(); });
    EXPECT_THROW(c.act(program), ui::ConversionError);
    EXPECT_EQ(program.failedHandler(), c.handler);
    EXPECT_EQ(program.now(), c.handler == std::string("bad.Timer1_Timer") ? 100 : 0)
        << "the clock stops at the failed tick";
    // The game goes on: the next handler runs and clears the name.
    program.loadFails = program.unloadFails = false;
    program.run([&program] { program.bad.show(); });
    program.click(program.bad().fine);
    EXPECT_EQ(program.bad().said.caption(), "fine");
    EXPECT_EQ(program.failedHandler(), "");
  }
}

TEST(Handlers, AScreenWhoseUnloadFailedCanBeUnloadedLater) {
  failing::Program program;
  program.bad().said.setCaption("kept");
  program.unloadFails = true;
  EXPECT_THROW(program.bad.unload(), ui::ConversionError);
  EXPECT_EQ(program.bad().said.caption(), "kept");
  program.unloadFails = false;
  program.bad.unload();
  EXPECT_FALSE(program.bad.loaded());
}

TEST(Handlers, AScreenWhoseLoadFailedIsNotLoaded) {
  failing::Program program;
  program.loadFails = true;
  EXPECT_THROW(program.run([&program] { program.bad.show(); }), ui::ConversionError);
  EXPECT_EQ(program.failedHandler(), "bad.Form_Load");
  EXPECT_FALSE(program.bad.loaded());
  EXPECT_THROW(program.click(program.bad().open), ui::ConversionError);
  EXPECT_FALSE(program.bad.loaded());

  // Shown inside another handler, the failed screen is gone as well, and the
  // next reference loads it again.
  program.loadFails = false;
  program.run([&program] { program.bad.show(); });
  EXPECT_THROW(program.click(program.bad().open), ui::ConversionError);
  EXPECT_EQ(program.failedHandler(), "other.Form_Load");
  EXPECT_FALSE(program.other.loaded());
  EXPECT_TRUE(program.bad.shown());
  program.loadFails = true;
  program.bad.unload();
  EXPECT_THROW(program.bad(), ui::ConversionError);
  program.loadFails = false;
  EXPECT_NO_THROW(program.bad().said.setCaption("loaded again"));
  EXPECT_TRUE(program.bad.loaded());
}

TEST(Screens, TheCloseBoxOfAScreenNotShownDoesNothing) {
  Program program;
  program.two().note.setCaption("x");  // loaded, not shown
  program.closeBox(program.two());
  program.closeBox(program.one());
  EXPECT_EQ(program.two().note.caption(), "x");
  EXPECT_FALSE(program.ended());
}
