// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attack_step.h"
#include "screens/program.h"
#include "support/main_screen_steps.h"

namespace {

using attack::Step;
using support::commands;
using support::states;

// 遊牧の民ジン (nation 16) rules トムロ草原 (20) alone; its neighbour アグリ城
// (19) belongs to ゴール帝国 (15).
constexpr int kSource = 20;
constexpr int kTarget = 19;

}  // namespace

TEST(AttackConfirmation, ShowsBothSidesAsTheyStandWhenItOpens) {
  Step step(kSource);
  TerritoryStrength& da3 = step.program.da3();
  // The defender's values of the moment the screen opens, not the scenario's.
  da3.f(kTarget).setCaption("77");
  AttackConfirmation& ma4 = step.confirm(kTarget, &AttackSetup::Command5, &AttackSetup::Command10);
  EXPECT_TRUE(step.program.ma4.shown());

  EXPECT_EQ(ma4.Image2.picture(), "da1.t(16)");
  EXPECT_EQ(ma4.Label5.caption(), "遊牧の民ジン");
  EXPECT_EQ(ma4.Label10.caption(), "100");
  EXPECT_EQ(ma4.Label12.caption(), "10");
  EXPECT_EQ(ma4.Label14.caption(), "40");

  EXPECT_EQ(ma4.Image1.picture(), "da1.t(15)");
  EXPECT_EQ(ma4.Label1.caption(), "ゴール帝国");
  EXPECT_EQ(ma4.Label6.caption(), "77");
  EXPECT_EQ(ma4.Label7.caption(), "130");
  EXPECT_EQ(ma4.Label8.caption(), "310");

  // Taken once: later changes do not show.
  da3.f(kTarget).setCaption("500");
  step.program.advance(1000);
  EXPECT_EQ(ma4.Label6.caption(), "77");
}

TEST(AttackConfirmation, OkSendsTheForceOutAndOpensTheBattle) {
  using B = ui::Button AttackSetup::*;
  struct Case {
    const char* soldiers;
    const char* armament;
    std::vector<B> presses;
    const char* soldiersLeft;
    const char* armamentLeft;
  };
  const Case cases[] = {
      // All 130 soldiers and 50 of 200 armament: one soldier stays behind.
      {"130",
       "200",
       {&AttackSetup::Command5, &AttackSetup::Command3, &AttackSetup::Command3,
        &AttackSetup::Command3, &AttackSetup::Command11},
       "1",
       "151"},
      {"130", "200", {&AttackSetup::Command5, &AttackSetup::Command13}, "31", "1"},
      {"1000", "300", {&AttackSetup::Command7, &AttackSetup::Command9}, "501", "296"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.soldiersLeft) + " " + c.armamentLeft);
    Step step(kSource);
    TerritoryStrength& da3 = step.program.da3();
    da3.f(kSource).setCaption(c.soldiers);
    da3.w(kSource).setCaption(c.armament);
    AttackSetup& ma3 = step.openSetup();
    step.program.click(ma3.s(kTarget));
    step.program.advance(100);
    for (B press : c.presses) step.program.click(ma3.*press);
    step.program.click(ma3.Command1);
    AttackConfirmation& ma4 = step.program.ma4();
    const std::string defender = da3.f(kTarget).caption();

    step.program.click(ma4.Command1);
    EXPECT_EQ(da3.f(kSource).caption(), c.soldiersLeft);
    EXPECT_EQ(da3.w(kSource).caption(), c.armamentLeft);
    EXPECT_EQ(da3.f(kTarget).caption(), defender);
    EXPECT_EQ(step.ma1.Label34.caption(), "1");
    EXPECT_TRUE(step.program.ma2.shown());
    // Both stay for the battle to read.
    EXPECT_TRUE(step.program.ma3.loaded());
    EXPECT_TRUE(step.program.ma4.loaded());
    EXPECT_EQ(ma3.Label10.caption(), "19");
  }
}

