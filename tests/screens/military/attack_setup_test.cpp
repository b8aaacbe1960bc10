// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "attack_step.h"
#include "screens/program.h"
#include "support/main_screen_steps.h"
#include "world/neighbours.h"
#include "world/scenario.h"

namespace {

using attack::Step;
using support::commands;
using support::states;

constexpr const char* kPrompt = "攻め込む国を指定してください";

// "1" at each of the territories given, "0" elsewhere.
std::string only(const std::vector<int>& territories) {
  std::string text(world::kTerritories, '0');
  for (int i : territories) text[static_cast<std::size_t>(i)] = '1';
  return text;
}

}  // namespace

TEST(NeighbourTable, IsSymmetricButForTheRoadFrom26To20) {
  for (int i = 0; i < world::kTerritories; ++i) {
    for (int j : world::neighbours(i)) {
      const std::vector<int>& back = world::neighbours(j);
      const bool listed = std::find(back.begin(), back.end(), i) != back.end();
      EXPECT_EQ(listed, !(i == 26 && j == 20)) << i << " -> " << j;
      EXPECT_NE(i, j);
    }
  }
  for (int outside : {-1, 35, 32767}) EXPECT_TRUE(world::neighbours(outside).empty());
}

TEST(AttackSetup, TheMapJoinsEveryNeighbouringPairOnceFromButtonToButton) {
  Step step(20);
  AttackSetup& ma3 = step.openSetup();
  EXPECT_EQ(ma3.Image1.picture(), "da1.Image1");

  std::set<std::pair<int, int>> pairs;
  for (auto [a, b] : world::neighbourPairs()) EXPECT_TRUE(pairs.insert({a, b}).second);
  EXPECT_EQ(pairs.size(), 48u);
  EXPECT_TRUE(pairs.contains({20, 26}));
  ASSERT_EQ(ma3.lines().size(), pairs.size());

  auto centre = [&ma3](int i) {
    const ui::Rect& at = ma3.s(i).at();
    return std::pair{at.left + at.width / 2, at.top + at.height / 2};
  };
  std::set<std::pair<int, int>> drawn;
  for (const auto& line : ma3.lines()) {
    const ui::LineDesign& d = line->design();
    EXPECT_EQ(line->container(), &ma3.Frame3);
    for (auto [a, b] : pairs) {
      if ((centre(a) == std::pair{d.x1, d.y1} && centre(b) == std::pair{d.x2, d.y2}) ||
          (centre(b) == std::pair{d.x1, d.y1} && centre(a) == std::pair{d.x2, d.y2}))
        drawn.insert({a, b});
    }
  }
  EXPECT_EQ(drawn, pairs);
}

TEST(AttackSetup, EachTerritoryButtonIsNamedForItsPlaceAndLiesOnTheMap) {
  Program program;
  AttackSetup& ma3 = program.ma3();
  // Three buttons keep older names of their places.
  const std::map<int, std::string> olderNames = {
      {1, "サン･スー地域"}, {6, "ワットス山砦"}, {26, "ジョージン宮殿"}};
  const ui::Rect& map = ma3.Image1.design().at;
  for (int i = 0; i < world::kTerritories; ++i) {
    SCOPED_TRACE(i);
    const ui::ButtonDesign& d = ma3.s(i).design();
    const std::string& name = program.da2().n(i).caption();
    if (const auto older = olderNames.find(i); older != olderNames.end()) {
      EXPECT_EQ(d.tooltip, older->second);
      EXPECT_NE(d.tooltip, name);
    } else {
      EXPECT_EQ(d.tooltip, name);
    }
    EXPECT_EQ(d.in, &ma3.Frame3);
    EXPECT_EQ(d.at.width, 615);
    EXPECT_EQ(d.at.height, 615);
    EXPECT_TRUE(d.at.left >= map.left && d.at.left + d.at.width <= map.left + map.width);
    EXPECT_TRUE(d.at.top >= map.top && d.at.top + d.at.height <= map.top + map.height);
    EXPECT_FALSE(d.enabled);
    EXPECT_TRUE(d.graphical);
    EXPECT_EQ(d.picture, "ma3.s" + std::to_string(i));
  }
}

