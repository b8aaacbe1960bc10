// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/program.h"
#include "support/main_screen_steps.h"
#include "world/scenario.h"

namespace {

using support::commands;
using support::states;

// ドゴール教国 rules ムルウ山林 (23) and ヌン僧院 (24); ザーン国 rules
// ジョージン領 (26) and ヴォムルドー城 (27).
constexpr int kDogol = 18;
constexpr int kZaan = 20;

// Every cell of the territory table, row by row, to see what a move changed.
std::vector<std::string> table(Program& program) {
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  std::vector<std::string> cells;
  for (int i = 0; i < world::kTerritories; ++i)
    for (ui::Label* cell : {&da2.n(i), &da2.m(i), &da2.r(i), &da2.u(i), &da2.z(i), &da3.q(i),
                            &da3.w(i), &da3.s(i), &da3.d(i), &da3.f(i)})
      cells.push_back(cell->caption());
  return cells;
}

// A game at the player's step on `source`, reached as the clock reaches it,
// with the movement screen not yet open.
struct Step {
  explicit Step(int nation = kDogol, int source = 23) {
    program.seed(1);
    program.ma1.show();
    ma1.mm.setCaption(nation);
    ma1.count1.setCaption(source - 1);
    program.advance(1500);
  }

  // Sets soldiers, armament and funds of territory i.
  void hold(int i, const char* soldiers, const char* armament, const char* funds) {
    program.da3().f(i).setCaption(soldiers);
    program.da3().w(i).setCaption(armament);
    program.da3().d(i).setCaption(funds);
  }
  // "soldiers armament funds" of territory i.
  std::string holds(int i) {
    TerritoryStrength& da3 = program.da3();
    return da3.f(i).caption() + " " + da3.w(i).caption() + " " + da3.d(i).caption();
  }
  MovementScreen& open() {
    program.click(ma1.Command14);
    return program.ma6();
  }
  // Clicks destination i and lets the screen's timer notice it.
  void choose(MovementScreen& ma6, int i) {
    program.click(ma6.x(i));
    program.advance(100);
  }

  Program program;
  MainScreen& ma1 = program.ma1();
};

// "1" for each destination button that can be chosen.
std::string destinations(MovementScreen& ma6) {
  std::string text;
  for (int i = 0; i < world::kTerritories; ++i) text += ma6.x(i).enabled() ? '1' : '0';
  return text;
}

std::string only(std::vector<int> territories) {
  std::string text(world::kTerritories, '0');
  for (int i : territories) text[static_cast<std::size_t>(i)] = '1';
  return text;
}

}  // namespace

TEST(MovementScreen, OpensOnTheStepWithEveryTerritoryOfTheNationAndTheSourceHoldings) {
  struct Case {
    int nation;
    int source;
    std::vector<int> conquered;  // further territories handed to the nation first
    std::vector<int> offered;
  };
  const Case cases[] = {
      {kDogol, 23, {}, {23, 24}},
      {kDogol, 24, {}, {23, 24}},
      // A nation of one territory can only move onto itself.
      {14, 18, {}, {18}},
      // Distance does not matter: the far corners of the continent are offered.
      {kDogol, 23, {0, 34}, {0, 23, 24, 34}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "nation " << c.nation << " from " << c.source);
    Step step(c.nation, c.source);
    for (int i : c.conquered) step.program.da2().m(i).setCaption(c.nation);
    step.hold(c.source, "130", "60", "1500");
    const std::string before = states(commands(step.ma1));
    const std::vector<std::string> cells = table(step.program);

    MovementScreen& ma6 = step.open();
    EXPECT_TRUE(step.program.ma6.shown());
    EXPECT_EQ(destinations(ma6), only(c.offered));
    EXPECT_EQ(ma6.Label2.caption(), "130");
    EXPECT_EQ(ma6.Label7.caption(), "60");
    EXPECT_EQ(ma6.Label8.caption(), "1500");
    for (ui::Label* amount : {&ma6.Label4, &ma6.Label5, &ma6.Label6})
      EXPECT_EQ(amount->caption(), "0");
    EXPECT_EQ(ma6.Label1.caption(), "");
    EXPECT_EQ(ma6.Label3.caption(), "行き先を入力してください");

    // Opening ends nothing: the step still waits with its buttons as offered.
    step.program.advance(1000);
    EXPECT_FALSE(ma6.Command36.enabled());
    EXPECT_EQ(states(commands(step.ma1)), before);
    EXPECT_FALSE(step.ma1.Timer1.enabled());
    EXPECT_FALSE(step.ma1.Timer2.enabled());
    EXPECT_EQ(table(step.program), cells);
  }
}

