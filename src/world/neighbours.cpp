// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/neighbours.h"

#include <algorithm>
#include <array>

#include "world/scenario.h"

namespace world {

namespace {

const std::array<std::vector<int>, kTerritories> kNeighbourTable = {{
    {1},               // 0
    {0, 2, 3},         // 1
    {1, 3, 31, 32},    // 2
    {1, 2, 4},         // 3
    {3, 5, 12},        // 4
    {4, 6, 7, 8, 11},  // 5
    {5},               // 6
    {5, 8},            // 7
    {5, 7},            // 8
    {10},              // 9
    {9, 11, 12},       // 10
    {5, 10, 12},       // 11
    {4, 10, 11, 25},   // 12
    {14, 16},          // 13
    {13, 15},          // 14
    {14, 16, 17},      // 15
    {13, 15, 17, 27},  // 16
    {15, 16, 21},      // 17
    {19, 20, 33},      // 18
    {18, 20, 33},      // 19
    {18, 19, 21},      // 20
    {17, 20},          // 21
    {24, 34},          // 22
    {24, 25, 29},      // 23
    {22, 23, 26},      // 24
    {12, 23, 27},      // 25
    {20, 24, 27},      // 26
    {16, 25, 26},      // 27
    {29, 30, 31, 32},  // 28
    {23, 28, 30},      // 29
    {28, 29},          // 30
    {2, 28},           // 31
    {2, 28},           // 32
    {18, 19, 34},      // 33
    {22, 33},          // 34
}};

bool lists(int row, int territory) {
  const std::vector<int>& listed = kNeighbourTable[static_cast<std::size_t>(row)];
  return std::find(listed.begin(), listed.end(), territory) != listed.end();
}

}  // namespace

const std::vector<int>& neighbours(int territory) {
  static const std::vector<int> kNone;
  if (territory < 0 || territory >= kTerritories) return kNone;
  return kNeighbourTable[static_cast<std::size_t>(territory)];
}

std::vector<std::pair<int, int>> neighbourPairs() {
  std::vector<std::pair<int, int>> pairs;
  for (int i = 0; i < kTerritories; ++i)
    for (int j : neighbours(i))
      if (i < j || !lists(j, i)) pairs.push_back({std::min(i, j), std::max(i, j)});
  return pairs;
}

}  // namespace world
