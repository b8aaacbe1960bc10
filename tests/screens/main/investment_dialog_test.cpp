// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "screens/program.h"
#include "support/main_screen_steps.h"
#include "ui/convert.h"

namespace {

using support::commands;
using support::states;

// Queued after the draws a case expects, to see that no more were taken.
constexpr float kUntouched = 0.125f;

// Territories by their ruler's kind of investment gain.
constexpr int kPlain = 12;   // カイ武装団: gains as paid
constexpr int kRaised = 2;   // ウォール共和国: gains raised by half
constexpr int kHarbour = 5;  // エドワード港, raised, with a port

// A game at the player's step on territory i, reached as the clock reaches
// it: the player rules i, Timer1 opens its step and Timer2 hands it over.
struct Step {
  explicit Step(int territory) : i(territory) {
    program.seed(1);
    program.ma1.show();
    ma1.mm.setCaption(program.da2().m(i).caption());
    ma1.count1.setCaption(i - 1);
    program.advance(1500);
  }

  // Opens the dialog with the main screen's button for the code.
  InvestmentDialog& open(int code) {
    program.click(code == 9 ? ma1.Command10 : *commands(ma1)[code - 1]);
    return program.kin();
  }
  // The dialog's amount buttons, 100 to 4000.
  std::vector<ui::Button*> amounts() {
    InvestmentDialog& kin = program.kin();
    return {&kin.Command1, &kin.Command2, &kin.Command3,
            &kin.Command4, &kin.Command5, &kin.Command6};
  }
  void queue(const std::vector<float>& draws) {
    for (float draw : draws) program.random().queue(draw);
    program.random().queue(kUntouched);
  }
  ui::Label& funds() { return program.da3().d(i); }
  ui::Label& column(int code) {
    switch (code) {
      case 1:
        return program.da2().r(i);
      case 2:
        return program.da2().u(i);
      case 3:
        return program.da2().z(i);
      case 4:
        return program.da3().q(i);
      case 5:
        return program.da3().w(i);
      case 6:
        return program.da3().s(i);
      default:
        return program.da3().f(i);
    }
  }

  Program program;
  MainScreen& ma1 = program.ma1();
  int i;
};

}  // namespace