TEST(MovementScreen, DestinationButtonsCarryTheirOwnCaptionsInTwoColumns) {
  Step step;
  MovementScreen& ma6 = step.open();
  EXPECT_EQ(ma6.x(0).caption(), "グラドウェン防壁");
  EXPECT_EQ(ma6.x(1).caption(), "サン･スー地域");  // halfwidth dot, unlike the table
  EXPECT_EQ(ma6.x(26).caption(), "ジョージン宮殿");
  EXPECT_EQ(ma6.x(23).caption(), "ムルウ山林");
  EXPECT_EQ(ma6.x(33).caption(), "ムルウ山林");
  EXPECT_EQ(ma6.x(34).caption(), "リンディー森林");
  EXPECT_EQ(ma6.x(0).at(), (ui::Rect{120, 360, 3015, 375}));
  EXPECT_EQ(ma6.x(1).at(), (ui::Rect{3120, 360, 3015, 375}));
  EXPECT_EQ(ma6.x(34).at(), (ui::Rect{120, 6480, 3015, 375}));
  EXPECT_EQ(&ma6.x(7), ma6.find("x7"));
}

TEST(MovementScreen, ChosenDestinationShowsItsTableNameOnTheNextTick) {
  Step step(kZaan, 27);
  MovementScreen& ma6 = step.open();

  // Another nation's territory cannot be chosen.
  step.choose(ma6, 25);
  EXPECT_EQ(ma6.Label1.caption(), "");
  EXPECT_FALSE(ma6.Command36.enabled());

  step.program.click(ma6.x(26));
  EXPECT_EQ(ma6.Label1.caption(), "26");
  EXPECT_FALSE(ma6.Command36.enabled());
  EXPECT_EQ(ma6.Label3.caption(), "行き先を入力してください");
  step.program.advance(100);
  EXPECT_TRUE(ma6.Command36.enabled());
  EXPECT_EQ(ma6.Label3.caption(), "ジョージン領");

  // A later click replaces the choice, the source's own button included.
  step.choose(ma6, 27);
  EXPECT_EQ(ma6.Label1.caption(), "27");
  EXPECT_EQ(ma6.Label3.caption(), "ヴォムルドー城");

  // The movement button again brings the open screen forward as it stands.
  EXPECT_EQ(&step.open(), &ma6);
  EXPECT_EQ(ma6.Label1.caption(), "27");
  EXPECT_EQ(ma6.shows(), 2);
}

