// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data screen `da2`, never shown: the first half of the territory table,
// one label per territory in each column.

#include "ui/screen.h"

class Program;

class TerritoryEconomy : public ui::Screen {
 public:
  explicit TerritoryEconomy(Program& program);

  ui::WidgetArray<ui::Label> n;  // territory name
  ui::WidgetArray<ui::Label> m;  // ruling nation
  ui::WidgetArray<ui::Label> r;  // commerce
  ui::WidgetArray<ui::Label> u;  // agriculture
  ui::WidgetArray<ui::Label> z;  // port; 0 where the territory has none
};