TEST(InvestmentDialog, OpensOnTheTerritoryWithTheValueOfItsCode) {
  struct Case {
    int code;
    const char* heading;
    const char* value;  // of territory 5 in the scenario
  };
  const Case cases[] = {
      {1, "現在商業価値", "90"}, {2, "現在農業価値", "30"}, {3, "現在港価値", "230"},
      {4, "現在城価値", "20"},   {5, "現在武装価値", "50"}, {6, "現在民価値", "100"},
      {9, "現在兵士数", "120"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    Step step(kHarbour);
    ASSERT_EQ(step.ma1.Label33.caption(), "あなたのターンです");
    InvestmentDialog& kin = step.open(c.code);
    EXPECT_TRUE(step.program.kin.shown());
    EXPECT_EQ(step.ma1.com.caption(), std::to_string(c.code));
    EXPECT_EQ(kin.Label1.caption(), "エドワード港");
    EXPECT_EQ(kin.Label2.caption(), c.heading);
    EXPECT_EQ(kin.Label3.caption(), c.value);
    EXPECT_EQ(kin.Label4.caption(), "");
  }
}

TEST(InvestmentDialog, OffersTheAmountsTheFundsCover) {
  struct Case {
    const char* funds;
    const char* offered;  // 100, 300, 500, 1000, 2000, 4000
  };
  const Case cases[] = {
      {"-50", "000000"},  {"0", "000000"},    {"99", "000000"},   {"100", "100000"},
      {"299", "100000"},  {"300", "110000"},  {"999", "111000"},  {"1000", "111100"},
      {"3999", "111110"}, {"4000", "111111"}, {"9000", "111111"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("funds ") + c.funds);
    Step step(kPlain);
    step.funds().setCaption(c.funds);
    step.open(1);
    EXPECT_EQ(states(step.amounts()), c.offered);
  }
}

TEST(InvestmentDialog, AnAmountButtonChoosesItsAmountAndChoosingAgainReplacesIt) {
  const char* chosen[] = {"100", "300", "500", "1000", "2000", "4000"};
  Step step(kPlain);
  InvestmentDialog& kin = step.open(1);
  for (int b = 0; b < 6; ++b) {
    step.program.click(*step.amounts()[b]);
    EXPECT_EQ(kin.Label4.caption(), chosen[b]);
  }
  step.program.click(kin.Command2);
  EXPECT_EQ(kin.Label4.caption(), "300");
}

TEST(InvestmentDialog, ExecuteRaisesTheValueAndSpendsTheAmount) {
  struct Case {
    int territory;
    int code;
    int amount;  // the amount button, 0 for 100 to 5 for 4000
    const char* loyalty;
    const char* before;
    std::vector<float> draws;  // G1, G2 and the code's own third draw
    const char* after;
    const char* message;
    const char* funds;  // of 5000
  };
  const Case cases[] = {
      // G1 at 100 with loyalty 100: 11 to 13 as paid, 16, 18, 19 raised by half.
      {kPlain, 1, 0, "100", "460", {0.0f, 0.0f}, "471", "商業価値が11上昇しました", "4900"},
      {kPlain, 1, 0, "100", "460", {0.5f, 0.0f}, "472", "商業価値が12上昇しました", "4900"},
      {kPlain, 1, 0, "100", "460", {0.9f, 0.0f}, "473", "商業価値が13上昇しました", "4900"},
      {kRaised, 1, 0, "100", "170", {0.0f, 0.0f}, "186", "商業価値が16上昇しました", "4900"},
      {kRaised, 1, 0, "100", "170", {0.5f, 0.0f}, "188", "商業価値が18上昇しました", "4900"},
      {kRaised, 1, 0, "100", "170", {0.9f, 0.0f}, "189", "商業価値が19上昇しました", "4900"},
      {kPlain, 1, 0, "100", "1999", {0.0f, 0.0f}, "2000", "商業価値が2000になりました", "4900"},
      {kPlain, 1, 0, "100", "2000", {0.0f, 0.0f}, "2000", "商業価値が2000になりました", "4900"},
      {kPlain, 2, 3, "140", "40", {0.5f, 0.0f}, "182", "農業価値が142上昇しました", "4000"},
      {kPlain, 2, 0, "100", "1999", {0.0f, 0.0f}, "2000", "農業価値が2000になりました", "4900"},
      {kHarbour, 3, 2, "100", "230", {0.0f, 0.9f}, "306", "港価値が76上昇しました", "4500"},
      {kHarbour, 3, 0, "100", "1499", {0.0f, 0.0f}, "1500", "港価値が1500になりました", "4900"},
      {kPlain, 4, 1, "100", "10", {0.0f, 0.0f}, "41", "城価値が31上昇しました", "4700"},
      {kPlain, 4, 0, "100", "499", {0.0f, 0.0f}, "500", "城価値が500になりました", "4900"},
      // Armament: G3 is the amount divided by a third draw of 10 to 29.
      {kPlain, 5, 2, "100", "80", {0.0f, 0.0f, 0.5f}, "105", "武装度が25上昇しました", "4500"},
      {kPlain, 5, 5, "100", "80", {0.0f, 0.0f, 0.99f}, "217", "武装度が137上昇しました", "1000"},
      {kPlain, 5, 5, "100", "80", {0.0f, 0.0f, 0.0f}, "300", "武装度が300になりました", "1000"},
      {kRaised, 5, 2, "100", "200", {0.9f, 0.9f, 0.5f}, "225", "武装度が25上昇しました", "4500"},
      // People: G2, capped at 200 with its own message.
      {kRaised, 6, 2, "150", "150", {0.0f, 0.5f}, "160", "民忠誠度が10上昇しました", "4500"},
      {kPlain, 6, 0, "199", "199", {0.0f, 0.0f}, "200", "民忠誠度が200に達しました", "4900"},
      {kPlain, 6, 0, "198", "198", {0.0f, 0.0f}, "200", "民忠誠度が200に達しました", "4900"},
      {kPlain, 6, 0, "197", "197", {0.0f, 0.0f}, "199", "民忠誠度が2上昇しました", "4900"},
      // Conscription: R from a third draw, never raised.
      {kPlain, 9, 4, "100", "140", {0.0f, 0.0f, 0.5f}, "251", "兵士を111人徴兵しました", "3000"},
      {kRaised, 9, 0, "100", "200", {0.9f, 0.9f, 0.0f}, "206", "兵士を6人徴兵しました", "4900"},
      {kPlain, 9, 0, "100", "999", {0.0f, 0.0f, 0.0f}, "1000", "兵士が1000人になりました", "4900"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("territory " + std::to_string(c.territory) + " code " + std::to_string(c.code) +
                 " from " + c.before);
    Step step(c.territory);
    step.funds().setCaption("5000");
    step.program.da3().s(c.territory).setCaption(c.loyalty);
    step.column(c.code).setCaption(c.before);
    InvestmentDialog& kin = step.open(c.code);
    step.program.click(*step.amounts()[c.amount]);
    step.queue(c.draws);
    step.program.click(kin.Command8);
    EXPECT_EQ(step.column(c.code).caption(), c.after);
    EXPECT_EQ(step.ma1.Label33.caption(), c.message);
    EXPECT_EQ(step.funds().caption(), c.funds);
    EXPECT_EQ(step.program.random().Rnd(), kUntouched);
  }
}

// Territory 30 starts with its castle above the cap: the step still offers
// castle investment, the end-of-step limits bring the castle down to 500 before
// the player acts, and the investment can then only report the cap.
TEST(InvestmentDialog, ACastleThatStartsAboveItsCapCanOnlyReachTheCap) {
  constexpr int kTower = 30;  // ドラーゲン塔, castle 510
  Step step(kTower);
  ASSERT_TRUE(step.ma1.Command4.enabled());
  const double funds = ui::Val(step.funds().caption());
  InvestmentDialog& kin = step.open(4);
  EXPECT_EQ(kin.Label3.caption(), "500");
  step.program.click(kin.Command1);
  step.queue({0.9f, 0.9f});
  step.program.click(kin.Command8);
  EXPECT_EQ(step.column(4).caption(), "500");
  EXPECT_EQ(step.ma1.Label33.caption(), "城価値が500になりました");
  EXPECT_EQ(ui::Val(step.funds().caption()), funds - 100);
}

TEST(InvestmentDialog, ExecuteWithoutAnAmountSpendsNothingAndStillGains) {
  struct Case {
    int territory;
    int code;
    std::vector<float> draws;
    const char* after;
    const char* message;
  };
  const Case cases[] = {
      {kPlain, 1, {0.0f, 0.0f}, "461", "商業価値が1上昇しました"},
      {kRaised, 1, {0.9f, 0.0f}, "174", "商業価値が4上昇しました"},
      {kPlain, 5, {0.0f, 0.0f, 0.5f}, "80", "武装度が0上昇しました"},
      {kRaised, 6, {0.0f, 0.9f}, "54", "民忠誠度が4上昇しました"},
      {kPlain, 9, {0.0f, 0.0f, 0.99f}, "160", "兵士を20人徴兵しました"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("territory " + std::to_string(c.territory) + " code " + std::to_string(c.code));
    Step step(c.territory);
    const std::string funds = step.funds().caption();
    InvestmentDialog& kin = step.open(c.code);
    step.queue(c.draws);
    step.program.click(kin.Command8);
    EXPECT_EQ(step.column(c.code).caption(), c.after);
    EXPECT_EQ(step.ma1.Label33.caption(), c.message);
    EXPECT_EQ(step.funds().caption(), funds);
    EXPECT_EQ(step.program.random().Rnd(), kUntouched);
  }
}

TEST(InvestmentDialog, ExecuteEndsTheStepAndTheSweepGoesOn) {
  Step step(kPlain);
  InvestmentDialog& kin = step.open(4);
  step.program.click(kin.Command3);
  step.program.click(kin.Command8);

  EXPECT_FALSE(step.program.kin.loaded());
  EXPECT_EQ(step.ma1.com.caption(), "0");
  support::expectStepEndedAndSweepGoesOn(step.program, "13");
}

TEST(InvestmentDialog, AnotherInvestmentButtonSwitchesTheCodeOfTheOpenDialog) {
  struct Case {
    int code;           // clicked while the dialog for commerce is open
    const char* after;  // agriculture of territory 12 after execute
  };
  const Case cases[] = {{2, "55"}, {7, "40"}};  // 7: military action, which invests nothing
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    Step step(kPlain);
    InvestmentDialog& kin = step.open(1);
    const std::uint64_t serial = kin.serial();
    step.program.click(kin.Command1);
    step.program.click(*commands(step.ma1)[c.code - 1]);
    EXPECT_EQ(step.ma1.com.caption(), std::to_string(c.code));
    EXPECT_EQ(step.program.kin().serial(), serial);
    EXPECT_EQ(kin.Label2.caption(), "現在商業価値");
    EXPECT_EQ(kin.Label4.caption(), "100");

    step.queue({0.0f, 0.0f});
    step.program.click(kin.Command8);
    EXPECT_EQ(step.program.da2().r(kPlain).caption(), "460");
    EXPECT_EQ(step.program.da2().u(kPlain).caption(), c.after);
    EXPECT_EQ(step.funds().caption(), "5500");
    EXPECT_EQ(step.program.random().Rnd(), kUntouched);
  }
}

TEST(InvestmentDialog, CancelAndTheCloseBoxLeaveTheStepOpen) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "cancel");
    Step step(kHarbour);
    const std::string offered = states(commands(step.ma1));
    step.funds().setCaption("800");
    InvestmentDialog& kin = step.open(3);
    step.program.click(kin.Command3);
    step.queue({});
    if (closeBox)
      step.program.closeBox(kin);
    else
      step.program.click(kin.Command7);

    EXPECT_FALSE(step.program.kin.loaded());
    EXPECT_EQ(step.ma1.com.caption(), "0");
    EXPECT_EQ(states(commands(step.ma1)), offered);
    EXPECT_FALSE(step.ma1.Timer1.enabled());
    EXPECT_FALSE(step.ma1.Timer2.enabled());
    EXPECT_EQ(step.funds().caption(), "800");
    EXPECT_EQ(step.program.da2().z(kHarbour).caption(), "230");
    EXPECT_EQ(step.program.random().Rnd(), kUntouched);

    // Opened again, it starts afresh, with the funds of now.
    step.funds().setCaption("300");
    InvestmentDialog& again = step.open(2);
    EXPECT_EQ(again.Label2.caption(), "現在農業価値");
    EXPECT_EQ(again.Label4.caption(), "");
    EXPECT_EQ(states(step.amounts()), "110000");
  }
}