TEST(MovementScreen, AmountsGrowByTheirStepsAndFallToZeroBeyondWhatTheSourceHeld) {
  using Press = ui::Button MovementScreen::*;
  struct Case {
    const char* soldiers;
    const char* armament;
    const char* funds;
    std::vector<Press> presses;
    const char* amounts;  // soldiers, armament, funds to move
  };
  const Case cases[] = {
      // The comparison is numeric: "100" is more than "90" and "500" less than
      // "1200", though as texts both sort the other way.
      {"90", "0", "0", {&MovementScreen::Command43}, "0 0 0"},
      {"90", "0", "0", {&MovementScreen::Command42, &MovementScreen::Command41}, "60 0 0"},
      {"1200", "0", "0", {&MovementScreen::Command44, &MovementScreen::Command44}, "1000 0 0"},
      {"1200",
       "0",
       "0",
       {&MovementScreen::Command44, &MovementScreen::Command44, &MovementScreen::Command44},
       "0 0 0"},
      // After an overshoot the amount grows again from 0.
      {"1200",
       "0",
       "0",
       {&MovementScreen::Command44, &MovementScreen::Command44, &MovementScreen::Command44,
        &MovementScreen::Command41},
       "10 0 0"},
      {"0",
       "300",
       "0",
       {&MovementScreen::Command45, &MovementScreen::Command46, &MovementScreen::Command47,
        &MovementScreen::Command47},
       "0 260 0"},
      {"0", "300", "0", {&MovementScreen::Command48}, "0 0 0"},
      // An amount equal to what the source holds is accepted.
      {"0", "0", "500", {&MovementScreen::Command51}, "0 0 500"},
      {"0",
       "0",
       "1610",
       {&MovementScreen::Command52, &MovementScreen::Command51, &MovementScreen::Command50,
        &MovementScreen::Command49},
       "0 0 1610"},
      {"0",
       "0",
       "1610",
       {&MovementScreen::Command52, &MovementScreen::Command52, &MovementScreen::Command49},
       "0 0 10"},
      // Each group is bounded by its own holding only.
      {"100",
       "50",
       "10",
       {&MovementScreen::Command43, &MovementScreen::Command46, &MovementScreen::Command49,
        &MovementScreen::Command45},
       "100 0 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.soldiers << " " << c.armament << " " << c.funds << " -> " << c.amounts);
    Step step;
    step.hold(23, c.soldiers, c.armament, c.funds);
    MovementScreen& ma6 = step.open();
    for (Press press : c.presses) step.program.click(ma6.*press);
    EXPECT_EQ(ma6.Label4.caption() + " " + ma6.Label5.caption() + " " + ma6.Label6.caption(),
              c.amounts);
    EXPECT_EQ(step.holds(23), std::string(c.soldiers) + " " + c.armament + " " + c.funds);
  }
}

TEST(MovementScreen, MoveTakesFromTheSourceGivesToTheDestinationAndEndsTheStep) {
  using Press = ui::Button MovementScreen::*;
  struct Case {
    const char* name;
    int destination;
    std::vector<Press> presses;
    const char* source;  // soldiers armament funds of 23 afterwards
    const char* target;  // and of the destination
  };
  // 23 holds 250 soldiers, 120 armament and 700 funds; 24 holds 180, 60, 1000.
  const Case cases[] = {
      {"a part of each",
       24,
       {&MovementScreen::Command43, &MovementScreen::Command42, &MovementScreen::Command45,
        &MovementScreen::Command50, &MovementScreen::Command50},
       "100 110 500",
       "330 70 1200"},
      {"everything the source holds",
       24,
       {&MovementScreen::Command43, &MovementScreen::Command43, &MovementScreen::Command42,
        &MovementScreen::Command47, &MovementScreen::Command45, &MovementScreen::Command45,
        &MovementScreen::Command51, &MovementScreen::Command50, &MovementScreen::Command50},
       "0 0 0",
       "430 180 1700"},
      {"nothing at all", 24, {}, "250 120 700", "180 60 1000"},
      {"onto the source itself",
       23,
       {&MovementScreen::Command43, &MovementScreen::Command47, &MovementScreen::Command51},
       "250 120 700",
       "250 120 700"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Step step;
    step.hold(23, "250", "120", "700");
    step.hold(24, "180", "60", "1000");
    std::vector<std::string> expected = table(step.program);
    MovementScreen& ma6 = step.open();
    for (Press press : c.presses) step.program.click(ma6.*press);
    step.choose(ma6, c.destination);
    step.program.click(ma6.Command36);

    EXPECT_EQ(step.holds(23), c.source);
    EXPECT_EQ(step.holds(c.destination), c.target);
    // No other cell moves.
    std::vector<std::string> cells = table(step.program);
    for (int i : {23, c.destination})
      for (int column : {6, 8, 9}) cells[i * 10 + column] = expected[i * 10 + column];
    EXPECT_EQ(cells, expected);

    EXPECT_FALSE(step.program.ma6.loaded());
    support::expectStepEndedAndSweepGoesOn(step.program, "24");
  }
}

TEST(MovementScreen, ClosingTheWindowMovesNothingAndTheStepGoesOnWaiting) {
  Step step;
  const std::string before = states(commands(step.ma1));
  const std::vector<std::string> cells = table(step.program);
  MovementScreen& ma6 = step.open();
  step.program.click(ma6.Command43);
  step.choose(ma6, 24);

  step.program.closeBox(ma6);
  EXPECT_FALSE(step.program.ma6.loaded());
  EXPECT_EQ(table(step.program), cells);
  EXPECT_EQ(states(commands(step.ma1)), before);
  step.program.advance(1000);
  EXPECT_FALSE(step.ma1.Timer1.enabled());
  EXPECT_FALSE(step.ma1.Timer2.enabled());
  EXPECT_EQ(step.ma1.count1.caption(), "23");

  // Opened again, the screen starts from its design-time state.
  MovementScreen& again = step.open();
  EXPECT_EQ(again.Label4.caption(), "0");
  EXPECT_EQ(again.Label1.caption(), "");
  EXPECT_EQ(again.Label3.caption(), "行き先を入力してください");
  EXPECT_FALSE(again.Command36.enabled());
}

TEST(MovementScreen, AnotherCommandThatEndsTheStepClosesTheScreenUnused) {
  Step step;
  step.hold(23, "250", "120", "700");
  const std::vector<std::string> cells = table(step.program);
  MovementScreen& ma6 = step.open();
  step.program.click(ma6.Command43);
  step.choose(ma6, 24);

  step.program.click(step.ma1.Command9);
  EXPECT_FALSE(step.program.ma6.loaded());
  EXPECT_EQ(table(step.program), cells);
  support::expectStepEndedAndSweepGoesOn(step.program, "24");
}

TEST(MovementScreen, MoveAlsoClosesAnInvestmentDialogLeftOpenInTheSameStep) {
  Step step;
  MovementScreen& ma6 = step.open();
  step.program.click(step.ma1.Command1);
  ASSERT_TRUE(step.program.kin.shown());
  step.choose(ma6, 24);
  step.program.click(ma6.Command36);

  EXPECT_FALSE(step.program.kin.loaded());
  EXPECT_EQ(step.ma1.com.caption(), "0");
  support::expectStepEndedAndSweepGoesOn(step.program, "24");
}

TEST(MovementScreen, OutsideAStepOrWithoutAnOfferedDestinationNothingMoves) {
  struct Case {
    const char* count1;
    // Written into Label1 after a valid choice: no territory, or 25, which
    // another nation rules. Empty names none, though its value 0 names one
    // of the player's territories here.
    const char* chosen;
  };
  const Case cases[] = {{"-1", nullptr}, {"35", nullptr}, {"23", "25"},
                        {"23", "99"},    {"23", "-1"},    {"23", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count1 << " " << (c.chosen ? c.chosen : ""));
    Step step;
    step.program.da2().m(0).setCaption(kDogol);
    step.ma1.count1.setCaption(c.count1);
    const bool timer2 = step.ma1.Timer2.enabled();
    const std::string before = states(commands(step.ma1));
    const std::vector<std::string> cells = table(step.program);

    step.program.ma6.show();
    MovementScreen& ma6 = step.program.ma6();
    step.program.click(ma6.Command43);
    step.choose(ma6, 24);
    if (c.chosen) {
      ma6.Label1.setCaption(c.chosen);
      step.program.advance(100);
      EXPECT_EQ(ma6.Label3.caption(), "ヌン僧院");
    }
    step.program.click(ma6.Command36);

    EXPECT_EQ(table(step.program), cells);
    EXPECT_EQ(states(commands(step.ma1)), before);
    EXPECT_EQ(step.ma1.Timer2.enabled(), timer2);
    // Without a source the screen closes; without a destination it stays.
    EXPECT_EQ(step.program.ma6.loaded(), c.chosen != nullptr);
  }
}
