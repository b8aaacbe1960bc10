// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/tiny_program.h"

namespace {

struct Outcome {
  std::string out, err;
  int status;
  bool ended;
};

Outcome drive(const std::string& script) {
  tiny::Program program;
  std::ostringstream out, err;
  std::istringstream in(script);
  drive::Script interpreter(program, out, err);
  int status = interpreter.run(in);
  return {out.str(), err.str(), status, program.ended()};
}

TEST(Script, AnswersQueriesAboutScreensAndWidgets) {
  Outcome run = drive(R"(# a comment, then a blank line

loaded one
start
loaded one
shown two
get one said
forecolor one said
tooltip one go
picture one face
enabled one off
visible one box
get one cells(1)
set one cells(0) "兵 士 数 \"x\" \\"
get one cells(0)
echo   spaced  out
now
)");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "0\n1\n0\n兵 士 数\n255\n押す\nda1.t(3)\n0\n0\nb\n兵 士 数 \"x\" \\\n  spaced  out\n0\n");
}

TEST(Script, EchoPrintsTheRestOfTheLine) {
  struct Case {
    const char* line;
    const char* out;
  };
  const Case cases[] = {
      {"echo hello", "hello\n"},
      {"echo   spaced  out", "  spaced  out\n"},
      {"echo\ttabbed", "tabbed\n"},
      {"  echo indented", "indented\n"},
      {"echo \"quoted\" # not a comment", "\"quoted\" # not a comment\n"},
      {"echo crlf\r", "crlf\n"},
      {"echo", "\n"},
      {"echoes", ""},  // no such command
  };
  for (const Case& c : cases) {
    Outcome run = drive(std::string(c.line) + "\n");
    EXPECT_EQ(run.out, c.out) << c.line;
    EXPECT_EQ(run.status, std::string(c.out).empty() ? 2 : 0) << c.line;
  }
}

TEST(Script, ReadsScriptsWithCrLfLineEnds) {
  Outcome run = drive("start\r\nset one said \"兵 士\"\r\nget one said\r\nloaded two\r\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "兵 士\n0\n");
}

TEST(Script, LinesOfBlanksAndCarriageReturnsAreBlank) {
  for (const char* line : {"\r", "\r\r", "\r ", " \r", "\t\r\r \t", "\r\r\r\r", "\r#x"}) {
    Outcome run = drive(std::string("start\n") + line + "\nget one said\n" + line);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "兵 士 数\n");
  }
}

TEST(Script, ClicksActLikeAPlayersAndTimeRunsOnTheVirtualClock) {
  Outcome run = drive(R"(click one go
get one said
show one
click one off
click one inner
get one said
click one go
get one said
show two
click two close
get one said
loaded two
tick 1250
now
quit
)");
  // The first click is ignored (one is not shown yet); so are the disabled
  // button and the button inside a hidden frame.
  EXPECT_EQ(run.out, "兵 士 数\n兵 士 数\nclicked\nstill safe\n0\n1250\n");
  EXPECT_EQ(run.status, 2);  // "quit" is no command of the driver
}

TEST(Script, SeedsReplayAndQueuedDrawsComeFirst) {
  tiny::Program a, b;
  std::ostringstream out, err;
  drive::Script sa(a, out, err), sb(b, out, err);
  for (drive::Script* s : {&sa, &sb}) s->line("seed 42");
  EXPECT_EQ(a.random().Rnd(), b.random().Rnd());
  sa.line("rnd 0.25 0.5");
  EXPECT_EQ(a.random().Rnd(), 0.25f);
  EXPECT_EQ(a.random().Rnd(), 0.5f);
}

TEST(Script, PrintsEndedWhenTheProgramEndsAndStopsReading) {
  Outcome run = drive("show two\nclick two quit\necho never\n");
  EXPECT_EQ(run.out, "ended\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.ended);
}

TEST(Script, CloseBoxesActLikeAPlayers) {
  // Not loaded, then loaded but hidden: nothing happens. Shown, `two`
  // cancels (it unloads itself) and `one` quits.
  Outcome run = drive(R"(close two
loaded two
set two note x
close two
get two note
show two
close two
loaded two
show one
close one
echo never
)");
  EXPECT_EQ(run.out, "0\nx\n0\nended\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.ended);
}

TEST(Script, TheClockRunsToItsEndAndNoFurther) {
  const std::string end = std::to_string(ui::Desktop::kEndOfTime);
  Outcome run = drive("start\ntick " + end + "\nnow\ntick 0\nnow\ntick 1\n");
  EXPECT_EQ(run.out, end + "\n" + end + "\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("error: the clock would run past its end"), std::string::npos) << run.err;
}

// A screen whose button converts its label, as the game's handlers do: a
// value that does not fit fails the handler.
class Converting : public ui::Screen {
 public:
  explicit Converting(ui::Desktop& desktop) : ui::Screen(desktop, "conv", {}) {}
  ui::Label Label1{this, "Label1", {.caption = "1"}};
  ui::Button Command1{this, "Command1", {.caption = "go"}, [this] {
                        Label1.setCaption(ui::CInt(Label1.caption()) + 1);
                      }};
};

class ConvertingProgram : public ui::Desktop {
 public:
  void start() override { conv.show(); }
  ui::Slot<Converting, ui::Desktop> conv{*this, "conv"};
};

TEST(Script, AHandlerThatFailsIsReportedByNameWithStatusThree) {
  ConvertingProgram program;
  std::ostringstream out, err;
  std::istringstream in(R"(start
click conv Command1
get conv Label1
set conv Label1 40000
click conv Command1
echo never
)");
  drive::Script interpreter(program, out, err);
  EXPECT_EQ(interpreter.run(in), 3);
  EXPECT_EQ(out.str(), "2\n");
  EXPECT_EQ(err.str(),
            "error: conv.Command1_Click: the value 40000 does not fit a 16-bit integer\n");
}

TEST(Script, RefusesBadLinesWithStatusTwo) {
  struct Case {
    const char* line;
    const char* reason;
  };
  const Case cases[] = {
      {"fly one", "unknown command"},
      {"show nowhere", "unknown screen"},
      {"get one nothing", "unknown widget"},
      {"get one cells(2)", "unknown widget: one.cells(2)"},
      {"get one cells(x)", "index"},
      {"get one cells(40000)", "out of range"},
      {"get one said(-1)", "unknown widget: one.said(-1)"},
      {"get one said(0)", "unknown widget: one.said(0)"},
      {"set two note x\nclick two nothing", "unknown widget: two.nothing"},  // loaded, hidden
      {"start\nclick one nothing", "unknown widget: one.nothing"},
      {"get one slow", "no caption"},
      {"tick -1", "forward"},
      {"tick -9223372036854775808", "forward"},
      {"tick soon", "time"},
      {"tick 9223372036854775807", "past its end"},
      {"tick 700\ntick 9223372036854775807", "past its end"},
      {"tick 9223372036854775808", "out of range"},
      {"close nowhere", "unknown screen"},
      {"close", "close SCREEN"},
      {"rnd 1", "[0, 1)"},
      {"rnd abc", "abc"},
      {"get one", "get SCREEN WIDGET"},
      {"get one \"said", "quote"},
      {"history", "keeps no record"},
      {"messages 3", "keeps no record"},
  };
  for (const Case& c : cases) {
    Outcome run = drive(std::string(c.line) + "\necho after\n");
    EXPECT_EQ(run.status, 2) << c.line;
    EXPECT_EQ(run.out, "") << c.line;
    EXPECT_NE(run.err.find("error: "), std::string::npos) << c.line << ": " << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.line << ": " << run.err;
  }
}

}  // namespace
