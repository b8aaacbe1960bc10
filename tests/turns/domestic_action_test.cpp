// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/domestic_action.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "screens/program.h"
#include "turns/computer_turn.h"
#include "ui/convert.h"

namespace {

using Cells = std::map<std::string, double>;  // column name -> value of territory 0's row

ui::Label& cell(Program& program, const std::string& column, int i) {
  if (column == "m") return program.da2().m(i);
  if (column == "r") return program.da2().r(i);
  if (column == "u") return program.da2().u(i);
  if (column == "z") return program.da2().z(i);
  if (column == "q") return program.da3().q(i);
  if (column == "w") return program.da3().w(i);
  if (column == "s") return program.da3().s(i);
  if (column == "d") return program.da3().d(i);
  return program.da3().f(i);
}

// Territory 0 with every value of its row fixed, so a case shows only what
// changes; the player's nation rules nothing of it.
struct DomesticActionTest : ::testing::Test {
  Program program;
  const std::vector<std::string> columns{"m", "r", "u", "z", "q", "w", "s", "d", "f"};

  void SetUp() override {
    program.seed(1);
    program.ma1().mm.setCaption("25");
    for (const auto& [column, value] : Cells{{"m", 0},
                                             {"r", 100},
                                             {"u", 100},
                                             {"z", 0},
                                             {"q", 100},
                                             {"w", 100},
                                             {"s", 150},
                                             {"d", 0},
                                             {"f", 100}})
      cell(program, column, 0).setCaption(value);
  }
  Cells row() {
    Cells values;
    for (const std::string& column : columns)
      values[column] = ui::Val(cell(program, column, 0).caption());
    return values;
  }
};

// A draw that makes Int(Rnd * 10) + 1 the action number k.
float action(int k) { return (k - 1) / 10.0f + 0.05f; }

TEST_F(DomesticActionTest, ChoosesByActionNumberAndLoyaltyAndPaysFromTheFunds) {
  struct Case {
    const char* what;
    Cells before;
    std::vector<float> draws;  // k first, then the rise (0.5: Int(0.5 * N) + 1)
    Cells changed;
  };
  const Case cases[] = {
      {"loyalty 50, k 1: the lowest band invests in the people",
       {{"s", 50}, {"d", 1000}},
       {action(1), 0.5f},
       {{"s", 81}, {"d", 0}}},
      {"loyalty 50, k 7: still the people",
       {{"s", 50}, {"d", 500}},
       {action(7), 0.5f},
       {{"s", 66}, {"d", 0}}},
      {"loyalty 50, k 8: commerce",
       {{"s", 50}, {"d", 1000}},
       {action(8), 0.5f},
       {{"r", 151}, {"d", 0}}},
      {"loyalty 50, k 10: commerce, by number",
       {{"s", 50}, {"d", 999}},
       {action(10), 0.5f},
       {{"r", 126}, {"d", 499}}},
      {"loyalty 50, funds short, a hunting nation hunts",
       {{"s", 50}, {"d", 499}},
       {action(9), 0.5f},
       {{"d", 550}}},
      {"loyalty 100 uses the table: k 2 invests in the people",
       {{"s", 100}, {"d", 500}},
       {action(2), 0.5f},
       {{"s", 126}, {"d", 0}}},
      {"loyalty 200 uses the table",
       {{"s", 200}, {"d", 1000}},
       {action(1), 0.5f},
       {{"r", 176}, {"d", 0}}},
      {"loyalty 201 is lowered to 200 first",
       {{"s", 201}, {"d", 1000}},
       {action(3), 0.5f},
       {{"s", 200}, {"u", 176}, {"d", 0}}},
      {"k 1 at funds 999", {{"d", 999}}, {action(1), 0.5f}, {{"r", 146}, {"d", 499}}},
      {"k 1 at funds 499 outside the hunting nations", {{"m", 2}, {"d", 499}}, {action(1)}, {}},
      {"k 3 at funds 100 inside the hunting nations",
       {{"d", 100}},
       {action(3), 0.5f},
       {{"d", 151}}},
      {"k 8 commerce", {{"d", 1000}}, {action(8), 0.5f}, {{"r", 151}, {"d", 0}}},
      {"k 9 people", {{"d", 600}}, {action(9), 0.5f}, {{"s", 176}, {"d", 100}}},
      {"k 10 agriculture", {{"d", 2000}}, {action(10), 0.5f}, {{"u", 171}, {"d", 1000}}},
      {"k 6 at funds 1000 takes the lower row",
       {{"d", 1000}},
       {action(6), 0.5f},
       {{"w", 136}, {"d", 500}}},
      {"k 6 at funds 1001", {{"d", 1001}}, {action(6), 0.5f}, {{"w", 151}, {"d", 1}}},
      {"k 6 at funds 500 does nothing, not even hunting", {{"d", 500}}, {action(6)}, {}},
      {"k 7 at funds 501", {{"d", 501}}, {action(7), 0.5f}, {{"q", 126}, {"d", 1}}},
      {"k 4, a faith nation with funds 0: loyalty rises free",
       {{"m", 14}},
       {action(4), 0.5f},
       {{"s", 201}}},
      {"k 4, no port, funds 300: soldiers, and the funds go to 0",
       {{"m", 2}, {"d", 300}},
       {action(4), 0.5f},
       {{"f", 151}, {"d", 0}}},
      {"k 4, no port, funds 800",
       {{"m", 2}, {"d", 800}},
       {action(4), 0.5f},
       {{"f", 151}, {"d", 300}}},
      {"k 4 with a port does nothing", {{"m", 2}, {"z", 230}, {"d", 300}}, {action(4)}, {}},
      {"k 5, port 230, funds 400",
       {{"z", 230}, {"d", 400}},
       {action(5), 0.5f},
       {{"z", 281}, {"d", 0}}},
      {"k 5, no port, funds 1000", {{"d", 1000}}, {action(5), 0.5f}, {{"f", 151}, {"d", 0}}},
      {"k 5, no port, funds 999", {{"d", 999}}, {action(5), 0.5f}, {{"f", 151}, {"d", 0}}},
      {"k 5, no port, negative funds are lifted to 0",
       {{"d", -41}},
       {action(5), 0.5f},
       {{"f", 151}, {"d", 0}}},
  };
  for (const Case& c : cases) {
    SetUp();
    for (const auto& [column, value] : c.before) cell(program, column, 0).setCaption(value);
    Cells expected = row();
    for (const auto& [column, value] : c.changed) expected[column] = value;
    for (float draw : c.draws) program.random().queue(draw);
    turns::domesticAction(program, 0);
    EXPECT_EQ(row(), expected) << c.what;
    EXPECT_EQ(program.ma1().k.caption(), ui::CStr(ui::Int(c.draws[0] * 10) + 1)) << c.what;
    // Every queued draw was used: the rules take no draw more or less.
    program.random().queue(0.75f);
    EXPECT_EQ(program.random().Rnd(), 0.75f) << c.what;
  }
}

TEST_F(DomesticActionTest, ARiseThatPassesALimitIsClampedWithinTheSameCommandPhase) {
  cell(program, "r", 0).setCaption("1950");
  cell(program, "d", 0).setCaption("999");
  program.ma1().count1.setCaption("0");
  program.ma1().count2.setCaption("1");
  program.random().queue(action(1));
  program.random().queue(0.99f);  // commerce rises by 90
  turns::computerTurnTick(program);
  EXPECT_EQ(program.ma1().count2.caption(), "2");
  EXPECT_EQ(cell(program, "r", 0).caption(), "2000");
  EXPECT_EQ(cell(program, "d", 0).caption(), "999");  // 499 left, and 500 for the clamp
}

TEST_F(DomesticActionTest, AYearOfActionsNeverDrivesFundsNegativeAndEndsWithinTheLimits) {
  Program world;
  std::int64_t moment = 0;  // a new moment for every reseed
  world.random().fix(7, [&moment] { return moment; });
  for (int month = 0; month < 12; ++month) {
    for (int i = 0; i < 35; ++i) {
      const double funds = ui::Val(world.da3().d(i).caption());
      turns::domesticAction(world, i);
      EXPECT_GE(ui::Val(world.da3().d(i).caption()), std::min(funds, 0.0)) << i;
      turns::endOfStepLimits(world, i);
      EXPECT_LE(ui::Val(world.da2().r(i).caption()), 2000);
      EXPECT_LE(ui::Val(world.da2().u(i).caption()), 2000);
      EXPECT_LE(ui::Val(world.da2().z(i).caption()), 1500);
      EXPECT_LE(ui::Val(world.da3().w(i).caption()), 300);
      EXPECT_LE(ui::Val(world.da3().q(i).caption()), 500);
      EXPECT_LE(ui::Val(world.da3().f(i).caption()), 1000);
      EXPECT_LE(ui::Val(world.da3().s(i).caption()), 200);
      moment += 2000;
    }
  }
}

}  // namespace