TEST(AttackSetup, OffersTheNeighboursThePlayerDoesNotRule) {
  struct Case {
    int source;
    std::vector<int> alsoRuled;  // handed to the player's nation before the setup opens
    std::vector<int> offered;
  };
  const Case cases[] = {
      // 26 may attack 20, but 20 may not attack 26.
      {20, {}, {18, 19, 21}},
      {26, {}, {20, 24}},  // the nation's own 27 is not offered
      {5, {}, {4, 6, 7, 8, 11}},
      {5, {4, 11}, {6, 7, 8}},
      {6, {}, {5}},
      {6, {5}, {}},  // nothing left to attack
      {2, {}, {1, 31, 32}},
      {0, {}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    Step step(c.source);
    for (int i : c.alsoRuled) step.program.da2().m(i).setCaption(step.ma1.mm.caption());
    AttackSetup& ma3 = step.openSetup();
    EXPECT_EQ(Step::offered(ma3), only(c.offered));
    EXPECT_EQ(ma3.Label2.caption(), step.program.da2().n(c.source).caption());
    EXPECT_EQ(ma3.Label7.caption(), step.program.da3().f(c.source).caption());
    EXPECT_EQ(ma3.Label8.caption(), step.program.da3().w(c.source).caption());
    EXPECT_FALSE(ma3.Command1.enabled());
  }
}

TEST(AttackSetup, OutsideATerritoryStepOffersNothing) {
  for (const char* count1 : {"-1", "35", "36"}) {
    SCOPED_TRACE(count1);
    Program program;
    program.ma1().count1.setCaption(count1);
    program.ma3.show();
    AttackSetup& ma3 = program.ma3();
    EXPECT_EQ(Step::offered(ma3), only({}));
    EXPECT_EQ(ma3.Label2.caption(), "そよぎの丘");
    EXPECT_EQ(ma3.Label7.caption(), "0");
    EXPECT_EQ(ma3.Label8.caption(), "0");
    program.advance(300);
    EXPECT_FALSE(ma3.Command1.enabled());
  }
}

TEST(AttackSetup, OnlyAWholeSourceIndexOffersTargets) {
  struct Case {
    const char* count1;
    int row;  // the territory the labels show
    std::vector<int> offered;
  };
  const Case cases[] = {
      {"20", 20, {18, 19, 21}}, {" 2 0", 20, {18, 19, 21}}, {"19.5", 20, {}}, {"20.4", 20, {}},
      {"-0.4", 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count1);
    Program program;
    program.ma1().mm.setCaption(program.da2().m(20).caption());
    program.ma1().count1.setCaption(c.count1);
    program.ma3.show();
    AttackSetup& ma3 = program.ma3();
    EXPECT_EQ(Step::offered(ma3), only(c.offered));
    EXPECT_EQ(ma3.Label2.caption(), program.da2().n(c.row).caption());
    EXPECT_EQ(ma3.Label7.caption(), program.da3().f(c.row).caption());
    EXPECT_EQ(ma3.Label8.caption(), program.da3().w(c.row).caption());
  }
}

TEST(AttackSetup, TheChosenTargetShowsOnTheNextPoll) {
  Step step(20);
  AttackSetup& ma3 = step.openSetup();
  EXPECT_EQ(ma3.Label11.caption(), kPrompt);
  step.program.advance(300);
  EXPECT_FALSE(ma3.Command1.enabled());

  step.program.click(ma3.s(19));
  EXPECT_EQ(ma3.Label10.caption(), "19");
  EXPECT_EQ(ma3.Label11.caption(), kPrompt);
  EXPECT_FALSE(ma3.Command1.enabled());
  step.program.advance(100);
  EXPECT_EQ(ma3.Label11.caption(), "アグリ城に攻め込む");
  EXPECT_TRUE(ma3.Command1.enabled());

  // A later click replaces the choice; a territory not offered cannot be chosen.
  step.program.click(ma3.s(21));
  step.program.click(ma3.s(26));
  step.program.click(ma3.s(20));
  step.program.advance(100);
  EXPECT_EQ(ma3.Label10.caption(), "21");
  EXPECT_EQ(ma3.Label11.caption(), "エリオット領に攻め込む");
}

TEST(AttackSetup, NamesComeFromTheTerritoryTableNotTheButtons) {
  struct Case {
    int source, target;
    const char* sourceName;
    const char* chosen;
  };
  const Case cases[] = {
      {0, 1, "グラドウェン防壁", "サン・スー地域に攻め込む"},
      {1, 0, "サン・スー地域", "グラドウェン防壁に攻め込む"},
      {5, 6, "エドワード港", "ワットス砦に攻め込む"},
      {24, 26, "ヌン僧院", "ジョージン領に攻め込む"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    Step step(c.source);
    AttackSetup& ma3 = step.openSetup();
    ASSERT_TRUE(ma3.s(c.target).enabled());
    step.program.click(ma3.s(c.target));
    step.program.advance(100);
    EXPECT_EQ(ma3.Label2.caption(), c.sourceName);
    EXPECT_EQ(ma3.Label11.caption(), c.chosen);
  }
}

TEST(AttackSetup, AmountsStayWithinWhatTheTerritoryHolds) {
  using B = ui::Button AttackSetup::*;
  using L = ui::Label AttackSetup::*;
  struct Press {
    B button;
    L amount;  // the amount label the press changes
    const char* after;
    const char* error;
  };
  struct Case {
    const char* name;
    const char* soldiers;
    const char* armament;
    std::vector<Press> presses;
  };
  const L soldiers = &AttackSetup::Label3;
  const L armament = &AttackSetup::Label4;
  const Case cases[] = {
      {"one step too many",
       "130",
       "40",
       {{&AttackSetup::Command5, soldiers, "100", ""},
        {&AttackSetup::Command5, soldiers, "0", "兵士数エラー"},
        {&AttackSetup::Command3, soldiers, "10", ""}}},
      {"all the armament",
       "130",
       "40",
       {{&AttackSetup::Command10, armament, "10", ""},
        {&AttackSetup::Command10, armament, "20", ""},
        {&AttackSetup::Command10, armament, "30", ""},
        {&AttackSetup::Command10, armament, "40", ""},
        {&AttackSetup::Command9, armament, "0", "武装エラー"}}},
      {"every soldier step",
       "1000",
       "300",
       {{&AttackSetup::Command3, soldiers, "10", ""},
        {&AttackSetup::Command4, soldiers, "60", ""},
        {&AttackSetup::Command5, soldiers, "160", ""},
        {&AttackSetup::Command6, soldiers, "360", ""},
        {&AttackSetup::Command7, soldiers, "860", ""},
        {&AttackSetup::Command6, soldiers, "0", "兵士数エラー"}}},
      {"every armament step",
       "1000",
       "300",
       {{&AttackSetup::Command9, armament, "5", ""},
        {&AttackSetup::Command10, armament, "15", ""},
        {&AttackSetup::Command11, armament, "65", ""},
        {&AttackSetup::Command12, armament, "165", ""},
        {&AttackSetup::Command13, armament, "0", "武装エラー"}}},
      {"clear keeps the error; either group's next press clears it",
       "130",
       "40",
       {{&AttackSetup::Command7, soldiers, "0", "兵士数エラー"},
        {&AttackSetup::Command8, soldiers, "0", "兵士数エラー"},
        {&AttackSetup::Command9, armament, "5", ""},
        {&AttackSetup::Command12, armament, "0", "武装エラー"},
        {&AttackSetup::Command3, soldiers, "10", ""},
        {&AttackSetup::Command12, armament, "0", "武装エラー"},
        {&AttackSetup::Command14, armament, "0", "武装エラー"}}},
      {"clear",
       "130",
       "40",
       {{&AttackSetup::Command4, soldiers, "50", ""},
        {&AttackSetup::Command8, soldiers, "0", ""},
        {&AttackSetup::Command11, armament, "0", "武装エラー"},
        {&AttackSetup::Command10, armament, "10", ""},
        {&AttackSetup::Command14, armament, "0", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Step step(20);
    step.program.da3().f(20).setCaption(c.soldiers);
    step.program.da3().w(20).setCaption(c.armament);
    AttackSetup& ma3 = step.openSetup();
    for (const Press& press : c.presses) {
      step.program.click(ma3.*press.button);
      EXPECT_EQ((ma3.*press.amount).caption(), press.after);
      EXPECT_EQ(ma3.Label9.caption(), press.error);
    }
    // The setup writes nothing into the table.
    EXPECT_EQ(step.program.da3().f(20).caption(), c.soldiers);
    EXPECT_EQ(step.program.da3().w(20).caption(), c.armament);
  }
}

TEST(AttackSetup, OkAsksForSoldiersFirstThenArmament) {
  using B = ui::Button AttackSetup::*;
  struct Case {
    std::vector<B> presses;
    const char* error;  // nullptr: the confirmation opens
  };
  const Case cases[] = {
      {{}, "兵士数を入力してください"},
      {{&AttackSetup::Command9}, "兵士数を入力してください"},
      {{&AttackSetup::Command3}, "武装を入力してください"},
      {{&AttackSetup::Command3, &AttackSetup::Command9, &AttackSetup::Command8},
       "兵士数を入力してください"},
      {{&AttackSetup::Command3, &AttackSetup::Command9}, nullptr},
  };
  for (const Case& c : cases) {
    Step step(20);
    AttackSetup& ma3 = step.openSetup();
    step.program.click(ma3.s(19));
    step.program.advance(100);
    for (B press : c.presses) step.program.click(ma3.*press);
    step.program.click(ma3.Command1);
    if (c.error) {
      EXPECT_EQ(ma3.Label9.caption(), c.error);
      EXPECT_FALSE(step.program.ma4.loaded());
    } else {
      EXPECT_EQ(ma3.Label9.caption(), "");
      EXPECT_TRUE(step.program.ma4.shown());
      EXPECT_TRUE(step.program.ma3.shown());
      EXPECT_EQ(ma3.Label10.caption(), "19");
    }
  }
}

TEST(AttackSetup, CancelClosesItAndTheStepGoesOn) {
  for (bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox);
    Step step(20);
    const std::string offered = states(commands(step.ma1));
    AttackSetup& ma3 = step.openSetup();
    step.program.click(ma3.s(19));
    step.program.click(ma3.Command5);
    step.program.advance(100);
    if (byCloseBox)
      step.program.closeBox(ma3);
    else
      step.program.click(ma3.Command2);
    EXPECT_FALSE(step.program.ma3.loaded());
    EXPECT_EQ(states(commands(step.ma1)), offered);
    EXPECT_EQ(step.ma1.Label33.caption(), "あなたのターンです");

    // Nothing advances while the step waits, and the setup opens afresh.
    step.program.advance(5000);
    EXPECT_EQ(step.ma1.count1.caption(), "20");
    AttackSetup& again = step.openSetup();
    EXPECT_EQ(again.Label10.caption(), "");
    EXPECT_EQ(again.Label3.caption(), "0");
    EXPECT_EQ(again.Label11.caption(), kPrompt);
    EXPECT_FALSE(again.Command1.enabled());
  }
}

TEST(AttackSetup, HoldsItsChoicesWhileTheConfirmationIsOpen) {
  Step step(20);
  step.confirm(19, &AttackSetup::Command5, &AttackSetup::Command10);
  AttackSetup& ma3 = step.program.ma3();
  step.program.click(ma3.s(21));
  step.program.click(ma3.Command3);
  step.program.click(ma3.Command8);
  step.program.click(ma3.Command14);
  step.program.click(ma3.Command7);
  step.program.click(ma3.Command2);
  step.program.closeBox(ma3);
  step.program.advance(100);

  ASSERT_TRUE(step.program.ma3.loaded());
  EXPECT_TRUE(step.program.ma4.loaded());
  EXPECT_EQ(ma3.Label10.caption(), "19");
  EXPECT_EQ(ma3.Label3.caption(), "100");
  EXPECT_EQ(ma3.Label4.caption(), "10");
  EXPECT_EQ(ma3.Label9.caption(), "");
  EXPECT_EQ(ma3.Label11.caption(), "アグリ城に攻め込む");
}

TEST(AttackSetup, AStepEndedElsewhereClosesTheAttackScreens) {
  for (bool confirming : {false, true}) {
    SCOPED_TRACE(confirming);
    Step step(20);
    if (confirming)
      step.confirm(19, &AttackSetup::Command5, &AttackSetup::Command10);
    else
      step.openSetup();
    step.program.click(step.ma1.Command9);
    EXPECT_FALSE(step.program.ma3.loaded());
    EXPECT_FALSE(step.program.ma4.loaded());
    EXPECT_EQ(step.program.da3().f(20).caption(), "140");
    support::expectStepEndedAndSweepGoesOn(step.program, "21");
  }
}
