// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixed lists of nations that some rules test: who may do missionary
// work, hunt or plunder, and whose investments gain no extra half.

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "world/scenario.h"

namespace world {

class NationSet {
 public:
  constexpr NationSet(std::initializer_list<int> members) {
    for (int nation : members) bits_ |= std::uint32_t{1} << nation;
  }

  // Whether the nation, as read from a caption with Val, is a member.
  bool contains(double nation) const {
    if (!(nation >= 0 && nation < kNations) || nation != std::floor(nation)) return false;
    return (bits_ >> static_cast<int>(nation)) & 1;
  }

 private:
  std::uint32_t bits_ = 0;
};

// Faith rulers: other commerce and agriculture income; missionary work.
inline constexpr NationSet FaithSet{7, 14, 18, 23, 25};
inline constexpr NationSet PlunderSet{1, 5, 9, 10, 12, 14, 16, 19, 25};
// Investments gain what is paid, not half as much again.
inline constexpr NationSet PlainYieldSet{1, 5, 7, 9, 12, 14, 16, 19, 25};
inline constexpr NationSet HuntSet{0, 1, 3, 5, 7, 9, 12, 13, 14, 16, 19, 20, 21, 24, 25};

}  // namespace world
