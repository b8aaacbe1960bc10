// SPDX-License-Identifier: GPL-3.0-or-later
#include "turns/military_decision.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"
#include "world/target_draws.h"

namespace turns {

using ui::Val;

namespace {

// Whether some whole number from 1 to 1000 lies strictly between the
// defender's and the attacker's soldiers: without one the force of an
// attack could never be drawn.
bool forceExists(double defenders, double attackers) {
  const double lowest = std::max(1.0, std::floor(defenders) + 1);
  const double highest = std::min(1000.0, std::ceil(attackers) - 1);
  return lowest <= highest;
}

}  // namespace

void militaryDecision(Program& program, int i) {
  if (i < 0 || i >= world::kTerritories) return;
  MainScreen& ma1 = program.ma1();
  TerritoryEconomy& da2 = program.da2();
  TerritoryStrength& da3 = program.da3();
  ui::Random& random = program.random();
  random.Randomize();

  // Too little armament to march: buy some, if the funds allow.
  if (Val(da3.w(i).caption()) <= 150) {
    if (Val(da3.d(i).caption()) > 500) {
      da3.d(i).setCaption(Val(da3.d(i).caption()) - 500);
      da3.w(i).setCaption(Val(da3.w(i).caption()) + ui::IntRnd(random, 60) + 1);
    }
    return;
  }

  // One draw for each length of list, the list's own length choosing.
  const double a3 = ui::IntRnd(random, 3) + 1;
  const double a4 = ui::IntRnd(random, 4) + 1;
  const double a5 = ui::IntRnd(random, 5) + 1;
  const std::vector<int>& targets = world::targetDraws(i);
  const double pick = targets.size() == 3 ? a3 : targets.size() == 4 ? a4 : a5;
  ma1.ai.setCaption(targets[static_cast<std::size_t>(pick) - 1]);
  const int ai = world::territoryIndex(ma1.ai.caption());

  // No attack on the own nation, nor without half as many soldiers again.
  if (Val(da2.m(ai).caption()) == Val(da2.m(i).caption())) return;
  if (ui::Int(Val(da3.f(ai).caption()) * 3 / 2) > Val(da3.f(i).caption())) return;
  if (!forceExists(Val(da3.f(ai).caption()), Val(da3.f(i).caption()))) return;

  // The force lies strictly between the defenders and the whole garrison.
  do {
    ma1.t.setCaption(ui::IntRnd(random, 1000) + 1);
  } while (!(Val(da3.f(i).caption()) - Val(ma1.t.caption()) > 0 &&
             Val(da3.f(ai).caption()) < Val(ma1.t.caption())));
  da3.f(i).setCaption(Val(da3.f(i).caption()) - Val(ma1.t.caption()));

  double a = 0;
  do {
    a = ui::IntRnd(random, 150) + 1;
  } while (!(a < 100));
  ma1.Label35.setCaption(a);
  da3.w(i).setCaption(Val(da3.w(i).caption()) - a);

  if (Val(ma1.mm.caption()) == Val(da2.m(ai).caption())) {
    ma1.Label34.setCaption("2");
    program.ma2.show();
  } else {
    program.ma5.show();
  }
  ma1.Timer2.setEnabled(false);
}

}  // namespace turns
