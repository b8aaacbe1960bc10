#pragma once

#include "ui/screen.h"

class Program;

class MainScreen : public ui::Screen {
 public:
  explicit MainScreen(Program& program);
  ui::Label Label33{this, "Label33", {.at = {240, 240, 3500, 300}, .caption = "群星の年代記", .fore = {ui::kRed}}};
  ui::Label mm{this, "mm", {.caption = "9", .visible = false}};
};
