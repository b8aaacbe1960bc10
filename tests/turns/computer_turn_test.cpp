// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/computer_turn.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "screens/program.h"

namespace {

const ui::WidgetArray<ui::Label>& column(Program& program, const std::string& name) {
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  for (auto* column : {&da2.r, &da2.u, &da2.z, &da2.m, &da3.q, &da3.w, &da3.s, &da3.d, &da3.f})
    if (column->size() > 0 && (*column)(0).name() == name) return *column;
  throw std::invalid_argument("no column " + name);
}

class ComputerTurnTest : public ::testing::Test {
 protected:
  ComputerTurnTest() {
    program.seed(1);
    ma1.mm.setCaption("9");
    ma1.show();
  }

  // Lets Timer1 run on to the start of territory i's step.
  void runTo(int i) {
    while (ma1.count1.caption() != std::to_string(i)) program.advance(500);
  }

  Program program;
  MainScreen& ma1 = program.ma1();
};

}  // namespace

TEST_F(ComputerTurnTest, ComputerStepRunsItsThreePhasesOnePerTick) {
  // Armament 100 makes territory 2 rearm rather than attack, so its step
  // opens no siege.
  program.da3().w(2).setCaption("100");
  runTo(2);
  EXPECT_EQ(program.now(), 4500);
  EXPECT_TRUE(ma1.Timer2.enabled());
  EXPECT_FALSE(ma1.Timer1.enabled());
  struct Tick {
    const char* count2;
    const char* statusLine;
    bool timer1, timer2;
  } ticks[] = {
      {"1", "キルク城イベントターン中･･･", false, true},
      {"2", "キルク城コマンドターン中･･･", false, true},
      {"0", "キルク城コマンドターン中･･･", true, false},
  };
  for (const Tick& tick : ticks) {
    SCOPED_TRACE(tick.count2);
    program.advance(500);
    EXPECT_EQ(ma1.count2.caption(), tick.count2);
    EXPECT_EQ(ma1.Label33.caption(), tick.statusLine);
    EXPECT_EQ(ma1.Timer1.enabled(), tick.timer1);
    EXPECT_EQ(ma1.Timer2.enabled(), tick.timer2);
  }
  program.advance(500);
  EXPECT_EQ(ma1.count1.caption(), "3");
  EXPECT_EQ(ma1.Label16.caption(), "ウォール領");
}

TEST_F(ComputerTurnTest, PlayersStepWaitsUntilACommandHandsItBack) {
  runTo(12);
  program.advance(1000);
  EXPECT_EQ(ma1.Label33.caption(), "あなたのターンです");
  EXPECT_EQ(ma1.count2.caption(), "2");
  EXPECT_TRUE(ma1.Command12.enabled());
  EXPECT_EQ(program.nextDue(), std::nullopt);  // nothing runs while the player thinks
  program.advance(60000);
  EXPECT_EQ(ma1.count1.caption(), "12");

  ma1.endCommand();
  program.advance(500);
  EXPECT_EQ(ma1.count2.caption(), "0");  // the hand-back, not a second command phase
  EXPECT_TRUE(ma1.Timer1.enabled());
  EXPECT_FALSE(ma1.Command11.enabled());
  EXPECT_EQ(ma1.Label33.caption(), "あなたのターンです");
}

