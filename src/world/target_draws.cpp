// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/target_draws.h"

#include <array>

#include "world/scenario.h"

namespace world {

namespace {

const std::array<std::vector<int>, kTerritories> kTargetDraws = {{
    {1, 1, 1},         // 0
    {0, 2, 3},         // 1
    {1, 3, 31, 32},    // 2
    {1, 2, 4},         // 3
    {3, 5, 12},        // 4
    {4, 6, 7, 8, 11},  // 5
    {5, 5, 5},         // 6
    {5, 5, 8, 8},      // 7
    {5, 5, 7, 7},      // 8
    {10, 10, 10, 10},  // 9
    {9, 11, 12},       // 10
    {10, 12, 5},       // 11
    {4, 10, 11, 25},   // 12
    {14, 14, 16, 16},  // 13
    {13, 13, 15, 15},  // 14
    {14, 16, 17},      // 15
    {13, 15, 17},      // 16
    {15, 16, 21},      // 17
    {19, 20, 33},      // 18
    {18, 20, 33},      // 19
    {18, 19, 21},      // 20
    {17, 20, 20, 17},  // 21
    {24, 24, 34, 34},  // 22
    {24, 25, 29},      // 23
    {22, 23, 26},      // 24
    {12, 23, 27},      // 25
    {20, 24, 27},      // 26
    {25, 26, 16},      // 27
    {29, 30, 31, 32},  // 28
    {23, 28, 30},      // 29
    {28, 28, 29, 29},  // 30
    {2, 2, 28, 28},    // 31
    {2, 2, 28, 28},    // 32
    {18, 19, 34},      // 33
    {22, 22, 33, 33},  // 34
}};

}  // namespace

const std::vector<int>& targetDraws(int territory) {
  static const std::vector<int> kNone;
  if (territory < 0 || territory >= kTerritories) return kNone;
  return kTargetDraws[static_cast<std::size_t>(territory)];
}

}  // namespace world
