#pragma once

#include "ui/screen.h"

class Program;

class TerritoryEconomy : public ui::Screen {
 public:
  explicit TerritoryEconomy(Program& program);
};
