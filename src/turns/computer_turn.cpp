// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/computer_turn.h"

#include <string>

#include "screens/program.h"
#include "turns/domestic_action.h"
#include "turns/military_decision.h"
#include "ui/convert.h"
#include "world/scenario.h"

namespace turns {

using ui::Val;

namespace {

void commandPhase(Program& program, int i) {
  MainScreen& ma1 = program.ma1();
  TerritoryEconomy& da2 = program.da2();
  if (Val(da2.m(i).caption()) == Val(ma1.mm.caption())) {
    ma1.playerStep(i);
  } else {
    ma1.Label33.setCaption(da2.n(i).caption() + "コマンドターン中･･･");
    domesticAction(program, i);
    militaryDecision(program, i);
  }
  endOfStepLimits(program, i);
}

}  // namespace

void computerTurnTick(Program& program) {
  MainScreen& ma1 = program.ma1();
  ma1.count2.setCaption(Val(ma1.count2.caption()) + 1);
  const std::string phase = ma1.count2.caption();
  const int i = world::territoryIndex(ma1.count1.caption());
  if (phase == "1") {
    if (i >= 0) ma1.Label33.setCaption(program.da2().n(i).caption() + "イベントターン中･･･");
  } else if (phase == "3") {
    ma1.count2.setCaption("0");
    ma1.Timer1.setEnabled(true);
    ma1.Timer2.setEnabled(false);
  } else if (phase == "2" && i >= 0) {
    commandPhase(program, i);
  }
}

void endOfStepLimits(Program& program, int i) {
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  struct Limit {
    ui::Label& cell;
    double limit;
  };
  const Limit limits[] = {{da2.r(i), 2000}, {da2.u(i), 2000}, {da2.z(i), 1500}, {da3.w(i), 300},
                          {da3.q(i), 500},  {da3.f(i), 1000}, {da3.s(i), 200}};
  for (const Limit& limit : limits)
    if (Val(limit.cell.caption()) > limit.limit) {
      limit.cell.setCaption(limit.limit);
      da3.d(i).setCaption(Val(da3.d(i).caption()) + 500);
    }
}

}  // namespace turns