// A command that ends the step while the dialog is open closes the dialog
// first, so that it cannot act on whatever territory the sweep reaches next.
TEST(InvestmentDialog, TheDialogClosesWhenAnotherCommandEndsTheStep) {
  constexpr int kBlue = 18;  // 青き民: plunder, hunting and missionary work
  for (int n : {9, 12, 13, 15}) {
    SCOPED_TRACE("Command" + std::to_string(n));
    Step step(kBlue);
    InvestmentDialog& kin = step.open(1);
    step.program.click(kin.Command1);
    step.program.click(*commands(step.ma1)[n - 1]);

    EXPECT_FALSE(step.program.kin.loaded());
    EXPECT_EQ(step.ma1.com.caption(), "0");
    EXPECT_EQ(states(commands(step.ma1)), std::string(15, '0'));
    if (n == 9) {
      EXPECT_EQ(step.funds().caption(), "1200");
    }

    // The sweep goes on with one timer at a time.
    for (int tick = 0; tick < 20; ++tick) {
      step.program.advance(500);
      EXPECT_FALSE(step.ma1.Timer1.enabled() && step.ma1.Timer2.enabled());
    }
    EXPECT_EQ(step.ma1.count1.caption(), "23");
    EXPECT_EQ(step.program.da2().r(kBlue).caption(), "0");
  }
}