TEST(AttackConfirmation, AnAttackIsCommittedOnceAndHoldsTheStep) {
  Step step(kSource);
  TerritoryStrength& da3 = step.program.da3();
  AttackConfirmation& ma4 = step.confirm(kTarget, &AttackSetup::Command5, &AttackSetup::Command10);
  step.program.click(ma4.Command1);
  EXPECT_EQ(da3.f(kSource).caption(), "41");
  EXPECT_EQ(da3.w(kSource).caption(), "31");

  // A second confirmation, its cancel or its close box change nothing.
  step.program.ma4().show();
  step.program.click(ma4.Command1);
  step.program.click(ma4.Command2);
  step.program.closeBox(ma4);
  EXPECT_TRUE(step.program.ma4.loaded());
  EXPECT_EQ(da3.f(kSource).caption(), "41");
  EXPECT_EQ(da3.w(kSource).caption(), "31");

  // No other command of the step can run under the battle; quitting can.
  std::string onlyQuit(15, '0');
  onlyQuit[10] = '1';
  EXPECT_EQ(states(commands(step.ma1)), onlyQuit);
  EXPECT_FALSE(step.ma1.Timer1.enabled());
  EXPECT_FALSE(step.ma1.Timer2.enabled());
}

TEST(AttackConfirmation, CancelReturnsToTheSetupWithNothingWritten) {
  for (bool byCloseBox : {false, true}) {
    SCOPED_TRACE(byCloseBox);
    Step step(kSource);
    TerritoryStrength& da3 = step.program.da3();
    const std::string offered = states(commands(step.ma1));
    AttackConfirmation& ma4 =
        step.confirm(kTarget, &AttackSetup::Command5, &AttackSetup::Command10);
    if (byCloseBox)
      step.program.closeBox(ma4);
    else
      step.program.click(ma4.Command2);
    EXPECT_FALSE(step.program.ma4.loaded());
    EXPECT_FALSE(step.program.ma2.loaded());
    EXPECT_EQ(da3.f(kSource).caption(), "140");
    EXPECT_EQ(da3.w(kSource).caption(), "40");
    EXPECT_EQ(step.ma1.Label34.caption(), "0");
    EXPECT_EQ(states(commands(step.ma1)), offered);

    // The setup is live again with its choices; its "O  K" loads a fresh
    // confirmation with the current ones.
    AttackSetup& ma3 = step.program.ma3();
    EXPECT_EQ(ma3.Label10.caption(), "19");
    EXPECT_EQ(ma3.Label3.caption(), "100");
    step.program.click(ma3.s(21));
    step.program.click(ma3.Command3);
    step.program.advance(100);
    step.program.click(ma3.Command1);
    AttackConfirmation& fresh = step.program.ma4();
    EXPECT_EQ(fresh.Label10.caption(), "110");
    EXPECT_EQ(fresh.Label12.caption(), "10");
    EXPECT_EQ(fresh.Label1.caption(), "エリオット皇国");
    EXPECT_EQ(fresh.Label6.caption(), "300");
    EXPECT_TRUE(fresh.Command1.enabled());
  }
}

TEST(AttackConfirmation, OkClosesTheStepsOtherOpenScreens) {
  // The investment dialog and the movement screen stay usable beside the
  // attack screens; left open under the battle, either could end the step
  // and close the screens the battle reads.
  using B = ui::Button MainScreen::*;
  struct Case {
    const char* name;
    B opener;
  };
  const Case cases[] = {{"investment", &MainScreen::Command1},
                        {"conscription", &MainScreen::Command10},
                        {"movement", &MainScreen::Command14}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Step step(kSource);
    step.program.click(step.ma1.*c.opener);
    ASSERT_TRUE(step.program.kin.loaded() || step.program.ma6.loaded());
    AttackConfirmation& ma4 =
        step.confirm(kTarget, &AttackSetup::Command5, &AttackSetup::Command10);
    step.program.click(ma4.Command1);

    EXPECT_FALSE(step.program.kin.loaded());
    EXPECT_FALSE(step.program.ma6.loaded());
    EXPECT_TRUE(step.program.ma2.shown());
    EXPECT_TRUE(step.program.ma3.loaded());
    EXPECT_TRUE(step.program.ma4.loaded());
    EXPECT_FALSE(step.ma1.Timer2.enabled());
    EXPECT_EQ(step.program.da3().f(kSource).caption(), "41");
  }
}
