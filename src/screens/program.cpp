// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/program.h"

#include <initializer_list>

#include "ui/convert.h"

void Program::start() { op1.show(); }

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
