// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "screens/program.h"
#include "ui/convert.h"

namespace {

// A program whose main screen is one tick of Timer1 away from opening the
// step of `territory` in `month`.
struct Clock {
  Clock(const char* month, int territory) {
    program.seed(1);
    ma1.mm.setCaption("9");
    ma1.Label13.setCaption(month);
    ma1.count1.setCaption(territory - 1);
    ma1.show();
  }
  void tick() { program.advance(500); }

  Program program;
  MainScreen& ma1 = program.ma1();
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
};

}  // namespace

TEST(PlayerClock, BooksEachMonthsIncome) {
  // A draw of 0.99999994 times 40 reads back as 40 and costs 41.
  constexpr float kAlmostOne = 0.99999994f;
  struct Case {
    const char* what;
    const char* month;
    int territory;
    const char* ruler;
    const char* commerce;
    const char* agriculture;
    const char* port;
    std::vector<float> draws;
    const char* funds;  // after the tick, from 1000
    bool drawsLeft;     // whether the queued draws are still there
  } cases[] = {
      {"commerce, faith ruler", "1", 9, "7", "101", "100", "0", {}, "1151", false},
      {"commerce, other ruler", "1", 2, "2", "101", "100", "0", {}, "1101", false},
      {"commerce again, faith", "4", 2, "25", "101", "100", "0", {}, "1151", false},
      {"commerce again, other", "4", 9, "3", "101", "100", "0", {}, "1101", false},
      {"agriculture in July, faith", "7", 2, "18", "101", "100", "0", {}, "1066", false},
      {"agriculture in July, other", "7", 2, "2", "101", "100", "0", {}, "1133", false},
      {"agriculture in August, faith", "8", 2, "14", "101", "100", "0", {}, "1033", false},
      {"agriculture in August, other", "8", 2, "2", "101", "100", "0", {}, "1066", false},
      {"February on territory 12", "2", 12, "9", "101", "100", "0", {0.5f}, "1101", false},
      {"February on territory 34", "2", 34, "24", "0", "90", "0", {kAlmostOne}, "1200", false},
      {"February on territory 16", "2", 16, "12", "20", "170", "0", {0}, "1001", false},
      {"February elsewhere", "2", 13, "13", "20", "430", "0", {0.5f}, "1000", true},
      {"December upkeep", "12", 5, "4", "90", "30", "230", {0.5f}, "1439", false},
      {"December upkeep of 41", "12", 5, "4", "90", "30", "230", {kAlmostOne}, "1419", false},
      {"December upkeep of 1", "12", 5, "4", "90", "30", "230", {0}, "1459", false},
      {"December on a small port", "12", 5, "4", "90", "30", "10", {0.5f}, "999", false},
      {"December without a port", "12", 2, "2", "170", "250", "0", {0.5f}, "1000", true},
      {"a month without income", "3", 2, "7", "170", "250", "0", {0.5f}, "1000", true},
      {"November", "11", 5, "4", "90", "30", "230", {0.5f}, "1000", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Clock clock(c.month, c.territory);
    const int i = c.territory;
    clock.da2.m(i).setCaption(c.ruler);
    clock.da2.r(i).setCaption(c.commerce);
    clock.da2.u(i).setCaption(c.agriculture);
    clock.da2.z(i).setCaption(c.port);
    clock.da3.d(i).setCaption("1000");
    for (float draw : c.draws) clock.program.random().queue(draw);
    clock.program.random().queue(0.125f);  // a marker behind the draws
    clock.tick();
    EXPECT_EQ(clock.ma1.count1.caption(), ui::CStr(i));
    EXPECT_EQ(clock.da3.d(i).caption(), c.funds);
    EXPECT_EQ(clock.ma1.Label31.caption(), c.funds);  // the panel shows the funds after income
    const float next = clock.program.random().Rnd();
    EXPECT_EQ(next, c.drawsLeft && !c.draws.empty() ? c.draws.front() : 0.125f);
  }
}

TEST(PlayerClock, ClosesTheMonthTwoTicksAfterTheLastTerritory) {
  struct Case {
    const char* year;
    const char* month;
    const char* nextYear;
    const char* nextMonth;
    const char* statusLine;
  } cases[] = {
      {"1230", "11", "1230", "12", "1230年12月"},
      {"1230", "12", "1231", "1", "1231年1月"},
      {"1231", "1", "1231", "2", "1231年2月"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.statusLine);
    Clock clock(c.month, 35);
    clock.ma1.Label10.setCaption(c.year);
    clock.ma1.Image2.setPicture("before");
    clock.tick();
    // The tick of 35 shows the desert and goes on ticking without Timer2.
    EXPECT_EQ(clock.ma1.count1.caption(), "35");
    EXPECT_EQ(clock.ma1.Image2.picture(), "da1.Image3");
    EXPECT_EQ(clock.ma1.Label9.caption(), "グラドウェン砂漠");
    EXPECT_TRUE(clock.ma1.Timer1.enabled());
    EXPECT_FALSE(clock.ma1.Timer2.enabled());
    EXPECT_EQ(clock.ma1.Label13.caption(), c.month);

    clock.tick();
    EXPECT_EQ(clock.ma1.count1.caption(), "-1");
    EXPECT_EQ(clock.ma1.Label10.caption(), c.nextYear);
    EXPECT_EQ(clock.ma1.Label13.caption(), c.nextMonth);
    EXPECT_EQ(clock.ma1.Label33.caption(), c.statusLine);
    EXPECT_TRUE(clock.ma1.Timer1.enabled());

    clock.tick();
    EXPECT_EQ(clock.ma1.count1.caption(), "0");
    EXPECT_EQ(clock.ma1.Label16.caption(), "グラドウェン防壁");
  }
}

TEST(PlayerClock, ShowsRegionPicturesAsTheSweepPasses) {
  struct Case {
    int count1;
    const char* picture;
    const char* name;
  } cases[] = {
      {4, "da1.Image2", "東ムルウ半島"},
      {9, "da1.Image4", "西ムルウ半島"},
      {13, "da1.Image5", "マー海岸"},
      {18, "da1.Image6", "オウド"},
      {22, "da1.Image7", "中央ムルウ草原"},
      {28, "da1.Image8", "ムルウ高原"},
      {33, "da1.Image9", "オウド山"},
      {35, "da1.Image3", "グラドウェン砂漠"},
      {5, "before", "before"},
      {0, "before", "before"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count1);
    Clock clock("11", c.count1);
    clock.ma1.Image2.setPicture("before");
    clock.ma1.Label9.setCaption("before");
    clock.tick();
    EXPECT_EQ(clock.ma1.Image2.picture(), c.picture);
    EXPECT_EQ(clock.ma1.Label9.caption(), c.name);
  }
}

TEST(PlayerClock, CountsThePlayersTerritoriesAndRaisesNegativeSoldiers) {
  Clock clock("11", 0);
  clock.ma1.mm.setCaption("2");
  clock.ma1.ai.setCaption("7");
  clock.da3.f(3).setCaption("-5");
  clock.da3.f(34).setCaption("-0.5");
  clock.da3.f(20).setCaption("0");
  clock.tick();
  EXPECT_EQ(clock.ma1.k.caption(), "2");
  EXPECT_EQ(clock.ma1.ai.caption(), "35");
  EXPECT_EQ(clock.da3.f(3).caption(), "0");
  EXPECT_EQ(clock.da3.f(34).caption(), "0");
  EXPECT_EQ(clock.da3.f(20).caption(), "0");
  EXPECT_EQ(clock.da3.f(4).caption(), "300");
}

TEST(PlayerClock, VictoryShowsTheEndingAndStopsBothTimers) {
  Clock clock("5", 8);
  for (int i = 0; i < 35; ++i) clock.da2.m(i).setCaption("9");
  clock.tick();
  EXPECT_TRUE(clock.program.en1.shown());
  EXPECT_FALSE(clock.ma1.Timer1.enabled());
  EXPECT_FALSE(clock.ma1.Timer2.enabled());
  EXPECT_EQ(clock.ma1.count1.caption(), "7");  // the sweep stops where it was
  EXPECT_EQ(clock.ma1.k.caption(), "35");
}

TEST(PlayerClock, DefeatEndsTheProgramAtOnce) {
  Clock clock("5", 8);
  clock.da2.m(12).setCaption("8");  // nation 9's only territory falls
  clock.tick();
  EXPECT_TRUE(clock.program.ended());
  EXPECT_FALSE(clock.program.ma1.loaded());
}

TEST(PlayerClock, AYearOfMonthsPassesWithThePlayerEndingEveryStep) {
  Program program;
  program.seed(1);
  MainScreen& ma1 = program.ma1();
  ma1.mm.setCaption("9");
  // With 800 soldiers the player's territory is never worth attacking, since
  // no attacker has half as many again; the computer's sieges go on around it.
  program.da3().f(12).setCaption("800");
  ma1.show();

  const std::vector<std::string> months = {"1230年12月", "1231年1月", "1231年2月",  "1231年3月",
                                           "1231年4月",  "1231年5月", "1231年6月",  "1231年7月",
                                           "1231年8月",  "1231年9月", "1231年10月", "1231年11月"};
  int playerSteps = 0;
  int sieges = 0;
  std::int64_t held = 0;  // time the sweep stood still for sieges
  for (int month = 0; month < 12; ++month) {
    SCOPED_TRACE(months[month]);
    do {
      // One timer tick at a time, so a siege's length is measured exactly.
      program.advance(*program.nextDue() - program.now());
      if (program.ma5.loaded()) {
        ++sieges;
        const std::int64_t opened = program.now();
        while (program.ma5.loaded()) program.advance(*program.nextDue() - program.now());
        held += program.now() - opened;
        ASSERT_TRUE(ma1.Timer2.enabled());
      }
      ASSERT_FALSE(program.ma2.loaded());
      if (!ma1.Timer1.enabled() && !ma1.Timer2.enabled()) {
        ASSERT_EQ(ma1.Label33.caption(), "あなたのターンです");
        ASSERT_EQ(ma1.count1.caption(), "12");
        ++playerSteps;
        ma1.endCommand();
      }
    } while (ma1.count1.caption() != "-1");
    // 35 steps of 2 s and two ticks, and the sieges.
    EXPECT_EQ(program.now() - held, 71000 * (month + 1));
    EXPECT_EQ(ma1.Label33.caption(), months[month]);
  }
  EXPECT_GT(sieges, 0);
  EXPECT_EQ(playerSteps, 12);
  // The computer's territories developed, and every command phase kept its
  // step's values within their limits.
  for (int i = 0; i < 35; ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(ui::Val(program.da2().r(i).caption()), 2000);
    EXPECT_LE(ui::Val(program.da2().u(i).caption()), 2000);
    EXPECT_LE(ui::Val(program.da2().z(i).caption()), 1500);
    EXPECT_LE(ui::Val(program.da3().q(i).caption()), 500);
    EXPECT_LE(ui::Val(program.da3().w(i).caption()), 300);
    EXPECT_LE(ui::Val(program.da3().f(i).caption()), 1000);
    EXPECT_LE(ui::Val(program.da3().s(i).caption()), 200);
  }
}
