// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

#include "world/scenario.h"

void Program::start() { op1.show(); }

bool Program::playersStep() const {
  const MainScreen* main = ma1.get();
  return ma1.shown() && main->Label33.caption() == "あなたのターンです" &&
         !main->Timer1.enabled() && !main->Timer2.enabled() && main->Command9.enabled();
}

std::string Program::gameTitle() const {
  const MainScreen* main = ma1.get();
  const NationData* nations = da1.get();
  if (!ma1.shown() || !nations) return {};
  const int nation = world::nationIndex(main->mm.caption());
  if (nation < 0) return {};
  // The month right-aligned in two places, as the calendar shows it.
  const std::string month = main->Label13.caption();
  return nations->tt(nation).caption() + "　" + main->Label10.caption() + "年" +
         (month.size() < 2 ? " " : "") + month + "月";
}

bool Program::gameOver() const {
  return en1.shown() || (ma1.loaded() && ma1.get()->Label33.caption() == "ゲームオーバー");
}
