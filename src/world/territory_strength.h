// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data screen `da3`, never shown: the second half of the territory
// table, one label per territory in each column.

#include "ui/screen.h"

class Program;

class TerritoryStrength : public ui::Screen {
 public:
  explicit TerritoryStrength(Program& program);

  ui::WidgetArray<ui::Label> q;  // castle
  ui::WidgetArray<ui::Label> w;  // armament
  ui::WidgetArray<ui::Label> s;  // loyalty of the people
  ui::WidgetArray<ui::Label> d;  // funds
  ui::WidgetArray<ui::Label> f;  // soldiers
};
