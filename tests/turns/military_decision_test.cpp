// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/military_decision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/neighbours.h"
#include "world/scenario.h"
#include "world/target_draws.h"

namespace {

// A draw that makes Int(Rnd × n) + 1 the whole number `k`.
float pick(int k, int n) { return (k - 0.5f) / static_cast<float>(n); }

// The command phase of a computer territory as the computer-turn timer runs
// it: Timer2 on, the player's nation 9. Territory 0 (nation 0) has one
// candidate target, territory 1 (nation 1).
struct Phase {
  Phase() {
    program.seed(1);
    ma1.mm.setCaption("9");
    ma1.count1.setCaption("0");
    ma1.Timer2.setEnabled(true);
  }
  void queue(const std::vector<float>& draws) {
    for (float draw : draws) program.random().queue(draw);
  }
  void border(const char* attackers, const char* defenders) {
    da3.w(0).setCaption("200");
    da3.f(0).setCaption(attackers);
    da3.f(1).setCaption(defenders);
  }

  Program program;
  MainScreen& ma1 = program.ma1();
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
};

struct MilitaryDecisionTest : ::testing::Test, Phase {};

}  // namespace

TEST_F(MilitaryDecisionTest, LittleArmamentIsBoughtWhenTheFundsExceedFiveHundred) {
  struct Case {
    const char* armament;
    const char* funds;
    float draw;
    const char* armamentAfter;
    const char* fundsAfter;
  } cases[] = {
      {"100", "501", 0, "101", "1"},
      {"100", "501", 0.99999f, "160", "1"},
      {"150", "2000", pick(7, 60), "157", "1500"},
      {"100", "500", 0, "100", "500"},
      {"0", "-20", 0, "0", "-20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.armament) + " " + c.funds);
    Phase step;
    step.da3.w(0).setCaption(c.armament);
    step.da3.d(0).setCaption(c.funds);
    step.queue({c.draw, 0.125f});
    turns::militaryDecision(step.program, 0);
    EXPECT_EQ(step.da3.w(0).caption(), c.armamentAfter);
    EXPECT_EQ(step.da3.d(0).caption(), c.fundsAfter);
    EXPECT_EQ(step.ma1.ai.caption(), "35");  // no target is looked for
    EXPECT_TRUE(step.ma1.Timer2.enabled());
    // Without the purchase its draw is left for the next rule.
    const bool bought = std::string(c.funds) != c.fundsAfter;
    EXPECT_EQ(step.program.random().Rnd(), bought ? 0.125f : c.draw);
  }
}

// The decision reseeds from the clock before it draws: a game one draw ahead
// of its twin buys the same armament.
TEST(MilitaryDecision, ReseedsBeforeItDraws) {
  Phase twin, ahead;
  ahead.program.random().Rnd();
  for (Phase* step : {&twin, &ahead}) {
    step->da3.w(0).setCaption("100");
    step->da3.d(0).setCaption("600");
    turns::militaryDecision(step->program, 0);
  }
  EXPECT_EQ(ahead.da3.w(0).caption(), twin.da3.w(0).caption());
  EXPECT_EQ(ahead.program.random().Rnd(), twin.program.random().Rnd());
}

TEST_F(MilitaryDecisionTest, TheTargetListIsDrawnByItsLength) {
  struct Case {
    int territory;
    std::vector<float> draws;  // a3, a4, a5
    const char* target;
  } cases[] = {
      {0, {pick(3, 3), pick(4, 4), pick(5, 5)}, "1"},
      {6, {pick(1, 3), pick(2, 4), pick(3, 5)}, "5"},
      {1, {pick(3, 3), pick(1, 4), pick(1, 5)}, "3"},
      {12, {pick(1, 3), pick(4, 4), pick(1, 5)}, "25"},
      {21, {pick(3, 3), pick(3, 4), pick(3, 5)}, "20"},
      {21, {pick(3, 3), pick(4, 4), pick(3, 5)}, "17"},
      {5, {pick(3, 3), pick(4, 4), pick(5, 5)}, "11"},
      {5, {pick(3, 3), pick(4, 4), pick(2, 5)}, "6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.territory);
    const int i = c.territory;
    da3.w(i).setCaption("200");
    da3.f(i).setCaption("0");  // too weak to attack anyone
    queue(c.draws);
    queue({0.125f});
    turns::militaryDecision(program, i);
    EXPECT_EQ(ma1.ai.caption(), c.target);
    EXPECT_EQ(program.random().Rnd(), 0.125f);  // exactly three draws
    EXPECT_TRUE(ma1.Timer2.enabled());
  }
}

TEST(TargetDraws, EveryListHoldsThreeToFiveNeighbours) {
  for (int i = 0; i < world::kTerritories; ++i) {
    SCOPED_TRACE(i);
    const std::vector<int>& targets = world::targetDraws(i);
    EXPECT_GE(targets.size(), 3u);
    EXPECT_LE(targets.size(), 5u);
    const std::vector<int>& near = world::neighbours(i);
    for (int target : targets)
      EXPECT_NE(std::find(near.begin(), near.end(), target), near.end()) << target;
  }
  const std::vector<int>& sixteen = world::targetDraws(16);
  EXPECT_EQ(std::count(sixteen.begin(), sixteen.end(), 27), 0);
  EXPECT_TRUE(world::targetDraws(-1).empty());
  EXPECT_TRUE(world::targetDraws(35).empty());
}

TEST_F(MilitaryDecisionTest, AttacksOnlyAnotherNationWithHalfAsManySoldiersAgain) {
  struct Case {
    const char* what;
    const char* attackers;
    const char* defenders;
    const char* defenderNation;
    float force;  // the draw of the soldiers sent, when the attack goes ahead
    const char* sent;
  } cases[] = {
      {"exactly half as many again", "150", "100", "1", pick(125, 1000), "125"},
      {"one short of it", "149", "100", "1", 0, ""},
      {"an empty territory", "50", "0", "1", pick(49, 1000), "49"},
      {"the attacker's own nation", "500", "10", "0", 0, ""},
      {"no whole number between 3 and 4", "4", "3", "1", 0, ""},
      {"none between 0 and 1", "1", "0", "1", 0, ""},
      {"none above 1000 defenders", "1600", "1000", "1", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Phase step;
    MainScreen& ma1 = step.ma1;
    TerritoryStrength& da3 = step.da3;
    step.da2.m(1).setCaption(c.defenderNation);
    step.border(c.attackers, c.defenders);
    step.queue({0, 0, 0, c.force, pick(40, 150)});
    turns::militaryDecision(step.program, 0);
    EXPECT_EQ(ma1.ai.caption(), "1");  // the target stays named either way
    const bool attack = *c.sent != '\0';
    EXPECT_EQ(ma1.t.caption(), c.sent);
    EXPECT_EQ(step.program.ma5.loaded(), attack);
    EXPECT_EQ(ma1.Timer2.enabled(), !attack);
    EXPECT_EQ(da3.f(0).caption(),
              attack ? ui::CStr(ui::Val(c.attackers) - ui::Val(c.sent)) : std::string(c.attackers));
    EXPECT_EQ(da3.w(0).caption(), attack ? "160" : "200");
    EXPECT_EQ(da3.f(1).caption(), c.defenders);  // the defender is untouched
  }
}

TEST_F(MilitaryDecisionTest, RedrawsTheForceUntilItFitsBetweenBothSides) {
  border("150", "100");
  queue({0, 0, 0});
  // 51 and 100 soldiers are no more than the defenders, 201 are more than
  // the attackers have, 150 leave none at home; 121 fit.
  queue({pick(51, 1000), pick(100, 1000), pick(201, 1000), pick(150, 1000), pick(121, 1000)});
  // 106, 100 and 150 armament are redrawn, 99 is the most an attack takes.
  queue({pick(106, 150), pick(100, 150), pick(150, 150), pick(99, 150), 0.125f});
  turns::militaryDecision(program, 0);
  EXPECT_EQ(ma1.t.caption(), "121");
  EXPECT_EQ(da3.f(0).caption(), "29");
  EXPECT_EQ(ma1.Label35.caption(), "99");
  EXPECT_EQ(da3.w(0).caption(), "101");
  EXPECT_EQ(program.random().Rnd(), 0.125f);
}

TEST_F(MilitaryDecisionTest, HandsTheAttackToTheBattleOrTheSiege) {
  struct Case {
    const char* defenderNation;
    bool battle;
  } cases[] = {{"9", true}, {"1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.defenderNation);
    Phase step;
    Program& fresh = step.program;
    MainScreen& ma1 = step.ma1;
    step.da2.m(1).setCaption(c.defenderNation);
    step.border("300", "60");
    step.queue({0, 0, 0, pick(100, 1000), pick(30, 150)});
    turns::militaryDecision(fresh, 0);
    EXPECT_FALSE(ma1.Timer2.enabled());
    EXPECT_EQ(ma1.t.caption(), "100");
    EXPECT_EQ(ma1.Label35.caption(), "30");
    EXPECT_EQ(fresh.da3().f(0).caption(), "200");
    EXPECT_EQ(fresh.da3().w(0).caption(), "170");
    EXPECT_EQ(fresh.ma2.shown(), c.battle);
    EXPECT_EQ(fresh.ma5.shown(), !c.battle);
    EXPECT_EQ(ma1.Label34.caption(), c.battle ? "2" : "0");
    if (c.battle) {
      // The battle opens on the force sent and the defender's own values.
      EXPECT_EQ(fresh.ma2().Label7.caption(), "100");
      EXPECT_EQ(fresh.ma2().Label8.caption(), "30");
      EXPECT_EQ(fresh.ma2().Label10.caption(), "60");
    }
  }
}
