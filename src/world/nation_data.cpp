// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/nation_data.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "screens/program.h"
#include "world/scenario.h"

namespace {

// Portraits at their own size, eight to a row, each name below its portrait;
// the region pictures in a row beneath them.
constexpr int kCell = 1500;
constexpr int kRow = 1800;
constexpr int kPortraitHeight = 1500;

std::vector<ui::LabelDesign> names() {
  std::vector<ui::LabelDesign> designs;
  for (int j = 0; j < world::kNations; ++j)
    designs.push_back({.at = {j % 8 * kCell, j / 8 * kRow + kPortraitHeight, kCell, 255},
                       .caption = world::kNationStart[j].name});
  return designs;
}

std::vector<ui::ImageDesign> portraits() {
  std::vector<ui::ImageDesign> designs;
  for (int j = 0; j < world::kNations; ++j)
    designs.push_back({.at = {j % 8 * kCell, j / 8 * kRow,
                              world::kNationStart[j].portraitWidth * 15, kPortraitHeight},
                       .picture = "da1.t(" + std::to_string(j) + ")"});
  return designs;
}

ui::ImageDesign region(int number) {
  return {.at = {(number - 1) * 1333, 7500, 1320, 990},
          .picture = "da1.Image" + std::to_string(number),
          .stretch = true};
}

}  // namespace

NationData::NationData(Program& program)
    : ui::Screen(program, "da1", {.title = "Form1"}),
      tt(this, "tt", names()),
      t(this, "t", portraits()),
      Image1(this, "Image1", region(1)),
      Image2(this, "Image2", region(2)),
      Image3(this, "Image3", region(3)),
      Image4(this, "Image4", region(4)),
      Image5(this, "Image5", region(5)),
      Image6(this, "Image6", region(6)),
      Image7(this, "Image7", region(7)),
      Image8(this, "Image8", region(8)),
      Image9(this, "Image9", region(9)) {}

ui::Image& NationData::regionPicture(int number) {
  ui::Image* pictures[] = {&Image1, &Image2, &Image3, &Image4, &Image5,
                           &Image6, &Image7, &Image8, &Image9};
  if (number < 1 || number > 9)
    throw std::out_of_range("no region picture Image" + std::to_string(number));
  return *pictures[number - 1];
}
