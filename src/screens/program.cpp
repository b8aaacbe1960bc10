// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

#include <initializer_list>

#include "ui/convert.h"
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

bool Program::playerInvolved() const {
  // The opening, the selection, the ending, the player's battles and the
  // dialogs and setup screens of the player's step.
  const std::initializer_list<const ui::SlotBase*> playing = {&op1, &op2, &en1, &kin,
                                                              &ma2, &ma3, &ma4, &ma6};
  for (const ui::SlotBase* slot : playing)
    if (slot->shown()) return true;
  const MainScreen* main = ma1.get();
  const TerritoryEconomy* table = da2.get();
  if (!main || !table) return false;
  // The player's own step, from its event phase to its hand-back.
  const int i = world::territoryIndex(main->count1.caption());
  return i >= 0 && ui::Val(table->m(i).caption()) == ui::Val(main->mm.caption());
}
