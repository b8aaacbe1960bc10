// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computer's candidate targets: for each territory a fixed list of 3, 4
// or 5 neighbours, one of which a single draw picks. A neighbour listed twice
// is twice as likely; some neighbours are never listed.

#include <vector>

namespace world {

// The list of `territory`; empty for an index outside 0 to 34.
const std::vector<int>& targetDraws(int territory);

}  // namespace world
