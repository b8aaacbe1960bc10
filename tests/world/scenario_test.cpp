// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/scenario.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/nation_sets.h"

using ui::Val;

namespace {

double columnSum(const ui::WidgetArray<ui::Label>& column) {
  double sum = 0;
  for (int i = 0; i < column.size(); ++i) sum += Val(column(i).caption());
  return sum;
}

}  // namespace

TEST(Scenario, ColumnSumsMatchTheBuiltInScenario) {
  Program program;
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  ASSERT_EQ(da2.n.size(), 35);
  EXPECT_EQ(columnSum(da2.r), 4230);
  EXPECT_EQ(columnSum(da2.u), 5880);
  EXPECT_EQ(columnSum(da2.z), 1100);
  EXPECT_EQ(columnSum(da3.q), 3920);
  EXPECT_EQ(columnSum(da3.w), 3600);
  EXPECT_EQ(columnSum(da3.s), 2800);
  EXPECT_EQ(columnSum(da3.d), 88000);
  EXPECT_EQ(columnSum(da3.f), 6290);
}

TEST(Scenario, EveryNationRulesATerritoryAndPortsAreWhereTabled) {
  Program program;
  TerritoryEconomy& da2 = program.da2();
  std::set<int> rulers;
  std::set<int> ports;
  for (int i = 0; i < 35; ++i) {
    rulers.insert(ui::CInt(da2.m(i).caption()));
    if (Val(da2.z(i).caption()) != 0) ports.insert(i);
  }
  EXPECT_EQ(rulers.size(), 26u);
  EXPECT_EQ(*rulers.begin(), 0);
  EXPECT_EQ(*rulers.rbegin(), 25);
  EXPECT_EQ(ports, (std::set<int>{5, 8, 11, 14, 15}));
}

TEST(Scenario, NamesAndPicturesAreCopiedExactly) {
  Program program;
  NationData& da1 = program.da1();
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  EXPECT_EQ(da2.n(1).caption(), "サン・スー地域");  // a middle dot, U+30FB
  EXPECT_EQ(da2.n(13).caption(), "ミュードラン植民地");
  EXPECT_EQ(da2.n(34).caption(), "リンディー森林");
  EXPECT_EQ(da2.m(30).caption(), "25");
  EXPECT_EQ(da3.q(30).caption(), "510");  // above the castle limit from the start
  EXPECT_EQ(da1.tt(0).caption(), "グラドウェン騎士団");
  EXPECT_EQ(da1.tt(22).caption(), "カーク・レイ王国");
  EXPECT_EQ(da1.tt(25).caption(), "孤高の朋友会");
  EXPECT_EQ(da1.t(8).picture(), "da1.t(8)");
  EXPECT_EQ(da1.t(8).design().at.width, 82 * 15);
  EXPECT_EQ(da1.Image1.picture(), "da1.Image1");
  EXPECT_EQ(da1.regionPicture(9).picture(), "da1.Image9");
}

TEST(Scenario, ASecondReferenceFindsTheChangedTable) {
  Program program;
  program.da3().d(4).setCaption("12");
  program.da2().m(4).setCaption("7");
  EXPECT_EQ(program.da3().d(4).caption(), "12");
  EXPECT_EQ(program.da2().m(4).caption(), "7");
}

TEST(NationSets, HoldExactlyTheirMembers) {
  struct Case {
    const char* set;
    const world::NationSet& members;
    std::set<int> expected;
  } cases[] = {
      {"FaithSet", world::FaithSet, {7, 14, 18, 23, 25}},
      {"PlunderSet", world::PlunderSet, {1, 5, 9, 10, 12, 14, 16, 19, 25}},
      {"PlainYieldSet", world::PlainYieldSet, {1, 5, 7, 9, 12, 14, 16, 19, 25}},
      {"HuntSet", world::HuntSet, {0, 1, 3, 5, 7, 9, 12, 13, 14, 16, 19, 20, 21, 24, 25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    for (int nation = 0; nation < 26; ++nation)
      EXPECT_EQ(c.members.contains(nation), c.expected.count(nation) == 1) << nation;
    // Values no caption of a nation holds belong to no set.
    for (double other : {-1.0, 26.0, 31.0, 32.0, 7.5, 1e9, -1e9})
      EXPECT_FALSE(c.members.contains(other)) << other;
  }
}

TEST(Indexes, NameATerritoryOrNationOnlyInsideTheTables) {
  struct Case {
    const char* caption;
    int territory, nation;
  } cases[] = {
      {"0", 0, 0},    {"25", 25, 25}, {"26", 26, -1},  {"34", 34, -1},   {"35", -1, -1},
      {"-1", -1, -1}, {"2.5", 2, 2},  {"3.5", 4, 4},   {"34.6", -1, -1}, {"-0.4", 0, 0},
      {"", 0, 0},     {"abc", 0, 0},  {"1e9", -1, -1}, {" 1 2", 12, 12}, {"-40000", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(world::territoryIndex(c.caption), c.territory);
    EXPECT_EQ(world::nationIndex(c.caption), c.nation);
  }
}
