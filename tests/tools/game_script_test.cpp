// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game through the driver: the close box of every window, and input
// that must stop the script before it can reach the game.

#include <gtest/gtest.h>

#include <sstream>

#include "drive/script.h"
#include "screens/program.h"

namespace {

struct Outcome {
  std::string out, err;
  int status;
};

Outcome drive(const std::string& script) {
  Program program;
  std::ostringstream out, err;
  std::istringstream in(script);
  drive::Script interpreter(program, out, err);
  int status = interpreter.run(in);
  return {out.str(), err.str(), status};
}

// The step of 遊牧の民ジン (16) on トムロ草原 (20), with its attack setup open.
const std::string kAttackSetup = R"(seed 9
show ma1
set ma1 mm 16
set ma1 count1 19
tick 1500
set da3 f(20) 130
set da3 w(20) 200
click ma1 Command7
)";
// The same, attacking エリオット領 (21) with 50 soldiers: the confirmation.
const std::string kAttackConfirmation = kAttackSetup + R"(click ma3 s21
tick 100
click ma3 Command5
click ma3 Command11
click ma3 Command1
)";

// Pressed on the screen as the game shows it, the close box of the main and
// front-end windows quits, that of a dialog or setup screen cancels back to
// where it came from, and the battle, siege and ending windows stay.
TEST(GameScript, EveryWindowsCloseBoxQuitsCancelsOrStays) {
  struct Case {
    const char* screen;
    std::string reach;    // leaves the screen shown
    const char* after;    // queries once the close box is pressed
    const char* answers;  // to `after`, or "ended"
  };
  const Case cases[] = {
      {"op1", "start\n", "", "ended\n"},
      {"op2", "start\nclick op1 Image1\n", "", "ended\n"},
      {"ma1", "start\nclick op1 Image1\nclick op2 Command3\n", "", "ended\n"},
      // The data screens are never shown by the game; shown, they quit as the main one.
      {"da1", "show da1\n", "", "ended\n"},
      {"da2", "show da2\n", "", "ended\n"},
      {"da3", "show da3\n", "", "ended\n"},
      {"kin",
       "seed 1\nstart\nclick op1 Image1\nclick op2 Command3\ntick 1700\nclick ma1 Command1\n",
       "loaded kin\nshown ma1\nenabled ma1 Command1\nget ma1 Label33\n",
       "0\n1\n1\nあなたのターンです\n"},
      {"ma3", kAttackSetup, "loaded ma3\nenabled ma1 Command7\n", "0\n1\n"},
      {"ma4", kAttackConfirmation, "loaded ma4\nshown ma3\n", "0\n1\n"},
      {"ma6",
       "seed 11\nshow ma1\nset ma1 mm 18\nset ma1 count1 22\ntick 1500\nclick ma1 Command14\n",
       "loaded ma6\nenabled ma1 Command14\n", "0\n1\n"},
      {"ma2", kAttackConfirmation + "click ma4 Command1\n", "shown ma2\n", "1\n"},
      {"ma5",
       "seed 21\nset ma1 mm 9\nset da3 w(0) 200\nset da3 d(0) 0\nshow ma1\ntick 1000\n"
       "rnd 0.65 0 0 0 0.0995 0.5\ntick 500\n",
       "shown ma5\n", "1\n"},
      {"en1", "show en1\n", "shown en1\n", "1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen);
    const std::string screen = c.screen;
    Outcome run =
        drive(c.reach + "shown " + screen + "\nclose " + screen + "\n" + c.after + "echo done\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string answers = c.answers;
    EXPECT_EQ(run.out, "1\n" + answers + (answers == "ended\n" ? "" : "done\n"));
  }
}

TEST(GameScript, ATickPastTheClocksEndOrAFailedHandlerStopsTheScript) {
  struct Case {
    const char* script;
    int status;
    const char* error;
  };
  const Case cases[] = {
      {"seed 1\nstart\ntick 700\ntick 9223372036854775807\n", 2,
       "error: the clock would run past its end (9223372034707292160 ms): 9223372036854775807\n"},
      // The nation selection's timer reads its label as an index of its pictures.
      {"seed 1\nstart\nclick op1 Image1\nset op2 Label2 26\ntick 300\n", 3,
       "error: op2.Timer1_Timer: no element 26 in tt(0..25)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    Outcome run = drive(std::string(c.script) + "echo never\n");
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.error);
  }
}

// The record's commands take what their usage says and nothing else; a
// count beyond the record prints the whole of it.
TEST(GameScript, HistoryAndMessagesTakeTheirUsage) {
  const struct {
    const char* lines;
    const char* err;
    const char* out;
  } cases[] = {
      {"history 3", "usage: history", ""},
      {"messages", "usage: messages N", ""},
      {"messages -1", "no less than 0", ""},
      {"messages many", "a count must be a whole number", ""},
      {"messages 99999999999999999999", "out of range", ""},
      {"history\nmessages 0\nmessages 9223372036854775807", "", ""},
      {"set ma1 Label33 略奪\nshow ma1\nmessages 5\nhistory", "", "1230 11 略奪\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    Outcome run = drive(std::string("show ma1\n") + c.lines + "\n");
    EXPECT_EQ(run.status, *c.err ? 2 : 0) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
}

}  // namespace
