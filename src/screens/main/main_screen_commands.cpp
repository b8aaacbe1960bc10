// SPDX-License-Identifier: GPL-3.0-or-later
// The player's commands on the main screen: the investment buttons open the
// investment dialog with their command code; end of turn, plunder, hunting
// and missionary work act at once on the territory of the running step and
// end it; quit ends the program; military action and movement open their
// own screens.

#include "screens/main/main_screen.h"
#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using ui::CStr;
using ui::Val;

void MainScreen::Command1_Click() {
  com.setCaption(1);
  program_.kin.show();
}

void MainScreen::Command2_Click() {
  com.setCaption(2);
  program_.kin.show();
}

void MainScreen::Command3_Click() {
  com.setCaption(3);
  program_.kin.show();
}

void MainScreen::Command4_Click() {
  com.setCaption(4);
  program_.kin.show();
}

void MainScreen::Command5_Click() {
  com.setCaption(5);
  program_.kin.show();
}

void MainScreen::Command6_Click() {
  com.setCaption(6);
  program_.kin.show();
}

// Conscription uses the investment dialog with code 9.
void MainScreen::Command10_Click() {
  com.setCaption(9);
  program_.kin.show();
}

// Military action: 7 is its command code. The attack setup opens on top; the
// step goes on until an attack is fought or another command ends it.
void MainScreen::Command7_Click() {
  com.setCaption(7);
  program_.ma3.show();
}

// Movement: the step ends only when the movement screen carries a move out.
void MainScreen::Command14_Click() { program_.ma6.show(); }

// End of turn: nothing is done for this territory this month.
void MainScreen::Command9_Click() { endCommand(); }

void MainScreen::Command11_Click() { program_.end(); }

// Plunder: the lower the people's loyalty, the likelier a riot.
void MainScreen::Command12_Click() {
  const int i = world::territoryIndex(count1.caption());
  if (i < 0) return;
  TerritoryStrength& da3 = program_.da3();
  ui::Random& random = program_.random();
  random.Randomize();
  const double r = ui::IntRnd(random, 100) + 70;
  if (r > Val(da3.s(i).caption())) {
    // Losses are taken only where there is enough to lose.
    const double killed = Val(da3.f(i).caption()) >= 100 ? ui::IntRnd(random, 100) + 1 : 0;
    const double lost = Val(da3.d(i).caption()) >= 500 ? ui::IntRnd(random, 500) + 1 : 0;
    Label33.setCaption("暴動がおこり兵士" + CStr(killed) + "人死亡し資金が" + CStr(lost) +
                       "減少しました");
    da3.f(i).setCaption(Val(da3.f(i).caption()) - killed);
    da3.d(i).setCaption(Val(da3.d(i).caption()) - lost);
  } else {
    const double resentment = ui::IntRnd(random, 70) + 1;
    da3.s(i).setCaption(Val(da3.s(i).caption()) - resentment);
    const double gold = ui::IntRnd(random, 3000) + 100;
    da3.d(i).setCaption(Val(da3.d(i).caption()) + gold);
    Label33.setCaption("金" + CStr(gold) + "を町より略奪しました");
  }
  endCommand();
}

// Hunting: from April to September the woods and the sea give more.
void MainScreen::Command13_Click() {
  const int i = world::territoryIndex(count1.caption());
  if (i < 0) return;
  TerritoryStrength& da3 = program_.da3();
  const double month = Val(Label13.caption());
  const double profit = ui::IntRnd(program_.random(), month < 4 || month > 9 ? 50 : 150) + 1;
  da3.d(i).setCaption(Val(da3.d(i).caption()) + profit);
  Label33.setCaption("狩猟により" + CStr(profit) + "の利益が出ました");
  endCommand();
}

// Missionary work: paid when the funds reach 300, and then worth seven times
// as much; its cost may exceed the funds. The loyalty is not capped here.
void MainScreen::Command15_Click() {
  const int i = world::territoryIndex(count1.caption());
  if (i < 0) return;
  TerritoryStrength& da3 = program_.da3();
  ui::Random& random = program_.random();
  random.Randomize();
  const double support = ui::IntRnd(random, 10) + 1;
  if (Val(da3.d(i).caption()) >= 300) {
    const double cost = ui::IntRnd(random, 300) + 100;
    da3.s(i).setCaption(Val(da3.s(i).caption()) + 7 * support);
    da3.d(i).setCaption(Val(da3.d(i).caption()) - cost);
    Label33.setCaption("民衆の支持が" + CStr(7 * support) + "あがり費用が" + CStr(cost) +
                       "だけかかりました");
  } else {
    da3.s(i).setCaption(Val(da3.s(i).caption()) + support);
    Label33.setCaption(CStr(support) + "だけ民衆の支持があがりました");
  }
  endCommand();
}
