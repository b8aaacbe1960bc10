// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The built-in scenario: the continent's territories and nations as a game
// starts. The data screens take their design-time captions from it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/widget.h"

namespace world {

inline constexpr int kTerritories = 35;
inline constexpr int kNations = 26;

struct TerritoryStart {
  const char* name;
  int ruler, commerce, agriculture, port, castle, armament, loyalty, funds, soldiers;
};

struct NationStart {
  const char* name;
  int portraitWidth;  // pixels; every portrait is 100 high
};

extern const std::array<TerritoryStart, kTerritories> kTerritoryStart;
extern const std::array<NationStart, kNations> kNationStart;

// One column of the territory table on a data screen: a label per
// territory, one under another, each holding caption(row) of the scenario.
std::vector<ui::LabelDesign> territoryColumn(int left, int width,
                                             std::string (*caption)(const TerritoryStart&));

// The territory (0 to 34) or nation (0 to 25) a caption names, its value
// converted as an index is; -1 when the caption names none.
int territoryIndex(std::string_view caption);
int nationIndex(std::string_view caption);
// The nation a value names, as its caption would.
int nationIndex(double value);

}  // namespace world
