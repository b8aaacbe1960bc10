// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "screens/program.h"
#include "support/main_screen_steps.h"
#include "ui/convert.h"

namespace {

using support::commands;

std::set<int> enabledCommands(MainScreen& ma1) {
  std::set<int> enabled;
  std::vector<ui::Button*> buttons = commands(ma1);
  for (int n = 1; n <= 15; ++n)
    if (buttons[n - 1]->enabled()) enabled.insert(n);
  return enabled;
}

// Every caption and picture of a screen, to see what a click changed.
std::map<std::string, std::string> contents(const ui::Screen& screen) {
  std::map<std::string, std::string> all;
  for (ui::Widget* widget : screen.widgets()) {
    if (widget->kind() == ui::Kind::Label)
      all[widget->fullName()] = static_cast<ui::Label*>(widget)->caption();
    else if (widget->kind() == ui::Kind::Image)
      all[widget->fullName()] = static_cast<ui::Image*>(widget)->picture();
    else if (widget->kind() == ui::Kind::Button)
      all[widget->fullName()] = static_cast<ui::Button*>(widget)->enabled() ? "on" : "off";
  }
  return all;
}

// The data screen that holds a column of the territory table.
ui::Screen& tableOf(Program& program, const std::string& column) {
  if (column == "n" || column == "m" || column == "r" || column == "u" || column == "z")
    return program.da2();
  return program.da3();
}

class MainScreenTest : public ::testing::Test {
 protected:
  MainScreenTest() {
    program.seed(1);
    ma1.show();
  }

  Program program;
  MainScreen& ma1 = program.ma1();
};

}  // namespace

TEST_F(MainScreenTest, StartsWithOnlyQuitAndTheHiddenButtonEnabled) {
  EXPECT_EQ(enabledCommands(ma1), (std::set<int>{8, 11}));
  EXPECT_FALSE(ma1.Command8.visible());
  EXPECT_TRUE(ma1.Timer1.enabled());
  EXPECT_FALSE(ma1.Timer2.enabled());
  EXPECT_EQ(ma1.Timer1.interval(), 500);
  EXPECT_EQ(ma1.Timer2.interval(), 500);
  EXPECT_FALSE(program.da1.loaded());  // the tables load at the first tick
}

TEST_F(MainScreenTest, RegionViewerAnswersEveryNameAndArea) {
  struct Case {
    const char* widget;
    const char* picture;
    const char* name;
  } cases[] = {
      {"Label1", "da1.Image3", "グラドウェン砂漠"}, {"Image5", "da1.Image3", "グラドウェン砂漠"},
      {"Label2", "da1.Image2", "東ムルウ半島"},     {"Image3", "da1.Image2", "東ムルウ半島"},
      {"Label3", "da1.Image4", "西ムルウ半島"},     {"Image4", "da1.Image4", "西ムルウ半島"},
      {"Label4", "da1.Image5", "マー海岸"},         {"Image8", "da1.Image5", "マー海岸"},
      {"Label5", "da1.Image7", "中央ムルウ草原"},   {"Image10", "da1.Image7", "中央ムルウ草原"},
      {"Label6", "da1.Image8", "ムルウ高原"},       {"Image6", "da1.Image8", "ムルウ高原"},
      {"Label7", "da1.Image6", "オウド"},           {"Image9", "da1.Image6", "オウド"},
      {"Label8", "da1.Image9", "ムルウ山"},         {"Image7", "da1.Image9", "ムルウ山"},
  };
  program.advance(1000);  // the computer is in the event phase of territory 0
  for (const Case& c : cases) {
    SCOPED_TRACE(c.widget);
    ma1.Image2.setPicture("before");
    ma1.Label9.setCaption("before");
    std::map<std::string, std::string> before = contents(ma1);
    program.click(*ma1.find(c.widget));
    std::map<std::string, std::string> after = contents(ma1);
    EXPECT_EQ(ma1.Image2.picture(), c.picture);
    EXPECT_EQ(ma1.Label9.caption(), c.name);
    after["Image2"] = before["Image2"];
    after["Label9"] = before["Label9"];
    EXPECT_EQ(after, before);  // nothing else changes
    EXPECT_TRUE(ma1.Timer2.enabled());
  }
}

