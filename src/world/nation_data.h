// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The data screen `da1`, never shown: the nations' names and portraits and
// the region pictures of the continent.

#include "ui/screen.h"

class Program;

class NationData : public ui::Screen {
 public:
  explicit NationData(Program& program);

  // Image1 to Image9 by number.
  ui::Image& regionPicture(int number);

  ui::WidgetArray<ui::Label> tt;  // nation names
  ui::WidgetArray<ui::Image> t;   // nation portraits
  // Image1 is the whole continent, Image2 to Image9 the regions of the map.
  ui::Image Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9;
};
