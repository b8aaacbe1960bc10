// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/military/siege_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "screens/program.h"
#include "world/scenario.h"

namespace {

// The computer's step on ワットス砦 (territory 6, nation 5) has sent a force
// against エドワード港 (territory 5, nation 4), as the military decision
// leaves it: both of ma1's timers stopped, the force already taken off.
struct Siege {
  Siege(const char* soldiers, const char* armament) {
    program.seed(1);
    ma1.mm.setCaption("9");
    ma1.count1.setCaption("6");
    ma1.count2.setCaption("2");
    ma1.ai.setCaption("5");
    ma1.t.setCaption(soldiers);
    ma1.Label35.setCaption(armament);
    ma1.Timer1.setEnabled(false);
    ma1.show();
  }
  void defenders(const char* soldiers, const char* armament, const char* castle) {
    da3.f(5).setCaption(soldiers);
    da3.w(5).setCaption(armament);
    da3.q(5).setCaption(castle);
  }
  // Runs the siege to its end; the number of its ticks, or -1 if it goes on
  // past `limit` ticks.
  int run(int limit = 1000) {
    program.ma5.show();
    for (int ticks = 1; ticks <= limit; ++ticks) {
      program.advance(400);
      if (!program.ma5.loaded()) return ticks;
    }
    return -1;
  }

  Program program;
  MainScreen& ma1 = program.ma1();
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
};

}  // namespace

TEST(SiegeScreen, OpensOnBothNationsTheTargetAndBothForces) {
  Siege siege("300", "90");
  siege.defenders("120", "60", "30");
  siege.program.ma5.show();
  SiegeScreen& ma5 = siege.program.ma5();
  EXPECT_EQ(ma5.Image1.picture(), "da1.t(5)");
  EXPECT_EQ(ma5.Image2.picture(), "da1.t(4)");
  EXPECT_EQ(ma5.Label11.caption(), "コウリン山賊");
  EXPECT_EQ(ma5.Label12.caption(), "エドワード独立連邦");
  EXPECT_EQ(ma5.Label13.caption(), "エドワード港");
  EXPECT_EQ(ma5.Label5.caption(), "城 守 備");
  EXPECT_EQ(ma5.Label6.caption(), "30");
  EXPECT_EQ(ma5.Label7.caption(), "300");
  EXPECT_EQ(ma5.Label8.caption(), "90");
  EXPECT_EQ(ma5.Label9.caption(), "120");
  EXPECT_EQ(ma5.Label10.caption(), "60");
  EXPECT_TRUE(ma5.Timer1.enabled());
  // Closing the window would strand the computer's turn.
  siege.program.closeBox(ma5);
  EXPECT_TRUE(siege.program.ma5.shown());
}

TEST(SiegeScreen, TicksEveryFourHundredMillisecondsUntilTheTerritoryFalls) {
  // The attackers lose Int(60 / 90 × 10) = 6 a tick, the defenders
  // Int(90 / (60 + 30) × 10) = 10.
  Siege siege("300", "90");
  siege.defenders("120", "60", "30");
  siege.program.ma5.show();
  SiegeScreen& ma5 = siege.program.ma5();
  siege.program.advance(399);
  EXPECT_EQ(ma5.Label7.caption(), "300");
  siege.program.advance(1);
  EXPECT_EQ(ma5.Label7.caption(), "294");
  EXPECT_EQ(ma5.Label9.caption(), "110");
  siege.program.advance(400 * 10);
  EXPECT_EQ(ma5.Label7.caption(), "234");
  EXPECT_EQ(ma5.Label9.caption(), "10");
  EXPECT_EQ(siege.da3.f(5).caption(), "120");  // the table waits for the result
  EXPECT_FALSE(siege.ma1.Timer2.enabled());

  siege.program.advance(400);
  EXPECT_FALSE(siege.program.ma5.loaded());
  EXPECT_EQ(siege.da2.m(5).caption(), "5");
  EXPECT_EQ(siege.da3.f(5).caption(), "228");
  EXPECT_EQ(siege.da3.w(5).caption(), "90");
  // Everything else of the territory stays as it was, and so does the attacker's.
  EXPECT_EQ(siege.da3.q(5).caption(), "30");
  EXPECT_EQ(siege.da2.r(5).caption(), "90");
  EXPECT_EQ(siege.da2.z(5).caption(), "230");
  EXPECT_EQ(siege.da3.d(5).caption(), "3200");
  EXPECT_EQ(siege.da3.s(5).caption(), "100");
  EXPECT_EQ(siege.da3.f(6).caption(), "180");
  EXPECT_EQ(siege.da3.w(6).caption(), "180");
  // The computer turn goes on: its next tick is the hand-back.
  EXPECT_TRUE(siege.ma1.Timer2.enabled());
  siege.program.advance(500);
  EXPECT_EQ(siege.ma1.count2.caption(), "0");
  EXPECT_TRUE(siege.ma1.Timer1.enabled());
}

TEST(SiegeScreen, EndsWhenEitherSideHasNoSoldiersLeft) {
  struct Case {
    const char* what;
    const char* soldiers;
    const char* armament;
    const char* defenders;
    const char* defendingArmament;
    const char* castle;
    int ticks;
    const char* ruler;  // of the target afterwards
    const char* garrison;
    const char* garrisonArmament;
  } cases[] = {
      {"eleven attackers losing eleven", "11", "100", "80", "110", "0", 1, "4", "80", "110"},
      {"a loss larger than the force", "11", "10", "80", "110", "0", 1, "4", "80", "110"},
      {"both sides fall in one tick", "10", "100", "10", "100", "0", 1, "4", "10", "100"},
      {"the defenders hold after losses", "30", "50", "100", "50", "0", 3, "4", "80", "50"},
      {"no defending armament", "40", "50", "30", "0", "50", 3, "5", "40", "50"},
      {"no armament and no castle", "40", "3", "60", "0", "0", 2, "5", "40", "3"},
      {"neither side can hurt the other", "40", "5", "60", "0", "60", 1, "4", "60", "0"},
      {"an empty garrison neither can hurt", "40", "5", "0", "0", "60", 1, "5", "40", "5"},
      {"the attackers only gain", "40", "5", "60", "-1", "60", 1, "4", "60", "-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Siege siege(c.soldiers, c.armament);
    siege.defenders(c.defenders, c.defendingArmament, c.castle);
    EXPECT_EQ(siege.run(), c.ticks);
    EXPECT_EQ(siege.da2.m(5).caption(), c.ruler);
    EXPECT_EQ(siege.da3.f(5).caption(), c.garrison);
    EXPECT_EQ(siege.da3.w(5).caption(), c.garrisonArmament);
    EXPECT_EQ(siege.da3.q(5).caption(), c.castle);
    EXPECT_TRUE(siege.ma1.Timer2.enabled());
  }
}

TEST(SiegeScreen, WithoutATargetHandsTheTurnBackUntouched) {
  Siege siege("100", "50");
  siege.ma1.ai.setCaption("35");
  EXPECT_EQ(siege.run(), 1);
  EXPECT_TRUE(siege.ma1.Timer2.enabled());
  for (int i = 0; i < 35; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(siege.da2.m(i).caption(), std::to_string(world::kTerritoryStart[i].ruler));
    EXPECT_EQ(siege.da3.f(i).caption(), std::to_string(world::kTerritoryStart[i].soldiers));
  }
}