TEST_F(MainScreenTest, RegionNamesLieInsideTheirOwnAreas) {
  const std::pair<const char*, const char*> regions[] = {
      {"Label1", "Image5"},  {"Label2", "Image3"}, {"Label3", "Image4"}, {"Label4", "Image8"},
      {"Label5", "Image10"}, {"Label6", "Image6"}, {"Label7", "Image9"}, {"Label8", "Image7"}};
  for (auto [label, area] : regions) {
    SCOPED_TRACE(label);
    const ui::Rect& l = ma1.find(label)->at();
    const ui::Rect& a = ma1.find(area)->at();
    EXPECT_GE(l.left, a.left);
    EXPECT_GE(l.top, a.top);
    EXPECT_LE(l.left + l.width, a.left + a.width);
    EXPECT_LE(l.top + l.height, a.top + a.height);
  }
}

TEST_F(MainScreenTest, StatusPanelRowsPairEachHeadingWithItsValue) {
  struct Row {
    const char* heading;
    const char* value;
    int top;
  } rows[] = {
      {"Label17", "Label18", 3840}, {"Label19", "Label20", 4320}, {"Label21", "Label22", 4800},
      {"Label23", "Label24", 5280}, {"Label25", "Label26", 5760}, {"Label27", "Label28", 6240},
      {"Label29", "Label31", 6720}, {"Label30", "Label32", 7200},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.heading);
    const auto& heading = *static_cast<ui::Label*>(ma1.find(row.heading));
    const auto& value = *static_cast<ui::Label*>(ma1.find(row.value));
    EXPECT_EQ(heading.at().top, row.top);
    EXPECT_EQ(value.at().top, row.top);
    EXPECT_GE(value.at().left, heading.at().left + heading.at().width);  // side by side
    EXPECT_EQ(heading.design().font.points, 12);
    EXPECT_EQ(value.design().font.points, 14.25);
    EXPECT_EQ(heading.container(), &ma1.Frame4);
    EXPECT_EQ(value.container(), &ma1.Frame4);
  }
}

TEST_F(MainScreenTest, StatusPanelCopiesTheTerritoryAsWritten) {
  program.da3().d(30).setCaption(" 9000.50 ");  // copied as text, not reformatted
  ma1.refreshPanel(30);
  EXPECT_EQ(ma1.Label16.caption(), "ドラーゲン塔");
  EXPECT_EQ(ma1.Label11.caption(), "孤高の朋友会");
  EXPECT_EQ(ma1.Image11.picture(), "da1.t(25)");
  const std::vector<std::string> values = {
      ma1.Label18.caption(), ma1.Label20.caption(), ma1.Label22.caption(), ma1.Label24.caption(),
      ma1.Label26.caption(), ma1.Label28.caption(), ma1.Label31.caption(), ma1.Label32.caption()};
  EXPECT_EQ(values,
            (std::vector<std::string>{"10", "210", "0", "510", "30", "130", " 9000.50 ", "130"}));
}

TEST_F(MainScreenTest, StatusPanelShowsNoRulerForARulerOutsideTheNations) {
  ma1.refreshPanel(3);
  for (const char* ruler : {"26", "-1", "99999", "abc"}) {
    SCOPED_TRACE(ruler);
    program.da2().m(4).setCaption(ruler);
    ma1.refreshPanel(4);
    EXPECT_EQ(ma1.Label16.caption(), "マクレー領");
    // "abc" reads as nation 0, as every caption is read.
    EXPECT_EQ(ma1.Label11.caption(), std::string(ruler) == "abc" ? "グラドウェン騎士団" : "");
    EXPECT_EQ(ma1.Image11.picture(), std::string(ruler) == "abc" ? "da1.t(0)" : "");
  }
}

