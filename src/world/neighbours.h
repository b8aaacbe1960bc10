// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which territory a player's territory may attack: one row per territory of
// the continent. The relation is symmetric but for one road: 26 may attack 20,
// while 20 may not attack 26. The attack map draws one line per pair.

#include <utility>
#include <vector>

namespace world {

// The territories that `territory` may attack; none for an index outside 0 to 34.
const std::vector<int>& neighbours(int territory);

// Every pair of territories joined on the attack map, once each, the lower
// index first, in the order of the rows.
std::vector<std::pair<int, int>> neighbourPairs();

}  // namespace world