TEST_F(ComputerTurnTest, EndOfStepLimitsCapEachValueForFiveHundredFunds) {
  struct Cell {
    const char* column;
    const char* before;
    const char* after;
  };
  struct Case {
    const char* what;
    int territory;
    std::vector<Cell> cells;
    const char* funds;
  } cases[] = {
      {"commerce above its limit", 3, {{"r", "2300", "2000"}}, "2500"},
      {"commerce exactly at its limit", 3, {{"r", "2000", "2000"}}, "2000"},
      {"territory 30's castle from the start", 30, {{"q", "510", "500"}}, "9500"},
      {"loyalty above its limit", 3, {{"s", "230", "200"}}, "2500"},
      {"every value above its limit",
       3,
       {{"r", "2300", "2000"},
        {"u", "2000.5", "2000"},
        {"z", "1600", "1500"},
        {"w", "301", "300"},
        {"q", "900", "500"},
        {"f", "1200", "1000"},
        {"s", "210", "200"}},
       "5500"},
      {"every value exactly at its limit",
       3,
       {{"r", "2000", "2000"},
        {"u", "2000", "2000"},
        {"z", "1500", "1500"},
        {"w", "300", "300"},
        {"q", "500", "500"},
        {"f", "1000", "1000"},
        {"s", "200", "200"}},
       "2000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    for (const Cell& cell : c.cells) {
      column(program, cell.column)(c.territory).setCaption(cell.before);
    }
    turns::endOfStepLimits(program, c.territory);
    for (const Cell& cell : c.cells) {
      EXPECT_EQ(column(program, cell.column)(c.territory).caption(), cell.after) << cell.column;
    }
    EXPECT_EQ(program.da3().d(c.territory).caption(), c.funds);
  }
}

// Loyalty above 200 is lowered for free before the computer acts; only a
// rise past 200 in the action itself meets the clamp, which adds 500 funds. The
// armament stays low and the funds end at 500 or less, so the military
// decision that follows has nothing to buy.
TEST_F(ComputerTurnTest, ComputerCommandPhaseLowersLoyaltyThenActsThenClamps) {
  struct Case {
    const char* what;
    const char* ruler;
    float action;  // Int(draw * 10) + 1 is the action number
    const char* fundsBefore;
    const char *loyalty, *castle, *funds;
  } cases[] = {
      {"k 2 raises the people past 200", "2", 0.15f, "500", "200", "180", "500"},
      {"k 4 of a faith raises them for free", "14", 0.35f, "500", "200", "180", "1000"},
      {"k 7 builds the castle instead", "2", 0.65f, "501", "200", "206", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    program.seed(1);
    MainScreen& ma1 = program.ma1();
    ma1.mm.setCaption("9");
    ma1.count1.setCaption("2");
    ma1.count2.setCaption("1");
    program.da2().m(2).setCaption(c.ruler);
    program.da3().w(2).setCaption("100");
    program.da3().s(2).setCaption("230");
    program.da3().d(2).setCaption(c.fundsBefore);
    program.random().queue(c.action);
    program.random().queue(0.5f);  // the rise: Int(0.5 * N) + 1
    turns::computerTurnTick(program);
    EXPECT_EQ(ma1.Label33.caption(), "キルク城コマンドターン中･･･");
    EXPECT_EQ(program.da3().s(2).caption(), c.loyalty);
    EXPECT_EQ(program.da3().q(2).caption(), c.castle);
    EXPECT_EQ(program.da3().d(2).caption(), c.funds);
  }
}

TEST_F(ComputerTurnTest, LimitsFollowTheCommandPhaseOfComputerAndPlayer) {
  program.da2().r(2).setCaption("2300");
  runTo(2);
  // Below 500 funds the computer cannot invest, and nation 2 does not hunt.
  program.da3().d(2).setCaption("499");
  program.advance(1000);
  EXPECT_EQ(program.da2().r(2).caption(), "2000");
  EXPECT_EQ(program.da3().d(2).caption(), "999");

  // Territory 30 for its own nation: castle investment is offered at 510,
  // then the limit takes the castle to 500 before the player acts.
  ma1.mm.setCaption("25");
  runTo(30);
  program.advance(1000);
  EXPECT_EQ(ma1.Label33.caption(), "あなたのターンです");
  EXPECT_TRUE(ma1.Command4.enabled());
  EXPECT_EQ(program.da3().q(30).caption(), "500");
  EXPECT_EQ(program.da3().d(30).caption(), "9500");
}
