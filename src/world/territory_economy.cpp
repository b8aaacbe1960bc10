// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/territory_economy.h"

#include "screens/program.h"
#include "ui/convert.h"
#include "world/scenario.h"

using world::territoryColumn;
using world::TerritoryStart;

TerritoryEconomy::TerritoryEconomy(Program& program)
    : ui::Screen(program, "da2", {.width = 6420, .height = 9000, .title = "Form1"}),
      n(this, "n",
        territoryColumn(0, 2400, [](const TerritoryStart& row) { return std::string(row.name); })),
      m(this, "m",
        territoryColumn(2460, 600, [](const TerritoryStart& row) { return ui::CStr(row.ruler); })),
      r(this, "r",
        territoryColumn(3120, 1080,
                        [](const TerritoryStart& row) { return ui::CStr(row.commerce); })),
      u(this, "u",
        territoryColumn(4260, 1080,
                        [](const TerritoryStart& row) { return ui::CStr(row.agriculture); })),
      z(this, "z",
        territoryColumn(5400, 960, [](const TerritoryStart& row) { return ui::CStr(row.port); })) {}
