// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/territory_strength.h"

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using world::territoryColumn;
using world::TerritoryStart;

TerritoryStrength::TerritoryStrength(Program& program)
    : ui::Screen(program, "da3", {.width = 7110, .height = 9000}),
      q(this, "q",
        territoryColumn(0, 1380, [](const TerritoryStart& row) { return ui::CStr(row.castle); })),
      w(this, "w",
        territoryColumn(1420, 1380,
                        [](const TerritoryStart& row) { return ui::CStr(row.armament); })),
      s(this, "s",
        territoryColumn(2840, 1380,
                        [](const TerritoryStart& row) { return ui::CStr(row.loyalty); })),
      d(this, "d",
        territoryColumn(4260, 1380, [](const TerritoryStart& row) { return ui::CStr(row.funds); })),
      f(this, "f", territoryColumn(5680, 1380, [](const TerritoryStart& row) {
          return ui::CStr(row.soldiers);
        })) {}
