#pragma once

#include "ui/screen.h"

class Program;

class TerritoryStrength : public ui::Screen {
 public:
  explicit TerritoryStrength(Program& program);
};