TEST_F(MainScreenTest, PlayersStepOffersWhatTheTerritoryAndNationAllow) {
  const std::set<int> basic = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 14};
  auto with = [&](std::set<int> extra, std::set<int> without = {}) {
    std::set<int> result = basic;
    result.insert(extra.begin(), extra.end());
    for (int n : without) result.erase(n);
    return result;
  };
  struct Cell {
    const char* column;
    const char* value;
  };
  struct Case {
    const char* what;
    int nation, territory;
    std::vector<Cell> cells;
    std::set<int> offered;
  } cases[] = {
      {"a nation outside every set, no port", 2, 2, {}, basic},
      {"hunting and plunder", 9, 12, {}, with({12, 13})},
      {"faith and hunting", 7, 9, {}, with({13, 15})},
      {"every set", 14, 18, {}, with({12, 13, 15})},
      {"only hunting", 0, 0, {}, with({13})},
      {"only plunder", 10, 15, {}, with({3, 12})},
      {"a port", 4, 5, {}, with({3})},
      {"a port at exactly its cap", 4, 5, {{"z", "1500"}}, basic},
      {"a port above its cap", 4, 5, {{"z", "1510"}}, with({3})},
      {"loyalty 250", 7, 9, {{"s", "250"}}, with({13}, {6})},
      {"loyalty exactly 200", 25, 30, {{"s", "200"}}, with({12, 13}, {6})},
      {"loyalty 199", 25, 30, {{"s", "199"}}, with({12, 13, 15})},
      {"castle 510 on territory 30", 25, 30, {}, with({12, 13, 15})},
      {"values at exactly their caps",
       2,
       2,
       {{"r", "2000"}, {"u", "2000"}, {"w", "300"}, {"q", "500"}, {"f", "1000"}},
       {6, 7, 8, 9, 11, 14}},
      {"values above their caps",
       2,
       2,
       {{"r", "2300"}, {"u", "2001"}, {"w", "301"}, {"q", "510"}, {"f", "1010"}},
       basic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    MainScreen& ma1 = program.ma1();
    ma1.mm.setCaption(ui::CStr(c.nation));
    for (const Cell& cell : c.cells) {
      static_cast<ui::Label*>(tableOf(program, cell.column).find(cell.column, c.territory))
          ->setCaption(cell.value);
    }
    ma1.Timer2.setEnabled(true);
    ma1.playerStep(c.territory);
    EXPECT_EQ(enabledCommands(ma1), c.offered);
    EXPECT_EQ(ma1.Label33.caption(), "あなたのターンです");
    EXPECT_FALSE(ma1.Timer2.enabled());
  }
}

TEST_F(MainScreenTest, PlayersStepLowersLoyaltyOfTwoHundredOrMore) {
  for (auto [before, after] : {std::pair{"250", "200"}, {"200", "200"}, {"199", "199"}}) {
    SCOPED_TRACE(before);
    program.da3().s(9).setCaption(before);
    ma1.playerStep(9);
    EXPECT_EQ(program.da3().s(9).caption(), after);
  }
}

TEST_F(MainScreenTest, EndOfCommandDisablesEveryButtonAndHandsTheStepBack) {
  ma1.mm.setCaption("0");
  program.advance(1500);  // territory 0 of nation 0: the player's step is open
  ASSERT_EQ(ma1.Label33.caption(), "あなたのターンです");
  ASSERT_FALSE(ma1.Timer1.enabled());
  ASSERT_FALSE(ma1.Timer2.enabled());
  ma1.Command3.setEnabled(true);
  ma1.Command12.setEnabled(true);

  program.advance(5000);  // nothing advances while the player thinks
  EXPECT_EQ(ma1.count1.caption(), "0");
  ma1.endCommand();
  EXPECT_EQ(enabledCommands(ma1), std::set<int>{});
  EXPECT_TRUE(ma1.Timer2.enabled());
  EXPECT_FALSE(ma1.Timer1.enabled());
  EXPECT_EQ(ma1.Label33.caption(), "あなたのターンです");

  program.advance(500);  // the hand-back phase
  EXPECT_EQ(ma1.count2.caption(), "0");
  EXPECT_TRUE(ma1.Timer1.enabled());
  EXPECT_FALSE(ma1.Timer2.enabled());
  program.advance(500);
  EXPECT_EQ(ma1.count1.caption(), "1");
}
